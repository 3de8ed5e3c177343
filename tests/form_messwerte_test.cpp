// The measured values: what the last redraw computed and traced, grouped
// and formatted for the window, the page and --werte.
#include "form_hilfe.h"

#include "lens/sprache.h"
#include "render/kennlinie.h"
#include "render/messung.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

class Messwerte : public Kern {
protected:
    ~Messwerte() override { sprache::waehlen("de"); }
    // The cell of the row with this symbol (or this name) in the group.
    static const Messzelle& zelle(const Messbericht& b, const std::string& gruppe, const std::string& zeichen,
                                  size_t spalte = 2)
    {
        for (const Messgruppe& g : b.gruppen) {
            if (g.titel != gruppe) {
                continue;
            }
            for (const auto& z : g.zeilen) {
                if (z[1].text == zeichen || z[0].text == zeichen) {
                    return z[spalte];
                }
            }
        }
        ADD_FAILURE() << gruppe << ": " << zeichen;
        static const Messzelle keine;
        return keine;
    }
    static const Messgruppe* gruppe(const Messbericht& b, const std::string& titel)
    {
        for (const Messgruppe& g : b.gruppen) {
            if (g.titel == titel) {
                return &g;
            }
        }
        return nullptr;
    }
    void abbildung_waehlen()
    {
        a.abbildung = True;
        a.fokus = False;
        kern.opt_abbildung_Click();
    }
};

TEST_F(Messwerte, DefaultsAndTheBeamsCrossings)
{
    a.licht = 1;
    kern.chk_licht_Click();
    const Messbericht b = messbericht();
    ASSERT_TRUE(b.hinweis.empty());
    EXPECT_NEAR(zelle(b, "Dicke Linse", "f_dick").wert, 34.7906, 5e-5);
    EXPECT_NEAR(zelle(b, "Dicke Linse", "x_F'").wert, 85.6882, 5e-5);
    EXPECT_NEAR(zelle(b, "Dicke Linse", "x_F").wert, 12.1812, 5e-5);
    EXPECT_NEAR(zelle(b, "Dicke Linse", "s'_F'").wert, 29.4110, 5e-5);
    EXPECT_NEAR(zelle(b, "Dicke Linse", "s_F").wert, 30.1795, 5e-5);
    EXPECT_NEAR(zelle(b, "Linse", "d").wert, 13.9165, 5e-5);
    EXPECT_EQ(zelle(b, "Dicke Linse", "x_F'").text, "85,69");
    EXPECT_EQ(zelle(b, "Dicke Linse", "Wirkung").text, "sammelnd");
    EXPECT_EQ(gruppe(b, "Abbildung"), nullptr);
    // The thin lens of the same radii by the lensmaker's formula,
    // 1/f = (n - 1)(1/r1 + 1/r2), F before and F' behind its middle.
    const double f_duenn = 1 / (0.5 * (1.0 / 30 + 1.0 / 35));
    EXPECT_NEAR(zelle(b, "Dünne Linse", "f").wert, f_duenn, 1e-9);
    EXPECT_NEAR(zelle(b, "Dünne Linse", "x_F").wert, 50 - f_duenn, 1e-9);
    EXPECT_NEAR(zelle(b, "Dünne Linse", "x_F'").wert, 50 + f_duenn, 1e-9);

    // One row per ray, in the order drawn: heights 3 to 15 cross, 18 ends
    // in total reflection.
    const Messgruppe* s = gruppe(b, "Strahlen");
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->zeilen.size(), 6u);
    const double erwartet[5] = {85.3, 84.3, 82.5, 79.5, 74.5};
    for (int k = 0; k < 5; ++k) {
        const auto& z = s->zeilen[k];
        EXPECT_EQ(z[0].wert, 3.0 * (k + 1));
        EXPECT_NEAR(z[1].wert, erwartet[k], 0.1) << k;
        EXPECT_EQ(z[2].wert, z[1].wert - m.xF2);
    }
    // Each height belongs to the x the ray reaches it at: the crossing of
    // the height-3 ray where an exact trace has it.
    EXPECT_NEAR(s->zeilen[0][1].wert, 85.366, 0.03);
    EXPECT_EQ(s->zeilen[5][1].text, "Totalreflexion bei x = 51,80");
    // The chart shows the five crossings, not the reflected ray.
    ASSERT_TRUE(b.mit_kennlinie);
    ASSERT_EQ(b.kennlinie.punkte.size(), 5u);
    EXPECT_EQ(b.kennlinie.punkte[4].x_achse, s->zeilen[4][1].wert);

    // Tab-separated, one group after the other.
    const std::string t = b.text();
    EXPECT_EQ(t.rfind("Linse\nGröße\tZeichen\tWert\nForm\t\tbikonvex\nKrümmungsradius links\tr1\t30,00\n", 0), 0u);
    EXPECT_NE(t.find("\n\nDicke Linse\n"), std::string::npos);
    EXPECT_NE(t.find("\n18,00\tTotalreflexion bei x = 51,80\t\n"), std::string::npos);
}

