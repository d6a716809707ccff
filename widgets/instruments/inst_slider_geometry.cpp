#include "widgets/instruments/inst_slider_geometry.h"

#include "widgets/instruments/inst_drawing.h"

#include <algorithm>

toolkit::TRect SliderChannelRect(QSize client, long long borderWidth, long long bevelThickness)
{
    return ShrunkRect({0, 0, client.width(), client.height()}, borderWidth + bevelThickness);
}

std::vector<SliderBar> SliderBars(long long width, long long height, long long tickWidth, long long spacing,
                                  TInstOrientation orientation, TInstSliderStyle style)
{
    if (tickWidth < 1 || spacing < 0)
        return {};
    const long long step = tickWidth + spacing;
    const bool vertical = orientation == TInstOrientation::voVertical;
    const long long extent = vertical ? height : width;
    const long long n = std::max(0LL, extent) / step;
    // The minimum end is the bottom of a vertical channel and the left of a
    // horizontal one for ssBottomLeft.
    const bool fromHighEnd = vertical == (style == TInstSliderStyle::ssBottomLeft);
    std::vector<SliderBar> bars;
    bars.reserve(static_cast<std::size_t>(n + 2));
    for (long long i = 0; i < n + 2; ++i) {
        const long long start = fromHighEnd ? extent - tickWidth - i * step : i * step;
        if (vertical)
            bars.push_back({0, start, width, start + tickWidth});
        else
            bars.push_back({start, 0, start + tickWidth, height});
    }
    return bars;
}

toolkit::TRect SliderHighPart(const toolkit::TRect& channel, const QRect& thumb, TInstOrientation orientation,
                              TInstSliderStyle style)
{
    const long long tw = thumb.width();
    const long long th = thumb.height();
    long long left = channel.Left;
    long long top = channel.Top;
    long long right = channel.Right;
    long long bottom = channel.Bottom;
    const bool bottomLeft = style == TInstSliderStyle::ssBottomLeft;
    if (orientation == TInstOrientation::voVertical) {
        if (bottomLeft)
            top = thumb.top() + th / 2;
        else
            bottom = thumb.top() + th - th / 2;
    } else {
        if (bottomLeft)
            right = thumb.left() + tw / 2;
        else
            left = thumb.left() + tw - tw / 2;
    }
    left = std::max<long long>(left, channel.Left);
    top = std::max<long long>(top, channel.Top);
    right = std::min<long long>(right, channel.Right);
    bottom = std::min<long long>(bottom, channel.Bottom);
    if (right <= left || bottom <= top)
        return {channel.Left, channel.Top, channel.Left, channel.Top};
    return {ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(right), ClampCoordinate(bottom)};
}
