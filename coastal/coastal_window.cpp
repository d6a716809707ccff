#include "coastal/coastal_window.h"

#include "coastal/position_edit.h"
#include "coastal/position_entry.h"
#include "nav/coastal.h"
#include "nav/light_characteristic.h"
#include "toolkit/accessible_names.h"
#include "toolkit/form_layout.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tk = toolkit;

namespace {

constexpr int kFullCircleDegreesMax = 359;
constexpr int kHalfCircleDegrees = 180;
constexpr double kMinutesPerHour = 60.0;

QString Miles(double miles)
{
    return tk::Format(QStringLiteral("%.2f"), {miles});
}

QString AngleText(nav::Angle a)
{
    return QString::fromStdString(nav::FormatAngle(a));
}

// The settings keys of the inputs, under "coastal/".
QString Key(const char* name)
{
    return QStringLiteral("coastal/") + QLatin1String(name);
}

}  // namespace

TForm9::TForm9(Links links, QSettings* memory, QWidget* parent)
    : QDialog(parent)
    , links_(std::move(links))
    , memory_(memory)
{
    BuildLayout();
    ConnectHandlers();
    BuildKeyboard();
    LoadInputs();
}

void TForm9::ConnectHandlers()
{
    const auto onClick = [this](TAlignedEdit* field, auto handler) {
        tk::SetEntryHint(field, qobject_cast<TPositionEdit*>(field) ? tk::Entry::Position : tk::Entry::Angle);
        connect(field, &TAlignedEdit::OnClick, this, handler);
    };
    onClick(EDRP1, [this] { EnterAngle(rp1_, EDRP1, kHalfCircleDegrees); });
    onClick(EDRP2, [this] { EnterAngle(rp2_, EDRP2, kHalfCircleDegrees); });
    onClick(EDRVLOX, [this] {
        const QString before = EDRVLOX->text();
        EnterAngle(course_, EDRVLOX, kFullCircleDegreesMax);
        if (EDRVLOX->text().isEmpty())
            return;
        ShowCourse(course_);
        if (EDRVLOX->text() != before)
            LegInputChanged(EDRVLOX);
    });
    onClick(EDRLFARO, [this] { EnterAngle(lightBearing_, EDRLFARO, kFullCircleDegreesMax); });
    for (TPositionEdit* position : {EDPOS1, EDPOS2, EDFARO})
        onClick(position, [this, position] { EnterPosition(position); });

    const std::pair<TAlignedEdit*, int> angles[] = {
        {EDRP1, kHalfCircleDegrees},       {EDRP2, kHalfCircleDegrees},       {EDRVLOX, kFullCircleDegreesMax},
        {EDRMLOX, kFullCircleDegreesMax}, {EDRBLOX, kFullCircleDegreesMax}, {EDRLFARO, kFullCircleDegreesMax},
    };
    for (const auto& [field, highest] : angles) {
        field->setValueKind(TAlignedEdit::TValueKind::vkAngle);
        field->setValueRange(0, highest);
    }
    for (TAlignedEdit* figure : {EDDIST2, EDDISTTRAV, EDCAMTRAV, EDORIZZ, EDPORTGEO, EDPORTEFF})
        figure->setValueKind(TAlignedEdit::TValueKind::vkFigure);

    connect(CALCTRAV, &tk::SpeedButton::clicked, this, &TForm9::CALCTRAVClick);
    connect(CALCLOX, &tk::SpeedButton::clicked, this, &TForm9::CALCLOXClick);
    connect(CALCFARO, &tk::SpeedButton::clicked, this, &TForm9::CALCFAROClick);
    connect(CALCFARI, &tk::SpeedButton::clicked, this, &TForm9::CALCFARIClick);
    connect(RVLOXCLEAR, &tk::SpeedButton::clicked, this, [this] {
        ClearCourse();
        LegInputChanged(EDRVLOX);
    });
    connect(DISTLOXCLEAR, &tk::SpeedButton::clicked, this, [this] { SPDISTLOX->setValue(0); });
    connect(POS1CLEAR, &tk::SpeedButton::clicked, this, [this] { EDPOS1->SetPosition(std::nullopt); });
    connect(POS2CLEAR, &tk::SpeedButton::clicked, this, [this] { EDPOS2->SetPosition(std::nullopt); });
    for (TPositionEdit* position : {EDPOS1, EDPOS2})
        connect(position, &TPositionEdit::PositionChanged, this, [this, position] { LegInputChanged(position); });
    connect(SPDISTLOX, &TNumEdit::OnChange, this, [this] { LegInputChanged(SPDISTLOX); });
    // A run typed is the run: the minutes that made the last one go.
    connect(SPCAMMINO, &TNumEdit::OnChange, this, [this] {
        if (!writing_)
            SPMINUTI->setValue(0);
    });
    const auto send = [this](const std::function<void(nav::Angle)>& to) {
        if (EDRVLOX->text().isEmpty())
            Refuse(tr("Dati insufficienti."));
        else if (to)
            to(course_);
    };
    connect(BTNPRORE, &tk::SpeedButton::clicked, this, [this, send] { send(links_.toProre); });
    connect(BTNCORRENTI, &tk::SpeedButton::clicked, this, [this, send] { send(links_.toCorrenti); });
    connect(EDCARATT, &QLineEdit::textEdited, this, &TForm9::CharacteristicTyped);
}