TEST_F(Messwerte, RealVirtualAndDivergingImages)
{
    abbildung_waehlen();
    Messbericht b = messbericht();
    EXPECT_NEAR(zelle(b, "Abbildung", "g").wert, 46.9718, 5e-5);
    EXPECT_NEAR(zelle(b, "Abbildung", "b").wert, 134.1557, 5e-5);
    EXPECT_NEAR(zelle(b, "Abbildung", "x_B").wert, 185.0533, 5e-5);
    EXPECT_NEAR(zelle(b, "Abbildung", "y_B").wert, -28.5609, 5e-5);
    EXPECT_NEAR(zelle(b, "Abbildung", "β").wert, -2.8561, 5e-5);
    EXPECT_EQ(zelle(b, "Abbildung", "Bild").text, "reell, umgekehrt");

    // Between F and the lens: the numbers of the virtual image, upright.
    eingeben(Box::ort, "30");
    b = messbericht();
    EXPECT_TRUE(a.virtuell);
    EXPECT_NEAR(zelle(b, "Abbildung", "b").wert, -33.1367, 5e-5);
    EXPECT_NEAR(zelle(b, "Abbildung", "β").wert, 1.9525, 5e-5);
    EXPECT_NEAR(zelle(b, "Abbildung", "y_B").wert, 19.5246, 5e-5);
    EXPECT_EQ(zelle(b, "Abbildung", "Bild").text, "virtuell, aufrecht");

    // Without rays an object exactly at F is drawn; its image is at infinity.
    // r 1 = r 2 = 26 with Dicke + 8 put F at exactly 16.
    eingeben(Box::R1_a, "26");
    eingeben(Box::R1_b, "26");
    eingeben(Box::d1_plus, "8");
    eingeben(Box::ort, "16");
    b = messbericht();
    ASSERT_TRUE(b.hinweis.empty());
    EXPECT_EQ(zelle(b, "Abbildung", "b").text, "unendlich");
    EXPECT_EQ(zelle(b, "Abbildung", "Bild").text, "im Unendlichen");
    // A rounding error beside F is no image 10^17 units away.
    eingeben(Box::ort, "15,999999999999998");
    ASSERT_NE(m.obj_ort, m.xF1);
    EXPECT_EQ(zelle(messbericht(), "Abbildung", "x_B").text, "unendlich");

    // A bi-concave lens: a reduced upright virtual image.
    eingeben(Box::ort, "0");
    eingeben(Box::d1_plus, "0");
    eingeben(Box::R1_a, "-40");
    eingeben(Box::R1_b, "-40");
    b = messbericht();
    EXPECT_EQ(zelle(b, "Linse", "Form").text, "bikonkav");
    EXPECT_EQ(zelle(b, "Dicke Linse", "Wirkung").text, "zerstreuend");
    EXPECT_EQ(zelle(b, "Abbildung", "Bild").text, "virtuell, aufrecht");
    double beta = zelle(b, "Abbildung", "β").wert;
    EXPECT_GT(beta, 0);
    EXPECT_LT(beta, 1);

    // Real or virtual by where the image lies, upright or inverted by beta.
    // Dense, very thick glass diverges (f < 0) and still forms a real,
    // upright image behind S2; denser still, the image lies inside the glass,
    // where the rays leaving the lens only seem to come from: virtual, inverted.
    eingeben(Box::R1_a, "21");
    eingeben(Box::R1_b, "21");
    eingeben(Box::n1, "8");
    eingeben(Box::d1_plus, "30");
    b = messbericht();
    EXPECT_NEAR(zelle(b, "Dicke Linse", "f_dick").wert, -6.4322, 5e-5);
    EXPECT_EQ(zelle(b, "Dicke Linse", "Wirkung").text, "zerstreuend");
    EXPECT_EQ(zelle(b, "Abbildung", "Bild").text, "reell, aufrecht");
    EXPECT_NEAR(zelle(b, "Abbildung", "β").wert, 0.5863, 5e-5);
    eingeben(Box::n1, "4");
    eingeben(Box::d1_plus, "40");
    b = messbericht();
    EXPECT_GT(zelle(b, "Abbildung", "x_B").wert, m.S1);
    EXPECT_LT(zelle(b, "Abbildung", "x_B").wert, m.S2);
    EXPECT_EQ(zelle(b, "Abbildung", "Bild").text, "virtuell, umgekehrt");
    EXPECT_NEAR(zelle(b, "Abbildung", "β").wert, -2.3023, 5e-5);
}

