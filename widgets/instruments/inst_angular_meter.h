#pragma once
// TInstAngularMeter: a round needle gauge. A circular scale with ticks and
// numbers, a ring of up to three coloured zones behind the ticks, a caption
// of several lines under the centre ("|" starts a new line) and a tapered
// needle with a hub and a centre dot.
//
// Everything but the needle is drawn once into the dial bitmap, which is
// redrawn only after a change of what it shows; a change of Position only
// draws the needle again over it.
//
// Angles are degrees, 0 up, clockwise; the scale starts at Angle + 180 and
// sweeps AngleOffset degrees, so the defaults leave an 80-degree gap at the
// bottom. Lengths and widths are pixels.

#include "widgets/instruments/inst_controls.h"
#include "widgets/instruments/inst_meter_geometry.h"

#include <QFont>
#include <QImage>
#include <QString>

// What a refused MinValue or MaxValue reports.
inline constexpr char kInstValueOutOfRange[] = "Value out of range.";

class TInstAngularMeter : public TInstGraphicImageControl {
    Q_OBJECT
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double Position READ Position WRITE setPosition NOTIFY OnChange)
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(int Angle READ Angle WRITE setAngle)
    Q_PROPERTY(int AngleOffset READ AngleOffset WRITE setAngleOffset)
    Q_PROPERTY(int Radius READ Radius WRITE setRadius)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int Ticks READ Ticks WRITE setTicks)
    Q_PROPERTY(int TicksMin READ TicksMin WRITE setTicksMin)
    Q_PROPERTY(int TicksMax READ TicksMax WRITE setTicksMax)
    Q_PROPERTY(int TicksEnlarge READ TicksEnlarge WRITE setTicksEnlarge)
    Q_PROPERTY(toolkit::TColor TicksColor READ TicksColor WRITE setTicksColor)
    Q_PROPERTY(toolkit::TColor ColorZone1 READ ColorZone1 WRITE setColorZone1)
    Q_PROPERTY(toolkit::TColor ColorZone2 READ ColorZone2 WRITE setColorZone2)
    Q_PROPERTY(toolkit::TColor ColorZone3 READ ColorZone3 WRITE setColorZone3)
    Q_PROPERTY(int Percent1 READ Percent1 WRITE setPercent1)
    Q_PROPERTY(int Percent2 READ Percent2 WRITE setPercent2)
    Q_PROPERTY(int Labels READ Labels WRITE setLabels)
    Q_PROPERTY(int LabelsOffset READ LabelsOffset WRITE setLabelsOffset)
    Q_PROPERTY(QFont LabelsFont READ LabelsFont WRITE setLabelsFont)
    Q_PROPERTY(toolkit::TColor LabelsFontColor READ LabelsFontColor WRITE setLabelsFontColor)
    Q_PROPERTY(int NeedleLength READ NeedleLength WRITE setNeedleLength)
    Q_PROPERTY(int NeedleBaseWidth READ NeedleBaseWidth WRITE setNeedleBaseWidth)
    Q_PROPERTY(toolkit::TColor NeedleColor READ NeedleColor WRITE setNeedleColor)
    Q_PROPERTY(toolkit::TColor CenterDotColor READ CenterDotColor WRITE setCenterDotColor)
    Q_PROPERTY(int CenterDotWidth READ CenterDotWidth WRITE setCenterDotWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(toolkit::TColor FontColor READ FontColor WRITE setFontColor)

public:
    explicit TInstAngularMeter(QWidget* parent = nullptr);

    // The value at the start of the scale. A value above MaxValue, or one
    // that is not finite, is refused: the general error handler reports
    // "Value out of range." and the bound stays. Position is pulled up to
    // the new minimum without OnChange.
    double MinValue() const { return minValue_; }
    void setMinValue(double value);
    // The value at the end of the scale; refused below MinValue or when not
    // finite, as MinValue. Position is pulled down without OnChange.
    double MaxValue() const { return maxValue_; }
    void setMaxValue(double value);
    // The value under the needle, clamped to MinValue..MaxValue; a value that
    // is not a number is ignored. OnChange follows a real change.
    double Position() const { return position_; }
    void setPosition(double value);

    // Digits after the decimal separator in the numbers; negative values are
    // ignored, and more than 14 show as 14.
    int Decimals() const { return decimals_; }
    void setDecimals(int decimals);
    int Angle() const { return angle_; }
    void setAngle(int degrees);
    // 0..360; other values are ignored.
    int AngleOffset() const { return angleOffset_; }
    void setAngleOffset(int degrees);
    // Negative: the dial fills the control; else its centre is (Radius, Radius).
    int Radius() const { return radius_; }
    void setRadius(int pixels);
    // From the dial's outer bound in to the tick circle.
    int Spacing() const { return spacing_; }
    void setSpacing(int pixels);
    // Tick intervals (Ticks + 1 ticks); negative values are ignored.
    int Ticks() const { return ticks_; }
    void setTicks(int ticks);
    int TicksMin() const { return ticksMin_; }
    void setTicksMin(int pixels);
    // The long ticks' length, also the width of the zone ring.
    int TicksMax() const { return ticksMax_; }
    void setTicksMax(int pixels);
    // Every TicksEnlarge-th tick is long, from the first; 0 makes all short;
    // negative values are ignored.
    int TicksEnlarge() const { return ticksEnlarge_; }
    void setTicksEnlarge(int every);
    toolkit::TColor TicksColor() const { return ticksColor_; }
    void setTicksColor(toolkit::TColor color);
    // Zone colours by number 1..3; a setter redraws the dial even when the
    // colour is the same, and ignores any other number.
    toolkit::TColor ColorZone(int index) const;
    void setColorZone(int index, toolkit::TColor color);
    toolkit::TColor ColorZone1() const { return ColorZone(1); }
    void setColorZone1(toolkit::TColor color) { setColorZone(1, color); }
    toolkit::TColor ColorZone2() const { return ColorZone(2); }
    void setColorZone2(toolkit::TColor color) { setColorZone(2, color); }
    toolkit::TColor ColorZone3() const { return ColorZone(3); }
    void setColorZone3(toolkit::TColor color) { setColorZone(3, color); }
    // Shares of the sweep for zones 1 and 2, percent, 0..100 (other values
    // are ignored); a share that would take the sum past 100 is cut to what
    // the other leaves. Zone 3 takes the rest.
    int Percent1() const { return percent1_; }
    void setPercent1(int percent);
    int Percent2() const { return percent2_; }
    void setPercent2(int percent);
    // Label intervals (Labels + 1 numbers); 0 or less: no numbers.
    int Labels() const { return labels_; }
    void setLabels(int labels);
    // How far outside the tick circle the numbers stand.
    int LabelsOffset() const { return labelsOffset_; }
    void setLabelsOffset(int pixels);
    const QFont& LabelsFont() const { return labelsFont_; }
    void setLabelsFont(const QFont& font);
    toolkit::TColor LabelsFontColor() const { return labelsFontColor_; }
    void setLabelsFontColor(toolkit::TColor color);
    // Negative: as long as the tick circle's radius.
    int NeedleLength() const { return needleLength_; }
    void setNeedleLength(int pixels);
    // Width of the needle's base, radius of its hub, and the caption's
    // distance below the middle.
    int NeedleBaseWidth() const { return needleBaseWidth_; }
    void setNeedleBaseWidth(int pixels);
    toolkit::TColor NeedleColor() const { return needleColor_; }
    void setNeedleColor(toolkit::TColor color);
    toolkit::TColor CenterDotColor() const { return centerDotColor_; }
    void setCenterDotColor(toolkit::TColor color);
    // Radius of the centre dot.
    int CenterDotWidth() const { return centerDotWidth_; }
    void setCenterDotWidth(int pixels);
    // Lines separated by "|", centred under the middle in the widget's font.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    toolkit::TColor FontColor() const { return fontColor_; }
    void setFontColor(toolkit::TColor color);

    AngularMeterGeometry Geometry() const;
    // The number a label shows for a value: Decimals digits (at most 14)
    // after the locale's decimal separator.
    QString LabelText(double value) const;
    // The dial as it is drawn under the needle, brought up to date.
    const QImage& DialBitmap();

signals:
    void OnChange();

protected:
    void PaintStatic() override;
    void PaintDynamic() override;
    void ColorChanged() override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The dial is out of date: drawn again before the next paint.
    void ChangeDial();
    void RebuildDial();
    // A refused bound: the general error handler says so.
    void ReportOutOfRange();
    // Stores a changed value and redraws the dial.
    template <class T>
    void SetDialProperty(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            ChangeDial();
    }
    // Stores a changed value and draws the needle again.
    template <class T>
    void SetNeedleProperty(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            UpdateControl();
    }
    // Pen widths and radii beyond this many pixels draw like this many.
    long long DrawLimit() const;

    void DrawZones(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const;
    void DrawTicks(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const;
    void DrawLabels(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const;
    void DrawCaption(toolkit::Canvas& canvas, const AngularMeterGeometry& g) const;
    void DrawDial();
    void DrawNeedle();

    double minValue_ = 0;
    double maxValue_ = 100;
    double position_ = 0;
    int decimals_ = 2;
    int angle_ = 40;
    int angleOffset_ = 280;
    int radius_ = -1;
    int spacing_ = 45;
    int ticks_ = 100;
    int ticksMin_ = 5;
    int ticksMax_ = 14;
    int ticksEnlarge_ = 10;
    toolkit::TColor ticksColor_ = toolkit::clWhite;
    toolkit::TColor zoneColors_[3] = {toolkit::clGreen, toolkit::clBlue, toolkit::clRed};
    int percent1_ = 60;
    int percent2_ = 25;
    int labels_ = 10;
    int labelsOffset_ = 30;
    QFont labelsFont_;
    toolkit::TColor labelsFontColor_ = toolkit::clWhite;
    int needleLength_ = -1;
    int needleBaseWidth_ = 8;
    toolkit::TColor needleColor_ = toolkit::clRed;
    toolkit::TColor centerDotColor_ = toolkit::clWhite;
    int centerDotWidth_ = 2;
    QString caption_;
    toolkit::TColor fontColor_ = toolkit::clWhite;

    QImage dial_;
    bool dialValid_ = false;
};
