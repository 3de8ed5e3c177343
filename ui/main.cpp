#include "ui/befehlszeile.h"
#include "ui/bild_export.h"
#include "ui/fenster.h"
#include "ui/frm_grafik.h"
#include "ui/symbol.h"
#include "lens/sprache.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// With VANDREL_STARTZEIT set, prints the wall-clock time at which the first
// picture has been painted and the peak resident memory so far, then (with
// the value "ende") quits: the start-up benchmark reads both.
class ErstesBild : public QObject {
public:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (!gesehen_ && ereignis->type() == QEvent::Paint &&
            objekt->objectName() == QLatin1String("Zeichenbereich")) {
            gesehen_ = true;
            QTimer::singleShot(0, [] { melden(); });
        }
        return false;
    }

private:
    static void melden()
    {
        timespec jetzt{};
        clock_gettime(CLOCK_REALTIME, &jetzt);
        QByteArray spitze;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& zeile : status.readAll().split('\n')) {
                if (zeile.startsWith("VmHWM:")) {
                    spitze = zeile.mid(6).trimmed();
                }
            }
        }
        std::printf("erstes_bild_ns %lld\nspitze_rss %s\n",
                    static_cast<long long>(jetzt.tv_sec) * 1000000000LL + jetzt.tv_nsec, spitze.constData());
        std::fflush(stdout);
        if (qgetenv("VANDREL_STARTZEIT") == "ende") {
            QCoreApplication::exit(0);
        }
    }
    bool gesehen_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    // The language as the desktop's locale says; --sprache may change it.
    sprache::waehlen(sprache::aus_umgebung(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                           std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    QStringList argumente;
    for (int i = 0; i < argc; ++i) {
        argumente << QString::fromLocal8Bit(argv[i]);
    }
    const Auswertung befehl = befehlszeile_auswerten(argumente);
    if (befehl.aktion != Auswertung::Aktion::Weiter) {
        std::fputs(befehl.text.toLocal8Bit().constData(),
                   befehl.aktion == Auswertung::Aktion::Fehler ? stderr : stdout);
        return befehl.rueckgabe;
    }
    const Befehlszeile& b = befehl.befehl;
    const auto scheitern = [](const QString& meldung) {
        std::fputs((QStringLiteral("vandrel: ") + meldung + QStringLiteral("\n")).toLocal8Bit().constData(), stderr);
        return 1;
    };

    // The values alone need no application object and no display.
    if (b.werte_ausgeben && b.bild.isEmpty()) {
        const Werte w = werte_ermitteln(b);
        if (!w.meldung.isEmpty()) {
            return scheitern(w.meldung);
        }
        std::fputs(w.text.c_str(), stdout);
        return 0;
    }

    // A picture needs no display: the offscreen platform, also over a
    // -platform of the user's, which Qt would read after the environment.
    std::vector<char*> qt_argumente(argv, argv + argc);
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    if (!b.bild.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qt_argumente.push_back(platform);
        qt_argumente.push_back(offscreen);
    }
    int qt_anzahl = static_cast<int>(qt_argumente.size());
    qt_argumente.push_back(nullptr);
    QApplication app(qt_anzahl, qt_argumente.data());
    // Only the name: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Vandrel"));

    if (!b.bild.isEmpty()) {
        std::string werte;
        const QString meldung = bild_exportieren(b, b.werte_ausgeben ? &werte : nullptr);
        if (!meldung.isEmpty()) {
            return scheitern(meldung);
        }
        std::fputs(werte.c_str(), stdout);
        return 0;
    }

    QApplication::setWindowIcon(fenster_symbol());
    ErstesBild messung;
    if (qEnvironmentVariableIsSet("VANDREL_STARTZEIT")) {
        app.installEventFilter(&messung);
    }
    frm_grafik_Show();
    // The window is there with its first picture; the scene options are
    // typed in as a user would, and a value that fails shows "Unfug !" over it.
    if (frm_grafik* f = frm_grafik_Instanz()) {
        f->befehlszeile_uebernehmen(b);
    }
    const int ergebnis = app.exec();
    zwischenablage_uebergeben();
    return ergebnis;
}
