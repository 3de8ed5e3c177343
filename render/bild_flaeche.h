#pragma once
// The window's retained picture: a QImage of the client area that the redraw
// draws into and the window shows in its paintEvent and hands to the clipboard.

#include "zeichenflaeche.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>

#include <vector>

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

    // Whoever takes the picture may keep a shared copy of it; the next drawing
    // call then detaches before it writes into the pixels.
    const QImage& Image() const
    {
        ausgegeben_ = true;
        return bild_;
    }
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
    QRgb farbe_aufloesen(Farbe f) const;
    // The rays use two colours a few hundred thousand times: the last one is kept.
    QRgb farbe_schnell(Farbe f)
    {
        if (f != letzte_farbe_) {
            letzte_farbe_ = f;
            letztes_rgb_ = farbe_aufloesen(f);
        }
        return letztes_rgb_;
    }
    void pixel_holen();
    void abbildung_berechnen();
    void strecke(double x1, double y1, double x2, double y2, QRgb farbe);
    void strecke_duenn(double x0, double y0, double x1, double y1, double phase, QRgb farbe);
    void strecke_dick(double x0, double y0, double x1, double y1, QRgb farbe);
    void punkt(double dx, double dy, int durchmesser, QRgb farbe);

    QImage bild_;
    mutable bool ausgegeben_ = true;
    // The scanlines, written directly for thin lines and single pixels.
    QRgb* pixel_ = nullptr;
    qsizetype zeilenlaenge_ = 0;  // in pixels
    int breite_px_ = 0, hoehe_px_ = 0;
    double breite_d_ = 0, hoehe_d_ = 0;  // the same, for the bounds test of PSet
    Farbe letzte_farbe_ = 0;
    QRgb letztes_rgb_ = 0xFF000000;
    qreal verhaeltnis_ = 1.0;

    // World to device pixels: d = a * w + b, from the last Scale.
    double ecke_x1_ = 0, ecke_y1_ = 0, ecke_x2_ = 1, ecke_y2_ = 1;
    double ax_ = 0, bx_ = 0, ay_ = 0, by_ = 0;

    QRgb hintergrund_ = 0xFFFFFFFF;
    QRgb schaltflaechentext_ = 0xFF000000;
    QFont schrift_;
    bool schrift_gesetzt_ = false;

    // Line patterns in device pixels (on = 1), one table per DrawStyle 1 to 4.
    std::vector<unsigned char> muster_[4];

    double breite_ = 0, hoehe_ = 0;
    int zustand_ = 0;
};
