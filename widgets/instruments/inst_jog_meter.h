#pragma once
// TInstJogMeter: a straight scale that slides under a fixed marker in the
// middle of the control, like the edge of a jog wheel seen from the side.
// Only Scale.Apperture units of the scale are visible, centred on
// Value.Value. The background is dark at both ends and bright in the middle.

#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_controls.h"

#include <QHash>
#include <QImage>

enum class TInstDirection { voVertical, voHorizontal };
// The side of the scale: voBefore the top (horizontal) or left (vertical)
// edge, voAfter the bottom or right edge.
enum class TInstPosition { voAfter, voBefore };
enum class TInstIndicatorShape { voLine, voBitmap, voTriangle };

class TInstJogMeterScale : public TInstPersistent {
    Q_OBJECT
    Q_PROPERTY(toolkit::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(QString FormatText READ FormatText WRITE setFormatText)
    Q_PROPERTY(double Apperture READ Apperture WRITE setApperture)
    Q_PROPERTY(TInstPosition Position READ Position WRITE setPosition)
    Q_PROPERTY(double Step READ Step WRITE setStep)
    Q_PROPERTY(double SmallStep READ SmallStep WRITE setSmallStep)
    Q_PROPERTY(int HeightMax READ HeightMax WRITE setHeightMax)
    Q_PROPERTY(int HeightMin READ HeightMin WRITE setHeightMin)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    explicit TInstJogMeterScale(QObject* parent = nullptr);

    // Ticks and the outline of the triangle marker.
    toolkit::TColor Color() const { return color_; }
    void setColor(toolkit::TColor v) { Set(color_, v); }
    // Digits after the decimal separator in the labels, used within 0..14.
    int Decimals() const { return decimals_; }
    void setDecimals(int v) { Set(decimals_, v); }
    // The label around the number, "%s" standing for it.
    QString FormatText() const { return formatText_; }
    void setFormatText(const QString& v) { Set(formatText_, v); }
    // Width of the visible span, in value units.
    double Apperture() const { return apperture_; }
    void setApperture(double v) { Set(apperture_, v); }
    TInstPosition Position() const { return position_; }
    void setPosition(TInstPosition v) { Set(position_, v); }
    // Value units between long ticks (with labels) and between short ticks.
    double Step() const { return step_; }
    void setStep(double v) { Set(step_, v); }
    double SmallStep() const { return smallStep_; }
    void setSmallStep(double v) { Set(smallStep_, v); }
    // Tick lengths in pixels; HeightMin is also the triangle marker's depth.
    int HeightMax() const { return heightMax_; }
    void setHeightMax(int v) { Set(heightMax_, v); }
    int HeightMin() const { return heightMin_; }
    void setHeightMin(int v) { Set(heightMin_, v); }
    bool Visible() const { return visible_; }
    void setVisible(bool v) { Set(visible_, v); }

private:
    toolkit::TColor color_ = toolkit::clNavy;
    int decimals_ = 0;
    QString formatText_ = QStringLiteral("%s");
    double apperture_ = 100;
    TInstPosition position_ = TInstPosition::voAfter;
    double step_ = 10;
    double smallStep_ = 1;
    int heightMax_ = 8;
    int heightMin_ = 5;
    bool visible_ = true;
};

// The marker of a jog meter and the value it stands over.
class TInstLiniarIndicator : public TInstPersistent {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(TInstIndicatorShape Shape READ Shape WRITE setShape)
    Q_PROPERTY(toolkit::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    explicit TInstLiniarIndicator(QObject* parent = nullptr);

    double Value() const { return value_; }
    void setValue(double v) { Set(value_, v); }
    // The voBitmap marker; an empty image brings back the built-in "TIWPIN".
    const QImage& Bitmap() const { return bitmap_; }
    void setBitmap(const QImage& bitmap);
    TInstIndicatorShape Shape() const { return shape_; }
    void setShape(TInstIndicatorShape v) { Set(shape_, v); }
    toolkit::TColor Color() const { return color_; }
    void setColor(toolkit::TColor v) { Set(color_, v); }
    bool Visible() const { return visible_; }
    void setVisible(bool v) { Set(visible_, v); }

private:
    double value_ = 0;
    QImage bitmap_;
    TInstIndicatorShape shape_ = TInstIndicatorShape::voBitmap;
    toolkit::TColor color_ = toolkit::clBlue;
    bool visible_ = true;
};

class TInstJogMeter : public TInstGraphicImageControl {
    Q_OBJECT
    Q_PROPERTY(TInstDirection Direction READ Direction WRITE setDirection)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TInstJogMeterScale* Scale READ Scale)
    Q_PROPERTY(TInstLiniarIndicator* Value READ Value)
    Q_PROPERTY(toolkit::TColor FromColor READ FromColor WRITE setFromColor)
    Q_PROPERTY(toolkit::TColor ToColor READ ToColor WRITE setToColor)
    Q_PROPERTY(toolkit::TColor FontColor READ FontColor WRITE setFontColor)

public:
    explicit TInstJogMeter(QWidget* parent = nullptr);

    TInstDirection Direction() const { return direction_; }
    // Swaps the control's width and height.
    void setDirection(TInstDirection direction);
    bool ShowCaption() const { return showCaption_; }
    void setShowCaption(bool on);
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    TInstJogMeterScale* Scale() { return &scale_; }
    TInstLiniarIndicator* Value() { return &indicator_; }
    // Colour of both ends and of the middle of the background.
    toolkit::TColor FromColor() const { return fromColor_; }
    void setFromColor(toolkit::TColor color);
    toolkit::TColor ToColor() const { return toColor_; }
    void setToColor(toolkit::TColor color);
    toolkit::TColor FontColor() const { return fontColor_; }
    void setFontColor(toolkit::TColor color);

    // The label text of a scale value.
    QString FormatLabel(double v) const;

protected:
    void PaintStatic() override;
    void PaintDynamic() override;
    void changeEvent(QEvent* event) override;

private:
    bool Horizontal() const { return direction_ == TInstDirection::voHorizontal; }
    int Extent() const { return Horizontal() ? width() : height(); }
    // The edge the ticks grow from, and +1 or -1 into the control.
    int BaseLine() const;
    int Inward() const { return scale_.Position() == TInstPosition::voBefore ? 1 : -1; }
    void ChangeLayout();
    // Text with its bottom at `bottom`, on a clear brush in the meter's font.
    void DrawTextAt(int left, int bottom, const QString& text);
    // The label drawn once and kept while font and colours stay.
    const QImage& LabelPicture(const QString& text);

    void DrawBackground();
    void DrawCaption();
    void DrawLabels();
    void DrawTicks();
    void DrawTickSet(double step, int length);
    void DrawIndicator();
    void DrawBitmapMarker(int c);

    TInstDirection direction_ = TInstDirection::voHorizontal;
    bool showCaption_ = false;
    QString caption_;
    TInstJogMeterScale scale_;
    TInstLiniarIndicator indicator_;
    toolkit::TColor fromColor_ = toolkit::clBlack;
    toolkit::TColor toColor_ = toolkit::clWhite;
    toolkit::TColor fontColor_ = toolkit::clBlack;
    QHash<QString, QImage> labelPictures_;
};
