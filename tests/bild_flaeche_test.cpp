// The image surface: mapping, exact pixels, widths, patterns, clipping, text.
#include "render/bild_flaeche.h"

#include "lens/fehler.h"

#include <QFontMetricsF>
#include <QRect>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr QRgb weiss = 0xFFFFFFFF;
constexpr QRgb schwarz = 0xFF000000;

// 200 x 100 pixels, world x 0..20 to the right and y 10..0 downwards: ten
// pixels per unit, pixel (i, j) covers x i/10..(i+1)/10 and y 10-j/10 down to 10-(j+1)/10.
struct Flaeche : ::testing::Test {
    BildFlaeche f;
    void SetUp() override
    {
        f.groesse_setzen(QSize(200, 100));
        f.Scale(0, 10, 20, 0);
    }
    const QImage& bild() const { return f.Image(); }
    int anzahl(QRgb farbe) const
    {
        int n = 0;
        for (int y = 0; y < bild().height(); ++y) {
            for (int x = 0; x < bild().width(); ++x) {
                n += bild().pixel(x, y) == farbe;
            }
        }
        return n;
    }
    // Bounding box of the pixels of one colour (empty when there are none).
    QRect umriss(QRgb farbe) const
    {
        QRect r;
        for (int y = 0; y < bild().height(); ++y) {
            for (int x = 0; x < bild().width(); ++x) {
                if (bild().pixel(x, y) == farbe) {
                    r |= QRect(x, y, 1, 1);
                }
            }
        }
        return r;
    }
};

}  // namespace

TEST_F(Flaeche, CornersMapBothWaysAndClsClears)
{
    EXPECT_EQ(bild().size(), QSize(200, 100));
    EXPECT_EQ(bild().format(), QImage::Format_RGB32);
    EXPECT_EQ(anzahl(weiss), 200 * 100);

    const QPointF ol = f.welt(QPointF(0, 0));
    const QPointF ur = f.welt(QPointF(200, 100));
    const QPointF mitte = f.welt(QPointF(50, 25));
    EXPECT_DOUBLE_EQ(ol.x(), 0);
    EXPECT_DOUBLE_EQ(ol.y(), 10);
    EXPECT_DOUBLE_EQ(ur.x(), 20);
    EXPECT_DOUBLE_EQ(ur.y(), 0);
    EXPECT_DOUBLE_EQ(mitte.x(), 5);
    EXPECT_DOUBLE_EQ(mitte.y(), 7.5);

    f.PSet(0.01, 9.99, farbe::rot);
    f.PSet(19.99, 0.01, farbe::blau);
    f.PSet(20, 0, farbe::gelb);  // the lower-right corner itself lies just outside
    EXPECT_EQ(bild().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(bild().pixel(199, 99), qRgb(0, 0, 255));
    EXPECT_EQ(anzahl(weiss), 200 * 100 - 2);
    EXPECT_DOUBLE_EQ(f.CurrentX, 20);
    EXPECT_DOUBLE_EQ(f.CurrentY, 0);

    f.Cls();
    EXPECT_EQ(anzahl(weiss), 200 * 100);
    EXPECT_EQ(f.CurrentX, 0);
    EXPECT_EQ(f.CurrentY, 0);
}

TEST_F(Flaeche, UpwardScaleAndDownwardScaleMirror)
{
    f.Scale(0, 0, 20, 10);  // y grows downwards now
    f.PSet(0.05, 0.05, farbe::rot);
    EXPECT_EQ(bild().pixel(0, 0), qRgb(255, 0, 0));
    f.Scale(20, 10, 0, 0);  // and x to the left
    f.PSet(0.05, 0.05, farbe::blau);
    EXPECT_EQ(bild().pixel(199, 99), qRgb(0, 0, 255));
}

TEST_F(Flaeche, PSetAndThinLinesWriteExactColours)
{
    f.PSet(5.05, 5.05, farbe::dunkelrot);
    EXPECT_EQ(bild().pixel(50, 49), qRgb(0xC0, 0, 0));
    EXPECT_EQ(anzahl(weiss), 200 * 100 - 1);

    f.Line(1.05, 2.05, 10.05, 2.05, farbe::dunkelgruen);  // row 79, x 10..100
    EXPECT_EQ(anzahl(qRgb(0, 0x80, 0)), 91);
    EXPECT_EQ(umriss(qRgb(0, 0x80, 0)), QRect(QPoint(10, 79), QPoint(100, 79)));
    EXPECT_EQ(f.CurrentX, 10.05);
    EXPECT_EQ(f.CurrentY, 2.05);

    // From the current position, 45 degrees upwards to the right: one pixel per column.
    f.Line(12.05, 4.05, farbe::gelb);
    const QRgb gelb = qRgb(255, 255, 0);
    EXPECT_EQ(anzahl(gelb), 21);
    EXPECT_EQ(bild().pixel(100, 79), gelb);
    EXPECT_EQ(bild().pixel(110, 69), gelb);
    EXPECT_EQ(bild().pixel(120, 59), gelb);
    EXPECT_EQ(f.CurrentX, 12.05);

    // Nothing blended anywhere: only the four colours drawn and white.
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb p = bild().pixel(x, y);
            EXPECT_TRUE(p == weiss || p == gelb || p == qRgb(0, 0x80, 0) || p == qRgb(0xC0, 0, 0)) << x << "," << y;
        }
    }
}

