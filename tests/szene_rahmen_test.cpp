// The first section of the redraw: recalculation, clearing, size guard,
// world scale, frame, ticks, axis and numbers.

#include "render/zahlformat.h"
#include "szene_hilfe.h"

#include <cmath>
#include <string>

namespace {

using Rahmen = Szene;

std::vector<std::string> texte(const std::vector<Aufruf>& drucke, size_t von, size_t bis)
{
    std::vector<std::string> r;
    for (size_t i = von; i < bis; ++i) {
        r.push_back(drucke[i].text);
    }
    return r;
}

TEST(Zahlformat, RundetAufGanzeZahlen)
{
    EXPECT_EQ(format_0(0), "0");
    EXPECT_EQ(format_0(27.4), "27");
    EXPECT_EQ(format_0(54.8), "55");
    EXPECT_EQ(format_0(109.6), "110");
    EXPECT_EQ(format_0(2.5), "3");
    EXPECT_EQ(format_0(-2.5), "-3");
    EXPECT_EQ(format_0(-12), "-12");
    EXPECT_EQ(format_0(-0.4), "0");
    EXPECT_EQ(format_0(32000), "32000");
}

TEST_F(Rahmen, StandardRahmenSkalaUndStriche)
{
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto& a = form.bild.aufrufe;

    ASSERT_GE(a.size(), 2u);
    EXPECT_EQ(a[0].art, Aufruf::Cls);
    ASSERT_EQ(a[1].art, Aufruf::Scale);
    EXPECT_DOUBLE_EQ(a[1].x1, -3.75);
    EXPECT_DOUBLE_EQ(a[1].y1, 30);
    EXPECT_DOUBLE_EQ(a[1].x2, 153.75);
    EXPECT_DOUBLE_EQ(a[1].y2, -22);
    EXPECT_EQ(m.x_span.wert(), 150);
    EXPECT_EQ(m.y_span.wert(), 40);
    EXPECT_EQ(form.virtuell_gesetzt, std::vector<bool>{false});
    EXPECT_FALSE(form.virtuell);

    // Frame: four lines round the rectangle, in ForeColor, solid and thin.
    const double rahmen[4][4] = {{0, -20, 0, 20}, {0, 20, 150, 20}, {150, 20, 150, -20}, {150, -20, 0, -20}};
    for (int k = 0; k < 4; ++k) {
        const Aufruf& l = a[2 + k];
        ASSERT_EQ(l.art, Aufruf::Line);
        EXPECT_EQ(l.x1, rahmen[k][0]);
        EXPECT_EQ(l.y1, rahmen[k][1]);
        EXPECT_EQ(l.x2, rahmen[k][2]);
        EXPECT_EQ(l.y2, rahmen[k][3]);
        EXPECT_EQ(l.farbe, farbe::schaltflaechentext);
        EXPECT_EQ(l.breite, 1);
        EXPECT_EQ(l.stil, 0);
    }

    // x ticks: 41 pairs every 3.75, 0.4 long, down from the lower and up from the upper edge.
    size_t i = 6;
    for (int t = 0; t <= 40; ++t, i += 2) {
        const Aufruf& unten = a[i];
        const Aufruf& oben = a[i + 1];
        EXPECT_DOUBLE_EQ(unten.x1, 3.75 * t);
        EXPECT_EQ(unten.x2, unten.x1);
        EXPECT_EQ(unten.y1, -20);
        EXPECT_DOUBLE_EQ(unten.y2, -20.4);
        EXPECT_DOUBLE_EQ(oben.x1, 3.75 * t);
        EXPECT_EQ(oben.y1, 20);
        EXPECT_DOUBLE_EQ(oben.y2, 20.4);
    }
    // y ticks: 21 pairs every 2, reaching 0.9 out from both side edges.
    for (int t = 0; t <= 20; ++t, i += 2) {
        const Aufruf& links = a[i];
        const Aufruf& rechts = a[i + 1];
        EXPECT_DOUBLE_EQ(links.y1, -20 + 2 * t);
        EXPECT_EQ(links.y2, links.y1);
        EXPECT_DOUBLE_EQ(links.x1, -0.9);
        EXPECT_EQ(links.x2, 0);
        EXPECT_DOUBLE_EQ(rechts.x1, 150.9);
        EXPECT_EQ(rechts.x2, 150);
        EXPECT_DOUBLE_EQ(rechts.y1, -20 + 2 * t);
    }
    // Axis from right to left.
    EXPECT_EQ(a[i].art, Aufruf::Line);
    EXPECT_EQ(a[i].x1, 150);
    EXPECT_EQ(a[i].x2, 0);
    EXPECT_EQ(a[i].y1, 0);
    EXPECT_EQ(a[i].y2, 0);
    EXPECT_EQ(a[i].farbe, farbe::schaltflaechentext);

    // Numbers under and beside the frame.
    const auto drucke = form.alle(Aufruf::Print);
    ASSERT_GE(drucke.size(), 12u);
    EXPECT_EQ(texte(drucke, 0, 6), (std::vector<std::string>{"0", "30", "60", "90", "120", "150"}));
    EXPECT_EQ(texte(drucke, 6, 12), (std::vector<std::string>{"-20", "-12", "-4", "4", "12", "20"}));
    for (int j = 0; j < 6; ++j) {
        EXPECT_DOUBLE_EQ(drucke[j].x1, 30 * j - 1.5);
        EXPECT_DOUBLE_EQ(drucke[j].y1, -20.8);
        EXPECT_DOUBLE_EQ(drucke[6 + j].x1, -3.45);
        EXPECT_DOUBLE_EQ(drucke[6 + j].y1, -20 + 8 * j + 0.6);
        EXPECT_EQ(drucke[j].farbe, farbe::schaltflaechentext);
    }
}

TEST_F(Rahmen, AufSchmalerFlaecheStehtJederTextGanzImBild)
{
    // A phone's drawing: 320 by 300 logical pixels, 7 pixels a character,
    // the baseline 10 below a text's top. With the controls over the top
    // margin, as designed, and with them above the drawing.
    for (const bool knapp : {false, true}) {
        TestFormular form;
        form.fokus = False;
        Aufzeichnung& f = form.bild;
        f.pixel_x = 157.5 / 320;
        f.pixel_y = 52.0 / 300;
        f.zeichenbreite = 7 * f.pixel_x;
        f.grundlinie = 10 * f.pixel_y;
        f.darstellung.kopf_knapp = knapp;
        Form_Resize(form);
        const auto skalen = form.alle(Aufruf::Scale);
        ASSERT_FALSE(skalen.empty());
        const Aufruf& s = skalen.back();
        const double wx = (s.x2 - s.x1) / 320, wy = (s.y1 - s.y2) / 300;
        const double rahmen_oben = (s.y1 - 20.4) / wy;  // the upper ticks' ends
        for (const Aufruf& d : form.alle(Aufruf::Print)) {
            const double links = (d.x1 - s.x1) / wx, oben = (s.y1 - d.y1) / wy;
            const double rechts = links + 7 * static_cast<double>(d.text.size()), grund = oben + 10;
            EXPECT_GE(links, 0) << d.text << (knapp ? " knapp" : "");
            EXPECT_LE(rechts, 320) << d.text << (knapp ? " knapp" : "");
            EXPECT_GE(oben, 0) << d.text << (knapp ? " knapp" : "");
            EXPECT_LE(grund, 300) << d.text << (knapp ? " knapp" : "");
            if (d.text.find_first_of("HF") == 0) {
                EXPECT_LE(grund, rahmen_oben) << d.text << (knapp ? " knapp" : "");
            }
        }
        // The y axis's numbers end before the frame.
        const auto drucke = form.alle(Aufruf::Print);
        ASSERT_GE(drucke.size(), 12u);
        EXPECT_LE(drucke[6].x1 + 3 * 7 * wx, 1e-9) << (knapp ? "knapp" : "");
        // Without controls over it the top margin keeps what the letters
        // need: two rows and the notice, not a quarter of the frame.
        const double oben = (s.y1 - 20) / wy, rahmen = 40 / wy;
        if (knapp) {
            EXPECT_LT(oben, 0.2 * rahmen);
        } else {
            EXPECT_GE(oben, 0.25 * rahmen);
        }
    }
}

TEST_F(Rahmen, UngeradesNmaxRundetDieZahlen)
{
    m.Nmax = 137;
    TestFormular form;
    Form_Resize(form);
    const auto drucke = form.alle(Aufruf::Print);
    EXPECT_EQ(texte(drucke, 0, 6), (std::vector<std::string>{"0", "27", "55", "82", "110", "137"}));
    EXPECT_DOUBLE_EQ(form.bild.aufrufe[6 + 2 * 1].x1, 3.425);
    EXPECT_DOUBLE_EQ(form.bild.aufrufe[6 + 2 * 40].x1, 137);
}

TEST_F(Rahmen, GroesstesNmaxPasstInDieGanzzahl)
{
    m.Nmax = 800;
    TestFormular form;
    form.licht = 1;
    EXPECT_NO_THROW(Form_Resize(form));
    EXPECT_EQ(m.x_span.wert(), 800);
    EXPECT_EQ(texte(form.alle(Aufruf::Print), 0, 6),
              (std::vector<std::string>{"0", "160", "320", "480", "640", "800"}));
    // The last ray was marched to the new right end.
    EXPECT_GT(m.xs, 800);
    EXPECT_LT(m.xs, 800.05 + 1e-6);
}

TEST_F(Rahmen, UeberlaufImStrichProduktBeendetDasZeichnenMitDemBisherigen)
{
    m.Nmax = 820;  // 40 * 820 leaves the Integer range
    TestFormular form;
    try {
        Form_Resize(form);
        FAIL() << "kein Laufzeitfehler";
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.art(), Fehlerart::GanzzahlUeberlauf);
    }
    // Cls, Scale, frame and the 40 tick pairs before the failing one stay.
    EXPECT_EQ(form.bild.aufrufe.size(), 2u + 4u + 80u);
}

