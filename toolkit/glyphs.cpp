#include "toolkit/glyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace toolkit {

namespace {

// Artwork is drawn on a 24-unit grid and scaled to the requested size.
constexpr qreal kGrid = 24.0;

void DrawCalculator(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(200, 200, 190));
    p.drawRoundedRect(QRectF(4, 1.5, 16, 21), 2, 2);
    p.setBrush(QColor(70, 120, 70));
    p.drawRect(QRectF(6.5, 4, 11, 5));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(col == 2 && row == 2 ? QColor(200, 60, 40) : QColor(60, 60, 80));
            p.drawRect(QRectF(6.5 + col * 4, 11 + row * 3.6, 3, 2.6));
        }
}

void DrawExit(QPainter& p)
{
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(3, 2, 11, 20));
    p.setBrush(QColor(240, 220, 120));
    p.drawEllipse(QPointF(11.5, 12), 1, 1);
    p.setPen(QPen(QColor(0, 140, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(13, 12), QPointF(21, 12));
    p.drawLine(QPointF(18, 8.5), QPointF(21.5, 12));
    p.drawLine(QPointF(18, 15.5), QPointF(21.5, 12));
}

void DrawCross(QPainter& p, const QColor& color)
{
    p.setPen(QPen(color, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void DrawSettings(QPainter& p)
{
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QPainterPath north;
    north.moveTo(12, 3);
    north.lineTo(15, 12);
    north.lineTo(9, 12);
    north.closeSubpath();
    QPainterPath south;
    south.moveTo(12, 21);
    south.lineTo(15, 12);
    south.lineTo(9, 12);
    south.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(north);
    p.setBrush(QColor(40, 40, 120));
    p.drawPath(south);
}

void DrawTick(QPainter& p)
{
    p.setPen(QPen(QColor(0, 150, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
}

void DrawCancel(QPainter& p)
{
    p.setPen(QPen(QColor(200, 20, 20), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
    p.drawLine(QPointF(6, 18), QPointF(18, 6));
}

void DrawDiskette(QPainter& p)
{
    p.setPen(QPen(QColor(20, 30, 70), 1.2));
    p.setBrush(QColor(40, 70, 150));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(6.5, 3, 11, 7));
    p.setBrush(QColor(40, 70, 150));
    p.drawRect(QRectF(13.5, 4.5, 2.5, 4));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawPosition(QPainter& p)
{
    p.setPen(QPen(QColor(20, 60, 110), 1.2));
    p.setBrush(QColor(150, 200, 240));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 4.5, 10);
    p.drawLine(QPointF(2, 12), QPointF(22, 12));
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(220, 30, 30));
    QPainterPath pin;
    pin.moveTo(16, 14);
    pin.lineTo(13, 8.5);
    pin.arcTo(QRectF(13, 3, 6, 6), 200, -220);
    pin.closeSubpath();
    p.drawPath(pin);
}

void DrawMoon(QPainter& p)
{
    // The crescent is the disc less a disc moved up and to the right.
    QPainterPath disc;
    disc.addEllipse(QPointF(11, 13), 8.5, 8.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(15.5, 9), 7.5, 7.5);
    p.setPen(QPen(QColor(90, 70, 10), 1.2));
    p.setBrush(QColor(250, 215, 90));
    p.drawPath(disc.subtracted(bite));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(19.5, 16.5), 1.6, 1.6);
}

void DrawEraser(QPainter& p)
{
    // A rubber lying on a slant, red sleeve and white tip, over a swept line.
    p.setPen(QPen(QColor(120, 120, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 21), QPointF(21, 21));
    p.save();
    p.translate(12, 11);
    p.rotate(-35);
    p.setPen(QPen(QColor(60, 30, 30), 1.2));
    p.setBrush(QColor(245, 240, 235));
    p.drawRoundedRect(QRectF(-9, -4.5, 8, 9), 1.5, 1.5);
    p.setBrush(QColor(200, 40, 50));
    p.drawRoundedRect(QRectF(-2, -4.5, 11, 9), 1.5, 1.5);
    p.restore();
}

void DrawLighthouse(QPainter& p)
{
    // A banded tower narrowing upwards, its lantern and two beams.
    p.setPen(QPen(QColor(250, 215, 90), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 5), QPointF(2, 2));
    p.drawLine(QPointF(15, 5), QPointF(22, 2));
    p.setPen(QPen(QColor(60, 30, 30), 1));
    p.setBrush(QColor(250, 215, 90));
    p.drawRect(QRectF(9.5, 3, 5, 4));
    const auto band = [&p](double top, double bottom, const QColor& colour) {
        const auto half = [](double y) { return 2.5 + (y - 7) * 0.25; };
        p.setBrush(colour);
        p.drawPolygon(QPolygonF{{12 - half(top), top}, {12 + half(top), top},
                                {12 + half(bottom), bottom}, {12 - half(bottom), bottom}});
    };
    band(7, 12, QColor(200, 40, 50));
    band(12, 17, QColor(245, 240, 235));
    band(17, 22, QColor(200, 40, 50));
}

void DrawLogbook(QPainter& p)
{
    // Two pages open on a spine, each ruled for the working.
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(150, 90, 40));
    p.drawRoundedRect(QRectF(1.5, 4, 21, 17), 1.5, 1.5);
    p.setBrush(QColor(250, 248, 235));
    p.drawRect(QRectF(3, 3, 8.5, 16));
    p.drawRect(QRectF(12.5, 3, 8.5, 16));
    p.setPen(QPen(QColor(40, 70, 150), 1));
    for (double y = 7; y < 18; y += 3) {
        p.drawLine(QPointF(4.5, y), QPointF(10, y));
        p.drawLine(QPointF(14, y), QPointF(19.5, y));
    }
}

void DrawInstruments(QPainter& p)
{
    // A round display with its needle, and the waves of the data it receives.
    p.setPen(QPen(QColor(40, 40, 50), 1.2));
    p.setBrush(QColor(30, 60, 90));
    p.drawEllipse(QRectF(1.5, 7.5, 15, 15));
    p.setPen(QPen(QColor(250, 200, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 15), QPointF(13, 10.5));
    p.setPen(QPen(QColor(0, 150, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const double r : {4.0, 7.5})
        p.drawArc(QRectF(17 - r, 7 - r, 2 * r, 2 * r), 0, 90 * 16);
}

void DrawSheet(QPainter& p, const QRectF& sheet)
{
    p.setPen(QPen(QColor(50, 50, 60), 1.2));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(sheet);
    p.setPen(QPen(QColor(110, 110, 130), 1));
    for (double y = sheet.top() + 4; y < sheet.bottom() - 2; y += 3)
        p.drawLine(QPointF(sheet.left() + 2.5, y), QPointF(sheet.right() - 2.5, y));
}

void DrawCopy(QPainter& p)
{
    DrawSheet(p, QRectF(3, 2, 12, 15));
    DrawSheet(p, QRectF(9, 7, 12, 15));
}

void DrawPdf(QPainter& p)
{
    DrawSheet(p, QRectF(4, 2, 16, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(2, 13, 20, 6));
}

void DrawPrinter(QPainter& p)
{
    DrawSheet(p, QRectF(7, 2, 10, 9));
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(120, 125, 135));
    p.drawRoundedRect(QRectF(2, 10, 20, 8), 1.5, 1.5);
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(6, 15, 12, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(QPointF(19, 12.5), 1, 1);
}

}  // namespace

QPixmap Glyph(GlyphKind kind, int size)
{
    // Drawn at the screen's density, so that it stays sharp there.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    switch (kind) {
    case GlyphKind::Calculate:
        DrawCalculator(p);
        break;
    case GlyphKind::Exit:
        DrawExit(p);
        break;
    case GlyphKind::Clear:
        DrawCross(p, QColor(210, 30, 30));
        break;
    case GlyphKind::Settings:
        DrawSettings(p);
        break;
    case GlyphKind::Confirm:
        DrawTick(p);
        break;
    case GlyphKind::Cancel:
        DrawCancel(p);
        break;
    case GlyphKind::Save:
        DrawDiskette(p);
        break;
    case GlyphKind::Position:
        DrawPosition(p);
        break;
    case GlyphKind::Night:
        DrawMoon(p);
        break;
    case GlyphKind::ClearAll:
        DrawEraser(p);
        break;
    case GlyphKind::Lighthouse:
        DrawLighthouse(p);
        break;
    case GlyphKind::Logbook:
        DrawLogbook(p);
        break;
    case GlyphKind::Copy:
        DrawCopy(p);
        break;
    case GlyphKind::Pdf:
        DrawPdf(p);
        break;
    case GlyphKind::Print:
        DrawPrinter(p);
        break;
    case GlyphKind::Instruments:
        DrawInstruments(p);
        break;
    }
    return pixmap;
}

}  // namespace toolkit
