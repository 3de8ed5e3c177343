#include "rasterbild.h"

#include "lens/fehler.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Liang-Barsky: the part t0..t1 of p0 + t * (p1 - p0) that lies in the
// rectangle, with the edge that cut each end (-1 where the end itself lies
// inside). It works on half the differences, which cannot overflow for any
// finite ends.
struct Schnitt {
    double t0 = 0.0, t1 = 1.0;
    int kante0 = -1, kante1 = -1;  // 0 x low, 1 x high, 2 y low, 3 y high
};

bool clippen(double x0, double y0, double hdx, double hdy, const double grenze[4], Schnitt& s)
{
    auto kante = [&](int k, double p, double q) {
        if (p == 0.0) {
            return q >= 0.0;
        }
        const double r = q / p;
        if (p < 0.0) {
            if (r > s.t1) {
                return false;
            }
            if (r > s.t0) {
                s.t0 = r;
                s.kante0 = k;
            }
        } else {
            if (r < s.t0) {
                return false;
            }
            if (r < s.t1) {
                s.t1 = r;
                s.kante1 = k;
            }
        }
        return true;
    };
    return kante(0, -hdx, 0.5 * (x0 - grenze[0])) && kante(1, hdx, 0.5 * (grenze[1] - x0)) &&
           kante(2, -hdy, 0.5 * (y0 - grenze[2])) && kante(3, hdy, 0.5 * (grenze[3] - y0));
}

// The point where the segment crosses edge k. p0 + t * d would cancel away
// all precision when an end lies at 1e300; instead the cut coordinate is the
// edge itself and the other one is interpolated from the nearer end.
void schnittpunkt(double x0, double y0, double x1, double y1, double hdx, double hdy, int k, bool anfang,
                  const double grenze[4], double& px, double& py)
{
    if (k < 0) {
        px = anfang ? x0 : x1;
        py = anfang ? y0 : y1;
        return;
    }
    const double c = grenze[k];
    if (k < 2) {
        const bool von0 = std::abs(c - x0) <= std::abs(c - x1);
        const double ax = von0 ? x0 : x1, ay = von0 ? y0 : y1;
        px = c;
        // (c - ax) / (x1 - x0) is a fraction of the segment; halves cancel.
        py = ay + (0.5 * (c - ax) / hdx) * (2.0 * hdy);
        if (!std::isfinite(py)) {
            py = ay;
        }
        py = std::clamp(py, grenze[2], grenze[3]);
    } else {
        const bool von0 = std::abs(c - y0) <= std::abs(c - y1);
        const double ax = von0 ? x0 : x1, ay = von0 ? y0 : y1;
        py = c;
        px = ax + (0.5 * (c - ay) / hdy) * (2.0 * hdx);
        if (!std::isfinite(px)) {
            px = ax;
        }
        px = std::clamp(px, grenze[0], grenze[1]);
    }
}

// On/off run lengths in logical pixels of the thin patterns.
struct Lauf {
    int laengen[6];
    int anzahl;
};
constexpr Lauf muster_laeufe[4] = {
    {{12, 6}, 2},               // 1 dashed
    {{2, 2}, 2},                // 2 dotted
    {{9, 3, 3, 3}, 4},          // 3 dash-dot
    {{9, 3, 3, 3, 3, 3}, 6},    // 4 dash-dot-dot
};

// Eight pixels a step: the fixed inner count lets the compiler store them as
// vectors even where it does not vectorise loops by itself (-O2). A colour
// of four equal bytes, the usual white background among them, goes to
// memset, which the C library tunes to the processor.
void fuellen(std::uint32_t* p, std::size_t n, std::uint32_t farbe)
{
    if ((farbe & 0xFFu) * 0x01010101u == farbe) {
        std::memset(p, static_cast<int>(farbe & 0xFFu), n * sizeof(std::uint32_t));
        return;
    }
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        for (std::size_t k = 0; k < 8; ++k) {
            p[i + k] = farbe;
        }
    }
    for (; i < n; ++i) {
        p[i] = farbe;
    }
}

}  // namespace

Rasterbild::Rasterbild(Kanalfolge folge) : rgba_bytes_(folge == Kanalfolge::rgba_bytes)
{
    muster_setzen(1);
}

std::uint32_t Rasterbild::in_kanalfolge(std::uint32_t argb) const
{
    // On a little-endian machine R, G, B, A in memory is 0xAABBGGRR.
    return rgba_bytes_ ? (argb & 0xFF00FF00u) | ((argb >> 16) & 0xFFu) | ((argb & 0xFFu) << 16) : argb;
}

