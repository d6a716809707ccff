#include "dialogs/position_dialog.h"

#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/num_edit.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>

#include <cmath>

namespace {

const QString kLatitudeKey = QStringLiteral("DeclinationFromPosition/Latitude");
const QString kLongitudeKey = QStringLiteral("DeclinationFromPosition/Longitude");

double YearOf(const QDate& date)
{
    return nav::DecimalYear(date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
}

QString Side(char side)
{
    return side ? QStringLiteral(" ") + QLatin1Char(side) : QString();
}

}  // namespace

TForm5::TForm5(QSettings* memory, QWidget* parent)
    : EntryDialog(parent)
    , memory_(memory)
{
    BuildLayout();
    LoadPosition();
    DTDATA->setDate(QDate::currentDate());
    ConnectHandlers();
    ShowResult();
}

void TForm5::ConnectHandlers()
{
    connect(EDLAT, &TNumEdit::OnChange, this, &TForm5::ShowResult);
    connect(EDLON, &TNumEdit::OnChange, this, &TForm5::ShowResult);
    for (QRadioButton* radio : {RBNORD, RBEST2})
        connect(radio, &QRadioButton::toggled, this, &TForm5::ShowResult);
    connect(DTDATA, &QDateEdit::dateChanged, this, &TForm5::ShowResult);
    connect(WMMOK, &toolkit::SpeedButton::clicked, this, &TForm5::WMMOKClick);
    connect(WMMABO, &toolkit::SpeedButton::clicked, this, &TForm5::WMMABOClick);
}

void TForm5::LoadPosition()
{
    if (!memory_)
        return;
    const double latitude = memory_->value(kLatitudeKey, 0.0).toDouble();
    const double longitude = memory_->value(kLongitudeKey, 0.0).toDouble();
    // A hand-edited file may hold anything; only a position comes back.
    if (!(std::abs(latitude) <= 90 && std::abs(longitude) <= 180))
        return;
    EDLAT->setValue(std::abs(latitude));
    (std::signbit(latitude) ? RBSUD : RBNORD)->setChecked(true);
    EDLON->setValue(std::abs(longitude));
    (std::signbit(longitude) ? RBOVEST : RBEST2)->setChecked(true);
}

void TForm5::SavePosition()
{
    const std::optional<PositionEntry> entry = Entry();
    if (!memory_ || !entry)
        return;
    memory_->setValue(kLatitudeKey, entry->south ? -entry->latitude : entry->latitude);
    memory_->setValue(kLongitudeKey, entry->west ? -entry->longitude : entry->longitude);
    memory_->sync();
}

std::optional<ChartFields> TForm5::Open()
{
    confirmed_.reset();
    DTDATA->setDate(QDate::currentDate());
    ShowResult();
    exec();
    return confirmed_;
}

std::optional<PositionEntry> TForm5::Entry() const
{
    const std::optional<double> latitude = EDLAT->ReadValue();
    const std::optional<double> longitude = EDLON->ReadValue();
    if (!latitude || !longitude)
        return std::nullopt;
    return PositionEntry{*latitude, RBSUD->isChecked(), *longitude, RBOVEST->isChecked()};
}

nav::ModelAnswer TForm5::Answer() const
{
    const std::optional<PositionEntry> entry = Entry();
    if (!entry)
        return nav::ModelRefusal::NotANumber;
    return DeclinationAt(*entry, YearOf(DTDATA->date()));
}

QString TForm5::RefusalText(nav::ModelRefusal refusal)
{
    const nav::GaussModel* model = nav::Wmm2025();
    const double epoch = model ? model->epoch : 2025.0;
    switch (refusal) {
    case nav::ModelRefusal::NotANumber:
        return tr("Posizione non valida !");
    case nav::ModelRefusal::PositionOutOfRange:
        return tr("Posizione fuori limite !");
    case nav::ModelRefusal::DateOutOfRange:
        return tr("Data fuori dagli anni del modello (%1 - %2) !")
            .arg(epoch - nav::kModelGraceYears)
            .arg(epoch + nav::kModelValidYears + nav::kModelGraceYears);
    case nav::ModelRefusal::NearMagneticPole:
        return tr("Troppo vicino al polo magnetico: bussola inaffidabile !");
    case nav::ModelRefusal::NoModel:
        break;
    }
    return tr("Modello magnetico non disponibile !");
}

void TForm5::ShowResult()
{
    const nav::ModelAnswer answer = Answer();
    if (const auto* refusal = std::get_if<nav::ModelRefusal>(&answer)) {
        LBLRISULT->setText(RefusalText(*refusal));
        return;
    }
    const auto& model = std::get<nav::ModelDeclination>(answer);
    const ResultFigures f = FiguresOf(ChartFromModel(model, DTDATA->date().year()));
    QString text = tr("Declinazione %1° %2'%3, %4'%5 / anno (WMM2025)")
                       .arg(f.degrees)
                       .arg(f.minutes)
                       .arg(Side(f.side))
                       .arg(f.changeMinutes)
                       .arg(Side(f.changeSide));
    if (model.outsideValidity) {
        const nav::GaussModel* wmm = nav::Wmm2025();
        const double epoch = wmm ? wmm->epoch : 2025.0;
        text += QLatin1Char('\n')
                + tr("Fuori dagli anni di validità (%1 - %2): meno preciso")
                      .arg(epoch)
                      .arg(epoch + nav::kModelValidYears);
    }
    LBLRISULT->setText(text);
}

void TForm5::WMMOKClick()
{
    const nav::ModelAnswer answer = Answer();
    if (const auto* refusal = std::get_if<nav::ModelRefusal>(&answer)) {
        toolkit::platform().ErrorBox(this, RefusalText(*refusal));
        return;
    }
    confirmed_ = ChartFromModel(std::get<nav::ModelDeclination>(answer), DTDATA->date().year());
    SavePosition();
    accept();
}

void TForm5::WMMABOClick()
{
    reject();
}
