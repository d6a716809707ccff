#pragma once
// The stepping of a spin edit, without a window: range, wrap, snapping to
// the grid of increments and the acceleration of rapid steps, measured on
// the tick count the caller passes (milliseconds, wrapping at 2^32).

#include <cstdint>
#include <optional>

struct SpinRange {
    double min = 0.0;
    double max = 0.0;
    // A range with both bounds 0 is no range at all.
    bool Active() const { return min != 0.0 || max != 0.0; }
};

class SpinStepper {
public:
    // Steps closer together than this make a rapid run.
    static constexpr std::uint32_t kRapidMs = 200;

    explicit SpinStepper(double increment = 1.0)
        : increment_(increment)
        , step_(increment)
    {
    }

    double Increment() const { return increment_; }
    double CurrentStep() const { return step_; }

    // Ignored when equal, not a positive number, or larger than the active
    // range; resets the step.
    bool SetIncrement(double increment, SpinRange range);

    // Ends a rapid run (a key was released).
    void Reset();

    struct Result {
        bool invalid = false;  // the value is left to the invalid-entry reaction
        double value = 0.0;    // the new value when not invalid
    };

    // One step from v; `up` for a step up. Wrap goes to the other bound. A
    // step beyond the range of a double is refused like one beyond a bound.
    Result Step(bool up, double v, std::uint32_t now, SpinRange range, bool wrap);

    // Round((v - min) / increment) * increment + min, halves to even; one
    // increment less when that passes an active maximum. v itself when the
    // grid cannot hold it (beyond the range of a double).
    double Snap(double v, SpinRange range) const;

private:
    void Accelerate(std::uint32_t now, SpinRange range);

    double increment_;
    double step_;
    // None before the first step, which never counts as rapid.
    std::optional<std::uint32_t> lastStep_;
    int rapidCount_ = 0;
};
