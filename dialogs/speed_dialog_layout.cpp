// The stored layout of the speed dialog.

#include "dialogs/speed_dialog.h"

#include "dialogs/speed_entry.h"
#include "dialogs/speed_log.h"
#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/speed_button.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/instruments/inst_slider.h"
#include "widgets/numeric/spin_num_edit.h"

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 318;
constexpr int kClientHeight = 292;
constexpr int kWindowFontPx = 11;
constexpr int kSpinFontPx = 13;
constexpr int kGlyph = 24;
constexpr double kKnotStep = 0.1;

}  // namespace

void TForm3::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form3"), tr("Orvane 2004 - Solcometro"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBlack, true});

    SOLCO = new TInstAngularMeter(this);
    SOLCO->setObjectName(QStringLiteral("SOLCO"));
    SOLCO->setGeometry(0, 0, 250, 250);
    SetUpAsSpeedMeter(*SOLCO);

    // Over the lower part of the meter's face.
    SPSOLCO = new TSpinNumEdit(this);
    SPSOLCO->setObjectName(QStringLiteral("SPSOLCO"));
    SPSOLCO->setFont(tk::UiFont(kSpinFontPx, true));
    SPSOLCO->setGeometry(100, 215, 61, 26);
    SPSOLCO->setDecimals(1);
    SPSOLCO->setMaxValue(kMaxKnots);
    SPSOLCO->setIncrement(kKnotStep);
    SPSOLCO->setAccessibleName(tr("Velocità"));

    PONODI = new TInstSlider(this);
    PONODI->setObjectName(QStringLiteral("PONODI"));
    PONODI->setGeometry(265, 5, 36, 281);
    SetUpAsSpeedSlider(*PONODI);

    GRADIOK = new tk::SpeedButton(this, QStringLiteral("GRADIOK"), tr("CONFERMA"),
                                  tk::Glyph(tk::GlyphKind::Confirm, kGlyph));
    GRADIOK->setGeometry(10, 255, 101, 31);
    GRADIABO = new tk::SpeedButton(this, QStringLiteral("GRADIABO"), tr("ANNULLA"),
                                   tk::Glyph(tk::GlyphKind::Cancel, kGlyph));
    GRADIABO->setGeometry(135, 255, 106, 31);
}
