#include "module1.h"

#include <algorithm>
#include <cmath>
#include <limits>

Module1_t Module1;

namespace {

// A difference of two terms that vanishes within their rounding is zero:
// the power of a lens whose terms cancel, which would otherwise put its
// focal points a rounding error's reciprocal, 10^16 units, away.
double differenz(double a, double b)
{
    const double d = a - b;
    return std::abs(d) <= 4 * std::numeric_limits<double>::epsilon() * (std::abs(a) + std::abs(b)) ? 0.0 : d;
}

// The denominator of the thick lens's formulas, with curvatures so that a
// plane surface is no special case: n (c1 + c2) - (n - 1) d c1 c2. Zero for
// an afocal lens.
double nenner_dick(const Module1_t& m)
{
    const double c1 = kruemmung(m.R1_a), c2 = kruemmung(m.R1_b);
    return differenz(pruefe((c2 + c1) * m.n1), pruefe(pruefe((m.n1 - 1) * m.d1) * pruefe(c1 * c2)));
}

// The signed distance of a sphere's centre from the rim plane of a lens
// without extra thickness: towards the glass for a convex surface, away
// from it for a concave one; 0 for a plane.
double mitte_vom_rand(double r, double D1)
{
    if (r == 0) {
        return 0;
    }
    return std::copysign(Sqr(r * r - D1 * D1 * 0.25), r);
}

}  // namespace

double f_dick()
{
    const Module1_t& m = Module1;
    // f = n / ((n - 1) (n (c1 + c2) - (n - 1) d c1 c2)); with radii,
    // n r1 r2 / ((n - 1) (n (r1 + r2) - (n - 1) d)).
    const double nenner = nenner_dick(m);
    const double brechkraft_faktor = pruefe(m.n1 - 1);
    if (nenner == 0 && brechkraft_faktor != 0) {
        return INFINITY;
    }
    return pruefe(m.n1 / pruefe(brechkraft_faktor * nenner));
}

void linse_berechnen()
{
    Module1_t& m = Module1;
    const double D1 = m.D1;
    fp_status_loeschen();
    const bool eben_1 = m.R1_a == 0, eben_2 = m.R1_b == 0;

    m.s1 = mitte_vom_rand(m.R1_a, D1);
    m.M1_0 = eben_1 ? NAN : pruefe(m.X1_0 + m.s1);
    m.s2 = mitte_vom_rand(m.R1_b, D1);
    m.M2_0 = eben_2 ? NAN : pruefe(m.X1_0 - m.s2);
    // "Dicke +" is the thickness at the lens's thinnest place. How far both
    // vertices stand out from the rim together (r - s each, negative for a
    // concave surface) tells where that is: at the rim when the middle is
    // thicker, as for every bi-convex lens, otherwise in the middle.
    const double vorsprung = pruefe(pruefe(m.R1_a - m.s1) + pruefe(m.R1_b - m.s2));
    m.d_rand = vorsprung >= 0 ? m.d1_plus : pruefe(m.d1_plus - vorsprung);
    m.M1 = eben_1 ? NAN : pruefe(m.M1_0 - 0.5 * m.d_rand);
    m.M2 = eben_2 ? NAN : pruefe(m.M2_0 + 0.5 * m.d_rand);
    const double rand_links = pruefe(m.X1_0 - 0.5 * m.d_rand), rand_rechts = pruefe(m.X1_0 + 0.5 * m.d_rand);
    m.S2 = eben_2 ? rand_rechts : pruefe(m.M2 + m.R1_b);
    m.S1 = eben_1 ? rand_links : pruefe(m.M1 - m.R1_a);
    m.d1 = pruefe(m.S2 - m.S1);
    m.x_glas_links = std::min(m.S1, rand_links);
    m.x_glas_rechts = std::max(m.S2, rand_rechts);

    // The principal planes from the vertices: SH = d c2 / N, S'H' = d c1 / N.
    const double nenner = nenner_dick(m);
    const bool afokal = nenner == 0 && m.n1 != 1;
    const double c1 = kruemmung(m.R1_a), c2 = kruemmung(m.R1_b);
    m.h2 = afokal ? NAN : pruefe(pruefe(m.d1 * c1) / nenner);
    m.h1 = afokal ? NAN : pruefe(pruefe(m.d1 * c2) / nenner);
    m.xH2 = afokal ? NAN : pruefe(m.S2 - m.h2);
    m.xH1 = afokal ? NAN : pruefe(m.h1 + m.S1);

    // The lensmaker's formula of the thin lens, 1/f = (n - 1) (1/r1 + 1/r2).
    // n = 1 divides by zero; curvatures that cancel leave the lens no power.
    const double kehrwert = 1 / (m.n1 - 1);
    if (differenz(c2, -c1) == 0 && std::isfinite(kehrwert)) {
        m.f_duenn = INFINITY;
        m.xF2_duenn = INFINITY;
        m.xF1_duenn = -INFINITY;
    } else {
        m.f_duenn = kehrwert / (c2 + c1);
        pruefe(m.f_duenn);
        m.xF2_duenn = pruefe(m.f_duenn + m.X1_0);
        m.xF1_duenn = pruefe(m.X1_0 - m.f_duenn);
    }

    // The focal points stand one focal length from their principal planes,
    // however thick the lens; negative for a diverging thick lens.
    if (afokal) {
        m.xF2 = INFINITY;
        m.xF1 = -INFINITY;
        return;
    }
    const double f = f_dick();
    m.xF2 = pruefe(m.xH2 + f);
    m.xF1 = pruefe(m.xH1 - f);
}

Bildlage paraxiales_bild(double ort, double h)
{
    const Module1_t& m = Module1;
    const double n = m.n1, d = m.d1;
    // Surface powers, the glass between them, and the whole lens as
    // (A B; C D) acting on height and angle from S1 to S2.
    const double P1 = (n - 1) * kruemmung(m.R1_a), P2 = (n - 1) * kruemmung(m.R1_b);
    const double A = 1 - P1 * d / n, B = d / n;
    const double C = -(P1 + P2 - P1 * P2 * d / n), D = 1 - P2 * d / n;
    const double s = m.S1 - ort;                        // object before S1
    const double s_bild = -(A * s + B) / (C * s + D);  // image behind S2
    const double beta = A + C * s_bild;
    return {m.S2 + s_bild, beta * h, beta};
}

void startwerte_setzen()
{
    Module1_t& m = Module1;
    m.Nmax = 150;
    m.D1 = 40;
    m.obj_h = 10;
    m.X1_0 = 50;
    m.d1_plus = 0;
    m.R1_a = 30;
    m.R1_b = 35;
    m.n1 = 1.5;
    linse_berechnen();
}
