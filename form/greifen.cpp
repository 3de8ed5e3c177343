// The drawing taken by the hand: the object's tip, its stem and the lens
// follow the pointer, and the arrow keys move them in steps. The values
// stay in the ranges the boxes accept, and the boxes show them as they
// would write a typed value back.

#include "form/grafik_kern.h"

#include "form/beschreibung.h"
#include "form/zahltext.h"
#include "lens/flaeche.h"
#include "lens/module1.h"
#include "render/messung.h"
#include "render/szene.h"

#include <algorithm>
#include <cmath>

namespace {

// A drag never makes the object flat: that draws no object to take again.
constexpr double hoehe_min = 0.1, hoehe_max = 19;

// Dragged values on a grid of a hundredth, finer than a pixel of the
// frame; the boxes then read "23,46", not fifteen digits of where the
// pointer happened to be.
double gerundet(double wert)
{
    return std::round(wert * 100) / 100;
}

}  // namespace

Griff GrafikKern::griff_bei(double x, double y, bool finger) const
{
    // The grips stand where the picture shows them.
    if (Messung.stand != Messung_t::Stand::gezeichnet || !std::isfinite(x) || !std::isfinite(y)) {
        return Griff::keiner;
    }
    const Zeichenflaeche& f = ansicht_.flaeche();
    const double weite = finger ? greifweite_finger : greifweite_maus;
    const double rx = f.ScaleX(weite), ry = f.ScaleY(weite);
    if (!(rx > 0 && ry > 0)) {
        return Griff::keiner;
    }
    const Module1_t& m = Messung.szene;
    if (Messung.abbildung) {
        const double ax = (x - m.obj_ort) / rx, ay = (y - m.obj_h) / ry;
        if (ax * ax + ay * ay <= 1) {
            return Griff::spitze;
        }
        if (std::abs(ax) <= 1 && y >= std::min(0.0, m.obj_h) - ry && y <= std::max(0.0, m.obj_h) + ry) {
            return Griff::fuss;
        }
    }
    // The lens anywhere on its glass, or as near to its outline as to a tip.
    const Glas glas(m);
    const double auf_hoehe = std::clamp(y, -glas.rand, glas.rand);
    if (std::abs(y) <= glas.rand + ry && x >= glas.links.x_bei(auf_hoehe) - rx &&
        x <= glas.rechts.x_bei(auf_hoehe) + rx) {
        return Griff::linse;
    }
    return Griff::keiner;
}

GrafikKern::Lage GrafikKern::lage() const
{
    const Module1_t& m = Module1;
    return {m.obj_ort, m.obj_h, m.X1_0, ansicht_.Text(Box::ort), ansicht_.Text(Box::hoehe), ansicht_.Text(Box::X1_0)};
}

void GrafikKern::lage_setzen(const Lage& l)
{
    Module1_t& m = Module1;
    m.obj_ort = l.obj_ort;
    m.obj_h = l.obj_h;
    m.X1_0 = l.X1_0;
    ansicht_.Text_setzen(Box::ort, l.ort);
    ansicht_.Text_setzen(Box::hoehe, l.hoehe);
    ansicht_.Text_setzen(Box::X1_0, l.linse);
}

