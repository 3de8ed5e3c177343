// The imaging mode: object, image, construction rays, and the ray fan from
// the object tip.

#include "szene_hilfe.h"

#include "exakter_strahl.h"

#include <random>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using Abbildung = Szene;

struct Abbildungsformular : TestFormular {
    Mitschnitt s;
    Abbildungsformular()
    {
        fokus = False;
        abbildung = True;
    }
    Zeichenflaeche& flaeche() override { return s; }
    std::vector<Aufruf> linien(Farbe farbe, int stil) const
    {
        std::vector<Aufruf> r;
        for (const Aufruf& a : s.aufrufe) {
            if (a.art == Aufruf::Line && a.farbe == farbe && a.stil == stil) {
                r.push_back(a);
            }
        }
        return r;
    }
    std::vector<Aufruf> gruen() const
    {
        std::vector<Aufruf> r;
        for (const Aufruf& a : s.aufrufe) {
            if (a.art == Aufruf::Line && a.farbe == farbe::dunkelgruen) {
                r.push_back(a);
            }
        }
        return r;
    }
    std::vector<std::vector<Punkt>> faecher() const { return strahlen(ohne_umriss(s.punkte)); }
};

void linie_ist(const Aufruf& l, double x1, double y1, double x2, double y2, double toleranz = 1e-3)
{
    EXPECT_NEAR(l.x1, x1, toleranz);
    EXPECT_NEAR(l.y1, y1, toleranz);
    EXPECT_NEAR(l.x2, x2, toleranz);
    EXPECT_NEAR(l.y2, y2, toleranz);
}

std::vector<std::string> texte(const Abbildungsformular& form)
{
    std::vector<std::string> t;
    for (const Aufruf& a : form.s.aufrufe) {
        if (a.art == Aufruf::Print) {
            t.push_back(a.text);
        }
    }
    return t;
}

bool hat_text(const Abbildungsformular& form, const std::string& text)
{
    const auto t = texte(form);
    return std::find(t.begin(), t.end(), text) != t.end();
}

TEST_F(Abbildung, ReellesBildMitKonstruktion)
{
    Abbildungsformular form;
    Form_Resize(form);
    EXPECT_FALSE(form.virtuell);

    const auto g = form.gruen();
    ASSERT_EQ(g.size(), 6u);
    linie_ist(g[0], 0, -20, 0, 20);
    EXPECT_EQ(g[0].stil, strich_punkt_punkt);
    EXPECT_EQ(g[0].breite, 1);
    linie_ist(g[1], 0, 0, 0, 10);
    EXPECT_EQ(g[1].breite, 2);
    linie_ist(g[2], 0, 10, 0, 10);
    EXPECT_EQ(g[2].breite, 8);

    const double bild_ort = 185.0533, bild_h = -28.5609, x_rand = 155.2693;
    linie_ist(g[3], bild_ort, -20, bild_ort, 20);
    EXPECT_EQ(g[3].stil, strich_punkt_punkt);
    linie_ist(g[4], bild_ort, bild_h, bild_ort, 0);
    EXPECT_EQ(g[4].breite, 2);
    EXPECT_EQ(g[4].stil, gestrichelt);
    linie_ist(g[5], bild_ort, bild_h, bild_ort, bild_h);
    EXPECT_EQ(g[5].breite, 8);
    // object distance from H and image distance from H'
    EXPECT_NEAR(m.xH1 - m.obj_ort, 46.9718, 1e-4);
    EXPECT_NEAR(g[3].x1 - m.xH2, 134.1557, 1e-4);

    // The image tip lies below the frame: the parallel ray only.
    const auto k = form.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 2u);
    linie_ist(k[0], 0, 10, m.xH2, 10);
    linie_ist(k[1], m.xH2, 10, x_rand, -20, 1e-4);
    for (const Aufruf& l : k) {
        EXPECT_EQ(l.breite, 1);
    }

    // Without "Lichtstrahlen" the construction is all.
    EXPECT_TRUE(form.faecher().empty());
    EXPECT_EQ(form.s.DrawStyle, gepunktet);

    // The image lies beyond max x: one line above the frame says where,
    // ending at the frame's right end.
    const std::string hinweis = "Bild bei x = 185,05 (au\u00dferhalb)";
    ASSERT_TRUE(hat_text(form, hinweis));
    for (const Aufruf& a : form.s.aufrufe) {
        if (a.art == Aufruf::Print && a.text == hinweis) {
            EXPECT_NEAR(a.x1 + form.s.TextWidth(hinweis), 150, 1e-9);
            EXPECT_GT(a.y1, 24.5);
        }
    }
    // Inside the range but taller than the frame, its height is named.
    m.Nmax = 200;
    Abbildungsformular hoch;
    Form_Resize(hoch);
    EXPECT_TRUE(hat_text(hoch, "Bildspitze bei y = -28,56 (au\u00dferhalb)"));
    m.obj_h = 6;
    Abbildungsformular drin;
    Form_Resize(drin);
    EXPECT_EQ(texte(drin).size(), texte(hoch).size() - 1);
}

