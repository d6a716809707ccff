// The "Autonomia" tab: distance, speed and time; fuel, power and consumption.

#include "app/main_window.h"

#include "nav/endurance.h"
#include "nav/worked_tabs.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "toolkit/up_down.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kMinutesPerHour = 60;
constexpr char kOutOfRange[] = QT_TRANSLATE_NOOP("TForm1", "Valore fuori limite !");

}  // namespace

void TForm1::SPMINClick()
{
    shownMinutes_ = SPMIN->Position();
    EDTT->setText(QString::fromStdString(nav::FormatHoursMinutes(shownMinutes_)));
    ShowArrival();
}

void TForm1::TimeTyped(const QString& text)
{
    if (const auto minutes = nav::ParseTotalTime(text.toStdString())) {
        SPMIN->setPosition(*minutes);
        ShowArrival();
    }
}

void TForm1::ShowArrival()
{
    const QTime departure = SPPART->time();
    const auto arrival = nav::Arrival(departure.hour() * kMinutesPerHour + departure.minute(), SPMIN->Position());
    QString text = QString::fromStdString(nav::FormatHoursMinutes(arrival.minuteOfDay));
    if (arrival.days > 0)
        text += tr(" +%1g").arg(arrival.days);
    EDARRIVO->setText(text);
}

void TForm1::ConnectDepartureAndFuel()
{
    connect(SPPART, &QTimeEdit::timeChanged, this, &TForm1::ShowArrival);
    SPPART->findChild<QLineEdit*>()->installEventFilter(this);
    for (TSpinNumEdit* factor : {SPHP, SPCS})
        connect(factor, &TNumEdit::OnChange, this, &TForm1::DeriveLitresPerHour);
    connect(SPLH, &TNumEdit::OnChange, this, [this] {
        if (!derivingLitresPerHour_)
            litresPerHourGiven_ = true;
    });
    connect(CBCARB, &QComboBox::currentIndexChanged, this, [this] {
        FuelPicked();
        emit FuelChanged(CBCARB->currentIndex(), FuelGramsPerLitre());
    });
    // Counted as it is typed; kept once it is whole.
    connect(SPDENS, &TNumEdit::OnChange, this, &TForm1::FuelPicked);
    connect(SPDENS, &TNumEdit::OnExit, this, [this] { emit FuelChanged(CBCARB->currentIndex(), FuelGramsPerLitre()); });
    ShowArrival();
}

int TForm1::FuelGramsPerLitre() const
{
    switch (CBCARB->currentIndex()) {
    case Petrol: return nav::kPetrolGramsPerLitre;
    case OtherFuel: {
        // While a density is being typed it may pass through 0,: the nearest one allowed.
        const double typed = ReadNumberText(SPDENS->text()).value_or(0.0) * kGramsPerKilogram;
        return static_cast<int>(std::lround(std::clamp(typed, double{nav::kLightestFuel}, double{nav::kHeaviestFuel})));
    }
    default: return nav::kDieselGramsPerLitre;
    }
}

void TForm1::ChooseFuel(int kind, int gramsPerLitre)
{
    SPDENS->setValue(std::clamp(gramsPerLitre, nav::kLightestFuel, nav::kHeaviestFuel) / kGramsPerKilogram);
    CBCARB->setCurrentIndex(std::clamp(kind, int{Diesel}, int{OtherFuel}));
}

void TForm1::FuelPicked()
{
    SPDENS->setVisible(CBCARB->currentIndex() == OtherFuel);
    const int grams = FuelGramsPerLitre();
    Label8->setText(tr("Peso Spec. Carburante = %1").arg(grams / kGramsPerKilogram, 0, 'f', kDensityDecimals));
    Label8->adjustSize();
    // Litres per hour a skipper gave are litres whatever the fuel.
    if (!litresPerHourGiven_)
        DeriveLitresPerHour();
}

void TForm1::DeriveLitresPerHour()
{
    litresPerHourGiven_ = false;
    const auto power = ReadNumberText(SPHP->text());
    const auto consumption = ReadNumberText(SPCS->text());
    if (!power || !consumption)
        return;
    const double litres = nav::LitresPerHour(*power, *consumption, FuelGramsPerLitre());
    if (std::isfinite(litres))
        ShowDerivedLitres(litres);
}

