#pragma once
// Drawing utilities shared by the instrument widgets. Coordinates are canvas
// pixels, y down. Whatever the arguments, a call draws only near the canvas
// and ends: sums are formed in 64 bits, lines far outside are clipped and
// colour components are kept within 0..255.

#include "toolkit/canvas.h"
#include "toolkit/color.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

enum class TInstGradientStyle {
    gsNone,
    gsVertical,          // bands top to bottom
    gsHorizontal,        // bands left to right
    gsDiagonalRising,    // lines from the top edge down to the left
    gsDiagonalFalling,   // lines from the left edge down to the bottom
    gsVerticalCenter,    // from-colour at top and bottom, to-colour in the middle
    gsHorizontalCenter,  // from-colour at left and right, to-colour in the middle
};

struct TInstRgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The red, green and blue bytes of the colour, system colours resolved.
TInstRgb SplitColor(toolkit::TColor color);

// The colour at position i of an extent n between `from` (i = 0) and `to`
// (i = n): each component from + (to - from) * i / n, truncated, and held
// within 0..255 when i lies beyond the extent.
toolkit::TColor GradientColor(toolkit::TColor from, toolkit::TColor to, long long i, long long n);

// Bands of `step` pixels from `from` to `to`. The diagonal styles draw in
// canvas coordinates from (0, 0), whatever the rectangle's origin. An extent
// of 0 (below 2 for the centre styles) or a step below 1 draws nothing.
void DrawGradient(toolkit::Canvas& canvas, const toolkit::TRect& rect, toolkit::TColor from,
                  toolkit::TColor to, TInstGradientStyle style, int step);

// `width` nested one-pixel frames along the inside of `rect`, top and left
// edges in `top`, bottom and right edges in `bottom`; `rect` ends shrunk by
// `width` on every side. A width of 0 or less does nothing.
void DrawFrame3D(toolkit::Canvas& canvas, toolkit::TRect& rect, toolkit::TColor top,
                 toolkit::TColor bottom, int width);

inline constexpr int kDitherSize = 8;

// A kDitherSize square checkerboard: `c1` where x and y are both even or both odd, `c2` elsewhere.
QImage CreateDitherBitmap(toolkit::TColor c1, toolkit::TColor c2);

// The bitmap repeated from the rectangle's top-left corner, column by column;
// tiles at the right and bottom edges are drawn whole. An empty bitmap tiles nothing.
void TileBitmap(toolkit::Canvas& canvas, const toolkit::TRect& rect, const QImage& bitmap);

toolkit::TRect BitmapRect(const QImage& bitmap);

// Transparent: the source part stretched to `dest`, leaving out the pixels of
// `transparentColor`. Opaque: the whole bitmap stretched to `dest`. An empty
// bitmap draws nothing.
void DrawBitmap(toolkit::Canvas& canvas, const toolkit::TRect& dest, const QImage& bitmap,
                const toolkit::TRect& source, bool transparent, toolkit::TColor transparentColor);

// The text as Canvas::TextOut draws it on a clear brush, on a transparent
// picture as wide as the text and as high as the font; null for no text.
QImage TextPicture(const QFont& font, toolkit::TColor colour, const QString& text, qreal ratio = 1.0);

// The opaque pixels of `picture` copied to the canvas, its top-left corner at (x, y).
void DrawOpaquePixels(toolkit::Canvas& canvas, int x, int y, const QImage& picture);

// Takes the text before the first `separator` off `text` (with the
// separator) and returns it; without a separator the whole text.
QString CutToken(QString& text, QChar separator);

// The colour a bitmap leaves out when drawn transparently: its bottom-left pixel.
toolkit::TColor TransparentColor(const QImage& bitmap);

// Coordinates are held within this distance of the origin, far outside any
// canvas, so that sums of a coordinate and a size stay within int.
inline constexpr int kCoordinateLimit = 1 << 30;

// A coordinate held within +-kCoordinateLimit.
int ClampCoordinate(long long v);

// `rect` shrunk by `by` on every side (grown for a negative `by`), saturating.
toolkit::TRect ShrunkRect(const toolkit::TRect& rect, long long by);

// A line from (x0, y0) up to, not including, (x1, y1) with the canvas pen;
// the part far outside the canvas is clipped away.
void DrawClippedLine(toolkit::Canvas& canvas, long long x0, long long y0, long long x1, long long y1);

struct TInstPoint {
    long long x;
    long long y;
};

// As Canvas::Polygon (filled with the brush, outlined with the pen), with
// the part far outside the canvas clipped away.
void DrawClippedPolygon(toolkit::Canvas& canvas, const std::vector<TInstPoint>& points);
