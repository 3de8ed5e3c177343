// The raster seen by Qt: the picture the window paints, the one the
// clipboard gets, and text in the window's font.
#include "ui/bild_flaeche.h"

#include <QFontMetricsF>
#include <QRect>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr QRgb weiss = 0xFFFFFFFF;
constexpr QRgb schwarz = 0xFF000000;

// 200 x 100 pixels, world x 0..20 to the right and y 10..0 downwards: ten pixels per unit.
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

TEST_F(Flaeche, ImageShowsTheRasterItselfAndTheCopyIsOfItsOwn)
{
    EXPECT_EQ(bild().size(), QSize(200, 100));
    EXPECT_EQ(bild().format(), QImage::Format_RGB32);
    EXPECT_EQ(bild().constBits(), reinterpret_cast<const uchar*>(f.pixel()));
    f.PSet(1.05, 8.95, farbe::rot);
    EXPECT_EQ(bild().pixel(10, 10), qRgb(255, 0, 0));

    const QImage kopie = f.kopie();
    EXPECT_NE(kopie.constBits(), bild().constBits());
    EXPECT_EQ(kopie, bild());
    f.Cls();
    f.PSet(3.05, 6.95, farbe::blau);
    EXPECT_EQ(kopie.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(kopie.pixel(30, 30), weiss);
    EXPECT_EQ(bild().pixel(10, 10), weiss);
    EXPECT_EQ(bild().pixel(30, 30), qRgb(0, 0, 255));

    // A new size moves the pixels; the picture follows them.
    f.groesse_setzen(QSize(300, 120), 2.0);
    EXPECT_EQ(bild().size(), QSize(600, 240));
    EXPECT_EQ(bild().devicePixelRatio(), 2.0);
    EXPECT_EQ(bild().constBits(), reinterpret_cast<const uchar*>(f.pixel()));
    EXPECT_EQ(bild().pixel(30, 30), qRgb(0, 0, 255));
}

TEST_F(Flaeche, PrintPutsTextBelowAndRightOfTheCurrentPosition)
{
    QFont schrift;
    schrift.setPixelSize(14);
    f.schrift_setzen(schrift);
    f.ForeColor = farbe::rot;
    f.CurrentX = 5;
    f.CurrentY = 5;  // pixel (50, 50)
    const QImage geteilt = bild();  // somebody keeping the picture must not divert the text
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

    // Nowhere to be seen: nothing drawn.
    f.Cls();
    f.CurrentX = std::numeric_limits<double>::quiet_NaN();
    f.Print("H");
    EXPECT_EQ(anzahl(weiss), 200 * 100);
}

TEST_F(Flaeche, TextAtDevicePixelRatioTwoIsTwiceAsTall)
{
    f.groesse_setzen(QSize(200, 100), 2.0);
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

TEST(BildFlaecheOhneBild, EmptyGivesANullPicture)
{
    BildFlaeche f;
    EXPECT_TRUE(f.Image().isNull());
    EXPECT_TRUE(f.kopie().isNull());
    f.Scale(0, 1, 1, 0);
    f.Print("H");
    EXPECT_TRUE(f.Image().isNull());
    f.groesse_setzen(QSize(10, 10));
    EXPECT_FALSE(f.Image().isNull());
    f.groesse_setzen(QSize(0, 10));
    EXPECT_TRUE(f.Image().isNull());
}
