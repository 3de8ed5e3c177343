// The info window: its fixed page, the formula bitmaps, opening and closing.

#include "ui/fenster.h"
#include "ui/formeln.h"
#include "ui/frm_grafik.h"
#include "ui/frm_info.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

// Every test starts and ends with no info window.
class InfoFenster : public ::testing::Test {
protected:
    void SetUp() override { wegraeumen(); }
    void TearDown() override { wegraeumen(); }

    static void wegraeumen()
    {
        frm_info_Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static frm_info* oeffnen()
    {
        frm_info_Show();
        frm_info* w = frm_info_Instanz();
        if (w != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        }
        return w;
    }

    static int offene_infofenster()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frm_info*>(w) != nullptr && w->isVisible()) {
                ++n;
            }
        }
        return n;
    }
};

struct Beschriftung {
    const char* name;
    QLabel* frm_info::*label;
    QString text;
    QRect twips;
    bool fett;
};

const QString blanks(int n) { return QString(n, u' '); }

std::vector<Beschriftung> beschriftungen()
{
    return {
        {"Label3", &frm_info::Label3, frm_info::versionszeile, {120, 120, 6615, 255}, true},
        {"Label1", &frm_info::Label1, QStringLiteral("Geometrische Optik: Lichtbrechung durch sphärische Vandrel"),
         {120, 480, 7455, 255}, false},
        {"Label2", &frm_info::Label2,
         QStringLiteral("Die numerische Berechnung der Lichtbrechung erfolgt durch lokale Anwendung des "
                        "Brechungsgesetzes nach Snellius."),
         {120, 960, 5295, 495}, false},
        {"Label9", &frm_info::Label9, QStringLiteral("Für die Berechnungen wurde verwendet:"),
         {120, 1680, 5295, 255}, false},
        {"Label7", &frm_info::Label7, QStringLiteral("Brennweite dünne Linse nach Linsenmacherformel: ²"),
         {120, 2280, 2175, 495}, false},
        {"Label12", &frm_info::Label12, QStringLiteral("( F  in Grafik schwarz )"), {120, 2760, 1815, 255}, false},
        {"Label4", &frm_info::Label4, QStringLiteral("Brennweite dicke Linse: ³"), {120, 3360, 1815, 255}, false},
        {"Label13", &frm_info::Label13, QStringLiteral("( F  in Grafik blau )"), {120, 3600, 1815, 255}, false},
        {"Label5", &frm_info::Label5, QStringLiteral("Abstand Hauptebene links zu Scheitel links: ³"),
         {120, 4440, 1695, 375}, false},
        {"Label6", &frm_info::Label6, QStringLiteral("Abstand Hauptebene rechts zu Scheitel rechts: ³"),
         {120, 5520, 1935, 375}, false},
        {"Label8", &frm_info::Label8, frm_info::legende, {2400, 6360, 3855, 855}, false},
        // Beside the legend: the sign of the radii, and how a plane surface is typed.
        {"Label14", &frm_info::Label14,
         QStringLiteral("r > 0: konvex, r < 0: konkav,\nr = ∞: eben\n(Eingabe 0, ∞ oder unendlich)"),
         {120, 6360, 2175, 855}, false},
        {"Label10", &frm_info::Label10, frm_info::literatur_2, {120, 7440, 6855, 255}, false},
        {"Label11", &frm_info::Label11, frm_info::literatur_3, {120, 7800, 6735, 255}, false},
    };
}

// The design position in pixels, on a page drawn larger by the window's factor.
QRect in_pixeln(QRect twips, const frm_info* w)
{
    const double m = w->massstab();
    const auto px = [m](int t) { return static_cast<int>(std::lround(t * m / 15.0)); };
    return {px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())};
}

TEST_F(InfoFenster, FensterHatTitelUndFesteGroesse)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Vandrel - Info"));
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    // 6885 x 8970 twips, grown as a whole when the font needs it.
    EXPECT_GE(w->massstab(), 1.0);
    EXPECT_EQ(w->size(), in_pixeln({0, 0, 6885, 8970}, w).size());
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->backgroundRole(), QPalette::Window);
}

