// The main window: start-up state, layout, tab order, menu, mode switches,
// cursor readout, clipboard, message boxes and its life cycle.
#include "ui_grafik_hilfe.h"

#include "ui/frm_messwerte.h"
#include "lens/sprache.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace {

using Fenster = Hauptfenster;

// Another program that takes the clipboard over the moment a picture
// arrives there, as a clipboard manager or a remote desktop may.
class FremdeAblage : public QObject {
public:
    FremdeAblage()
    {
        QClipboard* ablage = QGuiApplication::clipboard();
        connect(ablage, &QClipboard::dataChanged, this, [ablage] {
            if (ablage->mimeData() != nullptr && ablage->mimeData()->hasImage()) {
                ablage->setText(QStringLiteral("fremd"));
            }
        });
    }
};

TEST_F(Fenster, StartsInFocusModeWithTheDesignTexts)
{
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Geometrische Optik: Lichtbrechung durch sph\u00e4rische Vandrel"));
    EXPECT_EQ(f->bereich()->size(), QSize(930, 570));
    EXPECT_FALSE(f->windowIcon().isNull());
    EXPECT_TRUE(f->txt_X1_0->hasFocus());

    const struct {
        QLineEdit* box;
        const char* text;
    } texte[] = {{f->txt_X1_0, "50"}, {f->txt_R1_a, "30"},   {f->txt_R1_b, "35"},   {f->txt_n1, "1,5"},
                 {f->txt_Nmax, "150"}, {f->txt_d1_plus, "0"}, {f->txt_ort, "0"}, {f->txt_hoehe, "10"}};
    for (const auto& t : texte) {
        EXPECT_EQ(t.box->text(), QString::fromUtf8(t.text)) << t.box->objectName().toStdString();
        // Every start text reads as its start-up value.
        const double wert = text_zu_zahl(t.box->text().toStdString()).value();
        const bool objekt = t.box == f->txt_ort || t.box == f->txt_hoehe;
        EXPECT_EQ(t.box->isVisible(), !objekt);
        (void)wert;
    }
    EXPECT_EQ(text_zu_zahl(f->txt_n1->text().toStdString()).value(), Module1.n1);
    EXPECT_EQ(text_zu_zahl(f->txt_X1_0->text().toStdString()).value(), Module1.X1_0);
    EXPECT_EQ(text_zu_zahl(f->txt_hoehe->text().toStdString()).value(), Module1.obj_h);

    EXPECT_TRUE(f->opt_fokus->isChecked());
    EXPECT_FALSE(f->opt_abbildung->isChecked());
    EXPECT_EQ(f->opt_fokus_Value(), True);
    EXPECT_EQ(f->opt_abbildung_Value(), False);
    EXPECT_EQ(f->chk_licht_Value(), 0);
    EXPECT_EQ(f->chk_licht->text(), QStringLiteral("Lichtstrahlen"));
    EXPECT_EQ(f->opt_fokus->text(), QStringLiteral("Fokus"));
    EXPECT_EQ(f->opt_abbildung->text(), QStringLiteral("Abbildung"));
    EXPECT_TRUE(f->Lbl_eingabe->isVisible());
    EXPECT_FALSE(f->lbl_objekt->isVisible());
    EXPECT_FALSE(f->lbl_virtuell->isVisible());
    EXPECT_EQ(f->lbl_virtuell->text(), QStringLiteral("virtuelles Bild !"));
    EXPECT_TRUE(f->lbl_virtuell->font().bold());
    EXPECT_FALSE(f->Lbl_eingabe->font().bold());
    EXPECT_TRUE(f->lbl_cursor_position->isVisible());
    EXPECT_TRUE(f->lbl_cursor_position->text().isEmpty());

    // The start-up values themselves.
    EXPECT_EQ(Module1.Nmax.wert(), 150);
    EXPECT_EQ(Module1.R1_a, 30.0);
    EXPECT_EQ(Module1.d1_plus, 0.0);
}