// In English the notice is the whole English sentence with a decimal
// point, still ending at the frame's right end.
TEST_F(Abbildung, HinweisAufEnglischMitDezimalpunkt)
{
    ASSERT_TRUE(sprache::waehlen("en"));
    Abbildungsformular form;
    Form_Resize(form);
    const std::string hinweis = "Image at x = 185.05 (outside)";
    ASSERT_TRUE(hat_text(form, hinweis));
    for (const Aufruf& a : form.s.aufrufe) {
        if (a.art == Aufruf::Print && a.text == hinweis) {
            EXPECT_NEAR(a.x1 + form.s.TextWidth(hinweis), 150, 1e-9);
        }
    }
}

TEST_F(Abbildung, KleinererGegenstandHatBrennpunktstrahl)
{
    m.obj_h = 6;  // image tip at about -17.14, inside the frame
    Abbildungsformular form;
    Form_Resize(form);
    const auto g = form.gruen();
    ASSERT_EQ(g.size(), 6u);
    const double bild_ort = 185.0533, bild_h = -17.1366, x_rand = 201.6568;
    linie_ist(g[4], bild_ort, bild_h, bild_ort, 0, 1e-4);
    const auto k = form.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 4u);
    linie_ist(k[1], m.xH2, 6, x_rand, -20, 1e-4);
    linie_ist(k[2], 0, 6, m.xH1, bild_h, 1e-4);
    linie_ist(k[3], m.xH1, bild_h, x_rand, bild_h, 1e-4);
    // The two construction rays meet at the image tip.
    const double t = (g[4].x1 - m.xH2) / (k[1].x2 - m.xH2);
    EXPECT_NEAR(6 + t * (-20 - 6), g[4].y1, 1e-9);
}

TEST_F(Abbildung, GegenstandImBrennpunktEndetImFaecher)
{
    // r 1 = r 2 = 26, Dicke + 8 put F at exactly 16.
    m.R1_a = m.R1_b = 26;
    m.d1_plus = 8;
    linse_berechnen();
    ASSERT_EQ(m.xF1, 16.0);
    m.obj_ort = 16;
    Abbildungsformular form;
    form.licht = 1;
    try {
        Form_Resize(form);
        FAIL() << "the object at F must end the redraw";
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.art(), Fehlerart::DivisionDurchNull);
    }
    // The rays leave parallel: no image and no notice, but a line that says
    // where the image is, and the parallel ray through F'. Then the fan ends
    // the redraw.
    EXPECT_EQ(form.virtuell_gesetzt, (std::vector<bool>{false}));
    EXPECT_EQ(form.gruen().size(), 3u);
    EXPECT_TRUE(hat_text(form, "Bild im Unendlichen"));
    const auto k = form.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 2u);
    linie_ist(k[1], m.xH2, 10, m.xF2 + (m.xF2 - m.xH2) * 2, -20, 1e-9);
    EXPECT_TRUE(form.faecher().empty());

    // Without "Lichtstrahlen" the same scene draws through.
    Abbildungsformular ohne_licht;
    ASSERT_NO_THROW(Form_Resize(ohne_licht));
    EXPECT_FALSE(ohne_licht.virtuell);
    EXPECT_TRUE(hat_text(ohne_licht, "Bild im Unendlichen"));
}

