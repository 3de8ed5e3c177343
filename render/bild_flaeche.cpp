#include "bild_flaeche.h"

#include "lens/fehler.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

}  // namespace

BildFlaeche::BildFlaeche()
{
    groesse_setzen(QSize(0, 0), 1.0);
}

void BildFlaeche::groesse_setzen(QSize logisch, qreal pixelverhaeltnis)
{
    if (!(pixelverhaeltnis > 0.0) || !std::isfinite(pixelverhaeltnis)) {
        pixelverhaeltnis = 1.0;
    }
    verhaeltnis_ = pixelverhaeltnis;
    const int w = std::max(0, qRound(logisch.width() * pixelverhaeltnis));
    const int h = std::max(0, qRound(logisch.height() * pixelverhaeltnis));
    if (w > 0 && h > 0) {
        bild_ = QImage(w, h, QImage::Format_RGB32);
        bild_.setDevicePixelRatio(pixelverhaeltnis);
        bild_.fill(hintergrund_);
    } else {
        bild_ = QImage();
    }
    breite_px_ = bild_.width();
    hoehe_px_ = bild_.height();
    breite_d_ = breite_px_;
    hoehe_d_ = hoehe_px_;
    pixel_holen();

    const int faktor = std::max(1, static_cast<int>(std::lround(pixelverhaeltnis)));
    for (int s = 0; s < 4; ++s) {
        std::vector<unsigned char>& m = muster_[s];
        m.clear();
        const Lauf& lauf = muster_laeufe[s];
        for (int i = 0; i < lauf.anzahl; ++i) {
            m.insert(m.end(), static_cast<std::size_t>(lauf.laengen[i] * faktor), i % 2 == 0 ? 1 : 0);
        }
    }
    abbildung_berechnen();
}

void BildFlaeche::fenster_setzen(double breite_twips, double hoehe_twips, int zustand)
{
    breite_ = breite_twips;
    hoehe_ = hoehe_twips;
    zustand_ = zustand;
}

void BildFlaeche::systemfarben_setzen(QColor fensterhintergrund, QColor schaltflaechentext)
{
    hintergrund_ = 0xFF000000u | fensterhintergrund.rgb();
    schaltflaechentext_ = 0xFF000000u | schaltflaechentext.rgb();
    letztes_rgb_ = farbe_aufloesen(letzte_farbe_);
}

void BildFlaeche::schrift_setzen(const QFont& schrift)
{
    schrift_ = schrift;
    schrift_gesetzt_ = true;
}

QRgb BildFlaeche::farbe_aufloesen(Farbe f) const
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
    return 0xFF000000u | ((f & 0xFFu) << 16) | (f & 0xFF00u) | ((f >> 16) & 0xFFu);
}

void BildFlaeche::pixel_holen()
{
    // bits() detaches from any copy someone took of the picture.
    if (bild_.isNull()) {
        pixel_ = nullptr;
        zeilenlaenge_ = 0;
    } else {
        pixel_ = reinterpret_cast<QRgb*>(bild_.bits());
        zeilenlaenge_ = bild_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    ausgegeben_ = false;
}

void BildFlaeche::abbildung_berechnen()
{
    ax_ = breite_px_ / (ecke_x2_ - ecke_x1_);
    bx_ = -ecke_x1_ * ax_;
    ay_ = hoehe_px_ / (ecke_y2_ - ecke_y1_);
    by_ = -ecke_y1_ * ay_;
}

QPointF BildFlaeche::welt(QPointF logisch) const
{
    const double dx = logisch.x() * verhaeltnis_;
    const double dy = logisch.y() * verhaeltnis_;
    // The inverse of the map itself, so that it also holds for an empty picture.
    const double x = ecke_x1_ + dx / std::max(breite_px_, 1) * (ecke_x2_ - ecke_x1_);
    const double y = ecke_y1_ + dy / std::max(hoehe_px_, 1) * (ecke_y2_ - ecke_y1_);
    return QPointF(x, y);
}

void BildFlaeche::Cls()
{
    if (!bild_.isNull()) {
        bild_.fill(hintergrund_);
    }
    pixel_holen();
    CurrentX = 0;
    CurrentY = 0;
}

void BildFlaeche::Scale(double x1, double y1, double x2, double y2)
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

void BildFlaeche::Line(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y2, ForeColor);
}

void BildFlaeche::Line(double x1, double y1, double x2, double y2, Farbe farbe)
{
    strecke(x1, y1, x2, y2, farbe_aufloesen(farbe));
    CurrentX = x2;
    CurrentY = y2;
}

void BildFlaeche::Line(double x2, double y2, Farbe farbe)
{
    Line(CurrentX, CurrentY, x2, y2, farbe);
}

void BildFlaeche::PSet(double x, double y, Farbe farbe)
{
    CurrentX = x;
    CurrentY = y;
    if (ausgegeben_) {
        pixel_holen();
    }
    const double dx = ax_ * x + bx_;
    const double dy = ay_ * y + by_;
    if (DrawWidth <= 1) [[likely]] {
        // The comparisons also drop NaN and infinities.
        if (dx >= 0.0 && dx < breite_d_ && dy >= 0.0 && dy < hoehe_d_) {
            pixel_[static_cast<qsizetype>(static_cast<int>(dy)) * zeilenlaenge_ + static_cast<int>(dx)] =
                farbe_schnell(farbe);
        }
        return;
    }
    punkt(dx, dy, static_cast<int>(std::lround(DrawWidth * verhaeltnis_)), farbe_aufloesen(farbe));
}

