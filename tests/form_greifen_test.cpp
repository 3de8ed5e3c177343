// The drawing taken by the hand: what a press takes hold of, the drag and
// its limits, Escape, positions that cannot be drawn, and the arrow keys.
#include "form_hilfe.h"

#include "render/messung.h"

namespace {

class Greifen : public Kern {
protected:
    void abbildung_waehlen()
    {
        a.abbildung = True;
        a.fokus = False;
        kern.opt_abbildung_Click();
    }
    // n logical pixels in world units of the recording's scale.
    double px(double n) { return n * a.aufzeichnung().pixel_x; }
    double py(double n) { return n * a.aufzeichnung().pixel_y; }
};

TEST_F(Greifen, WasDerZeigerFasst)
{
    // In the focus mode only the lens: on its glass, or as near to its
    // outline as 8 pixels.
    EXPECT_EQ(kern.griff_bei(50, 0, false), Griff::linse);
    EXPECT_EQ(kern.griff_bei(50, -19, false), Griff::linse);
    EXPECT_EQ(kern.griff_bei(m.S1 - px(7.9), 0, false), Griff::linse);
    EXPECT_EQ(kern.griff_bei(m.S1 - px(8.1), 0, false), Griff::keiner);
    EXPECT_EQ(kern.griff_bei(0, 10, false), Griff::keiner);  // where the object stands in the imaging mode
    EXPECT_FALSE(kern.Zeiger_runter(0, 10, false));

    abbildung_waehlen();
    // The tip within 8 pixels, 22 for a finger; the stem beside it; the
    // tip wins where both are near.
    EXPECT_EQ(kern.griff_bei(px(7.9), 10, false), Griff::spitze);
    EXPECT_EQ(kern.griff_bei(px(8.1), 10, false), Griff::keiner);
    EXPECT_EQ(kern.griff_bei(0, 10 + py(7.9), false), Griff::spitze);
    EXPECT_EQ(kern.griff_bei(px(21.9), 10, true), Griff::spitze);
    EXPECT_EQ(kern.griff_bei(px(22.1), 10, true), Griff::keiner);
    EXPECT_EQ(kern.griff_bei(px(7.9), 4, false), Griff::fuss);
    EXPECT_EQ(kern.griff_bei(0, -py(7.9), false), Griff::fuss);
    EXPECT_EQ(kern.griff_bei(0, -py(8.1), false), Griff::keiner);
    EXPECT_EQ(kern.griff_bei(100, 10, false), Griff::keiner);

    // The pointer shows what it would take.
    kern.Zeiger_bewegen(0, 10, false);
    EXPECT_EQ(a.zeiger, Zeigerform::offen);
    EXPECT_EQ(a.cursor, "x = 0,0     y = 10,0");
    kern.Zeiger_bewegen(100, 10, false);
    EXPECT_EQ(a.zeiger, Zeigerform::pfeil);
    ASSERT_TRUE(kern.Zeiger_runter(50, 0, false));
    EXPECT_EQ(a.zeiger, Zeigerform::greifend);
    kern.Zeiger_hoch();
    EXPECT_EQ(a.zeiger, Zeigerform::offen);

    // Nothing drawn, nothing to take.
    a.aufzeichnung().zustand = 1;
    kern.neu_zeichnen();
    EXPECT_EQ(kern.griff_bei(50, 0, false), Griff::keiner);
}

TEST_F(Greifen, ZiehenBleibtInDenBereichenDerFelder)
{
    abbildung_waehlen();
    const int beschreibungen = static_cast<int>(a.beschreibungen.size());
    // Taken a little beside the tip, which keeps its place under the pointer.
    ASSERT_TRUE(kern.Zeiger_runter(0.3, 10.2, false));
    kern.Zeiger_bewegen(20.3, 5.2, false);
    EXPECT_EQ(m.obj_ort, 20);
    EXPECT_EQ(m.obj_h, 5);
    EXPECT_EQ(a.text(Box::ort), "20");
    EXPECT_EQ(a.text(Box::hoehe), "5");
    EXPECT_EQ(Messung.szene.obj_ort, 20);  // drawn there
    // A hundredth is the grid: the box reads as a typed value would.
    kern.Zeiger_bewegen(20.3 + 1.23456, 5.2, false);
    EXPECT_EQ(a.text(Box::ort), "21,23");
    // At each limit the value stops: 0 and 19, never a flat object, never
    // over the glass.
    kern.Zeiger_bewegen(-50, 100, false);
    EXPECT_EQ(m.obj_ort, 0);
    EXPECT_EQ(m.obj_h, 19);
    kern.Zeiger_bewegen(500, -100, false);
    EXPECT_EQ(m.obj_ort, m.x_glas_links);
    EXPECT_EQ(m.obj_h, 0.1);
    EXPECT_EQ(a.text(Box::ort), zahl_zu_text(m.x_glas_links));
    EXPECT_TRUE(a.meldungen.empty());
    // Screen readers hear the scene once, when the drag ends.
    EXPECT_EQ(static_cast<int>(a.beschreibungen.size()), beschreibungen);
    kern.Zeiger_hoch();
    EXPECT_EQ(static_cast<int>(a.beschreibungen.size()), beschreibungen + 1);

    // The stem moves the place only.
    eingeben(Box::hoehe, "10");
    ASSERT_TRUE(kern.Zeiger_runter(m.obj_ort, 3, false));
    kern.Zeiger_bewegen(10, 6, false);
    EXPECT_NEAR(m.obj_ort, 10, 0.006);
    EXPECT_EQ(m.obj_h, 10);
    kern.Zeiger_hoch();

    // The lens: never over the object, at most 1000.
    const double links_der_mitte = m.X1_0 - m.x_glas_links;
    ASSERT_TRUE(kern.Zeiger_runter(m.X1_0, 0, false));
    kern.Zeiger_bewegen(-500, 0, false);
    EXPECT_DOUBLE_EQ(m.x_glas_links, m.obj_ort);
    EXPECT_EQ(a.text(Box::X1_0), zahl_zu_text(m.X1_0));
    kern.Zeiger_bewegen(5000, 0, false);
    EXPECT_EQ(m.X1_0, 1000);
    kern.Zeiger_hoch();
    // In the focus mode its leftmost glass stops at x = 2, as the box's guard.
    a.abbildung = False;
    a.fokus = True;
    kern.opt_fokus_Click();
    ASSERT_TRUE(kern.Zeiger_runter(1000, 0, false));
    kern.Zeiger_bewegen(-500, 0, false);
    EXPECT_NEAR(m.X1_0, links_der_mitte + 2, 1e-9);
    EXPECT_NEAR(m.x_glas_links, 2, 1e-9);
    kern.Zeiger_hoch();
    EXPECT_TRUE(a.meldungen.empty());
}

TEST_F(Greifen, EscapeStelltAllesWiederHer)
{
    abbildung_waehlen();
    eingeben(Box::ort, "5");
    a.text(Box::n1) = "1,7";  // typed, not yet taken over: it stays as it is
    const std::string vorher[3] = {a.text(Box::ort), a.text(Box::hoehe), a.text(Box::X1_0)};
    ASSERT_TRUE(kern.Zeiger_runter(5, 10, false));
    kern.Zeiger_bewegen(30, 15, false);
    kern.Zeiger_bewegen(31, 16, false);
    kern.Zeiger_abbrechen();
    EXPECT_EQ(m.obj_ort, 5);
    EXPECT_EQ(m.obj_h, 10);
    EXPECT_EQ(Messung.szene.obj_ort, 5);
    EXPECT_EQ(a.text(Box::ort), vorher[0]);
    EXPECT_EQ(a.text(Box::hoehe), vorher[1]);
    EXPECT_EQ(a.text(Box::n1), "1,7");
    EXPECT_EQ(kern.gegriffen(), Griff::keiner);

    ASSERT_TRUE(kern.Zeiger_runter(50, 0, false));
    kern.Zeiger_bewegen(80, 0, false);
    kern.Zeiger_abbrechen();
    EXPECT_EQ(m.X1_0, 50);
    EXPECT_EQ(a.text(Box::X1_0), vorher[2]);
    EXPECT_NEAR(m.S1, 42.3607, 5e-5);
}

TEST_F(Greifen, EineStelleOhneBildWirdUebersprungen)
{
    // r 1 = r 2 = 26 with Dicke + 8 put F at exactly x = 16; with rays on the
    // object there cannot be drawn (the fan divides by zero).
    eingeben(Box::R1_a, "26");
    eingeben(Box::R1_b, "26");
    eingeben(Box::d1_plus, "8");
    ASSERT_EQ(m.xF1, 16.0);
    a.licht = 1;
    kern.chk_licht_Click();
    abbildung_waehlen();
    ASSERT_TRUE(kern.Zeiger_runter(0, 5, false));
    kern.Zeiger_bewegen(15, 5, false);
    kern.Zeiger_bewegen(16, 5, false);
    EXPECT_EQ(m.obj_ort, 15);
    EXPECT_EQ(a.text(Box::ort), "15");
    EXPECT_EQ(Messung.stand, Messung_t::Stand::gezeichnet);
    kern.Zeiger_bewegen(17, 5, false);
    EXPECT_EQ(m.obj_ort, 17);
    kern.Zeiger_hoch();
    EXPECT_TRUE(a.meldungen.empty());
}

TEST_F(Greifen, PfeiltastenSchiebenInSchritten)
{
    // In the focus mode the arrows move the lens, left and right only.
    EXPECT_TRUE(kern.Pfeiltaste(Pfeil::rechts, false, false));
    EXPECT_EQ(m.X1_0, 51);
    EXPECT_EQ(a.text(Box::X1_0), "51");
    EXPECT_FALSE(kern.Pfeiltaste(Pfeil::hoch, false, false));
    abbildung_waehlen();
    // In the imaging mode they move the object, by 1 or with Shift by 0.1;
    // with Alt the lens.
    kern.Pfeiltaste(Pfeil::rechts, false, false);
    kern.Pfeiltaste(Pfeil::rechts, true, false);
    EXPECT_DOUBLE_EQ(m.obj_ort, 1.1);
    EXPECT_EQ(a.text(Box::ort), "1,1");
    kern.Pfeiltaste(Pfeil::runter, false, false);
    kern.Pfeiltaste(Pfeil::hoch, true, false);
    EXPECT_DOUBLE_EQ(m.obj_h, 9.1);
    kern.Pfeiltaste(Pfeil::links, false, true);
    EXPECT_EQ(m.X1_0, 50);
    // At a limit the value stops; each step is told to screen readers.
    kern.Pfeiltaste(Pfeil::links, false, false);
    kern.Pfeiltaste(Pfeil::links, false, false);
    EXPECT_EQ(m.obj_ort, 0);
    const size_t gehoert = a.beschreibungen.size();
    kern.Pfeiltaste(Pfeil::hoch, false, false);
    EXPECT_EQ(a.beschreibungen.size(), gehoert + 1);
    EXPECT_TRUE(a.meldungen.empty());
}

}  // namespace
