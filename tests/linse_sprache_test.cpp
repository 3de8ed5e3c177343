#include "lens/sprache.h"
#include "render/zahlformat.h"

#include <gtest/gtest.h>

namespace {

struct Sprache : ::testing::Test {
    ~Sprache() override { sprache::waehlen("de"); }
};

TEST_F(Sprache, DieUmgebungWieGettextSieLiest)
{
    using sprache::aus_umgebung;
    EXPECT_STREQ(aus_umgebung(nullptr, nullptr, nullptr, nullptr), "de");
    EXPECT_STREQ(aus_umgebung(nullptr, nullptr, nullptr, "en_US.UTF-8"), "en");
    EXPECT_STREQ(aus_umgebung(nullptr, nullptr, nullptr, "fr_FR.UTF-8"), "de");
    // In the C locale LANGUAGE is not read, as gettext does it.
    EXPECT_STREQ(aus_umgebung("en", nullptr, nullptr, "C.UTF-8"), "de");
    EXPECT_STREQ(aus_umgebung("en", "POSIX", nullptr, "de_DE"), "de");
    // LC_ALL over LC_MESSAGES over LANG, an empty one as unset.
    EXPECT_STREQ(aus_umgebung(nullptr, "", "en_GB", "de_DE.UTF-8"), "en");
    EXPECT_STREQ(aus_umgebung(nullptr, "de_AT", "en_GB", "en_US"), "de");
    // LANGUAGE's first language there is a catalogue for.
    EXPECT_STREQ(aus_umgebung("fr:en_GB:de", nullptr, nullptr, "de_DE"), "en");
    EXPECT_STREQ(aus_umgebung("", nullptr, nullptr, "en_US"), "en");
    EXPECT_STREQ(sprache::bevorzugt("fr-CA, en-US,de"), "en");
    EXPECT_STREQ(sprache::bevorzugt("english"), "de");
}

TEST_F(Sprache, EnglischMitDezimalpunktUndPlatzhaltern)
{
    ASSERT_TRUE(sprache::waehlen("en_US.UTF-8"));
    EXPECT_STREQ(uebersetzt("Zeichenfehler"), "Drawing error");
    EXPECT_EQ(zahl_zwei_stellen(-1234.567), "-1234.57");
    // A text the catalogue does not know shows in German.
    EXPECT_STREQ(uebersetzt("kein bekannter Text"), "kein bekannter Text");
    EXPECT_EQ(uebersetzt("%2 vor %1, %3 bleibt", {"a", "b"}), "b vor a, %3 bleibt");
    EXPECT_FALSE(sprache::waehlen("fr"));
    EXPECT_STREQ(sprache::aktuell().code, "en");
    ASSERT_TRUE(sprache::waehlen("de"));
    EXPECT_STREQ(uebersetzt("Zeichenfehler"), "Zeichenfehler");
    EXPECT_EQ(zahl_eine_stelle(0.25), "0,3");
}

}  // namespace
