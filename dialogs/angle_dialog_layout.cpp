// The stored layout of the angle dialog.

#include "dialogs/angle_dialog.h"

#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/speed_button.h"
#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_resources.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/spin_num_edit.h"

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 329;
constexpr int kClientHeight = 343;
constexpr int kWindowFontPx = 11;
constexpr int kTitleFontPx = 13;
constexpr int kSignFontPx = 19;
constexpr int kScaleFontPx = 11;
constexpr int kSmallGlyph = 16;
constexpr int kLargeGlyph = 24;
constexpr int kMaxDegrees = 359;
constexpr int kMaxMinutes = 59;
constexpr tk::TColor kScaleDarkGreen = tk::RGB(0, 34, 0);

TSpinNumEdit* MakeSpin(QWidget* parent, const char* name, int x, int width, int maxValue)
{
    auto* spin = new TSpinNumEdit(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setFont(tk::UiFont(kTitleFontPx, true));
    spin->setGeometry(x, 25, width, 26);
    spin->setDecimals(0);
    spin->setMaxValue(maxValue);
    spin->setIncrement(1);
    return spin;
}

struct ScaleLook {
    const char* name;
    QRect place;
    const char* format;
    double aperture;
    int heightMax;
    int heightMin;
};

TInstJogMeter* MakeScale(QWidget* parent, const ScaleLook& look)
{
    auto* meter = new TInstJogMeter(parent);
    meter->setObjectName(QString::fromLatin1(look.name));
    meter->setGeometry(look.place);
    TInstJogMeterScale* scale = meter->Scale();
    scale->setFormatText(QString::fromUtf8(look.format));
    scale->setApperture(look.aperture);
    scale->setStep(10);
    scale->setSmallStep(1);
    scale->setHeightMax(look.heightMax);
    scale->setHeightMin(look.heightMin);
    scale->setPosition(TInstPosition::voBefore);
    scale->setColor(tk::clBlack);
    meter->Value()->setShape(TInstIndicatorShape::voTriangle);
    meter->Value()->setColor(tk::clRed);
    meter->Value()->setVisible(true);
    meter->setFromColor(kScaleDarkGreen);
    meter->setToColor(tk::clLime);
    meter->setColor(tk::clBlack);
    meter->setFont(tk::UiFont(kScaleFontPx));
    meter->setFontColor(tk::clBlack);
    return meter;
}

TInstTrackBar* MakeBar(QWidget* parent, const char* name, QRect place, int maxValue)
{
    auto* bar = new TInstTrackBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(place);
    bar->setMaxValue(maxValue);
    bar->setGutterColor(tk::clGreen);
    bar->setTickMarks(TInstTickMarks::tmNone);
    TInstBevel* bevel = bar->GutterBevel();
    bevel->setOuterStyle(TInstBevelStyle::bsLowered);
    bevel->setOuterOutline(TInstBevelOutlineStyle::osNone);
    bevel->setInnerStyle(TInstBevelStyle::bsNone);
    bevel->setInnerWidth(1);
    bevel->setInnerSpace(0);
    bevel->setInnerColor(tk::clBtnFace);
    bevel->setInnerShadow(tk::clBtnShadow);
    bevel->setOuterShadow(tk::clBtnShadow);
    bevel->setInnerHighlight(tk::clBtnHighlight);
    bevel->setOuterHighlight(tk::clBtnHighlight);
    // Only the spin edits take the focus.
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

}  // namespace

void TForm2::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form2"), tr("Orvane 2004 - BUSSOLA"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBlack, true});

    tk::MakeLabel(this, QStringLiteral("Label1"), tr("Introduci un valore angolare"), 70, 0, tk::clLime,
                  tk::UiFont(kTitleFontPx, true));
    const QFont signs = tk::UiFont(kSignFontPx);
    SPGRADI = MakeSpin(this, "SPGRADI", 65, 56, kMaxDegrees);
    tk::MakeLabel(this, QStringLiteral("Label2"), QString::fromUtf8("\u00B0"), 125, 25, tk::clWhite, signs);
    SPPRIMI = MakeSpin(this, "SPPRIMI", 145, 46, kMaxMinutes);
    tk::MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("'"), 195, 25, tk::clWhite, signs);
    SPSECONDI = MakeSpin(this, "SPSECONDI", 215, 46, kMaxMinutes);
    // Degrees and minutes take a decimal fraction ("2,8" degrees): whole
    // numbers still show without places.
    SPGRADI->setDecimals(kAutoDecimals);
    SPPRIMI->setDecimals(kAutoDecimals);
    tk::MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("\""), 265, 25, tk::clWhite, signs);
    GRADICLEAR = new tk::SpeedButton(this, QStringLiteral("GRADICLEAR"), QString(),
                                     tk::Glyph(tk::GlyphKind::Clear, kSmallGlyph));
    GRADICLEAR->setGeometry(295, 30, 23, 22);
    GRADICLEAR->setToolTip(tr("Azzera"));
    // The signs between the boxes would name them.
    SPGRADI->setAccessibleName(tr("Gradi"));
    SPPRIMI->setAccessibleName(tr("Primi"));
    SPSECONDI->setAccessibleName(tr("Secondi"));

    VUSECONDI = MakeScale(this, {"VUSECONDI", QRect(40, 62, 251, 25), "%s\"", 30, 10, 6});
    POSECONDI = MakeBar(this, "POSECONDI", QRect(30, 87, 271, 14), kMaxMinutes);
    VUPRIMI = MakeScale(this, {"VUPRIMI", QRect(22, 101, 286, 25), "%s'", 40, 10, 6});
    POPRIMI = MakeBar(this, "POPRIMI", QRect(12, 125, 306, 14), kMaxMinutes);
    VUGRADI = MakeScale(this, {"VUGRADI", QRect(10, 140, 311, 30), "%s\u00B0", 50, 15, 8});
    POGRADI = MakeBar(this, "POGRADI", QRect(0, 169, 331, 14), kMaxDegrees);

    COMPASSO = new TInstCompass(this);
    COMPASSO->setObjectName(QStringLiteral("COMPASSO"));
    COMPASSO->setGeometry(90, 190, 150, 150);
    COMPASSO->setHeading(0);
    COMPASSO->setNeedleLength(50);
    COMPASSO->setNeedleWidth(4);
    COMPASSO->setCircleOutlineWidth(1);
    COMPASSO->setCircleOutlineColor(tk::clWhite);
    COMPASSO->setCircleColor(tk::clBlack);
    COMPASSO->setBackImage(CompassRosePicture(devicePixelRatioF()));
    connect(&tk::ColorScheme::instance(), &tk::ColorScheme::NightChanged, COMPASSO,
            [this] { COMPASSO->setBackImage(CompassRosePicture(devicePixelRatioF())); });

    GRADIOK = new tk::SpeedButton(this, QStringLiteral("GRADIOK"), tr("CONFERMA"),
                                  tk::Glyph(tk::GlyphKind::Confirm, kLargeGlyph), tk::SpeedButton::GlyphPlace::Top);
    GRADIOK->setGeometry(10, 225, 66, 66);
    GRADIABO = new tk::SpeedButton(this, QStringLiteral("GRADIABO"), tr("ANNULLA"),
                                   tk::Glyph(tk::GlyphKind::Cancel, kLargeGlyph), tk::SpeedButton::GlyphPlace::Top);
    GRADIABO->setGeometry(255, 225, 66, 66);

    setTabOrder(SPGRADI, SPPRIMI);
    setTabOrder(SPPRIMI, SPSECONDI);
}
