#include "widgets/instruments/inst_angular_meter.h"

#include "toolkit/fonts.h"
#include "toolkit/platform.h"
#include "toolkit/text_format.h"
#include "widgets/instruments/inst_drawing.h"

#include <QEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr QSize kDefaultSize(250, 310);
constexpr int kDefaultFontPixels = 11;
constexpr int kMaxDecimals = 14;
// The zone ring's inner edge lies this far inside the tick circle.
constexpr long long kRingInset = 2;
// An empty caption line is as high as this text.
const QString kEmptyLineSample = QStringLiteral("gW");
// A disc or pen this far beyond the control looks the same however much larger it is.
constexpr long long kDrawMargin = 1024;
// The dial's circles are drawn within this distance of the origin, so that
// a box's width and height stay within int.
constexpr long long kCircleLimit = 1LL << 24;

int CircleCoordinate(long long v)
{
    return static_cast<int>(std::clamp(v, -kCircleLimit, kCircleLimit));
}

}  // namespace

TInstAngularMeter::TInstAngularMeter(QWidget* parent)
    : TInstGraphicImageControl(parent)
    , labelsFont_(toolkit::UiFont(kDefaultFontPixels))
{
    resize(kDefaultSize);
    setColor(toolkit::clBlack);
    setFont(toolkit::UiFont(kDefaultFontPixels));
}

AngularMeterGeometry TInstAngularMeter::Geometry() const
{
    return AngularMeterGeometry(
        {width(), height(), radius_, spacing_, angle_, angleOffset_, minValue_, maxValue_});
}

QString TInstAngularMeter::LabelText(double value) const
{
    const QString pattern = QStringLiteral("%.%1f").arg(std::clamp(decimals_, 0, kMaxDecimals));
    return toolkit::Format(pattern, {value});
}

void TInstAngularMeter::ChangeDial()
{
    dialValid_ = false;
    InvalidateLayer();
    UpdateControl();
}

void TInstAngularMeter::ColorChanged()
{
    ChangeDial();
}

void TInstAngularMeter::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        ChangeDial();
    TInstGraphicImageControl::changeEvent(event);
}

void TInstAngularMeter::resizeEvent(QResizeEvent* event)
{
    ChangeDial();
    TInstGraphicImageControl::resizeEvent(event);
}

void TInstAngularMeter::ReportOutOfRange()
{
    toolkit::platform().ShowException(this, QString::fromLatin1(kInstValueOutOfRange));
}

void TInstAngularMeter::setMinValue(double value)
{
    if (value == minValue_)
        return;
    if (!std::isfinite(value) || value > maxValue_) {
        ReportOutOfRange();
        return;
    }
    minValue_ = value;
    position_ = std::max(position_, minValue_);
    ChangeDial();
}

void TInstAngularMeter::setMaxValue(double value)
{
    if (value == maxValue_)
        return;
    if (!std::isfinite(value) || value < minValue_) {
        ReportOutOfRange();
        return;
    }
    maxValue_ = value;
    position_ = std::min(position_, maxValue_);
    ChangeDial();
}

void TInstAngularMeter::setPosition(double value)
{
    if (std::isnan(value))
        return;
    if (!StoreIfChanged(position_, std::clamp(value, minValue_, maxValue_)))
        return;
    UpdateControl();
    emit OnChange();
}

void TInstAngularMeter::setDecimals(int decimals)
{
    if (TInstWordInt.Contains(decimals))
        SetDialProperty(decimals_, decimals);
}

void TInstAngularMeter::setAngle(int degrees)
{
    SetDialProperty(angle_, degrees);
}

void TInstAngularMeter::setAngleOffset(int degrees)
{
    if (TInstDegrees.Contains(degrees))
        SetDialProperty(angleOffset_, degrees);
}

void TInstAngularMeter::setRadius(int pixels)
{
    SetDialProperty(radius_, pixels);
}

void TInstAngularMeter::setSpacing(int pixels)
{
    SetDialProperty(spacing_, pixels);
}

void TInstAngularMeter::setTicks(int ticks)
{
    if (TInstWordInt.Contains(ticks))
        SetDialProperty(ticks_, ticks);
}

void TInstAngularMeter::setTicksMin(int pixels)
{
    SetDialProperty(ticksMin_, pixels);
}

