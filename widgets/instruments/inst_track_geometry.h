#pragma once
// Where a track bar's thumb stands for a value, where its ticks go, and which
// value a thumb place stands for. Pure arithmetic, in 64 bits.
//
// Places are pixels from the control's top-left corner: the thumb's left
// edge on a horizontal bar, its top edge on a vertical one. The track is
// the client rectangle less BorderWidth on every side; the thumb travels
// along it by Travel() pixels. psBottomLeft puts MinValue at the left (or
// bottom) end, psTopRight at the right (or top) end.

#include "widgets/instruments/inst_controls.h"

#include <QSize>
#include <optional>
#include <vector>

enum class TInstProgressStyle { psBottomLeft, psTopRight };

// num / den rounded to the nearest integer, halves to the even neighbour; den != 0.
long long RoundDivHalfEven(__int128 num, __int128 den);

class TrackBarGeometry {
public:
    struct Layout {
        QSize client;
        long long borderWidth = 0;
        QSize thumb;
        long long minValue = 0;
        long long maxValue = 0;
        TInstOrientation orientation = TInstOrientation::voHorizontal;
        TInstProgressStyle style = TInstProgressStyle::psBottomLeft;
    };

    struct Tick {
        long long place;  // along the track, the thumb's middle for the tick's value
        bool isLong;      // at MinValue or MaxValue
    };

    // More tick candidates than this are not drawn.
    static constexpr long long kMaxTicks = 65536;
    // Ticks closer than this many pixels are thinned out.
    static constexpr long long kMinTickSpacing = 4;

    explicit TrackBarGeometry(const Layout& layout);

    bool Horizontal() const { return layout_.orientation == TInstOrientation::voHorizontal; }
    // The first place the thumb can take along the track.
    long long Origin() const;
    // How far the thumb moves along the track, in pixels.
    long long Travel() const;
    long long Range() const { return layout_.maxValue - layout_.minValue; }
    // The thumb's extent along the track.
    long long ThumbExtent() const;
    // The thumb's edge across the track, centred (a thumb larger than the
    // control sticks out equally on both sides).
    long long ThumbAcross() const;

    // The thumb place for a value; a zero range puts it at the minimum end.
    long long ThumbPlace(long long value) const;
    // The value a requested thumb place stands for, snapped to multiples of
    // `snap` when it is 1 or more; none when the track has no travel.
    std::optional<long long> ValueAt(long long place, long long snap) const;
    // The tick marks for a key step of `frequency`: the step grows by whole
    // multiples of it until the ticks are at least kMinTickSpacing apart.
    // None when `frequency` is below 1 or there would be too many.
    std::vector<Tick> Ticks(long long frequency) const;

private:
    struct Track {
        long long left, top, right, bottom;
    };
    Track TrackRect() const;

    Layout layout_;
};
