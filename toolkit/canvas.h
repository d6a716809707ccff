#pragma once
// The drawing surface of every picture and instrument: a pen, a brush and a
// font over a QImage, with the platform's pixel rules. No antialiasing; a
// line does not paint its end pixel; rectangles, fills and ellipses leave out
// their right and bottom edge. Coordinates are logical pixels, y grows
// downwards. On a high-density screen the image has a device pixel ratio:
// each logical pixel is a block of device pixels, text and curves are drawn
// at the device's resolution, and the pixel rules hold in logical pixels.

#include "toolkit/color.h"
#include "toolkit/color_scheme.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QVector>

#include <optional>

class QPainter;

namespace toolkit {

// A rectangle by its edges; Right and Bottom lie just outside it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum class PenStyle { Solid, Dot, Clear };
enum class PenMode { Copy, Xor };
enum class BrushStyle { Solid, Clear };

struct Pen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct Brush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

// A picture for a canvas: `size` logical pixels, `ratio` device pixels to one.
QImage CanvasImage(QSize size, qreal ratio = 1.0);

class Canvas {
public:
    // Draws on `image`, which the caller keeps alive. The image is converted
    // to 32-bit RGB when it is in another format.
    explicit Canvas(QImage* image);

    Pen pen;
    Brush brush;
    QFont font;
    TColor fontColor = clBlack;

    QImage* Target() const { return image_; }

    // At night every colour and picture drawn takes its night colours in
    // this tone as it is drawn, so that the finished picture needs no pass
    // of its own; none draws them as given.
    void SetNightTone(std::optional<Tone> tone)
    {
        nightTone_ = tone;
        inkDay_ = kNoInk;
    }
    std::optional<Tone> NightTone() const { return nightTone_; }
    // The picture's size in logical pixels.
    int Width() const;
    int Height() const;
    qreal Ratio() const { return image_->devicePixelRatio(); }

    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    // From the pen position to (x, y), without (x, y) itself; moves the pen there.
    void LineTo(int x, int y);
    void Polyline(const QVector<QPoint>& points);
    // Filled with the brush, outlined with the pen; closed.
    void Polygon(const QVector<QPoint>& points);
    // Filled with the brush and outlined with the pen, x1..x2-1 by y1..y2-1.
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(const TRect& r);
    void Ellipse(int x1, int y1, int x2, int y2);
    // The wedge of the ellipse in the box, counter-clockwise from the ray to
    // (x3, y3) to the ray to (x4, y4).
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

    // Text with its top-left corner at (x, y) in fontColor; on an opaque box
    // of the brush colour when the brush is solid. Moves the pen past the text.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    void Draw(int x, int y, const QImage& picture);
    // Scaled to the rectangle, nearest pixel.
    void StretchDraw(const TRect& r, const QImage& picture);
    // As StretchDraw of the source part, leaving out the pixels of `transparent`.
    void BrushCopy(const TRect& dest, const QImage& picture, const TRect& source, TColor transparent);
    void CopyRect(const TRect& dest, const Canvas& from, const TRect& source);
    // Block transfer without scaling.
    void BitBlt(int x, int y, int width, int height, const QImage& picture, int sx, int sy);

    // The colour of the logical pixel (x, y); -1 outside the picture.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

private:
    // The device pixels of logical pixel (x, y), clipped to the picture.
    QRect DeviceBlock(int x, int y) const;
    void PlotLine(QPoint from, QPoint to);
    void Plot(int x, int y, QRgb rgb);
    void ApplyPen(QPainter& painter) const;
    QFont DrawingFont() const;
    // A colour, or a picture, as this canvas draws it.
    QColor Ink(TColor color) const;
    QRgb InkRgb(TColor color) const { return Ink(color).rgb(); }
    QImage Shown(const QImage& picture) const;

    QImage* image_;
    std::optional<Tone> nightTone_;
    // The last colour inked at night, and its night colour.
    static constexpr TColor kNoInk = -1;
    mutable TColor inkDay_ = kNoInk;
    mutable QColor inkNight_;
    QPoint penPos_;
};

}  // namespace toolkit
