#pragma once
// Where the parts of an angular meter go: the dial's centre and scale
// radius, the zone ring, the ticks, the labels, the caption and the needle.
// Pure arithmetic on the meter's settings, in 64 bits and doubles.
//
// Angles are degrees, 0 pointing up and growing clockwise (90 points right,
// 180 down); they are not reduced, so 500 is 140. The scale starts at
// Angle + 180 and sweeps AngleOffset degrees clockwise. Points are pixels
// from the control's top-left corner, y growing downwards.

#include <vector>

struct MeterPoint {
    long long x;
    long long y;
    friend bool operator==(const MeterPoint&, const MeterPoint&) = default;
};

struct MeterLayout {
    long long width = 0;   // the control
    long long height = 0;
    long long radius = -1;  // negative: the dial fills the control; else its centre is (radius, radius)
    long long spacing = 0;  // from the dial's outer bound in to the tick circle
    long long angle = 0;    // half the gap at the bottom
    long long angleOffset = 0;  // the sweep, 0..360
    double minValue = 0;
    double maxValue = 0;
};

struct MeterTick {
    MeterPoint inner;  // on the tick circle
    MeterPoint outer;
    bool isLong;
};

struct MeterLabel {
    double value;
    MeterPoint centre;  // the text is centred here
};

struct MeterZone {
    int index;     // 1..3, the colour's number
    double from;   // clockwise from here
    double to;
};

struct MeterNeedle {
    MeterPoint tip;
    MeterPoint left;  // the base's corners, a quarter turn either side
    MeterPoint right;
};

class AngularMeterGeometry {
public:
    // More tick or label candidates than this are not drawn.
    static constexpr long long kMaxMarks = 65536;

    explicit AngularMeterGeometry(const MeterLayout& layout);

    long long DialWidth() const;
    long long DialHeight() const;
    long long CenterX() const { return DialWidth() / 2; }
    long long CenterY() const { return DialHeight() / 2; }
    // The radius of the tick circle.
    long long ScaleRadius() const;
    double StartAngle() const;  // a0
    double EndAngle() const;    // a1

    // The point `rho` pixels from the centre towards `degrees`, each offset
    // truncated toward zero. A direction that is not finite counts as 0.
    MeterPoint PolarPoint(double degrees, long long rho) const;

    // `intervals` + 1 marks from a0 to a1, each angle the previous one plus
    // the step. None when `intervals` < 1, the step is negative or not
    // finite, or there would be more than kMaxMarks.
    std::vector<double> MarkAngles(long long intervals) const;

    // Lines from the tick circle outwards, `ticksMax` long for the first tick
    // and every `enlarge`-th after it, `ticksMin` for the others; an
    // `enlarge` of 0 makes every tick short.
    std::vector<MeterTick> Ticks(long long ticks, long long ticksMin, long long ticksMax, long long enlarge) const;
    // Values MinValue .. MaxValue in `labels` steps, `offset` pixels outside the tick circle.
    std::vector<MeterLabel> Labels(long long labels, long long offset) const;

    // The zones that are drawn, from a0 on: zone 1 takes `percent1` of the
    // sweep, zone 2 `percent2`, zone 3 what remains.
    std::vector<MeterZone> Zones(int percent1, int percent2) const;
    // The square the zone sectors are drawn in: the tick circle grown by `ticksMax`.
    long long RingLeft(long long ticksMax) const { return CenterX() - ScaleRadius() - ticksMax; }
    long long RingTop(long long ticksMax) const { return CenterY() - ScaleRadius() - ticksMax; }
    long long RingRight(long long ticksMax) const { return CenterX() + ScaleRadius() + ticksMax; }
    long long RingBottom(long long ticksMax) const { return CenterY() + ScaleRadius() + ticksMax; }
    // How far from the centre the sectors' boundary points are taken.
    long long ZoneBoundaryDistance(long long ticksMax) const;

    // The needle's direction for a value: a0 for a zero or unusable range.
    double NeedleAngle(double position) const;
    // `length` < 0: as long as the scale radius.
    MeterNeedle Needle(double position, long long length, long long baseWidth) const;

    // Where the first caption line starts.
    long long CaptionTop(long long needleBaseWidth) const { return layout_.height / 2 + needleBaseWidth; }

private:
    MeterLayout layout_;
};
