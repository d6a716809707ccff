#include "widgets/instruments/inst_resources.h"

#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace {

// The thumbs: a raised button with a black outline, a white edge at the top
// and left, a dark grey edge at the bottom and right and a light grey face.
constexpr int kThumbLong = 17;
constexpr int kThumbShort = 9;
const QRgb kThumbOutline = qRgb(0, 0, 0);
const QRgb kThumbLight = qRgb(255, 255, 255);
const QRgb kThumbShadow = qRgb(128, 128, 128);
const QRgb kThumbFace = qRgb(192, 192, 192);

QImage Thumb(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            QRgb c = kThumbFace;
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
                c = kThumbOutline;
            else if (x == width - 2 || y == height - 2)
                c = kThumbShadow;
            else if (x == 1 || y == 1)
                c = kThumbLight;
            image.setPixel(x, y, c);
        }
    return image;
}

// The slider's thumbs: the same raised button, longer, with a black slot
// along its middle framed white at the top and left and dark grey at the
// bottom and right.
constexpr int kSliderThumbLong = 30;
constexpr int kSliderThumbShort = 13;
// Rows (or columns) of the black slot, and how far its frame stays from the thumb's ends.
constexpr int kSlotFirst = 5;
constexpr int kSlotLast = 7;
constexpr int kSlotEndMargin = 3;

QImage SliderThumb(bool slotAcross)
{
    const int width = slotAcross ? kSliderThumbShort : kSliderThumbLong;
    const int height = slotAcross ? kSliderThumbLong : kSliderThumbShort;
    QImage image = Thumb(width, height);
    // Along the slot (a) and across it (c), whatever the thumb's orientation.
    const auto put = [&](int a, int c, QRgb colour) {
        if (slotAcross)
            image.setPixel(c, a, colour);
        else
            image.setPixel(a, c, colour);
    };
    const int length = slotAcross ? height : width;
    const int first = kSlotEndMargin;
    const int last = length - 1 - kSlotEndMargin;
    for (int a = first; a <= last; ++a) {
        put(a, kSlotFirst - 1, kThumbLight);
        put(a, kSlotLast + 1, kThumbShadow);
        for (int c = kSlotFirst; c <= kSlotLast; ++c)
            put(a, c, a == first ? kThumbLight : a == last ? kThumbShadow : kThumbOutline);
    }
    return image;
}

// The marker: a red pin head over a short stem, pointing down, on a
// background colour that the drawing leaves out.
constexpr int kPinWidth = 6;
constexpr int kPinHeight = 9;
QImage Pin()
{
    static const char* const rows[kPinHeight] = {
        ".dddd.",
        "drrrrd",
        "drrrrd",
        "drrrrd",
        ".dddd.",
        "..dd..",
        "..dd..",
        "..dd..",
        "..dd..",
    };
    const QRgb background = qRgb(255, 0, 255);
    const QRgb dark = qRgb(128, 0, 0);
    const QRgb red = qRgb(255, 0, 0);
    QImage image(kPinWidth, kPinHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPinHeight; ++y)
        for (int x = 0; x < kPinWidth; ++x)
            image.setPixel(x, y, rows[y][x] == 'd' ? dark : rows[y][x] == 'r' ? red : background);
    return image;
}

constexpr int kCursorSize = 32;
constexpr QPoint kCursorHotSpot(13, 1);

constexpr int kRoseSize = 150;
constexpr qreal kRoseCentre = kRoseSize / 2.0;
constexpr qreal kDiscRadius = 73;
constexpr qreal kTickOuter = 71;
constexpr qreal kLetterRadius = 61;
constexpr qreal kStarLong = 46;
constexpr qreal kStarShort = 30;
constexpr qreal kStarWaist = 7;

// The rose's colours by day; at night its disc and light halves turn dark
// and its lines bright, as on a lit dial.
const QColor kRoseLine(20, 40, 90);
const QColor kRoseDisc(200, 225, 250);
const QColor kStarDark(30, 60, 130);
const QColor kStarLight(245, 250, 255);

QColor Ink(const QColor& day)
{
    return toolkit::SchemeColor(day, toolkit::Tone::Ink);
}