void Rasterbild::muster_setzen(int faktor)
{
    if (faktor == musterfaktor_) {
        return;
    }
    musterfaktor_ = faktor;
    for (int s = 0; s < 4; ++s) {
        std::vector<unsigned char>& m = muster_[s];
        m.clear();
        const Lauf& lauf = muster_laeufe[s];
        for (int i = 0; i < lauf.anzahl; ++i) {
            m.insert(m.end(), static_cast<std::size_t>(lauf.laengen[i] * faktor), i % 2 == 0 ? 1 : 0);
        }
    }
}

void Rasterbild::groesse_setzen(int breite_logisch, int hoehe_logisch, double pixelverhaeltnis)
{
    if (!(pixelverhaeltnis > 0.0) || !std::isfinite(pixelverhaeltnis)) {
        pixelverhaeltnis = 1.0;
    }
    breite_logisch = std::max(0, breite_logisch);
    hoehe_logisch = std::max(0, hoehe_logisch);
    // In double: a window system may hand sizes whose device pixels overflow an int.
    const double gw = std::round(breite_logisch * pixelverhaeltnis);
    const double gh = std::round(hoehe_logisch * pixelverhaeltnis);
    double k = std::min(1.0, groesste_kante / std::max({gw, gh, 1.0}));
    // Limited by area, the sides are rounded down, so that the product stays within it.
    const bool nach_flaeche = groesste_flaeche_ > 0 && gw * gh * k * k > static_cast<double>(groesste_flaeche_);
    if (nach_flaeche) {
        k = std::sqrt(static_cast<double>(groesste_flaeche_) / (gw * gh));
    }
    const auto seite = [&](double g) {
        const double s = g * k;
        return std::max(1, static_cast<int>(nach_flaeche ? std::floor(s) : std::round(s)));
    };
    int w = gw >= 1.0 ? seite(gw) : 0;
    int h = gh >= 1.0 ? seite(gh) : 0;
    if (w == 0 || h == 0) {
        w = h = 0;
    }
    breite_logisch_ = breite_logisch;
    hoehe_logisch_ = hoehe_logisch;
    massstab_ = pixelverhaeltnis * k;

    if (w != breite_px_ || h != hoehe_px_) {
        const std::size_t noetig = static_cast<std::size_t>(w) * h;
        // The old picture stays where it was, the rest is background, as a
        // persistent bitmap keeps its content when its window grows or shrinks.
        const int bleibt_w = std::min(w, breite_px_), bleibt_h = std::min(h, hoehe_px_);
        const auto rest_fuellen = [&](std::uint32_t* p) {
            for (int y = 0; y < h; ++y) {
                const int x = y < bleibt_h ? bleibt_w : 0;
                fuellen(p + static_cast<std::ptrdiff_t>(y) * w + x, static_cast<std::size_t>(w - x), hintergrund_);
            }
        };
        if (noetig == 0) {
            pixel_.reset();
            platz_ = 0;
        } else if (noetig <= platz_) {
            // Within the block it has: the rows move to their new places in
            // it. Narrower rows move towards the start, so top down; wider
            // ones away from it, so bottom up; neither overwrites a row
            // still to move.
            std::uint32_t* p = pixel_.get();
            const auto zeile = [&](int y) {
                std::memmove(p + static_cast<std::ptrdiff_t>(y) * w, p + static_cast<std::ptrdiff_t>(y) * zeilenlaenge_,
                             static_cast<std::size_t>(bleibt_w) * sizeof(std::uint32_t));
            };
            if (w <= zeilenlaenge_) {
                for (int y = 0; y < bleibt_h; ++y) {
                    zeile(y);
                }
            } else {
                for (int y = bleibt_h - 1; y >= 0; --y) {
                    zeile(y);
                }
            }
            rest_fuellen(p);
        } else {
            const bool gross = groesste_flaeche_ > 0 && noetig > groesste_flaeche_ / 4;
            const std::size_t platz = gross ? std::max(noetig, groesste_flaeche_) : noetig;
            // Every pixel is written below: no zeroing first (new without
            // (), as make_unique_for_overwrite, which Emscripten's libc++ lacks).
            std::unique_ptr<std::uint32_t[]> neu(new std::uint32_t[platz]);
            for (int y = 0; y < bleibt_h; ++y) {
                std::memcpy(neu.get() + static_cast<std::ptrdiff_t>(y) * w,
                            pixel_.get() + static_cast<std::ptrdiff_t>(y) * zeilenlaenge_,
                            static_cast<std::size_t>(bleibt_w) * sizeof(std::uint32_t));
            }
            rest_fuellen(neu.get());
            pixel_ = std::move(neu);
            platz_ = platz;
        }
        breite_px_ = w;
        hoehe_px_ = h;
        zeilenlaenge_ = w;
        breite_d_ = w;
        hoehe_d_ = h;
    }
    // DrawWidth and the patterns count logical pixels: at twice the pixels a
    // thin line is two wide and its dashes twice as long, so that the
    // picture looks as on an ordinary screen, only finer.
    duenn_ = std::max(1, static_cast<int>(std::lround(massstab_)));
    einzelpunkt_ = duenn_ == 1 ? 1 : 0;
    muster_setzen(duenn_);
    abbildung_berechnen();
}