TEST_F(Flaeche, SystemColours)
{
    // Defaults: white background, black button text; ForeColor starts as the latter.
    f.Line(1.05, 5.05, 3.05, 5.05);
    EXPECT_EQ(bild().pixel(20, 49), schwarz);

    f.systemfarben_setzen(QColor(1, 2, 3), QColor(10, 20, 30));
    f.Cls();
    EXPECT_EQ(anzahl(qRgb(1, 2, 3)), 200 * 100);
    f.Line(1.05, 5.05, 3.05, 5.05);
    EXPECT_EQ(bild().pixel(20, 49), qRgb(10, 20, 30));
    f.PSet(8.05, 8.05, farbe::fensterhintergrund);
    f.PSet(8.15, 8.05, farbe::schaltflaechentext);
    f.PSet(8.25, 8.05, 0x80000008);  // any other system colour
    EXPECT_EQ(bild().pixel(80, 19), qRgb(1, 2, 3));
    EXPECT_EQ(bild().pixel(81, 19), qRgb(10, 20, 30));
    EXPECT_EQ(bild().pixel(82, 19), schwarz);
}

TEST_F(Flaeche, WideDotsAreRoundAndOfTheirDiameter)
{
    f.DrawWidth = 2;
    f.PSet(5, 5, farbe::rot);
    EXPECT_EQ(umriss(qRgb(255, 0, 0)), QRect(49, 49, 2, 2));
    EXPECT_EQ(anzahl(qRgb(255, 0, 0)), 4);

    // A zero-length line at width 8 is the arrow tip's dot.
    f.DrawWidth = 8;
    f.Line(15, 5, 15, 5, farbe::blau);
    const QRgb blau = qRgb(0, 0, 255);
    EXPECT_EQ(umriss(blau), QRect(146, 46, 8, 8));
    EXPECT_EQ(bild().pixel(146, 46), weiss);  // corners stay off: round, not square
    EXPECT_EQ(bild().pixel(153, 53), weiss);
    EXPECT_EQ(bild().pixel(146, 49), blau);
    EXPECT_EQ(bild().pixel(150, 53), blau);
    EXPECT_GT(anzahl(blau), 40);
    EXPECT_LT(anzahl(blau), 64);
    EXPECT_EQ(f.CurrentX, 15);

    f.Cls();
    f.PSet(15, 5, farbe::blau);
    EXPECT_EQ(umriss(blau), QRect(146, 46, 8, 8));
    // Shorter than anything the picture can resolve: still the dot.
    f.Cls();
    f.Line(15, 5, 15, 5 + 1e-13, farbe::blau);
    EXPECT_EQ(umriss(blau), QRect(146, 46, 8, 8));
    for (double laenge : {0.01, 0.05, 0.1, 0.2}) {  // up to two pixels: never less than the dot
        f.Cls();
        f.Line(15, 5, 15 + laenge, 5, farbe::blau);
        const QRect r = umriss(blau);
        EXPECT_GE(r.width(), 8) << laenge;
        EXPECT_LE(r.width(), 11) << laenge;
        EXPECT_EQ(r.height(), 8) << laenge;
    }
}

