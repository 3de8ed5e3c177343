// The main window resized to a large client area and back: time until the
// new picture is drawn and painted, and the peak resident memory of the
// process so far. The sizes run in increasing order, so each peak is that of
// the largest size so far; run one size alone for its own peak.
//
// The object dragged across the imaging scene with the rays on: the time
// from each pointer move to the painted picture, its median and 95th
// percentile.
#include "ui/fenster.h"
#include "ui/frm_grafik.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

double spitze_mb()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return 0;
    }
    char zeile[256];
    long kb = 0;
    while (std::fgets(zeile, sizeof zeile, status) != nullptr) {
        if (std::strncmp(zeile, "VmHWM:", 6) == 0) {
            kb = std::strtol(zeile + 6, nullptr, 10);
        }
    }
    std::fclose(status);
    return kb / 1024.0;
}

void groesse(frm_grafik* f, int breite, int hoehe)
{
    f->resize(breite, hoehe);
    // Resize and expose are posted; the second pass paints.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void BM_Fenster_Vergroessern(benchmark::State& state)
{
    frm_grafik_Show();
    frm_grafik* f = frm_grafik_Instanz();
    const QSize normal = f->size();
    QCoreApplication::processEvents();
    const int vorher = f->kern().neuzeichnungen();
    QSize fenster, bild;
    for (auto _ : state) {
        groesse(f, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        state.PauseTiming();
        fenster = f->size();
        bild = QSize(f->bild().breite(), f->bild().hoehe());
        groesse(f, normal.width(), normal.height());
        state.ResumeTiming();
    }
    state.counters["Fenster_B"] = fenster.width();
    state.counters["Fenster_H"] = fenster.height();
    state.counters["Bild_B"] = bild.width();
    state.counters["Bild_H"] = bild.height();
    state.counters["Neuzeichnungen"] = f->kern().neuzeichnungen() - vorher;
    state.counters["Spitze_MB"] = spitze_mb();
}

// Counts the paintings of the drawing.
class Malzaehler : public QObject {
public:
    int gemalt = 0;
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        gemalt += ereignis->type() == QEvent::Paint;
        return false;
    }
};

// A world point of the current picture in the drawing's logical pixels.
QPointF pixel_von(frm_grafik* f, double x, double y)
{
    const QPointF a = f->bild().welt(QPointF(0, 0)), b = f->bild().welt(QPointF(1000, 1000));
    return {(x - a.x()) / (b.x() - a.x()) * 1000, (y - a.y()) / (b.y() - a.y()) * 1000};
}

void maus(QWidget* w, QEvent::Type art, QPointF p, Qt::MouseButtons tasten)
{
    QMouseEvent e(art, p, w->mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, tasten,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// 120 moves of the object's tip from x = 0 to 40 (through F, to just before
// the glass) at its height of 10, in a client area of the given width and
// height; each move is handed to the drawing as the window system would,
// and the time runs until the picture is painted.
void BM_Fenster_Ziehen(benchmark::State& state)
{
    frm_grafik_Show();
    frm_grafik* f = frm_grafik_Instanz();
    const QSize normal = f->size();
    f->opt_abbildung->setChecked(true);
    f->chk_licht->setChecked(true);
    groesse(f, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)) + f->menuBar()->height());
    QWidget* bereich = f->bereich();
    Malzaehler zaehler;
    bereich->installEventFilter(&zaehler);
    constexpr int zuege = 120;
    std::vector<double> ms;
    const int vorher = f->kern().neuzeichnungen();
    for (auto _ : state) {
        maus(bereich, QEvent::MouseButtonPress, pixel_von(f, 0, 10), Qt::LeftButton);
        double summe = 0;
        for (int i = 1; i <= zuege; ++i) {
            const int gemalt = zaehler.gemalt;
            const auto start = std::chrono::steady_clock::now();
            maus(bereich, QEvent::MouseMove, pixel_von(f, 40.0 * i / zuege, 10), Qt::LeftButton);
            while (zaehler.gemalt == gemalt && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
                QCoreApplication::processEvents();
            }
            const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - start;
            if (zaehler.gemalt == gemalt) {
                state.SkipWithError("a move painted nothing within 10 s");
                break;
            }
            ms.push_back(dauer.count());
            summe += dauer.count();
        }
        // Escape, wherever the focus is, puts the object back for the next round.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(bereich, &escape);
        maus(bereich, QEvent::MouseButtonRelease, pixel_von(f, 40, 10), Qt::NoButton);
        QCoreApplication::processEvents();
        state.SetIterationTime(summe / 1000);
        if (state.error_occurred()) {
            break;
        }
    }
    bereich->removeEventFilter(&zaehler);
    // One redraw a move, and the one of Escape.
    state.counters["Neuzeichnungen_je_Zug"] =
        double(f->kern().neuzeichnungen() - vorher) / double(state.iterations() * (zuege + 1));
    state.counters["Bild_B"] = f->bild().breite();
    state.counters["Bild_H"] = f->bild().hoehe();
    f->opt_fokus->setChecked(true);
    f->chk_licht->setChecked(false);
    groesse(f, normal.width(), normal.height());
    if (ms.empty()) {
        return;
    }
    std::sort(ms.begin(), ms.end());
    state.counters["Median_ms"] = ms[ms.size() / 2];
    state.counters["P95_ms"] = ms[(ms.size() * 95 + 99) / 100 - 1];
    state.counters["Max_ms"] = ms.back();
}

}  // namespace

BENCHMARK(BM_Fenster_Ziehen)
    ->Args({930, 570})
    ->Args({1920, 1080})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

BENCHMARK(BM_Fenster_Vergroessern)
    ->Args({3840, 2160})
    ->Args({16000, 16000})
    ->Args({32767, 32767})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