void Rasterbild::fenster_setzen(double breite_twips, double hoehe_twips, int zustand)
{
    breite_twips_ = breite_twips;
    hoehe_twips_ = hoehe_twips;
    zustand_ = zustand;
}

void Rasterbild::systemfarben_setzen(std::uint32_t fensterhintergrund, std::uint32_t schaltflaechentext)
{
    hintergrund_ = in_kanalfolge(0xFF000000u | (fensterhintergrund & 0xFFFFFFu));
    schaltflaechentext_ = in_kanalfolge(0xFF000000u | (schaltflaechentext & 0xFFFFFFu));
    letztes_rgb_ = rgb(letzte_farbe_);
}

std::uint32_t Rasterbild::rgb(Farbe f) const
{
    if (f & 0x80000000u) {
        switch (f & 0xFFu) {
        case 0x05:
            return hintergrund_;
        case 0x12:
            return schaltflaechentext_;
        default:
            return 0xFF000000u;
        }
    }
    // 0x00BBGGRR to 0xFFRRGGBB
    return in_kanalfolge(0xFF000000u | ((f & 0xFFu) << 16) | (f & 0xFF00u) | ((f >> 16) & 0xFFu));
}

void Rasterbild::abbildung_berechnen()
{
    ax_ = breite_px_ / (ecke_x2_ - ecke_x1_);
    bx_ = -ecke_x1_ * ax_;
    ay_ = hoehe_px_ / (ecke_y2_ - ecke_y1_);
    by_ = -ecke_y1_ * ay_;
}

Rasterbild::Weltpunkt Rasterbild::welt(double x_logisch, double y_logisch) const
{
    // The picture is shown stretched over the whole client area, capped or
    // not, so a logical point is the same fraction of the world rectangle.
    const double x = ecke_x1_ + x_logisch / std::max(breite_logisch_, 1) * (ecke_x2_ - ecke_x1_);
    const double y = ecke_y1_ + y_logisch / std::max(hoehe_logisch_, 1) * (ecke_y2_ - ecke_y1_);
    return {x, y};
}

void Rasterbild::Cls()
{
    if (pixel_) {
        fuellen(pixel_.get(), static_cast<std::size_t>(breite_px_) * hoehe_px_, hintergrund_);
    }
    CurrentX = 0;
    CurrentY = 0;
}

void Rasterbild::Scale(double x1, double y1, double x2, double y2)
{
    const bool endlich = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
    if (!endlich || x1 == x2 || y1 == y2 || !std::isfinite(x2 - x1) || !std::isfinite(y2 - y1)) {
        throw Laufzeitfehler(Fehlerart::Zeichnen);  // an empty or infinite world rectangle has no map
    }
    ecke_x1_ = x1;
    ecke_y1_ = y1;
    ecke_x2_ = x2;
    ecke_y2_ = y2;
    abbildung_berechnen();
}

void Rasterbild::Line(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y2, ForeColor);
}

void Rasterbild::Line(double x1, double y1, double x2, double y2, Farbe farbe)
{
    strecke(x1, y1, x2, y2, rgb(farbe));
    CurrentX = x2;
    CurrentY = y2;
}

void Rasterbild::Line(double x2, double y2, Farbe farbe)
{
    Line(CurrentX, CurrentY, x2, y2, farbe);
}

