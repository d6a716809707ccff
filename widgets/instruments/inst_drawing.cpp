#include "widgets/instruments/inst_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using toolkit::Canvas;
using toolkit::TColor;
using toolkit::TRect;

// Lines are clipped this far outside the canvas, beyond the reach of any pen
// the widgets use, so that clipping never changes a visible pixel.
constexpr long long kClipMargin = 1024;

constexpr int kMaxComponent = 255;

long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

long long CeilDiv(long long a, long long b)
{
    return -FloorDiv(-a, b);
}

int Component(int from, int to, long long i, long long n)
{
    const long long c = from + (static_cast<long long>(to - from) * i) / n;
    return static_cast<int>(std::clamp<long long>(c, 0, kMaxComponent));
}

// Bands of `step` along one axis: band k starts at origin + k * step and has
// the colour index colourIndex(k); `count` bands in all. Only the bands that
// meet the canvas (0 .. limit along the axis) are filled.
template <class Fill, class Index>
void FillBands(long long origin, long long step, long long count, long long limit, Index colourIndex,
               Fill fill)
{
    const long long first = std::max(0LL, CeilDiv(-origin - step + 1, step));
    const long long last = std::min(count - 1, FloorDiv(limit - 1 - origin, step));
    for (long long k = first; k <= last; ++k)
        fill(origin + k * step, colourIndex(k));
}

}  // namespace

TInstRgb SplitColor(TColor color)
{
    const TColor rgb = toolkit::ResolveColor(color);
    return {static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
            static_cast<std::uint8_t>((rgb >> 16) & 0xFF)};
}

TColor GradientColor(TColor from, TColor to, long long i, long long n)
{
    const TInstRgb a = SplitColor(from);
    const TInstRgb b = SplitColor(to);
    return toolkit::RGB(Component(a.red, b.red, i, n), Component(a.green, b.green, i, n),
                        Component(a.blue, b.blue, i, n));
}

void DrawGradient(Canvas& canvas, const TRect& rect, TColor from, TColor to, TInstGradientStyle style,
                  int step)
{
    const long long w = static_cast<long long>(rect.Right) - rect.Left;
    const long long h = static_cast<long long>(rect.Bottom) - rect.Top;
    const long long imageW = canvas.Width();
    const long long imageH = canvas.Height();
    if (step < 1)
        return;
    const long long s = step;

    const auto rowBand = [&](long long n) {
        return [&, n](long long y, long long i) {
            canvas.brush.color = GradientColor(from, to, i, n);
            canvas.FillRect({rect.Left, ClampCoordinate(y), rect.Right, ClampCoordinate(y + s)});
        };
    };
    const auto columnBand = [&](long long n) {
        return [&, n](long long x, long long i) {
            canvas.brush.color = GradientColor(from, to, i, n);
            canvas.FillRect({ClampCoordinate(x), rect.Top, ClampCoordinate(x + s), rect.Bottom});
        };
    };
    // Centre styles: a first pass up to half, then back down to 0 from where it ended.
    const auto centreIndex = [s](long long firstPass) {
        return [s, firstPass](long long k) { return k < firstPass ? k * s : (2 * firstPass - k) * s; };
    };
    const auto plainIndex = [s](long long k) { return k * s; };

    canvas.brush.style = toolkit::BrushStyle::Solid;
    switch (style) {
    case TInstGradientStyle::gsNone:
        return;
    case TInstGradientStyle::gsVertical:
        if (h > 0)
            FillBands(rect.Top, s, CeilDiv(h, s), imageH, plainIndex, rowBand(h));
        return;
    case TInstGradientStyle::gsHorizontal:
        if (w > 0)
            FillBands(rect.Left, s, w / s + 1, imageW, plainIndex, columnBand(w));
        return;
    case TInstGradientStyle::gsVerticalCenter:
        if (const long long half = h / 2; half > 0) {
            const long long firstPass = CeilDiv(half, s);
            FillBands(rect.Top, s, 2 * firstPass + 1, imageH, centreIndex(firstPass), rowBand(half));
        }
        return;
    case TInstGradientStyle::gsHorizontalCenter:
        if (const long long half = w / 2; half > 0) {
            const long long firstPass = CeilDiv(half, s);
            FillBands(rect.Left, s, 2 * firstPass + 1, imageW, centreIndex(firstPass), columnBand(half));
        }
        return;
    case TInstGradientStyle::gsDiagonalRising:
    case TInstGradientStyle::gsDiagonalFalling: {
        const long long n = w + h;
        if (n <= 0)
            return;
        const bool rising = style == TInstGradientStyle::gsDiagonalRising;
        // Lines whose every point lies off the canvas are left out.
        const long long low = rising ? 0 : std::max(0LL, h - imageH - s);
        const long long high = rising ? std::min(n, imageW + imageH + s) : std::min(n, h + imageW + s);
        canvas.pen.width = step;
        for (long long i = CeilDiv(low, s) * s; i <= high; i += s) {
            canvas.pen.color = GradientColor(from, to, i, n);
            if (rising)
                DrawClippedLine(canvas, i, 0, -1, i);
            else
                DrawClippedLine(canvas, 0, h - i, i, h);
        }
        return;
    }
    }
}