TEST_F(InfoFenster, SchriftIstDieDesHauptfensters)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    frm_grafik haupt;
    EXPECT_EQ(w->font(), haupt.font());
    EXPECT_EQ(w->font().pointSizeF(), 8.25);
    EXPECT_FALSE(w->font().bold());
    EXPECT_EQ(w->font().family(), QApplication::font().family());
    for (const Beschriftung& b : beschriftungen()) {
        SCOPED_TRACE(b.name);
        QFont erwartet = haupt.font();
        erwartet.setBold(b.fett);
        EXPECT_EQ((w->*b.label)->font(), erwartet);
    }
}

TEST_F(InfoFenster, BeschriftungenStehenMitIhremTextAnIhrerStelle)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    for (const Beschriftung& b : beschriftungen()) {
        SCOPED_TRACE(b.name);
        QLabel* l = w->*b.label;
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), b.text);
        EXPECT_EQ(l->geometry(), in_pixeln(b.twips, w));
        EXPECT_EQ(l->font().bold(), b.fett);
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        EXPECT_EQ(l->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(l->isVisible());
    }
    EXPECT_EQ(w->cmd_ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(w->cmd_ok->font().bold());
    EXPECT_EQ(w->cmd_ok->geometry(), in_pixeln({5160, 8280, 1215, 495}, w));
}

TEST_F(InfoFenster, VersionszeileLegendeUndLiteraturSindRichtigAufgebaut)
{
    const QString& v = frm_info::versionszeile;
    const QString kopf = QStringLiteral("Vandrel.exe") + blanks(4) + u'-' + blanks(3) + QStringLiteral("Ver 1.0");
    ASSERT_TRUE(v.startsWith(kopf + blanks(42)));
    EXPECT_NE(v.at(kopf.size() + 42), u' ') << "exactly 42 blanks before the credit";
    ASSERT_TRUE(v.endsWith(blanks(2) + QStringLiteral("02.2007")));
    const QString urheber = v.mid(kopf.size() + 42, v.size() - kopf.size() - 42 - 9);
    EXPECT_FALSE(urheber.trimmed().isEmpty());
    EXPECT_EQ(urheber, urheber.trimmed());

    const QStringList zeilen = frm_info::legende.split(u'\n');
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_EQ(zeilen[0], QStringLiteral("r1 Krümmungsradius links,"));
    EXPECT_EQ(zeilen[1], QStringLiteral("r2 Krümmungsradius rechts,"));
    EXPECT_EQ(zeilen[2], QStringLiteral("d Dicke der Linse auf opt. Achse,"));
    EXPECT_EQ(zeilen[3], QStringLiteral("n Brechzahl Glas"));

    EXPECT_TRUE(frm_info::literatur_2.startsWith(QStringLiteral("[2]  ")));
    EXPECT_NE(frm_info::literatur_2.at(5), u' ');
    EXPECT_TRUE(frm_info::literatur_2.endsWith(QStringLiteral(" 1995")));
    EXPECT_TRUE(frm_info::literatur_3.startsWith(QStringLiteral("[3]  ")));
    EXPECT_NE(frm_info::literatur_3.at(5), u' ');
    EXPECT_TRUE(frm_info::literatur_3.endsWith(QStringLiteral(" 1994")));
}

// With the window's font every text must fit its box: nothing is cut off at
// the bottom of a label or at the right edge of the window.
TEST_F(InfoFenster, KeinTextWirdAbgeschnitten)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    for (const Beschriftung& b : beschriftungen()) {
        SCOPED_TRACE(b.name);
        QLabel* l = w->*b.label;
        const QFontMetrics fm(l->font());
        const int breite = std::min(l->width(), w->width() - l->x());
        const int flags = Qt::AlignLeft | Qt::AlignTop | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect noetig = fm.boundingRect(QRect(0, 0, breite, 10000), flags, l->text());
        EXPECT_LE(noetig.width(), breite);
        EXPECT_LE(noetig.height(), l->height());
    }
    const QFontMetrics fm(w->cmd_ok->font());
    EXPECT_LT(fm.horizontalAdvance(w->cmd_ok->text()), w->cmd_ok->width());
}

// ---- the formula bitmaps

struct Bitmap {
    const char* name;
    std::function<QImage()> erzeugen;
    int breite;
};

const std::vector<Bitmap> bitmaps = {
    {"f_duenn", formeln::f_duenn, 133},
    {"f_dick", formeln::f_dick, 249},
    {"sh_links", formeln::sh_links, 185},
    {"sh_rechts", formeln::sh_rechts, 193},
};

