#pragma once
// The drawing operations the redraw uses. World coordinates everywhere; the
// surface maps them onto its pixels with the scale set last.

#include <cstdint>
#include <string>

// 0x00BBGGRR, or a system colour 0x800000nn.
using Farbe = std::uint32_t;

namespace farbe {
inline constexpr Farbe blau = 0xFF0000;
inline constexpr Farbe gelb = 0x00FFFF;
inline constexpr Farbe rot = 0x0000FF;
inline constexpr Farbe dunkelrot = 0x0000C0;
inline constexpr Farbe dunkelgruen = 0x008000;
inline constexpr Farbe dunkelgelb = 0x008080;
inline constexpr Farbe fensterhintergrund = 0x80000005;
inline constexpr Farbe schaltflaechentext = 0x80000012;
}  // namespace farbe

enum Linienart : int { durchgezogen = 0, gestrichelt = 1, gepunktet = 2, strich_punkt_punkt = 4 };

class Zeichenflaeche {
public:
    virtual ~Zeichenflaeche() = default;

    virtual void Cls() = 0;
    // (x1, y1) becomes the upper-left, (x2, y2) the lower-right corner.
    virtual void Scale(double x1, double y1, double x2, double y2) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, Farbe farbe) = 0;
    // From (CurrentX, CurrentY).
    virtual void Line(double x2, double y2, Farbe farbe) = 0;
    virtual void PSet(double x, double y, Farbe farbe) = 0;
    virtual void Print(const std::string& text) = 0;
    // How wide Print would draw the text, in world units of the current
    // scale; 0 where there is no font to draw it with.
    virtual double TextWidth(const std::string& text) const = 0;
    // How far below CurrentY Print puts the baseline, in world units of the
    // current scale: digits and capitals end there. 0 where there is no font.
    virtual double TextBaseline() const = 0;
    // How long n logical pixels are in world units of the current scale,
    // along x and along y; 0 where the surface has no pixels.
    virtual double ScaleX(double pixel) const = 0;
    virtual double ScaleY(double pixel) const = 0;

    double CurrentX = 0;
    double CurrentY = 0;
    Farbe ForeColor = farbe::schaltflaechentext;
    int DrawWidth = 1;
    int DrawStyle = durchgezogen;

    // How the front end shows the picture, beyond its size.
    struct Darstellung {
        // The window's controls do not stand over the picture's top margin
        // (they flow above the drawing): the margin keeps only what the
        // letters above the frame need, not its designed quarter of the frame.
        bool kopf_knapp = false;
        // For a projector: the lens outline gets a dark edge beside its
        // yellow, which alone hardly shows against white on a wall.
        bool projektor = false;
    } darstellung;

    // Outer size of the window in twips, and 0 normal / 1 minimized / 2 maximized.
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual int WindowState() const = 0;
};
