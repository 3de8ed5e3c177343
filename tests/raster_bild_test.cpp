// The raster picture: mapping, exact pixels, widths, patterns, clipping,
// resizing and the cap, without any window system.
#include "render/rasterbild.h"

#include "lens/fehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t weiss = 0xFFFFFFFF;
constexpr std::uint32_t schwarz = 0xFF000000;
constexpr std::uint32_t rot = 0xFFFF0000;
constexpr std::uint32_t blau = 0xFF0000FF;
constexpr std::uint32_t gelb = 0xFFFFFF00;
constexpr std::uint32_t gruen = 0xFF008000;

// Inclusive pixel bounds; empty when rechts < links.
struct Rechteck {
    int links = 0, oben = 0, rechts = -1, unten = -1;
    int breite() const { return rechts - links + 1; }
    int hoehe() const { return unten - oben + 1; }
    bool operator==(const Rechteck&) const = default;
};
Rechteck kasten(int links, int oben, int breite, int hoehe)
{
    return {links, oben, links + breite - 1, oben + hoehe - 1};
}
std::ostream& operator<<(std::ostream& o, const Rechteck& r)
{
    return o << r.links << "," << r.oben << " " << r.breite() << "x" << r.hoehe();
}

std::uint32_t pixel(const Rasterbild& b, int x, int y)
{
    return b.pixel()[static_cast<std::ptrdiff_t>(y) * b.breite() + x];
}
std::vector<std::uint32_t> alle(const Rasterbild& b)
{
    return std::vector<std::uint32_t>(b.pixel(), b.pixel() + static_cast<std::ptrdiff_t>(b.breite()) * b.hoehe());
}
int anzahl(const Rasterbild& b, std::uint32_t farbe)
{
    const std::vector<std::uint32_t> p = alle(b);
    return static_cast<int>(std::count(p.begin(), p.end(), farbe));
}
// Bounding box of the pixels of one colour.
Rechteck umriss(const Rasterbild& b, std::uint32_t farbe)
{
    Rechteck r{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), -1, -1};
    for (int y = 0; y < b.hoehe(); ++y) {
        for (int x = 0; x < b.breite(); ++x) {
            if (pixel(b, x, y) == farbe) {
                r = {std::min(r.links, x), std::min(r.oben, y), std::max(r.rechts, x), std::max(r.unten, y)};
            }
        }
    }
    return r.rechts < 0 ? Rechteck{} : r;
}

// 200 x 100 pixels, world x 0..20 to the right and y 10..0 downwards: ten
// pixels per unit, pixel (i, j) covers x i/10..(i+1)/10 and y 10-j/10 down to 10-(j+1)/10.
struct Raster : ::testing::Test {
    Rasterbild f;
    void SetUp() override
    {
        f.groesse_setzen(200, 100);
        f.Scale(0, 10, 20, 0);
    }
    std::uint32_t px(int x, int y) const { return pixel(f, x, y); }
    int anzahl(std::uint32_t farbe) const { return ::anzahl(f, farbe); }
    Rechteck umriss(std::uint32_t farbe) const { return ::umriss(f, farbe); }
};

}  // namespace

TEST_F(Raster, CornersMapBothWaysAndClsClears)
{
    EXPECT_EQ(f.breite(), 200);
    EXPECT_EQ(f.hoehe(), 100);
    EXPECT_EQ(anzahl(weiss), 200 * 100);

    const auto ol = f.welt(0, 0);
    const auto ur = f.welt(200, 100);
    const auto mitte = f.welt(50, 25);
    EXPECT_DOUBLE_EQ(ol.x, 0);
    EXPECT_DOUBLE_EQ(ol.y, 10);
    EXPECT_DOUBLE_EQ(ur.x, 20);
    EXPECT_DOUBLE_EQ(ur.y, 0);
    EXPECT_DOUBLE_EQ(mitte.x, 5);
    EXPECT_DOUBLE_EQ(mitte.y, 7.5);

    f.PSet(0.01, 9.99, farbe::rot);
    f.PSet(19.99, 0.01, farbe::blau);
    // Column 200 lies just past the right edge: not drawn, and not at the
    // start of the next row either.
    f.PSet(20, 5.05, farbe::gelb);
    EXPECT_EQ(px(0, 50), weiss);
    f.PSet(20, 0, farbe::gelb);  // the lower-right corner itself lies just outside
    EXPECT_EQ(px(0, 0), rot);
    EXPECT_EQ(px(199, 99), blau);
    EXPECT_EQ(anzahl(weiss), 200 * 100 - 2);
    EXPECT_DOUBLE_EQ(f.CurrentX, 20);
    EXPECT_DOUBLE_EQ(f.CurrentY, 0);

    f.Cls();
    EXPECT_EQ(anzahl(weiss), 200 * 100);
    EXPECT_EQ(f.CurrentX, 0);
    EXPECT_EQ(f.CurrentY, 0);
}

