#include "toolkit/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <numbers>

namespace toolkit {

namespace {

// A dotted cosmetic pen paints three pixels and skips three.
constexpr int kDotRun = 3;
constexpr int kSixteenthsPerDegree = 16;

// Pictures in their night colours, made once each: an instrument draws the
// same few bitmaps at every repaint. Few enough to be kept without a limit
// in practice; the oldest go when there are more.
constexpr int kNightPictures = 64;

QImage CachedNightImage(const QImage& day, Tone tone)
{
    struct Entry {
        qint64 key;
        Tone tone;
        QImage night;
    };
    static std::deque<Entry> cache;
    for (const Entry& e : cache)
        if (e.key == day.cacheKey() && e.tone == tone)
            return e.night;
    if (static_cast<int>(cache.size()) == kNightPictures)
        cache.pop_front();
    QImage night = NightImage(day, tone);
    night.setDevicePixelRatio(day.devicePixelRatio());
    cache.push_back({day.cacheKey(), tone, night});
    return night;
}

QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

QRect DeviceRect(const TRect& r, qreal ratio)
{
    const int left = static_cast<int>(std::floor(r.Left * ratio));
    const int top = static_cast<int>(std::floor(r.Top * ratio));
    return QRect(left, top, static_cast<int>(std::floor(r.Right * ratio)) - left,
                 static_cast<int>(std::floor(r.Bottom * ratio)) - top);
}

}  // namespace

QColor Canvas::Ink(TColor color) const
{
    if (!nightTone_)
        return ToQColor(color);
    // A drawing uses a few colours many times over: each is worked out once.
    if (color != inkDay_) {
        inkDay_ = color;
        inkNight_ = NightColor(ToQColor(color), *nightTone_);
    }
    return inkNight_;
}

QImage Canvas::Shown(const QImage& picture) const
{
    return nightTone_ && !picture.isNull() ? CachedNightImage(picture, *nightTone_) : picture;
}

QImage CanvasImage(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

int Canvas::Width() const
{
    return static_cast<int>(std::lround(image_->width() / Ratio()));
}

int Canvas::Height() const
{
    return static_cast<int>(std::lround(image_->height() / Ratio()));
}

QRect Canvas::DeviceBlock(int x, int y) const
{
    return DeviceRect({x, y, x + 1, y + 1}, Ratio()).intersected(image_->rect());
}

Canvas::Canvas(QImage* image)
    : image_(image)
{
    if (image_->format() != QImage::Format_RGB32 && image_->format() != QImage::Format_ARGB32)
        *image_ = image_->convertToFormat(QImage::Format_RGB32);
}

void Canvas::Plot(int x, int y, QRgb rgb)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    const QRect block = DeviceBlock(x, y);
    for (int dy = block.top(); dy <= block.bottom(); ++dy) {
        auto* line = reinterpret_cast<QRgb*>(image_->scanLine(dy));
        for (int dx = block.left(); dx <= block.right(); ++dx)
            line[dx] = pen.mode == PenMode::Xor ? (line[dx] ^ (rgb & 0x00FFFFFF)) : rgb;
    }
}

void Canvas::ApplyPen(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (pen.mode == PenMode::Xor)
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (pen.style == PenStyle::Clear) {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen qpen(Ink(pen.color));
    qpen.setWidth(pen.width);
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(qpen);
}

void Canvas::PlotLine(QPoint from, QPoint to)
{
    if (pen.style == PenStyle::Clear)
        return;
    if (pen.width > 1) {
        // Wide pens are solid whatever their style.
        QPainter painter(image_);
        ApplyPen(painter);
        painter.drawLine(from, to);
        return;
    }
    // Bresenham from `from` up to, not including, `to`.
    const QRgb rgb = InkRgb(pen.color);
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    for (int step = 0; x != to.x() || y != to.y(); ++step) {
        if (pen.style != PenStyle::Dot || (step / kDotRun) % 2 == 0)
            Plot(x, y, rgb);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Canvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    PlotLine(penPos_, QPoint(x, y));
    penPos_ = QPoint(x, y);
}

void Canvas::Polyline(const QVector<QPoint>& points)
{
    if (points.isEmpty())
        return;
    MoveTo(points.front().x(), points.front().y());
    for (qsizetype i = 1; i < points.size(); ++i)
        LineTo(points[i].x(), points[i].y());
}

void Canvas::Polygon(const QVector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    if (brush.style == BrushStyle::Solid) {
        QPainter painter(image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink(brush.color));
        painter.drawPolygon(points.data(), static_cast<int>(points.size()));
    }
    const QPoint saved = penPos_;
    Polyline(points);
    LineTo(points.front().x(), points.front().y());
    penPos_ = saved;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    FillRect({x1, y1, x2, y2});
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    const QPoint saved = penPos_;
    Polyline({{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}, {x1, y1}});
    penPos_ = saved;
}

void Canvas::FillRect(const TRect& r)
{
    if (brush.style != BrushStyle::Solid || r.Width() <= 0 || r.Height() <= 0)
        return;
    QPainter painter(image_);
    painter.fillRect(ToQRect(r), Ink(brush.color));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    QPainter painter(image_);
    ApplyPen(painter);
    painter.setBrush(brush.style == BrushStyle::Solid ? QBrush(Ink(brush.color)) : QBrush());
    painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const auto degreesTo = [&](int x, int y) {
        return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
    };
    const double start = degreesTo(x3, y3);
    double span = degreesTo(x4, y4) - start;
    if (span <= 0)
        span += 360.0;
    QPainter painter(image_);
    ApplyPen(painter);
    painter.setBrush(brush.style == BrushStyle::Solid ? QBrush(Ink(brush.color)) : QBrush());
    painter.drawPie(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1),
                    static_cast<int>(std::lround(start * kSixteenthsPerDegree)),
                    static_cast<int>(std::lround(span * kSixteenthsPerDegree)));
}

QFont Canvas::DrawingFont() const
{
    QFont f = font;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int Canvas::TextWidth(const QString& text) const
{
    return QFontMetrics(DrawingFont()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString&) const
{
    return QFontMetrics(DrawingFont()).height();
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    const QFont f = DrawingFont();
    const QFontMetrics metrics(f);
    const int width = metrics.horizontalAdvance(text);
    QPainter painter(image_);
    if (brush.style == BrushStyle::Solid)
        painter.fillRect(QRect(x, y, width, metrics.height()), Ink(brush.color));
    painter.setFont(f);
    painter.setPen(Ink(fontColor));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    penPos_ = QPoint(x + width, y);
}

void Canvas::Draw(int x, int y, const QImage& picture)
{
    QPainter painter(image_);
    painter.drawImage(QPoint(x, y), Shown(picture));
}

void Canvas::StretchDraw(const TRect& r, const QImage& picture)
{
    QPainter painter(image_);
    painter.drawImage(ToQRect(r), Shown(picture));
}

void Canvas::BrushCopy(const TRect& dest, const QImage& picture, const TRect& source,
                       TColor transparent)
{
    if (dest.Width() <= 0 || dest.Height() <= 0)
        return;
    const QRect target = DeviceRect(dest, Ratio());
    const auto partOf = [&](const QImage& image) {
        return image.copy(DeviceRect(source, picture.devicePixelRatio()))
            .convertToFormat(QImage::Format_RGB32)
            .scaled(target.size());
    };
    // Which pixels are left out is decided on the picture's own colours: at
    // night several of them may share one red with the transparent colour.
    const QImage mask = partOf(picture);
    const QImage part = nightTone_ ? partOf(Shown(picture)) : mask;
    const QRgb clear = ToQColor(transparent).rgb() & 0x00FFFFFF;
    for (int y = 0; y < part.height(); ++y) {
        const int ty = target.top() + y;
        if (ty < 0 || ty >= image_->height())
            continue;
        const auto* from = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        const auto* key = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image_->scanLine(ty));
        for (int x = 0; x < part.width(); ++x) {
            const int tx = target.left() + x;
            if (tx >= 0 && tx < image_->width() && (key[x] & 0x00FFFFFF) != clear)
                to[tx] = from[x];
        }
    }
}

void Canvas::CopyRect(const TRect& dest, const Canvas& from, const TRect& source)
{
    // Already in the colours it shows.
    QImage part = from.image_->copy(DeviceRect(source, from.Ratio()));
    part.setDevicePixelRatio(from.Ratio());
    QPainter painter(image_);
    painter.drawImage(ToQRect(dest), part);
}

void Canvas::BitBlt(int x, int y, int width, int height, const QImage& picture, int sx, int sy)
{
    QPainter painter(image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal ratio = picture.devicePixelRatio();
    painter.drawImage(QRectF(x, y, width, height), Shown(picture),
                      QRectF(sx * ratio, sy * ratio, width * ratio, height * ratio));
}

TColor Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return -1;
    const QRgb p = image_->pixel(DeviceBlock(x, y).topLeft());
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

void Canvas::SetPixel(int x, int y, TColor color)
{
    const PenMode saved = pen.mode;
    pen.mode = PenMode::Copy;
    Plot(x, y, InkRgb(color));
    pen.mode = saved;
}

}  // namespace toolkit
