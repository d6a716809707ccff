// Repaint times of the instrument widgets in the angle dialog and of the
// speed log's meter and slider; a sweep of the degree bar through the circle
// with the scale, the spin edit and the compass following, and one of the
// speed slider through 0..50 knots with the meter and the spin edit
// following. Run headless by `./test bench`.

#include "app/program.h"
#include "dialogs/angle_dialog.h"
#include "dialogs/speed_dialog.h"
#include "dialogs/speed_log.h"
#include "toolkit/application.h"
#include "toolkit/color_scheme.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_slider.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFullCircle = 360;
constexpr int kMaxTenths = 500;
constexpr double kTenthsPerKnot = 10;

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

// A widget shown in a window of its own, made once.
template <class Widget, class SetUp>
Widget& Shown(SetUp setUp)
{
    static Widget* widget = [setUp] {
        auto* w = new Widget;
        setUp(*w);
        w->show();
        QApplication::processEvents();
        return w;
    }();
    return *widget;
}

// The speed dialog, the slider driving the others.
TForm3& Log()
{
    static EntryHandOff handOff;
    static TForm3* dialog = [] {
        auto* d = new TForm3(handOff);
        d->show();
        QApplication::processEvents();
        return d;
    }();
    return *dialog;
}

TInstAngularMeter& SpeedMeter()
{
    return Shown<TInstAngularMeter>([](TInstAngularMeter& meter) {
        meter.resize(250, 250);
        SetUpAsSpeedMeter(meter);
    });
}

// The degree bar's kind on its own: the track bar instrument alone.
TInstTrackBar& TrackBar()
{
    return Shown<TInstTrackBar>([](TInstTrackBar& bar) {
        bar.resize(331, 14);
        bar.setMaxValue(kFullCircle - 1);
        bar.setGutterColor(toolkit::clGreen);
        bar.setTickMarks(TInstTickMarks::tmNone);
    });
}

TInstSlider& SpeedSlider()
{
    return Shown<TInstSlider>([](TInstSlider& slider) {
        slider.resize(36, 281);
        SetUpAsSpeedSlider(slider);
    });
}

// The colours of a run: day for argument 0, night for 1; day again after it.
class Colours {
public:
    explicit Colours(const benchmark::State& state)
    {
        toolkit::ColorScheme::instance().setNight(state.range(0) != 0);
        QApplication::processEvents();
    }
    ~Colours() { toolkit::ColorScheme::instance().setNight(false); }
    Colours(const Colours&) = delete;
    Colours& operator=(const Colours&) = delete;
};

// One repaint after a change of the moving part (needle, scale, thumb), for
// values 1 .. period - 1 and round again, by day or at night.
template <class Change>
void Repaint(benchmark::State& state, QWidget* widget, Change change, int period = kFullCircle)
{
    const Colours colours(state);
    int step = 0;
    for (auto _ : state) {
        change(++step % period);
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

// The bar in the dialog: the fields it drives (the scale, the spin edit, the
// compass) are painted in the same pass.
void BM_DegreeBarRepaint(benchmark::State& state)
{
    TInstTrackBar* bar = Panel().POGRADI;
    Repaint(state, bar, [bar](int v) { bar->setPosition(v); });
}

void BM_TrackBarRepaint(benchmark::State& state)
{
    TInstTrackBar* bar = &TrackBar();
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

void BM_SpeedMeterRepaint(benchmark::State& state)
{
    TInstAngularMeter* meter = &SpeedMeter();
    Repaint(state, meter, [meter](int v) { meter->setPosition(v / kTenthsPerKnot); }, kMaxTenths);
}

// A repaint that also redraws the cached dial, as after a change of a dial setting.
void BM_SpeedMeterDialRebuild(benchmark::State& state)
{
    TInstAngularMeter* meter = &SpeedMeter();
    Repaint(state, meter, [meter](int v) {
        meter->setPosition(v / kTenthsPerKnot);
        meter->setTicksColor(v % 2 == 0 ? toolkit::clWhite : toolkit::RGB(255, 255, 254));
    }, kMaxTenths);
}

void BM_SpeedSliderRepaint(benchmark::State& state)
{
    TInstSlider* slider = &SpeedSlider();
    Repaint(state, slider, [slider](int v) { slider->setPosition(v); }, kMaxTenths);
}

// 0..500 tenths of a knot on the slider; after each step the window paints what changed.
void BM_SpeedSweep(benchmark::State& state)
{
    TForm3& log = Log();
    for (auto _ : state) {
        for (int v = 0; v <= kMaxTenths; ++v) {
            log.PONODI->setPosition(v);
            log.PONODI->repaint();
            log.SOLCO->repaint();
            log.SPSOLCO->repaint();
        }
        log.PONODI->setPosition(0);
    }
}

// Day to night and back, with the main window shown and all its tabs built,
// each switch painted before the next.
void BM_NightSwitch(benchmark::State& state)
{
    static QTemporaryDir folder;
    static Program* program = [] {
        // A table of its own, so that no message box waits for an answer.
        QFile table(folder.filePath(QStringLiteral("DEVIAZIONI.TXT")));
        if (table.open(QIODevice::WriteOnly))
            table.write("0;1\r\n");
        table.close();
        auto* p = new Program(folder.path());
        p->form1.SplashTimerTimer();
        p->form1.show();
        QApplication::processEvents();
        return p;
    }();
    toolkit::ColorScheme& scheme = toolkit::ColorScheme::instance();
    for (auto _ : state) {
        scheme.setNight(true);
        program->form1.repaint();
        scheme.setNight(false);
        program->form1.repaint();
    }
}

}  // namespace

BENCHMARK(BM_NightSwitch)->Unit(benchmark::kMillisecond);
// Each instrument by day (night:0) and at night (night:1), side by side.
BENCHMARK(BM_CompassRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompassFullRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeScaleRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeBarRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrackBarRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpeedMeterRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeedMeterDialRebuild)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeedSliderRepaint)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeedSweep)->Unit(benchmark::kMillisecond);

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
