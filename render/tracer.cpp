// One ray, marched along the axis in steps of 0.05 and refracted locally at
// the first sample point inside the glass and at the first one outside it
// again.

#include "szene.h"

#include "lens/flaeche.h"
#include "lens/module1.h"

#include <cmath>

void brechung(const Flaeche& flaeche, bool hinein)
{
    Module1_t& m = Module1;
    // The normal runs through the sphere's centre; alpha is signed so that
    // the angle of incidence is theta + alpha on either surface.
    const double alpha = flaeche.normalenwinkel(m.xs, m.ys);
    const double theta = std::atan(pruefe(m.dy / m.dx));
    const double sinus = pruefe(std::sin(pruefe(theta + alpha)));
    const double s = hinein ? pruefe(sinus / m.n1) : pruefe(sinus * m.n1);
    double beta = 0;
    if (std::abs(s) >= 1) {
        m.totalreflexion = True;  // the direction below is never used again
    } else {
        beta = pruefe(std::atan(pruefe(s / Sqr(pruefe(1 - pruefe(s * s))))));
    }
    m.dy = pruefe(pruefe(std::tan(pruefe(beta - alpha))) * m.dx);
    (flaeche.links ? m.gebrochen_1 : m.gebrochen_2) = True;
}

namespace {

// A short cross where total reflection ended a ray, in the colour of the ray
// in the glass, solid whatever the caller's line style.
void endmarke(Zeichenflaeche& f, double x, double y)
{
    const Module1_t& m = Module1;
    const double a = 0.006 * double(m.x_span), b = 0.012 * double(m.y_span);
    const int stil = f.DrawStyle;
    f.DrawStyle = durchgezogen;
    f.Line(x - a, y - b, x + a, y + b, farbe::dunkelrot);
    f.Line(x - a, y + b, x + a, y - b, farbe::dunkelrot);
    f.DrawStyle = stil;
}

}  // namespace

Strahlverlauf strahl_verfolgen(Zeichenflaeche& flaeche, double x0, double y0, double dy0, bool gespiegelt,
                               double ebene)
{
    Module1_t& m = Module1;
    Strahlverlauf& verlauf = Messung.laufend;
    verlauf = Strahlverlauf{};
    verlauf.x0 = x0;
    verlauf.y0 = y0;
    verlauf.dy0 = dy0;
    verlauf.ebene = ebene;

    m.ys = y0;
    m.dx = 0.05;
    m.dy = dy0;
    m.im_glas = False;
    m.hinter_linse = False;
    m.gebrochen_1 = False;
    m.gebrochen_2 = False;
    m.totalreflexion = False;
    m.am_rand = False;

    flaeche.DrawWidth = 1;

    // The lens does not change while a ray runs.
    const Glas glas(m);
    // The point tested one step before: which side of which surface it lay
    // on tells the surface a ray came in through.
    bool erster = true;
    double x_vorher = 0, y_vorher = 0;

    // Limit and step are taken once; the counter accumulates the step.
    const double grenze = m.Nmax;
    const double schritt = m.dx;
    for (m.xs = verlauf.x0; m.xs <= grenze; m.xs = pruefe(m.xs + schritt)) {
        if (m.totalreflexion || m.am_rand) {
            continue;  // ended: the march runs out without drawing
        }
        const double xs = m.xs;
        const double y_alt = m.ys;  // the height at xs

        const bool drinnen = glas.enthaelt(xs, y_alt);
        if (drinnen && !m.im_glas) {
            m.im_glas = True;
            // In through the surface whose outer side the point before lay
            // on; a ray that starts in the glass, through the left one. A
            // ray that comes in over the rim has met the lens's edge.
            if (erster || !glas.links.glasseitig(x_vorher, y_vorher)) {
                brechung(glas.links, true);
            } else if (!glas.rechts.glasseitig(x_vorher, y_vorher)) {
                brechung(glas.rechts, true);
            } else {
                m.am_rand = True;
            }
        } else if (!drinnen && m.im_glas) {
            m.im_glas = False;
            if (!glas.rechts.glasseitig(xs, y_alt)) {
                m.hinter_linse = True;
                brechung(glas.rechts, false);
            } else if (!glas.links.glasseitig(xs, y_alt)) {
                brechung(glas.links, false);
            } else {
                m.am_rand = True;  // out of the aperture inside the glass: the edge
            }
        }
        erster = false;
        x_vorher = xs;
        y_vorher = y_alt;

        if (m.totalreflexion || m.am_rand) {
            (m.totalreflexion ? verlauf.x_totalreflexion : verlauf.x_linsenrand) = xs;
            verlauf.x_ende = xs;
            verlauf.y_ende = y_alt;
            if (m.totalreflexion) {
                endmarke(flaeche, xs, y_alt);
                if (gespiegelt) {
                    endmarke(flaeche, xs, -y_alt);
                }
            }
            continue;
        }

        m.ys = pruefe(y_alt + m.dy);
        const double ys = m.ys;  // the height at xs + schritt, drawn at xs
        const double x_neu = xs + schritt;
        // The events are read off the marched segment from (xs, y_alt) to
        // (x_neu, ys): a change of the height's sign, and the plane. A
        // height of exactly 0 counts as crossing with the next step, at the
        // point where it was 0; a ray that starts on the axis has not
        // crossed it. The product is the cheap test in this hot loop; the
        // sign bits decide where it underflows to 0.
        if (ys * y_alt <= 0 && std::signbit(ys) != std::signbit(y_alt)) {
            if (verlauf.x_achse != verlauf.x_achse && !(y_alt == 0 && xs == verlauf.x0)) {
                verlauf.x_achse = xs + schritt * y_alt / (y_alt - ys);
            }
        }
        if (x_neu >= verlauf.ebene && xs <= verlauf.ebene && verlauf.y_ebene != verlauf.y_ebene) {
            verlauf.y_ebene = y_alt + (ys - y_alt) * (verlauf.ebene - xs) / schritt;
        }

        if (m.im_glas) {
            flaeche.PSet(xs, ys, farbe::dunkelrot);
            if (gespiegelt) {
                flaeche.PSet(xs, -ys, farbe::dunkelrot);
            }
        } else if (std::abs(ys) < 20) {
            flaeche.PSet(xs, ys, farbe::rot);
            if (gespiegelt) {
                flaeche.PSet(xs, -ys, farbe::rot);
            }
        }
    }
    // Not ended on the way: the last point is one step past the march's
    // last x, where the counter stopped.
    if (!(m.totalreflexion || m.am_rand) && verlauf.x0 <= grenze) {
        verlauf.x_ende = m.xs;
        verlauf.y_ende = m.ys;
    }
    return verlauf;
}
