#include "widgets/instruments/inst_thumb_control.h"

#include "widgets/instruments/inst_drawing.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

// Thumb images in the thumb bitmap.
enum ThumbState { kNormal = 0, kDisabled = 1, kDragged = 2, kHovered = 3 };

}  // namespace

TInstThumbControl::TInstThumbControl(TInstOrientation orientation, QWidget* parent)
    : TInstCustomImageControl(parent)
    , orientation_(orientation)
{
    setMouseTracking(true);
    link_.OnChange = [this](TInstSharedComponent*) {
        LoadThumb();
        ChangeLayout();
    };
}

TrackBarGeometry TInstThumbControl::Geometry() const
{
    return TrackBarGeometry({size(), TrackMargin(), thumbSize_, minValue_, maxValue_, orientation_, TrackStyle()});
}

void TInstThumbControl::ChangeLayout()
{
    InvalidateLayer();
    UpdateControl();
}

void TInstThumbControl::LoadThumb()
{
    thumb_ = BitmapList() ? BitmapList()->GetBitmap(thumbImageIndex_) : QImage();
    if (thumb_.isNull() || thumb_.width() == 0 || thumb_.height() == 0)
        thumb_ = BuiltInThumb();
    thumbSize_ = QSize(thumb_.width() / thumbStates_, thumb_.height());
}

void TInstThumbControl::setMinValue(int value)
{
    if (!StoreIfChanged(minValue_, value))
        return;
    if (position_ < minValue_)
        SetPositionClamped(minValue_);
    ChangeLayout();
}

void TInstThumbControl::setMaxValue(int value)
{
    if (!StoreIfChanged(maxValue_, value))
        return;
    if (position_ > maxValue_)
        SetPositionClamped(maxValue_);
    ChangeLayout();
}

void TInstThumbControl::setPosition(int value)
{
    SetPositionClamped(value);
}

void TInstThumbControl::SetPositionClamped(long long value)
{
    const auto clamped = static_cast<int>(std::min<long long>(std::max<long long>(value, minValue_), maxValue_));
    if (!StoreIfChanged(position_, clamped))
        return;
    UpdateControl();
    emit OnChange();
}

void TInstThumbControl::setOrientation(TInstOrientation orientation)
{
    if (!StoreIfChanged(orientation_, orientation))
        return;
    resize(height(), width());
    LoadThumb();
    OrientationChanged();
    ChangeLayout();
}

void TInstThumbControl::setThumbStates(int states)
{
    if (!TInstNumGlyphs.Contains(states) || !StoreIfChanged(thumbStates_, states))
        return;
    LoadThumb();
    ChangeLayout();
}

void TInstThumbControl::setThumbImageIndex(int index)
{
    if (!StoreIfChanged(thumbImageIndex_, index))
        return;
    LoadThumb();
    ChangeLayout();
}

TInstBitmapList* TInstThumbControl::BitmapList() const
{
    return static_cast<TInstBitmapList*>(link_.Sender());
}

void TInstThumbControl::setBitmapList(TInstBitmapList* list)
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

QRect TInstThumbControl::ThumbRect() const
{
    const TrackBarGeometry g = Geometry();
    const int along = ClampCoordinate(g.ThumbPlace(position_));
    const int across = ClampCoordinate(g.ThumbAcross());
    return g.Horizontal() ? QRect(QPoint(along, across), thumbSize_) : QRect(QPoint(across, along), thumbSize_);
}

long long TInstThumbControl::Along(QPoint p) const
{
    return orientation_ == TInstOrientation::voHorizontal ? p.x() : p.y();
}

void TInstThumbControl::MoveThumbTo(long long place)
{
    const std::optional<long long> value = Geometry().ValueAt(place, Behaviour().snap);
    if (value)
        SetPositionClamped(*value);
}

QPoint TInstThumbControl::Confined(QPoint local)
{
    if (!cursorClipped_)
        return local;
    const QPoint inside(std::clamp(local.x(), 0, width() - 1), std::clamp(local.y(), 0, height() - 1));
    if (inside != local)
        QCursor::setPos(mapToGlobal(inside));
    return inside;
}

