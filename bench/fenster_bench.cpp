// The main window resized to a large client area and back: time until the
// new picture is drawn and painted, and the peak resident memory of the
// process so far. The sizes run in increasing order, so each peak is that of
// the largest size so far; run one size alone for its own peak.
#include "ui/fenster.h"
#include "ui/frm_grafik.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

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

}  // namespace

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