void Rasterbild::PSet(double x, double y, Farbe farbe)
{
    CurrentX = x;
    CurrentY = y;
    const double dx = ax_ * x + bx_;
    const double dy = ay_ * y + by_;
    if (DrawWidth <= einzelpunkt_) [[likely]] {
        // The comparisons also drop NaN and infinities.
        if (dx >= 0.0 && dx < breite_d_ && dy >= 0.0 && dy < hoehe_d_) {
            pixel_[static_cast<std::ptrdiff_t>(static_cast<int>(dy)) * zeilenlaenge_ + static_cast<int>(dx)] =
                farbe_schnell(farbe);
        }
        return;
    }
    punkt(dx, dy, DrawWidth <= 1 ? duenn_ : static_cast<int>(std::lround(DrawWidth * massstab_)), rgb(farbe));
}

void Rasterbild::Print(const std::string& text)
{
    if (!pixel_ || text.empty()) {
        return;
    }
    const double lx = (ax_ * CurrentX + bx_) / massstab_;
    const double ly = (ay_ * CurrentY + by_) / massstab_;
    const double grenze = 1e6;  // no text is that long; beyond it nothing can show
    if (!(std::abs(lx) < grenze && std::abs(ly) < grenze)) {
        return;
    }
    text_zeichnen(text, lx, ly, rgb(ForeColor));
}

void Rasterbild::text_zeichnen(const std::string&, double, double, std::uint32_t) {}

double Rasterbild::text_breite(const std::string&) const
{
    return 0;
}

double Rasterbild::text_grundlinie() const
{
    return 0;
}

double Rasterbild::TextBaseline() const
{
    return !pixel_ || ay_ == 0 ? 0 : text_grundlinie() * massstab_ / std::abs(ay_);
}

double Rasterbild::ScaleX(double pixel) const
{
    return !pixel_ || ax_ == 0 ? 0 : pixel * massstab_ / std::abs(ax_);
}

double Rasterbild::ScaleY(double pixel) const
{
    return !pixel_ || ay_ == 0 ? 0 : pixel * massstab_ / std::abs(ay_);
}

double Rasterbild::TextWidth(const std::string& text) const
{
    if (!pixel_ || text.empty() || ax_ == 0) {
        return 0;
    }
    return text_breite(text) * massstab_ / std::abs(ax_);
}

void Rasterbild::strecke(double x1, double y1, double x2, double y2, std::uint32_t farbe)
{
    if (!pixel_) {
        return;
    }
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) {
        return;
    }
    // An infinite end has no direction of its own: it is taken as the largest number.
    constexpr double gross = std::numeric_limits<double>::max();
    x1 = std::clamp(x1, -gross, gross);
    y1 = std::clamp(y1, -gross, gross);
    x2 = std::clamp(x2, -gross, gross);
    y2 = std::clamp(y2, -gross, gross);

    const bool duenn = DrawWidth <= 1;
    const int durchmesser = duenn ? duenn_ : static_cast<int>(std::lround(DrawWidth * massstab_));
    if (x1 == x2 && y1 == y2) {
        punkt(ax_ * x1 + bx_, ay_ * y1 + by_, durchmesser, farbe);
        return;
    }

    // Clipped in world coordinates, where every finite input is representable;
    // only what is left, within a few pixels of the picture, is mapped.
    const double rand = durchmesser + 1.0;
    const double ga = (-rand - bx_) / ax_, gb = (breite_d_ + rand - bx_) / ax_;
    const double gc = (-rand - by_) / ay_, gd = (hoehe_d_ + rand - by_) / ay_;
    const double grenze[4] = {std::min(ga, gb), std::max(ga, gb), std::min(gc, gd), std::max(gc, gd)};
    // The segment is parametrised from the end nearer the picture: the
    // crossings near the picture then have small parameters, exact enough to
    // tell which edge cuts first even when the other end lies at 1e300.
    const double mx = (breite_d_ * 0.5 - bx_) / ax_, my = (hoehe_d_ * 0.5 - by_) / ay_;
    auto ferne = [&](double x, double y) { return std::max(std::abs((x - mx) * ax_), std::abs((y - my) * ay_)); };
    // Where the whole line begins in picture pixels: a pattern counts from there.
    const double anfang_x = ax_ * x1 + bx_, anfang_y = ay_ * y1 + by_;
    const bool getauscht = ferne(x2, y2) < ferne(x1, y1);
    if (getauscht) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const double hdx = 0.5 * x2 - 0.5 * x1;
    const double hdy = 0.5 * y2 - 0.5 * y1;
    Schnitt s;
    if (!clippen(x1, y1, hdx, hdy, grenze, s)) {
        return;
    }
    double wx0, wy0, wx1, wy1;
    schnittpunkt(x1, y1, x2, y2, hdx, hdy, s.kante0, true, grenze, wx0, wy0);
    schnittpunkt(x1, y1, x2, y2, hdx, hdy, s.kante1, false, grenze, wx1, wy1);
    if (getauscht) {
        // Drawn from the caller's first point on, for the place of the pattern.
        std::swap(wx0, wx1);
        std::swap(wy0, wy1);
    }
    const double rx0 = -rand, rx1 = breite_d_ + rand, ry0 = -rand, ry1 = hoehe_d_ + rand;
    const double cx0 = std::clamp(ax_ * wx0 + bx_, rx0, rx1), cy0 = std::clamp(ay_ * wy0 + by_, ry0, ry1);
    const double cx1 = std::clamp(ax_ * wx1 + bx_, rx0, rx1), cy1 = std::clamp(ay_ * wy1 + by_, ry0, ry1);
    if (duenn) {
        strecke_duenn(cx0, cy0, cx1, cy1, anfang_x, anfang_y, farbe);
    } else {
        strecke_dick(cx0, cy0, cx1, cy1, durchmesser, farbe);
    }
}