TEST_F(Fenster, HeadingCaptionsKeepTheirRunsOfBlanks)
{
    EXPECT_EQ(f->Lbl_eingabe->text(),
              QStringLiteral("Linse:        Ort            r 1            r 2           n           max x      Dicke +"));
    EXPECT_EQ(f->Lbl_eingabe->text().size(), 88);
    EXPECT_EQ(f->lbl_objekt->text(), QStringLiteral("Objekt:     Ort           H\u00f6he"));
    EXPECT_EQ(f->lbl_objekt->text().size(), 30);
}

// Each word of a heading inside it, clear of the others, centred over its box.
void woerter_ueber_boxen(Spaltenkopf* kopf, QList<QLineEdit*> boxen)
{
    const QStringList w = kopf->woerter();
    ASSERT_EQ(w.size(), boxen.size() + 1);
    int ende = -1;
    for (int i = 0; i < w.size(); ++i) {
        const QRect r = kopf->wortrahmen(i);
        EXPECT_GE(r.left(), 0) << w[i].toStdString();
        EXPECT_LE(r.right(), kopf->width() - 1) << w[i].toStdString();
        EXPECT_GT(r.left(), ende) << w[i].toStdString();  // no two words touch
        ende = r.right();
        if (i == 0) {
            EXPECT_EQ(r.left(), 0);
            continue;
        }
        const QLineEdit* box = boxen[i - 1];
        const int mitte = kopf->x() + r.center().x();
        EXPECT_GE(mitte, box->x()) << w[i].toStdString();
        EXPECT_LE(mitte, box->x() + box->width()) << w[i].toStdString();
    }
}

TEST_F(Fenster, EveryHeadingWordStandsOverItsBox)
{
    woerter_ueber_boxen(f->Lbl_eingabe, {f->txt_X1_0, f->txt_R1_a, f->txt_R1_b, f->txt_n1, f->txt_Nmax, f->txt_d1_plus});
    woerter_ueber_boxen(f->lbl_objekt, {f->txt_ort, f->txt_hoehe});
}

// English for one test, German again afterwards for the tests after it.
struct Englisch {
    Englisch() { sprache::waehlen("en"); }
    ~Englisch() { sprache::waehlen("de"); }
};

// Whether a check box's or option button's caption fits beside its indicator.
bool beschriftung_passt(QAbstractButton* knopf)
{
    QStyleOptionButton option;
    option.initFrom(knopf);
    option.text = knopf->text();
    const bool kasten = qobject_cast<QCheckBox*>(knopf) != nullptr;
    const QRect platz = knopf->style()->subElementRect(
        kasten ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, knopf);
    return knopf->fontMetrics().horizontalAdvance(knopf->text()) <= platz.width();
}

TEST_F(Fenster, InEnglishEveryCaptionFitsAndNumbersTakeThePoint)
{
    // The German window fits, so the check can tell a caption too long.
    for (QAbstractButton* k : {static_cast<QAbstractButton*>(f->chk_licht), static_cast<QAbstractButton*>(f->opt_fokus)}) {
        EXPECT_TRUE(beschriftung_passt(k)) << k->text().toStdString();
    }
    Englisch englisch;
    delete f.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frm_grafik_Show();
    f = frm_grafik_Instanz();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));

    EXPECT_EQ(f->windowTitle(), QStringLiteral("Geometrical optics: refraction by spherical Vandrel"));
    EXPECT_EQ(f->chk_licht->text(), QStringLiteral("Light rays"));
    EXPECT_EQ(f->mnu_Datei->title(), QStringLiteral("&File"));
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("1.5"));

    // At the design sizes nothing is cut off and no two words meet.
    Module1.obj_ort = Module1.xF1 + 5;  // a virtual image, with its notice
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    ASSERT_TRUE(f->lbl_virtuell->isVisible());
    for (QAbstractButton* k : {static_cast<QAbstractButton*>(f->chk_licht), static_cast<QAbstractButton*>(f->opt_fokus),
                               static_cast<QAbstractButton*>(f->opt_abbildung)}) {
        EXPECT_TRUE(beschriftung_passt(k)) << k->text().toStdString();
    }
    QTest::mouseMove(f->bereich(), QPoint(100, 300));
    for (QLabel* l : {f->lbl_virtuell, f->lbl_cursor_position}) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
    }
    woerter_ueber_boxen(f->Lbl_eingabe, {f->txt_X1_0, f->txt_R1_a, f->txt_R1_b, f->txt_n1, f->txt_Nmax, f->txt_d1_plus});
    woerter_ueber_boxen(f->lbl_objekt, {f->txt_ort, f->txt_hoehe});

    // The readout and the measured values write the decimal point.
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = 13.2     y = 2.6"));
    QTest::mouseClick(f->opt_fokus, Qt::LeftButton);
    f->mnu_messwerte->trigger();
    QPointer<frm_messwerte> w = f->messwerte();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Vandrel - Measurements"));
    EXPECT_TRUE(w->texte().contains(QStringLiteral("85.69")));
    EXPECT_FALSE(w->texte().contains(QStringLiteral("85,69")));
    // A number with the point stands right-aligned, as with the comma.
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->text() == QStringLiteral("85.69")) {
            EXPECT_TRUE(l->alignment() & Qt::AlignRight);
        }
    }
}

