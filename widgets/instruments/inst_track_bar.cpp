#include "widgets/instruments/inst_track_bar.h"

#include "widgets/instruments/inst_drawing.h"
#include "widgets/instruments/inst_resources.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr QSize kDefaultSize(175, 45);
constexpr int kLongTick = 4;
constexpr int kShortTick = 3;

// Thumb images in the thumb bitmap.
enum ThumbState { kNormal = 0, kDisabled = 1, kDragged = 2, kHovered = 3 };

}  // namespace

TInstTrackBar::TInstTrackBar(QWidget* parent)
    : TInstCustomImageControl(parent)
{
    resize(kDefaultSize);
    setParentColor(true);
    setMouseTracking(true);
    gutterBevel_.setInnerStyle(TInstBevelStyle::bsNone);
    gutterBevel_.setInnerSpace(0);
    gutterBevel_.setInnerOutline(TInstBevelOutlineStyle::osNone);
    gutterBevel_.setOuterStyle(TInstBevelStyle::bsLowered);
    gutterBevel_.setOuterSpace(0);
    gutterBevel_.setOuterOutline(TInstBevelOutlineStyle::osNone);
    connect(&gutterBevel_, &TInstPersistent::OnChange, this, &TInstTrackBar::ChangeLayout);
    link_.OnChange = [this](TInstSharedComponent*) {
        LoadThumb();
        ChangeLayout();
    };
    LoadThumb();
}

TrackBarGeometry TInstTrackBar::Geometry() const
{
    return TrackBarGeometry({size(), borderWidth_, thumbSize_, minValue_, maxValue_, orientation_, style_});
}

void TInstTrackBar::ChangeLayout()
{
    InvalidateLayer();
    UpdateControl();
}

void TInstTrackBar::LoadThumb()
{
    thumb_ = BitmapList() ? BitmapList()->GetBitmap(thumbImageIndex_) : QImage();
    if (thumb_.isNull() || thumb_.width() == 0 || thumb_.height() == 0)
        thumb_ = InstResourceBitmap(orientation_ == TInstOrientation::voHorizontal ? QStringLiteral("INSTTB_HORI")
                                                                                  : QStringLiteral("INSTTB_VERT"));
    thumbSize_ = QSize(thumb_.width() / thumbStates_, thumb_.height());
}

void TInstTrackBar::setMinValue(int value)
{
    if (!StoreIfChanged(minValue_, value))
        return;
    if (position_ < minValue_)
        SetPositionClamped(minValue_);
    ChangeLayout();
}

void TInstTrackBar::setMaxValue(int value)
{
    if (!StoreIfChanged(maxValue_, value))
        return;
    if (position_ > maxValue_)
        SetPositionClamped(maxValue_);
    ChangeLayout();
}

void TInstTrackBar::setPosition(int value)
{
    SetPositionClamped(value);
}

void TInstTrackBar::SetPositionClamped(long long value)
{
    const auto clamped = static_cast<int>(std::min<long long>(std::max<long long>(value, minValue_), maxValue_));
    if (!StoreIfChanged(position_, clamped))
        return;
    UpdateControl();
    emit OnChange();
}

void TInstTrackBar::setOrientation(TInstOrientation orientation)
{
    if (!StoreIfChanged(orientation_, orientation))
        return;
    resize(height(), width());
    LoadThumb();
    ChangeLayout();
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

void TInstTrackBar::setThumbStates(int states)
{
    if (!TInstNumGlyphs.Contains(states) || !StoreIfChanged(thumbStates_, states))
        return;
    LoadThumb();
    ChangeLayout();
}

void TInstTrackBar::setBackImageIndex(int index)
{
    if (StoreIfChanged(backImageIndex_, index))
        ChangeLayout();
}

void TInstTrackBar::setThumbImageIndex(int index)
{
    if (!StoreIfChanged(thumbImageIndex_, index))
        return;
    LoadThumb();
    ChangeLayout();
}

TInstBitmapList* TInstTrackBar::BitmapList() const
{
    return static_cast<TInstBitmapList*>(link_.Sender());
}

void TInstTrackBar::setBitmapList(TInstBitmapList* list)
{
    if (list == BitmapList())
        return;
    if (BitmapList())
        BitmapList()->RemoveLink(&link_);
    if (list)
        list->InsertLink(&link_);
    LoadThumb();
    ChangeLayout();
}

QRect TInstTrackBar::ThumbRect() const
{
    const TrackBarGeometry g = Geometry();
    const int along = ClampCoordinate(g.ThumbPlace(position_));
    const int across = ClampCoordinate(g.ThumbAcross());
    return g.Horizontal() ? QRect(QPoint(along, across), thumbSize_) : QRect(QPoint(across, along), thumbSize_);
}

long long TInstTrackBar::Along(QPoint p) const
{
    return orientation_ == TInstOrientation::voHorizontal ? p.x() : p.y();
}

void TInstTrackBar::MoveThumbTo(long long place)
{
    const std::optional<long long> value =
        Geometry().ValueAt(place, options_.testFlag(TInstTrackBarOption::toFixedPoints) ? frequency_ : 0);
    if (value)
        SetPositionClamped(*value);
}

QPoint TInstTrackBar::Confined(QPoint local)
{
    if (!cursorClipped_)
        return local;
    const QPoint inside(std::clamp(local.x(), 0, width() - 1), std::clamp(local.y(), 0, height() - 1));
    if (inside != local)
        QCursor::setPos(mapToGlobal(inside));
    return inside;
}

void TInstTrackBar::mousePressEvent(QMouseEvent* event)
{
    TInstCustomImageControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (TabStop())
        setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    const QRect thumb = ThumbRect();
    if (thumb.contains(p)) {
        dragging_ = true;
        grabOffset_ = Along(p) - Along(thumb.topLeft());
        cursorClipped_ = options_.testFlag(TInstTrackBarOption::toMouseClip);
        UpdateControl();
    } else if (options_.testFlag(TInstTrackBarOption::toActiveClick)) {
        const long long half = Along(QPoint(thumbSize_.width(), thumbSize_.height())) / 2;
        MoveThumbTo(Along(p) - half);
    }
}

void TInstTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = Confined(event->position().toPoint());
    if (dragging_)
        MoveThumbTo(Along(p) - grabOffset_);
    else
        SetHovering(ThumbRect().contains(p));
    TInstCustomImageControl::mouseMoveEvent(event);
}

void TInstTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    EndDrag();
    TInstCustomImageControl::mouseReleaseEvent(event);
}

void TInstTrackBar::SetHovering(bool on)
{
    if (on && options_.testFlag(TInstTrackBarOption::toHandPoint))
        setCursor(ScreenCursor(crInstHandPoint));
    else
        unsetCursor();
    if (StoreIfChanged(hovering_, on))
        UpdateControl();
}

void TInstTrackBar::EndDrag()
{
    cursorClipped_ = false;
    if (StoreIfChanged(dragging_, false))
        UpdateControl();
}

void TInstTrackBar::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    const bool horizontal = orientation_ == TInstOrientation::voHorizontal;
    const int sign = style_ == TInstProgressStyle::psTopRight ? -1 : 1;
    long long step = 0;
    switch (plain ? event->key() : Qt::Key_unknown) {
    case Qt::Key_Home:
        setPosition(maxValue_);
        break;
    case Qt::Key_End:
        setPosition(minValue_);
        break;
    case Qt::Key_Left:
        step = horizontal ? -sign : 0;
        break;
    case Qt::Key_Right:
        step = horizontal ? sign : 0;
        break;
    case Qt::Key_Up:
        step = horizontal ? 0 : sign;
        break;
    case Qt::Key_Down:
        step = horizontal ? 0 : -sign;
        break;
    default:
        break;
    }
    if (step != 0)
        SetPositionClamped(position_ + step * frequency_);
    TInstCustomImageControl::keyPressEvent(event);
}

void TInstTrackBar::focusInEvent(QFocusEvent* event)
{
    ChangeLayout();
    TInstCustomImageControl::focusInEvent(event);
}

void TInstTrackBar::focusOutEvent(QFocusEvent* event)
{
    ChangeLayout();
    TInstCustomImageControl::focusOutEvent(event);
}

void TInstTrackBar::hideEvent(QHideEvent* event)
{
    EndDrag();
    TInstCustomImageControl::hideEvent(event);
}

void TInstTrackBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            EndDrag();
        UpdateControl();
    }
    TInstCustomImageControl::changeEvent(event);
}

bool TInstTrackBar::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate)
        EndDrag();
    return TInstCustomImageControl::event(event);
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
    const bool horizontal = orientation_ == TInstOrientation::voHorizontal;
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
    const bool horizontal = orientation_ == TInstOrientation::voHorizontal;
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
    if (orientation_ == TInstOrientation::voHorizontal) {
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

void TInstTrackBar::DrawThumb()
{
    int state = kNormal;
    if (!isEnabled())
        state = kDisabled;
    else if (dragging_)
        state = kDragged;
    else if (hovering_)
        state = kHovered;
    if (state >= thumbStates_)
        state = kNormal;
    const QRect place = ThumbRect();
    const toolkit::TRect source{state * thumbSize_.width(), 0, (state + 1) * thumbSize_.width(), thumbSize_.height()};
    const toolkit::TRect dest{place.left(), place.top(), place.left() + place.width(), place.top() + place.height()};
    toolkit::Canvas& canvas = BufferCanvas();
    if (options_.testFlag(TInstTrackBarOption::toThumbOpaque))
        canvas.BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), thumb_, source.Left, source.Top);
    else
        DrawBitmap(canvas, dest, thumb_, source, true, TransparentColor(thumb_));
}
