#pragma once
// The window's retained picture as plain pixels: everything the redraw draws
// lands here, on every front end alike, so that a ray point covers the same
// pixels in the same colour wherever the program runs. Text is the one thing
// it cannot draw by itself: a front end draws it through text_zeichnen.

#include "zeichenflaeche.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Rasterbild : public Zeichenflaeche {
public:
    // The picture never gets more pixels than this on a side; a larger
    // client area gets a picture of the same shape shown enlarged.
    static constexpr int groesste_kante = 8192;

    struct Weltpunkt {
        double x, y;
    };

    // How a colour's channels lie in a pixel: 0xFFRRGGBB read as a number
    // (what a QImage of format RGB32 views), or red, green, blue, alpha in
    // memory order (what a browser's canvas takes without a conversion).
    enum class Kanalfolge { argb_zahl, rgba_bytes };

    explicit Rasterbild(Kanalfolge folge = Kanalfolge::argb_zahl);
    ~Rasterbild() override = default;
    Rasterbild(const Rasterbild&) = delete;
    Rasterbild& operator=(const Rasterbild&) = delete;

    // The client area in logical pixels and the screen's device pixel ratio.
    // What was drawn stays, anchored at the upper-left corner; new area is
    // filled with the background colour. An empty area gives an empty picture.
    void groesse_setzen(int breite_logisch, int hoehe_logisch, double pixelverhaeltnis = 1.0);
    // At most this many pixels from the next groesse_setzen on: a larger
    // client area gets a picture of the same shape shown enlarged, as beyond
    // groesste_kante. Where memory cannot grow for ever (a browser tab), a
    // picture of more than a quarter of the limit reserves the whole of it
    // at once, so that later sizes reuse that one block and never hold two
    // large blocks at once. 0: no limit but the edge.
    void flaeche_begrenzen(std::size_t groesste_flaeche) { groesste_flaeche_ = groesste_flaeche; }
    // What Width, Height and WindowState report (outer size in twips).
    void fenster_setzen(double breite_twips, double hoehe_twips, int zustand);
    // The colours, 0xRRGGBB, that the system colours 0x80000005 and 0x80000012 stand for.
    void systemfarben_setzen(std::uint32_t fensterhintergrund, std::uint32_t schaltflaechentext);

    // The pixels: breite() * hoehe() colours in the picture's channel order
    // (0xFFRRGGBB unless told otherwise), row by row from the top, rows
    // without padding. Null when the picture is empty. The address
    // holds until the next groesse_setzen.
    const std::uint32_t* pixel() const { return pixel_.get(); }
    int breite() const { return breite_px_; }
    int hoehe() const { return hoehe_px_; }
    // Picture pixels per logical pixel: the device pixel ratio, less when the
    // picture is capped.
    double massstab() const { return massstab_; }
    // A colour as it lands in the pixels, in their channel order.
    std::uint32_t rgb(Farbe f) const;
    // A point in logical pixels of the client area, in world coordinates of the current scale.
    Weltpunkt welt(double x_logisch, double y_logisch) const;

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, Farbe farbe) override;
    void Line(double x2, double y2, Farbe farbe) override;
    void PSet(double x, double y, Farbe farbe) override;
    void Print(const std::string& text) final;
    double TextWidth(const std::string& text) const final;
    double TextBaseline() const final;
    double ScaleX(double pixel) const final;
    double ScaleY(double pixel) const final;
    double Width() const override { return breite_twips_; }
    double Height() const override { return hoehe_twips_; }
    int WindowState() const override { return zustand_; }

protected:
    // Draws text with its upper-left corner at (x, y) in logical pixels of the
    // client area, in colour rgb (in the pixels' channel order), on a
    // transparent background, into pixel_schreiben(); massstab() picture pixels make a logical pixel.
    // Called only for a non-empty text on a non-empty picture. Without a
    // front end there are no fonts: the raster alone draws no text.
    virtual void text_zeichnen(const std::string& text, double x, double y, std::uint32_t rgb);
    // The width text_zeichnen gives the text, in logical pixels.
    virtual double text_breite(const std::string& text) const;
    // How far below the text's upper-left corner text_zeichnen puts its baseline, in logical pixels.
    virtual double text_grundlinie() const;
    std::uint32_t* pixel_schreiben() { return pixel_.get(); }

private:
    // The rays use two colours a few hundred thousand times: the last one is kept.
    std::uint32_t farbe_schnell(Farbe f)
    {
        if (f != letzte_farbe_) {
            letzte_farbe_ = f;
            letztes_rgb_ = rgb(f);
        }
        return letztes_rgb_;
    }
    std::uint32_t in_kanalfolge(std::uint32_t argb) const;
    void abbildung_berechnen();
    void strecke(double x1, double y1, double x2, double y2, std::uint32_t farbe);
    // From (x0, y0) to (x1, y1), clipped; a pattern counts from (anfang_x, anfang_y), where the whole line begins.
    void strecke_duenn(double x0, double y0, double x1, double y1, double anfang_x, double anfang_y,
                       std::uint32_t farbe);
    void strecke_dick(double x0, double y0, double x1, double y1, int durchmesser, std::uint32_t farbe);
    void punkt(double dx, double dy, int durchmesser, std::uint32_t farbe);
    void muster_setzen(int faktor);

    std::unique_ptr<std::uint32_t[]> pixel_;
    std::size_t platz_ = 0;  // pixels that pixel_ holds, at least breite_px_ * hoehe_px_
    std::size_t groesste_flaeche_ = 0;
    int breite_px_ = 0, hoehe_px_ = 0;
    std::ptrdiff_t zeilenlaenge_ = 0;  // in pixels; not an int, so that pixel stores need not reload it
    double breite_d_ = 0, hoehe_d_ = 0;  // the same, for the bounds test of PSet
    int breite_logisch_ = 0, hoehe_logisch_ = 0;
    double massstab_ = 1.0;
    Farbe letzte_farbe_ = 0;
    std::uint32_t letztes_rgb_ = 0xFF000000u;

    // World to picture pixels: d = a * w + b, from the last Scale.
    double ecke_x1_ = 0, ecke_y1_ = 0, ecke_x2_ = 1, ecke_y2_ = 1;
    double ax_ = 0, bx_ = 0, ay_ = 0, by_ = 0;

    bool rgba_bytes_ = false;
    std::uint32_t hintergrund_ = 0xFFFFFFFFu;
    std::uint32_t schaltflaechentext_ = 0xFF000000u;

    // Line patterns in picture pixels (on = 1), one table per DrawStyle 1 to 4.
    std::vector<unsigned char> muster_[4];
    int musterfaktor_ = 0;
    // One logical pixel in whole picture pixels: the width of a thin line
    // and the size of a point.
    int duenn_ = 1;
    // The largest DrawWidth that PSet draws as a single picture pixel: 1, or
    // 0 when a logical pixel is more than one.
    int einzelpunkt_ = 1;

    double breite_twips_ = 0, hoehe_twips_ = 0;
    int zustand_ = 0;
};
