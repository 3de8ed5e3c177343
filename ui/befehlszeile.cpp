#include "ui/befehlszeile.h"

#include "form/grafik_kern.h"
#include "form/zahltext.h"
#include "lens/sprache.h"
#include "render/rasterbild.h"
#include "ui/uebersetzt.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstring>
#include <optional>

#ifndef VANDREL_VERSION
#error "VANDREL_VERSION comes from the build"
#endif

namespace {

// Read by QGuiApplication and QApplication themselves; with a value or without.
const char* const qt_mit_wert[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                   "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                   "display", "geometry", "style", "stylesheet"};
const char* const qt_ohne_wert[] = {"reverse", "widgetcount"};

const QString programm = QStringLiteral("vandrel");

QString zitat(const QString& text)
{
    return uebersetzt_q("„%1“").arg(text);
}

// As the user would have written it: "-h", "--ort".
QString mit_strichen(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

Auswertung fehler(const QString& meldung)
{
    Auswertung a;
    a.aktion = Auswertung::Aktion::Fehler;
    a.rueckgabe = 2;
    a.text = uebersetzt_q("%1: %2\nHilfe: %1 --help\n").arg(programm, meldung);
    return a;
}

std::optional<QSize> groesse_lesen(const QString& text)
{
    static const QRegularExpression muster(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX×]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch()) {
        return std::nullopt;
    }
    const QSize groesse(treffer.captured(1).toInt(), treffer.captured(2).toInt());
    // Larger, the raster would make a smaller picture and show it enlarged.
    // Too small for the redraw is not told here: the redraw's own size
    // guard decides that, and the export reports it.
    for (int kante : {groesse.width(), groesse.height()}) {
        if (kante < 1 || kante > Rasterbild::groesste_kante) {
            return std::nullopt;
        }
    }
    return groesse;
}

// The option's name as the user wrote it, with its dashes.
QString wie_geschrieben(const QString& name, const QStringList& argumente)
{
    for (const QString& argument : argumente.mid(1)) {
        const QString links = argument.section(QLatin1Char('='), 0, 0);
        if (links.startsWith(QLatin1Char('-')) && QStringView(links).sliced(links.startsWith(QLatin1String("--")) ? 2 : 1) == name) {
            return links;
        }
    }
    return mit_strichen(name);
}

// QCommandLineParser tells why it failed only in English; the reasons left
// once unknown options are ruled out are a flag given a value ("--strahlen=ja")
// and a value missing after the last argument.
QString parserfehler(const QCommandLineParser& parser, const QStringList& argumente,
                     const QStringList& flaggen)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        return uebersetzt_q("unbekannte Option %1")
            .arg(zitat(wie_geschrieben(parser.unknownOptionNames().first(), argumente)));
    }
    for (const QString& name : flaggen) {
        const QString geschrieben = wie_geschrieben(name, argumente);
        for (const QString& argument : argumente.mid(1)) {
            if (argument == QLatin1String("--")) {
                break;
            }
            if (argument.startsWith(geschrieben + QLatin1Char('='))) {
                return uebersetzt_q("%1 nimmt keinen Wert").arg(zitat(geschrieben));
            }
        }
    }
    return uebersetzt_q("nach %1 fehlt der Wert").arg(zitat(argumente.last()));
}

// The codes of the languages there are: "de|en".
QString sprachcodes()
{
    QStringList codes;
    for (int i = 0; i < sprache::katalog::anzahl; ++i) {
        codes << QString::fromUtf8(sprache::katalog::sprachen[i].code);
    }
    return codes.join(QLatin1Char('|'));
}

// --sprache counts before anything else is read, so that the help and the
// messages about the other options are already in the language asked for.
// Its value as written, or nothing.
std::optional<QString> sprache_vorab(const QStringList& argumente)
{
    std::optional<QString> wert;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--")) {
            break;
        }
        for (const QString& name : {QStringLiteral("--sprache"), QStringLiteral("-sprache")}) {
            if (a == name && i + 1 < argumente.size()) {
                wert = argumente[i + 1];
            } else if (a.startsWith(name + QLatin1Char('='))) {
                wert = a.mid(name.size() + 1);
            }
        }
    }
    return wert;
}

}  // namespace

QString versionstext()
{
    return programm + QStringLiteral(" " VANDREL_VERSION "\n") +
           uebersetzt_q("Copyright (C) 2026 die Vandrel-Entwickler\n"
                        "Lizenz GPLv3+: GNU GPL Version 3 oder neuer <https://gnu.org/licenses/gpl.html>\n"
                        "Dies ist freie Software; es gibt KEINE GARANTIE.\n");
}

