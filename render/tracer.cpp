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

void strahl_verfolgen(Zeichenflaeche& flaeche, double x0, double y0, double dy0, bool gespiegelt)
{
    Module1_t& m = Module1;

    m.ys = y0;
    m.dx = 0.05;
    m.dy = dy0;
    m.im_glas = False;
    m.hinter_linse = False;
    m.gebrochen_1 = False;
    m.gebrochen_2 = False;
    m.totalreflexion = False;

    flaeche.DrawWidth = 1;
    gezeichnet.strahlen += gespiegelt ? 2 : 1;

    // The lens does not change while a ray runs: its centres and squared
    // radii are read once.
    const double M1 = m.M1, M2 = m.M2;
    const double Ra2 = pruefe(m.R1_a * m.R1_a);
    const double Rb2 = pruefe(m.R1_b * m.R1_b);

    // Limit and step are taken once; the counter accumulates the step.
    const double grenze = m.Nmax;
    const double schritt = m.dx;
    for (m.xs = x0; m.xs <= grenze; m.xs = pruefe(m.xs + schritt)) {
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

        if (!m.totalreflexion) {
            m.ys = pruefe(m.ys + m.dy);
            const double ys = m.ys;
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
}