TEST_F(Fenster, ControlsStandAtTheirDesignPlaces)
{
    const struct {
        const char* name;
        QRect platz;
    } plaetze[] = {
        {"chk_licht", {8, 3, 89, 17}},          {"txt_h\u00f6he", {640, 20, 33, 20}},
        {"txt_ort", {592, 20, 33, 20}},         {"opt_abbildung", {456, 24, 80, 25}},
        {"opt_fokus", {456, 0, 80, 25}},        {"txt_d1_plus", {392, 20, 33, 20}},
        {"txt_Nmax", {344, 20, 33, 20}},        {"txt_n1", {296, 20, 33, 20}},
        {"txt_R1_b", {248, 20, 33, 20}},        {"txt_R1_a", {200, 20, 33, 20}},
        {"txt_X1_0", {152, 20, 33, 20}},        {"lbl_virtuell", {704, 20, 153, 17}},
        {"lbl_objekt", {544, 3, 129, 17}},      {"Lbl_eingabe", {104, 3, 329, 17}},
        {"lbl_cursor_position", {8, 22, 137, 17}},
    };
    const auto alle_pruefen = [&] {
        for (const auto& p : plaetze) {
            auto* w = f->bereich()->findChild<QWidget*>(QString::fromUtf8(p.name));
            ASSERT_NE(w, nullptr) << p.name;
            EXPECT_EQ(w->geometry(), p.platz) << p.name;
        }
    };
    alle_pruefen();
    f->resize(500, 300);
    QCoreApplication::processEvents();
    alle_pruefen();
    f->resize(1200, 800);
    QCoreApplication::processEvents();
    alle_pruefen();
}

TEST_F(Fenster, BackgroundsAreTheWindowColour)
{
    const QColor weiss = f->palette().color(QPalette::Base);
    for (QWidget* w : std::initializer_list<QWidget*>{f->chk_licht, f->opt_fokus, f->opt_abbildung, f->Lbl_eingabe,
                                                     f->lbl_cursor_position, f->lbl_virtuell}) {
        EXPECT_TRUE(w->autoFillBackground()) << w->objectName().toStdString();
        EXPECT_EQ(w->palette().color(w->backgroundRole()), weiss) << w->objectName().toStdString();
    }
    // The picture is cleared to it too.
    EXPECT_EQ(f->bild().Image().pixelColor(f->bild().Image().width() / 2, 2), weiss);
}

