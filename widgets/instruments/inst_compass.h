#pragma once
// TInstCompass: a compass face. A background picture stretched over the
// control, a disc at the centre and a straight needle from the centre
// towards Heading degrees: 0 points up (north at the top), angles grow
// clockwise, any integer is taken as it is (360 draws as 0, -90 as 270).

#include "widgets/instruments/inst_controls.h"

#include <QImage>

struct CompassPoint {
    long long x;
    long long y;
};

// The needle's end for a centre (cx, cy): the offsets sin and cos of the
// heading times the length, each truncated toward zero; y grows downwards.
CompassPoint CompassNeedleEnd(int cx, int cy, int heading, int length);

class TInstCompass : public TInstGraphicImageControl {
    Q_OBJECT
    Q_PROPERTY(int Heading READ Heading WRITE setHeading NOTIFY OnChange)
    Q_PROPERTY(int NeedleLength READ NeedleLength WRITE setNeedleLength)
    Q_PROPERTY(int NeedleWidth READ NeedleWidth WRITE setNeedleWidth)
    Q_PROPERTY(toolkit::TColor NeedleColor READ NeedleColor WRITE setNeedleColor)
    Q_PROPERTY(bool NeedleTransparent READ NeedleTransparent WRITE setNeedleTransparent)
    Q_PROPERTY(int CircleWidth READ CircleWidth WRITE setCircleWidth)
    Q_PROPERTY(int CircleOutlineWidth READ CircleOutlineWidth WRITE setCircleOutlineWidth)
    Q_PROPERTY(toolkit::TColor CircleOutlineColor READ CircleOutlineColor WRITE setCircleOutlineColor)
    Q_PROPERTY(toolkit::TColor CircleColor READ CircleColor WRITE setCircleColor)
    Q_PROPERTY(QImage BackImage READ BackImage WRITE setBackImage)

public:
    explicit TInstCompass(QWidget* parent = nullptr);

    // Degrees, 0 up, clockwise.
    int Heading() const { return heading_; }
    void setHeading(int degrees);
    // Pixels from the centre.
    int NeedleLength() const { return needleLength_; }
    void setNeedleLength(int pixels);
    int NeedleWidth() const { return needleWidth_; }
    void setNeedleWidth(int pixels);
    toolkit::TColor NeedleColor() const { return needleColor_; }
    void setNeedleColor(toolkit::TColor color);
    // The needle inverts (XOR) what lies beneath instead of covering it.
    bool NeedleTransparent() const { return needleTransparent_; }
    void setNeedleTransparent(bool on);
    // Radius of the centre disc in pixels.
    int CircleWidth() const { return circleWidth_; }
    void setCircleWidth(int pixels);
    int CircleOutlineWidth() const { return circleOutlineWidth_; }
    void setCircleOutlineWidth(int pixels);
    toolkit::TColor CircleOutlineColor() const { return circleOutlineColor_; }
    void setCircleOutlineColor(toolkit::TColor color);
    toolkit::TColor CircleColor() const { return circleColor_; }
    void setCircleColor(toolkit::TColor color);
    const QImage& BackImage() const { return backImage_; }
    // Copies the picture; with AutoSize the control takes its size.
    void setBackImage(const QImage& picture);

signals:
    void OnChange();

protected:
    bool CanAutoSize(int& width, int& height) override;
    void PaintStatic() override;
    void PaintDynamic() override;

private:
    void ChangeLayout();
    // Pen widths and radii beyond this many pixels draw like this many.
    long long DrawLimit() const;

    void DrawBackground();
    void DrawCircle();
    void DrawNeedle();

    int heading_ = 90;
    int needleLength_ = 40;
    int needleWidth_ = 2;
    toolkit::TColor needleColor_ = toolkit::clRed;
    bool needleTransparent_ = false;
    int circleWidth_ = 8;
    int circleOutlineWidth_ = 1;
    toolkit::TColor circleOutlineColor_ = toolkit::clBlue;
    toolkit::TColor circleColor_ = toolkit::clNavy;
    QImage backImage_;
};
