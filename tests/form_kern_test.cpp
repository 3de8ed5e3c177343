// The window core's mode switches, readout and commands.
#include "form_hilfe.h"

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

}  // namespace