TEST_F(Fenster, TabVisitsTheControlsInOrder)
{
    const auto reihum = [&](QList<QWidget*> erwartet) {
        f->txt_X1_0->setFocus(Qt::TabFocusReason);
        for (QWidget* w : erwartet) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), w)
                << w->objectName().toStdString() << " statt "
                << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "-");
        }
    };
    // The drawing comes after the last box, before the check box.
    reihum({f->txt_R1_a, f->txt_R1_b, f->txt_n1, f->txt_Nmax, f->txt_d1_plus, f->opt_fokus, f->bereich(),
            f->chk_licht, f->txt_X1_0});
    f->opt_abbildung->setChecked(true);
    reihum({f->txt_R1_a, f->txt_R1_b, f->txt_n1, f->txt_Nmax, f->txt_d1_plus, f->opt_abbildung, f->txt_ort,
            f->txt_hoehe, f->bereich(), f->chk_licht, f->txt_X1_0});
    // Backwards as well, landing on the selected option button.
    f->txt_ort->setFocus(Qt::TabFocusReason);
    for (QWidget* w : {static_cast<QWidget*>(f->opt_abbildung), static_cast<QWidget*>(f->txt_d1_plus)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Fenster, ScreenReadersHearWhatEachControlHolds)
{
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    const auto beschreibung = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    EXPECT_EQ(name(f->txt_X1_0), QStringLiteral("Linse: Ort (x der Linsenmitte)"));
    EXPECT_EQ(name(f->txt_hoehe), QStringLiteral("Objekt: H\u00f6he (H\u00f6he des Gegenstands)"));
    EXPECT_TRUE(beschreibung(f->txt_R1_a).contains(QStringLiteral("10000")));
    QStringList namen;
    for (QLineEdit* box : {f->txt_X1_0, f->txt_R1_a, f->txt_R1_b, f->txt_n1, f->txt_Nmax, f->txt_d1_plus,
                           f->txt_ort, f->txt_hoehe}) {
        EXPECT_TRUE(beschreibung(box).startsWith(QStringLiteral("Erlaubt: "))) << box->objectName().toStdString();
        namen << name(box);
    }
    namen.removeDuplicates();
    EXPECT_EQ(namen.size(), 8);
    EXPECT_EQ(name(f->opt_abbildung), QStringLiteral("Abbildung"));
    EXPECT_EQ(name(f->bereich()), QString::fromUtf8(entwurf::grafik_name));
    EXPECT_TRUE(beschreibung(f->bereich()).contains(QStringLiteral("Cursorposition")));
    // It begins with what the last redraw shows.
    EXPECT_TRUE(beschreibung(f->bereich()).startsWith(QStringLiteral("Fokus. Linse bikonvex. Brennpunkte der dicken Linse: F bei x = 12,2")))
        << beschreibung(f->bereich()).toStdString();
    // The readout says where the pointer is, not what the label is called.
    QTest::mouseMove(f->bereich(), QPoint(120, 310));
    EXPECT_EQ(name(f->lbl_cursor_position), f->lbl_cursor_position->text());
}

TEST_F(Fenster, MenuTree)
{
    const QList<QAction*> oben = f->menuBar()->actions();
    ASSERT_EQ(oben.size(), 5);
    EXPECT_EQ(oben[0]->text(), QStringLiteral("&Datei"));
    ASSERT_NE(oben[0]->menu(), nullptr);
    const QList<QAction*> datei = oben[0]->menu()->actions();
    ASSERT_EQ(datei.size(), 2);
    EXPECT_EQ(datei[0]->text(), QStringLiteral("&Kopieren"));
    EXPECT_EQ(datei[1]->text(), QStringLiteral("&Ende"));
    EXPECT_TRUE(datei[0]->shortcut().isEmpty());
    EXPECT_EQ(oben[1]->text(), QStringLiteral("&Messwerte"));
    EXPECT_EQ(oben[1]->menu(), nullptr);  // acts on click
    EXPECT_EQ(oben[2]->text(), QStringLiteral("&Beispiele"));
    ASSERT_NE(oben[2]->menu(), nullptr);
    QStringList beispiele;
    for (const QAction* a : oben[2]->menu()->actions()) {
        beispiele << a->text();
    }
    EXPECT_EQ(beispiele, (QStringList{"&Sammellinse mit reellem Bild", "&Lupe", "&Zerstreuungslinse", "&Plankonvexlinse",
                                      "&Meniskus", "&dicke Linse", "&Totalreflexion",
                                      QString::fromUtf8("sph\u00e4rische &Aberration")}));
    EXPECT_EQ(oben[3]->text(), QStringLiteral("&Ansicht"));
    ASSERT_NE(oben[3]->menu(), nullptr);
    const QList<QAction*> ansicht = oben[3]->menu()->actions();
    ASSERT_EQ(ansicht.size(), 1);
    EXPECT_EQ(ansicht[0]->text(), QStringLiteral("&Projektor"));
    EXPECT_TRUE(ansicht[0]->isCheckable());
    EXPECT_EQ(oben[4]->text(), QStringLiteral("&Info"));
    EXPECT_EQ(oben[4]->menu(), nullptr);
}

TEST_F(Fenster, ProjectorViewEnlargesControlsAndPictureAlike)
{
    const QRect box = f->txt_X1_0->geometry();
    const qreal verhaeltnis = f->bereich()->devicePixelRatioF();
    f->mnu_projektor->trigger();
    EXPECT_TRUE(f->mnu_projektor->isChecked());
    f->resize(1860, f->menuBar()->height() + 1140);
    QCoreApplication::processEvents();
    ASSERT_EQ(f->bereich()->size(), QSize(1860, 1140));
    EXPECT_EQ(f->txt_X1_0->geometry(), QRect(box.topLeft() * 2, box.size() * 2));
    EXPECT_EQ(f->bild().massstab(), 2 * verhaeltnis);
    // Everything twice as large: the design's point is twice as far in.
    QTest::mouseMove(f->bereich(), QPoint(20, 1000));
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = -2,1     y = -15,6"));
    f->mnu_projektor->trigger();
    EXPECT_EQ(f->txt_X1_0->geometry(), box);
    EXPECT_EQ(f->bereich()->size(), QSize(930, 570));
    EXPECT_EQ(f->bild().massstab(), verhaeltnis);
}

// An example sets the boxes and the switches through their own clicks,
// whatever the window showed.
TEST_F(Fenster, ExamplesSetTheBoxesAndTheSwitches)
{
    eingeben(f->txt_n1, QStringLiteral("1,7"));
    const QList<QAction*> punkte = f->mnu_beispiele->actions();
    ASSERT_EQ(punkte.size(), 8);
    punkte[2]->trigger();  // Zerstreuungslinse
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("-40"));
    EXPECT_EQ(f->txt_n1->text(), QStringLiteral("1,5"));
    EXPECT_TRUE(f->opt_abbildung->isChecked());
    EXPECT_TRUE(f->txt_ort->isVisible());
    EXPECT_TRUE(f->chk_licht->isChecked());
    EXPECT_TRUE(f->lbl_virtuell->isVisible());
    punkte[1]->trigger();  // Lupe: the rays off
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("30"));
    EXPECT_EQ(f->txt_ort->text(), QStringLiteral("38"));
    EXPECT_FALSE(f->chk_licht->isChecked());
    const int vorher = f->kern().neuzeichnungen();
    punkte[3]->trigger();  // Plankonvexlinse: the focus mode again
    EXPECT_GT(f->kern().neuzeichnungen(), vorher);
    EXPECT_EQ(f->txt_R1_b->text(), QString::fromUtf8("\u221e"));
    EXPECT_TRUE(f->opt_fokus->isChecked());
    EXPECT_FALSE(f->txt_ort->isVisible());
    EXPECT_TRUE(f->chk_licht->isChecked());
    EXPECT_EQ(meldungen, QStringList{});
}

