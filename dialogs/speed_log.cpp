#include "dialogs/speed_log.h"

#include "dialogs/speed_entry.h"
#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/instruments/inst_slider.h"

#include <QCoreApplication>

namespace tk = toolkit;

namespace {

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
    meter.setCaption(QCoreApplication::translate("TForm3", "||Mg/h|NODI"));
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