void TForm9::BuildKeyboard()
{
    for (auto* button : findChildren<tk::SpeedButton*>())
        button->setFocusPolicy(Qt::TabFocus);
    const std::vector<std::vector<QWidget*>> pages = {
        {EDRP1, EDRP2, SPCAMMINO, SPMINUTI, SPVELTRAV, CALCTRAV},
        {EDPOS1, POS1CLEAR, EDPOS2, POS2CLEAR, EDRVLOX, RVLOXCLEAR, SPDISTLOX, DISTLOXCLEAR, CALCLOX, BTNPRORE,
         BTNCORRENTI, EDFARO, EDRLFARO, SPDISTFARO, CALCFARO},
        {SPHOCCHIO, SPHFARO, SPPORTNOM, EDCARATT, CALCFARI},
    };
    for (const auto& order : pages)
        for (std::size_t i = 1; i < order.size(); ++i)
            setTabOrder(order[i - 1], order[i]);
    auto* calcola = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_C), this);
    connect(calcola, &QShortcut::activated, this, [this] {
        const auto* light = findChild<QWidget*>(QStringLiteral("GroupFARO"));
        const bool fromLight = focusWidget() && light->isAncestorOf(focusWidget());
        tk::SpeedButton* const buttons[] = {CALCTRAV, fromLight ? CALCFARO : CALCLOX, CALCFARI};
        buttons[PageControl9->currentIndex()]->click();
    });
}

void TForm9::LegInputChanged(const QObject* input)
{
    if (writing_)
        return;
    const LegResult result = std::exchange(legResult_, LegResult::None);
    // A position emptied leaves what was worked from it: the course and the
    // distance of a leg become the data of the arrival to be found.
    const auto* position = qobject_cast<const TPositionEdit*>(input);
    if (position && !position->Position())
        return;
    writing_ = true;
    if (result == LegResult::CourseAndDistance && (input == EDPOS1 || input == EDPOS2)) {
        ClearCourse();
        SPDISTLOX->setValue(0);
    } else if (result == LegResult::Arrival && input != EDPOS2) {
        EDPOS2->SetPosition(std::nullopt);
    }
    writing_ = false;
}

void TForm9::Open()
{
    RefreshCourse();
    tk::PlaceBesideFirstTime(this);
    show();
    raise();
    activateWindow();
}

void TForm9::EnterAngle(nav::Angle& value, TAlignedEdit* field, int highest)
{
    if (links_.enterAngle)
        links_.enterAngle(value, field, 0, highest);
}

void TForm9::EnterPosition(TPositionEdit* field)
{
    if (const auto position = positionEntry->Enter(field->Position(), field->TakeOpeningText()))
        field->SetPosition(position);
    field->setFocus();
}

void TForm9::Refuse(const QString& message)
{
    tk::platform().ErrorBox(this, message);
}

void TForm9::CALCTRAVClick()
{
    const auto minutes = SPMINUTI->ReadValue();
    const auto speed = minutes ? SPVELTRAV->ReadValue() : std::nullopt;
    const auto miles = speed ? SPCAMMINO->ReadValue() : std::nullopt;
    if (!miles)
        return;
    // The run from the clock and the log, when both are given, is the run.
    const bool timed = *minutes > 0 && *speed > 0;
    const double run = timed ? *speed * *minutes / kMinutesPerHour : *miles;
    if (EDRP1->text().isEmpty() || EDRP2->text().isEmpty() || !(run > 0)) {
        Refuse(tr("Dati insufficienti."));
        return;
    }
    const auto off = nav::DistanceOffFromBearings(rp1_, rp2_, run);
    if (!off) {
        Refuse(tr("Rilevamenti non validi."));
        return;
    }
    if (timed) {
        writing_ = true;
        SPCAMMINO->setValue(run);
        writing_ = false;
    }
    EDDIST2->setText(Miles(off->atSecond));
    EDDISTTRAV->setText(Miles(off->abeam));
    EDCAMTRAV->setText(Miles(std::abs(off->toAbeam)));
    LBCAMTRAV->setText(off->toAbeam < 0 ? tr("Traverso passato da") : tr("Cammino al traverso"));
    LBCAMTRAV->adjustSize();
    switch (nav::NamedRule(rp1_, rp2_)) {
    case nav::DistanceOffRule::DoubledAngle: LBREGOLA->setText(tr("Angolo doppio: distanza al 2° rilevamento = cammino.")); break;
    case nav::DistanceOffRule::FortyFiveAbeam: LBREGOLA->setText(tr("45° e traverso: distanza al traverso = cammino.")); break;
    case nav::DistanceOffRule::SevenTenths: LBREGOLA->setText(tr("22,5° e 45°: distanza al traverso \u2248 7/10 del cammino.")); break;
    case nav::DistanceOffRule::None: LBREGOLA->clear(); break;
    }
    SaveInputs();
    emit Solved(nav::WorkedDistanceOff({rp1_, rp2_, run, timed, *minutes, *speed}, *off, tk::NavLanguage()));
}

