#pragma once
// Helpers for the instrument widget tests: pixels of a rendered picture and
// mouse events sent straight to a widget.

#include "toolkit/color.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

inline toolkit::TColor PixelAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return toolkit::RGB(qRed(p), qGreen(p), qBlue(p));
}

inline QImage Solid(int w, int h, toolkit::TColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toolkit::ToQColor(colour));
    return image;
}

// The widget paints its background in `colour`, as a parent under a transparent control.
inline void FillBackground(QWidget& widget, toolkit::TColor colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toolkit::ToQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// A mouse event of `type` at `pos` with the left button, as the window system sends it.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