TEST_F(Abbildung, FaecherAusDerGegenstandsspitze)
{
    Abbildungsformular form;
    form.licht = 1;
    Form_Resize(form);
    const double dyF = 10 * 0.05 / m.xF1;
    EXPECT_NEAR(dyF, 0.041047, 1e-6);
    const auto f = form.faecher();
    ASSERT_EQ(f.size(), 10u);
    for (size_t k = 0; k < f.size(); ++k) {
        const Punkt& start = f[k].front();
        EXPECT_EQ(start.x, 0);
        EXPECT_NEAR(start.dy, -dyF * k / 8, 1e-12);
        EXPECT_DOUBLE_EQ(start.y, 10 + start.dy);
        EXPECT_EQ(start.farbe, farbe::rot);
    }
    // The ninth ray runs through F.
    double y_bei_F = NAN;
    for (const Punkt& p : f[8]) {
        if (std::abs(p.x - m.xF1) < 0.025) {
            y_bei_F = p.y;
        }
    }
    // The point drawn at x is the one after that step's advance.
    EXPECT_NEAR(y_bei_F, -dyF, dyF / 2);
    // The fan lies over the lens outline.
    EXPECT_LT(letzter_umrissaufruf(form.s.aufrufe), erster_strahlpunkt(form.s.aufrufe));
    for (const Aufruf& a : form.s.aufrufe) {
        if (a.art == Aufruf::PSet && a.farbe != farbe::gelb) {
            ASSERT_EQ(a.breite, 1);
        }
    }
}

// Whether (x, y) lies on the line through (x1, y1) and (x2, y2).
bool auf_der_geraden(double x, double y, double x1, double y1, double x2, double y2)
{
    return std::abs((x2 - x1) * (y - y1) - (y2 - y1) * (x - x1)) < 1e-9 * std::hypot(x2 - x1, y2 - y1);
}

TEST_F(Abbildung, VirtuellesBildMitRueckverlaengerungen)
{
    m.obj_ort = 30;  // between F and the lens: a magnifying glass
    Abbildungsformular form;
    form.licht = 1;
    Form_Resize(form);
    EXPECT_TRUE(form.virtuell);
    // The virtual image, enlarged and upright, where the lens equation puts
    // it: a dashed shaft and a smaller dot than a real image's.
    const double bild_ort = 17.7609, bild_h = 19.5246;
    const auto g = form.gruen();
    ASSERT_EQ(g.size(), 5u);
    linie_ist(g[3], bild_ort, bild_h, bild_ort, 0, 1e-4);
    EXPECT_EQ(g[3].stil, gestrichelt);
    EXPECT_EQ(g[3].breite, 1);
    EXPECT_EQ(g[4].breite, 5);
    // The notice comes after the object, before the image.
    EXPECT_EQ(form.virtuell_gesetzt, (std::vector<bool>{false, true}));
    EXPECT_LT(form.virtuell_bei.back(), erster_strahlpunkt(form.s.aufrufe));

    // Both construction rays leave H' diverging; dashed back-extensions lead
    // from H' to the image tip, the parallel ray's on its line through F'.
    const auto k = form.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 4u);
    const auto r = form.linien(farbe::blau, gestrichelt);
    ASSERT_EQ(r.size(), 2u);
    linie_ist(r[0], m.xH2, 10, bild_ort, bild_h, 1e-4);
    EXPECT_TRUE(auf_der_geraden(m.xF2, 0, r[0].x1, r[0].y1, r[0].x2, r[0].y2));
    linie_ist(r[1], m.xH2, bild_h, bild_ort, bild_h, 1e-4);
    linie_ist(k[2], 30, 10, m.xH1, bild_h, 1e-4);
    EXPECT_TRUE(auf_der_geraden(m.xF1, 0, 30, 10, k[2].x2, k[2].y2));
    EXPECT_FALSE(hat_text(form, "Bild bei x = 17,76 (au\u00dferhalb)"));

    // The fan follows, from the object tip.
    const auto f = form.faecher();
    ASSERT_GE(f.size(), 9u);
    EXPECT_NEAR(f[8].front().dy, -10 * 0.05 / (30 - m.xF1), 1e-12);

    // Back in the focus mode the notice is hidden again.
    TestFormular fokus;
    Form_Resize(fokus);
    EXPECT_FALSE(fokus.virtuell);

    // A meniscus (r 2 = -60) puts the virtual image of the object at 0 left
    // of the frame, at -19.48 by a paraxial trace: the picture names it.
    m.R1_b = -60;
    m.obj_ort = 0;
    Abbildungsformular links;
    Form_Resize(links);
    EXPECT_TRUE(hat_text(links, "Bild bei x = -19,48 (au\u00dferhalb)"));
}

