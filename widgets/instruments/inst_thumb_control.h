#pragma once
// TInstThumbControl: what the track bar and the slider share. A bitmap
// thumb slides along a track and selects an integer Position in
// MinValue..MaxValue; it is dragged with the mouse, may jump to a click,
// and is moved with the arrow keys when the control has the focus.
//
// The thumb comes from a shared bitmap list, or is the control's built-in
// picture; its bitmap may hold up to four images side by side: normal,
// disabled, dragged, under the pointer. A drag ends on the release, on the
// loss of the mouse grab, and when the control is hidden or disabled or its
// window deactivated.

#include "widgets/instruments/inst_controls.h"
#include "widgets/instruments/inst_system.h"
#include "widgets/instruments/inst_track_geometry.h"

#include <QCursor>
#include <QImage>

#include <optional>

class TInstThumbControl : public TInstCustomImageControl {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Position READ Position WRITE setPosition NOTIFY OnChange)
    Q_PROPERTY(TInstOrientation Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(int ThumbStates READ ThumbStates WRITE setThumbStates)
    Q_PROPERTY(int ThumbImageIndex READ ThumbImageIndex WRITE setThumbImageIndex)
    Q_PROPERTY(TInstBitmapList* BitmapList READ BitmapList WRITE setBitmapList)

public:
    int MinValue() const { return minValue_; }
    // Pulls Position up to the new minimum when it lies below.
    void setMinValue(int value);
    int MaxValue() const { return maxValue_; }
    // Pulls Position down to the new maximum when it lies above.
    void setMaxValue(int value);
    int Position() const { return position_; }
    // Clamped to MinValue..MaxValue (raised to MinValue first, then lowered
    // to MaxValue, should they cross); OnChange when the position changes.
    void setPosition(int value);
    TInstOrientation Orientation() const { return orientation_; }
    // Swaps the control's width and height.
    void setOrientation(TInstOrientation orientation);
    // Thumb images side by side in the thumb bitmap; values outside 1..4 are ignored.
    int ThumbStates() const { return thumbStates_; }
    void setThumbStates(int states);
    int ThumbImageIndex() const { return thumbImageIndex_; }
    void setThumbImageIndex(int index);
    TInstBitmapList* BitmapList() const;
    void setBitmapList(TInstBitmapList* list);

    // Where the thumb is drawn now.
    QRect ThumbRect() const;
    bool Dragging() const { return dragging_; }
    bool Hovering() const { return hovering_; }
    bool CursorClipped() const { return cursorClipped_; }

signals:
    void OnChange();

protected:
    TInstThumbControl(TInstOrientation orientation, QWidget* parent);

    // What the options of the control switch on.
    struct ThumbBehaviour {
        bool activeClick;  // a click in the track moves the thumb there
        bool mouseClip;    // the pointer stays inside the control while dragging
        bool handPoint;    // the hand cursor over the thumb
        bool thumbOpaque;  // the thumb's transparent colour is drawn too
        long long snap;    // the mouse snaps the value to multiples of this; 0: no snapping
    };
    virtual ThumbBehaviour Behaviour() const = 0;
    // The margin between the client edge and the track.
    virtual long long TrackMargin() const = 0;
    virtual TInstProgressStyle TrackStyle() const = 0;
    // The built-in thumb for the orientation.
    virtual QImage BuiltInThumb() const = 0;
    // After the orientation changed and the thumb was reloaded.
    virtual void OrientationChanged() {}

    TrackBarGeometry Geometry() const;
    QSize ThumbSize() const { return thumbSize_; }
    // The cached layer is out of date: redrawn before the next paint.
    void ChangeLayout();
    void LoadThumb();
    // The position for a value beyond int: raised to MinValue, then lowered to MaxValue.
    void SetPositionClamped(long long value);
    // Home, End and the arrows without Shift, Ctrl or Alt: `home` and `end`
    // are the values they go to, `step` what an arrow adds, turned round
    // for the top/right style so that the thumb follows the arrow.
    void MoveByKey(const QKeyEvent* event, long long home, long long end, long long step);
    void DrawThumb();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The thumb moved to the requested place along the track.
    void MoveThumbTo(long long place);
    long long Along(QPoint p) const;
    // The pointer kept inside the control while the cursor is confined.
    QPoint Confined(QPoint local);
    void EndDrag();
    void SetHovering(bool on);
    // The hand over the thumb; the owner's cursor, or none, is put back after.
    void ShowHand(bool on);

    int minValue_ = 0;
    int maxValue_ = 100;
    int position_ = 0;
    TInstOrientation orientation_;
    int thumbStates_ = 1;
    int thumbImageIndex_ = -1;
    TInstChangeLink link_;

    QImage thumb_;
    QSize thumbSize_;
    long long grabOffset_ = 0;
    bool dragging_ = false;
    bool hovering_ = false;
    bool cursorClipped_ = false;
    bool handShown_ = false;
    std::optional<QCursor> ownerCursor_;  // what the hand stands in for
};