QString hilfetext()
{
    struct Zeile {
        QString links, rechts;
    };
    std::vector<Zeile> zeilen;
    QString text = uebersetzt_q("Aufruf: %1 [OPTION …]\n"
                                "Geometrische Optik: Lichtbrechung durch eine dicke Linse mit zwei "
                                "Kugelflächen.\nOhne Optionen öffnet sich das Fenster.\n")
                       .arg(programm);
    const auto abschnitt = [&](const QString& titel, const std::vector<Zeile>& eintraege) {
        text += QStringLiteral("\n") + titel + QStringLiteral("\n");
        for (const Zeile& z : eintraege) {
            text += QStringLiteral("  ") + z.links.leftJustified(28) + z.rechts + QStringLiteral("\n");
        }
    };
    abschnitt(uebersetzt_q("Optionen:"), {{QStringLiteral("-h, --help"), uebersetzt_q("diese Hilfe zeigen")},
                                          {QStringLiteral("-v, --version"), uebersetzt_q("die Version zeigen")},
                                          {QStringLiteral("    --sprache ") + sprachcodes(),
                                           uebersetzt_q("die Sprache (Vorgabe aus LANGUAGE, LC_ALL, LC_MESSAGES, LANG)")}});
    std::vector<Zeile> szene;
    for (const Szenenoption& o : szenenoptionen) {
        szene.push_back({QStringLiteral("    ") + uebersetzt_q("--%1 ZAHL").arg(QLatin1String(o.name)),
                         uebersetzt_q(o.beschreibung)});
    }
    szene.push_back({QStringLiteral("    --abbildung"), uebersetzt_q("Abbildung statt Fokus")});
    szene.push_back({QStringLiteral("    --strahlen"), uebersetzt_q("Lichtstrahlen einzeichnen")});
    abschnitt(uebersetzt_q("Szene (Zahlen wie in den Eingabefeldern: „1,5“ oder „1.5“):"), szene);
    // The radii's sign and the plane surface are what a pupil cannot guess
    // from the option names; the ranges stay in the manual page.
    text += uebersetzt_q("\n  r 1, r 2 mit Vorzeichen wie in der Linsenmacherformel: positiv konvex, negativ konkav\n"
                         "  (--r1 -40 oder --r1=-40), 0, ∞ oder unendlich eben (--r2 unendlich).\n"
                         "  Dicke + ist die Dicke an der dünnsten Stelle der Linse: am Rand, wenn sie in der\n"
                         "  Mitte dicker ist (bikonvex), sonst in der Mitte (bikonkav).\n");
    abschnitt(uebersetzt_q("Bild:"),
              {{QStringLiteral("    ") + uebersetzt_q("--bild DATEI.png"),
                uebersetzt_q("das Bild in DATEI.png schreiben, ohne Fenster")},
               {QStringLiteral("    ") + uebersetzt_q("--groesse BREITExHOEHE"),
                uebersetzt_q("Größe des Bildes in Pixeln (Vorgabe %1x%2)")
                    .arg(bild_standardgroesse.width())
                    .arg(bild_standardgroesse.height())}});
    abschnitt(uebersetzt_q("Messwerte:"),
              {{QStringLiteral("    --werte"),
                uebersetzt_q("die Messwerte der Szene als Tabelle ausgeben (Tabulatoren, Dezimalkomma), ohne Fenster")}});
    // The example address is no text to translate: its number has the
    // language's separator, and outside German it names the language.
    QString adresse = QStringLiteral("index.html?r1=40&n=%1&abbildung&strahlen")
                          .arg(QString::fromStdString(zahl_zu_text(1.7)));
    if (std::strcmp(sprache::aktuell().code, sprache::katalog::sprachen[0].code) != 0) {
        adresse += QStringLiteral("&sprache=") + QString::fromUtf8(sprache::aktuell().code);
    }
    text += QStringLiteral("\n") +
            uebersetzt_q("Dieselben Szenenoptionen gelten in der Adresse der Browser-Ausgabe, ohne Striche:") +
            QStringLiteral("\n  ") + adresse + QStringLiteral("\n");
    text += uebersetzt_q("\nBereiche der Werte und Meldungen: man %1\n").arg(programm);
    return text;
}

