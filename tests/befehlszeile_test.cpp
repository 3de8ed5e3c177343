// What the command line answers, with no application object at all: help,
// version and errors must work where no display is.

#include "ui/befehlszeile.h"

#include "lens/sprache.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << text.toStdString();
}

namespace {

Auswertung auswerten(QStringList argumente)
{
    argumente.prepend(QStringLiteral("/usr/bin/vandrel"));
    return befehlszeile_auswerten(argumente);
}

QString fehlertext(const char* meldung)
{
    return QStringLiteral("vandrel: ") + QString::fromUtf8(meldung) + QStringLiteral("\nHilfe: vandrel --help\n");
}

TEST(Befehlszeile, HilfeUndVersionEndenMitNull)
{
    for (const char* option : {"--help", "-h"}) {
        const Auswertung a = auswerten({QString::fromLatin1(option)});
        EXPECT_EQ(a.aktion, Auswertung::Aktion::Hilfe) << option;
        EXPECT_EQ(a.rueckgabe, 0);
        EXPECT_EQ(a.text, hilfetext());
    }
    // The help names every option that the program reads.
    for (const char* name : {"--help", "--version", "--ort ", "--r1 ", "--r2 ", "--n ", "--max-x ", "--dicke ",
                             "--objekt-ort ", "--objekt-hoehe ", "--abbildung", "--strahlen", "--bild DATEI.png",
                             "--groesse BREITExHOEHE", "930x570", "--werte",
                             // and that the page's address takes the same options
                             "index.html?r1=40&n=1,7&abbildung&strahlen"}) {
        EXPECT_TRUE(hilfetext().contains(QString::fromLatin1(name))) << name;
    }
    // The radii as the help writes them: a concave and a plane surface are
    // values, not texts that are no number.
    const struct {
        const char* beispiel;
        const char* wert;
    } radien[] = {{"--r1 -40", "-40"}, {"--r1=-40", "-40"}, {"--r2 unendlich", "unendlich"}};
    for (const auto& r : radien) {
        EXPECT_TRUE(hilfetext().contains(QString::fromLatin1(r.beispiel))) << r.beispiel;
        const Auswertung a = auswerten(QString::fromLatin1(r.beispiel).split(u' '));
        EXPECT_EQ(a.aktion, Auswertung::Aktion::Weiter) << r.beispiel << ": " << a.text.toStdString();
        ASSERT_EQ(a.befehl.werte.size(), 1u) << r.beispiel;
        EXPECT_EQ(a.befehl.werte[0].text, QString::fromLatin1(r.wert));
    }

    const Auswertung v = auswerten({QStringLiteral("--version")});
    EXPECT_EQ(v.aktion, Auswertung::Aktion::Version);
    EXPECT_EQ(v.rueckgabe, 0);
    EXPECT_TRUE(v.text.startsWith(QStringLiteral("vandrel " VANDREL_VERSION "\n"))) << v.text.toStdString();
    EXPECT_EQ(auswerten({QStringLiteral("-v")}).text, v.text);
}

TEST(Befehlszeile, FehlerEndenMitZweiUndDemHinweisAufDieHilfe)
{
    const struct {
        QStringList argumente;
        const char* meldung;
    } faelle[] = {
        {{QStringLiteral("--farbe")}, "unbekannte Option „--farbe“"},
        {{QStringLiteral("-x")}, "unbekannte Option „-x“"},
        // An error wins over the help, so that a script learns of its typo.
        {{QStringLiteral("--help"), QStringLiteral("--farbe=rot")}, "unbekannte Option „--farbe“"},
        {{QStringLiteral("--r1")}, "nach „--r1“ fehlt der Wert"},
        {{QStringLiteral("--strahlen=ja")}, "„--strahlen“ nimmt keinen Wert"},
        {{QStringLiteral("bild.png")}, "unerwartetes Argument „bild.png“"},
        {{QStringLiteral("--bild="), QStringLiteral("--strahlen")}, "--bild braucht einen Dateinamen"},
        {{QStringLiteral("--bild"), QStringLiteral("a.png"), QStringLiteral("--groesse"), QStringLiteral("930x")},
         "--groesse erwartet BREITExHOEHE in Pixeln, je höchstens 8192, z. B. 930x570, nicht „930x“"},
        {{QStringLiteral("--bild=a.png"), QStringLiteral("--groesse=0x570")},
         "--groesse erwartet BREITExHOEHE in Pixeln, je höchstens 8192, z. B. 930x570, nicht „0x570“"},
        // The raster's largest side: beyond it the picture would come out smaller.
        {{QStringLiteral("--bild=a.png"), QStringLiteral("--groesse=100x8193")},
         "--groesse erwartet BREITExHOEHE in Pixeln, je höchstens 8192, z. B. 930x570, nicht „100x8193“"},
        {{QStringLiteral("--groesse=930x570")}, "--groesse gilt nur zusammen mit --bild"},
        // No number at all is told before anything opens, with the box's name.
        {{QStringLiteral("--r2=40"), QStringLiteral("--r1"), QStringLiteral("abc")},
         "--r1: „abc“ ist keine Zahl (Feld „Linse: r 1 (Krümmungsradius links)“)"},
        {{QStringLiteral("--objekt-hoehe=")}, "--objekt-hoehe: „“ ist keine Zahl (Feld „Objekt: Höhe (Höhe des Gegenstands)“)"},
    };
    for (const auto& fall : faelle) {
        const Auswertung a = auswerten(fall.argumente);
        EXPECT_EQ(a.aktion, Auswertung::Aktion::Fehler) << fall.meldung;
        EXPECT_EQ(a.rueckgabe, 2) << fall.meldung;
        EXPECT_EQ(a.text, fehlertext(fall.meldung));
    }
}

TEST(Befehlszeile, SpracheGiltSchonFuerHilfeUndFehler)
{
    struct Deutsch {
        ~Deutsch() { sprache::waehlen("de"); }
    } danach;
    // Read first, though written after the option it speaks about.
    const Auswertung fehler = auswerten({QStringLiteral("--farbe"), QStringLiteral("--sprache"), QStringLiteral("en")});
    EXPECT_EQ(fehler.text, QStringLiteral("vandrel: unknown option \u201c--farbe\u201d\nHelp: vandrel --help\n"));
    const Auswertung zahl = auswerten({QStringLiteral("--sprache=en"), QStringLiteral("--r1=abc")});
    // The box's name is the design table's, in English too.
    EXPECT_TRUE(zahl.text.startsWith(QStringLiteral("vandrel: --r1: \u201cabc\u201d is not a number (box \u201cLens: ")))
        << zahl.text.toStdString();
    EXPECT_TRUE(zahl.text.endsWith(QStringLiteral("\u201d)\nHelp: vandrel --help\n")));
    // The help's numbers and its example address in the language's own way.
    const QString hilfe = auswerten({QStringLiteral("--sprache=en"), QStringLiteral("-h")}).text;
    EXPECT_TRUE(hilfe.startsWith(QStringLiteral("Usage: vandrel"))) << hilfe.toStdString();
    EXPECT_TRUE(hilfe.contains(QStringLiteral("index.html?r1=40&n=1.7&abbildung&strahlen&sprache=en\n")));
    EXPECT_TRUE(hilfe.contains(QStringLiteral("--r2 inf"))) << hilfe.toStdString();
    EXPECT_EQ(auswerten({QStringLiteral("--r2"), QStringLiteral("inf")}).aktion, Auswertung::Aktion::Weiter);
}

TEST(Befehlszeile, WerteInFesterReihenfolgeWieGeschrieben)
{
    const Auswertung a = auswerten({QStringLiteral("--objekt-ort"), QStringLiteral("-5"), QStringLiteral("--n=1.5"),
                                    QStringLiteral("--ort=20"), QStringLiteral("--r1"), QStringLiteral("40"),
                                    QStringLiteral("--ort"), QStringLiteral("1,5e1"), QStringLiteral("--abbildung"),
                                    QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bild"),
                                    QStringLiteral("a b.png"), QStringLiteral("--groesse=1X8192")});
    ASSERT_EQ(a.aktion, Auswertung::Aktion::Weiter) << a.text.toStdString();
    const Befehlszeile& b = a.befehl;
    ASSERT_EQ(b.werte.size(), 4u);
    // Radius before the lens position, whose bound depends on it; the last
    // --ort counts; texts stay as written, a leading minus included.
    EXPECT_EQ(b.werte[0].box, Box::R1_a);
    EXPECT_EQ(b.werte[0].text, QStringLiteral("40"));
    EXPECT_EQ(b.werte[1].box, Box::n1);
    EXPECT_EQ(b.werte[1].text, QStringLiteral("1.5"));
    EXPECT_EQ(b.werte[2].box, Box::X1_0);
    EXPECT_EQ(b.werte[2].text, QStringLiteral("1,5e1"));
    EXPECT_EQ(b.werte[3].box, Box::ort);
    EXPECT_EQ(b.werte[3].text, QStringLiteral("-5"));
    EXPECT_TRUE(b.abbildung);
    EXPECT_FALSE(b.strahlen);
    EXPECT_EQ(b.bild, QStringLiteral("a b.png"));
    EXPECT_EQ(b.groesse, QSize(1, 8192));

    // A plane surface is a value for a radius, for no other box.
    const Auswertung eben = auswerten({QStringLiteral("--r1"), QStringLiteral("unendlich"), QStringLiteral("--r2=\u221e")});
    EXPECT_EQ(eben.aktion, Auswertung::Aktion::Weiter) << eben.text.toStdString();
    EXPECT_EQ(auswerten({QStringLiteral("--n=unendlich")}).aktion, Auswertung::Aktion::Fehler);

    const Auswertung leer = auswerten({});
    EXPECT_EQ(leer.aktion, Auswertung::Aktion::Weiter);
    EXPECT_TRUE(leer.befehl.werte.empty());
    EXPECT_EQ(leer.befehl.groesse, QSize(930, 570));
}

}  // namespace