TEST_F(Messwerte, FanRowsReadTheImagePlane)
{
    abbildung_waehlen();
    eingeben(Box::Nmax, "200");  // the image at 185 lies in the range
    a.licht = 1;
    kern.chk_licht_Click();
    const Messbericht b = messbericht();
    const Messgruppe* s = gruppe(b, "Strahlen");
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->zeilen.size(), Messung.strahlen.size());
    // The ray leaving parallel passes the image plane near the image tip,
    // a little below it (spherical aberration).
    const double bild_h = zelle(b, "Abbildung", "y_B").wert;
    EXPECT_EQ(s->zeilen[0][0].text, "0,00");
    EXPECT_NEAR(s->zeilen[0][1].wert, bild_h, 8);
    EXPECT_EQ(s->zeilen[0][2].wert, s->zeilen[0][1].wert - bild_h);
    // From parallel to 9/8 of the rise that reaches the axis at F
    // (x_F = 12.1812, the object at 0 and 10 high), in eighths.
    ASSERT_EQ(s->zeilen.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        EXPECT_NEAR(s->zeilen[k][0].wert, -k / 8.0 * 10 / 12.1812, 1e-5) << k;
    }
    EXPECT_EQ(s->zeilen[9][0].text, "-0,92");

    eingeben(Box::Nmax, "150");
    EXPECT_EQ(messbericht().gruppen.back().zeilen[0][1].text, "Bildebene (x = 185,05) nicht erreicht");
    // A virtual image has no plane the rays reach: the rows say why.
    eingeben(Box::ort, "30");
    ASSERT_TRUE(a.virtuell);
    EXPECT_EQ(messbericht().gruppen.back().zeilen[0][1].text, "kein reelles Bild");
}

TEST_F(Messwerte, TheWindowFollowsEveryRedrawUntilClosed)
{
    kern.mnu_messwerte_Click();
    EXPECT_EQ(a.messwerte_fenster, 1);
    ASSERT_EQ(a.messwerte.size(), 1u);  // the values of the picture on the screen

    eingeben(Box::R1_a, "40");
    ASSERT_EQ(a.messwerte.size(), 2u);
    EXPECT_NE(a.messwerte.back().find("r1\t40,00"), std::string::npos);

    // A failed entry that never reaches the redraw leaves the picture, and
    // the values stay those of the picture, not of the failed value.
    eingeben(Box::n1, "1");
    EXPECT_EQ(a.messwerte.size(), 2u);
    kern.mnu_messwerte_Click();
    EXPECT_NE(a.messwerte.back().find("n\t1,50"), std::string::npos);

    // A redraw that fails or draws nothing says so in one line.
    eingeben(Box::n1, "1,5");
    m.obj_ort = m.xF1;
    abbildung_waehlen();
    a.licht = 1;
    kern.chk_licht_Click();
    EXPECT_EQ(a.messwerte.back(), "Keine Messwerte: die Szene lässt sich mit diesen Werten nicht zeichnen.\n");
    a.aufzeichnung().zustand = 1;
    kern.neu_zeichnen();
    EXPECT_EQ(a.messwerte.back(),
              "Keine Messwerte: das Fenster ist minimiert oder zu klein, es ist nichts gezeichnet.\n");

    const size_t gezeigt = a.messwerte.size();
    kern.frm_messwerte_Unload();
    kern.neu_zeichnen();
    EXPECT_EQ(a.messwerte.size(), gezeigt);
}