void TInstAngularMeter::setTicksMax(int pixels)
{
    SetDialProperty(ticksMax_, pixels);
}

void TInstAngularMeter::setTicksEnlarge(int every)
{
    if (TInstWordInt.Contains(every))
        SetDialProperty(ticksEnlarge_, every);
}

void TInstAngularMeter::setTicksColor(toolkit::TColor color)
{
    SetDialProperty(ticksColor_, color);
}

toolkit::TColor TInstAngularMeter::ColorZone(int index) const
{
    return index >= 1 && index <= 3 ? zoneColors_[index - 1] : toolkit::clBlack;
}

void TInstAngularMeter::setColorZone(int index, toolkit::TColor color)
{
    if (index < 1 || index > 3)
        return;
    zoneColors_[index - 1] = color;
    ChangeDial();
}

void TInstAngularMeter::setPercent1(int percent)
{
    if (!TInstPercentInt.Contains(percent) || percent == percent1_)
        return;
    SetDialProperty(percent1_, std::min(percent, static_cast<int>(TInstPercentInt.max) - percent2_));
}

void TInstAngularMeter::setPercent2(int percent)
{
    if (!TInstPercentInt.Contains(percent) || percent == percent2_)
        return;
    SetDialProperty(percent2_, std::min(percent, static_cast<int>(TInstPercentInt.max) - percent1_));
}

void TInstAngularMeter::setLabels(int labels)
{
    SetDialProperty(labels_, labels);
}

void TInstAngularMeter::setLabelsOffset(int pixels)
{
    SetDialProperty(labelsOffset_, pixels);
}

void TInstAngularMeter::setLabelsFont(const QFont& font)
{
    SetDialProperty(labelsFont_, font);
}

void TInstAngularMeter::setLabelsFontColor(toolkit::TColor color)
{
    SetDialProperty(labelsFontColor_, color);
}

void TInstAngularMeter::setNeedleLength(int pixels)
{
    SetNeedleProperty(needleLength_, pixels);
}

void TInstAngularMeter::setNeedleBaseWidth(int pixels)
{
    // The caption's place below the middle depends on it too.
    SetDialProperty(needleBaseWidth_, pixels);
}

void TInstAngularMeter::setNeedleColor(toolkit::TColor color)
{
    SetNeedleProperty(needleColor_, color);
}

void TInstAngularMeter::setCenterDotColor(toolkit::TColor color)
{
    SetNeedleProperty(centerDotColor_, color);
}

void TInstAngularMeter::setCenterDotWidth(int pixels)
{
    SetNeedleProperty(centerDotWidth_, pixels);
}

void TInstAngularMeter::setCaption(const QString& caption)
{
    SetDialProperty(caption_, caption);
}

void TInstAngularMeter::setFontColor(toolkit::TColor color)
{
    SetDialProperty(fontColor_, color);
}

long long TInstAngularMeter::DrawLimit() const
{
    return 2LL * (width() + height()) + kDrawMargin;
}

const QImage& TInstAngularMeter::DialBitmap()
{
    if (!dialValid_)
        RebuildDial();
    return dial_;
}

void TInstAngularMeter::RebuildDial()
{
    dialValid_ = true;
    dial_ = toolkit::CanvasImage(size(), devicePixelRatioF());
    if (dial_.isNull())
        return;
    toolkit::Canvas canvas(&dial_);
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = Color();
    canvas.FillRect({0, 0, width(), height()});
    const AngularMeterGeometry g = Geometry();
    DrawZones(canvas, g);
    DrawTicks(canvas, g);
    DrawLabels(canvas, g);
    DrawCaption(canvas, g);
}