QColor Paper(const QColor& day)
{
    return toolkit::SchemeColor(day, toolkit::Tone::Paper);
}

QPointF Polar(qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {kRoseCentre + radius * qSin(a), kRoseCentre - radius * qCos(a)};
}

// One point of the star: a dark half and a light half.
void DrawStarPoint(QPainter& p, qreal degrees, qreal length)
{
    const QPointF tip = Polar(length, degrees);
    const QPointF centre(kRoseCentre, kRoseCentre);
    QPainterPath left;
    left.moveTo(centre);
    left.lineTo(Polar(kStarWaist, degrees - 45));
    left.lineTo(tip);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(centre);
    right.lineTo(Polar(kStarWaist, degrees + 45));
    right.lineTo(tip);
    right.closeSubpath();
    p.setPen(QPen(Ink(kRoseLine), 0.8));
    p.setBrush(Ink(kStarDark));
    p.drawPath(left);
    p.setBrush(Paper(kStarLight));
    p.drawPath(right);
}

void DrawLetter(QPainter& p, const QString& text, qreal degrees, qreal radius)
{
    const QPointF at = Polar(radius, degrees);
    const QRectF box(at.x() - 15, at.y() - 10, 30, 20);
    p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

QImage InstResourceBitmap(const QString& name)
{
    if (name == QLatin1String("INSTTB_HORI"))
        return Thumb(kThumbShort, kThumbLong);
    if (name == QLatin1String("INSTTB_VERT"))
        return Thumb(kThumbLong, kThumbShort);
    if (name == QLatin1String("INSTSLIDERTHUMB_HORI"))
        return SliderThumb(false);
    if (name == QLatin1String("INSTSLIDERTHUMB_VERT"))
        return SliderThumb(true);
    if (name == QLatin1String("TIWPIN"))
        return Pin();
    return {};
}

QCursor HandPointCursor()
{
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10.5, 0.5, 6, 16), 3, 3);   // index finger
    hand.addRoundedRect(QRectF(16.5, 8.5, 5, 9), 2.5, 2.5);  // middle finger
    hand.addRoundedRect(QRectF(21.5, 10.5, 5, 8), 2.5, 2.5); // ring finger
    hand.addRoundedRect(QRectF(3.5, 14.5, 7, 5), 2.5, 2.5);  // thumb
    hand.addRoundedRect(QRectF(8.5, 12.5, 18, 14), 4, 4);    // palm
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    p.end();
    return QCursor(pixmap, kCursorHotSpot.x(), kCursorHotSpot.y());
}

QImage CompassRosePicture(qreal ratio)
{
    QImage image(QSize(kRoseSize, kRoseSize) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QPen(Ink(kRoseLine), 2));
    p.setBrush(Paper(kRoseDisc));
    p.drawEllipse(QPointF(kRoseCentre, kRoseCentre), kDiscRadius, kDiscRadius);

    constexpr int kDegreesPerTick = 10;
    for (int d = 0; d < 360; d += kDegreesPerTick) {
        const qreal inner = d % 90 == 0 ? kTickOuter - 8 : d % 30 == 0 ? kTickOuter - 6 : kTickOuter - 3;
        p.setPen(QPen(Ink(kRoseLine), d % 30 == 0 ? 1.5 : 1));
        p.drawLine(Polar(inner, d), Polar(kTickOuter, d));
    }

    for (int d = 45; d < 360; d += 90)
        DrawStarPoint(p, d, kStarShort);
    for (int d = 0; d < 360; d += 90)
        DrawStarPoint(p, d, kStarLong);

    p.setPen(Ink(kRoseLine));
    p.setFont(toolkit::UiFont(15, true));
    const char* const cardinal[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i)
        DrawLetter(p, QString::fromLatin1(cardinal[i]), i * 90, kLetterRadius);
    p.setFont(toolkit::UiFont(10, true));
    const char* const intercardinal[] = {"NE", "SE", "SW", "NW"};
    for (int i = 0; i < 4; ++i)
        DrawLetter(p, QString::fromLatin1(intercardinal[i]), 45 + i * 90, kLetterRadius - 2);
    return image;
}
