// Text <-> number of the entry boxes and the cursor readout.
#include "ui/zahltext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

double lies(const char* text)
{
    const auto wert = text_zu_zahl(QString::fromUtf8(text));
    EXPECT_TRUE(wert.has_value()) << text;
    return wert.value_or(std::nan(""));
}

TEST(ZahlAusText, CommaAndPointAreBothTheDecimalSeparator)
{
    EXPECT_EQ(lies("1,5"), 1.5);
    EXPECT_EQ(lies("1.5"), 1.5);
    EXPECT_EQ(lies("150,5"), 150.5);
    EXPECT_EQ(lies(",5"), 0.5);
    EXPECT_EQ(lies("5,"), 5.0);
    EXPECT_EQ(lies("1.000"), 1.0);  // never a thousands separator
    EXPECT_EQ(lies("9,63932022500211"), 9.63932022500211);
}

TEST(ZahlAusText, SignsBlanksAndExponents)
{
    EXPECT_EQ(lies("  40  "), 40.0);
    EXPECT_EQ(lies("\t-1 "), -1.0);
    EXPECT_EQ(lies("+19"), 19.0);
    EXPECT_EQ(lies("1e3"), 1000.0);
    EXPECT_EQ(lies("2,5E-1"), 0.25);
    EXPECT_EQ(lies("1E+2"), 100.0);
    EXPECT_EQ(lies("0"), 0.0);
    EXPECT_EQ(lies("1e-999"), 0.0);  // too small is zero, not a failure
    EXPECT_EQ(lies("007"), 7.0);
}

TEST(ZahlAusText, EverythingElseIsNoNumber)
{
    const char* keine[] = {"", "   ", "abc", "nan", "NaN", "inf", "-inf", "Infinity", "1e999", "-1e400",
                           "1,2,3", "1.2.3", "1,2.3", "12abc", "abc12", "1 2", "--1", "+-1", "-", "+", ",",
                           ".", "e5", "1e", "1e+", "1e5.5", "0x10", "١٢", "五", "Ωmega", "1_000", "½",
                           "１２"};
    for (const char* text : keine) {
        EXPECT_FALSE(text_zu_zahl(QString::fromUtf8(text)).has_value()) << text;
    }
    EXPECT_FALSE(text_zu_zahl(QString(100000, QLatin1Char('9'))).has_value());
    EXPECT_FALSE(text_zu_zahl(QStringLiteral("1") + QString(70, QLatin1Char('0'))).has_value());
}

TEST(ZahlZuText, FifteenDigitsAndDecimalComma)
{
    EXPECT_EQ(zahl_zu_text(9.639320225002106), QStringLiteral("9,63932022500211"));
    EXPECT_EQ(zahl_zu_text(32 - std::sqrt(500.0)), QStringLiteral("9,6393202250021"));
    EXPECT_EQ(zahl_zu_text(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(zahl_zu_text(30), QStringLiteral("30"));
    EXPECT_EQ(zahl_zu_text(0), QStringLiteral("0"));
    EXPECT_EQ(zahl_zu_text(-0.0), QStringLiteral("0"));
    EXPECT_EQ(zahl_zu_text(-2.25), QStringLiteral("-2,25"));
    EXPECT_EQ(zahl_zu_text(10000), QStringLiteral("10000"));
    EXPECT_EQ(zahl_zu_text(0.1 + 0.2), QStringLiteral("0,3"));
}

TEST(ZahlZuText, EveryStartTextReadsAsItsValue)
{
    EXPECT_EQ(lies("50"), 50.0);
    EXPECT_EQ(lies("30"), 30.0);
    EXPECT_EQ(lies("35"), 35.0);
    EXPECT_EQ(lies("1,5"), 1.5);
    EXPECT_EQ(lies("150"), 150.0);
    EXPECT_EQ(lies("10"), 10.0);
}

TEST(ZahlZuText, WrittenValuesReadBackAsTheSameText)
{
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> mantisse(-1.0, 1.0);
    std::uniform_int_distribution<int> hochzahl(-30, 30);
    for (int i = 0; i < 5000; ++i) {
        const double wert = mantisse(zufall) * std::pow(10.0, hochzahl(zufall));
        const QString text = zahl_zu_text(wert);
        const auto zurueck = text_zu_zahl(text);
        ASSERT_TRUE(zurueck.has_value()) << text.toStdString();
        EXPECT_EQ(zahl_zu_text(*zurueck), text);
        EXPECT_NEAR(*zurueck, wert, std::fabs(wert) * 1e-14);
        EXPECT_FALSE(text.contains(QLatin1Char('.'))) << text.toStdString();
    }
}

TEST(CursorText, OneDecimalRoundedAwayFromZero)
{
    EXPECT_EQ(cursor_text(12.34f, -4.0f), QStringLiteral("x = 12,3     y = -4,0"));
    EXPECT_EQ(zahl_eine_stelle(0.25), QStringLiteral("0,3"));
    EXPECT_EQ(zahl_eine_stelle(-0.25), QStringLiteral("-0,3"));
    EXPECT_EQ(zahl_eine_stelle(149.96), QStringLiteral("150,0"));
    EXPECT_EQ(zahl_eine_stelle(0), QStringLiteral("0,0"));
    EXPECT_EQ(zahl_eine_stelle(-0.0), QStringLiteral("0,0"));
    // Left of the axis origin still shows the side it is on.
    EXPECT_EQ(zahl_eine_stelle(-0.04), QStringLiteral("-0,0"));
    EXPECT_EQ(zahl_eine_stelle(-3.75), QStringLiteral("-3,8"));
    EXPECT_EQ(zahl_eine_stelle(std::numeric_limits<double>::quiet_NaN()), QString());
}

}  // namespace