TEST_F(Fenster, ModeSwitchesShowAndHideTheObjectInputs)
{
    f->txt_hoehe->setText(QStringLiteral("7"));
    f->opt_fokus->setFocus();  // ends the entry in txt_X1_0 first
    int vorher = f->kern().neuzeichnungen();
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    EXPECT_EQ(f->kern().neuzeichnungen(), vorher + 1);
    EXPECT_TRUE(f->txt_ort->isVisible());
    EXPECT_TRUE(f->txt_hoehe->isVisible());
    EXPECT_TRUE(f->lbl_objekt->isVisible());
    EXPECT_EQ(f->opt_abbildung_Value(), True);
    EXPECT_EQ(f->opt_fokus_Value(), False);

    vorher = f->kern().neuzeichnungen();
    QTest::mouseClick(f->opt_fokus, Qt::LeftButton);
    EXPECT_EQ(f->kern().neuzeichnungen(), vorher + 1);
    EXPECT_FALSE(f->txt_ort->isVisible());
    EXPECT_FALSE(f->txt_hoehe->isVisible());
    EXPECT_FALSE(f->lbl_objekt->isVisible());
    EXPECT_EQ(f->txt_hoehe->text(), QStringLiteral("7"));  // texts are kept

    // The rays switch redraws once per click and keeps its value across modes.
    vorher = f->kern().neuzeichnungen();
    QTest::mouseClick(f->chk_licht, Qt::LeftButton);
    EXPECT_EQ(f->kern().neuzeichnungen(), vorher + 1);
    EXPECT_EQ(f->chk_licht_Value(), 1);
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    EXPECT_EQ(f->chk_licht_Value(), 1);
    f->chk_licht->setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(f->chk_licht_Value(), 2);
}

