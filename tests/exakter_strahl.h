#pragma once
// An exact trace, written apart from the program: a lens from its edge
// thickness rule, each surface cut with the ray as a line, the direction bent
// by the vector form of Snell's law, and the aperture |y| <= 20 on both
// surfaces. The tests hold the program's march and its cardinal points
// against it.

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace exakt {

struct Linse {
    double S1, r1, S2, r2, n;  // school signs: r > 0 convex, 0 plane
    double rand = 20;
};

// The lens with its edge centred on x_mitte and "Dicke +" at its thinnest place.
inline Linse linse(double x_mitte, double r1, double r2, double n, double dicke)
{
    const auto pfeil = [](double r) { return r == 0 ? 0.0 : r - std::copysign(std::sqrt(r * r - 400), r); };
    const double p1 = pfeil(r1), p2 = pfeil(r2);
    const double rand = p1 + p2 >= 0 ? dicke : dicke - (p1 + p2);
    return {x_mitte - rand / 2 - p1, r1, x_mitte + rand / 2 + p2, r2, n};
}

struct Strahl {
    double x, y;    // a point
    double ux, uy;  // unit direction, ux > 0
    bool total = false, am_rand = false, durch = false;  // durch: left the glass on the right
    // How near it came to what a march in steps cannot tell apart: the
    // heights where it met the two surfaces, n sin of its angle at the second,
    // and whether its line leaving the lens meets the second surface again.
    double y_an[2] = {NAN, NAN};
    double sinus_aus = NAN;
    bool wieder_ins_glas = false;

    double y_bei(double x_ebene) const { return y + (x_ebene - x) * uy / ux; }
    double x_achse() const { return x - y * ux / uy; }
};

// Cuts the ray with one surface (left: glass on its right). Empty when it
// misses the cap.
inline std::optional<double> schnitt(const Strahl& s, double S, double r, bool links)
{
    if (r == 0) {
        return (S - s.x) / s.ux;
    }
    const double c = links ? S + r : S - r;  // the centre
    const double px = s.x - c, py = s.y;
    const double b = px * s.ux + py * s.uy, q = px * px + py * py - r * r;
    const double disk = b * b - q;
    if (disk < 0) {
        return std::nullopt;
    }
    // The cap faces away from the centre on the vertex's side.
    const double seite = S > c ? 1 : -1;
    for (double t : {-b - std::sqrt(disk), -b + std::sqrt(disk)}) {
        if (t > 0 && (s.x + t * s.ux - c) * seite > 0) {
            return t;
        }
    }
    return std::nullopt;
}

// Bends the ray at (x, y) on the surface from index n1 to n2.
inline void brechen(Strahl& s, double S, double r, bool links, double n1, double n2)
{
    double nx = -1, ny = 0;  // a plane's normal, towards the light
    if (r != 0) {
        const double c = links ? S + r : S - r;
        nx = (s.x - c) / std::abs(r);
        ny = s.y / std::abs(r);
        if (nx * s.ux + ny * s.uy > 0) {
            nx = -nx, ny = -ny;
        }
    }
    const double eta = n1 / n2, cos_e = -(nx * s.ux + ny * s.uy);
    const double k = 1 - eta * eta * (1 - cos_e * cos_e);
    s.sinus_aus = eta * std::sqrt(std::max(0.0, 1 - cos_e * cos_e));
    if (k < 0) {
        s.total = true;
        return;
    }
    s.ux = eta * s.ux + (eta * cos_e - std::sqrt(k)) * nx;
    s.uy = eta * s.uy + (eta * cos_e - std::sqrt(k)) * ny;
    const double l = std::hypot(s.ux, s.uy);
    s.ux /= l, s.uy /= l;
}

// From (x0, y0) with slope dy/dx through the lens; a ray that misses the
// first surface's aperture goes on unbent.
inline Strahl verfolgen(const Linse& L, double x0, double y0, double steigung)
{
    Strahl s{x0, y0, 1 / std::hypot(1.0, steigung), steigung / std::hypot(1.0, steigung)};
    const auto t1 = schnitt(s, L.S1, L.r1, true);
    if (!t1 || std::abs(s.y + *t1 * s.uy) > L.rand) {
        return s;
    }
    s.x += *t1 * s.ux, s.y += *t1 * s.uy;
    s.y_an[0] = s.y;
    brechen(s, L.S1, L.r1, true, 1, L.n);
    const auto t2 = schnitt(s, L.S2, L.r2, false);
    if (!t2 || std::abs(s.y + *t2 * s.uy) > L.rand) {
        s.am_rand = true;
        return s;
    }
    s.x += *t2 * s.ux, s.y += *t2 * s.uy;
    s.y_an[1] = s.y;
    brechen(s, L.S2, L.r2, false, L.n, 1);
    s.durch = !s.total;
    if (s.durch) {
        Strahl weiter = s;
        weiter.x += 1e-6 * s.ux, weiter.y += 1e-6 * s.uy;
        const auto t3 = schnitt(weiter, L.S2, L.r2, false);
        s.wieder_ins_glas = t3 && std::abs(weiter.y + *t3 * weiter.uy) <= L.rand;
    }
    return s;
}

// A radius drawn over the whole accepted range: now and then plane,
// otherwise convex or concave with |r| from just above 20 to 10000, evenly
// on a logarithmic scale.
template <class Zufall>
double zufallsradius(Zufall& zufall)
{
    std::uniform_real_distribution<double> eins(0, 1);
    if (eins(zufall) < 0.15) {
        return 0.0;
    }
    const double r = std::exp(std::log(20.01) + eins(zufall) * std::log(10000 / 20.01));
    return eins(zufall) < 0.5 ? -r : r;
}

}  // namespace exakt
