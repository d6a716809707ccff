#pragma once
// The channel of a slider: where its segment images go, where each segment
// lies in them, and which part shows the high colour. Pure arithmetic, in
// 64 bits. The thumb's place along the track is the track bar's
// (TrackBarGeometry), with BorderWidth + ThumbIndent as the margin.
//
// Rectangles are pixels, right and bottom edges just outside. Segments run
// across the channel: horizontal bars in a vertical slider, vertical bars
// in a horizontal one.

#include "toolkit/canvas.h"
#include "widgets/instruments/inst_controls.h"

#include <QRect>
#include <QSize>
#include <vector>

// Which end is MinValue: the bottom or left end, or the top or right end.
enum class TInstSliderStyle { ssBottomLeft, ssTopRight };

struct SliderBar {
    long long left, top, right, bottom;
    friend bool operator==(const SliderBar&, const SliderBar&) = default;
};

// The client rectangle less the flat frame and the bevel on every side.
toolkit::TRect SliderChannelRect(QSize client, long long borderWidth, long long bevelThickness);

// The segments of a channel image `width` x `height`: n + 2 of them, n being
// how many whole steps of `tickWidth` + `spacing` the channel holds, the
// first at the minimum end. The last may lie partly or wholly beyond the image.
std::vector<SliderBar> SliderBars(long long width, long long height, long long tickWidth, long long spacing,
                                  TInstOrientation orientation, TInstSliderStyle style);

// The part of `channel` between the minimum end and the middle of the thumb
// drawn at `thumb`; empty when the thumb's middle lies beyond the channel.
toolkit::TRect SliderHighPart(const toolkit::TRect& channel, const QRect& thumb, TInstOrientation orientation,
                              TInstSliderStyle style);
