// The entry boxes in the real window: which focus changes end an entry,
// what the boxes show, and a click that ends an entry with a message; the
// drawing taken by the hand, by a finger and by the arrow keys.
#include "ui_grafik_hilfe.h"

#include "render/messung.h"
#include "ui/bild_export.h"
#include "ui/frm_messwerte.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtGui/qtestsupport_gui.h>

namespace {

const QString unfug = QStringLiteral("Unfug !");

using Eingabe = Hauptfenster;

// A world point of the current picture in the drawing's logical pixels.
QPointF pixel_von(frm_grafik* f, double x, double y)
{
    const QPointF a = f->bild().welt(QPointF(0, 0)), b = f->bild().welt(QPointF(1000, 1000));
    return {(x - a.x()) / (b.x() - a.x()) * 1000, (y - a.y()) / (b.y() - a.y()) * 1000};
}

// The same in the window's own coordinates, for events that the window
// hands on to whichever widget is to have them, as the window system's do.
QPoint im_fenster(frm_grafik* f, double x, double y)
{
    return f->bereich()->mapTo(f, pixel_von(f, x, y)).toPoint();
}

// The measured values as the core formats them, cell by cell.
QStringList zellen()
{
    QStringList z;
    for (const QString& zeile : QString::fromStdString(messbericht().text()).split(QLatin1Char('\n'))) {
        if (!zeile.isEmpty()) {
            z << zeile.split(QLatin1Char('\t'));
        }
    }
    return z;
}

TEST_F(Eingabe, TabEndsTheEntryAndTheCoreAnswers)
{
    eingeben(f->txt_R1_a, QStringLiteral("abc"));
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("50"));
    eingeben(f->txt_R1_a, QStringLiteral("40"));
    EXPECT_EQ(Module1.R1_a, 40.0);
    EXPECT_EQ(neu_gezeichnet(), 1);
}

