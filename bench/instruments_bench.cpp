// Repaint times of the instrument widgets in the angle dialog, and a sweep
// of the degree bar through the circle with the scale, the spin edit and
// the compass following. Run headless by `./test bench`.

#include "dialogs/angle_dialog.h"
#include "toolkit/application.h"
#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFullCircle = 360;

// The dialog shown, so that repaints go the whole way to the window's surface.
TForm2& Panel()
{
    static EntryHandOff handOff;
    static TForm2* dialog = [] {
        auto* d = new TForm2(handOff);
        d->show();
        QApplication::processEvents();
        return d;
    }();
    return *dialog;
}

// One repaint after a change of the moving part (needle, scale, thumb).
template <class Change>
void Repaint(benchmark::State& state, QWidget* widget, Change change)
{
    int step = 0;
    for (auto _ : state) {
        change(++step % kFullCircle);
        widget->repaint();
    }
}

void BM_CompassRepaint(benchmark::State& state)
{
    TInstCompass* compass = Panel().COMPASSO;
    Repaint(state, compass, [compass](int v) { compass->setHeading(v); });
}

// A repaint that also redraws the cached face (as after a resize or a colour change).
void BM_CompassFullRepaint(benchmark::State& state)
{
    TInstCompass* compass = Panel().COMPASSO;
    Repaint(state, compass, [compass](int v) {
        compass->setHeading(v);
        compass->setCircleColor(v % 2 == 0 ? toolkit::clBlack : toolkit::RGB(0, 0, 1));
    });
}

void BM_DegreeScaleRepaint(benchmark::State& state)
{
    TInstJogMeter* meter = Panel().VUGRADI;
    Repaint(state, meter, [meter](int v) { meter->Value()->setValue(v); });
}

void BM_DegreeBarRepaint(benchmark::State& state)
{
    TInstTrackBar* bar = Panel().POGRADI;
    Repaint(state, bar, [bar](int v) { bar->setPosition(v); });
}

// 0..359 on the degree bar; after each step the window paints what changed.
void BM_DegreeSweep(benchmark::State& state)
{
    TForm2& dialog = Panel();
    for (auto _ : state) {
        for (int v = 0; v < kFullCircle; ++v) {
            dialog.POGRADI->setPosition(v);
            dialog.POGRADI->repaint();
            dialog.VUGRADI->repaint();
            dialog.SPGRADI->repaint();
            dialog.COMPASSO->repaint();
        }
        dialog.POGRADI->setPosition(0);
    }
}

}  // namespace

BENCHMARK(BM_CompassRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompassFullRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeScaleRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeBarRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeSweep)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
