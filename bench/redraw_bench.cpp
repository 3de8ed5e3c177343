// Cost of one full redraw into the window's picture, and of its ray part
// compared with the bare march of the same rays.
#include "form/messwerte.h"
#include "lens/module1.h"
#include "ui/bild_flaeche.h"
#include "render/formular.h"
#include "render/szene.h"

#include <QClipboard>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

// The main window as the redraw sees it: mode, "Lichtstrahlen" checked.
class Attrappe : public Formular {
public:
    explicit Attrappe(Zeichenflaeche& f, bool abbildung) : f_(f), abbildung_(abbildung) {}
    Zeichenflaeche& flaeche() override { return f_; }
    Flag opt_fokus_Value() const override { return abbildung_ ? False : True; }
    Flag opt_abbildung_Value() const override { return abbildung_ ? True : False; }
    int chk_licht_Value() const override { return 1; }
    void lbl_virtuell_Visible(bool) override {}

private:
    Zeichenflaeche& f_;
    bool abbildung_;
};

// Keeps every point and draws nothing: what the march costs by itself.
class Sammler : public Zeichenflaeche {
public:
    struct Punkt {
        double x, y;
        Farbe farbe;
    };
    std::vector<Punkt> punkte;
    std::size_t n = 0;

    Sammler() { punkte.resize(400000); }
    void Cls() override {}
    void Scale(double, double, double, double) override {}
    void Line(double, double, double, double) override {}
    void Line(double, double, double, double, Farbe) override {}
    void Line(double, double, Farbe) override {}
    void PSet(double x, double y, Farbe farbe) override
    {
        if (n < punkte.size()) {
            punkte[n++] = {x, y, farbe};
        }
    }
    void Print(const std::string&) override {}
    double TextWidth(const std::string&) const override { return 0; }
    double TextBaseline() const override { return 0; }
    double ScaleX(double) const override { return 0; }
    double ScaleY(double) const override { return 0; }
    double Width() const override { return 13950 + 240; }
    double Height() const override { return 8550 + 1000; }
    int WindowState() const override { return 0; }
};

// radius 0 keeps the start-up lens. The worst accepted case is Nmax 800 with
// the weakest surfaces (radius 10000): every ray stays inside the frame up to
// x = 800, about 16001 points per ray and 192000 for the mirrored beam.
void szene_setzen(int nmax, double radius = 0)
{
    startwerte_setzen();
    if (radius > 0) {
        Module1.R1_a = radius;
        Module1.R1_b = radius;
    }
    Module1.Nmax = Integer::aus(nmax);
    Module1.obj_ort = 0;
    Module1.obj_h = 10;
    linse_berechnen();
}

void flaeche_vorbereiten(BildFlaeche& f, int breite, int hoehe)
{
    f.groesse_setzen(QSize(breite, hoehe));
    f.fenster_setzen(13950 + 240, 8550 + 1000, 0);
}

// The rays of the beam exactly as the focus mode traces them.
void strahlenbuendel(Zeichenflaeche& f)
{
    for (double y0 = 3; y0 <= 18; y0 += 3) {
        strahl_verfolgen(f, 0, y0, 0, true);
    }
}

// With the measured-values window open, each redraw is followed by the
// core's values for it; the window draws its chart when it paints
// (BM_Kennlinie).
void neuzeichnen(benchmark::State& state, int nmax, double radius, bool abbildung, int breite, int hoehe,
                 bool messwerte = false)
{
    szene_setzen(nmax, radius);
    BildFlaeche f;
    flaeche_vorbereiten(f, breite, hoehe);
    Attrappe form(f, abbildung);
    for (auto _ : state) {
        Form_Resize(form);
        if (messwerte) {
            const Messbericht b = messbericht();
            benchmark::DoNotOptimize(b.gruppen.data());
        }
        benchmark::DoNotOptimize(f.Image().constBits());
    }
}

