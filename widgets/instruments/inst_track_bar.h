#pragma once
// TInstTrackBar: a bitmap thumb sliding along a bevelled gutter selects an
// integer Position in MinValue..MaxValue. It is driven by dragging the
// thumb, by a click in the track (the thumb jumps there), and, when it has
// the focus, by the arrow keys (Frequency a press), Home (MaxValue) and End
// (MinValue). OnChange follows every change of Position.

#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_controls.h"
#include "widgets/instruments/inst_system.h"
#include "widgets/instruments/inst_track_geometry.h"

enum class TInstTrackBarOption {
    toActiveClick = 0x1,  // a click in the track moves the thumb there
    toMouseClip = 0x2,    // the pointer stays inside the control while dragging
    toHandPoint = 0x4,    // the hand cursor over the thumb
    toFixedPoints = 0x8,  // the mouse snaps the value to multiples of Frequency
    toThumbOpaque = 0x10, // the thumb's transparent colour is drawn too
};
Q_DECLARE_FLAGS(TInstTrackBarOptions, TInstTrackBarOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TInstTrackBarOptions)

enum class TInstTickMarks { tmNone, tmBoth, tmBottomRight, tmTopLeft };

class TInstTrackBar : public TInstCustomImageControl {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Position READ Position WRITE setPosition NOTIFY OnChange)
    Q_PROPERTY(TInstOrientation Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(TInstProgressStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(TInstTrackBarOptions Options READ Options WRITE setOptions)
    Q_PROPERTY(int Frequency READ Frequency WRITE setFrequency)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(TInstBevel* GutterBevel READ GutterBevel)
    Q_PROPERTY(int GutterWidth READ GutterWidth WRITE setGutterWidth)
    Q_PROPERTY(toolkit::TColor GutterColor READ GutterColor WRITE setGutterColor)
    Q_PROPERTY(TInstTickMarks TickMarks READ TickMarks WRITE setTickMarks)
    Q_PROPERTY(toolkit::TColor TickColor READ TickColor WRITE setTickColor)
    Q_PROPERTY(int ScaleOffset READ ScaleOffset WRITE setScaleOffset)
    Q_PROPERTY(toolkit::TColor FocusColor READ FocusColor WRITE setFocusColor)
    Q_PROPERTY(int FocusOffset READ FocusOffset WRITE setFocusOffset)
    Q_PROPERTY(int ThumbStates READ ThumbStates WRITE setThumbStates)
    Q_PROPERTY(int BackImageIndex READ BackImageIndex WRITE setBackImageIndex)
    Q_PROPERTY(int ThumbImageIndex READ ThumbImageIndex WRITE setThumbImageIndex)
    Q_PROPERTY(TInstBitmapList* BitmapList READ BitmapList WRITE setBitmapList)

public:
    explicit TInstTrackBar(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    // Pulls Position up to the new minimum when it lies below.
    void setMinValue(int value);
    int MaxValue() const { return maxValue_; }
    // Pulls Position down to the new maximum when it lies above.
    void setMaxValue(int value);
    int Position() const { return position_; }
    // Clamped to MinValue..MaxValue; OnChange when the position changes.
    void setPosition(int value);
    TInstOrientation Orientation() const { return orientation_; }
    // Swaps the control's width and height.
    void setOrientation(TInstOrientation orientation);
    TInstProgressStyle Style() const { return style_; }
    void setStyle(TInstProgressStyle style);
    TInstTrackBarOptions Options() const { return options_; }
    void setOptions(TInstTrackBarOptions options);
    int Frequency() const { return frequency_; }
    void setFrequency(int frequency);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    TInstBevel* GutterBevel() { return &gutterBevel_; }
    // Copies the given bevel.
    void setGutterBevel(const TInstBevel& bevel) { gutterBevel_.Assign(bevel); }
    int GutterWidth() const { return gutterWidth_; }
    void setGutterWidth(int width);
    toolkit::TColor GutterColor() const { return gutterColor_; }
    void setGutterColor(toolkit::TColor color);
    TInstTickMarks TickMarks() const { return tickMarks_; }
    void setTickMarks(TInstTickMarks marks);
    toolkit::TColor TickColor() const { return tickColor_; }
    void setTickColor(toolkit::TColor color);
    int ScaleOffset() const { return scaleOffset_; }
    void setScaleOffset(int offset);
    toolkit::TColor FocusColor() const { return focusColor_; }
    void setFocusColor(toolkit::TColor color);
    // Inset of the focus frame; negative: no frame.
    int FocusOffset() const { return focusOffset_; }
    void setFocusOffset(int offset);
    // Thumb images side by side in the thumb bitmap: normal, disabled,
    // dragged, under the pointer. Values outside 1..4 are ignored.
    int ThumbStates() const { return thumbStates_; }
    void setThumbStates(int states);
    int BackImageIndex() const { return backImageIndex_; }
    void setBackImageIndex(int index);
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
    void PaintStatic() override;
    void PaintDynamic() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    TrackBarGeometry Geometry() const;
    void LoadThumb();
    void ChangeLayout();
    // The position for a value beyond int: raised to MinValue, then lowered to MaxValue.
    void SetPositionClamped(long long value);
    // The thumb moved to the requested place along the track.
    void MoveThumbTo(long long place);
    long long Along(QPoint p) const;
    // The pointer kept inside the control while the cursor is confined.
    QPoint Confined(QPoint local);
    void EndDrag();
    void SetHovering(bool on);

    void DrawBackground();
    void DrawTicks();
    void DrawTickRow(long long line, int direction);
    void DrawGutter();
    void DrawFocusFrame();
    void DrawThumb();

    int minValue_ = 0;
    int maxValue_ = 100;
    int position_ = 0;
    TInstOrientation orientation_ = TInstOrientation::voHorizontal;
    TInstProgressStyle style_ = TInstProgressStyle::psBottomLeft;
    TInstTrackBarOptions options_ = TInstTrackBarOption::toActiveClick | TInstTrackBarOption::toMouseClip
                                    | TInstTrackBarOption::toHandPoint | TInstTrackBarOption::toThumbOpaque;
    int frequency_ = 10;
    int borderWidth_ = 10;
    TInstBevel gutterBevel_;
    int gutterWidth_ = 9;
    toolkit::TColor gutterColor_ = toolkit::clBlack;
    TInstTickMarks tickMarks_ = TInstTickMarks::tmBoth;
    toolkit::TColor tickColor_ = toolkit::clBlack;
    int scaleOffset_ = 5;
    toolkit::TColor focusColor_ = toolkit::clBlack;
    int focusOffset_ = 0;
    int thumbStates_ = 1;
    int backImageIndex_ = -1;
    int thumbImageIndex_ = -1;
    TInstChangeLink link_;

    QImage thumb_;
    QSize thumbSize_;
    long long grabOffset_ = 0;
    bool dragging_ = false;
    bool hovering_ = false;
    bool cursorClipped_ = false;
};
