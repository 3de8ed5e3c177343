#include "kennlinie.h"

#include "zahlformat.h"

#include <algorithm>
#include <cmath>

namespace {

// A step of 1, 2 or 5 times a power of ten that splits the span into at
// most six parts.
double rasterschritt(double spanne)
{
    double schritt = 1;
    while (spanne / schritt > 6) {
        for (double faktor : {2.0, 2.5, 2.0}) {  // 1 -> 2 -> 5 -> 10
            schritt *= faktor;
            if (spanne / schritt <= 6) {
                break;
            }
        }
    }
    return schritt;
}

}  // namespace

void kennlinie_zeichnen(Zeichenflaeche& f, const Kennlinie& k)
{
    double x_min = k.xF2, x_max = k.xF2;
    for (const Kennlinie::Punkt& p : k.punkte) {
        x_min = std::min(x_min, p.x_achse);
        x_max = std::max(x_max, p.x_achse);
    }
    const double schritt = rasterschritt(std::max(x_max - x_min, 1.0));
    const double links = std::floor(x_min / schritt) * schritt - (x_max - x_min < schritt ? schritt : 0);
    double rechts = std::ceil(x_max / schritt) * schritt;
    if (rechts <= x_max) {
        rechts += schritt;
    }
    const double unten = 0, oben = 20;
    const double breite = rechts - links, hoehe = oben - unten;

    f.Cls();
    // Room for the height numbers on the left, the x numbers below, the
    // labels above.
    f.Scale(links - 0.12 * breite, oben + 0.14 * hoehe, rechts + 0.05 * breite, unten - 0.16 * hoehe);
    f.DrawStyle = durchgezogen;
    f.DrawWidth = 1;
    f.ForeColor = farbe::schaltflaechentext;

    f.Line(links, unten, rechts, unten);
    f.Line(links, unten, links, oben);
    for (double x = links; x <= rechts + schritt / 2; x += schritt) {
        f.Line(x, unten, x, unten - 0.025 * hoehe);
        f.CurrentX = x - 0.02 * breite;
        f.CurrentY = unten - 0.04 * hoehe;
        f.Print(format_0(x));
    }
    for (int y = 0; y <= 18; y += 6) {
        f.Line(links, y, links - 0.015 * breite, y);
        f.CurrentX = links - 0.08 * breite;
        f.CurrentY = y + 0.04 * hoehe;
        f.Print(format_0(y));
    }
    f.CurrentX = links - 0.08 * breite;
    f.CurrentY = oben + 0.12 * hoehe;
    f.Print("y0");
    f.CurrentX = rechts + 0.01 * breite;
    f.CurrentY = unten + 0.04 * hoehe;
    f.Print("x");

    // F' of the thick lens, in its colour in the drawing.
    f.ForeColor = farbe::blau;
    f.DrawStyle = gestrichelt;
    f.Line(k.xF2, unten, k.xF2, oben, farbe::blau);
    f.DrawStyle = durchgezogen;
    f.CurrentX = k.xF2 - 0.01 * breite;
    f.CurrentY = oben + 0.1 * hoehe;
    f.Print("F'");
    f.ForeColor = farbe::schaltflaechentext;

    f.DrawWidth = 5;
    for (const Kennlinie::Punkt& p : k.punkte) {
        f.Line(p.x_achse, p.y0, p.x_achse, p.y0, farbe::rot);
    }
    f.DrawWidth = 1;
}
