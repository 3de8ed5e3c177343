#pragma once
// The glass of the lens as a region of the meridional section: what lies
// between its two surfaces, no farther from the axis than the rim. The
// tracer, the outline, the guards and the numbers all ask this one model.

#include "module1.h"

#include <cmath>

// One surface: an arc of the circle about (M, 0) with radius |r|, or for
// r = 0 the plane x = S. Signed as in the school's lensmaker's formula: r > 0
// bulges away from the glass (convex), r < 0 curves into it (concave).
struct Flaeche {
    double S = 0;  // vertex, where it meets the axis
    double M = 0;  // centre of its sphere; not used when plane
    double r = 0;
    bool links = true;  // the left surface, with the glass on its right

    bool eben() const { return r == 0; }

    // Whether (x, y) lies on the glass's side of the surface: strictly right
    // of the left one, on or left of the right one. Squares, no root, so that
    // a sample point is judged the same way at any height.
    bool glasseitig(double x, double y) const
    {
        if (eben()) {
            return links ? x > S : x <= S;
        }
        const double a = x - M;
        const double aa = a * a, rr = r * r - y * y;
        // The centre lies on the glass's side of a convex surface and on the
        // other side of a concave one.
        const bool zur_mitte = links ? (r > 0 ? x >= M : x > M) : (r > 0 ? x <= M : x < M);
        if (links) {
            return r > 0 ? (zur_mitte || aa < rr) : (zur_mitte && aa > rr);
        }
        return r > 0 ? (zur_mitte || aa <= rr) : (zur_mitte && aa >= rr);
    }

    // The inclination of the normal through (x, y), the line from the point
    // to the centre, as the angle whose tangent is y / (M - x); 0 for a plane.
    double normalenwinkel(double x, double y) const
    {
        return eben() ? 0.0 : std::atan(pruefe(y / pruefe(M - x)));
    }

    // x of the surface at height y, |y| <= |r|.
    double x_bei(double y) const
    {
        if (eben()) {
            return S;
        }
        const double w = std::sqrt(r * r - y * y);
        return links ? M - std::copysign(w, r) : M + std::copysign(w, r);
    }
};

// The two surfaces of the lens as the last lens calculation left them.
Flaeche linke_flaeche(const Module1_t& m);
Flaeche rechte_flaeche(const Module1_t& m);

struct Glas {
    Flaeche links, rechts;
    double rand = 20;  // half the lens height: the aperture

    explicit Glas(const Module1_t& m);
    // Inside the glass: within the aperture and between the two surfaces.
    bool enthaelt(double x, double y) const
    {
        return std::abs(y) <= rand && links.glasseitig(x, y) && rechts.glasseitig(x, y);
    }
};

// The shape of the lens by the signs of its radii, as a school names it, in
// the language in use: "bikonvex", "plankonvex", "bikonkav", "plankonkav",
// "konvex-konkav (Meniskus)", or "planparallel" for two plane surfaces.
const char* linsenform(double r1, double r2);