TEST_F(Raster, UpwardScaleAndDownwardScaleMirror)
{
    f.Scale(0, 0, 20, 10);  // y grows downwards now
    f.PSet(0.05, 0.05, farbe::rot);
    EXPECT_EQ(px(0, 0), rot);
    f.Scale(20, 10, 0, 0);  // and x to the left
    f.PSet(0.05, 0.05, farbe::blau);
    EXPECT_EQ(px(199, 99), blau);
}

TEST_F(Raster, PSetAndThinLinesWriteExactColours)
{
    f.PSet(5.05, 5.05, farbe::dunkelrot);
    EXPECT_EQ(px(50, 49), 0xFFC00000u);
    EXPECT_EQ(anzahl(weiss), 200 * 100 - 1);

    f.Line(1.05, 2.05, 10.05, 2.05, farbe::dunkelgruen);  // row 79, x 10..100
    EXPECT_EQ(anzahl(gruen), 91);
    EXPECT_EQ(umriss(gruen), (Rechteck{10, 79, 100, 79}));
    EXPECT_EQ(f.CurrentX, 10.05);
    EXPECT_EQ(f.CurrentY, 2.05);

    // From the current position, 45 degrees upwards to the right: one pixel per column.
    f.Line(12.05, 4.05, farbe::gelb);
    EXPECT_EQ(anzahl(gelb), 21);
    EXPECT_EQ(px(100, 79), gelb);
    EXPECT_EQ(px(110, 69), gelb);
    EXPECT_EQ(px(120, 59), gelb);
    EXPECT_EQ(f.CurrentX, 12.05);

    // Nothing blended anywhere: only the three colours drawn and white.
    EXPECT_EQ(anzahl(weiss) + anzahl(gelb) + anzahl(gruen) + anzahl(0xFFC00000u), 200 * 100);
}

TEST_F(Raster, SystemColours)
{
    // Defaults: white background, black button text; ForeColor starts as the latter.
    f.Line(1.05, 5.05, 3.05, 5.05);
    EXPECT_EQ(px(20, 49), schwarz);

    f.systemfarben_setzen(0x010203, 0x0A141E);
    f.Cls();
    EXPECT_EQ(anzahl(0xFF010203u), 200 * 100);
    f.Line(1.05, 5.05, 3.05, 5.05);
    EXPECT_EQ(px(20, 49), 0xFF0A141Eu);
    f.PSet(8.05, 8.05, farbe::fensterhintergrund);
    f.PSet(8.15, 8.05, farbe::schaltflaechentext);
    f.PSet(8.25, 8.05, 0x80000008);  // any other system colour
    EXPECT_EQ(px(80, 19), 0xFF010203u);
    EXPECT_EQ(px(81, 19), 0xFF0A141Eu);
    EXPECT_EQ(px(82, 19), schwarz);
}

