// The layout of the declination-from-position dialog.

#include "dialogs/position_dialog.h"

#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/num_edit.h"

#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>

#include <tuple>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 310;
constexpr int kClientHeight = 218;
constexpr int kWindowFontPx = 11;
constexpr int kGlyph = 24;
// The hemispheres' radio buttons, right of the boxes.
constexpr int kFirstRadioX = 190;
constexpr int kSecondRadioX = 240;
constexpr int kDecimals = 4;
constexpr tk::TColor kResultColor = tk::RGB(255, 255, 196);

TNumEdit* MakeDegrees(QWidget* parent, const char* name, int y, double largest)
{
    auto* edit = new TNumEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(85, y, 90, 24);
    edit->setDecimals(kDecimals);
    edit->setMaxValue(largest);
    edit->setMinValue(0);
    edit->setAlignment(TAlignedEdit::TAlignment::taRightJustify);
    edit->setValue(0);
    return edit;
}


}  // namespace

void TForm5::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form5"), tr("Orvane2004 - Declinazione da posizione"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBtnFace});
    const QFont plain = tk::UiFont(kWindowFontPx);

    tk::MakeLabel(this, QStringLiteral("Label1"), tr("Latitudine"), 10, 19, tk::clWindowText, plain);
    EDLAT = MakeDegrees(this, "EDLAT", 14, 90);
    std::tie(RBNORD, RBSUD) =
        tk::MakeRadioPair(this, "RBNORD", "RBSUD", QStringLiteral("N"), QStringLiteral("S"), kFirstRadioX,
                          kSecondRadioX, 18);

    tk::MakeLabel(this, QStringLiteral("Label2"), tr("Longitudine"), 10, 51, tk::clWindowText, plain);
    EDLON = MakeDegrees(this, "EDLON", 46, 180);
    std::tie(RBEST2, RBOVEST) =
        tk::MakeRadioPair(this, "RBEST2", "RBOVEST", QStringLiteral("E"), QStringLiteral("W"), kFirstRadioX,
                          kSecondRadioX, 50);

    tk::MakeLabel(this, QStringLiteral("Label3"), tr("Data"), 10, 83, tk::clWindowText, plain);
    DTDATA = new QDateEdit(this);
    DTDATA->setObjectName(QStringLiteral("DTDATA"));
    DTDATA->setGeometry(85, 78, 110, 24);
    DTDATA->setCalendarPopup(true);
    // The years the chart's spin edits take; the model answers only for some of them.
    DTDATA->setDateRange(QDate(1800, 1, 1), QDate(2099, 12, 31));
    DTDATA->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));

    LBLRISULT = new QLabel(this);
    LBLRISULT->setObjectName(QStringLiteral("LBLRISULT"));
    LBLRISULT->setGeometry(10, 112, 290, 52);
    LBLRISULT->setWordWrap(true);
    LBLRISULT->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LBLRISULT->setFrameShape(QFrame::Panel);
    LBLRISULT->setFrameShadow(QFrame::Sunken);
    tk::SetBackground(LBLRISULT, kResultColor);
    LBLRISULT->setMargin(2);

    WMMOK = new tk::SpeedButton(this, QStringLiteral("WMMOK"), tr("CONFERMA"),
                                tk::Glyph(tk::GlyphKind::Confirm, kGlyph));
    WMMOK->setGeometry(30, 176, 101, 31);
    WMMABO = new tk::SpeedButton(this, QStringLiteral("WMMABO"), tr("ANNULLA"),
                                 tk::Glyph(tk::GlyphKind::Cancel, kGlyph));
    WMMABO->setGeometry(180, 176, 106, 31);

    // Widened for its title: the controls stand in the middle.
    const int margin = (width() - kClientWidth) / 2;
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->move(control->pos() + QPoint(margin, 0));

    setTabOrder(EDLAT, EDLON);
    setTabOrder(EDLON, DTDATA);
}
