// The eight entry handlers: bounds, refusals, failures and their redraws.
#include "form_hilfe.h"

#include <charconv>
#include <cmath>
#include <random>

namespace {

using Eingabe = Kern;

TEST_F(Eingabe, RadiusThatIsNoNumberShowsUnfugAndResetsTheBox)
{
    eingeben(Box::R1_a, "abc");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    // The typed text stays while the message is open; the reset comes after OK.
    EXPECT_EQ(a.text_bei_meldung, Texte{"abc"});
    EXPECT_EQ(a.text(Box::R1_a), "50");
    EXPECT_EQ(m.R1_a, 30.0);
    EXPECT_EQ(neu_gezeichnet(), 0);

    eingeben(Box::R1_b, "");  // the empty text is no number either
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::R1_b), "50");
    EXPECT_EQ(m.R1_b, 35.0);
}

TEST_F(Eingabe, TheFailurePathWaitsForTheMessageToClose)
{
    // As a page's dialog does: the handler returns with the message open.
    a.meldung_spaeter = true;
    eingeben(Box::X1_0, "?");
    ASSERT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::X1_0), "?");
    EXPECT_EQ(m.X1_0, 50.0);
    EXPECT_EQ(neu_gezeichnet(), 0);
    a.ok();
    EXPECT_EQ(a.text(Box::X1_0), "25");
    EXPECT_EQ(m.X1_0, 25.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
}

TEST_F(Eingabe, RadiusBoundsAreExclusiveBelowInclusiveAbove)
{
    eingeben(Box::R1_a, "20");
    EXPECT_TRUE(a.meldungen.empty());
    EXPECT_EQ(a.text(Box::R1_a), "30");
    EXPECT_EQ(neu_gezeichnet(), 0);

    eingeben(Box::R1_a, "20,001");
    EXPECT_EQ(m.R1_a, 20.001);
    EXPECT_EQ(neu_gezeichnet(), 1);

    eingeben(Box::R1_b, "10000");
    EXPECT_EQ(m.R1_b, 10000.0);
    eingeben(Box::R1_b, "10000,5");
    EXPECT_EQ(a.text(Box::R1_b), "10000");
    EXPECT_EQ(m.R1_b, 10000.0);
    EXPECT_TRUE(a.meldungen.empty());

    // Concave radii have the same bounds; a plane surface is written "∞".
    eingeben(Box::R1_a, "-20");
    EXPECT_EQ(m.R1_a, 20.001);
    EXPECT_EQ(a.text(Box::R1_a), "20,001");
    eingeben(Box::R1_a, "-20,001");
    EXPECT_EQ(m.R1_a, -20.001);
    eingeben(Box::R1_b, "-10000,5");
    EXPECT_EQ(a.text(Box::R1_b), "10000");
    for (const char* eben : {"0", "-0", " \u221e ", "unendlich", "Unendlich", "Infinity", "INF", "-inf"}) {
        eingeben(Box::R1_b, "40");
        eingeben(Box::R1_b, eben);
        EXPECT_EQ(m.R1_b, 0.0) << eben;
        EXPECT_FALSE(std::signbit(m.R1_b)) << eben;
        EXPECT_EQ(a.text(Box::R1_b), "\u221e") << eben;
    }
    eingeben(Box::R1_a, "5");  // refused: the box shows the plane the variable holds
    eingeben(Box::R1_a, "0");
    eingeben(Box::R1_a, "5");
    EXPECT_EQ(a.text(Box::R1_a), "\u221e");
    eingeben(Box::R1_a, "unendlichkeit");
    EXPECT_EQ(a.meldungen, Texte{unfug});
}

TEST_F(Eingabe, NmaxRoundsHalvesToEvenAndTestsTheUnroundedValue)
{
    eingeben(Box::Nmax, "79");
    EXPECT_EQ(a.text(Box::Nmax), "80");
    EXPECT_EQ(m.Nmax.wert(), 150);
    EXPECT_EQ(neu_gezeichnet(), 0);
    eingeben(Box::Nmax, a.text(Box::Nmax));  // tabbing through again takes the 80
    EXPECT_EQ(m.Nmax.wert(), 80);
    EXPECT_EQ(neu_gezeichnet(), 1);

    const struct {
        const char* text;
        int nmax;
    } faelle[] = {{"150,5", 150}, {"151,5", 152}, {"80,4", 80}, {"800", 800}, {"1.5e2", 150}};
    for (const auto& fall : faelle) {
        eingeben(Box::Nmax, fall.text);
        EXPECT_EQ(m.Nmax.wert(), fall.nmax) << fall.text;
    }
    for (const char* text : {"79,6", "800,4"}) {
        eingeben(Box::Nmax, text);
        EXPECT_EQ(a.text(Box::Nmax), "80") << text;
        EXPECT_EQ(m.Nmax.wert(), 150) << text;
        EXPECT_EQ(neu_gezeichnet(), 0) << text;
    }
    EXPECT_TRUE(a.meldungen.empty());
    eingeben(Box::Nmax, "x");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::Nmax), "80");
    EXPECT_EQ(m.Nmax.wert(), 150);
}

