#include "speed_log_sample.h"

#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/instruments/inst_slider.h"
#include "widgets/numeric/spin_num_edit.h"

namespace tk = toolkit;

namespace {

constexpr QSize kClientSize(318, 292);
constexpr double kMaxKnots = 50;
constexpr int kMaxTenths = 500;
constexpr double kTenthsPerKnot = 10;
constexpr tk::TColor kZone2 = tk::RGB(0, 128, 192);
constexpr int kLabelsFontPx = 11;
constexpr int kCaptionFontPx = 13;

}  // namespace

void SetUpAsSpeedMeter(TInstAngularMeter& meter)
{
    meter.setMaxValue(kMaxKnots);
    meter.setDecimals(0);
    meter.setSpacing(40);
    meter.setTicks(50);
    meter.setTicksEnlarge(5);
    meter.setColorZone2(kZone2);
    meter.setPercent1(50);
    meter.setPercent2(30);
    meter.setCaption(QStringLiteral("||Mg/h|NODI"));
    meter.setLabelsFont(tk::UiFont(kLabelsFontPx));
    meter.setFont(tk::UiFont(kCaptionFontPx, true));
}

void SetUpAsSpeedSlider(TInstSlider& slider)
{
    slider.setMaxValue(kMaxTenths);
    slider.setKeyIncrement(10);
    slider.Palette()->setLow(tk::clGreen);
    slider.Palette()->setHigh(tk::clRed);
    TInstBevel* bevel = slider.Bevel();
    bevel->setInnerWidth(2);
    bevel->setInnerStyle(TInstBevelStyle::bsLowered);
    bevel->setInnerSpace(1);
    bevel->setInnerColor(tk::clBlack);
    bevel->setOuterStyle(TInstBevelStyle::bsRaised);
    bevel->setOuterOutline(TInstBevelOutlineStyle::osOuter);
}

SpeedLogSample::SpeedLogSample(QWidget* parent)
    : QWidget(parent)
{
    resize(kClientSize);
    tk::SetBackground(this, tk::clBlack);

    meter = new TInstAngularMeter(this);
    meter->setObjectName(QStringLiteral("SOLCO"));
    meter->setGeometry(0, 0, 250, 250);
    SetUpAsSpeedMeter(*meter);

    spin = new TSpinNumEdit(this);
    spin->setObjectName(QStringLiteral("SPSOLCO"));
    spin->setGeometry(100, 215, 61, 26);
    spin->setFont(tk::UiFont(kCaptionFontPx, true));
    spin->setDecimals(1);
    spin->setMaxValue(kMaxKnots);
    spin->setIncrement(1 / kTenthsPerKnot);
    spin->setAlignment(TAlignedEdit::TAlignment::taRightJustify);
    spin->setValue(0);

    slider = new TInstSlider(this);
    slider->setObjectName(QStringLiteral("PONODI"));
    slider->setGeometry(265, 5, 36, 281);
    SetUpAsSpeedSlider(*slider);
    connect(slider, &TInstSlider::OnChange, this, &SpeedLogSample::SliderChanged);
}

void SpeedLogSample::SliderChanged()
{
    meter->setPosition(slider->Position() / kTenthsPerKnot);
    spin->setValue(meter->Position());
}
