#pragma once
// The speed log's instruments as the speed dialog sets them: SOLCO, a
// meter of 0..50 knots, and PONODI, a slider in tenths of a knot.

class TInstAngularMeter;
class TInstSlider;

// 0..50 knots, a tick every knot and a label every five, zones of 50 %, 30 % and 20 %.
void SetUpAsSpeedMeter(TInstAngularMeter& meter);
// 0..500, red up to the thumb and green beyond it, in a raised and lowered bevel.
void SetUpAsSpeedSlider(TInstSlider& slider);