TEST_F(Abbildung, ZerstreuungslinseUndSehrDickeLinse)
{
    // A bi-concave lens: a reduced upright virtual image between F' and H'.
    m.R1_a = m.R1_b = -40;
    linse_berechnen();
    ASSERT_LT(f_dick(), 0);
    Abbildungsformular zerstreuend;
    Form_Resize(zerstreuend);
    EXPECT_TRUE(zerstreuend.virtuell);
    const auto g = zerstreuend.gruen();
    ASSERT_EQ(g.size(), 5u);
    EXPECT_GT(g[3].x1, m.xF2);
    EXPECT_LT(g[3].x1, m.xH2);
    EXPECT_GT(g[3].y1, 0);
    EXPECT_LT(g[3].y1, 10);
    // Behind H' the parallel ray rises away from F' to the frame's upper edge.
    const auto k = zerstreuend.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 4u);
    EXPECT_EQ(k[1].y2, 20);
    EXPECT_TRUE(auf_der_geraden(m.xF2, 0, k[1].x1, k[1].y1, k[1].x2, k[1].y2));
    EXPECT_EQ(zerstreuend.linien(farbe::blau, gestrichelt).size(), 2u);

    // Dense, very thick glass diverges (f < 0), yet its H' lies far behind
    // the lens and the rays meet behind S2: a real, upright image.
    m.R1_a = m.R1_b = 21;
    m.n1 = 8;
    m.d1_plus = 30;
    linse_berechnen();
    ASSERT_LT(f_dick(), 0);
    Abbildungsformular dick;
    Form_Resize(dick);
    EXPECT_FALSE(dick.virtuell);
    const auto d = dick.gruen();
    ASSERT_EQ(d.size(), 6u);
    EXPECT_GT(d[4].x1, m.S2);
    EXPECT_NEAR(d[4].y1, 5.8629, 1e-4);
    EXPECT_EQ(d[4].breite, 2);
}

TEST_F(Abbildung, BildOrtUndArtWieDieExakteSpur)
{
    // Random lenses of every shape and objects left of the glass: two exact
    // rays near the axis from the object's tip meet, or seem to come from
    // one point, where the picture puts the image; it is real exactly when
    // that point lies behind the lens.
    std::mt19937 zufall(23);
    std::uniform_real_distribution<double> eins(0, 1);
    const auto radius = [&] { return exakt::zufallsradius(zufall); };
    int reell = 0, virtuell = 0;
    for (int k = 0; k < 200; ++k) {
        m.R1_a = radius();
        m.R1_b = radius();
        m.n1 = 1 + 4 * eins(zufall);
        m.d1_plus = 40 * eins(zufall);
        m.X1_0 = 100;
        linse_berechnen();
        m.obj_ort = m.x_glas_links * eins(zufall);
        const exakt::Linse L = exakt::linse(m.X1_0, m.R1_a, m.R1_b, m.n1, m.d1_plus);
        const double h = 1e-3;
        const exakt::Strahl a = exakt::verfolgen(L, m.obj_ort, h, 1e-5), b = exakt::verfolgen(L, m.obj_ort, h, -1e-5);
        const double sa = a.uy / a.ux, sb = b.uy / b.ux;
        const double x = (b.y - a.y + sa * a.x - sb * b.x) / (sa - sb);
        if (!(std::abs(x - m.X1_0) < 1e4)) {
            continue;  // near the focal plane: at infinity for the picture too, or nearly
        }
        SCOPED_TRACE(testing::Message() << "r1 " << m.R1_a << ", r2 " << m.R1_b << ", n " << m.n1 << ", Dicke "
                                        << m.d1_plus << ", Gegenstand " << m.obj_ort);
        Abbildungsformular form;
        Form_Resize(form);
        EXPECT_NEAR(Messung.bild_ort, x, 1e-4 * std::max(1.0, std::abs(x - m.X1_0)));
        EXPECT_NEAR(Messung.bild_h / m.obj_h, (a.y + sa * (x - a.x)) / h, 1e-3);
        EXPECT_EQ(form.virtuell, x < m.S2);
        (form.virtuell ? virtuell : reell) += 1;
    }
    EXPECT_GT(reell, 20);
    EXPECT_GT(virtuell, 20);
}

