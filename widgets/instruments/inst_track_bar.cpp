#include "widgets/instruments/inst_track_bar.h"

#include "widgets/instruments/inst_drawing.h"
#include "widgets/instruments/inst_resources.h"

#include <QKeyEvent>

namespace {

constexpr QSize kDefaultSize(175, 45);
constexpr int kLongTick = 4;
constexpr int kShortTick = 3;

}  // namespace

TInstTrackBar::TInstTrackBar(QWidget* parent)
    : TInstThumbControl(TInstOrientation::voHorizontal, parent)
{
    resize(kDefaultSize);
    setParentColor(true);
    gutterBevel_.setInnerStyle(TInstBevelStyle::bsNone);
    gutterBevel_.setInnerSpace(0);
    gutterBevel_.setInnerOutline(TInstBevelOutlineStyle::osNone);
    gutterBevel_.setOuterStyle(TInstBevelStyle::bsLowered);
    gutterBevel_.setOuterSpace(0);
    gutterBevel_.setOuterOutline(TInstBevelOutlineStyle::osNone);
    connect(&gutterBevel_, &TInstPersistent::OnChange, this, &TInstTrackBar::ChangeLayout);
    LoadThumb();
}

TInstThumbControl::ThumbBehaviour TInstTrackBar::Behaviour() const
{
    return {options_.testFlag(TInstTrackBarOption::toActiveClick), options_.testFlag(TInstTrackBarOption::toMouseClip),
            options_.testFlag(TInstTrackBarOption::toHandPoint), options_.testFlag(TInstTrackBarOption::toThumbOpaque),
            options_.testFlag(TInstTrackBarOption::toFixedPoints) ? frequency_ : 0};
}

QImage TInstTrackBar::BuiltInThumb() const
{
    return InstResourceBitmap(Orientation() == TInstOrientation::voHorizontal ? QStringLiteral("INSTTB_HORI")
                                                                             : QStringLiteral("INSTTB_VERT"));
}

void TInstTrackBar::setStyle(TInstProgressStyle style)
{
    if (StoreIfChanged(style_, style))
        ChangeLayout();
}

void TInstTrackBar::setOptions(TInstTrackBarOptions options)
{
    if (StoreIfChanged(options_, options))
        UpdateControl();
}

void TInstTrackBar::setFrequency(int frequency)
{
    if (StoreIfChanged(frequency_, frequency))
        ChangeLayout();
}

void TInstTrackBar::setBorderWidth(int width)
{
    if (StoreIfChanged(borderWidth_, width))
        ChangeLayout();
}

void TInstTrackBar::setGutterWidth(int width)
{
    if (StoreIfChanged(gutterWidth_, width))
        ChangeLayout();
}

void TInstTrackBar::setGutterColor(toolkit::TColor color)
{
    if (StoreIfChanged(gutterColor_, color))
        ChangeLayout();
}

void TInstTrackBar::setTickMarks(TInstTickMarks marks)
{
    if (StoreIfChanged(tickMarks_, marks))
        ChangeLayout();
}

void TInstTrackBar::setTickColor(toolkit::TColor color)
{
    if (StoreIfChanged(tickColor_, color))
        ChangeLayout();
}

void TInstTrackBar::setScaleOffset(int offset)
{
    if (StoreIfChanged(scaleOffset_, offset))
        ChangeLayout();
}

void TInstTrackBar::setFocusColor(toolkit::TColor color)
{
    if (StoreIfChanged(focusColor_, color))
        ChangeLayout();
}

void TInstTrackBar::setFocusOffset(int offset)
{
    if (StoreIfChanged(focusOffset_, offset))
        ChangeLayout();
}

void TInstTrackBar::setBackImageIndex(int index)
{
    if (StoreIfChanged(backImageIndex_, index))
        ChangeLayout();
}

void TInstTrackBar::keyPressEvent(QKeyEvent* event)
{
    MoveByKey(event, MaxValue(), MinValue(), frequency_);
    TInstThumbControl::keyPressEvent(event);
}

void TInstTrackBar::PaintStatic()
{
    DrawBackground();
    BufferCanvas().pen.color = tickColor_;
    DrawTicks();
    DrawGutter();
    DrawFocusFrame();
}

void TInstTrackBar::PaintDynamic()
{
    DrawThumb();
}

void TInstTrackBar::DrawBackground()
{
    if (!BitmapList())
        return;
    const QImage back = BitmapList()->GetBitmap(backImageIndex_);
    DrawBitmap(BufferCanvas(), {0, 0, width(), height()}, back, BitmapRect(back), false, Color());
}

void TInstTrackBar::DrawTicks()
{
    const bool horizontal = Orientation() == TInstOrientation::voHorizontal;
    const long long extent = horizontal ? height() : width();
    const long long gutterStart = (extent - gutterWidth_) / 2;
    const long long gutterEnd = gutterStart + gutterWidth_;
    if (tickMarks_ == TInstTickMarks::tmBoth || tickMarks_ == TInstTickMarks::tmTopLeft)
        DrawTickRow(gutterStart - scaleOffset_, -1);
    if (tickMarks_ == TInstTickMarks::tmBoth || tickMarks_ == TInstTickMarks::tmBottomRight)
        DrawTickRow(gutterEnd + scaleOffset_, 1);
}

void TInstTrackBar::DrawTickRow(long long line, int direction)
{
    toolkit::Canvas& canvas = BufferCanvas();
    canvas.pen.width = 1;
    const bool horizontal = Orientation() == TInstOrientation::voHorizontal;
    for (const TrackBarGeometry::Tick& tick : Geometry().Ticks(frequency_)) {
        const long long end = line + direction * (tick.isLong ? kLongTick : kShortTick);
        if (horizontal)
            DrawClippedLine(canvas, tick.place, line, tick.place, end);
        else
            DrawClippedLine(canvas, line, tick.place, end, tick.place);
    }
}

void TInstTrackBar::DrawGutter()
{
    if (!gutterBevel_.Visible())
        return;
    const long long w = width();
    const long long h = height();
    const long long b = borderWidth_;
    const long long g = gutterWidth_;
    toolkit::TRect rect;
    if (Orientation() == TInstOrientation::voHorizontal) {
        const long long top = (h - g) / 2;
        rect = {ClampCoordinate(b), ClampCoordinate(top), ClampCoordinate(w - b), ClampCoordinate(top + g)};
    } else {
        const long long left = (w - g) / 2;
        rect = {ClampCoordinate(left), ClampCoordinate(b), ClampCoordinate(left + g), ClampCoordinate(h - b)};
    }
    toolkit::Canvas& canvas = BufferCanvas();
    gutterBevel_.Draw(canvas, rect);
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = gutterColor_;
    canvas.FillRect(rect);
}

void TInstTrackBar::DrawFocusFrame()
{
    if (!hasFocus() || focusOffset_ < 0)
        return;
    toolkit::TRect rect = ShrunkRect({0, 0, width(), height()}, focusOffset_);
    DrawFrame3D(BufferCanvas(), rect, focusColor_, focusColor_, 1);
}
