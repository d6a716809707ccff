#include "coastal/position_entry.h"

#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/num_edit.h"

#include <QLabel>
#include <QRadioButton>

#include <cmath>
#include <tuple>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 330;
constexpr int kClientHeight = 130;
constexpr int kWindowFontPx = 11;
constexpr int kGlyph = 24;
// The hemispheres' radio buttons, right of the boxes.
constexpr int kFirstRadioX = 230;
constexpr int kSecondRadioX = 275;
constexpr int kMinuteDecimals = 2;
constexpr double kLargestMinutes = 59.99;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kPole = 90.0;
constexpr double kAntimeridian = 180.0;

TNumEdit* MakeBox(QWidget* parent, const char* name, int x, int y, int width, int decimals, double largest)
{
    auto* edit = new TNumEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, y, width, 24);
    edit->setDecimals(decimals);
    edit->setMaxValue(largest);
    edit->setAlignment(TAlignedEdit::TAlignment::taRightJustify);
    edit->setValue(0);
    return edit;
}


}  // namespace

TPositionEntry::TPositionEntry(QWidget* parent)
    : EntryDialog(parent)
{
    BuildLayout();
    connect(POSOK, &tk::SpeedButton::clicked, this, &TPositionEntry::Confirm);
    connect(POSABO, &tk::SpeedButton::clicked, this, &TPositionEntry::Cancel);
}

void TPositionEntry::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("FormPosizione"), tr("Orvane 2004 - Posizione"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBtnFace});
    const QFont plain = tk::UiFont(kWindowFontPx);
    tk::MakeLabel(this, QStringLiteral("Label1"), tr("Latitudine"), 10, 19, tk::clWindowText, plain);
    EDLATG = MakeBox(this, "EDLATG", 85, 14, 45, 0, kPole);
    tk::MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("\u00B0"), 133, 17, tk::clWindowText, plain);
    EDLATM = MakeBox(this, "EDLATM", 145, 14, 65, kMinuteDecimals, kLargestMinutes);
    tk::MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("'"), 213, 17, tk::clWindowText, plain);
    std::tie(RBNORD, RBSUD) = tk::MakeRadioPair(this, "RBNORD", "RBSUD", QStringLiteral("N"), QStringLiteral("S"),
                                                kFirstRadioX, kSecondRadioX, 18);

    tk::MakeLabel(this, QStringLiteral("Label4"), tr("Longitudine"), 10, 51, tk::clWindowText, plain);
    EDLONG = MakeBox(this, "EDLONG", 85, 46, 45, 0, kAntimeridian);
    tk::MakeLabel(this, QStringLiteral("Label5"), QStringLiteral("\u00B0"), 133, 49, tk::clWindowText, plain);
    EDLONM = MakeBox(this, "EDLONM", 145, 46, 65, kMinuteDecimals, kLargestMinutes);
    tk::MakeLabel(this, QStringLiteral("Label6"), QStringLiteral("'"), 213, 49, tk::clWindowText, plain);
    EDLATM->setAccessibleName(tr("Primi di latitudine"));
    EDLONM->setAccessibleName(tr("Primi di longitudine"));
    std::tie(RBEST, RBOVEST) = tk::MakeRadioPair(this, "RBEST", "RBOVEST", QStringLiteral("E"), QStringLiteral("W"),
                                                 kFirstRadioX, kSecondRadioX, 50);

    POSOK = new tk::SpeedButton(this, QStringLiteral("POSOK"), tr("CONFERMA"), tk::Glyph(tk::GlyphKind::Confirm, kGlyph));
    POSOK->setGeometry(40, 88, 101, 31);
    POSABO = new tk::SpeedButton(this, QStringLiteral("POSABO"), tr("ANNULLA"), tk::Glyph(tk::GlyphKind::Cancel, kGlyph));
    POSABO->setGeometry(190, 88, 106, 31);
    // Each coordinate with its hemisphere, as a chart writes it.
    setTabOrder(EDLATG, EDLATM);
    setTabOrder(EDLATM, RBNORD);
    setTabOrder(RBNORD, EDLONG);
    setTabOrder(EDLONG, EDLONM);
    setTabOrder(EDLONM, RBEST);
}

void TPositionEntry::Show(nav::GeoPosition p)
{
    // Hundredths of a minute, rounded once, as the field shows them.
    const auto split = [](double degrees, TNumEdit* whole, TNumEdit* minutes) {
        const double hundredths = std::round(std::abs(degrees) * kMinutesPerDegree * 100.0);
        whole->setValue(std::floor(hundredths / (kMinutesPerDegree * 100.0)));
        minutes->setValue(std::fmod(hundredths, kMinutesPerDegree * 100.0) / 100.0);
    };
    split(p.latitude, EDLATG, EDLATM);
    (p.latitude < 0 ? RBSUD : RBNORD)->setChecked(true);
    split(p.longitude, EDLONG, EDLONM);
    (p.longitude < 0 ? RBOVEST : RBEST)->setChecked(true);
}

std::optional<nav::GeoPosition> TPositionEntry::Shown() const
{
    const auto degrees = EDLATG->ReadValue();
    const auto minutes = degrees ? EDLATM->ReadValue() : std::nullopt;
    const auto lonDegrees = minutes ? EDLONG->ReadValue() : std::nullopt;
    const auto lonMinutes = lonDegrees ? EDLONM->ReadValue() : std::nullopt;
    if (!lonMinutes)
        return std::nullopt;
    // 90° and 180° take no minutes beyond them.
    const double latitude = std::min(*degrees + *minutes / kMinutesPerDegree, kPole);
    const double longitude = std::min(*lonDegrees + *lonMinutes / kMinutesPerDegree, kAntimeridian);
    return nav::GeoPosition{RBSUD->isChecked() ? -latitude : latitude, RBOVEST->isChecked() ? -longitude : longitude};
}

std::optional<nav::GeoPosition> TPositionEntry::Enter(std::optional<nav::GeoPosition> shown, const QString& typed)
{
    confirmed_.reset();
    Show(shown.value_or(nav::GeoPosition{}));
    EDLATG->setFocus();
    EDLATG->selectAll();
    if (!typed.isEmpty())
        EDLATG->TypeAhead(typed);
    exec();
    return confirmed_;
}

void TPositionEntry::Confirm()
{
    confirmed_ = Shown();
    if (confirmed_)
        accept();
}