Auswertung befehlszeile_auswerten(const QStringList& argumente)
{
    const std::optional<QString> sprachwahl = sprache_vorab(argumente);
    // Only the language's own code: "en", not "en_GB" or "english".
    if (sprachwahl && (!sprachcodes().split(QLatin1Char('|')).contains(*sprachwahl) ||
                       !sprache::waehlen(sprachwahl->toStdString()))) {
        return fehler(uebersetzt_q("--sprache erwartet %1, nicht %2").arg(sprachcodes(), zitat(*sprachwahl)));
    }
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto option = [](const char* name, const char* wert = nullptr) {
        return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(wert));
    };
    // Help and version first, then every scene and picture option.
    QList<QCommandLineOption> optionen = {
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
        QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}),
        option("abbildung"),
        option("strahlen"),
        option("bild", "DATEI"),
        option("groesse", "BREITExHOEHE"),
        option("werte"),
        option("sprache", "SPRACHE"),
    };
    for (const Szenenoption& o : szenenoptionen) {
        optionen << option(o.name, "ZAHL");
    }
    for (const char* name : qt_mit_wert) {
        optionen << option(name, "WERT");
    }
    for (const char* name : qt_ohne_wert) {
        optionen << option(name);
    }
    QStringList flaggen;
    for (const QCommandLineOption& o : optionen) {
        parser.addOption(o);
        if (o.valueName().isEmpty()) {
            flaggen << o.names();
        }
    }

    if (!parser.parse(argumente)) {
        return fehler(parserfehler(parser, argumente, flaggen));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fehler(uebersetzt_q("unerwartetes Argument %1").arg(zitat(parser.positionalArguments().first())));
    }

    Auswertung a;
    if (parser.isSet(QStringLiteral("help"))) {
        a.aktion = Auswertung::Aktion::Hilfe;
        a.text = hilfetext();
        return a;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        a.aktion = Auswertung::Aktion::Version;
        a.text = versionstext();
        return a;
    }

    Befehlszeile& b = a.befehl;
    for (Box box : uebernahme_reihenfolge) {
        for (const Szenenoption& o : szenenoptionen) {
            // Given twice, the last one counts, as when a box is typed into twice.
            if (o.box == box && parser.isSet(QLatin1String(o.name))) {
                b.werte.push_back({box, parser.value(QLatin1String(o.name)),
                                   wie_geschrieben(QLatin1String(o.name), argumente)});
            }
        }
    }
    b.abbildung = parser.isSet(QStringLiteral("abbildung"));
    b.strahlen = parser.isSet(QStringLiteral("strahlen"));
    b.bild = parser.value(QStringLiteral("bild"));
    b.werte_ausgeben = parser.isSet(QStringLiteral("werte"));

    if (parser.isSet(QStringLiteral("bild")) && b.bild.isEmpty()) {
        return fehler(uebersetzt_q("--bild braucht einen Dateinamen"));
    }
    if (parser.isSet(QStringLiteral("groesse"))) {
        const QString wert = parser.value(QStringLiteral("groesse"));
        const std::optional<QSize> groesse = groesse_lesen(wert);
        if (!groesse) {
            return fehler(uebersetzt_q("--groesse erwartet BREITExHOEHE in Pixeln, je höchstens %1, "
                                       "z. B. %2x%3, nicht %4")
                              .arg(Rasterbild::groesste_kante)
                              .arg(bild_standardgroesse.width())
                              .arg(bild_standardgroesse.height())
                              .arg(zitat(wert)));
        }
        if (b.bild.isEmpty()) {
            // The window keeps the size the user gives it.
            return fehler(uebersetzt_q("--groesse gilt nur zusammen mit --bild"));
        }
        b.groesse = *groesse;
    }
    // Text that is no number would only show "Unfug !" in the window; on the
    // command line it is a mistake to tell before anything opens.
    for (const Szenenwert& w : b.werte) {
        if (!eingabewert(w.box, w.text.toStdString())) {
            return fehler(uebersetzt_q("%1: %2 ist keine Zahl (Feld %3)")
                              .arg(w.option, zitat(w.text),
                                   zitat(uebersetzt_q(entwurf::box(w.box).zugang_name))));
        }
    }
    return a;
}

void szene_uebernehmen(const Befehlszeile& befehl, Ansicht& ansicht, GrafikKern& kern,
                       const Szenenschalter& schalter, const std::function<bool(const Szenenwert&)>& weiter)
{
    Szenenangabe szene;
    szene.abbildung = befehl.abbildung;
    szene.strahlen = befehl.strahlen;
    for (const Szenenwert& w : befehl.werte) {
        szene.werte.push_back({w.box, w.text.toStdString(), w.option.toStdString()});
    }
    ::szene_uebernehmen(szene, ansicht, kern, schalter, [&](std::size_t i) {
        return !weiter || weiter(befehl.werte[i]);
    });
}