void TForm1::ShowDerivedLitres(double litres)
{
    derivingLitresPerHour_ = true;
    SPLH->setValue(litres);
    derivingLitresPerHour_ = false;
    litresPerHourGiven_ = false;
}

bool TForm1::TypedTime()
{
    const auto minutes = nav::ParseTotalTime(EDTT->text().toStdString());
    if (!minutes) {
        toolkit::platform().Beep();
        SPMIN->setPosition(shownMinutes_);  // back to the time shown before the typing
        SPMINClick();
        return false;
    }
    SPMIN->setPosition(*minutes);
    SPMINClick();
    return true;
}

void TForm1::TidyTime()
{
    if (EDTT->text() != QString::fromStdString(nav::FormatHoursMinutes(SPMIN->Position())))
        TypedTime();
}

bool TForm1::TimeKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        TypedTime();
        EDTT->selectAll();
        return true;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    // What was typed counts first, then the step of the minutes' arrows.
    if (TypedTime()) {
        SPMIN->setPosition(std::clamp(SPMIN->Position() + (key == Qt::Key_Up ? 1 : -1), 0, nav::kMaxMinutes));
        SPMINClick();
    }
    return true;
}

toolkit::SpeedButton* TForm1::RowCalcola(const QWidget* focused) const
{
    static const std::pair<const char*, const char*> rows[] = {
        {"SPCT", "CALCCT"},   {"SPVM", "CALCVM"},     {"EDTT", "CALCTT"},     {"SPHP", "CALCHP"},
        {"SPCS", "CALCCS"},   {"SPAUTO", "CALCAUTO"}, {"EDAUTO30", "CALCAUTO"}, {"CALCCT", "CALCCT"},
        {"CALCVM", "CALCVM"}, {"CALCTT", "CALCTT"},   {"CALCHP", "CALCHP"},   {"CALCCS", "CALCCS"},
        {"CALCAUTO", "CALCAUTO"}, {"SPLH", "CALCLH"}, {"CALCLH", "CALCLH"},
        {"CBCARB", "CALCAUTO"}, {"SPDENS", "CALCAUTO"},
    };
    if (!focused)
        return nullptr;
    for (const auto& [field, button] : rows) {
        if (focused->objectName() == QLatin1String(field))
            return TabSheet4->findChild<toolkit::SpeedButton*>(QLatin1String(button));
    }
    return nullptr;
}

void TForm1::SPOREClick(toolkit::UpDownButton button)
{
    const int step = button == toolkit::UpDownButton::Next ? kMinutesPerHour : -kMinutesPerHour;
    SPMIN->setPosition(std::max(SPMIN->Position() + step, 0));
    SPMINClick();
}

bool TForm1::Fits(double result)
{
    if (std::isfinite(result))
        return true;
    toolkit::platform().ErrorBox(this, tr(kOutOfRange));
    return false;
}

void TForm1::CALCCTClick()
{
    TidyTime();
    const auto speed = SPVM->ReadValue();
    if (!speed)
        return;
    const double distance = nav::DistanceRun(*speed, SPMIN->Position());
    if (!Fits(distance))
        return;
    SPCT->setValue(distance);
    emit Solved(nav::WorkDistance(*speed, SPMIN->Position(), distance, toolkit::NavLanguage()));
}

void TForm1::CALCVMClick()
{
    TidyTime();
    if (SPMIN->Position() <= 0) {
        toolkit::platform().ErrorBox(this, tr("Tempo = 0 !"));
        return;
    }
    const auto distance = SPCT->ReadValue();
    if (!distance)
        return;
    const double speed = nav::MeanSpeed(*distance, SPMIN->Position());
    if (!Fits(speed))
        return;
    SPVM->setValue(speed);
    emit Solved(nav::WorkMeanSpeed(*distance, SPMIN->Position(), speed, toolkit::NavLanguage()));
}