void Rasterbild::strecke_duenn(double x0, double y0, double x1, double y1, double anfang_x, double anfang_y,
                               std::uint32_t farbe)
{
    if (DrawStyle == 5) {
        return;  // transparent
    }
    // One pixel per column (or row) of the major axis, duenn_ of them across
    // it centred on the line, placed from the exact slope rather than from
    // rounded end points, so that clipping a line does not tilt its visible
    // part. After the clip every coordinate lies within a few pixels of the
    // picture, so floor(v) is (int)(v + 1024) - 1024.
    auto ab = [](double v) { return static_cast<int>(v + 1024.0) - 1024; };
    const int quer = duenn_;
    const double versatz = 0.5 - 0.5 * quer;
    const unsigned w = static_cast<unsigned>(breite_px_), h = static_cast<unsigned>(hoehe_px_);
    const double ddx = x1 - x0, ddy = y1 - y0;
    const bool waagerecht = std::abs(ddx) >= std::abs(ddy);
    const double a0 = waagerecht ? x0 : y0, b0 = waagerecht ? y0 : x0;
    const double laenge = waagerecht ? ddx : ddy;
    const double steigung = laenge != 0.0 ? (waagerecht ? ddy : ddx) / laenge : 0.0;
    const int anfang = ab(a0);
    const int ende = ab(waagerecht ? x1 : y1);
    const int schritt = anfang <= ende ? 1 : -1;
    const unsigned char* m = nullptr;
    std::size_t n = 0;
    std::size_t pos = 0;
    if (DrawStyle >= 1 && DrawStyle <= 4) {
        m = muster_[DrawStyle - 1].data();
        n = muster_[DrawStyle - 1].size();
        // The pixels the clip cut off before the first one drawn, counted
        // from the pixel the whole line begins at: the pattern keeps its
        // place along the line as if all of it were drawn.
        const double abgeschnitten = std::abs(anfang - std::floor(waagerecht ? anfang_x : anfang_y));
        if (std::isfinite(abgeschnitten)) {
            pos = std::min(static_cast<std::size_t>(std::fmod(abgeschnitten, static_cast<double>(n))), n - 1);
        }
    }
    for (int i = anfang;; i += schritt) {
        if (m == nullptr || m[pos]) {
            const int j0 = ab(b0 + (i + 0.5 - a0) * steigung + versatz);
            for (int j = j0; j < j0 + quer; ++j) {
                const int x = waagerecht ? i : j;
                const int y = waagerecht ? j : i;
                if (static_cast<unsigned>(x) < w && static_cast<unsigned>(y) < h) {
                    pixel_[static_cast<std::ptrdiff_t>(y) * zeilenlaenge_ + x] = farbe;
                }
            }
        }
        if (i == ende) {
            break;
        }
        if (m != nullptr && ++pos == n) {
            pos = 0;
        }
    }
}

