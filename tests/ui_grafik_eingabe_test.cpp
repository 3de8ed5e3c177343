// The eight entry boxes: bounds, refusals, failures, real focus changes.
#include "ui_grafik_hilfe.h"

#include <QFocusEvent>

#include <cmath>
#include <random>

namespace {

const QString unfug = QStringLiteral("Unfug !");

using Eingabe = Hauptfenster;

TEST_F(Eingabe, RadiusThatIsNoNumberShowsUnfugAndResetsTheBox)
{
    eingeben(f->txt_R1_a, QStringLiteral("abc"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("50"));
    EXPECT_EQ(Module1.R1_a, 30.0);
    EXPECT_EQ(neu_gezeichnet(), 0);

    eingeben(f->txt_R1_b, QString());  // the empty text is no number either
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_R1_b->text(), QStringLiteral("50"));
    EXPECT_EQ(Module1.R1_b, 35.0);
}

TEST_F(Eingabe, RadiusBoundsAreExclusiveBelowInclusiveAbove)
{
    eingeben(f->txt_R1_a, QStringLiteral("20"));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("30"));
    EXPECT_EQ(neu_gezeichnet(), 0);

    eingeben(f->txt_R1_a, QStringLiteral("20,001"));
    EXPECT_EQ(Module1.R1_a, 20.001);
    EXPECT_EQ(neu_gezeichnet(), 1);