// Enter in a box does what Tab does: the value is taken and the focus moves
// on, from the last box to the drawing.
TEST_F(Eingabe, EnterTakesTheValueAndMovesOnAsTabDoes)
{
    f->txt_R1_a->setFocus(Qt::MouseFocusReason);
    f->txt_R1_a->setText(QStringLiteral("40"));
    const int vorher = f->kern().neuzeichnungen();
    QTest::keyClick(f->txt_R1_a, Qt::Key_Return);
    EXPECT_EQ(Module1.R1_a, 40.0);
    EXPECT_EQ(f->kern().neuzeichnungen(), vorher + 1);
    EXPECT_EQ(QApplication::focusWidget(), f->txt_R1_b);

    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    f->txt_hoehe->setFocus(Qt::MouseFocusReason);
    f->txt_hoehe->setText(QStringLiteral("abc"));
    QTest::keyClick(f->txt_hoehe, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(QApplication::focusWidget(), f->bereich());
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

// A real drag through the window: the tip taken, moved past the glass and
// let go over a box, whose release is still the drawing's. The boxes, the
// measured values and the readout follow, a burst of moves costs one
// redraw, and the pointer shows the hand.
TEST_F(Eingabe, TheTipFollowsTheHandUntilItIsLetGo)
{
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    QTest::mouseClick(f->chk_licht, Qt::LeftButton);
    f->mnu_messwerte->trigger();
    QPointer<frm_messwerte> w = f->messwerte();
    ASSERT_NE(w, nullptr);
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == f->windowHandle(); }));
    f->txt_R1_a->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(f->txt_R1_a->hasFocus());
    f->txt_R1_a->setText(QStringLiteral("40"));  // typed, not yet taken over
    const QImage vorher = f->bild().kopie();

    QWindow* fenster = f->windowHandle();
    QTest::mouseMove(fenster, im_fenster(f, 30, 10));
    EXPECT_EQ(f->bereich()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(fenster, im_fenster(f, 0, 10));
    EXPECT_EQ(f->bereich()->cursor().shape(), Qt::OpenHandCursor);
    QTest::mousePress(fenster, Qt::LeftButton, {}, im_fenster(f, 0, 10));
    EXPECT_EQ(f->bereich()->cursor().shape(), Qt::ClosedHandCursor);
    // The press on the grip takes the focus: the box's value first, as a
    // click on another control would.
    EXPECT_TRUE(f->bereich()->hasFocus());
    EXPECT_EQ(Module1.R1_a, 40.0);

    // Five moves in one turn of the event loop: the last one is drawn.
    const int neu = f->kern().neuzeichnungen();
    for (int i = 1; i <= 5; ++i) {
        const QPointF p = pixel_von(f, 4 * i, 10 - i);
        QMouseEvent zug(QEvent::MouseMove, p, f->bereich()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(f->bereich(), &zug);
    }
    EXPECT_EQ(f->kern().neuzeichnungen(), neu);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->kern().neuzeichnungen(), neu + 1);
    EXPECT_NEAR(Module1.obj_ort, 20, 0.1);
    EXPECT_NEAR(Module1.obj_h, 5, 0.1);
    EXPECT_EQ(f->txt_ort->text(), QString::fromStdString(zahl_zu_text(Module1.obj_ort)));
    EXPECT_EQ(f->txt_hoehe->text(), QString::fromStdString(zahl_zu_text(Module1.obj_h)));

    // Past the glass the object stops there.
    QTest::mouseMove(fenster, im_fenster(f, 100, 10));
    EXPECT_EQ(Module1.obj_ort, Module1.x_glas_links);
    const QPoint ueber_box = f->txt_Nmax->mapTo(f, f->txt_Nmax->rect().center());
    QTest::mouseMove(fenster, ueber_box);
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, ueber_box);
    EXPECT_EQ(f->kern().gegriffen(), Griff::keiner);
    EXPECT_EQ(Module1.obj_h, 19.0);  // the highest a drag makes it
    EXPECT_EQ(f->txt_hoehe->text(), QStringLiteral("19"));
    EXPECT_EQ(f->txt_ort->text(), QString::fromStdString(zahl_zu_text(Module1.obj_ort)));
    EXPECT_EQ(w->texte(), zellen());
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = 57,2     y = 27,4"));  // the readout followed
    EXPECT_NE(f->bild().kopie(), vorher);
    EXPECT_TRUE(meldungen.isEmpty());

    // A move afterwards drags nothing.
    const double ort = Module1.obj_ort;
    QTest::mouseMove(fenster, im_fenster(f, 30, 10));
    EXPECT_EQ(Module1.obj_ort, ort);
    EXPECT_EQ(f->bereich()->cursor().shape(), Qt::ArrowCursor);

    // A box's text that shows "Unfug !" ends the press in the message:
    // nothing is taken.
    f->txt_n1->setFocus(Qt::MouseFocusReason);
    f->txt_n1->setText(QStringLiteral("abc"));
    const QPoint spitze = im_fenster(f, Module1.obj_ort, Module1.obj_h);
    QTest::mousePress(fenster, Qt::LeftButton, {}, spitze);
    EXPECT_EQ(meldungen, QStringList{unfug});
    EXPECT_EQ(f->kern().gegriffen(), Griff::keiner);
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, spitze);
}

// Escape puts the scene back, and no other key acts during a drag; a
// release that went to another window puts the scene back as well. Neither
// moves the focus, which the press gave the drawing.
TEST_F(Eingabe, EscapeOrALostReleasePutsTheSceneBack)
{
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    f->txt_n1->setFocus(Qt::MouseFocusReason);
    QWindow* fenster = f->windowHandle();
    const QImage vorher = f->bild().kopie();
    QTest::mousePress(fenster, Qt::LeftButton, {}, im_fenster(f, 50, 0));  // the lens
    QTest::mouseMove(fenster, im_fenster(f, 70, 0));
    ASSERT_NEAR(Module1.X1_0, 70, 0.1);
    ASSERT_TRUE(f->bereich()->hasFocus());
    QTest::keyClick(fenster, Qt::Key_Tab);  // no other key acts in the middle of a drag
    EXPECT_TRUE(f->bereich()->hasFocus());
    QTest::keyClick(fenster, Qt::Key_Escape);
    EXPECT_EQ(f->kern().gegriffen(), Griff::keiner);
    EXPECT_EQ(Module1.X1_0, 50.0);
    EXPECT_EQ(f->txt_X1_0->text(), QStringLiteral("50"));
    EXPECT_EQ(f->bild().kopie(), vorher);
    EXPECT_TRUE(f->bereich()->hasFocus());
    EXPECT_TRUE(meldungen.isEmpty());
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, im_fenster(f, 70, 0));
    EXPECT_EQ(Module1.X1_0, 50.0);

    QTest::mousePress(fenster, Qt::LeftButton, {}, im_fenster(f, 50, 0));
    QTest::mouseMove(fenster, im_fenster(f, 60, 0));
    const QPointF p = pixel_von(f, 65, 0);
    QMouseEvent ohne_taste(QEvent::MouseMove, p, f->bereich()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(f->bereich(), &ohne_taste);
    EXPECT_EQ(f->kern().gegriffen(), Griff::keiner);
    EXPECT_EQ(Module1.X1_0, 50.0);
    EXPECT_EQ(f->txt_X1_0->text(), QStringLiteral("50"));
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, im_fenster(f, 60, 0));
}