TEST_F(Eingabe, RefractiveIndex)
{
    eingeben(Box::n1, "25");
    EXPECT_EQ(a.text(Box::n1), "1,5");
    EXPECT_EQ(neu_gezeichnet(), 0);
    eingeben(Box::n1, "20");
    EXPECT_EQ(m.n1, 20.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    eingeben(Box::n1, "0,99");
    EXPECT_EQ(a.text(Box::n1), "20");
    eingeben(Box::n1, "1.5");  // the point means the comma
    EXPECT_EQ(m.n1, 1.5);
    EXPECT_TRUE(a.meldungen.empty());
    eingeben(Box::n1, "zwei");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::n1), "1,5");
}

TEST_F(Eingabe, IndexOneFailsInTheLensCalculation)
{
    eingeben(Box::n1, "1");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::n1), "1");
    EXPECT_EQ(m.n1, 1.0);  // stored before the failure
    EXPECT_FALSE(geloescht());
}

TEST_F(Eingabe, RedrawsWithNobodyAboveThemFailSilentlyAndTheNextEntryRedraws)
{
    eingeben(Box::n1, "1");
    ASSERT_EQ(a.meldungen.size(), 1u);
    a.meldungen.clear();
    a.aufzeichnung().aufrufe.clear();

    // Mode switch, check box and resize: every redraw fails in the lens
    // calculation, no message, the picture is not even cleared.
    a.abbildung = True;
    a.fokus = False;
    kern.opt_abbildung_Click();
    a.licht = 1;
    kern.chk_licht_Click();
    kern.neu_zeichnen();
    EXPECT_TRUE(a.meldungen.empty());
    EXPECT_FALSE(geloescht());

    // The failure paths of the object boxes and the lens position stay quiet too.
    eingeben(Box::ort, "?");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::ort), "0");
    eingeben(Box::X1_0, "?");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::X1_0), "25");
    EXPECT_EQ(m.X1_0, 25.0);

    eingeben(Box::n1, "1,5");
    EXPECT_TRUE(a.meldungen.empty());
    EXPECT_EQ(neu_gezeichnet(), 1);
    EXPECT_TRUE(geloescht());
    EXPECT_EQ(m.x_span.wert(), 150);  // the redraw got past the size guard
}