void TInstAngularMeter::DrawZones(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const
{
    const long long tm = ticksMax_;
    const int left = CircleCoordinate(g.RingLeft(tm));
    const int top = CircleCoordinate(g.RingTop(tm));
    const int right = CircleCoordinate(g.RingRight(tm));
    const int bottom = CircleCoordinate(g.RingBottom(tm));
    const long long q = g.ZoneBoundaryDistance(tm);
    canvas.pen.width = 1;
    canvas.brush.style = toolkit::BrushStyle::Solid;
    for (const MeterZone& zone : g.Zones(percent1_, percent2_)) {
        canvas.pen.color = ColorZone(zone.index);
        canvas.brush.color = ColorZone(zone.index);
        // The toolkit's pie runs counter-clockwise, so the zone's end comes first.
        const MeterPoint end = g.PolarPoint(zone.to, q);
        const MeterPoint start = g.PolarPoint(zone.from, q);
        canvas.Pie(left, top, right, bottom, CircleCoordinate(end.x), CircleCoordinate(end.y),
                   CircleCoordinate(start.x), CircleCoordinate(start.y));
    }
    const long long inset = tm + kRingInset;
    canvas.pen.color = Color();
    canvas.brush.color = Color();
    canvas.Ellipse(CircleCoordinate(g.RingLeft(tm) + inset), CircleCoordinate(g.RingTop(tm) + inset),
                   CircleCoordinate(g.RingRight(tm) - inset), CircleCoordinate(g.RingBottom(tm) - inset));
}

void TInstAngularMeter::DrawTicks(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const
{
    canvas.pen.width = 1;
    canvas.pen.color = ticksColor_;
    for (const MeterTick& tick : g.Ticks(ticks_, ticksMin_, ticksMax_, ticksEnlarge_))
        DrawClippedLine(canvas, tick.inner.x, tick.inner.y, tick.outer.x, tick.outer.y);
}

void TInstAngularMeter::DrawLabels(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const
{
    // Each number stands on a box of the dial's colour, the brush the zones left.
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = Color();
    canvas.font = labelsFont_;
    canvas.fontColor = labelsFontColor_;
    for (const MeterLabel& label : g.Labels(labels_, labelsOffset_)) {
        const QString text = LabelText(label.value);
        const long long x = label.centre.x - canvas.TextWidth(text) / 2;
        const long long y = label.centre.y - canvas.TextHeight(text) / 2;
        canvas.TextOut(ClampCoordinate(x), ClampCoordinate(y), text);
    }
}

void TInstAngularMeter::DrawCaption(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const
{
    canvas.brush.style = toolkit::BrushStyle::Clear;
    canvas.font = font();
    canvas.fontColor = fontColor_;
    long long y = g.CaptionTop(needleBaseWidth_);
    QString rest = caption_;
    while (!rest.isEmpty()) {
        const QString line = CutToken(rest, QLatin1Char('|'));
        const QString measured = line.isEmpty() ? kEmptyLineSample : line;
        const long long w = canvas.TextWidth(measured);
        canvas.TextOut(ClampCoordinate(g.CenterX() - w / 2), ClampCoordinate(y), line);
        y += canvas.TextHeight(measured);
    }
}

void TInstAngularMeter::PaintStatic()
{
    DrawDial();
}

void TInstAngularMeter::PaintDynamic()
{
    DrawNeedle();
}

void TInstAngularMeter::DrawDial()
{
    const QImage& dial = DialBitmap();
    toolkit::Canvas& canvas = DrawCanvas();
    if (!Transparent()) {
        canvas.Draw(0, 0, dial);
        return;
    }
    // The dial's own colour lets the captured background through.
    canvas.brush.color = Color();
    canvas.brush.style = toolkit::BrushStyle::Clear;
    canvas.BrushCopy({0, 0, width(), height()}, dial, BitmapRect(dial), Color());
}

void TInstAngularMeter::DrawNeedle()
{
    const AngularMeterGeometry g = Geometry();
    const MeterNeedle needle = g.Needle(position_, needleLength_, needleBaseWidth_);
    toolkit::Canvas& canvas = DrawCanvas();
    canvas.pen.width = 1;
    canvas.pen.color = needleColor_;
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = needleColor_;
    DrawClippedPolygon(canvas, {{needle.tip.x, needle.tip.y},
                                {needle.left.x, needle.left.y},
                                {needle.right.x, needle.right.y}});
    const auto disc = [&](long long radius) {
        const long long r = std::clamp(radius, -DrawLimit(), DrawLimit());
        canvas.Ellipse(CircleCoordinate(g.CenterX() - r), CircleCoordinate(g.CenterY() - r),
                       CircleCoordinate(g.CenterX() + r), CircleCoordinate(g.CenterY() + r));
    };
    disc(needleBaseWidth_);
    canvas.pen.color = centerDotColor_;
    canvas.brush.color = centerDotColor_;
    disc(centerDotWidth_);
}