void BM_Neuzeichnen_Start(benchmark::State& state)
{
    neuzeichnen(state, 150, 0, false, 930, 570);
}
void BM_Neuzeichnen_Start_Messwerte(benchmark::State& state)
{
    neuzeichnen(state, 150, 0, state.range(0) != 0, 930, 570, true);
}
void BM_Neuzeichnen_Start_Abbildung(benchmark::State& state)
{
    neuzeichnen(state, 150, 0, true, 930, 570);
}
// Arguments: width, height of the picture; radius of both surfaces (0 the start-up lens).
void BM_Neuzeichnen_Nmax800_Fokus(benchmark::State& state)
{
    neuzeichnen(state, 800, static_cast<double>(state.range(2)), false, static_cast<int>(state.range(0)),
                static_cast<int>(state.range(1)));
}
void BM_Neuzeichnen_Nmax800_Abbildung(benchmark::State& state)
{
    neuzeichnen(state, 800, static_cast<double>(state.range(2)), true, static_cast<int>(state.range(0)),
                static_cast<int>(state.range(1)));
}

// The beam of the worst case drawn into the large picture.
void BM_Strahlen_Bild(benchmark::State& state)
{
    szene_setzen(800, 10000);
    BildFlaeche f;
    flaeche_vorbereiten(f, 3840, 2160);
    Attrappe form(f, false);
    Form_Resize(form);  // sets the scale of the redraw
    for (auto _ : state) {
        strahlenbuendel(f);
        benchmark::DoNotOptimize(f.Image().constBits());
    }
}

// A redraw right after "Kopieren": the clipboard holds the picture.
void BM_Neuzeichnen_nach_Kopie(benchmark::State& state)
{
    szene_setzen(800, 10000);
    BildFlaeche f;
    flaeche_vorbereiten(f, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Attrappe form(f, false);
    Form_Resize(form);
    QClipboard* ablage = QGuiApplication::clipboard();
    for (auto _ : state) {
        state.PauseTiming();
        ablage->setImage(f.kopie());
        benchmark::DoNotOptimize(ablage->image().constBits());
        state.ResumeTiming();
        Form_Resize(form);
        benchmark::DoNotOptimize(f.Image().constBits());
    }
}

// The chart of the measured-values window for the start-up beam.
void BM_Kennlinie(benchmark::State& state)
{
    szene_setzen(150);
    BildFlaeche f;
    flaeche_vorbereiten(f, 930, 570);
    Attrappe form(f, false);
    Form_Resize(form);
    const Messbericht b = messbericht();
    BildFlaeche kennlinie;
    kennlinie.groesse_setzen(QSize(kennlinie_breite, kennlinie_hoehe));
    for (auto _ : state) {
        kennlinie_zeichnen(kennlinie, b.kennlinie);
        benchmark::DoNotOptimize(kennlinie.Image().constBits());
    }
}

// The same beam, every point only stored.
void BM_Strahlen_Marsch(benchmark::State& state)
{
    szene_setzen(800, 10000);
    Sammler s;
    std::size_t punkte = 0;
    for (auto _ : state) {
        s.n = 0;
        strahlenbuendel(s);
        punkte = s.n;
        benchmark::DoNotOptimize(s.punkte.data());
    }
    state.counters["Punkte"] = static_cast<double>(punkte);
}

}  // namespace

BENCHMARK(BM_Neuzeichnen_Start)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Neuzeichnen_Start_Abbildung)->Unit(benchmark::kMillisecond);
// Argument: 0 focus, 1 imaging.
BENCHMARK(BM_Neuzeichnen_Start_Messwerte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Neuzeichnen_Nmax800_Fokus)
    ->Args({930, 570, 0})
    ->Args({930, 570, 10000})
    ->Args({3840, 2160, 10000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Neuzeichnen_Nmax800_Abbildung)
    ->Args({930, 570, 10000})
    ->Args({3840, 2160, 10000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Neuzeichnen_nach_Kopie)->Args({3840, 2160})->Args({8000, 6000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Strahlen_Bild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Kennlinie)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Strahlen_Marsch)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Print needs fonts, hence an application object; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