TEST_F(Rahmen, GroessenschrankeZeichnetNachDemLoeschenNichts)
{
    {
        TestFormular voll;
        Form_Resize(voll);
    }
    m.Nmax = 300;
    auto pruefen = [&](TestFormular& form) {
        form.licht = 1;
        Form_Resize(form);
        ASSERT_EQ(form.bild.aufrufe.size(), 1u);
        EXPECT_EQ(form.bild.aufrufe[0].art, Aufruf::Cls);
        EXPECT_FALSE(form.virtuell);
        EXPECT_EQ(m.x_max.wert(), 300);   // the extents are set before the guard
        EXPECT_EQ(m.x_span.wert(), 150);  // the spans only by a full redraw
        EXPECT_EQ(m.y_span.wert(), 40);
    };
    TestFormular klein;
    klein.bild.zustand = 1;
    pruefen(klein);
    TestFormular schmal;
    schmal.bild.breite = 999;
    pruefen(schmal);
    TestFormular niedrig;
    niedrig.bild.hoehe = 999;
    pruefen(niedrig);

    TestFormular gerade;  // 1000 twips are enough
    gerade.bild.breite = 1000;
    gerade.bild.hoehe = 1000;
    Form_Resize(gerade);
    EXPECT_GT(gerade.bild.aufrufe.size(), 1u);
    EXPECT_EQ(m.x_span.wert(), 300);
}

TEST_F(Rahmen, FehlschlagendeLinsenrechnungLoeschtNicht)
{
    m.n1 = 1;
    TestFormular form;
    try {
        Form_Resize(form);
        FAIL() << "kein Laufzeitfehler";
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.art(), Fehlerart::DivisionDurchNull);
    }
    EXPECT_TRUE(form.bild.aufrufe.empty());
    EXPECT_TRUE(form.virtuell_gesetzt.empty());
}

}  // namespace