TEST_F(Fenster, VirtualImageNoticeFollowsTheRedraw)
{
    // An object inside the focal length gives a virtual image.
    Module1.obj_ort = Module1.xF1 + 5;
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    EXPECT_TRUE(f->lbl_virtuell->isVisible());
    QTest::mouseClick(f->opt_fokus, Qt::LeftButton);
    EXPECT_FALSE(f->lbl_virtuell->isVisible());
}

TEST_F(Fenster, CursorReadoutInWorldCoordinates)
{
    // Default scale: x from -3,75 to 153,75 over 930 pixels, y from 30 down to -22 over 570.
    QTest::mouseMove(f->bereich(), QPoint(100, 300));
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = 13,2     y = 2,6"));
    QTest::mouseMove(f->bereich(), QPoint(10, 500));
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = -2,1     y = -15,6"));

    // Over a control nothing is reported.
    QMouseEvent ueber_box(QEvent::MouseMove, QPointF(f->txt_R1_a->geometry().center()),
                          f->bereich()->mapToGlobal(QPointF(f->txt_R1_a->geometry().center())), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f->txt_R1_a, &ueber_box);
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = -2,1     y = -15,6"));

    // The same world point reads the same at another window size.
    f->resize(f->width() * 3 / 2, f->menuBar()->height() + 855);
    QCoreApplication::processEvents();
    ASSERT_EQ(f->bereich()->size(), QSize(1395, 855));
    QTest::mouseMove(f->bereich(), QPoint(150, 450));
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = 13,2     y = 2,6"));
}

TEST_F(Fenster, LargestWindowStaysBoundedAndReadsRight)
{
    // The window system's largest size: the window and its picture stay
    // bounded, and the readout still tells the world point under the cursor.
    f->resize(32767, 32767);
    QCoreApplication::processEvents();
    EXPECT_LE(f->width() * f->devicePixelRatioF(), Rasterbild::groesste_kante);
    EXPECT_LE(f->height() * f->devicePixelRatioF(), Rasterbild::groesste_kante);
    const QSize groesse = f->bereich()->size();
    EXPECT_GT(groesse.width(), 4000);
    EXPECT_LE(f->bild().breite(), Rasterbild::groesste_kante);
    EXPECT_LE(f->bild().hoehe(), Rasterbild::groesste_kante);
    // The same fraction of the client area as (100, 300) of the design size.
    QTest::mouseMove(f->bereich(),
                     QPoint(qRound(groesse.width() * 100 / 930.0), qRound(groesse.height() * 300 / 570.0)));
    EXPECT_EQ(f->lbl_cursor_position->text(), QStringLiteral("x = 13,2     y = 2,6"));
}

