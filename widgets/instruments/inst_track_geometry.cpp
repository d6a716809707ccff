#include "widgets/instruments/inst_track_geometry.h"

#include <algorithm>

long long RoundDivHalfEven(__int128 num, __int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    __int128 q = num / den;
    __int128 r = num % den;
    if (r < 0) {
        --q;
        r += den;
    }
    // q is now the floor and 0 <= r < den.
    if (2 * r > den || (2 * r == den && q % 2 != 0))
        ++q;
    return static_cast<long long>(q);
}

TrackBarGeometry::TrackBarGeometry(const Layout& layout)
    : layout_(layout)
{
}

TrackBarGeometry::Track TrackBarGeometry::TrackRect() const
{
    const long long b = layout_.borderWidth;
    return {b, b, layout_.client.width() - b, layout_.client.height() - b};
}

long long TrackBarGeometry::Origin() const
{
    const Track r = TrackRect();
    return std::max(0LL, Horizontal() ? r.left : r.top);
}

long long TrackBarGeometry::ThumbExtent() const
{
    return Horizontal() ? layout_.thumb.width() : layout_.thumb.height();
}

long long TrackBarGeometry::Travel() const
{
    const Track r = TrackRect();
    return (Horizontal() ? r.right - r.left : r.bottom - r.top) - ThumbExtent();
}

long long TrackBarGeometry::ThumbAcross() const
{
    return Horizontal() ? (layout_.client.height() - layout_.thumb.height()) / 2
                        : (layout_.client.width() - layout_.thumb.width()) / 2;
}

long long TrackBarGeometry::ThumbPlace(long long value) const
{
    const long long n = Range();
    const long long t = n == 0 ? 0 : RoundDivHalfEven(static_cast<__int128>(Travel()) * (value - layout_.minValue), n);
    const long long p = Origin() + t;
    const Track r = TrackRect();
    if (!Horizontal() && layout_.style == TInstProgressStyle::psBottomLeft)
        return r.top + r.bottom - p - ThumbExtent();
    if (Horizontal() && layout_.style == TInstProgressStyle::psTopRight)
        return r.left + r.right - p - ThumbExtent();
    return p;
}

std::optional<long long> TrackBarGeometry::ValueAt(long long place, long long snap) const
{
    const long long travel = Travel();
    if (travel <= 0)
        return std::nullopt;
    const long long o = Origin();
    const long long s = std::clamp(place, o, o + travel);
    const long long d = Horizontal() ? s - o : (layout_.client.height() - s - layout_.thumb.height()) - o;
    long long w = RoundDivHalfEven(static_cast<__int128>(d) * Range(), travel);
    if (snap >= 1)
        w = RoundDivHalfEven(w, snap) * snap;
    w = std::min(std::max(w, 0LL) + layout_.minValue, layout_.maxValue);
    if (layout_.style == TInstProgressStyle::psTopRight)
        return layout_.maxValue + layout_.minValue - w;
    return w;
}

std::vector<TrackBarGeometry::Tick> TrackBarGeometry::Ticks(long long frequency) const
{
    if (frequency < 1)
        return {};
    const long long n = Range();
    const long long travel = Travel();
    const auto count = [&](long long step) { return RoundDivHalfEven(n, step) + 1; };
    const auto wideEnough = [&](long long k) {
        const long long ticks = count(k * frequency);
        const long long spacing = ticks > 1 ? travel / (ticks - 1) : travel;
        return spacing >= kMinTickSpacing || spacing >= travel;
    };
    // wideEnough grows monotonically with k, and holds once the step passes twice the range.
    long long low = 1;
    long long high = std::max(1LL, 2 * n / frequency + 1);
    while (low < high) {
        const long long mid = low + (high - low) / 2;
        if (wideEnough(mid))
            high = mid;
        else
            low = mid + 1;
    }
    const long long step = low * frequency;
    const long long ticks = count(step);
    if (ticks > kMaxTicks)
        return {};
    std::vector<Tick> out;
    out.reserve(static_cast<std::size_t>(std::max(0LL, ticks)));
    for (long long j = 1; j <= ticks; ++j) {
        const long long value = j == ticks ? layout_.maxValue : layout_.minValue + (j - 1) * step;
        const bool isLong = value == layout_.minValue || value == layout_.maxValue;
        out.push_back({ThumbPlace(value) + ThumbExtent() / 2, isLong});
    }
    return out;
}
