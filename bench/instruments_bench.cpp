// Repaint times of the instrument widgets at the angle window's sizes, and a
// sweep of the degree bar through the circle with the meter and the compass
// following. Run headless by `./test bench`.

#include "tools/gallery/instrument_panel.h"

#include "toolkit/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFullCircle = 360;

// The panel shown, so that repaints go the whole way to the window's surface.
InstrumentPanel& Panel()
{
    static InstrumentPanel* panel = [] {
        auto* p = new InstrumentPanel;
        p->show();
        QApplication::processEvents();
        return p;
    }();
    return *panel;
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
    TInstCompass* compass = Panel().compass;
    Repaint(state, compass, [compass](int v) { compass->setHeading(v); });
}

// A repaint that also redraws the cached face (as after a resize or a colour change).
void BM_CompassFullRepaint(benchmark::State& state)
{
    TInstCompass* compass = Panel().compass;
    Repaint(state, compass, [compass](int v) {
        compass->setHeading(v);
        compass->setCircleColor(v % 2 == 0 ? toolkit::clBlack : toolkit::RGB(0, 0, 1));
    });
}

void BM_DegreeScaleRepaint(benchmark::State& state)
{
    TInstJogMeter* meter = Panel().degreeScale;
    Repaint(state, meter, [meter](int v) { meter->Value()->setValue(v); });
}

void BM_DegreeBarRepaint(benchmark::State& state)
{
    TInstTrackBar* bar = Panel().degreeBar;
    Repaint(state, bar, [bar](int v) { bar->setPosition(v); });
}

// 0..359 on the degree bar; after each step the window paints what changed.
void BM_DegreeSweep(benchmark::State& state)
{
    InstrumentPanel& panel = Panel();
    for (auto _ : state) {
        for (int v = 0; v < kFullCircle; ++v) {
            panel.degreeBar->setPosition(v);
            panel.degreeBar->repaint();
            panel.degreeScale->repaint();
            panel.compass->repaint();
        }
        panel.degreeBar->setPosition(0);
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
    toolkit::RegisterFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