TEST_F(Fenster, CopyPutsThePictureOnTheClipboardAndConfirms)
{
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->setText(QStringLiteral("alt"));
    f->mnu_copy->trigger();
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Grafik in Zwischenablage")});
    const QImage kopie = ablage->image();
    ASSERT_FALSE(kopie.isNull());
    // A picture of its own: one sharing the pixels would make the next redraw copy them.
    EXPECT_NE(kopie.constBits(), f->bild().Image().constBits());
    EXPECT_EQ(kopie.size(), f->bild().Image().size());
    EXPECT_EQ(kopie.convertToFormat(QImage::Format_RGB32), f->bild().Image().convertToFormat(QImage::Format_RGB32));

    // The second copy replaces the first and is confirmed again.
    QTest::mouseClick(f->chk_licht, Qt::LeftButton);
    f->mnu_copy->trigger();
    EXPECT_EQ(meldungen.size(), 2);
    EXPECT_EQ(ablage->image().convertToFormat(QImage::Format_RGB32),
              f->bild().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(ablage->image().convertToFormat(QImage::Format_RGB32), kopie.convertToFormat(QImage::Format_RGB32));
}

TEST_F(Fenster, MeasuredValuesFollowTheSceneAndCopyAsText)
{
    f->mnu_messwerte->trigger();
    QPointer<frm_messwerte> w = f->messwerte();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Vandrel - Messwerte"));
    EXPECT_EQ(w->font(), formular_schrift());
    EXPECT_TRUE(w->texte().contains(QStringLiteral("85,69")));
    EXPECT_FALSE(w->texte().contains(QStringLiteral("Strahlen")));

    // A typed value, the check box and a mode switch each change the numbers.
    // Back to the main window, as a click on it does.
    QApplication::setActiveWindow(f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    eingeben(f->txt_R1_a, QStringLiteral("40"));
    EXPECT_TRUE(w->texte().contains(QStringLiteral("40,00")));
    QTest::mouseClick(f->chk_licht, Qt::LeftButton);
    EXPECT_TRUE(w->texte().contains(QStringLiteral("Strahlen")));
    EXPECT_TRUE(w->kennlinie->isVisibleTo(w));
    // The chart shows the beam's crossings as red dots of some 20 pixels.
    const QImage kennlinie = w->kennlinie->grab().toImage();
    int rot = 0;
    for (int y = 0; y < kennlinie.height(); ++y) {
        for (int x = 0; x < kennlinie.width(); ++x) {
            rot += kennlinie.pixel(x, y) == qRgb(0xFF, 0, 0);
        }
    }
    EXPECT_GT(rot, 3 * 20);
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    EXPECT_TRUE(w->texte().contains(QStringLiteral("Abbildung")));
    EXPECT_FALSE(w->kennlinie->isVisibleTo(w));
    // The lens's three groups stand in the left column, one below the other,
    // the imaging and the rays in the right one.
    QCoreApplication::processEvents();
    const auto ort = [&](const char* titel) {
        for (const QGroupBox* g : w->findChildren<QGroupBox*>()) {
            if (g->title() == QString::fromUtf8(titel)) {
                return g->mapTo(w, QPoint(0, 0));
            }
        }
        ADD_FAILURE() << titel;
        return QPoint();
    };
    const QPoint linse = ort("Linse"), dick = ort("Dicke Linse"), duenn = ort("Dünne Linse");
    const QPoint abbildung = ort("Abbildung"), strahlen = ort("Strahlen");
    EXPECT_TRUE(linse.x() == dick.x() && dick.x() == duenn.x());
    EXPECT_TRUE(linse.y() < dick.y() && dick.y() < duenn.y());
    EXPECT_EQ(abbildung.x(), strahlen.x());
    EXPECT_GT(abbildung.x(), linse.x());
    EXPECT_LT(abbildung.y(), strahlen.y());
    // The window shows what the core formats: its cells are the copied text's.
    const auto zellen = [] {
        QStringList z;
        for (const QString& zeile : QString::fromStdString(messbericht().text()).split(QLatin1Char('\n'))) {
            if (!zeile.isEmpty()) {
                z << zeile.split(QLatin1Char('\t'));
            }
        }
        return z;
    };
    EXPECT_EQ(w->texte(), zellen());
    // A flat object turns the fan's ten rows into one, and back: the group
    // keeps no row of the ten, then shows all ten again.
    const auto text = [](const QStringList& l) { return l.join(QLatin1Char('|')).toStdString(); };
    eingeben(f->txt_hoehe, QStringLiteral("0"));
    EXPECT_EQ(text(w->texte()), text(zellen()));
    eingeben(f->txt_hoehe, QStringLiteral("10"));
    EXPECT_EQ(text(w->texte()), text(zellen()));

    // The main window stays usable; "Kopieren" puts the text on the clipboard.
    EXPECT_FALSE(w->isModal());
    QTest::mouseClick(w->cmd_kopieren, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(messbericht().text()));
    EXPECT_EQ(meldungen.last(), QStringLiteral("Messwerte in Zwischenablage"));

    // "&Messwerte" again: the same window. OK closes it and it follows no more.
    f->mnu_messwerte->trigger();
    EXPECT_EQ(f->messwerte(), w.data());
    QTest::mouseClick(w->cmd_ok, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(f->kern().messwerte_offen());
}

TEST_F(Fenster, FailedCopyNeverClaimsSuccess)
{
    const QStringList gescheitert{QStringLiteral("Grafik konnte nicht in die Zwischenablage gelegt werden")};
    {
        // A picture, but another program takes the clipboard at once.
        FremdeAblage fremd;
        f->mnu_copy->trigger();
        EXPECT_EQ(meldungen, gescheitert);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("fremd"));
    }
    meldungen.clear();

    EXPECT_FALSE(bild_in_zwischenablage(QImage()));
    f->bild().groesse_setzen(QSize(0, 0));  // nothing to copy
    f->kern().mnu_copy_Click();
    EXPECT_EQ(meldungen, gescheitert);
}

TEST(Meldung, IsAPlainModalBoxTitledWithTheProgramName)
{
    frm_grafik::meldung_ersatz = nullptr;
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        gesehen = true;
        EXPECT_EQ(box->text(), QStringLiteral("Unfug !"));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Vandrel"));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(box->button(QMessageBox::Ok)->icon().isNull());  // not even on the button
        box->button(QMessageBox::Ok)->click();
    });
    frm_grafik::meldung_zeigen(QStringLiteral("Unfug !"));
    EXPECT_TRUE(gesehen);
}