TEST_F(Eingabe, ObjectHeightAndPosition)
{
    a.abbildung = True;
    a.fokus = False;
    eingeben(Box::hoehe, "19");
    EXPECT_EQ(m.obj_h, 19.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    for (const char* text : {"19,5", "-1"}) {
        eingeben(Box::hoehe, text);
        EXPECT_EQ(a.text(Box::hoehe), "10") << text;
        EXPECT_EQ(m.obj_h, 10.0) << text;
        EXPECT_EQ(neu_gezeichnet(), 1) << text;
    }

    eingeben(Box::ort, "0");
    EXPECT_EQ(m.obj_ort, 0.0);
    eingeben(Box::ort, "20");
    EXPECT_EQ(m.obj_ort, 20.0);
    eingeben(Box::ort, zahl_zu_text(m.S1 + 0.01));
    EXPECT_EQ(a.text(Box::ort), "0");
    EXPECT_EQ(m.obj_ort, 0.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    EXPECT_TRUE(a.meldungen.empty());

    // The failure path restores 10 from any other height, and draws it.
    eingeben(Box::hoehe, "5");
    ASSERT_EQ(m.obj_h, 5.0);
    eingeben(Box::hoehe, "hoch");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::hoehe), "10");
    EXPECT_EQ(m.obj_h, 10.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    bool pfeil = false;  // the shaft of the object arrow, up to height 10
    for (const Aufruf& c : a.aufzeichnung().aufrufe) {
        pfeil |= c.art == Aufruf::Line && c.farbe == 0x008000 && c.breite == 2 && c.x1 == 0 && c.y2 == 10;
    }
    EXPECT_TRUE(pfeil);
}

TEST_F(Eingabe, ObjectExactlyAtTheLeftVertexIsAccepted)
{
    // With r 1 = 25 the left vertex lies exactly at 40.
    eingeben(Box::R1_a, "25");
    ASSERT_EQ(m.S1, 40.0);
    eingeben(Box::ort, "40");
    EXPECT_EQ(m.obj_ort, 40.0);
    EXPECT_EQ(a.text(Box::ort), "40");
}

TEST_F(Eingabe, ObjectExactlyAtFFailsInTheRayFan)
{
    // r 1 = r 2 = 26 with Dicke + 8 put F at exactly 16.
    eingeben(Box::R1_a, "26");
    eingeben(Box::R1_b, "26");
    eingeben(Box::d1_plus, "8");
    ASSERT_EQ(m.xF1, 16.0);
    a.licht = 1;
    a.abbildung = True;
    a.fokus = False;
    kern.opt_abbildung_Click();
    EXPECT_TRUE(a.meldungen.empty());

    eingeben(Box::ort, "16");
    EXPECT_EQ(a.meldungen, Texte{unfug});
    EXPECT_EQ(a.text(Box::ort), "0");
    EXPECT_EQ(m.obj_ort, 0.0);
    EXPECT_EQ(neu_gezeichnet(), 2);  // the failed one, then the failure path's

    // Without an entry above it the redraw just ends. The image of an object
    // at F lies at infinity: it is neither real nor virtual.
    m.obj_ort = m.xF1;
    a.meldungen.clear();
    kern.chk_licht_Click();
    EXPECT_TRUE(a.meldungen.empty());
    EXPECT_FALSE(a.virtuell);
}

TEST_F(Eingabe, LensPositionKeepsTheLeftVertexRightOfTwo)
{
    const std::string mitte = "9,63932022500211";
    for (const char* text : {"0", "2000"}) {
        eingeben(Box::X1_0, text);
        EXPECT_EQ(a.text(Box::X1_0), mitte) << text;
        EXPECT_NEAR(m.X1_0, 32 - std::sqrt(500.0), 1e-12) << text;
        EXPECT_NEAR(m.S1, 2.0, 1e-12) << text;
        EXPECT_EQ(neu_gezeichnet(), 1) << text;
        eingeben(Box::X1_0, "50");
    }
    eingeben(Box::X1_0, "9,64");
    EXPECT_EQ(m.X1_0, 9.64);
    eingeben(Box::X1_0, "1000");
    EXPECT_EQ(m.X1_0, 1000.0);
    EXPECT_TRUE(a.meldungen.empty());

    // The lower bound itself is refused: the box is rewritten with it.
    eingeben(Box::X1_0, "50");
    const double grenze = m.X1_0 - m.S1 + 2;
    char genau[32];  // all the digits it takes to read back as exactly the bound
    *std::to_chars(genau, genau + sizeof genau - 1, grenze).ptr = '\0';
    ASSERT_EQ(text_zu_zahl(genau).value(), grenze);
    eingeben(Box::X1_0, genau);
    EXPECT_EQ(m.X1_0, grenze);
    EXPECT_EQ(a.text(Box::X1_0), zahl_zu_text(grenze));

    // The text written back reads as the value now in effect, also when
    // tabbing through it again recalculates the bound from the moved lens.
    eingeben(Box::X1_0, "0");
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(text_zu_zahl(a.text(Box::X1_0)).value(), m.X1_0, 1e-14);
        EXPECT_NEAR(m.S1, 2.0, 1e-12);
        eingeben(Box::X1_0, a.text(Box::X1_0));
    }
    EXPECT_TRUE(a.meldungen.empty());

    // A concave left surface reaches farthest left at its rim, not its
    // vertex: the rim stops at x = 2, and the object at the rim.
    eingeben(Box::R1_a, "-30");
    eingeben(Box::X1_0, "0");
    EXPECT_NEAR(m.X1_0 - m.d_rand / 2, 2.0, 1e-12);
    EXPECT_GT(m.S1, 2.0);
    eingeben(Box::X1_0, "50");
    const double rand = m.X1_0 - m.d_rand / 2;
    ASSERT_LT(rand, m.S1);
    a.abbildung = True;
    a.fokus = False;
    kern.opt_abbildung_Click();
    eingeben(Box::ort, zahl_zu_text(rand + 0.01));
    EXPECT_EQ(m.obj_ort, 0.0);
    eingeben(Box::ort, zahl_zu_text(rand - 0.01));
    EXPECT_NEAR(m.obj_ort, rand - 0.01, 1e-12);
}

TEST_F(Eingabe, ExtraThickness)
{
    eingeben(Box::d1_plus, "40");
    EXPECT_EQ(m.d1_plus, 40.0);
    eingeben(Box::d1_plus, "41");
    EXPECT_EQ(a.text(Box::d1_plus), "0");
    EXPECT_EQ(m.d1_plus, 40.0);
    EXPECT_EQ(neu_gezeichnet(), 0);
    eingeben(Box::d1_plus, "-0,1");
    EXPECT_EQ(m.d1_plus, 40.0);
    eingeben(Box::d1_plus, "1.5");
    EXPECT_EQ(m.d1_plus, 1.5);
    EXPECT_TRUE(a.meldungen.empty());
}

