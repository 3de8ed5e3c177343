// Every extreme value the entry boxes accept must redraw completely and leave
// a sane picture, in both modes with the rays on.

#include "lens/module1.h"
#include "ui/bild_flaeche.h"
#include "render/formular.h"
#include "render/messung.h"
#include "render/szene.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

class BildFormular : public Formular {
public:
    BildFlaeche bild;
    Flag fokus = True;
    int licht = 1;
    bool virtuell = false;

    BildFormular()
    {
        bild.groesse_setzen(QSize(930, 570));
        bild.fenster_setzen(930 * 15 + 240, 570 * 15 + 900, 0);
    }
    Zeichenflaeche& flaeche() override { return bild; }
    Flag opt_fokus_Value() const override { return fokus; }
    Flag opt_abbildung_Value() const override { return fokus == True ? False : True; }
    int chk_licht_Value() const override { return licht; }
    void lbl_virtuell_Visible(bool sichtbar) override { virtuell = sichtbar; }
};

int zaehle(const QImage& bild, QRgb farbe)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            n += (zeile[x] & 0xFFFFFF) == (farbe & 0xFFFFFF);
        }
    }
    return n;
}

struct Grenzfall {
    std::string name;
    std::function<void(Module1_t&)> setzen;
    bool linse_sichtbar = true;
    bool abbildung_endet = false;  // the fan's rise divides by zero
};

// A failing case reports its name, not the bytes of the struct.
void PrintTo(const Grenzfall& fall, std::ostream* aus)
{
    *aus << fall.name;
}

class Grenzwerte : public ::testing::TestWithParam<Grenzfall> {
protected:
    void SetUp() override
    {
        Module1 = Module1_t{};
        startwerte_setzen();
        GetParam().setzen(Module1);
        linse_berechnen();
    }
};

void pruefe_bild(BildFormular& form, bool linse_sichtbar)
{
    ASSERT_NO_THROW(Form_Resize(form));
    const QImage& bild = form.bild.Image();
    // The frame and its axis are there in the button-text colour (black).
    EXPECT_GT(zaehle(bild, qRgb(0, 0, 0)), 1000);
    if (linse_sichtbar) {
        EXPECT_GT(zaehle(bild, qRgb(255, 255, 0)), 20) << "no lens outline";
    }
    // Nothing was drawn with a colour the scene does not use.
    const QRgb erlaubt[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 255),
                            qRgb(255, 0, 0), qRgb(192, 0, 0), qRgb(0, 128, 0)};
    int fremd = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y) & 0xFFFFFF;
            bool bekannt = false;
            for (QRgb e : erlaubt) {
                bekannt |= p == (e & 0xFFFFFF);
            }
            fremd += !bekannt;
        }
    }
    // Text may be smoothed at its edges; lines and points never are.
    EXPECT_LT(fremd, 2000);
}

TEST_P(Grenzwerte, FokusMitStrahlen)
{
    BildFormular form;
    pruefe_bild(form, GetParam().linse_sichtbar);
    EXPECT_FALSE(form.virtuell);
}

TEST_P(Grenzwerte, AbbildungMitStrahlen)
{
    BildFormular form;
    form.fokus = False;
    if (GetParam().abbildung_endet) {
        // The redraw ends after the object and its construction; no ray is
        // drawn. The image lies at infinity, neither real nor virtual.
        EXPECT_THROW(Form_Resize(form), Laufzeitfehler);
        EXPECT_FALSE(form.virtuell);
        EXPECT_GT(zaehle(form.bild.Image(), qRgb(0, 128, 0)), 100);
        EXPECT_EQ(zaehle(form.bild.Image(), qRgb(255, 0, 0)) + zaehle(form.bild.Image(), qRgb(192, 0, 0)), 0);
        return;
    }
    pruefe_bild(form, GetParam().linse_sichtbar);
    // Inside the strip of the image the object plane is drawn in dark green.
    EXPECT_GT(zaehle(form.bild.Image(), qRgb(0, 128, 0)), 100);
    // The notice says what the values say: the image lies before the right vertex.
    EXPECT_EQ(form.virtuell, Messung.bild_ort <= Module1.S2);
}

const Grenzfall faelle[] = {
    {"RadienKnappUeberZwanzig", [](Module1_t& m) { m.R1_a = m.R1_b = 20.000001; }},
    {"RadienZehntausend", [](Module1_t& m) { m.R1_a = m.R1_b = 10000; }},
    {"LinkerRadiusKnapp", [](Module1_t& m) { m.R1_a = 20.000001; }},
    {"RechterRadiusZehntausend", [](Module1_t& m) { m.R1_b = 10000; }},
    {"BrechzahlZwanzig", [](Module1_t& m) { m.n1 = 20; }},
    {"BrechzahlKnappUeberEins", [](Module1_t& m) { m.n1 = 1.000001; }},
    {"BereichAchtzig", [](Module1_t& m) { m.Nmax = 80; }},
    {"BereichAchthundert", [](Module1_t& m) { m.Nmax = 800; }},
    {"DickeVierzig", [](Module1_t& m) { m.d1_plus = 40; }},
    {"LinseBeiTausend", [](Module1_t& m) { m.X1_0 = 1000; }, false},
    {"LinseBeiTausendBereichAchthundert", [](Module1_t& m) { m.X1_0 = 1000; m.Nmax = 800; }, false},
    {"ObjektAmScheitel",
     [](Module1_t& m) {
         linse_berechnen();
         m.obj_ort = m.S1;
     }},
    {"ObjektImBrennpunkt",
     [](Module1_t& m) {
         linse_berechnen();
         m.obj_ort = m.xF1;
     },
     true, true},
    {"HoeheNull", [](Module1_t& m) { m.obj_h = 0; }},
    {"HoeheNeunzehn", [](Module1_t& m) { m.obj_h = 19; }},
    {"WinzigeHoehe", [](Module1_t& m) { m.obj_h = 1e-300; }},
    {"KonkavKnappUeberZwanzig", [](Module1_t& m) { m.R1_a = m.R1_b = -20.000001; }},
    {"KonkavZehntausendDickeVierzig", [](Module1_t& m) { m.R1_a = m.R1_b = -10000; m.d1_plus = 40; }},
    {"MeniskusSteil", [](Module1_t& m) { m.R1_a = 20.000001; m.R1_b = -20.5; }},
    {"PlanparallelDickeVierzig", [](Module1_t& m) { m.R1_a = m.R1_b = 0; m.d1_plus = 40; }},
    {"PlankonkavBrechzahlZwanzig", [](Module1_t& m) { m.R1_a = 0; m.R1_b = -20.000001; m.n1 = 20; }},
    {"AllesZugleich",
     [](Module1_t& m) {
         m.Nmax = 800;
         m.R1_a = 20.000001;
         m.R1_b = 10000;
         m.n1 = 20;
         m.d1_plus = 40;
         m.obj_h = 19;
     }},
};

INSTANTIATE_TEST_SUITE_P(Eingaben, Grenzwerte, ::testing::ValuesIn(faelle),
                         [](const ::testing::TestParamInfo<Grenzfall>& info) { return info.param.name; });

}  // namespace