TEST_F(Fenster, MinimizingRedrawsNothingButClears)
{
    const int vorher = f->kern().neuzeichnungen();
    f->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_GT(f->kern().neuzeichnungen(), vorher);
    EXPECT_EQ(f->bild().WindowState(), 1);
    f->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->bild().WindowState(), 0);
    EXPECT_EQ(Module1.x_span.wert(), 150);
}

TEST_F(Fenster, ShowOnAnOpenWindowDoesNotRedraw)
{
    const int vorher = f->kern().neuzeichnungen();
    frm_grafik_Show();
    EXPECT_EQ(frm_grafik_Instanz(), f.data());
    EXPECT_EQ(f->kern().neuzeichnungen(), vorher);
}

TEST_F(Fenster, ClosedWindowComesBackFreshWithTheObjectPositionKept)
{
    eingeben(f->txt_R1_a, QStringLiteral("60"));
    QTest::mouseClick(f->opt_abbildung, Qt::LeftButton);
    eingeben(f->txt_ort, QStringLiteral("12"));
    ASSERT_EQ(Module1.obj_ort, 12.0);

    f->close();
    EXPECT_EQ(frm_grafik_Instanz(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(f.isNull());  // deleted on close

    frm_grafik_Show();
    f = frm_grafik_Instanz();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(Module1.R1_a, 30.0);
    EXPECT_EQ(Module1.obj_ort, 12.0);
    EXPECT_EQ(f->txt_R1_a->text(), QStringLiteral("30"));
    EXPECT_EQ(f->txt_ort->text(), QStringLiteral("0"));
    EXPECT_TRUE(f->opt_fokus->isChecked());
    EXPECT_TRUE(f->txt_X1_0->hasFocus());
    EXPECT_GT(f->kern().neuzeichnungen(), 0);
}

TEST_F(Fenster, EndClosesTheMainWindow)
{
    f->mnu_Ende->trigger();
    EXPECT_EQ(frm_grafik_Instanz(), nullptr);
    EXPECT_FALSE(f->isVisible());
}

}  // namespace

#include "ui/symbol.h"

namespace {

TEST(Symbol, LitBulbAtBothSizes)
{
    for (int kante : {32, 16}) {
        const QImage bild = symbol_bild(kante);
        ASSERT_EQ(bild.size(), QSize(kante, kante));
        EXPECT_EQ(bild.pixelColor(0, kante - 1).alpha(), 0) << kante;  // corner stays clear
        int gelb = 0;
        for (int y = 0; y < kante; ++y) {
            for (int x = 0; x < kante; ++x) {
                const QColor c = bild.pixelColor(x, y);
                gelb += c.alpha() == 255 && c.red() > 200 && c.green() > 180 && c.blue() < 120;
            }
        }
        EXPECT_GT(gelb, kante * kante / 10) << kante;
    }
    const QIcon symbol = fenster_symbol();
    EXPECT_EQ(symbol.availableSizes().size(), 2);
}

}  // namespace
