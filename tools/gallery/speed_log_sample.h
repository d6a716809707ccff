#pragma once
// The speed log's instruments built from the widgets alone, set as the
// speed-entry window sets them: a 0..50 knot meter, a slider in tenths of a
// knot that drives it, and a spin edit that follows. For the gallery, the
// benchmarks and the widget tests; the window itself is the dialog's business.

#include <QWidget>

class TInstAngularMeter;
class TInstSlider;
class TSpinNumEdit;

// SOLCO's settings: 0..50 knots, a tick every knot, zones of 50 %, 30 % and 20 %.
void SetUpAsSpeedMeter(TInstAngularMeter& meter);
// PONODI's settings: 0..500, red up to the thumb and green beyond it.
void SetUpAsSpeedSlider(TInstSlider& slider);

class SpeedLogSample : public QWidget {
public:
    // 318 x 292, black.
    explicit SpeedLogSample(QWidget* parent = nullptr);

    TInstAngularMeter* meter = nullptr;  // 0..50 knots
    TInstSlider* slider = nullptr;       // 0..500 tenths of a knot
    TSpinNumEdit* spin = nullptr;        // knots, one decimal

private:
    // The slider moved: the meter takes its tenths as knots, the spin edit what the meter shows.
    void SliderChanged();
};
