#pragma once
// The main window's client area, which holds the drawing and the controls.

#include <QSize>
#include <QWidget>

class frm_grafik;

// The client area: shows the retained picture and reports resizes and mouse moves.
class Zeichenbereich : public QWidget {
public:
    Zeichenbereich(frm_grafik& form, QWidget* eltern);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    frm_grafik& form_;
};
