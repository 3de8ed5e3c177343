// Text <-> number of the entry boxes and the cursor readout.
#include "form/zahltext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

double lies(const std::string& text)
{
    const auto wert = text_zu_zahl(text);
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
    EXPECT_EQ(lies("\u00a0" "40\u3000"), 40.0);  // Unicode blanks as well
    // No length limit: whatever the box holds (32767 characters) is read.
    EXPECT_EQ(lies(std::string(70, '0') + "30"), 30.0);
    EXPECT_EQ(lies(std::string(32765, '0') + "30"), 30.0);
    EXPECT_EQ(lies("0," + std::string(32764, '0') + "5"), 0.0);
}

TEST(ZahlAusText, EverythingElseIsNoNumber)
{
    const char* keine[] = {"", "   ", "abc", "nan", "NaN", "inf", "-inf", "Infinity", "1e999", "-1e400",
                           "1,2,3", "1.2.3", "1,2.3", "12abc", "abc12", "1 2", "--1", "+-1", "-", "+", ",",
                           ".", "e5", "1e", "1e+", "1e5.5", "0x10", "١٢", "五", "Ωmega", "1_000", "½",
                           "１２"};
    for (const char* text : keine) {
        EXPECT_FALSE(text_zu_zahl(text).has_value()) << text;
    }
    EXPECT_FALSE(text_zu_zahl(std::string(32767, '9')).has_value());  // too large, however long
}

TEST(ZahlZuText, FifteenDigitsAndDecimalComma)
{
    EXPECT_EQ(zahl_zu_text(9.639320225002106), std::string("9,63932022500211"));
    EXPECT_EQ(zahl_zu_text(32 - std::sqrt(500.0)), std::string("9,6393202250021"));
    EXPECT_EQ(zahl_zu_text(1.5), std::string("1,5"));
    EXPECT_EQ(zahl_zu_text(30), std::string("30"));
    EXPECT_EQ(zahl_zu_text(0), std::string("0"));
    EXPECT_EQ(zahl_zu_text(-0.0), std::string("0"));
    EXPECT_EQ(zahl_zu_text(-2.25), std::string("-2,25"));
    EXPECT_EQ(zahl_zu_text(10000), std::string("10000"));
    EXPECT_EQ(zahl_zu_text(0.1 + 0.2), std::string("0,3"));
}

TEST(ZahlZuText, WrittenValuesReadBackAsTheSameText)
{
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> mantisse(-1.0, 1.0);
    std::uniform_int_distribution<int> hochzahl(-30, 30);
    for (int i = 0; i < 5000; ++i) {
        const double wert = mantisse(zufall) * std::pow(10.0, hochzahl(zufall));
        const std::string text = zahl_zu_text(wert);
        const auto zurueck = text_zu_zahl(text);
        ASSERT_TRUE(zurueck.has_value()) << text;
        EXPECT_EQ(zahl_zu_text(*zurueck), text);
        EXPECT_NEAR(*zurueck, wert, std::fabs(wert) * 1e-14);
        EXPECT_EQ(text.find('.'), std::string::npos) << text;
    }
}

TEST(CursorText, OneDecimalRoundedAwayFromZero)
{
    EXPECT_EQ(cursor_text(12.34f, -4.0f), std::string("x = 12,3     y = -4,0"));
    EXPECT_EQ(zahl_eine_stelle(0.25), std::string("0,3"));
    EXPECT_EQ(zahl_eine_stelle(-0.25), std::string("-0,3"));
    EXPECT_EQ(zahl_eine_stelle(149.96), std::string("150,0"));
    EXPECT_EQ(zahl_eine_stelle(0), std::string("0,0"));
    EXPECT_EQ(zahl_eine_stelle(-0.0), std::string("0,0"));
    // Left of the axis origin still shows the side it is on.
    EXPECT_EQ(zahl_eine_stelle(-0.04), std::string("-0,0"));
    EXPECT_EQ(zahl_eine_stelle(-3.75), std::string("-3,8"));
    EXPECT_EQ(zahl_eine_stelle(std::numeric_limits<double>::quiet_NaN()), std::string());
    // The measured values: two decimals, and no minus on a value that rounds to zero.
    EXPECT_EQ(zahl_zwei_stellen(85.6882), "85,69");
    EXPECT_EQ(zahl_zwei_stellen(-0.004), "0,00");
    EXPECT_EQ(zahl_zwei_stellen(-0.005), "-0,01");
}

}  // namespace
