// The window core's mode switches, readout and commands.
#include "form_hilfe.h"

#include "form/beispiele.h"
#include "form/beschreibung.h"
#include "form/szenenoptionen.h"
#include "lens/flaeche.h"
#include "render/messung.h"

#include <algorithm>

namespace {

using Befehle = Kern;

TEST_F(Befehle, EveryStartTextReadsAsItsStartValue)
{
    const double werte[box_anzahl] = {m.X1_0, m.R1_a, m.R1_b, m.n1, m.Nmax, m.d1_plus, m.obj_ort, m.obj_h};
    for (int i = 0; i < box_anzahl; ++i) {
        const char* text = entwurf::box(static_cast<Box>(i)).text;
        EXPECT_EQ(text_zu_zahl(text), werte[i]) << text;
    }
}

TEST_F(Befehle, ModeSwitchesSetTheObjectInputsInOrderThenRedraw)
{
    const int vorher = kern.neuzeichnungen();
    kern.opt_abbildung_Click();
    EXPECT_EQ(a.sichtbarkeit, (Texte{"txt_ort", "txt_hoehe", "lbl_objekt"}));
    EXPECT_TRUE(a.ort_sichtbar && a.hoehe_sichtbar && a.objekt_sichtbar);
    kern.opt_fokus_Click();
    EXPECT_FALSE(a.ort_sichtbar || a.hoehe_sichtbar || a.objekt_sichtbar);
    kern.chk_licht_Click();
    EXPECT_EQ(kern.neuzeichnungen(), vorher + 3);
    EXPECT_EQ(a.text(Box::ort), "0");  // the texts stay
}

TEST_F(Befehle, CursorReadout)
{
    kern.Form_MouseMove(13.2f, -2.04f);
    EXPECT_EQ(a.cursor, "x = 13,2     y = -2,0");
    kern.Form_MouseMove(std::nanf(""), 1);  // no scale yet: nothing to read
    EXPECT_EQ(a.cursor, "x = 13,2     y = -2,0");
}

TEST_F(Befehle, CopyConfirmsOnlyWhatArrived)
{
    kern.mnu_copy_Click();
    EXPECT_EQ(a.meldungen, Texte{"Grafik in Zwischenablage"});
    a.ablage_nimmt_an = false;
    a.meldungen.clear();
    kern.mnu_copy_Click();
    EXPECT_EQ(a.meldungen, Texte{"Grafik konnte nicht in die Zwischenablage gelegt werden"});
    EXPECT_EQ(a.kopiert, 2);
}

TEST_F(Befehle, InfoAndEndGoToTheWindow)
{
    kern.mnu_info_Click();
    kern.mnu_Ende_Click();
    EXPECT_EQ(a.info, 1);
    EXPECT_EQ(a.ende, 1);
}

// The scene as an address: read in take-over order, written from the scene
// the picture shows.
TEST_F(Befehle, SceneInTheAddress)
{
    const Szenenangabe s = szene_aus_adresse("?n=1%2C7&fbclid=x&r1=40&r1=4+5&abbildung&objekt-hoehe&max-x=%zz");
    ASSERT_EQ(s.werte.size(), 4u);
    EXPECT_EQ(s.werte[0].box, Box::R1_a);
    EXPECT_EQ(s.werte[0].text, "4 5");  // the last one counts, '+' is a blank
    EXPECT_EQ(s.werte[1].text, "1,7");
    EXPECT_EQ(s.werte[2].box, Box::Nmax);
    EXPECT_EQ(s.werte[2].text, "%zz");
    EXPECT_EQ(s.werte[3].box, Box::hoehe);
    EXPECT_EQ(s.werte[3].text, "");
    EXPECT_TRUE(s.abbildung);
    EXPECT_FALSE(s.strahlen);

    EXPECT_EQ(szene_als_adresse(a), "");
    eingeben(Box::R1_a, "40");
    eingeben(Box::R1_b, "\u221e");
    eingeben(Box::n1, "1.7");
    eingeben(Box::ort, "1e+1 ");
    a.abbildung = True;
    a.licht = 1;
    // Texts typed but not taken over, refused or failed, are no part of it.
    a.text(Box::X1_0) = "<b>aaa</b>";
    eingeben(Box::hoehe, "25");
    eingeben(Box::Nmax, "1");
    ASSERT_EQ(a.text(Box::Nmax), "80");
    eingeben(Box::d1_plus, "x");
    ASSERT_EQ(a.meldungen.size(), 1u);
    const std::string adresse = szene_als_adresse(a);
    EXPECT_EQ(adresse, "r1=40&r2=unendlich&n=1,7&objekt-ort=10&abbildung&strahlen");
    // Read back, it gives the same scene.
    const Szenenangabe zurueck = szene_aus_adresse(adresse);
    EXPECT_EQ(zurueck.werte.size(), 4u);
    EXPECT_EQ(zurueck.werte[1].text, "unendlich");
    // The projector view travels with it, last, and only when on.
    EXPECT_FALSE(zurueck.projektor);
    EXPECT_EQ(szene_als_adresse(a, true), adresse + "&projektor");
    EXPECT_TRUE(szene_aus_adresse(adresse + "&projektor").projektor);
}

// The switches as a click on the view's controls works them.
Szenenschalter schalter(TestAnsicht& a, GrafikKern& kern)
{
    return {[&] {
                a.abbildung = True;
                a.fokus = False;
                kern.opt_abbildung_Click();
            },
            [&] {
                a.fokus = True;
                a.abbildung = False;
                kern.opt_fokus_Click();
            },
            [&] {
                a.licht = 1;
                kern.chk_licht_Click();
            },
            [&] {
                a.licht = 0;
                kern.chk_licht_Click();
            }};
}

// Each example shows what its name promises, at the start frame, without a message.
TEST_F(Befehle, EveryExampleShowsItsLesson)
{
    const auto waehlen = [&](const char* titel) {
        const Beispiel* b = std::find_if(std::begin(beispiele), std::end(beispiele),
                                         [&](const Beispiel& x) { return std::string(x.titel) == titel; });
        EXPECT_NE(b, std::end(beispiele)) << titel;
        a.meldungen.clear();
        beispiel_waehlen(*b, a, kern, schalter(a, kern));
        EXPECT_EQ(a.meldungen, Texte{}) << titel;
        EXPECT_EQ(Messung.stand, Messung_t::Stand::gezeichnet) << titel;
        EXPECT_EQ(Messung.abbildung, a.abbildung == True) << titel;
        EXPECT_EQ(m.Nmax.wert(), 150) << titel;
    };
    const auto im_rahmen = [&] {
        return Messung.bild_ort > 0 && Messung.bild_ort < m.x_max && std::abs(Messung.bild_h) < 20;
    };
    const auto treffer = [](const std::vector<Strahlverlauf>& strahlen, auto bedingung) {
        return std::count_if(strahlen.begin(), strahlen.end(), bedingung);
    };

    waehlen("&Sammellinse mit reellem Bild");
    EXPECT_TRUE(a.abbildung == True && !Messung.virtuell && im_rahmen() && Messung.beta < 0);
    // Every ray of the fan reaches the image plane near the image's tip.
    EXPECT_EQ(treffer(Messung.strahlen, [](const Strahlverlauf& v) { return std::abs(v.y_ebene - Messung.bild_h) < 2; }),
              std::ssize(Messung.strahlen));
    EXPECT_GE(Messung.strahlen.size(), 5u);

    waehlen("&Lupe");
    EXPECT_TRUE(Messung.virtuell && im_rahmen() && a.virtuell);
    EXPECT_GT(Messung.beta, 2);
    EXPECT_TRUE(m.obj_ort > m.xF1 && m.obj_ort < m.x_glas_links);  // inside F

    waehlen("&Zerstreuungslinse");
    EXPECT_LT(f_dick(), 0);
    EXPECT_STREQ(linsenform(m.R1_a, m.R1_b), "bikonkav");
    EXPECT_TRUE(Messung.virtuell && im_rahmen());
    EXPECT_TRUE(Messung.beta > 0 && Messung.beta < 1);

    waehlen("&Plankonvexlinse");
    EXPECT_STREQ(linsenform(m.R1_a, m.R1_b), "plankonvex");
    EXPECT_EQ(a.text(Box::R1_b), "\u221e");
    EXPECT_EQ(a.fokus, True);
    EXPECT_EQ(a.licht, 1);

    waehlen("&Meniskus");
    EXPECT_STREQ(linsenform(m.R1_a, m.R1_b), "konvex-konkav (Meniskus)");

    // Thick: every ray crosses by the thick lens's F', far from the thin lens's.
    waehlen("&dicke Linse");
    EXPECT_GT(m.d1, 40);
    ASSERT_EQ(Messung.strahlen.size(), 6u);
    EXPECT_NEAR(Messung.strahlen.front().x_achse, m.xF2, 0.5);
    EXPECT_EQ(treffer(Messung.strahlen, [&](const Strahlverlauf& v) { return std::abs(v.x_achse - m.xF2) < 6; }), 6);
    EXPECT_GT(std::abs(m.xF2 - m.xF2_duenn), 10);

    waehlen("&Totalreflexion");
    EXPECT_GE(treffer(Messung.strahlen, [](const Strahlverlauf& v) { return std::isfinite(v.x_totalreflexion); }), 2);

    // Every ray crosses the axis, the farther out the earlier, the outer
    // ones well before F'.
    waehlen("sph\u00e4rische &Aberration");
    ASSERT_EQ(Messung.strahlen.size(), 6u);
    for (std::size_t i = 1; i < Messung.strahlen.size(); ++i) {
        EXPECT_LT(Messung.strahlen[i].x_achse, Messung.strahlen[i - 1].x_achse) << i;
    }
    EXPECT_LT(Messung.strahlen.front().x_achse, m.xF2);
    EXPECT_LT(Messung.strahlen.back().x_achse, m.xF2 - 10);
    EXPECT_EQ(a.fokus, True);
}

// Whatever the user changed, an example shows what it shows from the start,
// as a fresh window with its scene would.
TEST_F(Befehle, AnExampleAfterOtherChangesShowsWhatItShowsFromTheStart)
{
    const auto zustand = [](TestAnsicht& v) {
        std::string z = messbericht().text();
        for (const std::string& t : v.texte) {
            z += t + "|";
        }
        z += std::to_string(v.fokus) + std::to_string(v.abbildung) + std::to_string(v.licht) +
             std::to_string(v.ort_sichtbar) + std::to_string(v.virtuell);
        return z;
    };
    for (const Beispiel& b : beispiele) {
        Module1 = Module1_t{};
        TestAnsicht frisch;
        GrafikKern neu(frisch);
        neu.Form_Load();
        neu.neu_zeichnen();
        beispiel_waehlen(b, frisch, neu, schalter(frisch, neu));
        const std::string erwartet = zustand(frisch);

        schalter(a, kern).abbildung_waehlen();
        schalter(a, kern).strahlen_einschalten();
        for (auto [box, text] : {std::pair{Box::R1_a, "-50"}, {Box::n1, "1,7"}, {Box::Nmax, "300"},
                                 {Box::d1_plus, "5"}, {Box::X1_0, "120"}, {Box::ort, "20"}, {Box::hoehe, "15"}}) {
            eingeben(box, text);
        }
        a.text(Box::R1_b) = "x";  // typed, the box not left yet
        beispiel_waehlen(b, a, kern, schalter(a, kern));
        EXPECT_EQ(zustand(a), erwartet) << b.titel;
        EXPECT_EQ(a.meldungen, Texte{}) << b.titel;
    }
}

// The drawing in words, after each redraw: nothing left from the one before.
TEST_F(Befehle, DescriptionOfTheDrawing)
{
    const std::string brennpunkte = " Linse bikonvex. Brennpunkte der dicken Linse: F bei x = 12,2, F' bei x = 85,7.";
    EXPECT_EQ(grafik_beschreibung(), "Fokus." + brennpunkte + " Keine Lichtstrahlen gezeichnet.");
    a.licht = 1;
    kern.neu_zeichnen();
    EXPECT_EQ(grafik_beschreibung(), "Fokus." + brennpunkte + " 6 Lichtstrahlen gezeichnet.");
    a.abbildung = True;
    a.fokus = False;
    m.obj_h = 0;  // a flat object: the one ray along the axis
    kern.neu_zeichnen();
    EXPECT_EQ(grafik_beschreibung(), "Abbildung." + brennpunkte +
                                          " Gegenstand bei x = 0,0, H\u00f6he 0,0. Bild bei x = 185,1, "
                                          "au\u00dferhalb der Grafik. 1 Lichtstrahl gezeichnet.");
    eingeben(Box::ort, "30");
    EXPECT_EQ(grafik_beschreibung(), "Abbildung." + brennpunkte +
                                          " Gegenstand bei x = 30,0, H\u00f6he 0,0. Virtuelles Bild bei x = 17,8. 1 Lichtstrahl gezeichnet.");
    // A meniscus (r 2 = -60) has the virtual image of the object at 0 left
    // of the picture, at -19.48 by a paraxial trace through both surfaces.
    eingeben(Box::ort, "0");
    eingeben(Box::R1_b, "-60");
    EXPECT_NE(grafik_beschreibung().find(" Virtuelles Bild bei x = -19,5, au\u00dferhalb der Grafik."),
              std::string::npos)
        << grafik_beschreibung();
    eingeben(Box::R1_b, "35");
    a.aufzeichnung().zustand = 1;  // minimized: nothing drawn
    kern.neu_zeichnen();
    EXPECT_EQ(grafik_beschreibung(), "Keine Grafik: die Zeichenfl\u00e4che ist zu klein.");
    a.aufzeichnung().zustand = 0;
    m.n1 = 1;  // every lens calculation fails
    kern.neu_zeichnen();
    EXPECT_EQ(grafik_beschreibung(), "Die Szene l\u00e4sst sich mit diesen Werten nicht ganz zeichnen.");
    // And screen readers hear it, not what the redraw before described.
    ASSERT_FALSE(a.beschreibungen.empty());
    EXPECT_EQ(a.beschreibungen.back(), grafik_beschreibung());
}

}  // namespace