void Rasterbild::strecke_dick(double x0, double y0, double x1, double y1, int durchmesser, std::uint32_t farbe)
{
    // Every pixel whose centre lies within half the diameter of the segment:
    // a band with round caps, without blended edges. The ends snap as the
    // dot's centre does, so that the caps are exactly the dots PSet draws and
    // an axis-parallel line is exactly the diameter wide.
    const double halb = durchmesser * 0.5;
    const double r2 = halb * halb;
    auto rasten = [halb](double c) { return std::floor(c - halb + 0.5) + halb; };
    x0 = rasten(x0);
    y0 = rasten(y0);
    x1 = rasten(x1);
    y1 = rasten(y1);
    const double lx = x1 - x0, ly = y1 - y0;
    const double laenge = std::hypot(lx, ly);
    if (laenge == 0.0) {
        punkt(x0, y0, durchmesser, farbe);
        return;
    }
    const double ux = lx / laenge, uy = ly / laenge;
    constexpr double unendlich = std::numeric_limits<double>::infinity();

    // The t = x - x0 with lo <= k * t + c <= hi, narrowed into [t0, t1].
    auto band = [](double k, double c, double lo, double hi, double& t0, double& t1) {
        if (k == 0.0) {
            if (c < lo || c > hi) {
                t0 = unendlich;
                t1 = -unendlich;
            }
            return;
        }
        double a = (lo - c) / k, b = (hi - c) / k;
        if (a > b) {
            std::swap(a, b);
        }
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    };

    const int oben = std::max(0, static_cast<int>(std::floor(std::min(y0, y1) - halb)));
    const int unten = std::min(hoehe_px_ - 1, static_cast<int>(std::ceil(std::max(y0, y1) + halb)));
    for (int y = oben; y <= unten; ++y) {
        const double yc = y + 0.5;
        // The shape is convex: its row is one run, the union of the runs of
        // both end discs and of the band between them.
        double links = unendlich, rechts = -unendlich;
        auto scheibe = [&](double cx, double cy) {
            const double d = yc - cy;
            const double q = r2 - d * d;
            if (q >= 0.0) {
                const double s = std::sqrt(q);
                links = std::min(links, cx - s);
                rechts = std::max(rechts, cx + s);
            }
        };
        scheibe(x0, y0);
        scheibe(x1, y1);
        double t0 = -unendlich, t1 = unendlich;
        band(-uy, ux * (yc - y0), -halb, halb, t0, t1);  // across the line
        band(ux, uy * (yc - y0), 0.0, laenge, t0, t1);  // along it
        if (t0 <= t1) {
            links = std::min(links, x0 + t0);
            rechts = std::max(rechts, x0 + t1);
        }
        if (!(links <= rechts)) {
            continue;
        }
        const int i0 = std::max(0, static_cast<int>(std::ceil(links - 0.5)));
        const int i1 = std::min(breite_px_ - 1, static_cast<int>(std::floor(rechts - 0.5)));
        if (i0 <= i1) {
            std::uint32_t* zeile = pixel_.get() + static_cast<std::ptrdiff_t>(y) * zeilenlaenge_;
            fuellen(zeile + i0, static_cast<std::size_t>(i1 - i0 + 1), farbe);
        }
    }
}

void Rasterbild::punkt(double dx, double dy, int durchmesser, std::uint32_t farbe)
{
    if (!pixel_) {
        return;
    }
    durchmesser = std::max(1, durchmesser);
    const double halb = durchmesser * 0.5;
    if (!(dx > -durchmesser - 1.0 && dx < breite_px_ + durchmesser + 1.0 && dy > -durchmesser - 1.0 &&
          dy < hoehe_px_ + durchmesser + 1.0)) {
        return;
    }
    // Odd diameters centre on the pixel hit, even ones on its nearest corner.
    const int links = static_cast<int>(std::floor(dx - halb + 0.5));
    const int oben = static_cast<int>(std::floor(dy - halb + 0.5));
    const double r2 = halb * halb;
    for (int j = 0; j < durchmesser; ++j) {
        const int y = oben + j;
        if (y < 0 || y >= hoehe_px_) {
            continue;
        }
        const double vy = j + 0.5 - halb;
        std::uint32_t* zeile = pixel_.get() + static_cast<std::ptrdiff_t>(y) * zeilenlaenge_;
        for (int i = 0; i < durchmesser; ++i) {
            const int x = links + i;
            const double vx = i + 0.5 - halb;
            if (x >= 0 && x < breite_px_ && vx * vx + vy * vy <= r2) {
                zeile[x] = farbe;
            }
        }
    }
}