TEST_F(Raster, WideDotsAreRoundAndOfTheirDiameter)
{
    f.DrawWidth = 2;
    f.PSet(5, 5, farbe::rot);
    EXPECT_EQ(umriss(rot), kasten(49, 49, 2, 2));
    EXPECT_EQ(anzahl(rot), 4);

    // A zero-length line at width 8 is the arrow tip's dot.
    f.Cls();
    f.DrawWidth = 8;
    f.Line(15, 5, 15, 5, farbe::blau);
    EXPECT_EQ(umriss(blau), kasten(146, 46, 8, 8));
    EXPECT_EQ(px(146, 46), weiss);  // corners stay off: round, not square
    EXPECT_EQ(px(153, 53), weiss);
    EXPECT_EQ(px(146, 49), blau);
    EXPECT_EQ(px(150, 53), blau);
    EXPECT_GT(anzahl(blau), 40);
    EXPECT_LT(anzahl(blau), 64);
    EXPECT_EQ(f.CurrentX, 15);
    const std::vector<std::uint32_t> punkt = alle(f);

    f.Cls();
    f.PSet(15, 5, farbe::blau);
    EXPECT_EQ(alle(f), punkt);
    // Shorter than anything the picture can resolve: still the dot.
    f.Cls();
    f.Line(15, 5, 15, 5 + 1e-13, farbe::blau);
    EXPECT_EQ(alle(f), punkt);
    for (double laenge : {0.01, 0.05, 0.1, 0.2}) {  // up to two pixels: never less than the dot
        f.Cls();
        f.Line(15, 5, 15 + laenge, 5, farbe::blau);
        const Rechteck r = umriss(blau);
        EXPECT_GE(r.breite(), 8) << laenge;
        EXPECT_LE(r.breite(), 11) << laenge;
        EXPECT_EQ(r.hoehe(), 8) << laenge;
    }
}