int laengster_tintenlauf(const QImage& bild, int y)
{
    int bester = 0;
    int lauf = 0;
    for (int x = 0; x < bild.width(); ++x) {
        lauf = bild.pixel(x, y) == formeln::tinte ? lauf + 1 : 0;
        bester = std::max(bester, lauf);
    }
    return bester;
}

TEST(Formelbilder, HabenIhreGroesseUndNurZweiFarben)
{
    for (const Bitmap& b : bitmaps) {
        SCOPED_TRACE(b.name);
        const QImage bild = b.erzeugen();
        ASSERT_EQ(bild.size(), QSize(b.breite, 47));
        std::set<QRgb> farben;
        int tinte = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb p = bild.pixel(x, y);
                farben.insert(p);
                tinte += p == formeln::tinte;
            }
        }
        EXPECT_TRUE(farben.count(formeln::papier));
        EXPECT_TRUE(farben.count(formeln::tinte));
        EXPECT_EQ(farben.size(), 2u) << "smoothing left grey pixels";
        // A formula, not a dot or a blot.
        EXPECT_GT(tinte, bild.width() * 2);
        EXPECT_LT(tinte, bild.width() * bild.height() / 3);
    }
}

TEST(Formelbilder, BruchstrichUeberspanntDenGroesstenTeil)
{
    for (const Bitmap& b : bitmaps) {
        SCOPED_TRACE(b.name);
        const QImage bild = b.erzeugen();
        int strich_y = -1;
        int strich = 0;
        for (int y = 0; y < bild.height(); ++y) {
            const int lauf = laengster_tintenlauf(bild, y);
            if (lauf > strich) {
                strich = lauf;
                strich_y = y;
            }
        }
        // The bar carries numerator and denominator: most of the width,
        // with ink above and below it, near the middle of the picture.
        EXPECT_GT(strich, bild.width() * 55 / 100);
        EXPECT_GT(strich_y, 15);
        EXPECT_LT(strich_y, 32);
        auto tinte_in = [&bild](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
                for (int x = 0; x < bild.width(); ++x)
                    if (bild.pixel(x, y) == formeln::tinte) return true;
            return false;
        };
        EXPECT_TRUE(tinte_in(0, strich_y - 1));
        EXPECT_TRUE(tinte_in(strich_y + 2, bild.height()));
    }
}

TEST(Formelbilder, FormelPasstMitRandInsBild)
{
    for (const Bitmap& b : bitmaps) {
        SCOPED_TRACE(b.name);
        const QImage bild = b.erzeugen();
        for (int x = 0; x < bild.width(); ++x) {
            EXPECT_EQ(bild.pixel(x, 0), formeln::papier) << "top, x=" << x;
            EXPECT_EQ(bild.pixel(x, bild.height() - 1), formeln::papier) << "bottom, x=" << x;
        }
        for (int y = 0; y < bild.height(); ++y) {
            EXPECT_EQ(bild.pixel(0, y), formeln::papier) << "left, y=" << y;
            EXPECT_EQ(bild.pixel(bild.width() - 1, y), formeln::papier) << "right, y=" << y;
        }
    }
}

// A too-narrow image still gets the whole formula, in a smaller font,
// rather than a clipped one.
TEST(Formelbilder, SchmalesBildVerkleinertDieSchrift)
{
    const formeln::Formel f{QStringLiteral("f"), QStringLiteral("r_1 · r_2"),
                            QStringLiteral("(n − 1) · (r_1 + r_2)")};
    const QImage breit = formeln::setzen(f, 200);
    const QImage schmal = formeln::setzen(f, 133);
    auto tintenbreite = [](const QImage& bild) {
        int links = bild.width(), rechts = -1;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (bild.pixel(x, y) == formeln::tinte) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
        return rechts - links + 1;
    };
    EXPECT_LT(tintenbreite(schmal), tintenbreite(breit));
    EXPECT_LE(tintenbreite(schmal), 133 - 4);
}