void TForm9::ShowCourse(nav::Angle course)
{
    course_ = course;
    EDRVLOX->setText(AngleText(course));
    if (!links_.fromTrue)
        return;
    const nav::Headings h = links_.fromTrue(course);
    EDRMLOX->setText(AngleText(h.magnetic));
    EDRBLOX->setText(AngleText(h.compass));
}

void TForm9::RefreshCourse()
{
    if (!EDRVLOX->text().isEmpty())
        ShowCourse(course_);
}

std::optional<nav::CourseConversion> TForm9::Conversion(nav::Angle course) const
{
    if (!links_.fromTrue)
        return std::nullopt;
    return nav::CourseConversion{course, links_.fromTrue(course)};
}

void TForm9::ClearCourse()
{
    for (TAlignedEdit* field : {EDRVLOX, EDRMLOX, EDRBLOX})
        field->clear();
    course_ = 0;
}

void TForm9::CALCLOXClick()
{
    const auto miles = SPDISTLOX->ReadValue();
    if (!miles)
        return;
    const auto from = EDPOS1->Position();
    const auto to = EDPOS2->Position();
    if (from && to) {
        const nav::RhumbLeg leg = nav::RhumbBetween(*from, *to);
        writing_ = true;
        ShowCourse(leg.course);
        SPDISTLOX->setValue(leg.miles);
        writing_ = false;
        legResult_ = LegResult::CourseAndDistance;
        emit Solved(nav::WorkedRhumbBetween(*from, *to, leg, Conversion(leg.course), tk::NavLanguage()));
    } else if (from && !EDRVLOX->text().isEmpty() && *miles > 0) {
        const auto reached = nav::RhumbDestination(*from, course_, *miles);
        if (!reached) {
            Refuse(tr("La rotta passa per il polo."));
            return;
        }
        writing_ = true;
        EDPOS2->SetPosition(reached);
        writing_ = false;
        ShowCourse(course_);
        legResult_ = LegResult::Arrival;
        emit Solved(nav::WorkedRhumbArrival(*from, course_, *miles, *reached, Conversion(course_), tk::NavLanguage()));
    } else {
        Refuse(tr("Dati insufficienti."));
        return;
    }
    SaveInputs();
}

void TForm9::CALCFAROClick()
{
    const auto miles = SPDISTFARO->ReadValue();
    if (!miles)
        return;
    const auto light = EDFARO->Position();
    if (!light || EDRLFARO->text().isEmpty() || !(*miles > 0)) {
        Refuse(tr("Dati insufficienti."));
        return;
    }
    const auto boat = nav::PositionFromLight(*light, lightBearing_, *miles);
    if (!boat) {
        Refuse(tr("La rotta passa per il polo."));
        return;
    }
    EDPOS1->SetPosition(boat);
    SaveInputs();
    emit Solved(nav::WorkedPositionFromLight(*light, lightBearing_, *miles, *boat, tk::NavLanguage()));
}

std::optional<nav::LightCharacteristic> TForm9::DescribeCharacteristic(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        LBCARATT->clear();
        return std::nullopt;
    }
    const auto light = nav::ReadCharacteristic(text.toStdString());
    if (!light) {
        LBCARATT->setText(tr("Caratteristica non riconosciuta."));
        return std::nullopt;
    }
    LBCARATT->setText(QString::fromStdString(
        nav::DescribeCharacteristic(*light, tk::NavLanguage(), tk::DecimalSeparator().toLatin1())));
    return light;
}

void TForm9::CharacteristicTyped(const QString& text)
{
    const auto light = DescribeCharacteristic(text);
    if (light && light->height)
        SPHFARO->setValue(*light->height);
    if (light && light->range)
        SPPORTNOM->setValue(*light->range);
}