TEST_F(Raster, WideLinesAreSolidAndWide)
{
    f.DrawWidth = 2;
    f.Line(5, 2, 5, 8, farbe::blau);
    const Rechteck r = umriss(blau);
    EXPECT_EQ(r.breite(), 2);
    EXPECT_GE(r.hoehe(), 60);
    EXPECT_LE(r.hoehe(), 62);
    // Every row of it is filled across its width.
    for (int y = r.oben + 1; y < r.unten; ++y) {
        EXPECT_EQ(px(r.links, y), blau);
        EXPECT_EQ(px(r.rechts, y), blau);
    }
    // Slanted, the width holds across the line and the ends are the dots.
    for (int breite : {2, 3, 8}) {
        f.Cls();
        f.DrawWidth = breite;
        f.Line(3, 2, 17, 7, farbe::rot);  // 140 by 50 pixels
        const double nx = -50 / std::hypot(140.0, 50.0), ny = -140 / std::hypot(140.0, 50.0);
        for (int x = 0; x < 200; ++x) {
            for (int y = 0; y < 100; ++y) {
                // Distance of the pixel centre from the line through both ends.
                const double d = std::abs((x + 0.5 - 30) * nx + (y + 0.5 - 80) * ny);
                if (d > breite / 2.0 + 1.0) {
                    EXPECT_EQ(px(x, y), weiss) << breite << ": " << x << "," << y;
                } else if (d < breite / 2.0 - 1.0 && x >= 30 + breite && x < 170 - breite) {
                    EXPECT_EQ(px(x, y), rot) << breite << ": " << x << "," << y;
                }
            }
        }
        Rasterbild ende;
        ende.groesse_setzen(200, 100);
        ende.Scale(0, 10, 20, 0);
        ende.DrawWidth = breite;
        ende.PSet(3, 2, farbe::rot);
        ende.PSet(17, 7, farbe::rot);
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (pixel(ende, x, y) == rot) {
                    EXPECT_EQ(px(x, y), rot) << breite << ": " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(Raster, PatternsAtWidthOneSolidAbove)
{
    auto linie = [&](int stil, int breite) {
        f.Cls();
        f.DrawStyle = stil;
        f.DrawWidth = breite;
        f.Line(0.05, 5.05, 19.95, 5.05, farbe::rot);
        return alle(f);
    };
    const std::vector<std::uint32_t> durchgezogen = linie(0, 1);
    const int voll = anzahl(rot);
    EXPECT_EQ(voll, 200);

    int an[5] = {};
    std::vector<std::uint32_t> muster[5];
    for (int stil : {1, 2, 4}) {
        muster[stil] = linie(stil, 1);
        an[stil] = anzahl(rot);
        EXPECT_GT(an[stil], voll / 4) << stil;
        EXPECT_LT(an[stil], voll) << stil;
        EXPECT_EQ(umriss(rot).hoehe(), 1);
    }
    EXPECT_NE(muster[1], muster[2]);
    EXPECT_NE(muster[1], muster[4]);
    EXPECT_NE(muster[2], muster[4]);
    // A dotted line has as many gaps as dots.
    EXPECT_EQ(an[2], 100);
    // Each pattern's own runs along the whole row, from its first pixel:
    // dash, gap; dash, gap, dot, gap, dot, gap ('#' on, '.' off).
    const struct {
        int stil;
        std::vector<int> laeufe;
    } reihen[] = {{gestrichelt, {12, 6}}, {strich_punkt_punkt, {9, 3, 3, 3, 3, 3}}};
    for (const auto& r : reihen) {
        linie(r.stil, 1);
        std::string periode, soll, ist;
        for (std::size_t i = 0; i < r.laeufe.size(); ++i) {
            periode.append(r.laeufe[i], i % 2 == 0 ? '#' : '.');
        }
        for (int x = 0; x < 200; ++x) {
            soll += periode[x % periode.size()];
            ist += px(x, 49) == rot ? '#' : '.';
        }
        EXPECT_EQ(ist, soll) << r.stil;
    }

    const std::vector<std::uint32_t> breit_voll = linie(0, 2);
    for (int stil : {1, 2, 4}) {
        EXPECT_EQ(linie(stil, 2), breit_voll) << stil;
    }
}

TEST_F(Raster, HugeCoordinatesAreClippedBeforeAnythingElse)
{
    // Across the whole world: exactly the visible row.
    f.Line(-1e300, 5.05, 1e300, 5.05, farbe::rot);
    EXPECT_EQ(anzahl(rot), 200);
    EXPECT_EQ(umriss(rot), kasten(0, 49, 200, 1));
    EXPECT_EQ(f.CurrentX, 1e300);

    // Entirely outside, once far and once near.
    f.Cls();
    f.Line(-1e300, 50, 1e300, 50, farbe::rot);
    f.Line(30, 1, 40, 2, farbe::rot);
    f.Line(-1e6, -3, -1e6, 1e6, farbe::rot);
    f.PSet(1e300, 5, farbe::rot);
    f.PSet(-1e6, -1e6, farbe::rot);
    EXPECT_EQ(anzahl(weiss), 200 * 100);

    // One end far away: the visible part, in its direction only.
    f.Line(5.05, 5.05, 1e300, 5.05, farbe::rot);
    EXPECT_EQ(umriss(rot), (Rechteck{50, 49, 199, 49}));
    f.Cls();
    f.Line(5.05, 5.05, 1e300, 1e300, farbe::rot);  // 45 degrees up to the right
    EXPECT_EQ(px(60, 39), rot);
    EXPECT_EQ(px(90, 9), rot);
    EXPECT_EQ(anzahl(rot), 50);
    f.Cls();
    f.Line(-1e300, -1e300, 5.05, 5.05, farbe::rot);  // coming from down left
    EXPECT_EQ(px(40, 59), rot);
    EXPECT_EQ(px(60, 39), weiss);
    EXPECT_EQ(umriss(rot), (Rechteck{0, 49, 50, 99}));

    // The patterned and the wide way as well.
    f.Cls();
    f.DrawStyle = gepunktet;
    f.Line(-1e300, 5.05, 1e300, 5.05, farbe::rot);
    EXPECT_EQ(anzahl(rot), 100);
    f.Cls();
    f.DrawStyle = durchgezogen;
    f.DrawWidth = 2;
    f.Line(-1e300, 5, 1e300, 5, farbe::rot);
    EXPECT_EQ(umriss(rot), kasten(0, 49, 200, 2));
    EXPECT_EQ(anzahl(rot), 400);
    f.DrawWidth = 8;
    f.Cls();
    f.Line(5, -1e300, 5, 1e300, farbe::rot);
    EXPECT_EQ(umriss(rot), kasten(46, 0, 8, 100));
    f.PSet(1e300, -1e300, farbe::rot);
    EXPECT_EQ(anzahl(rot), 800);
}

TEST_F(Raster, ClippingDoesNotTiltTheVisiblePart)
{
    // The same slanted line once short and once reaching 1e300: the same pixels on screen.
    f.Line(0.37, 1.13, 100.37, 31.13, farbe::rot);
    const std::vector<std::uint32_t> kurz = alle(f);
    f.Cls();
    f.Line(0.37, 1.13, 0.37 + 1e300, 1.13 + 0.3e300, farbe::rot);
    EXPECT_EQ(alle(f), kurz);
    f.Cls();
    f.Line(0.37 - 1e300, 1.13 - 0.3e300, 100.37, 31.13, farbe::rot);  // both ends outside, one far
    int unterschiede = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 4; x < 200; ++x) {
            unterschiede += px(x, y) != kurz[y * 200 + x];
        }
    }
    EXPECT_EQ(unterschiede, 0);
}

TEST_F(Raster, PatternPhaseCountsFromTheTrueStart)
{
    // Row 49 of a picture from column x0 on ('#' red, '.' not).
    auto reihe = [](const Rasterbild& b, int x0) {
        std::string r;
        for (int x = x0; x < x0 + 200; ++x) {
            r += pixel(b, x, 49) == rot ? '#' : '.';
        }
        return r;
    };
    const int stile[] = {gepunktet, 3};  // dotted, dash-dot
    for (int stil : stile) {
        // From 7000 pixels left of the picture: the same row whether the
        // line ends just past the right edge or far beyond it ...
        f.DrawStyle = stil;
        f.Cls();
        f.Line(-700.03, 5.05, 40, 5.05, farbe::rot);
        const std::string nah = reihe(f, 0);
        f.Cls();
        f.Line(-700.03, 5.05, 1e6, 5.05, farbe::rot);
        EXPECT_EQ(reihe(f, 0), nah) << stil;
        // ... and the row it has drawn whole, in a picture wide enough to
        // hold its start at the same scale.
        Rasterbild ganz;
        ganz.groesse_setzen(8000, 100);
        ganz.Scale(-780, 10, 20, 0);
        ganz.DrawStyle = stil;
        ganz.Line(-700.03, 5.05, 40, 5.05, farbe::rot);
        EXPECT_EQ(reihe(ganz, 7800), nah) << stil;
    }
}

TEST_F(Raster, RaysToFarPointsStayOnTheirLine)
{
    // One end near or in the picture, the other anywhere up to 1e300: every
    // pixel drawn lies on the ray from the near end towards the far one.
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> nah(-5, 25), nah_y(-5, 15), exponent(0, 300), vorzeichen(-1, 1);
    for (int n = 0; n < 400; ++n) {
        f.Cls();
        const double x0 = nah(zufall), y0 = nah_y(zufall);
        const double x1 = vorzeichen(zufall) * std::pow(10.0, exponent(zufall));
        const double y1 = vorzeichen(zufall) * std::pow(10.0, exponent(zufall));
        if (n % 2 == 0) {
            f.Line(x0, y0, x1, y1, farbe::rot);
        } else {
            f.Line(x1, y1, x0, y0, farbe::rot);
        }
        // In pixels: start (px, py), direction (ux, uy) of length 1.
        const double px = 10 * x0, py = 100 - 10 * y0;
        double ux = 10 * (0.5 * x1 - 0.5 * x0), uy = -10 * (0.5 * y1 - 0.5 * y0);
        const double betrag = std::hypot(ux, uy);
        ux /= betrag;
        uy /= betrag;
        int gezeichnet = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (this->px(x, y) != weiss) {
                    ++gezeichnet;
                    const double vx = x + 0.5 - px, vy = y + 0.5 - py;
                    ASSERT_LE(std::abs(vx * uy - vy * ux), 1.0) << n << ": " << x << "," << y;
                    ASSERT_GE(vx * ux + vy * uy, -1.5) << n << ": " << x << "," << y;
                }
            }
        }
        if (px > 2 && px < 198 && py > 2 && py < 98) {
            EXPECT_GT(gezeichnet, 0) << n;
        }
    }
}