TEST_F(Flaeche, WideLinesAreSolidAndWide)
{
    f.DrawWidth = 2;
    f.Line(5, 2, 5, 8, farbe::blau);
    const QRect r = umriss(qRgb(0, 0, 255));
    EXPECT_EQ(r.width(), 2);
    EXPECT_GE(r.height(), 60);
    EXPECT_LE(r.height(), 62);
    // Every row of it is filled across its width.
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        EXPECT_EQ(bild().pixel(r.left(), y), qRgb(0, 0, 255));
        EXPECT_EQ(bild().pixel(r.right(), y), qRgb(0, 0, 255));
    }
}

TEST_F(Flaeche, PatternsAtWidthOneSolidAbove)
{
    auto linie = [&](int stil, int breite) {
        f.Cls();
        f.DrawStyle = stil;
        f.DrawWidth = breite;
        f.Line(0.05, 5.05, 19.95, 5.05, farbe::rot);
        QImage kopie = f.Image().copy();
        return kopie;
    };
    const QImage durchgezogen = linie(0, 1);
    const int voll = anzahl(qRgb(255, 0, 0));
    EXPECT_EQ(voll, 200);

    int an[5] = {};
    QImage muster[5];
    for (int stil : {1, 2, 4}) {
        muster[stil] = linie(stil, 1);
        an[stil] = anzahl(qRgb(255, 0, 0));
        EXPECT_GT(an[stil], voll / 4) << stil;
        EXPECT_LT(an[stil], voll) << stil;
        EXPECT_EQ(umriss(qRgb(255, 0, 0)).height(), 1);
    }
    EXPECT_NE(muster[1], muster[2]);
    EXPECT_NE(muster[1], muster[4]);
    EXPECT_NE(muster[2], muster[4]);
    // A dotted line has as many gaps as dots.
    EXPECT_EQ(an[2], 100);

    const QImage breit_voll = linie(0, 2);
    for (int stil : {1, 2, 4}) {
        EXPECT_EQ(linie(stil, 2), breit_voll) << stil;
    }
}

TEST_F(Flaeche, HugeCoordinatesAreClippedBeforeAnythingElse)
{
    const QRgb rot = qRgb(255, 0, 0);
    // Across the whole world: exactly the visible row.
    f.Line(-1e300, 5.05, 1e300, 5.05, farbe::rot);
    EXPECT_EQ(anzahl(rot), 200);
    EXPECT_EQ(umriss(rot), QRect(0, 49, 200, 1));
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
    EXPECT_EQ(umriss(rot), QRect(QPoint(50, 49), QPoint(199, 49)));
    f.Cls();
    f.Line(5.05, 5.05, 1e300, 1e300, farbe::rot);  // 45 degrees up to the right
    EXPECT_EQ(bild().pixel(60, 39), rot);
    EXPECT_EQ(bild().pixel(90, 9), rot);
    EXPECT_EQ(anzahl(rot), 50);
    f.Cls();
    f.Line(-1e300, -1e300, 5.05, 5.05, farbe::rot);  // coming from down left
    EXPECT_EQ(bild().pixel(40, 59), rot);
    EXPECT_EQ(bild().pixel(60, 39), weiss);
    EXPECT_EQ(umriss(rot), QRect(QPoint(0, 49), QPoint(50, 99)));

    // The patterned and the wide way as well.
    f.Cls();
    f.DrawStyle = gepunktet;
    f.Line(-1e300, 5.05, 1e300, 5.05, farbe::rot);
    EXPECT_EQ(anzahl(rot), 100);
    f.Cls();
    f.DrawStyle = durchgezogen;
    f.DrawWidth = 2;
    f.Line(-1e300, 5, 1e300, 5, farbe::rot);
    EXPECT_EQ(umriss(rot), QRect(0, 49, 200, 2));
    EXPECT_EQ(anzahl(rot), 400);
    f.DrawWidth = 8;
    f.Cls();
    f.Line(5, -1e300, 5, 1e300, farbe::rot);
    EXPECT_EQ(umriss(rot), QRect(46, 0, 8, 100));
    f.PSet(1e300, -1e300, farbe::rot);
    EXPECT_EQ(anzahl(rot), 800);
}