void TForm9::CALCFARIClick()
{
    const auto eye = SPHOCCHIO->ReadValue();
    const auto height = eye ? SPHFARO->ReadValue() : std::nullopt;
    const auto nominal = height ? SPPORTNOM->ReadValue() : std::nullopt;
    if (!nominal)
        return;
    if (!(*height > 0)) {
        Refuse(tr("Dati insufficienti."));
        return;
    }
    const double geographic = nav::GeographicRange(*eye, *height);
    EDORIZZ->setText(Miles(nav::HorizonDistance(*eye)));
    EDPORTGEO->setText(Miles(geographic));
    // A light is seen no farther than its own power carries, nor beyond the horizon.
    EDPORTEFF->setText(Miles(*nominal > 0 ? std::min(geographic, *nominal) : geographic));
    SaveInputs();
    emit Solved(nav::WorkedLightRange(*eye, *height, *nominal, tk::NavLanguage()));
}

void TForm9::hideEvent(QHideEvent* event)
{
    SaveInputs();
    QDialog::hideEvent(event);
}

std::vector<std::pair<const char*, TSpinNumEdit*>> TForm9::Numbers() const
{
    return {{"run", SPCAMMINO},       {"minutes", SPMINUTI}, {"speed", SPVELTRAV},  {"distance", SPDISTLOX},
            {"lightDistance", SPDISTFARO}, {"eye", SPHOCCHIO}, {"height", SPHFARO}, {"nominal", SPPORTNOM}};
}

void TForm9::SaveInputs()
{
    if (!memory_)
        return;
    QSettings& m = *memory_;
    const auto angle = [&m](const char* name, const TAlignedEdit* field, nav::Angle value) {
        if (field->text().isEmpty())
            m.remove(Key(name));
        else
            m.setValue(Key(name), value);
    };
    angle("rp1", EDRP1, rp1_);
    angle("rp2", EDRP2, rp2_);
    angle("course", EDRVLOX, course_);
    angle("lightBearing", EDRLFARO, lightBearing_);
    const auto position = [&m](const char* name, const TPositionEdit* field) {
        if (const auto p = field->Position())
            m.setValue(Key(name), QStringList{QString::number(p->latitude, 'g', 17), QString::number(p->longitude, 'g', 17)});
        else
            m.remove(Key(name));
    };
    position("start", EDPOS1);
    position("arrival", EDPOS2);
    position("light", EDFARO);
    for (const auto& [name, spin] : Numbers())
        m.setValue(Key(name), ReadNumberText(spin->text()).value_or(0.0));
    m.setValue(Key("characteristic"), EDCARATT->text());
    m.sync();
}

void TForm9::LoadInputs()
{
    if (!memory_)
        return;
    writing_ = true;
    const QSettings& m = *memory_;
    // Any content is safe: a value beyond its field's range is left out.
    const auto angle = [&m](const char* name, TAlignedEdit* field, nav::Angle& value, nav::Angle largest) {
        bool ok = false;
        const int stored = m.value(Key(name)).toInt(&ok);
        if (!ok || stored < 0 || stored > largest)
            return;
        value = stored;
        field->setText(AngleText(stored));
    };
    angle("rp1", EDRP1, rp1_, kHalfCircleDegrees * nav::kSecondsPerDegree);
    angle("rp2", EDRP2, rp2_, kHalfCircleDegrees * nav::kSecondsPerDegree);
    angle("lightBearing", EDRLFARO, lightBearing_, nav::kFullCircle - 1);
    const auto position = [&m](const char* name, TPositionEdit* field) {
        const QStringList parts = m.value(Key(name)).toStringList();
        bool latOk = false;
        bool lonOk = false;
        if (parts.size() == 2) {
            const double latitude = parts[0].toDouble(&latOk);
            const double longitude = parts[1].toDouble(&lonOk);
            if (latOk && lonOk)
                field->SetPosition(nav::GeoPosition{latitude, longitude});
        }
    };
    position("start", EDPOS1);
    position("arrival", EDPOS2);
    position("light", EDFARO);
    for (const auto& [name, spin] : Numbers()) {
        bool ok = false;
        const double value = m.value(Key(name)).toDouble(&ok);
        if (ok && std::isfinite(value))
            spin->setValue(std::clamp(value, 0.0, spin->MaxValue()));
    }
    const QString characteristic = m.value(Key("characteristic")).toString().left(EDCARATT->maxLength());
    EDCARATT->setText(characteristic);
    DescribeCharacteristic(characteristic);  // the heights kept stay as they were
    bool ok = false;
    const int course = m.value(Key("course")).toInt(&ok);
    if (ok && course >= 0 && course < nav::kFullCircle)
        ShowCourse(course);
    writing_ = false;
}
