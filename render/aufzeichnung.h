#pragma once
// A surface for tests: it draws nothing and keeps every call with its world
// coordinates and the drawing state at that moment.

#include "zeichenflaeche.h"

#include <string>
#include <vector>

struct Aufruf {
    enum Art { Cls, Scale, Line, PSet, Print } art;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Scale: the two corners; PSet and Print: (x1, y1)
    Farbe farbe = 0;                         // the colour drawn with (ForeColor where none was given)
    int breite = 1;                          // DrawWidth
    int stil = 0;                            // DrawStyle
    std::string text;                        // Print
};

class Aufzeichnung : public Zeichenflaeche {
public:
    std::vector<Aufruf> aufrufe;
    double breite = 13950 + 240, hoehe = 8550 + 1000;  // outer size in twips
    double zeichenbreite = 1;  // world units per character of a text
    double grundlinie = 1;     // world units from a text's top to its baseline
    // World units per logical pixel: the window's design size over the default world.
    double pixel_x = 157.5 / 930, pixel_y = 52.0 / 570;
    int zustand = 0;

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, Farbe farbe) override;
    void Line(double x2, double y2, Farbe farbe) override;
    void PSet(double x, double y, Farbe farbe) override;
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) const override;
    double TextBaseline() const override { return grundlinie; }
    double ScaleX(double pixel) const override { return pixel * pixel_x; }
    double ScaleY(double pixel) const override { return pixel * pixel_y; }
    double Width() const override { return breite; }
    double Height() const override { return hoehe; }
    int WindowState() const override { return zustand; }
};