TEST_F(Raster, InfinityAndNaNDoNotCrash)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    f.Line(5.05, 5.05, inf, 5.05, farbe::rot);
    EXPECT_EQ(umriss(rot), (Rechteck{50, 49, 199, 49}));
    f.Cls();
    f.Line(nan, 5, 10, 5, farbe::rot);
    f.Line(1, 5, 10, nan, farbe::rot);
    f.PSet(nan, nan, farbe::rot);
    f.DrawWidth = 8;
    f.Line(nan, 5, 10, 5, farbe::rot);
    f.PSet(nan, 5, farbe::rot);
    f.Line(-inf, 5, inf, 5, farbe::rot);
    EXPECT_EQ(anzahl(rot), 200 * 8);  // only the infinite wide line
}

TEST_F(Raster, DevicePixelRatioTwoDoublesThePixels)
{
    f.groesse_setzen(200, 100, 2.0);
    EXPECT_EQ(f.breite(), 400);
    EXPECT_EQ(f.hoehe(), 200);
    EXPECT_EQ(f.massstab(), 2.0);
    const auto p = f.welt(100, 50);  // the scale survives
    EXPECT_DOUBLE_EQ(p.x, 10);
    EXPECT_DOUBLE_EQ(p.y, 5);

    // A point and a thin line are one logical pixel wide, two device pixels,
    // so that the picture looks as at ratio one.
    f.PSet(5.05, 5.05, farbe::rot);
    EXPECT_EQ(umriss(rot), kasten(100, 98, 2, 2));
    EXPECT_EQ(anzahl(rot), 4);
    f.Line(12.025, 1, 12.025, 9, farbe::dunkelgruen);
    EXPECT_EQ(umriss(gruen).breite(), 2);

    f.DrawWidth = 8;
    f.PSet(15, 5, farbe::blau);
    EXPECT_EQ(umriss(blau), kasten(292, 92, 16, 16));
    f.DrawWidth = 2;
    f.Line(2, 1, 2, 9, farbe::gelb);
    EXPECT_EQ(umriss(gelb).breite(), 4);
    // Patterns in logical pixels too: a dotted row is runs of two, four device pixels.
    f.Cls();
    f.DrawWidth = 1;
    f.DrawStyle = gepunktet;
    f.Line(0.025, 5.025, 19.975, 5.025, farbe::rot);
    for (int x = 0; x < 400; ++x) {
        EXPECT_EQ(px(x, 99) == rot, x % 8 < 4) << x;
    }
}