TEST_F(Eingabe, LeavingAnUnchangedBoxStillRecalculatesAndRedraws)
{
    eingeben(Box::R1_b, a.text(Box::R1_b));
    EXPECT_EQ(m.R1_b, 35.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    EXPECT_GE(a.gezeigt, 2);
}

// Draws nothing and keeps nothing, so that many redraws with rays stay cheap.
class Leer : public Zeichenflaeche {
public:
    double breite = 0, hoehe = 0;
    int zustand = 0;
    void Cls() override { CurrentX = CurrentY = 0; }
    void Scale(double, double, double, double) override {}
    void Line(double, double, double x2, double y2) override { CurrentX = x2, CurrentY = y2; }
    void Line(double, double, double x2, double y2, Farbe) override { CurrentX = x2, CurrentY = y2; }
    void Line(double x2, double y2, Farbe) override { CurrentX = x2, CurrentY = y2; }
    void PSet(double x, double y, Farbe) override { CurrentX = x, CurrentY = y; }
    void Print(const std::string&) override {}
    double TextWidth(const std::string&) const override { return 0; }
    double TextBaseline() const override { return 0; }
    double ScaleX(double) const override { return 0; }
    double ScaleY(double) const override { return 0; }
    double Width() const override { return breite; }
    double Height() const override { return hoehe; }
    int WindowState() const override { return zustand; }
};

TEST_F(Eingabe, RandomTextsKeepEveryVariableInItsRange)
{
    auto leer = std::make_unique<Leer>();
    Leer& flaeche = *leer;
    a.bild = std::move(leer);
    std::mt19937 zufall(20070201);
    const char* muell[] = {"", " ", "abc", "1,2,3", "nan", "inf", "1e999", "-", ",", "12abc", "Ω", "1e-999",
                           "0", "1", "20", "40", "80", "800", "10000", "-1e6", "1e308", "\u221e", "-21"};
    std::uniform_int_distribution<int> wahl(0, box_anzahl - 1);
    std::uniform_int_distribution<int> art(0, 3);
    std::uniform_int_distribution<int> muell_wahl(0, std::size(muell) - 1);
    std::uniform_real_distribution<double> nah(-50, 1100);
    std::uniform_real_distribution<double> weit(-1e5, 1e5);
    std::uniform_real_distribution<double> groesse(500, 40000);  // twips, below the size guard too

    // The normal run tries 2500 inputs; bench/robustheit.sh asks for many more.
    const char* vorgabe = std::getenv("VANDREL_ZUFALL_ANZAHL");
    const int anzahl = vorgabe != nullptr && std::atoi(vorgabe) > 0 ? std::atoi(vorgabe) : 2500;
    int meldungen = 0;
    for (int i = 0; i < anzahl; ++i) {
        const Box b = static_cast<Box>(wahl(zufall));
        std::string text;
        switch (art(zufall)) {
        case 0: text = muell[muell_wahl(zufall)]; break;
        case 1: text = zahl_zu_text(nah(zufall)); break;
        case 2: text = zahl_zu_text(weit(zufall)); break;
        default: {
            char puffer[32];
            std::snprintf(puffer, sizeof puffer, "%.3f", nah(zufall) / 50);  // with a point
            text = puffer;
        }
        }
        switch (i % 97) {
        case 10:  // a mode switch
            std::swap(a.fokus, a.abbildung);
            a.fokus == True ? kern.opt_fokus_Click() : kern.opt_abbildung_Click();
            break;
        case 40:  // the rays on or off
            a.licht = a.licht == 1 ? 0 : 1;
            kern.chk_licht_Click();
            break;
        case 70:  // the window resized, now and then minimized
            flaeche.breite = groesse(zufall);
            flaeche.hoehe = groesse(zufall);
            flaeche.zustand = i % 5 == 0 ? 1 : 0;
            kern.neu_zeichnen();
            break;
        default: break;
        }
        a.text(b) = text;
        a.meldungen.clear();
        kern.LostFocus(b);
        meldungen += static_cast<int>(a.meldungen.size());
        for (const std::string& meldung : a.meldungen) {
            ASSERT_EQ(meldung, unfug);
        }

        for (double r : {m.R1_a, m.R1_b}) {
            ASSERT_TRUE(r == 0 || (std::abs(r) > 20 && std::abs(r) <= 10000)) << i << " " << text;
        }
        ASSERT_GE(m.d1_plus, 0);
        ASSERT_LE(m.d1_plus, 40);
        ASSERT_GE(m.Nmax.wert(), 80);
        ASSERT_LE(m.Nmax.wert(), 800);
        ASSERT_GE(m.n1, 1);
        ASSERT_LE(m.n1, 20);
        ASSERT_GE(m.obj_h, 0);
        ASSERT_LE(m.obj_h, 19);
        ASSERT_TRUE(std::isfinite(m.X1_0));
        ASSERT_LE(m.X1_0, 1000);
    }
    EXPECT_GT(meldungen, 0);
}

}  // namespace