void DrawFrame3D(Canvas& canvas, TRect& rect, TColor top, TColor bottom, int width)
{
    if (width <= 0)
        return;
    canvas.pen.width = 1;
    const long long l = rect.Left;
    const long long t = rect.Top;
    const long long r = static_cast<long long>(rect.Right) - 1;
    const long long b = static_cast<long long>(rect.Bottom) - 1;
    const long long imageW = canvas.Width();
    const long long imageH = canvas.Height();

    // A frame k can touch the canvas only while one of its four edges lies
    // within it: each edge gives one interval of k.
    struct Interval {
        long long from, to;
    };
    std::vector<Interval> reach = {
        {-l, imageW - 1 - l}, {r - (imageW - 1), r}, {-t, imageH - 1 - t}, {b - (imageH - 1), b}};
    std::sort(reach.begin(), reach.end(), [](const Interval& a, const Interval& c) { return a.from < c.from; });
    long long next = 0;
    for (const Interval& span : reach) {
        for (long long k = std::max(next, span.from); k <= span.to && k < width; ++k) {
            canvas.pen.color = top;
            DrawClippedLine(canvas, l + k, b - k, l + k, t + k);
            DrawClippedLine(canvas, l + k, t + k, r - k, t + k);
            canvas.pen.color = bottom;
            DrawClippedLine(canvas, r - k, t + k, r - k, b - k);
            DrawClippedLine(canvas, r - k, b - k, l + k - 1, b - k);
        }
        next = std::max(next, span.to + 1);
    }
    rect = ShrunkRect(rect, width);
}

QImage CreateDitherBitmap(TColor c1, TColor c2)
{
    QImage bitmap(kDitherSize, kDitherSize, QImage::Format_RGB32);
    bitmap.fill(toolkit::ToQColor(c2));
    const QRgb first = toolkit::ToQColor(c1).rgb();
    for (int y = 0; y < kDitherSize; ++y)
        for (int x = 0; x < kDitherSize; ++x)
            if ((x + y) % 2 == 0)
                bitmap.setPixel(x, y, first);
    return bitmap;
}

void TileBitmap(Canvas& canvas, const TRect& rect, const QImage& bitmap)
{
    const long long bw = bitmap.width();
    const long long bh = bitmap.height();
    if (bw <= 0 || bh <= 0)
        return;
    // Tiles wholly left of or above the canvas are skipped.
    const long long firstX = rect.Left + std::max(0LL, FloorDiv(-static_cast<long long>(rect.Left), bw)) * bw;
    const long long firstY = rect.Top + std::max(0LL, FloorDiv(-static_cast<long long>(rect.Top), bh)) * bh;
    const long long right = std::min<long long>(rect.Right, canvas.Width());
    const long long bottom = std::min<long long>(rect.Bottom, canvas.Height());
    for (long long x = firstX; x < right; x += bw)
        for (long long y = firstY; y < bottom; y += bh)
            canvas.Draw(static_cast<int>(x), static_cast<int>(y), bitmap);
}

TRect BitmapRect(const QImage& bitmap)
{
    const QSizeF size = bitmap.deviceIndependentSize();
    return {0, 0, static_cast<int>(std::lround(size.width())), static_cast<int>(std::lround(size.height()))};
}

void DrawBitmap(Canvas& canvas, const TRect& dest, const QImage& bitmap, const TRect& source,
                bool transparent, TColor transparentColor)
{
    if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0)
        return;
    if (transparent) {
        canvas.brush.style = toolkit::BrushStyle::Clear;
        canvas.BrushCopy(dest, bitmap, source, transparentColor);
    } else {
        canvas.brush.style = toolkit::BrushStyle::Solid;
        canvas.StretchDraw(dest, bitmap);
    }
}

QImage TextPicture(const QFont& font, TColor colour, const QString& text, qreal ratio)
{
    QImage measure(1, 1, QImage::Format_ARGB32);
    Canvas metrics(&measure);
    metrics.font = font;
    const int w = metrics.TextWidth(text);
    const int h = metrics.TextHeight(text);
    if (w <= 0 || h <= 0)
        return {};
    QImage picture(QSize(w, h) * ratio, QImage::Format_ARGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    Canvas canvas(&picture);
    canvas.font = font;
    canvas.fontColor = colour;
    canvas.brush.style = toolkit::BrushStyle::Clear;
    canvas.TextOut(0, 0, text);
    return picture;
}

void DrawOpaquePixels(Canvas& canvas, int logicalX, int logicalY, const QImage& picture)
{
    QImage& target = *canvas.Target();
    // The picture has the canvas's ratio: device pixels go onto device pixels.
    const auto x = static_cast<int>(std::floor(logicalX * canvas.Ratio()));
    const auto y = static_cast<int>(std::floor(logicalY * canvas.Ratio()));
    const int fromX = std::max(0, -x);
    const int toX = std::min(picture.width(), target.width() - x);
    for (int row = std::max(0, -y); row < std::min(picture.height(), target.height() - y); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y + row));
        for (int col = fromX; col < toX; ++col)
            if (qAlpha(from[col]) != 0)
                to[x + col] = from[col] | 0xFF000000u;
    }
}

