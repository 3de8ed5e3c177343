// One ray, marched along the axis in steps of 0.05 and refracted locally at
// the first sample point past each lens surface.

#include "szene.h"

#include "lens/module1.h"

#include <cmath>

void brechung()
{
    Module1_t& m = Module1;

    if (m.im_glas) {
        // into the glass through the left surface; the normal runs through M1
        const double alpha = std::atan(pruefe(m.ys / pruefe(m.M1 - m.xs)));
        const double theta = std::atan(pruefe(m.dy / m.dx));
        const double s = pruefe(pruefe(std::sin(pruefe(theta + alpha))) / m.n1);
        const double beta = pruefe(std::atan(pruefe(s / Sqr(pruefe(1 - pruefe(s * s))))));
        m.dy = pruefe(pruefe(std::tan(pruefe(beta - alpha))) * m.dx);
        m.gebrochen_1 = True;
    }

    if (m.hinter_linse) {
        // out of the glass through the right surface; the normal runs through M2
        const double alpha = std::atan(pruefe(m.ys / pruefe(m.M2 - m.xs)));
        const double theta = std::atan(pruefe(m.dy / m.dx));
        const double s = pruefe(pruefe(std::sin(pruefe(theta + alpha))) * m.n1);
        double beta = 0;
        if (std::abs(s) >= 1) {
            m.totalreflexion = True;  // the direction below is never used again
        } else {
            beta = pruefe(std::atan(pruefe(s / Sqr(pruefe(1 - pruefe(s * s))))));
        }
        m.dy = pruefe(pruefe(std::tan(pruefe(beta - alpha))) * m.dx);
        m.gebrochen_2 = True;
    }
}

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

    flaeche.DrawWidth = 1;

    // The lens does not change while a ray runs: its centres and squared
    // radii are read once.
    const double M1 = m.M1, M2 = m.M2;
    const double Ra2 = pruefe(m.R1_a * m.R1_a);
    const double Rb2 = pruefe(m.R1_b * m.R1_b);

    // Limit and step are taken once; the counter accumulates the step.
    const double grenze = m.Nmax;
    const double schritt = m.dx;
    for (m.xs = verlauf.x0; m.xs <= grenze; m.xs = pruefe(m.xs + schritt)) {
        const double xs = m.xs;
        const double ys2 = pruefe(m.ys * m.ys);

        const double a = pruefe(xs - M1);
        if (pruefe(a * a) < pruefe(Ra2 - ys2)) {
            m.im_glas = True;
            if (!m.gebrochen_1) {
                brechung();
            }
        }

        if (m.im_glas) {
            const double b = pruefe(xs - M2);
            if (pruefe(b * b) > pruefe(Rb2 - ys2)) {
                m.im_glas = False;
                m.hinter_linse = True;
                if (!m.gebrochen_2) {
                    brechung();
                }
            }
        }

        if (m.totalreflexion) {
            if (verlauf.x_totalreflexion != verlauf.x_totalreflexion) {
                verlauf.x_totalreflexion = xs;
            }
        } else {
            const double y_vorher = m.ys;
            m.ys = pruefe(y_vorher + m.dy);
            const double ys = m.ys;
            // The events are read off the marched points themselves, between
            // this point and the one before (a step back, or the start
            // point): a change of the height's sign, and the first point at
            // or past the plane. A height of exactly 0 counts as crossing
            // with the next step, at the point where it was 0; a ray that
            // starts on the axis has not crossed it.
            // The product is the cheap test in this hot loop; the sign bits
            // decide where it underflows to 0.
            if (ys * y_vorher <= 0 && std::signbit(ys) != std::signbit(y_vorher)) {
                if (verlauf.x_achse != verlauf.x_achse && !(y_vorher == 0 && xs == verlauf.x0)) {
                    const double x_vorher = xs == verlauf.x0 ? xs : xs - schritt;
                    verlauf.x_achse = x_vorher + (xs - x_vorher) * y_vorher / (y_vorher - ys);
                }
            }
            if (xs >= verlauf.ebene && verlauf.y_ebene != verlauf.y_ebene) {
                const double x_vorher = xs == verlauf.x0 ? xs : xs - schritt;
                verlauf.y_ebene =
                    xs == x_vorher ? ys : y_vorher + (ys - y_vorher) * (verlauf.ebene - x_vorher) / (xs - x_vorher);
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
    }
    // The last point advanced: a step before the total reflection or the end
    // of the range; none when the ray never moved.
    const bool total = verlauf.x_totalreflexion == verlauf.x_totalreflexion;
    if (verlauf.x0 <= grenze && !(total && verlauf.x_totalreflexion == verlauf.x0)) {
        verlauf.x_ende = (total ? verlauf.x_totalreflexion : m.xs) - schritt;
        verlauf.y_ende = m.ys;
    }
    return verlauf;
}