TEST_F(Messwerte, CopyPutsTheTextAndConfirmsOnlyWhatArrived)
{
    kern.cmd_messwerte_kopieren_Click();
    EXPECT_EQ(a.ablage_text, messbericht().text());
    EXPECT_EQ(a.meldungen, Texte{"Messwerte in Zwischenablage"});
    a.ablage_nimmt_an = false;
    a.meldungen.clear();
    kern.cmd_messwerte_kopieren_Click();
    EXPECT_EQ(a.meldungen, Texte{"Messwerte konnten nicht in die Zwischenablage gelegt werden"});
}

// In English the words and the numbers are English, in the window's rows
// and in the copied table a spreadsheet in English reads; the signs stay.
TEST_F(Messwerte, InEnglishWithDecimalPoints)
{
    abbildung_waehlen();
    ASSERT_TRUE(sprache::waehlen("en"));
    const Messbericht b = messbericht();
    EXPECT_EQ(zelle(b, "Imaging", "b").text, "134.16");
    EXPECT_EQ(zelle(b, "Imaging", "Image").text, "real, inverted");
    EXPECT_EQ(zelle(b, "Lens", "Shape").text, "biconvex");
    kern.cmd_messwerte_kopieren_Click();
    EXPECT_EQ(a.ablage_text, b.text());
    EXPECT_NE(a.ablage_text.find("Thick lens\nQuantity\tSymbol\tValue\nFocal length\tf_dick\t34.79\n"),
              std::string::npos);
    EXPECT_EQ(a.meldungen, Texte{"Measurements copied to the clipboard"});
}

TEST(Kennlinie, CrossingsAsDotsAndFPrimeAsALine)
{
    Aufzeichnung f;
    Kennlinie k;
    k.xF2 = 85.6882;
    k.punkte = {{85.32, 3}, {74.54, 15}};
    kennlinie_zeichnen(f, k);
    ASSERT_FALSE(f.aufrufe.empty());
    EXPECT_EQ(f.aufrufe.front().art, Aufruf::Cls);
    int punkte = 0, f_linie = 0;
    for (const Aufruf& c : f.aufrufe) {
        if (c.art == Aufruf::Line && c.farbe == farbe::rot) {
            ++punkte;
            EXPECT_EQ(c.x1, c.x2);
            EXPECT_GT(c.breite, 1);
        }
        if (c.art == Aufruf::Line && c.farbe == farbe::blau && c.x1 == k.xF2 && c.x2 == k.xF2) {
            ++f_linie;
        }
    }
    EXPECT_EQ(punkte, 2);
    EXPECT_EQ(f_linie, 1);
    // Each dot at its crossing x, over its start height.
    std::vector<std::pair<double, double>> orte;
    for (const Aufruf& c : f.aufrufe) {
        if (c.art == Aufruf::Line && c.farbe == farbe::rot) {
            orte.emplace_back(c.x1, c.y1);
        }
    }
    EXPECT_EQ(orte, (std::vector<std::pair<double, double>>{{85.32, 3}, {74.54, 15}}));
    // The height axis has a tick and its number at 0, 6, 12 and 18, the
    // start heights' range.
    for (int y : {0, 6, 12, 18}) {
        bool strich = false, zahl = false;
        for (const Aufruf& c : f.aufrufe) {
            strich |= c.art == Aufruf::Line && c.y1 == y && c.y2 == y && c.x2 < c.x1;
            zahl |= c.art == Aufruf::Print && c.text == std::to_string(y) && std::abs(c.y1 - y) < 1;
        }
        EXPECT_TRUE(strich && zahl) << y;
    }
    // The scale holds every point and F' inside the axes.
    const Aufruf& s = f.aufrufe[1];
    ASSERT_EQ(s.art, Aufruf::Scale);
    EXPECT_LT(s.x1, 74.54);
    EXPECT_GT(s.x2, 85.6882);
}

}  // namespace