TEST_F(Abbildung, NurMitHakenLichtstrahlen)
{
    for (int licht : {0, 2}) {
        Abbildungsformular form;
        form.licht = licht;
        Form_Resize(form);
        EXPECT_TRUE(form.faecher().empty());
        EXPECT_EQ(form.linien(farbe::blau, gepunktet).size(), 2u);
    }
}

TEST_F(Abbildung, GegenstandInDerLinseWirdSofortGebrochen)
{
    m.d1_plus = 40;  // the left vertex moves to about 22.36
    m.obj_ort = 25;
    Abbildungsformular form;
    form.licht = 1;
    Form_Resize(form);
    const auto f = form.faecher();
    ASSERT_GE(f.size(), 9u);
    for (const auto& strahl : f) {
        EXPECT_EQ(strahl.front().x, 25);
        EXPECT_EQ(strahl.front().farbe, farbe::dunkelrot);
        EXPECT_TRUE(strahl.front().gebrochen_1);
    }
}

TEST_F(Abbildung, FlacherGegenstandZeichnetNurDasBestimmte)
{
    m.obj_h = 0;
    Abbildungsformular form;
    form.licht = 1;
    ASSERT_NO_THROW(Form_Resize(form));
    const auto g = form.gruen();
    ASSERT_EQ(g.size(), 6u);
    linie_ist(g[1], 0, 0, 0, 0);
    linie_ist(g[3], 185.0533, -20, 185.0533, 20, 1e-4);
    linie_ist(g[4], 185.0533, 0, 185.0533, 0, 1e-4);
    // Only the legs that do not end at the frame edge crossing.
    const auto k = form.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 2u);
    linie_ist(k[0], 0, 0, m.xH2, 0);
    linie_ist(k[1], 0, 0, m.xH1, 0);
    // The fan shrinks to the one ray along the axis, which no surface bends.
    const auto f = form.faecher();
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].size(), 3001u);
    for (const Punkt& p : f[0]) {
        ASSERT_EQ(p.y, 0);
    }
    EXPECT_EQ(m.gebrochen_2, True);

    // A flat object at F: its image at infinity, and the one axis ray.
    m.obj_ort = m.xF1;
    Abbildungsformular imF;
    imF.licht = 1;
    ASSERT_NO_THROW(Form_Resize(imF));
    EXPECT_FALSE(imF.virtuell);
    EXPECT_TRUE(hat_text(imF, "Bild im Unendlichen"));
    EXPECT_EQ(imF.faecher().size(), 1u);
}

TEST_F(Abbildung, WinzigerGegenstandGibtRiesigeKoordinatenUnveraendert)
{
    m.obj_h = 1e-300;
    Abbildungsformular form;
    Form_Resize(form);
    const auto k = form.linien(farbe::blau, gepunktet);
    ASSERT_EQ(k.size(), 4u);
    const double x_rand = m.xF2 + (m.xF2 - m.xH2) * 20 / 1e-300;
    EXPECT_EQ(k[1].x2, x_rand);
    EXPECT_GT(k[1].x2, 1e300);
    EXPECT_EQ(k[3].x2, x_rand);
    EXPECT_EQ(k[0].y1, 1e-300);
}

TEST_F(Abbildung, UeberlaufImRandpunktBeendetDasZeichnen)
{
    m.obj_h = 1e-320;  // 20 / obj_h leaves the Double range
    Abbildungsformular form;
    EXPECT_THROW(Form_Resize(form), Laufzeitfehler);
    // Object and image stay; no construction line was drawn.
    EXPECT_EQ(form.gruen().size(), 6u);
    EXPECT_TRUE(form.linien(farbe::blau, gepunktet).empty());
}

}  // namespace