TEST_F(Raster, ResizingKeepsThePictureAtTheUpperLeft)
{
    f.PSet(0.05, 9.95, farbe::rot);    // pixel (0, 0)
    f.PSet(19.95, 0.05, farbe::blau);  // pixel (199, 99)
    f.systemfarben_setzen(0x010203, 0);
    f.groesse_setzen(300, 150);
    EXPECT_EQ(px(0, 0), rot);
    EXPECT_EQ(px(199, 99), blau);
    EXPECT_EQ(anzahl(weiss), 200 * 100 - 2);
    EXPECT_EQ(anzahl(0xFF010203u), 300 * 150 - 200 * 100);  // the new area, in the background colour
    EXPECT_EQ(px(200, 99), 0xFF010203u);
    EXPECT_EQ(px(199, 100), 0xFF010203u);
    // The map follows the new size at once, for the next redraw.
    EXPECT_DOUBLE_EQ(f.welt(300, 150).x, 20);

    f.groesse_setzen(100, 50);
    EXPECT_EQ(px(0, 0), rot);
    EXPECT_EQ(anzahl(weiss), 100 * 50 - 1);
    // Wider again within the block it has: every row moves to its new place.
    f.PSet(19.9, 0.1, farbe::blau);  // pixel (99, 49)
    f.groesse_setzen(150, 60);
    EXPECT_EQ(px(0, 0), rot);
    EXPECT_EQ(px(99, 49), blau);
    EXPECT_EQ(anzahl(weiss), 100 * 50 - 2);
    EXPECT_EQ(anzahl(0xFF010203u), 150 * 60 - 100 * 50);
    f.groesse_setzen(0, 50);
    EXPECT_EQ(f.pixel(), nullptr);
    EXPECT_EQ(f.breite(), 0);
}