void TInstThumbControl::mousePressEvent(QMouseEvent* event)
{
    TInstCustomImageControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (TabStop())
        setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    const QRect thumb = ThumbRect();
    const ThumbBehaviour behaviour = Behaviour();
    if (thumb.contains(p)) {
        dragging_ = true;
        grabOffset_ = Along(p) - Along(thumb.topLeft());
        cursorClipped_ = behaviour.mouseClip;
        UpdateControl();
    } else if (behaviour.activeClick) {
        const long long half = Along(QPoint(thumbSize_.width(), thumbSize_.height())) / 2;
        MoveThumbTo(Along(p) - half);
    }
}

void TInstThumbControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = Confined(event->position().toPoint());
    if (dragging_)
        MoveThumbTo(Along(p) - grabOffset_);
    else
        SetHovering(ThumbRect().contains(p));
    TInstCustomImageControl::mouseMoveEvent(event);
}

void TInstThumbControl::mouseReleaseEvent(QMouseEvent* event)
{
    EndDrag();
    TInstCustomImageControl::mouseReleaseEvent(event);
}

void TInstThumbControl::SetHovering(bool on)
{
    ShowHand(on && Behaviour().handPoint);
    if (StoreIfChanged(hovering_, on))
        UpdateControl();
}

void TInstThumbControl::ShowHand(bool on)
{
    if (!StoreIfChanged(handShown_, on))
        return;
    if (on) {
        ownerCursor_ = testAttribute(Qt::WA_SetCursor) ? std::optional<QCursor>(cursor()) : std::nullopt;
        setCursor(ScreenCursor(crInstHandPoint));
    } else if (ownerCursor_) {
        setCursor(*ownerCursor_);
    } else {
        unsetCursor();
    }
}

void TInstThumbControl::EndDrag()
{
    cursorClipped_ = false;
    if (StoreIfChanged(dragging_, false))
        UpdateControl();
}

void TInstThumbControl::MoveByKey(const QKeyEvent* event, long long home, long long end, long long step)
{
    if ((event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0)
        return;
    const bool horizontal = orientation_ == TInstOrientation::voHorizontal;
    const long long sign = TrackStyle() == TInstProgressStyle::psTopRight ? -1 : 1;
    long long direction = 0;
    switch (event->key()) {
    case Qt::Key_Home:
        SetPositionClamped(home);
        return;
    case Qt::Key_End:
        SetPositionClamped(end);
        return;
    case Qt::Key_Left:
        direction = horizontal ? -sign : 0;
        break;
    case Qt::Key_Right:
        direction = horizontal ? sign : 0;
        break;
    case Qt::Key_Up:
        direction = horizontal ? 0 : sign;
        break;
    case Qt::Key_Down:
        direction = horizontal ? 0 : -sign;
        break;
    default:
        return;
    }
    if (direction != 0)
        SetPositionClamped(position_ + direction * step);
}

void TInstThumbControl::focusInEvent(QFocusEvent* event)
{
    ChangeLayout();
    TInstCustomImageControl::focusInEvent(event);
}

void TInstThumbControl::focusOutEvent(QFocusEvent* event)
{
    ChangeLayout();
    TInstCustomImageControl::focusOutEvent(event);
}

void TInstThumbControl::hideEvent(QHideEvent* event)
{
    EndDrag();
    TInstCustomImageControl::hideEvent(event);
}

void TInstThumbControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            EndDrag();
        UpdateControl();
    }
    TInstCustomImageControl::changeEvent(event);
}

bool TInstThumbControl::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate)
        EndDrag();
    return TInstCustomImageControl::event(event);
}

void TInstThumbControl::DrawThumb()
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
    if (Behaviour().thumbOpaque)
        canvas.BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), thumb_, source.Left, source.Top);
    else
        DrawBitmap(canvas, dest, thumb_, source, true, TransparentColor(thumb_));
}
