#pragma once
// TInstTrackBar: a bitmap thumb sliding along a bevelled gutter selects an
// integer Position in MinValue..MaxValue. It is driven by dragging the
// thumb, by a click in the track (the thumb jumps there), and, when it has
// the focus, by the arrow keys (Frequency a press), Home (MaxValue) and End
// (MinValue). OnChange follows every change of Position.

#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_thumb_control.h"

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

class TInstTrackBar : public TInstThumbControl {
    Q_OBJECT
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
    Q_PROPERTY(int BackImageIndex READ BackImageIndex WRITE setBackImageIndex)

public:
    explicit TInstTrackBar(QWidget* parent = nullptr);

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
    int BackImageIndex() const { return backImageIndex_; }
    void setBackImageIndex(int index);

protected:
    ThumbBehaviour Behaviour() const override;
    long long TrackMargin() const override { return borderWidth_; }
    TInstProgressStyle TrackStyle() const override { return style_; }
    QImage BuiltInThumb() const override;
    void PaintStatic() override;
    void PaintDynamic() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DrawBackground();
    void DrawTicks();
    void DrawTickRow(long long line, int direction);
    void DrawGutter();
    void DrawFocusFrame();

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
    int backImageIndex_ = -1;
};