TEST_F(Flaeche, ClippingDoesNotTiltTheVisiblePart)
{
    // The same slanted line once short and once reaching 1e300: the same pixels on screen.
    f.Line(0.37, 1.13, 100.37, 31.13, farbe::rot);
    const QImage kurz = f.Image().copy();
    f.Cls();
    f.Line(0.37, 1.13, 0.37 + 1e300, 1.13 + 0.3e300, farbe::rot);
    EXPECT_EQ(f.Image(), kurz);
    f.Cls();
    f.Line(0.37 - 1e300, 1.13 - 0.3e300, 100.37, 31.13, farbe::rot);  // both ends outside, one far
    const QImage lang = f.Image().copy();
    int unterschiede = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 4; x < 200; ++x) {
            unterschiede += lang.pixel(x, y) != kurz.pixel(x, y);
        }
    }
    EXPECT_EQ(unterschiede, 0);
}

TEST_F(Flaeche, RaysToFarPointsStayOnTheirLine)
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
                if (bild().pixel(x, y) != weiss) {
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

TEST_F(Flaeche, InfinityAndNaNDoNotCrash)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    f.Line(5.05, 5.05, inf, 5.05, farbe::rot);
    EXPECT_EQ(umriss(qRgb(255, 0, 0)), QRect(QPoint(50, 49), QPoint(199, 49)));
    f.Cls();
    f.Line(nan, 5, 10, 5, farbe::rot);
    f.Line(1, 5, 10, nan, farbe::rot);
    f.PSet(nan, nan, farbe::rot);
    f.DrawWidth = 8;
    f.Line(nan, 5, 10, 5, farbe::rot);
    f.PSet(nan, 5, farbe::rot);
    f.Line(-inf, 5, inf, 5, farbe::rot);
    f.CurrentX = nan;
    f.CurrentY = 5;
    f.Print("H");
    EXPECT_EQ(anzahl(qRgb(255, 0, 0)), 200 * 8);  // only the infinite wide line
}

TEST_F(Flaeche, PrintPutsTextBelowAndRightOfTheCurrentPosition)
{
    QFont schrift;
    schrift.setPixelSize(14);
    f.schrift_setzen(schrift);
    f.ForeColor = farbe::rot;
    f.CurrentX = 5;
    f.CurrentY = 5;  // pixel (50, 50)
    f.Print("H'");
    const QFontMetricsF m(schrift, &bild());
    const QRect kasten(50, 50, static_cast<int>(std::ceil(m.horizontalAdvance("H'"))) + 1,
                       static_cast<int>(std::ceil(m.height())) + 1);
    const QRect r = umriss(qRgb(255, 0, 0));
    ASSERT_FALSE(r.isEmpty());
    EXPECT_TRUE(kasten.contains(r)) << r.x() << " " << r.y() << " " << r.width() << " " << r.height();
    EXPECT_GE(r.height(), 7);  // a capital of a 14-pixel font, not a speck
    // On a transparent background, in ForeColor alone.
    EXPECT_EQ(anzahl(qRgb(255, 0, 0)) + anzahl(weiss), 200 * 100);
    EXPECT_EQ(f.CurrentX, 5);

    // ForeColor may be a system colour.
    f.Cls();
    f.ForeColor = farbe::schaltflaechentext;
    f.CurrentX = 15;
    f.CurrentY = 9;  // pixel (150, 10)
    f.Print("F");
    const QRect s = umriss(schwarz);
    ASSERT_FALSE(s.isEmpty());
    EXPECT_GE(s.left(), 150);
    EXPECT_GE(s.top(), 10);
}

