// The installed way to get a picture: the real program with --bild, where no
// display is and no platform is chosen.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef VANDREL_PROGRAMM
#error "VANDREL_PROGRAMM comes from the build"
#endif

namespace {

struct Lauf {
    int rueckgabe = -1;
    QString fehler;   // standard error
    QString ausgabe;  // standard output
};

class BildExport : public ::testing::Test {
protected:
    Lauf starten(QStringList argumente)
    {
        QProcess p;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            umgebung.remove(QString::fromLatin1(name));
        }
        p.setProcessEnvironment(umgebung);
        p.start(QStringLiteral(VANDREL_PROGRAMM), argumente);
        Lauf l;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "vandrel lief nicht zu Ende: " << argumente.join(' ').toStdString();
            return l;
        }
        l.rueckgabe = p.exitCode();
        l.fehler = QString::fromLocal8Bit(p.readAllStandardError());
        l.ausgabe = QString::fromUtf8(p.readAllStandardOutput());
        return l;
    }
    QString pfad(const char* name) const { return ordner.filePath(QString::fromLatin1(name)); }
    QImage bild(const char* name, QStringList optionen)
    {
        const Lauf l = starten(QStringList{QStringLiteral("--bild"), pfad(name)} + optionen);
        EXPECT_EQ(l.rueckgabe, 0) << l.fehler.toStdString();
        return QImage(pfad(name)).convertToFormat(QImage::Format_RGB32);
    }
    // Checks that the run fails with a message and leaves the folder empty.
    void scheitert(const QString& ziel, QStringList optionen)
    {
        const Lauf l = starten(QStringList{QStringLiteral("--bild"), ziel} + optionen);
        EXPECT_EQ(l.rueckgabe, 1) << optionen.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.contains(QStringLiteral("vandrel: "))) << l.fehler.toStdString();
        EXPECT_TRUE(QDir(ordner.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << optionen.join(' ').toStdString();
    }

    QTemporaryDir ordner;
};

int anzahl(const QImage& b, QRgb farbe, QRect bereich)
{
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            n += b.pixel(x, y) == farbe;
        }
    }
    return n;
}

TEST_F(BildExport, DrawsTheSceneWithoutADisplay)
{
    const QImage b = bild("a.png", {QStringLiteral("--abbildung"), QStringLiteral("--strahlen")});
    ASSERT_EQ(b.size(), QSize(930, 570));
    EXPECT_GT(anzahl(b, qRgb(0xFF, 0, 0), b.rect()), 1000);  // rays outside the glass
    EXPECT_GT(anzahl(b, qRgb(0, 0x80, 0), b.rect()), 100);   // object and image
    // The blue letters stand above the frame, where only text is: the fonts work.
    EXPECT_GT(anzahl(b, qRgb(0, 0, 0xFF), QRect(0, 0, 930, 100)), 10);
}

TEST_F(BildExport, TwiceTheSizeDrawsLinesTwiceAsWide)
{
    const QRgb schwarz = qRgb(0, 0, 0);
    // Across the optical axis, in the open right part of the frame.
    const QImage einfach = bild("1.png", {});
    ASSERT_EQ(einfach.size(), QSize(930, 570));
    EXPECT_EQ(anzahl(einfach, schwarz, QRect(700, 200, 1, 250)), 1);
    const QImage doppelt = bild("2.png", {QStringLiteral("--groesse"), QStringLiteral("1860x1140")});
    ASSERT_EQ(doppelt.size(), QSize(1860, 1140));
    EXPECT_EQ(anzahl(doppelt, schwarz, QRect(1400, 400, 1, 500)), 2);
    // Printed at 96 dpi times the ratio, both come out the same size.
    EXPECT_EQ(einfach.dotsPerMeterX(), qRound(96 / 0.0254));
    EXPECT_EQ(doppelt.dotsPerMeterX(), qRound(2 * 96 / 0.0254));
    EXPECT_EQ(doppelt.dotsPerMeterY(), qRound(2 * 96 / 0.0254));

    // 1141 is odd: exactly that size, at ratio 1, thin lines one pixel wide.
    const QImage ungerade = bild("3.png", {QStringLiteral("--groesse"), QStringLiteral("1860x1141")});
    ASSERT_EQ(ungerade.size(), QSize(1860, 1141));
    EXPECT_EQ(anzahl(ungerade, schwarz, QRect(1400, 400, 1, 500)), 1);
    EXPECT_EQ(ungerade.dotsPerMeterX(), qRound(96 / 0.0254));
}

TEST_F(BildExport, ARefusedValueBehavesAsInTheWindow)
{
    // 79 is refused: the box would show 80, the range stays 150.
    const QImage vorgabe = bild("vorgabe.png", {});
    EXPECT_EQ(bild("79.png", {QStringLiteral("--max-x"), QStringLiteral("79")}), vorgabe);
    EXPECT_NE(bild("80.png", {QStringLiteral("--max-x"), QStringLiteral("80")}), vorgabe);
}

