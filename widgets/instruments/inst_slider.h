#pragma once
// TInstSlider: a slider in the look of a segmented level bar. A bevelled
// channel filled with thin coloured segments, in which a bitmap thumb
// slides; the channel from the minimum end to the thumb's middle shows the
// palette's High colour, the rest its Low colour. It selects an integer
// Position in MinValue..MaxValue by dragging the thumb, by a click in the
// channel (with soActiveClick) and, when it has the focus, by the arrow
// keys (KeyIncrement a press), Home (MinValue) and End (MaxValue).
// OnChange follows every change of Position.
//
// The two channel images, all Low and all High, are drawn once and kept
// until a setting they show changes; a paint copies the Low image, the High
// image's part up to the thumb, and the thumb.

#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_slider_geometry.h"
#include "widgets/instruments/inst_thumb_control.h"

enum class TInstSliderOption {
    soActiveClick = 0x1,  // a click in the channel moves the thumb there
    soMouseClip = 0x2,    // the pointer stays inside the control while dragging
    soHandPoint = 0x4,    // the hand cursor over the thumb
    soThumbOpaque = 0x8,  // the thumb's transparent colour is drawn too
};
Q_DECLARE_FLAGS(TInstSliderOptions, TInstSliderOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TInstSliderOptions)

class TInstSlider : public TInstThumbControl {
    Q_OBJECT
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int TickWidth READ TickWidth WRITE setTickWidth)
    Q_PROPERTY(bool SolidFill READ SolidFill WRITE setSolidFill)
    Q_PROPERTY(TInstSliderStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(TInstSliderOptions Options READ Options WRITE setOptions)
    Q_PROPERTY(int KeyIncrement READ KeyIncrement WRITE setKeyIncrement)
    Q_PROPERTY(toolkit::TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(toolkit::TColor FocusColor READ FocusColor WRITE setFocusColor)
    Q_PROPERTY(TInstBevel* Bevel READ Bevel)
    Q_PROPERTY(TInstPalette* Palette READ Palette)
    Q_PROPERTY(int ThumbIndent READ ThumbIndent WRITE setThumbIndent)

public:
    // 36 x 171, vertical, black, not a tab stop.
    explicit TInstSlider(QWidget* parent = nullptr);

    // Gap between segments in pixels; negative values are ignored.
    int Spacing() const { return spacing_; }
    void setSpacing(int pixels);
    // Thickness of a segment in pixels; values below 1 are ignored.
    int TickWidth() const { return tickWidth_; }
    void setTickWidth(int pixels);
    // Off: segments checkered with Color.
    bool SolidFill() const { return solidFill_; }
    void setSolidFill(bool on);
    TInstSliderStyle Style() const { return style_; }
    void setStyle(TInstSliderStyle style);
    TInstSliderOptions Options() const { return options_; }
    void setOptions(TInstSliderOptions options);
    int KeyIncrement() const { return keyIncrement_; }
    void setKeyIncrement(int step) { keyIncrement_ = step; }
    // The flat frame's colour while the slider has no focus.
    toolkit::TColor BorderColor() const { return borderColor_; }
    void setBorderColor(toolkit::TColor color);
    // The flat frame's width; negative values are ignored.
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);
    // The flat frame's colour while the slider has the focus.
    toolkit::TColor FocusColor() const { return focusColor_; }
    void setFocusColor(toolkit::TColor color);
    TInstBevel* Bevel() { return &bevel_; }
    // Copies the given bevel.
    void setBevel(const TInstBevel& bevel) { bevel_.Assign(bevel); }
    // Low colours the channel beyond the thumb, High up to it.
    TInstPalette* Palette() { return &palette_; }
    // Copies the given palette.
    void setPalette(const TInstPalette& palette) { palette_.Assign(palette); }
    using QWidget::setPalette;
    // Margin the thumb keeps from the frame at both ends; negative values are ignored.
    int ThumbIndent() const { return thumbIndent_; }
    void setThumbIndent(int pixels);

    // Inside the frame and the bevel: where the channel images are drawn.
    toolkit::TRect ChannelRect() const;
    // The channel images, brought up to date: segments in Low, and in High.
    const QImage& LowImage();
    const QImage& HighImage();

protected:
    ThumbBehaviour Behaviour() const override;
    long long TrackMargin() const override;
    TInstProgressStyle TrackStyle() const override;
    QImage BuiltInThumb() const override;
    // A square control keeps its size, so the images are redrawn here.
    void OrientationChanged() override { ChangeImages(); }
    void PaintStatic() override;
    void PaintDynamic() override;
    void ColorChanged() override { ChangeImages(); }
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Stores a changed value and redraws the channel images.
    template <class T>
    void SetImageProperty(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            ChangeImages();
    }
    // The channel images are out of date: drawn again before the next paint.
    void ChangeImages();
    void RebuildImages();
    void FillSegments(QImage& image, toolkit::TColor colour) const;

    void DrawFrame(toolkit::Canvas& canvas, toolkit::TRect& rect) const;
    void DrawChannel();
    void DrawHighPart();

    int spacing_ = 1;
    int tickWidth_ = 1;
    bool solidFill_ = true;
    TInstSliderStyle style_ = TInstSliderStyle::ssBottomLeft;
    TInstSliderOptions options_ = TInstSliderOption::soHandPoint | TInstSliderOption::soThumbOpaque;
    int keyIncrement_ = 5;
    toolkit::TColor borderColor_ = toolkit::clBtnFace;
    int borderWidth_ = 1;
    toolkit::TColor focusColor_ = toolkit::clBlue;
    TInstBevel bevel_;
    TInstPalette palette_;
    int thumbIndent_ = 2;

    QImage low_;
    QImage high_;
    bool imagesValid_ = false;
};