TEST_F(Flaeche, DevicePixelRatioTwoDoublesThePixels)
{
    f.groesse_setzen(QSize(200, 100), 2.0);
    EXPECT_EQ(bild().size(), QSize(400, 200));
    EXPECT_EQ(bild().devicePixelRatio(), 2.0);
    EXPECT_EQ(anzahl(weiss), 400 * 200);  // the scale survives, the picture is cleared
    const QPointF p = f.welt(QPointF(100, 50));
    EXPECT_DOUBLE_EQ(p.x(), 10);
    EXPECT_DOUBLE_EQ(p.y(), 5);

    f.PSet(5.05, 5.05, farbe::rot);  // a single device pixel
    EXPECT_EQ(bild().pixel(101, 99), qRgb(255, 0, 0));
    EXPECT_EQ(anzahl(qRgb(255, 0, 0)), 1);

    f.DrawWidth = 8;
    f.PSet(15, 5, farbe::blau);
    EXPECT_EQ(umriss(qRgb(0, 0, 255)), QRect(292, 92, 16, 16));
    f.DrawWidth = 2;
    f.Line(2, 1, 2, 9, farbe::gelb);
    EXPECT_EQ(umriss(qRgb(255, 255, 0)).width(), 4);

    // Text in logical pixels: twice as tall on the device.
    QFont schrift;
    schrift.setPixelSize(14);
    f.schrift_setzen(schrift);
    f.ForeColor = farbe::dunkelgruen;
    f.CurrentX = 1;
    f.CurrentY = 9;
    f.Print("H");
    const QRect t = umriss(qRgb(0, 0x80, 0));
    EXPECT_GE(t.top(), 20);
    EXPECT_GE(t.left(), 20);
    EXPECT_LT(t.top(), 30);
    EXPECT_GE(t.height(), 14);
}

TEST_F(Flaeche, CopiesTakenOfThePictureStayAsTheyWere)
{
    f.PSet(1, 1, farbe::rot);
    const QImage kopie = f.Image();
    f.PSet(2, 2, farbe::rot);
    f.Line(0, 5, 20, 5, farbe::blau);
    f.Cls();
    f.PSet(3, 3, farbe::rot);
    EXPECT_EQ(kopie.pixel(10, 90), qRgb(255, 0, 0));
    EXPECT_EQ(kopie.pixel(20, 80), weiss);
    EXPECT_EQ(kopie.pixel(100, 50), weiss);
    EXPECT_EQ(bild().pixel(10, 90), weiss);
    EXPECT_EQ(bild().pixel(30, 70), qRgb(255, 0, 0));
}

TEST(BildFlaecheOhneBild, EmptyOrDegenerateDoesNoHarm)
{
    BildFlaeche f;
    EXPECT_TRUE(f.Image().isNull());
    f.Cls();
    f.Scale(0, 1, 1, 0);
    f.PSet(0.5, 0.5, farbe::rot);
    f.Line(0, 0, 1, 1, farbe::rot);
    f.DrawWidth = 8;
    f.Line(0, 0, 0, 0, farbe::rot);
    f.Print("H");
    EXPECT_TRUE(f.Image().isNull());

    f.groesse_setzen(QSize(10, 10));
    EXPECT_THROW(f.Scale(0, 1, 0, 0), Laufzeitfehler);
    EXPECT_THROW(f.Scale(0, 1, std::numeric_limits<double>::infinity(), 0), Laufzeitfehler);
    // The last good scale still holds.
    f.DrawWidth = 1;
    f.PSet(0.05, 0.95, farbe::rot);
    EXPECT_EQ(f.Image().pixel(0, 0), qRgb(255, 0, 0));

    f.fenster_setzen(14190, 9550, 2);
    EXPECT_EQ(f.Width(), 14190);
    EXPECT_EQ(f.Height(), 9550);
    EXPECT_EQ(f.WindowState(), 2);
}
