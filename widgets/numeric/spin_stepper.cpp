#include "widgets/numeric/spin_stepper.h"

#include "nav/angle.h"

#include <cmath>

namespace {

// The step grows while it is below this share of the range.
constexpr double kRangeShare = 5.0;
// In a rapid run the step grows on every second step after the fourth.
constexpr int kStepsBeforeGrowth = 4;

}  // namespace

bool SpinStepper::SetIncrement(double increment, SpinRange range)
{
    if (increment == increment_ || !(increment > 0) || !std::isfinite(increment)
        || (range.Active() && increment > range.max - range.min))
        return false;
    increment_ = increment;
    step_ = increment;
    return true;
}

void SpinStepper::Reset()
{
    step_ = increment_;
    rapidCount_ = 0;
}

void SpinStepper::Accelerate(std::uint32_t now, SpinRange range)
{
    // Unsigned: the difference survives the wrap.
    if (lastStep_ && now - *lastStep_ <= kRapidMs) {
        if (step_ < (range.max - range.min) / kRangeShare) {
            ++rapidCount_;
            if (rapidCount_ > kStepsBeforeGrowth && rapidCount_ % 2 == 0)
                step_ += increment_;
        }
    } else {
        Reset();
    }
    lastStep_ = now;
}

SpinStepper::Result SpinStepper::Step(bool up, double v, std::uint32_t now, SpinRange range, bool wrap)
{
    Accelerate(now, range);
    Result r;
    const double sign = up ? 1.0 : -1.0;
    const auto within = [&](double x) { return up ? x <= range.max : x >= range.min; };
    const bool beyondStart = up ? v < range.min : v > range.max;

    if (range.Active() && beyondStart) {
        r.invalid = true;
        return r;
    }
    if (within(v + sign * step_) || !range.Active()) {
        r.value = v + sign * step_;
    } else if (wrap) {
        r.value = up ? range.min : range.max;
    } else if (within(v + sign * increment_)) {
        step_ = increment_;  // an overshooting fast step falls back to one increment
        r.value = v + sign * increment_;
    } else {
        r.invalid = true;  // even one increment would pass the bound
    }
    if (!std::isfinite(r.value))
        r.invalid = true;
    return r;
}

double SpinStepper::Snap(double v, SpinRange range) const
{
    double snapped = nav::RoundHalfEven((v - range.min) / increment_) * increment_ + range.min;
    if (range.Active() && snapped > range.max)
        snapped -= increment_;
    return std::isfinite(snapped) ? snapped : v;
}
