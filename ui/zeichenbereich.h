#pragma once
// The main window's client area, which holds the drawing and the controls.

#include <QPointF>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <optional>

class frm_grafik;

// The client area: shows the retained picture, reports resizes and the
// pointer, and hands presses, drags and the arrow keys to the window core,
// which decides what they move.
class Zeichenbereich : public QWidget {
public:
    Zeichenbereich(frm_grafik& form, QWidget* eltern);
    QSize sizeHint() const override;
    // A drag runs: the pointer holds the object or the lens.
    bool zieht() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;
    // While a drag runs: Escape ends it, wherever the keyboard focus is,
    // and no other key acts.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // The last move of a drag not yet handed on, handled once the events
    // that are waiting are through: a burst of moves costs one redraw.
    void zug_nachholen();
    void zug_beenden();
    // Escape, or the grab lost to another window: the scene as before the press.
    void zug_abbrechen();

    frm_grafik& form_;
    QTimer nachzug_;
    std::optional<QPointF> offener_zug_;
    bool finger_ = false;
    bool per_tastatur_ = false;  // the focus came by the keyboard: its frame shows
};
