// The window core's mode switches, readout and commands.
#include "form_hilfe.h"

#include "form/beschreibung.h"
#include "form/szenenoptionen.h"

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

// The scene as an address: read in take-over order, written from the boxes.
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
    a.text(Box::R1_a) = "40";
    a.text(Box::n1) = "1,7";
    a.text(Box::ort) = "1e+1 ";
    a.abbildung = True;
    a.licht = 1;
    const std::string adresse = szene_als_adresse(a);
    EXPECT_EQ(adresse, "r1=40&n=1,7&objekt-ort=1e%2B1%20&abbildung&strahlen");
    // Read back, it gives the same texts.
    EXPECT_EQ(szene_aus_adresse(adresse).werte.back().text, "1e+1 ");
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
