#include "ui/befehlszeile.h"
#include "ui/fenster.h"
#include "ui/symbol.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>

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
    if (!befehl.befehl.angegeben.isEmpty()) {
        // Read, but not yet taken over: refused rather than ignored.
        std::fprintf(stderr, "vandrel: %s ist in dieser Fassung noch nicht verfügbar\n",
                     befehl.befehl.angegeben.first().toLocal8Bit().constData());
        return 2;
    }

    QApplication app(argc, argv);
    // Only the name: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Vandrel"));
    QApplication::setWindowIcon(fenster_symbol());
    ErstesBild messung;
    if (qEnvironmentVariableIsSet("VANDREL_STARTZEIT")) {
        app.installEventFilter(&messung);
    }
    frm_grafik_Show();
    const int ergebnis = app.exec();
    zwischenablage_uebergeben();
    return ergebnis;
}