TEST(RasterGroesse, HugeClientAreasAreCappedAndShownEnlarged)
{
    Rasterbild f;
    // The window system's largest window: a picture of the largest edge, same shape.
    f.groesse_setzen(32767, 32767);
    EXPECT_EQ(f.breite(), Rasterbild::groesste_kante);
    EXPECT_EQ(f.hoehe(), Rasterbild::groesste_kante);
    EXPECT_DOUBLE_EQ(f.massstab(), 8192.0 / 32767);
    f.groesse_setzen(16000, 100, 2.0);
    EXPECT_EQ(f.breite(), 8192);
    EXPECT_EQ(f.hoehe(), 51);
    EXPECT_DOUBLE_EQ(f.massstab(), 8192.0 / 16000);
    f.groesse_setzen(100, 16000, 2.0);  // the height is capped as well
    EXPECT_EQ(f.breite(), 51);
    EXPECT_EQ(f.hoehe(), 8192);
    EXPECT_DOUBLE_EQ(f.massstab(), 8192.0 / 16000);

    // A browser tab's picture, limited to 8 megapixels: a 4K screen just fits,
    // three times its pixels give a picture of the same shape within the limit.
    Rasterbild seite;
    seite.flaeche_begrenzen(8u << 20);
    seite.groesse_setzen(3840, 2160);
    EXPECT_EQ(seite.breite(), 3840);
    EXPECT_EQ(seite.hoehe(), 2160);
    seite.groesse_setzen(3840, 2160, 3.0);
    EXPECT_LE(seite.breite() * seite.hoehe(), 8 << 20);
    EXPECT_EQ(seite.breite(), 3861);
    EXPECT_EQ(seite.hoehe(), 2172);

    f.groesse_setzen(16384, 200);  // shown at twice the size
    f.Scale(0, 100, 200, 0);
    EXPECT_EQ(f.breite(), 8192);
    EXPECT_EQ(f.hoehe(), 100);
    // The cursor readout: logical pixels of the window, not of the picture.
    const auto mitte = f.welt(8192, 100);
    EXPECT_DOUBLE_EQ(mitte.x, 100);
    EXPECT_DOUBLE_EQ(mitte.y, 50);
    const auto ecke = f.welt(16384, 200);
    EXPECT_DOUBLE_EQ(ecke.x, 200);
    EXPECT_DOUBLE_EQ(ecke.y, 0);
    // A wide line keeps its width on the screen: half as many picture pixels.
    f.DrawWidth = 8;
    f.PSet(100, 50, farbe::rot);
    EXPECT_EQ(umriss(f, rot), kasten(4094, 48, 4, 4));
}

TEST(RasterOhneBild, EmptyOrDegenerateDoesNoHarm)
{
    Rasterbild f;
    EXPECT_EQ(f.pixel(), nullptr);
    f.Cls();
    f.Scale(0, 1, 1, 0);
    f.PSet(0.5, 0.5, farbe::rot);
    f.Line(0, 0, 1, 1, farbe::rot);
    f.DrawWidth = 8;
    f.Line(0, 0, 0, 0, farbe::rot);
    f.Print("H");
    EXPECT_EQ(f.pixel(), nullptr);

    f.groesse_setzen(10, 10);
    EXPECT_THROW(f.Scale(0, 1, 0, 0), Laufzeitfehler);
    EXPECT_THROW(f.Scale(0, 1, std::numeric_limits<double>::infinity(), 0), Laufzeitfehler);
    // The last good scale still holds.
    f.DrawWidth = 1;
    f.PSet(0.05, 0.95, farbe::rot);
    EXPECT_EQ(pixel(f, 0, 0), rot);

    f.fenster_setzen(14190, 9550, 2);
    EXPECT_EQ(f.Width(), 14190);
    EXPECT_EQ(f.Height(), 9550);
    EXPECT_EQ(f.WindowState(), 2);
}

namespace {

// Records what the front end is asked to draw as text.
class Textprotokoll : public Rasterbild {
public:
    struct Auftrag {
        std::string text;
        double x, y;
        std::uint32_t rgb;
    };
    std::vector<Auftrag> auftraege;

protected:
    void text_zeichnen(const std::string& text, double x, double y, std::uint32_t rgb) override
    {
        auftraege.push_back({text, x, y, rgb});
    }
};

}  // namespace

TEST(RasterText, PrintHandsTheFrontEndLogicalPixelsAndTheColour)
{
    Textprotokoll f;
    f.groesse_setzen(200, 100, 2.0);
    f.Scale(0, 10, 20, 0);
    f.ForeColor = farbe::schaltflaechentext;
    f.CurrentX = 5;
    f.CurrentY = 5;
    f.Print("H'");
    ASSERT_EQ(f.auftraege.size(), 1u);
    EXPECT_EQ(f.auftraege[0].text, "H'");
    EXPECT_DOUBLE_EQ(f.auftraege[0].x, 50);
    EXPECT_DOUBLE_EQ(f.auftraege[0].y, 50);
    EXPECT_EQ(f.auftraege[0].rgb, schwarz);
    EXPECT_EQ(f.CurrentX, 5);

    // Nothing to draw, or nowhere to be seen: the front end is not asked.
    f.Print("");
    f.CurrentX = std::numeric_limits<double>::quiet_NaN();
    f.Print("F");
    f.CurrentX = 1e300;
    f.Print("F");
    EXPECT_EQ(f.auftraege.size(), 1u);
}