QString CutToken(QString& text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0) {
        QString token = text;
        text.clear();
        return token;
    }
    QString token = text.left(at);
    text.remove(0, at + 1);
    return token;
}

TColor TransparentColor(const QImage& bitmap)
{
    if (bitmap.isNull())
        return toolkit::clBlack;
    const QRgb p = bitmap.pixel(0, bitmap.height() - 1);
    return toolkit::RGB(qRed(p), qGreen(p), qBlue(p));
}

int ClampCoordinate(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, -kCoordinateLimit, kCoordinateLimit));
}

TRect ShrunkRect(const TRect& rect, long long by)
{
    return {ClampCoordinate(rect.Left + by), ClampCoordinate(rect.Top + by),
            ClampCoordinate(rect.Right - by), ClampCoordinate(rect.Bottom - by)};
}

namespace {

struct ClipBox {
    double minX, minY, maxX, maxY;
};

ClipBox CanvasClipBox(const Canvas& canvas)
{
    return {-static_cast<double>(kClipMargin), -static_cast<double>(kClipMargin),
            static_cast<double>(canvas.Width()) + kClipMargin,
            static_cast<double>(canvas.Height()) + kClipMargin};
}

struct PointF {
    double x, y;
};

// Sutherland-Hodgman against one side of the box: keep points with inside(p) >= 0.
template <class Side>
std::vector<PointF> ClipAgainst(const std::vector<PointF>& in, Side inside)
{
    std::vector<PointF> out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const PointF a = in[i];
        const PointF b = in[(i + 1) % in.size()];
        const double da = inside(a);
        const double db = inside(b);
        if (da >= 0)
            out.push_back(a);
        if ((da >= 0) != (db >= 0)) {
            const double t = da / (da - db);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return out;
}

}  // namespace

void DrawClippedPolygon(Canvas& canvas, const std::vector<TInstPoint>& points)
{
    if (points.size() < 2)
        return;
    const ClipBox box = CanvasClipBox(canvas);
    std::vector<PointF> clipped;
    for (const TInstPoint& p : points)
        clipped.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    clipped = ClipAgainst(clipped, [&](PointF p) { return p.x - box.minX; });
    clipped = ClipAgainst(clipped, [&](PointF p) { return box.maxX - p.x; });
    clipped = ClipAgainst(clipped, [&](PointF p) { return p.y - box.minY; });
    clipped = ClipAgainst(clipped, [&](PointF p) { return box.maxY - p.y; });
    QVector<QPoint> fill;
    for (const PointF& p : clipped)
        fill.append(QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))));
    const toolkit::PenStyle style = canvas.pen.style;
    canvas.pen.style = toolkit::PenStyle::Clear;
    canvas.Polygon(fill);
    canvas.pen.style = style;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TInstPoint& a = points[i];
        const TInstPoint& b = points[(i + 1) % points.size()];
        DrawClippedLine(canvas, a.x, a.y, b.x, b.y);
    }
}

void DrawClippedLine(Canvas& canvas, long long x0, long long y0, long long x1, long long y1)
{
    const ClipBox box = CanvasClipBox(canvas);
    const auto inside = [&box](long long x, long long y) {
        return x >= box.minX && x <= box.maxX && y >= box.minY && y <= box.maxY;
    };
    if (inside(x0, y0) && inside(x1, y1)) {
        canvas.MoveTo(static_cast<int>(x0), static_cast<int>(y0));
        canvas.LineTo(static_cast<int>(x1), static_cast<int>(y1));
        return;
    }
    // Liang-Barsky against the canvas and its margin.
    const double dx = static_cast<double>(x1 - x0);
    const double dy = static_cast<double>(y1 - y0);
    double enter = 0.0;
    double leave = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - box.minX, box.maxX - x0, y0 - box.minY, box.maxY - y0};
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0)
                return;
            continue;
        }
        const double t = q[side] / p[side];
        if (p[side] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return;
    const auto at = [&](double t, long long from, double d) { return static_cast<int>(std::lround(from + t * d)); };
    canvas.MoveTo(at(enter, x0, dx), at(enter, y0, dy));
    canvas.LineTo(at(leave, x0, dx), at(leave, y0, dy));
}
