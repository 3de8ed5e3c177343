#pragma once
// The window's retained picture: a QImage of the client area that the redraw
// draws into and the window shows in its paintEvent and hands to the clipboard.

#include "zeichenflaeche.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

class BildFlaeche : public Zeichenflaeche {
public:
    BildFlaeche();

    // Client area in logical pixels and the screen's device pixel ratio; the
    // picture is kept at logical size times the ratio. Clears it.
    void groesse_setzen(QSize logisch, qreal pixelverhaeltnis = 1.0);
    // What Width, Height and WindowState report (outer size in twips).
    void fenster_setzen(double breite_twips, double hoehe_twips, int zustand);
    // The colours that the system colours 0x80000005 and 0x80000012 stand for.
    void systemfarben_setzen(QColor fensterhintergrund, QColor schaltflaechentext);
    // The font that Print uses.
    void schrift_setzen(const QFont& schrift);

    const QImage& Image() const { return bild_; }
    // A point in logical pixels of the client area, in world coordinates of the current scale.
    QPointF welt(QPointF logisch) const;

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, Farbe farbe) override;
    void Line(double x2, double y2, Farbe farbe) override;
    void PSet(double x, double y, Farbe farbe) override;
    void Print(const std::string& text) override;
    double Width() const override { return breite_; }
    double Height() const override { return hoehe_; }
    int WindowState() const override { return zustand_; }

private:
    // implementation details are the implementer's
    QImage bild_;
    double breite_ = 0, hoehe_ = 0;
    int zustand_ = 0;
};
