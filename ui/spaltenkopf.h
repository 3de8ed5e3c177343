#pragma once
// The headings over the entry boxes of the main window.

#include <QLabel>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// A heading whose caption places its words over the boxes below by runs of
// blanks. The caption stays the text; painting puts the first word at the
// left edge and centres each further word over its box, since no real font
// matches blanks to the box spacing.
class Spaltenkopf : public QLabel {
public:
    // spalten: left edge of each box relative to the label, one per word after the first.
    Spaltenkopf(const QString& caption, QList<int> spalten, int boxbreite, QWidget* eltern);
    QStringList woerter() const;
    // The boxes stand k times as far apart and are k times as wide (the projector view).
    void massstab_setzen(int k) { massstab_ = k; update(); }
    // Where word i is painted, in the label's pixels.
    QRect wortrahmen(int i) const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QList<int> spalten_;
    int boxbreite_;
    int massstab_ = 1;
};
