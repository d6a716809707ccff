#include "tools/gallery/instrument_panel.h"

#include "toolkit/fonts.h"
#include "widgets/instruments/inst_resources.h"

namespace tk = toolkit;

namespace {

constexpr QSize kClientSize(329, 343);
constexpr int kDegreesMax = 359;
constexpr int kMinutesMax = 59;
constexpr int kScaleFontPixels = 11;
constexpr tk::TColor kDarkGreen = tk::RGB(0, 34, 0);

struct ScaleLook {
    const char* format;
    double aperture;
    int heightMax;
    int heightMin;
};

TInstJogMeter* MakeScale(QWidget* parent, QRect place, const ScaleLook& look)
{
    auto* m = new TInstJogMeter(parent);
    m->setGeometry(place);
    TInstJogMeterScale* scale = m->Scale();
    scale->setFormatText(QString::fromUtf8(look.format));
    scale->setApperture(look.aperture);
    scale->setStep(10);
    scale->setSmallStep(1);
    scale->setHeightMax(look.heightMax);
    scale->setHeightMin(look.heightMin);
    scale->setPosition(TInstPosition::voBefore);
    scale->setColor(tk::clBlack);
    m->Value()->setShape(TInstIndicatorShape::voTriangle);
    m->Value()->setColor(tk::clRed);
    m->setFromColor(kDarkGreen);
    m->setToColor(tk::clLime);
    m->setColor(tk::clBlack);
    m->setFont(tk::UiFont(kScaleFontPixels));
    m->setFontColor(tk::clBlack);
    return m;
}

TInstTrackBar* MakeBar(QWidget* parent, QRect place, int maxValue, TInstJogMeter* follower)
{
    auto* bar = new TInstTrackBar(parent);
    bar->setGeometry(place);
    bar->setMaxValue(maxValue);
    bar->setGutterColor(tk::clGreen);
    bar->setTickMarks(TInstTickMarks::tmNone);
    QObject::connect(bar, &TInstTrackBar::OnChange, follower,
                     [bar, follower] { follower->Value()->setValue(bar->Position()); });
    return bar;
}

}  // namespace

InstrumentPanel::InstrumentPanel(QWidget* parent)
    : QWidget(parent)
{
    resize(kClientSize);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    secondScale = MakeScale(this, QRect(40, 62, 251, 25), {"%s\"", 30, 10, 6});
    minuteScale = MakeScale(this, QRect(22, 101, 286, 25), {"%s'", 40, 10, 6});
    degreeScale = MakeScale(this, QRect(10, 140, 311, 30), {"%s°", 50, 15, 8});
    secondBar = MakeBar(this, QRect(30, 87, 271, 14), kMinutesMax, secondScale);
    minuteBar = MakeBar(this, QRect(12, 125, 306, 14), kMinutesMax, minuteScale);
    degreeBar = MakeBar(this, QRect(0, 169, 331, 14), kDegreesMax, degreeScale);

    compass = new TInstCompass(this);
    compass->setGeometry(90, 190, 150, 150);
    compass->setHeading(0);
    compass->setNeedleLength(50);
    compass->setNeedleWidth(4);
    compass->setCircleOutlineWidth(1);
    compass->setCircleOutlineColor(tk::clWhite);
    compass->setCircleColor(tk::clBlack);
    compass->setBackImage(CompassRosePicture());
    connect(degreeBar, &TInstTrackBar::OnChange, compass, [this] { compass->setHeading(degreeBar->Position()); });
}

void InstrumentPanel::ShowAngle(int degrees, int minutes, int seconds)
{
    degreeBar->setPosition(degrees);
    minuteBar->setPosition(minutes);
    secondBar->setPosition(seconds);
}
