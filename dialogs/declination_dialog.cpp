#include "dialogs/declination_dialog.h"

#include "dialogs/position_dialog.h"
#include "nav/declination.h"
#include "nav/worked_tools.h"
#include "toolkit/accessible_names.h"
#include "toolkit/color.h"
#include "toolkit/form_layout.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/whole_file.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr int kEast = -1;
constexpr int kWest = +1;
constexpr int kAumento = +1;
constexpr int kDiminuzione = -1;

// The side an E/W pair of radio buttons gives.
int SideOf(const QRadioButton* east)
{
    return east->isChecked() ? kEast : kWest;
}

// Shows a choice already stored: the button's handler does not run.
void ShowChecked(QRadioButton* button)
{
    const QSignalBlocker quiet(button);
    button->setChecked(true);
}

// Two-digit years are this century's.
constexpr int kCentury = 2000;
constexpr int kTwoDigitYears = 100;

constexpr int kBaseMaxDegrees = 90;
constexpr int kChangeMaxDegrees = 10;

// The file holds four short lines; more than this is not a settings file.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

QString AngleText(nav::Angle a)
{
    return QString::fromStdString(nav::FormatAngle(a));
}

QString DeclinationText(nav::Angle a)
{
    return QString::fromStdString(nav::FormatDeclination(a));
}

// nav has no Qt: its Italian refusals are named here for the translation
// tools. The platform's conversion texts are not among them and stay as
// they are.
const char* const kNavTexts[] = {
    QT_TRANSLATE_NOOP("nav", "Declinazione fuori limite in ORVAN_INI.INI"),
};

QString NavText(const std::string& text)
{
    for (const char* known : kNavTexts) {
        if (text == known)
            return QCoreApplication::translate("nav", known);
    }
    return QString::fromStdString(text);
}

}  // namespace

TForm4::TForm4(DeclinationValues& values, EntryHandOff& handOff, AngleDialog openAngleDialog,
               TAlignedEdit* mainDeclination, QWidget* parent, QSettings* positionMemory)
    : EntryDialog(parent)
    , values_(values)
    , handOff_(handOff)
    , openAngleDialog_(std::move(openAngleDialog))
    , mainDeclination_(mainDeclination)
{
    BuildLayout();
    Form5 = new TForm5(positionMemory, this);
    ConnectHandlers();
    FormCreate();
}