TEST_F(BildExport, AVirtualImageCarriesTheNotice)
{
    // Where the window shows its label "virtuelles Bild !", in bold black.
    const QRect hinweis(704, 20, 153, 17);
    const QRgb schwarz = qRgb(0, 0, 0);
    // The object between F and the lens.
    const QImage virtuell = bild("v.png", {QStringLiteral("--abbildung"), QStringLiteral("--objekt-ort"),
                                           QStringLiteral("30")});
    EXPECT_GT(anzahl(virtuell, schwarz, hinweis), 150);
    EXPECT_EQ(anzahl(bild("r.png", {QStringLiteral("--abbildung")}), schwarz, hinweis), 0);

    // In English "virtual image!": there, and shorter than the German words.
    const QImage englisch = bild("e.png", {QStringLiteral("--sprache"), QStringLiteral("en"),
                                           QStringLiteral("--abbildung"), QStringLiteral("--objekt-ort"),
                                           QStringLiteral("30")});
    EXPECT_GT(anzahl(englisch, schwarz, hinweis), 100);
    // Where the words end: the German ones a good letter farther right.
    const auto ende = [&](const QImage& b) {
        int x = hinweis.right();
        while (x > hinweis.left() && anzahl(b, schwarz, QRect(x, hinweis.top(), 1, hinweis.height())) == 0) {
            --x;
        }
        return x;
    };
    EXPECT_LT(ende(englisch), ende(virtuell) - 5);
}

TEST_F(BildExport, AnErrorWritesNothing)
{
    scheitert(pfad("fehlt/x.png"), {});
    // n = 1 passes the range, but the lens cannot be computed: "Unfug !" in the window.
    scheitert(pfad("x.png"), {QStringLiteral("--n"), QStringLiteral("1")});
    // The redraw draws nothing below 1000 twips a side: 66 pixels are 990.
    scheitert(pfad("x.png"), {QStringLiteral("--groesse"), QStringLiteral("66x570")});
    EXPECT_EQ(bild("x.png", {QStringLiteral("--groesse"), QStringLiteral("67x570")}).size(), QSize(67, 570));
}

TEST_F(BildExport, ValuesAloneOrBesideThePicture)
{
    const QString werte = QStringLiteral("--werte");
    const Lauf fokus = starten({werte, QStringLiteral("--strahlen")});
    EXPECT_EQ(fokus.rueckgabe, 0) << fokus.fehler.toStdString();
    EXPECT_TRUE(fokus.ausgabe.contains(QStringLiteral("Brennpunkt F'\tx_F'\t85,69\n")));
    EXPECT_TRUE(fokus.ausgabe.contains(QStringLiteral("\n3,00\t85,37\t-0,32\n")));
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());

    const Lauf virtuell = starten({werte, QStringLiteral("--abbildung"), QStringLiteral("--objekt-ort=30")});
    EXPECT_EQ(virtuell.rueckgabe, 0);
    EXPECT_TRUE(virtuell.ausgabe.contains(QStringLiteral("Abbildungsmaßstab\tβ\t1,95\nBild\t\tvirtuell, aufrecht\n")));

    // In English with the decimal point, as a spreadsheet in English reads it.
    const Lauf englisch = starten({QStringLiteral("--sprache"), QStringLiteral("en"), werte, QStringLiteral("--strahlen")});
    EXPECT_EQ(englisch.rueckgabe, 0) << englisch.fehler.toStdString();
    EXPECT_TRUE(englisch.ausgabe.contains(QStringLiteral("\tx_F'\t85.69\n"))) << englisch.ausgabe.toStdString();
    EXPECT_TRUE(englisch.ausgabe.contains(QStringLiteral("\n3.00\t85.37\t-0.32\n")));

    // With a picture: the same values, and the picture is written.
    const Lauf beides = starten({werte, QStringLiteral("--strahlen"), QStringLiteral("--bild"), pfad("b.png")});
    EXPECT_EQ(beides.rueckgabe, 0);
    EXPECT_EQ(beides.ausgabe, fokus.ausgabe);
    EXPECT_EQ(QImage(pfad("b.png")).size(), QSize(930, 570));

    // A scene that cannot be drawn: "Unfug !" on standard error, no values.
    const Lauf unfug = starten({werte, QStringLiteral("--n"), QStringLiteral("1")});
    EXPECT_EQ(unfug.rueckgabe, 1);
    EXPECT_TRUE(unfug.fehler.contains(QStringLiteral("Unfug !"))) << unfug.fehler.toStdString();
    EXPECT_TRUE(unfug.ausgabe.isEmpty());
}

TEST_F(BildExport, TheFirstFailingValueIsNamed)
{
    // n = 1 is taken over before max x, and the scene stops there.
    const Lauf l = starten({QStringLiteral("--n"), QStringLiteral("1"), QStringLiteral("--max-x"), QStringLiteral("100"),
                            QStringLiteral("--bild"), pfad("a.png")});
    EXPECT_EQ(l.rueckgabe, 1);
    EXPECT_TRUE(l.fehler.contains(QStringLiteral("vandrel: --n 1: "))) << l.fehler.toStdString();
    EXPECT_FALSE(l.fehler.contains(QStringLiteral("--max-x"))) << l.fehler.toStdString();

    // The mode and the rays are set before the values, so that a value that
    // fails only with rays in the imaging mode is named: the object exactly
    // at F (r 1 = r 2 = 26 with Dicke + 8 put it at 16) leaves no ray fan.
    const Lauf imF = starten({QStringLiteral("--r1"), QStringLiteral("26"), QStringLiteral("--r2"), QStringLiteral("26"),
                              QStringLiteral("--dicke"), QStringLiteral("8"), QStringLiteral("--objekt-ort"),
                              QStringLiteral("16"), QStringLiteral("--abbildung"), QStringLiteral("--strahlen"),
                              QStringLiteral("--werte")});
    EXPECT_EQ(imF.rueckgabe, 1);
    EXPECT_TRUE(imF.fehler.startsWith(QStringLiteral("vandrel: --objekt-ort 16: \u201eUnfug !\u201c")))
        << imF.fehler.toStdString();
}

}  // namespace
