// The entry boxes in the real window: which focus changes end an entry,
// what the boxes show, and a click that ends an entry with a message.
#include "ui_grafik_hilfe.h"

#include "ui/bild_export.h"

#include <QFocusEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString unfug = QStringLiteral("Unfug !");

using Eingabe = Hauptfenster;

TEST_F(Eingabe, TabEndsTheEntryAndTheCoreAnswers)
{
    eingeben(f->txt_R1_a, QStringLiteral("abc"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("50"));
    eingeben(f->txt_R1_a, QStringLiteral("40"));
    EXPECT_EQ(Module1.R1_a, 40.0);
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

TEST_F(Eingabe, AResizeWhileEveryRedrawFailsKeepsTheOldPicture)
{
    eingeben(f->txt_n1, QStringLiteral("1"));
    ASSERT_EQ(meldungen, QStringList{unfug});
    const QImage bild = f->bild().kopie();
    f->resize(f->width() + 40, f->height() + 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(meldungen, QStringList{unfug});
    // The old drawing stays where it was, the new strips are background.
    ASSERT_EQ(f->bild().Image().size(), bild.size() + QSize(40, 30));
    EXPECT_EQ(f->bild().Image().copy(QRect(QPoint(0, 0), bild.size())), bild);
}

TEST_F(Eingabe, TextsTheProgramWritesShowTheirBeginning)
{
    eingeben(f->txt_X1_0, QStringLiteral("2000"));
    ASSERT_EQ(f->txt_X1_0->text(), QStringLiteral("9,63932022500211"));
    EXPECT_EQ(f->txt_X1_0->cursorPosition(), 0);
    eingeben(f->txt_R1_a, QStringLiteral("20,1234567890123"));
    eingeben(f->txt_R1_a, QStringLiteral("20"));
    ASSERT_EQ(f->txt_R1_a->text(), QStringLiteral("20,1234567890123"));
    EXPECT_EQ(f->txt_R1_a->cursorPosition(), 0);
    EXPECT_EQ(f->txt_n1->cursorPosition(), 0);  // start texts as well
}

// The command line's scene goes through the controls as typing does, and the
// export without a window draws exactly the window's picture of it.
TEST_F(Eingabe, TheCommandLineTypesTheSceneInAndThePictureIsTheWindows)
{
    Befehlszeile b = befehlszeile_auswerten({QStringLiteral("vandrel"), QStringLiteral("--max-x=79"),
                                             QStringLiteral("--r1=40"), QStringLiteral("--objekt-ort=5"),
                                             QStringLiteral("--abbildung"), QStringLiteral("--strahlen")})
                         .befehl;
    f->befehlszeile_uebernehmen(b);
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_TRUE(f->opt_abbildung->isChecked());
    EXPECT_TRUE(f->txt_ort->isVisible());
    EXPECT_TRUE(f->chk_licht->isChecked());
    EXPECT_EQ(Module1.R1_a, 40.0);
    EXPECT_EQ(Module1.obj_ort, 5.0);
    EXPECT_EQ(f->txt_Nmax->text(), QStringLiteral("80"));  // refused: the range stays
    EXPECT_EQ(int(Module1.Nmax), 150);
    const QImage fenster = f->bild().kopie();

    QTemporaryDir ordner;
    b.bild = ordner.filePath(QStringLiteral("x.png"));
    b.groesse = f->bereich()->size();
    ASSERT_EQ(bild_exportieren(b), QString());
    EXPECT_EQ(QImage(b.bild).convertToFormat(fenster.format()), fenster);

    // A value that fails shows its message over the window, as typed.
    f->befehlszeile_uebernehmen(befehlszeile_auswerten({QStringLiteral("vandrel"), QStringLiteral("--n=1")}).befehl);
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("1"));
}

// With real mouse events and the real message box: the click on a button
// that ends an entry with "Unfug !" is finished after OK.
TEST_F(Eingabe, AClickThatEndsABadEntryIsFinishedAfterTheMessage)
{
    frm_grafik::meldung_ersatz = nullptr;
    for (QAbstractButton* knopf : {static_cast<QAbstractButton*>(f->opt_abbildung),
                                   static_cast<QAbstractButton*>(f->chk_licht)}) {
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        f->txt_R1_a->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(f->txt_R1_a->hasFocus());
        f->txt_R1_a->setText(QStringLiteral("abc"));
        const int vorher = f->kern().neuzeichnungen();
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            gesehen = box->text() == unfug;
            // The release while the box is open goes nowhere, as with a real mouse.
            QTest::mouseRelease(knopf, Qt::LeftButton);
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mousePress(knopf, Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_TRUE(gesehen) << knopf->objectName().toStdString();
        EXPECT_FALSE(knopf->isDown()) << knopf->objectName().toStdString();
        EXPECT_TRUE(knopf->isChecked()) << knopf->objectName().toStdString();
        EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("50"));
        EXPECT_EQ(f->kern().neuzeichnungen(), vorher + 1) << knopf->objectName().toStdString();
    }
    EXPECT_TRUE(f->txt_ort->isVisible());
}

}  // namespace