void TForm1::CALCTTClick()
{
    const auto speed = SPVM->ReadValue();
    if (!speed)
        return;
    if (!(*speed > 0)) {
        toolkit::platform().ErrorBox(this, tr("Velocità = 0 !"));
        return;
    }
    const auto distance = SPCT->ReadValue();
    if (!distance)
        return;
    const double minutes = nav::TravelMinutes(*distance, *speed);
    // The time entry holds no more than 545 hours, and no negative time.
    if (minutes > nav::kMaxMinutes) {
        toolkit::platform().ErrorBox(this, tr("Tempo > 545:00 !"));
        return;
    }
    if (!(minutes >= 0)) {
        toolkit::platform().ErrorBox(this, tr(kOutOfRange));
        return;
    }
    SPMIN->setPosition(static_cast<int>(minutes));
    SPMINClick();
    const QTime departure = SPPART->time();
    emit Solved(nav::WorkTravelTime(*distance, *speed, SPMIN->Position(),
                                    departure.hour() * kMinutesPerHour + departure.minute(), toolkit::NavLanguage()));
}

void TForm1::CALCAUTOClick()
{
    TidyTime();
    double fuel = 0.0;
    nav::FuelData data{0.0, 0.0, FuelGramsPerLitre(), std::nullopt, SPMIN->Position()};
    if (litresPerHourGiven_) {
        data.litresPerHour = SPLH->ReadValue();
        if (!data.litresPerHour)
            return;
        fuel = nav::FuelForTime(*data.litresPerHour, data.minutes);
    } else {
        // Derived, the litres per hour are used to the last digit, not as shown.
        const auto power = SPHP->ReadValue();
        if (!power)
            return;
        const auto consumption = SPCS->ReadValue();
        if (!consumption)
            return;
        data.power = *power;
        data.consumption = *consumption;
        fuel = nav::FuelNeeded(data.minutes, *power, *consumption, data.gramsPerLitre);
    }
    // The reserve comes from the fuel as shown, to one decimal.
    const double reserve = SPAUTO->AsShown(fuel) * nav::kReserveFactor;
    if (!Fits(fuel) || !Fits(reserve))
        return;
    SPAUTO->setValue(fuel);
    EDAUTO30->setText(toolkit::Format(QStringLiteral("%5.1f"), {reserve}));
    emit Solved(nav::WorkFuel(data, fuel, reserve, toolkit::NavLanguage()));
}

void TForm1::CALCLHClick()
{
    const auto power = SPHP->ReadValue();
    if (!power)
        return;
    const auto consumption = SPCS->ReadValue();
    if (!consumption)
        return;
    const double litres = nav::LitresPerHour(*power, *consumption, FuelGramsPerLitre());
    if (!Fits(litres))
        return;
    ShowDerivedLitres(litres);
    const nav::FuelData data{*power, *consumption, FuelGramsPerLitre(), std::nullopt, SPMIN->Position()};
    emit Solved(nav::WorkLitresPerHour(data, litres, toolkit::NavLanguage()));
}

void TForm1::SolveFuelFactor(TSpinNumEdit* result, TSpinNumEdit* other, const QString& zeroMessage)
{
    TidyTime();
    const auto factor = other->ReadValue();
    if (!factor)
        return;
    if (*factor == 0) {
        toolkit::platform().ErrorBox(this, zeroMessage);
        return;
    }
    if (SPMIN->Position() == 0) {
        toolkit::platform().ErrorBox(this, tr("Tempo Totale = 0 !"));
        return;
    }
    const auto fuel = SPAUTO->ReadValue();
    if (!fuel)
        return;
    const double value = nav::FuelFactor(*fuel, *factor, SPMIN->Position(), FuelGramsPerLitre());
    if (!Fits(value))
        return;
    result->setValue(value);
    EDAUTO30->clear();
    const bool power = result == SPHP;
    const nav::FuelData data{power ? 0.0 : *factor, power ? *factor : 0.0, FuelGramsPerLitre(), std::nullopt,
                             SPMIN->Position()};
    emit Solved(nav::WorkFuelFactor(power ? nav::FuelUnknown::Power : nav::FuelUnknown::Consumption, data, *fuel,
                                    value, toolkit::NavLanguage()));
}

void TForm1::CALCHPClick()
{
    SolveFuelFactor(SPHP, SPCS, tr("Consumo Specifico = 0 !"));
}

void TForm1::CALCCSClick()
{
    SolveFuelFactor(SPCS, SPHP, tr("Potenza motore = 0 !"));
}