    eingeben(f->txt_R1_b, QStringLiteral("10000"));
    EXPECT_EQ(Module1.R1_b, 10000.0);
    eingeben(f->txt_R1_b, QStringLiteral("10000,5"));
    EXPECT_EQ(f->txt_R1_b->text(), QStringLiteral("10000"));
    EXPECT_EQ(Module1.R1_b, 10000.0);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Eingabe, NmaxRoundsHalvesToEvenAndTestsTheUnroundedValue)
{
    eingeben(f->txt_Nmax, QStringLiteral("79"));
    EXPECT_EQ(f->txt_Nmax->text(), QStringLiteral("80"));
    EXPECT_EQ(Module1.Nmax.wert(), 150);
    EXPECT_EQ(neu_gezeichnet(), 0);
    eingeben(f->txt_Nmax, f->txt_Nmax->text());  // tabbing through again takes the 80
    EXPECT_EQ(Module1.Nmax.wert(), 80);
    EXPECT_EQ(neu_gezeichnet(), 1);

    const struct {
        const char* text;
        int nmax;
    } faelle[] = {{"150,5", 150}, {"151,5", 152}, {"80,4", 80}, {"800", 800}, {"1.5e2", 150}};
    for (const auto& fall : faelle) {
        eingeben(f->txt_Nmax, QString::fromUtf8(fall.text));
        EXPECT_EQ(Module1.Nmax.wert(), fall.nmax) << fall.text;
    }
    for (const char* text : {"79,6", "800,4"}) {
        eingeben(f->txt_Nmax, QString::fromUtf8(text));
        EXPECT_EQ(f->txt_Nmax->text(), QStringLiteral("80")) << text;
        EXPECT_EQ(Module1.Nmax.wert(), 150) << text;
        EXPECT_EQ(neu_gezeichnet(), 0) << text;
    }
    EXPECT_TRUE(meldungen.isEmpty());
    eingeben(f->txt_Nmax, QStringLiteral("x"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_Nmax->text(), QStringLiteral("80"));
    EXPECT_EQ(Module1.Nmax.wert(), 150);
}

TEST_F(Eingabe, RefractiveIndex)
{
    eingeben(f->txt_n1, QStringLiteral("25"));
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("1,5"));
    EXPECT_EQ(neu_gezeichnet(), 0);
    eingeben(f->txt_n1, QStringLiteral("20"));
    EXPECT_EQ(Module1.n1, 20.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    eingeben(f->txt_n1, QStringLiteral("0,99"));
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("20"));
    eingeben(f->txt_n1, QStringLiteral("1.5"));  // the point means the comma
    EXPECT_EQ(Module1.n1, 1.5);
    EXPECT_TRUE(meldungen.isEmpty());
    eingeben(f->txt_n1, QStringLiteral("zwei"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("1,5"));
}

TEST_F(Eingabe, IndexOneFailsInTheLensCalculation)
{
    eingeben(f->txt_n1, QStringLiteral("1"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("1"));
    EXPECT_EQ(Module1.n1, 1.0);  // stored before the failure
    EXPECT_EQ(neu_gezeichnet(), 0);
}

TEST_F(Eingabe, RedrawsWithNobodyAboveThemFailSilentlyAndTheNextEntryRedraws)
{
    eingeben(f->txt_n1, QStringLiteral("1"));
    ASSERT_EQ(meldungen.size(), 1);
    // Leaving txt_Nmax would fail in the lens calculation as well.
    f->opt_fokus->setFocus();
    meldungen.clear();
    const QImage bild = f->bild().Image().copy();

    // Mode switch and check box: every redraw fails in the lens calculation,
    // no message, the picture stays as it was.
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    EXPECT_TRUE(f->opt_abbildung->isChecked());
    QTest::mouseClick(f->chk_licht, Qt::LeftButton);
    EXPECT_EQ(f->chk_licht_Value(), 1);
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(f->bild().Image(), bild);

    // A resize, and the failure paths of the object boxes, also stay quiet;
    // the old drawing stays where it was, the new strips are background.
    f->resize(f->width() + 40, f->height() + 30);
    QCoreApplication::processEvents();
    EXPECT_TRUE(meldungen.isEmpty());
    ASSERT_EQ(f->bild().Image().size(), bild.size() + QSize(40, 30));
    EXPECT_EQ(f->bild().Image().copy(QRect(QPoint(0, 0), bild.size())), bild);
    eingeben(f->txt_ort, QStringLiteral("?"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_ort->text(), QStringLiteral("0"));
    eingeben(f->txt_X1_0, QStringLiteral("?"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_X1_0->text(), QStringLiteral("25"));
    EXPECT_EQ(Module1.X1_0, 25.0);

    eingeben(f->txt_n1, QStringLiteral("1,5"));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(neu_gezeichnet(), 1);
    EXPECT_EQ(Module1.x_span.wert(), 150);  // the redraw got past the size guard
    EXPECT_NE(f->bild().Image(), bild);
}

TEST_F(Eingabe, ObjectHeightAndPosition)
{
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    eingeben(f->txt_hoehe, QStringLiteral("19"));
    EXPECT_EQ(Module1.obj_h, 19.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    for (const char* text : {"19,5", "-1"}) {
        eingeben(f->txt_hoehe, QString::fromUtf8(text));
        EXPECT_EQ(f->txt_hoehe->text(), QStringLiteral("10")) << text;
        EXPECT_EQ(Module1.obj_h, 10.0) << text;
        EXPECT_EQ(neu_gezeichnet(), 1) << text;
    }

    eingeben(f->txt_ort, QStringLiteral("0"));
    EXPECT_EQ(Module1.obj_ort, 0.0);
    eingeben(f->txt_ort, QStringLiteral("20"));
    EXPECT_EQ(Module1.obj_ort, 20.0);
    eingeben(f->txt_ort, zahl_zu_text(Module1.S1 + 0.01));
    EXPECT_EQ(f->txt_ort->text(), QStringLiteral("0"));
    EXPECT_EQ(Module1.obj_ort, 0.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
    EXPECT_TRUE(meldungen.isEmpty());

    eingeben(f->txt_hoehe, QStringLiteral("hoch"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_hoehe->text(), QStringLiteral("10"));
    EXPECT_EQ(Module1.obj_h, 10.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
}

TEST_F(Eingabe, LensPositionKeepsTheLeftVertexRightOfTwo)
{
    const QString m = QStringLiteral("9,63932022500211");
    for (const char* text : {"0", "2000"}) {
        eingeben(f->txt_X1_0, QString::fromUtf8(text));
        EXPECT_EQ(f->txt_X1_0->text(), m) << text;
        EXPECT_NEAR(Module1.X1_0, 32 - std::sqrt(500.0), 1e-12) << text;
        EXPECT_NEAR(Module1.S1, 2.0, 1e-12) << text;
        EXPECT_EQ(neu_gezeichnet(), 1) << text;
        eingeben(f->txt_X1_0, QStringLiteral("50"));
    }
    eingeben(f->txt_X1_0, QStringLiteral("9,64"));
    EXPECT_EQ(Module1.X1_0, 9.64);
    eingeben(f->txt_X1_0, QStringLiteral("1000"));
    EXPECT_EQ(Module1.X1_0, 1000.0);
    EXPECT_TRUE(meldungen.isEmpty());

    // The text written back reads as the value now in effect, also when
    // tabbing through it again recalculates the bound from the moved lens.
    eingeben(f->txt_X1_0, QStringLiteral("0"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(text_zu_zahl(f->txt_X1_0->text()).value(), Module1.X1_0, 1e-14);
        EXPECT_NEAR(Module1.S1, 2.0, 1e-12);
        eingeben(f->txt_X1_0, f->txt_X1_0->text());
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Eingabe, ExtraThickness)
{
    eingeben(f->txt_d1_plus, QStringLiteral("40"));
    EXPECT_EQ(Module1.d1_plus, 40.0);
    eingeben(f->txt_d1_plus, QStringLiteral("41"));
    EXPECT_EQ(f->txt_d1_plus->text(), QStringLiteral("0"));
    EXPECT_EQ(Module1.d1_plus, 40.0);
    EXPECT_EQ(neu_gezeichnet(), 0);
    eingeben(f->txt_d1_plus, QStringLiteral("-0,1"));
    EXPECT_EQ(Module1.d1_plus, 40.0);
    eingeben(f->txt_d1_plus, QStringLiteral("1.5"));
    EXPECT_EQ(Module1.d1_plus, 1.5);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Eingabe, LeavingAnUnchangedBoxStillRecalculatesAndRedraws)
{
    eingeben(f->txt_R1_b, f->txt_R1_b->text());
    EXPECT_EQ(Module1.R1_b, 35.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
}

TEST_F(Eingabe, OnlyMovingTheFocusToAnotherControlEndsTheEntry)
{
    f->txt_R1_a->setText(QStringLiteral("abc"));
    for (Qt::FocusReason grund : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent aus(QEvent::FocusOut, grund);
        QApplication::sendEvent(f->txt_R1_a, &aus);
    }
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("abc"));

    QFocusEvent per_maus(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(f->txt_R1_a, &per_maus);
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("50"));
}

TEST_F(Eingabe, ClickingAnotherControlEndsTheEntry)
{
    f->txt_d1_plus->setFocus(Qt::TabFocusReason);
    f->txt_d1_plus->setText(QStringLiteral("12"));
    QTest::mouseClick(f->chk_licht, Qt::LeftButton);
    EXPECT_EQ(Module1.d1_plus, 12.0);
    EXPECT_TRUE(f->chk_licht->hasFocus());
}

TEST_F(Eingabe, RandomTextsKeepEveryVariableInItsRange)
{
    std::mt19937 zufall(20070201);
    QLineEdit* boxen[] = {f->txt_X1_0, f->txt_R1_a, f->txt_R1_b, f->txt_n1,
                          f->txt_Nmax, f->txt_d1_plus, f->txt_ort, f->txt_hoehe};
    void (frm_grafik::*handler[])() = {&frm_grafik::txt_X1_0_LostFocus, &frm_grafik::txt_R1_a_LostFocus,
                                       &frm_grafik::txt_R1_b_LostFocus, &frm_grafik::txt_n1_LostFocus,
                                       &frm_grafik::txt_Nmax_LostFocus, &frm_grafik::txt_d1_plus_LostFocus,
                                       &frm_grafik::txt_ort_LostFocus,  &frm_grafik::txt_hoehe_LostFocus};
    const char* muell[] = {"", " ", "abc", "1,2,3", "nan", "inf", "1e999", "-", ",", "12abc", "Ω", "1e-999",
                           "0", "1", "20", "40", "80", "800", "10000", "-1e6", "1e308"};
    std::uniform_int_distribution<int> wahl(0, 7);
    std::uniform_int_distribution<int> art(0, 3);
    std::uniform_int_distribution<int> muell_wahl(0, std::size(muell) - 1);
    std::uniform_real_distribution<double> nah(-50, 1100);
    std::uniform_real_distribution<double> weit(-1e5, 1e5);

    // The normal run tries 2500 inputs; bench/robustheit.sh asks for many more.
    const int anzahl = qEnvironmentVariableIntValue("VANDREL_ZUFALL_ANZAHL") > 0
                           ? qEnvironmentVariableIntValue("VANDREL_ZUFALL_ANZAHL")
                           : 2500;
    for (int i = 0; i < anzahl; ++i) {
        const int k = wahl(zufall);
        QString text;
        switch (art(zufall)) {
        case 0: text = QString::fromUtf8(muell[muell_wahl(zufall)]); break;
        case 1: text = zahl_zu_text(nah(zufall)); break;
        case 2: text = zahl_zu_text(weit(zufall)); break;
        default: text = QString::number(nah(zufall) / 50, 'f', 3); break;  // with a point
        }
        if (i % 500 == 250) {
            (f->opt_fokus->isChecked() ? f->opt_abbildung : f->opt_fokus)->setChecked(true);
        }
        boxen[k]->setText(text);
        (f.data()->*handler[k])();

        const Module1_t& m = Module1;
        ASSERT_GT(m.R1_a, 20) << i << " " << text.toStdString();
        ASSERT_LE(m.R1_a, 10000);
        ASSERT_GT(m.R1_b, 20);
        ASSERT_LE(m.R1_b, 10000);
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
    for (const QString& text : meldungen) {
        EXPECT_EQ(text, unfug);
    }
    EXPECT_FALSE(meldungen.isEmpty());
}

}  // namespace