// A finger grabs within 22 pixels, a mouse within 8.
TEST_F(Eingabe, AFingerReachesFartherThanTheMouse)
{
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    const QPoint daneben = im_fenster(f, 0, 10) + QPoint(15, 0);
    QWindow* fenster = f->windowHandle();
    QTest::mousePress(fenster, Qt::LeftButton, {}, daneben);
    EXPECT_EQ(f->kern().gegriffen(), Griff::keiner);
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, daneben);

    static QPointingDevice* const bildschirm = QTest::createTouchDevice();
    QTest::touchEvent(fenster, bildschirm).press(0, daneben, fenster);
    EXPECT_EQ(f->kern().gegriffen(), Griff::spitze);
    QTest::touchEvent(fenster, bildschirm).move(0, im_fenster(f, 20, 5) + QPoint(15, 0), fenster);
    QTest::touchEvent(fenster, bildschirm).release(0, im_fenster(f, 20, 5) + QPoint(15, 0), fenster);
    EXPECT_EQ(f->kern().gegriffen(), Griff::keiner);
    EXPECT_NEAR(Module1.obj_ort, 20, 0.2);
    EXPECT_NEAR(Module1.obj_h, 5, 0.2);
}

// The drawing takes the focus by Tab or a press on a grip, not by a click
// elsewhere; with it, the arrows move the object, Shift in tenths, Alt the
// lens, and screen readers are told the new scene after each step.
TEST_F(Eingabe, TheArrowsMoveWhatTheFocusedDrawingShows)
{
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    f->txt_hoehe->setFocus(Qt::MouseFocusReason);
    f->txt_hoehe->setText(QStringLiteral("12"));
    QTest::mouseClick(f->bereich(), Qt::LeftButton, {}, pixel_von(f, 100, -10).toPoint());
    EXPECT_TRUE(f->txt_hoehe->hasFocus());
    EXPECT_EQ(Module1.obj_h, 10.0);
    QTest::keyClick(f->txt_hoehe, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f->bereich());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->bereich())->text(QAccessible::Name),
              QString::fromUtf8(entwurf::grafik_name));

    // What a screen reader reads from the drawing after each step; setting
    // it is what tells the platform's accessibility that it changed.
    const auto gehoert = [&] {
        return QAccessible::queryAccessibleInterface(f->bereich())->text(QAccessible::Description);
    };
    QTest::keyClick(f->bereich(), Qt::Key_Right);
    EXPECT_EQ(f->txt_ort->text(), QStringLiteral("1"));
    EXPECT_TRUE(gehoert().contains(QStringLiteral("Gegenstand bei x = 1,0, H\u00f6he 12,0.")))
        << gehoert().toStdString();
    QTest::keyClick(f->bereich(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(f->txt_hoehe->text(), QStringLiteral("12,1"));
    EXPECT_TRUE(gehoert().contains(QStringLiteral("H\u00f6he 12,1."))) << gehoert().toStdString();
    QTest::keyClick(f->bereich(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(f->txt_X1_0->text(), QStringLiteral("51"));
    EXPECT_TRUE(gehoert().contains(QStringLiteral("F bei x = 13,2"))) << gehoert().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), f->bereich());
    EXPECT_TRUE(meldungen.isEmpty());
}

}  // namespace
