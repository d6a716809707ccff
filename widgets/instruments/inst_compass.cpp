#include "widgets/instruments/inst_compass.h"

#include "widgets/instruments/inst_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr QSize kDefaultSize(100, 100);
// A disc or pen this far beyond the control looks the same however much larger it is.
constexpr long long kDrawMargin = 1024;

}  // namespace

CompassPoint CompassNeedleEnd(int cx, int cy, int heading, int length)
{
    const double theta = heading * std::numbers::pi / 180.0;
    const auto dx = static_cast<long long>(std::trunc(std::sin(theta) * length));
    const auto dy = static_cast<long long>(std::trunc(std::cos(theta) * length));
    return {static_cast<long long>(cx) + dx, static_cast<long long>(cy) - dy};
}

TInstCompass::TInstCompass(QWidget* parent)
    : TInstGraphicImageControl(parent)
{
    resize(kDefaultSize);
    setColor(toolkit::clBlack);
}

void TInstCompass::ChangeLayout()
{
    InvalidateLayer();
    UpdateControl();
}

void TInstCompass::setHeading(int degrees)
{
    if (!StoreIfChanged(heading_, degrees))
        return;
    UpdateControl();
    emit OnChange();
}

void TInstCompass::setNeedleLength(int pixels)
{
    if (StoreIfChanged(needleLength_, pixels))
        UpdateControl();
}

void TInstCompass::setNeedleWidth(int pixels)
{
    if (StoreIfChanged(needleWidth_, pixels))
        UpdateControl();
}

void TInstCompass::setNeedleColor(toolkit::TColor color)
{
    if (StoreIfChanged(needleColor_, color))
        UpdateControl();
}

void TInstCompass::setNeedleTransparent(bool on)
{
    if (StoreIfChanged(needleTransparent_, on))
        UpdateControl();
}

void TInstCompass::setCircleWidth(int pixels)
{
    if (StoreIfChanged(circleWidth_, pixels))
        ChangeLayout();
}

void TInstCompass::setCircleOutlineWidth(int pixels)
{
    if (StoreIfChanged(circleOutlineWidth_, pixels))
        ChangeLayout();
}

void TInstCompass::setCircleOutlineColor(toolkit::TColor color)
{
    if (StoreIfChanged(circleOutlineColor_, color))
        ChangeLayout();
}

void TInstCompass::setCircleColor(toolkit::TColor color)
{
    if (StoreIfChanged(circleColor_, color))
        ChangeLayout();
}

void TInstCompass::setBackImage(const QImage& picture)
{
    backImage_ = picture;
    InvalidateLayer();
    UpdateAutoSize();
}

bool TInstCompass::CanAutoSize(int& width, int& height)
{
    if (backImage_.width() > 0)
        width = backImage_.width();
    if (backImage_.height() > 0)
        height = backImage_.height();
    return true;
}

long long TInstCompass::DrawLimit() const
{
    return 2LL * (width() + height()) + kDrawMargin;
}

void TInstCompass::PaintStatic()
{
    DrawBackground();
    DrawCircle();
}

void TInstCompass::PaintDynamic()
{
    DrawNeedle();
}

void TInstCompass::DrawBackground()
{
    DrawBitmap(DrawCanvas(), {0, 0, width(), height()}, backImage_, BitmapRect(backImage_), Transparent(), Color());
}

void TInstCompass::DrawCircle()
{
    toolkit::Canvas& canvas = DrawCanvas();
    const int cx = width() / 2;
    const int cy = height() / 2;
    const auto r = static_cast<int>(std::min(std::llabs(circleWidth_), DrawLimit()));
    canvas.pen.mode = toolkit::PenMode::Copy;
    canvas.pen.width = static_cast<int>(std::min<long long>(circleOutlineWidth_, DrawLimit()));
    canvas.pen.color = circleOutlineColor_;
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = circleColor_;
    canvas.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

void TInstCompass::DrawNeedle()
{
    toolkit::Canvas& canvas = DrawCanvas();
    const int cx = width() / 2;
    const int cy = height() / 2;
    canvas.pen.mode = needleTransparent_ ? toolkit::PenMode::Xor : toolkit::PenMode::Copy;
    canvas.pen.width = static_cast<int>(std::min<long long>(needleWidth_, DrawLimit()));
    canvas.pen.color = needleColor_;
    const CompassPoint end = CompassNeedleEnd(cx, cy, heading_, needleLength_);
    DrawClippedLine(canvas, cx, cy, end.x, end.y);
}