void GrafikKern::verschieben(double obj_ort, double obj_h, double X1_0)
{
    Module1_t& m = Module1;
    const Lage alt = lage();
    // The lens's leftmost glass stays right of x = 2 and, in the imaging
    // mode, right of the object; the object stays left of it. The shape of
    // the lens does not change, so neither does how far its glass reaches
    // left of its middle.
    const double links_der_mitte = m.X1_0 - m.x_glas_links;
    double unten = links_der_mitte + 2;
    if ((ansicht_.opt_abbildung_Value() == True)) {
        unten = std::max(unten, m.obj_ort + links_der_mitte);
    }
    m.X1_0 = std::clamp(X1_0, unten, std::max(unten, 1000.0));
    m.obj_ort = std::clamp(obj_ort, 0.0, std::max(0.0, m.X1_0 - links_der_mitte));
    m.obj_h = std::clamp(obj_h, std::min(hoehe_min, alt.obj_h), hoehe_max);
    if (m.obj_ort == alt.obj_ort && m.obj_h == alt.obj_h && m.X1_0 == alt.X1_0) {
        return;
    }
    try {
        linse_berechnen();
        Form_Resize();
    } catch (const Laufzeitfehler&) {
        // Skipped: the last position that could be drawn, drawn again.
        lage_setzen(alt);
        neu_zeichnen();
        return;
    }
    if (m.obj_ort != alt.obj_ort) {
        ansicht_.Text_setzen(Box::ort, zahl_zu_text(m.obj_ort));
    }
    if (m.obj_h != alt.obj_h) {
        ansicht_.Text_setzen(Box::hoehe, zahl_zu_text(m.obj_h));
    }
    if (m.X1_0 != alt.X1_0) {
        ansicht_.Text_setzen(Box::X1_0, zahl_zu_text(m.X1_0));
    }
}

bool GrafikKern::Zeiger_runter(double x, double y, bool finger)
{
    const Griff griff = griff_bei(x, y, finger);
    if (griff == Griff::keiner) {
        return false;
    }
    const Module1_t& m = Module1;
    zug_.griff = griff;
    zug_.vorher = lage();
    // The grip keeps its place under the pointer, wherever it was taken.
    zug_.dx = x - (griff == Griff::linse ? m.X1_0 : m.obj_ort);
    zug_.dy = griff == Griff::spitze ? y - m.obj_h : 0;
    ansicht_.Zeigerform_setzen(Zeigerform::greifend);
    return true;
}

void GrafikKern::Zeiger_bewegen(double x, double y, bool finger)
{
    Form_MouseMove(static_cast<float>(x), static_cast<float>(y));
    const Module1_t& m = Module1;
    switch (zug_.griff) {
    case Griff::keiner:
        ansicht_.Zeigerform_setzen(griff_bei(x, y, finger) == Griff::keiner ? Zeigerform::pfeil : Zeigerform::offen);
        return;
    case Griff::spitze: verschieben(gerundet(x - zug_.dx), gerundet(y - zug_.dy), m.X1_0); return;
    case Griff::fuss: verschieben(gerundet(x - zug_.dx), m.obj_h, m.X1_0); return;
    case Griff::linse: verschieben(m.obj_ort, m.obj_h, gerundet(x - zug_.dx)); return;
    }
}

void GrafikKern::Zeiger_hoch()
{
    if (zug_.griff == Griff::keiner) {
        return;
    }
    zug_.griff = Griff::keiner;
    ansicht_.Zeigerform_setzen(Zeigerform::offen);
    ansicht_.Grafik_Beschreibung(grafik_beschreibung());
}

void GrafikKern::Zeiger_abbrechen()
{
    if (zug_.griff == Griff::keiner) {
        return;
    }
    zug_.griff = Griff::keiner;
    lage_setzen(zug_.vorher);
    neu_zeichnen();
    ansicht_.Zeigerform_setzen(Zeigerform::pfeil);
}

bool GrafikKern::Pfeiltaste(Pfeil pfeil, bool fein, bool linse)
{
    if (zug_.griff != Griff::keiner || Messung.stand != Messung_t::Stand::gezeichnet) {
        return false;
    }
    const Module1_t& m = Module1;
    const double schritt = fein ? 0.1 : 1;
    const double quer = pfeil == Pfeil::rechts ? schritt : pfeil == Pfeil::links ? -schritt : 0;
    const double hoch = pfeil == Pfeil::hoch ? schritt : pfeil == Pfeil::runter ? -schritt : 0;
    if (linse || !(ansicht_.opt_abbildung_Value() == True)) {
        if (quer == 0) {
            return false;
        }
        verschieben(m.obj_ort, m.obj_h, m.X1_0 + quer);
    } else {
        verschieben(m.obj_ort + quer, m.obj_h + hoch, m.X1_0);
    }
    return true;
}