TEST_F(InfoFenster, BildfelderZeigenIhreFormelOben_Links)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    const struct {
        const char* name;
        Bildfeld* feld;
        QImage bild;
        QRect twips;
    } felder[] = {
        {"Picture2", w->Picture2, formeln::f_duenn(), {2400, 2160, 3900, 855}},
        {"Picture1", w->Picture1, formeln::f_dick(), {2400, 3240, 3900, 855}},
        {"Picture3", w->Picture3, formeln::sh_links(), {2400, 4320, 3900, 855}},
        {"Picture4", w->Picture4, formeln::sh_rechts(), {2400, 5400, 3900, 855}},
    };
    for (const auto& f : felder) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.feld->geometry(), in_pixeln(f.twips, w));
        EXPECT_EQ(f.feld->pixmap().toImage().convertToFormat(QImage::Format_RGB32), f.bild);
        EXPECT_EQ(f.feld->alignment(), Qt::AlignLeft | Qt::AlignTop);
        EXPECT_EQ(f.feld->backgroundRole(), QPalette::Base);
        EXPECT_NE(f.feld->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(f.feld->focusPolicy(), Qt::TabFocus);
        // A screen reader hears which formula it is, and the formula itself.
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(f.feld);
        EXPECT_TRUE(zugang->text(QAccessible::Name).startsWith(QStringLiteral("Formel ")));
        EXPECT_TRUE(zugang->text(QAccessible::Description).contains(QStringLiteral(" durch ")));
        // Drawn unscaled: the bitmap's ink appears inside the box's frame at
        // the upper left, and the box's far corner stays paper.
        const QImage gezeigt = f.feld->grab().toImage();
        const int rand = f.feld->frameWidth();
        EXPECT_EQ(gezeigt.copy(rand, rand, f.bild.width(), f.bild.height())
                      .convertToFormat(QImage::Format_RGB32),
                  f.bild);
    }
}

// ---- opening, focus, closing

TEST_F(InfoFenster, ZweimalZeigenGibtEinFenster)
{
    frm_info* erstes = oeffnen();
    ASSERT_NE(erstes, nullptr);
    frm_info_Show();
    EXPECT_EQ(frm_info_Instanz(), erstes);
    EXPECT_EQ(offene_infofenster(), 1);
}

TEST_F(InfoFenster, OkHatDenFokusUndTabGehtDurchDieBilder)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), w->cmd_ok);
    const QWidget* reihe[] = {w->Picture1, w->Picture2, w->Picture3, w->Picture4, w->cmd_ok};
    for (const QWidget* naechstes : reihe) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w->Picture4);
}

TEST_F(InfoFenster, EscapeSchliesstNicht)
{
    frm_info* w = oeffnen();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w->cmd_ok, Qt::Key_Escape);
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frm_info_Instanz(), w);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(InfoFenster, EnterLeertasteUndKlickAufOkSchliessen)
{
    const struct {
        const char* wie;
        std::function<void(QPushButton*)> druecken;
    } wege[] = {
        {"Return", [](QPushButton* b) { QTest::keyClick(b, Qt::Key_Return); }},
        {"Enter", [](QPushButton* b) { QTest::keyClick(b, Qt::Key_Enter); }},
        {"Space", [](QPushButton* b) { QTest::keyClick(b, Qt::Key_Space); }},
        {"Klick", [](QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }},
    };
    const bool hauptfenster_war_offen = frm_grafik_Instanz() != nullptr;
    for (const auto& weg : wege) {
        SCOPED_TRACE(weg.wie);
        QPointer<frm_info> w = oeffnen();
        ASSERT_FALSE(w.isNull());
        weg.druecken(w->cmd_ok);
        EXPECT_EQ(frm_info_Instanz(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull()) << "the window and its controls are destroyed";
        EXPECT_EQ(offene_infofenster(), 0);
        // OK hands over to the main window, creating it when it was closed.
        frm_grafik* haupt = frm_grafik_Instanz();
        ASSERT_NE(haupt, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(haupt));
    }
    if (!hauptfenster_war_offen) {
        frm_grafik_Instanz()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(InfoFenster, SchliessenUeberDenRahmenEntlaedtUndNeuOeffnenZeigtDieGleicheSeite)
{
    QPointer<frm_info> w = oeffnen();
    ASSERT_FALSE(w.isNull());
    const QImage vorher = w->grab().toImage();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(frm_info_Instanz(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());

    frm_info* neu = oeffnen();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->grab().toImage(), vorher);
    EXPECT_EQ(neu->focusWidget(), neu->cmd_ok);
}

TEST_F(InfoFenster, EntladenOhneFensterIstHarmlos)
{
    ASSERT_EQ(frm_info_Instanz(), nullptr);
    frm_info_Unload();
    EXPECT_EQ(frm_info_Instanz(), nullptr);
    EXPECT_EQ(offene_infofenster(), 0);
}

}  // namespace