void TForm4::ConnectHandlers()
{
    connect(SPANNOBASE, &TNumEdit::OnChange, this, &TForm4::SPANNOBASEChange);
    connect(SPANNOCORR, &TNumEdit::OnChange, this, &TForm4::SPANNOCORRChange);
    // A radio button's handler runs when it becomes selected, by a click or by program.
    const auto onSelect = [this](QRadioButton* button, void (TForm4::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelect(RBEST, &TForm4::RBESTClick);
    onSelect(RBWEST, &TForm4::RBWESTClick);
    onSelect(RBAUM, &TForm4::RBAUMClick);
    onSelect(RBDIMIN, &TForm4::RBDIMINClick);
    onSelect(RBVERSOE, &TForm4::RBVERSOEClick);
    onSelect(RBVERSOW, &TForm4::RBVERSOWClick);
    onSelect(RBDACARTA, &TForm4::RBDACARTAClick);
    onSelect(RBNOTA, &TForm4::RBNOTAClick);
    // Only the user's own choice says which pair of the annual change is the given one.
    for (QRadioButton* sense : {RBAUM, RBDIMIN})
        connect(sense, &QRadioButton::clicked, this, [this] { towardChosen_ = false; });
    for (QRadioButton* toward : {RBVERSOE, RBVERSOW})
        connect(toward, &QRadioButton::clicked, this, [this] { towardChosen_ = true; });
    for (TAlignedEdit* field : {EDDECLIBASE, EDDELTADECLI, EDDECLREAL})
        toolkit::SetEntryHint(field, toolkit::Entry::Angle);
    connect(EDDECLIBASE, &TAlignedEdit::OnClick, this, &TForm4::EDDECLIBASEClick);
    connect(EDDELTADECLI, &TAlignedEdit::OnClick, this, &TForm4::EDDELTADECLIClick);
    connect(EDDECLREAL, &TAlignedEdit::OnClick, this, &TForm4::EDDECLREALClick);
    connect(CALCDECLREAL, &toolkit::SpeedButton::clicked, this, &TForm4::CALCDECLREALClick);
    connect(SpeedButton1, &toolkit::SpeedButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(DECLIOK, &toolkit::SpeedButton::clicked, this, &TForm4::DECLIOKClick);
    connect(DECLIABO, &toolkit::SpeedButton::clicked, this, &TForm4::DECLIABOClick);
    connect(WMMDECL, &toolkit::SpeedButton::clicked, this, &TForm4::WMMDECLClick);
}

void TForm4::FormCreate()
{
    int year = QDate::currentDate().year();
    if (year < kTwoDigitYears)
        year += kCentury;
    values_.valANNOCORR = year;
    SPANNOCORR->setValue(year);
    const bool loaded = LoadSettings();
    if (loaded) {
        ComputeDeclination();
        values_.valDECL = values_.valDECLREAL;
    }
    // Also after a failure: the panel shows what the calculations apply.
    ShowApplied();
}

void TForm4::ShowApplied()
{
    if (mainDeclination_)
        mainDeclination_->setText(DeclinationText(values_.valDECL));
}

bool TForm4::Known() const
{
    return RBNOTA->isChecked();
}

bool TForm4::ComputeDeclination()
{
    const auto declination = Known()
                                 ? std::optional<nav::Angle>(SideOf(RBEST) * knownMagnitude_)
                                 : nav::ComputeDeclination(values_.Chart());
    if (!declination) {
        toolkit::platform().ErrorBox(this, tr("Valore fuori limite !"));
        return false;
    }
    values_.valDECLREAL = *declination;
    EDDECLREAL->setText(DeclinationText(values_.valDECLREAL));
    return true;
}

bool TForm4::LoadSettings()
{
    QFile file(values_.settingsPath);
    if (!file.exists())
        return SaveSettings(values_.Chart());
    if (!file.open(QIODevice::ReadOnly)) {
        toolkit::platform().ShowException(
            this, tr("Impossibile leggere %1: %2").arg(values_.settingsPath, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(kMaxSettingsBytes);
    const nav::SettingsRead read =
        nav::ReadSettings(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!read.chart) {
        toolkit::platform().ShowException(this, NavText(read.error));
        return false;
    }
    const nav::ChartDeclination& chart = *read.chart;
    // The years are kept as the file has them, also beyond the spin edits'
    // range: the boxes show them first, so that their handlers, which bring
    // a typed year within the range, do not touch them.
    SPANNOBASE->setValue(chart.baseYear);
    SPANNOCORR->setValue(chart.currentYear);
    values_.SetChart(chart);
    return true;
}

bool TForm4::SaveSettings(const nav::ChartDeclination& chart)
{
    const std::string text = nav::WriteSettings(chart);
    const QString failure = toolkit::WriteWholeFile(
        values_.settingsPath, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!failure.isEmpty()) {
        toolkit::platform().ShowException(this, tr("Impossibile scrivere %1: %2").arg(values_.settingsPath, failure));
        return false;
    }
    return true;
}

void TForm4::Open()
{
    // With "Nota" E/W tell the known declination's side, not the chart's.
    if (!Known())
        ShowChartData();
    ComputeDeclination();
    lastChart_ = {};
    exec();
}

void TForm4::ShowChartData()
{
    SPANNOBASE->setValue(values_.valANNOBASE);
    EDDECLIBASE->setText(AngleText(values_.valDECLIBASE));
    ShowChecked(values_.signDECLIBASE < 0 ? RBEST : RBWEST);
    EDDELTADECLI->setText(AngleText(values_.valDELTADECLI));
    ShowChangeSense();
}

void TForm4::ShowChangeSense()
{
    ShowChecked(values_.signDELTADECLI < 0 ? RBDIMIN : RBAUM);
    ShowChecked(nav::ChangeToward(values_.signDECLIBASE, values_.signDELTADECLI) < 0 ? RBVERSOE : RBVERSOW);
}

int TForm4::YearOf(double value)
{
    return static_cast<int>(nav::RoundHalfEven(std::clamp(value, double{nav::kFirstYear}, double{nav::kLastYear})));
}

void TForm4::SPANNOBASEChange()
{
    if (const auto year = SPANNOBASE->ReadValue())
        values_.valANNOBASE = YearOf(*year);
}

void TForm4::SPANNOCORRChange()
{
    if (const auto year = SPANNOCORR->ReadValue())
        values_.valANNOCORR = YearOf(*year);
}

void TForm4::RBESTClick() { BaseSideClick(kEast); }
void TForm4::RBWESTClick() { BaseSideClick(kWest); }

void TForm4::BaseSideClick(int side)
{
    if (Known()) {
        ComputeDeclination();
        return;
    }
    values_.signDECLIBASE = side;
    if (towardChosen_)
        values_.signDELTADECLI = nav::ChangeSignToward(side, SideOf(RBVERSOE));
    ShowChangeSense();
}

void TForm4::RBAUMClick()
{
    values_.signDELTADECLI = kAumento;
    ShowChangeSense();
}

void TForm4::RBDIMINClick()
{
    values_.signDELTADECLI = kDiminuzione;
    ShowChangeSense();
}

void TForm4::RBVERSOEClick() { TowardClick(kEast); }
void TForm4::RBVERSOWClick() { TowardClick(kWest); }

void TForm4::TowardClick(int side)
{
    values_.signDELTADECLI = nav::ChangeSignToward(values_.signDECLIBASE, side);
    ShowChangeSense();
}

void TForm4::RBDACARTAClick()
{
    ShowDeclinationSource();
    ShowChecked(values_.signDECLIBASE < 0 ? RBEST : RBWEST);
    ComputeDeclination();
}

void TForm4::RBNOTAClick()
{
    // It starts from the declination shown: nothing changes until a new one is entered.
    knownMagnitude_ = std::abs(values_.valDECLREAL);
    ShowDeclinationSource();
    ShowChecked(values_.valDECLREAL < 0 ? RBEST : RBWEST);
    ComputeDeclination();
}

void TForm4::ShowDeclinationSource()
{
    const bool fromChart = !Known();
    for (QWidget* control : std::initializer_list<QWidget*>{Label1, SPANNOBASE, Label4, SPANNOCORR, EDDECLIBASE,
                                                            GroupBox2, CALCDECLREAL, WMMDECL})
        control->setEnabled(fromChart);
    // Their captions have one colour in every state: a disabled one is greyed here.
    for (QWidget* captioned : std::initializer_list<QWidget*>{Label1, Label4, GroupBox2})
        toolkit::SetTextColor(captioned, fromChart ? toolkit::clWindowText : toolkit::clGrayText);
}

void TForm4::EDDECLIBASEClick()
{
    handOff_.entryValue = &values_.valDECLIBASE;
    handOff_.entryField = EDDECLIBASE;
    handOff_.entryTyped = EDDECLIBASE->TakeOpeningText();
    openAngleDialog_(0, kBaseMaxDegrees);
}

void TForm4::EDDELTADECLIClick()
{
    handOff_.entryValue = &values_.valDELTADECLI;
    handOff_.entryField = EDDELTADECLI;
    handOff_.entryTyped = EDDELTADECLI->TakeOpeningText();
    openAngleDialog_(0, kChangeMaxDegrees);
}

void TForm4::EDDECLREALClick()
{
    // Computed from the chart, it is entered only as "Nota".
    const QString typed = EDDECLREAL->TakeOpeningText();
    if (!Known()) {
        toolkit::platform().Beep();
        return;
    }
    handOff_.entryValue = &knownMagnitude_;
    // The field shows the side too: it is written once the modal angle dialog is closed.
    handOff_.entryField = nullptr;
    handOff_.entryTyped = typed;
    openAngleDialog_(0, kBaseMaxDegrees);
    ComputeDeclination();
}

void TForm4::ShowStoredYears()
{
    for (auto [spin, year] : {std::pair{SPANNOBASE, values_.valANNOBASE}, std::pair{SPANNOCORR, values_.valANNOCORR}}) {
        if (ReadNumberText(spin->text()) == static_cast<double>(year))
            continue;
        spin->setValue(year);
        toolkit::platform().Beep();
    }
}

bool TForm4::Calculate()
{
    ShowStoredYears();
    return ComputeDeclination();
}

void TForm4::CALCDECLREALClick()
{
    if (Calculate())
        AnnounceChart();
}

void TForm4::AnnounceChart()
{
    // A declination entered as known is no calculation.
    if (Known())
        return;
    nav::Worked worked = nav::WorkedChartDeclination(values_.Chart(), values_.valDECLREAL, toolkit::NavLanguage());
    // "Calcola" and then "CONFERMA" on the same data are one calculation.
    if (worked == lastChart_)
        return;
    lastChart_ = std::move(worked);
    emit Solved(lastChart_);
}

void TForm4::SpeedButton1Click()
{
    ShowStoredYears();
    if (!Known()) {
        SaveSettings(values_.Chart());
        return;
    }
    // A known declination is kept as a chart's of the current year with no
    // change; it becomes the chart's data only once it is written.
    const nav::ChartDeclination known{values_.valANNOCORR, values_.valANNOCORR, knownMagnitude_,
                                      SideOf(RBEST), 0, kAumento};
    if (!SaveSettings(known))
        return;
    values_.SetChart(known);
    ShowChartData();
}

void TForm4::DECLIOKClick()
{
    // What is applied is what the data on screen give, "Calcola" pressed or not.
    if (!Calculate())
        return;
    AnnounceChart();
    const bool changed = values_.valDECL != values_.valDECLREAL;
    values_.valDECL = values_.valDECLREAL;
    ShowApplied();
    accept();
    if (changed)
        emit DeclinationApplied();
}

void TForm4::DECLIABOClick()
{
    reject();
}

void TForm4::WMMDECLClick()
{
    const std::optional<ChartFields> chart = Form5->Open();
    if (!chart)
        return;
    ShowChart(*chart);
    const std::optional<PositionEntry> entry = Form5->Entry();
    if (!Calculate() || !entry)
        return;
    const nav::GeoPosition position{entry->south ? -entry->latitude : entry->latitude,
                                    entry->west ? -entry->longitude : entry->longitude};
    // The chart's data are the model's: "CONFERMA" on them adds nothing.
    lastChart_ = nav::WorkedChartDeclination(values_.Chart(), values_.valDECLREAL, toolkit::NavLanguage());
    emit Solved(nav::WorkedModelDeclination(position, Form5->DTDATA->date().toString(Qt::ISODate).toStdString(), values_.Chart(),
                                            toolkit::NavLanguage()));
}

void TForm4::ShowChart(const ChartFields& chart)
{
    values_.SetChart({chart.year, chart.year, chart.base, chart.baseSign, chart.change, chart.changeSign});
    SPANNOCORR->setValue(chart.year);
    ShowChartData();
}