void BildFlaeche::Print(const std::string& text)
{
    if (ausgegeben_) {
        pixel_holen();
    }
    if (bild_.isNull() || text.empty()) {
        return;
    }
    // Logical pixels: the painter scales them by the device pixel ratio.
    const double lx = (ax_ * CurrentX + bx_) / verhaeltnis_;
    const double ly = (ay_ * CurrentY + by_) / verhaeltnis_;
    const double grenze = 1e6;  // no text is that long; beyond it nothing can show
    if (!(std::abs(lx) < grenze && std::abs(ly) < grenze)) {
        return;
    }
    QFont schrift = schrift_gesetzt_ ? schrift_ : QGuiApplication::font();
    // Exact colours, as for lines: no blended glyph edges.
    schrift.setStyleStrategy(QFont::NoAntialias);
    {
        QPainter p(&bild_);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(schrift);
        p.setPen(QColor::fromRgb(farbe_aufloesen(ForeColor)));
        const QFontMetricsF metrik(schrift, &bild_);
        p.drawText(QPointF(lx, ly + metrik.ascent()), QString::fromStdString(text));
    }
    pixel_holen();
}

void BildFlaeche::strecke(double x1, double y1, double x2, double y2, QRgb farbe)
{
    if (ausgegeben_) {
        pixel_holen();
    }
    if (pixel_ == nullptr) {
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
    const int durchmesser = duenn ? 1 : static_cast<int>(std::lround(DrawWidth * verhaeltnis_));
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
        // Pixels cut off at the start, so that a pattern keeps its place along the line.
        const double abgeschnitten = getauscht ? 1.0 - s.t1 : s.t0;
        double phase = abgeschnitten * 2.0 * std::max(std::abs(hdx * ax_), std::abs(hdy * ay_));
        if (!std::isfinite(phase)) {
            phase = 0.0;
        }
        strecke_duenn(cx0, cy0, cx1, cy1, phase, farbe);
    } else if (std::max(std::abs(cx1 - cx0), std::abs(cy1 - cy0)) < 1.0) {
        punkt(cx0, cy0, durchmesser, farbe);  // the painter drops lines much shorter than a pixel
    } else {
        strecke_dick(cx0, cy0, cx1, cy1, farbe);
    }
}

void BildFlaeche::strecke_duenn(double x0, double y0, double x1, double y1, double phase, QRgb farbe)
{
    if (DrawStyle == 5) {
        return;  // transparent
    }
    const unsigned char* m = nullptr;
    std::size_t n = 0;
    std::size_t pos = 0;
    if (DrawStyle >= 1 && DrawStyle <= 4) {
        m = muster_[DrawStyle - 1].data();
        n = muster_[DrawStyle - 1].size();
        pos = static_cast<std::size_t>(std::fmod(phase, static_cast<double>(n)));
        if (pos >= n) {
            pos = 0;
        }
    }
    // One pixel per column (or row) of the major axis, placed from the exact
    // slope rather than from rounded end points, so that clipping a line does
    // not tilt its visible part. After the clip every coordinate lies within
    // a few pixels of the picture, so floor(v) is (int)(v + 16) - 16.
    auto ab = [](double v) { return static_cast<int>(v + 16.0) - 16; };
    const unsigned w = static_cast<unsigned>(breite_px_), h = static_cast<unsigned>(hoehe_px_);
    const double ddx = x1 - x0, ddy = y1 - y0;
    const bool waagerecht = std::abs(ddx) >= std::abs(ddy);
    const double a0 = waagerecht ? x0 : y0, b0 = waagerecht ? y0 : x0;
    const double laenge = waagerecht ? ddx : ddy;
    const double steigung = laenge != 0.0 ? (waagerecht ? ddy : ddx) / laenge : 0.0;
    const int anfang = ab(a0);
    const int ende = ab(waagerecht ? x1 : y1);
    const int schritt = anfang <= ende ? 1 : -1;
    for (int i = anfang;; i += schritt) {
        if (m == nullptr || m[pos]) {
            const int j = ab(b0 + (i + 0.5 - a0) * steigung);
            const int x = waagerecht ? i : j;
            const int y = waagerecht ? j : i;
            if (static_cast<unsigned>(x) < w && static_cast<unsigned>(y) < h) {
                pixel_[static_cast<qsizetype>(y) * zeilenlaenge_ + x] = farbe;
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

void BildFlaeche::strecke_dick(double x0, double y0, double x1, double y1, QRgb farbe)
{
    {
        QPainter p(&bild_);
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen stift(QColor::fromRgb(farbe));
        stift.setWidthF(DrawWidth);  // logical pixels, DrawWidth times the ratio on the device
        stift.setCapStyle(Qt::RoundCap);
        p.setPen(stift);
        const double k = 1.0 / verhaeltnis_;
        p.drawLine(QPointF(x0 * k, y0 * k), QPointF(x1 * k, y1 * k));
    }
    pixel_holen();
}

void BildFlaeche::punkt(double dx, double dy, int durchmesser, QRgb farbe)
{
    if (pixel_ == nullptr) {
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
        QRgb* zeile = pixel_ + static_cast<qsizetype>(y) * zeilenlaenge_;
        for (int i = 0; i < durchmesser; ++i) {
            const int x = links + i;
            const double vx = i + 0.5 - halb;
            if (x >= 0 && x < breite_px_ && vx * vx + vy * vy <= r2) {
                zeile[x] = farbe;
            }
        }
    }
}
