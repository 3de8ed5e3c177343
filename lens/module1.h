#pragma once
// The scene: every variable the program shares, in one instance.

#include "fehler.h"

struct Module1_t {
    // x range and frame
    Integer Nmax;
    Integer x_max, x_min, y_max, y_min;
    Integer x_span, y_span;

    // ray tracer state
    double xs = 0, ys = 0, dx = 0, dy = 0;
    Flag im_glas = False, hinter_linse = False;
    Flag gebrochen_1 = False, gebrochen_2 = False, totalreflexion = False;
    Flag am_rand = False;  // the ray met the lens's edge, beyond the aperture, and ended there

    // object
    double obj_ort = 0, obj_h = 0;

    // lens inputs and what linse_berechnen derives from them
    Integer D1;
    double X1_0 = 0, n1 = 0;
    // The radii carry the sign of the school's lensmaker's formula: > 0
    // convex, < 0 concave; 0 is a plane surface. s1 and s2 are the signed
    // distances of the sphere centres from the rim plane of a lens without
    // extra thickness, M1_0, M2_0 those centres; for a plane surface s is 0
    // and the centres are NaN.
    double R1_a = 0, M1_0 = 0, M1 = 0, s1 = 0;
    double R1_b = 0, M2_0 = 0, M2 = 0, s2 = 0;
    double f_duenn = 0, xF2_duenn = 0, xF1_duenn = 0;
    // An afocal lens (no refractive power) has its focal points at infinity
    // and no principal planes: then xF2 = +inf, xF1 = -inf and xH1, xH2,
    // h1, h2 are NaN. So has a thin lens whose two curvatures cancel.
    double xF2 = 0, xF1 = 0, xH2 = 0, xH1 = 0;
    double h2 = 0, h1 = 0, S2 = 0, S1 = 0;
    double d1_plus = 0;  // starts as the number 0, every use reads it as a Double
    double d1 = 0;
    // The thickness at the rim, whose middle is X1_0, and the leftmost and
    // rightmost x of the glass (the vertex or the rim, whichever lies out).
    double d_rand = 0, x_glas_links = 0, x_glas_rechts = 0;
};

extern Module1_t Module1;

// Recomputes the lens geometry and its cardinal points from the inputs.
// Each result is stored before it is checked, so a fault leaves the earlier
// outputs new and the later ones old.
void linse_berechnen();

// Focal length of the thick lens; not stored, evaluated where it is needed.
// Infinite for an afocal lens.
double f_dick();

// The curvature 1/r of a surface with the sign of its radius; 0 when plane.
inline double kruemmung(double r)
{
    return r == 0 ? 0.0 : 1 / r;
}

// The paraxial image of an object at x = ort of height h, from the lens's
// ray-transfer matrix between its vertices: one formula for every lens, an
// afocal one included. For an object in the focal plane the rays leave
// parallel and the image lies at infinity (ort and hoehe not finite).
struct Bildlage {
    double ort;    // x of the image
    double hoehe;  // height of its tip
    double beta;   // magnification: negative for an inverted image
};
Bildlage paraxiales_bild(double ort, double h);

// The start-up values of the inputs, then one lens calculation.
void startwerte_setzen();
