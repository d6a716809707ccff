#include "app/main_window.h"

#include "dialogs/speed_entry.h"
#include "nav/value_text.h"
#include "toolkit/accessible_names.h"
#include "toolkit/color_scheme.h"
#include "toolkit/first_paint.h"
#include "toolkit/image.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/string_grid.h"
#include "toolkit/text_format.h"
#include "toolkit/up_down.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kExitTab = 5;
constexpr int kFirstTab = 0;

constexpr int kHalfCircleDegrees = 180;


}  // namespace

TForm1::TForm1(NavState& state, const QString& appFolder, QWidget* parent)
    : TForm1(state, appFolder.isEmpty() ? SystemDataPlaces() : PortableDataPlaces(appFolder), Startup::AtOnce,
             parent)
{
}

TForm1::TForm1(NavState& state, const DataPlaces& places, Startup startup, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , places_(places)
{
    BuildLayout();
    ConnectHandlers();
    FormCreate();
    if (startup == Startup::AtOnce)
        BuildPages();
    else
        toolkit::AfterFirstPaint(this, [this] { BuildPages(); });
}

void TForm1::ConnectHandlers()
{
    connect(SBEXIT, &toolkit::SpeedButton::clicked, this, &TForm1::SBEXITClick);
    connect(NIGHTMODE, &toolkit::SpeedButton::clicked, this, &TForm1::NIGHTMODEClick);
    connect(&toolkit::ColorScheme::instance(), &toolkit::ColorScheme::NightChanged, NIGHTMODE,
            &toolkit::SpeedButton::setChecked);
    connect(SplashTimer, &QTimer::timeout, this, &TForm1::SplashTimerTimer);

    // A tab's OnShow runs each time the page becomes visible.
    for (QWidget* page : {TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet6})
        page->installEventFilter(this);
}

void TForm1::ConnectPageHandlers()
{
    const auto onClick = [this](const char* name, void (TForm1::*handler)()) {
        auto* field = findChild<TAlignedEdit*>(QString::fromLatin1(name));
        const bool speed = field == EDVPCOR || field == EDVCOR || field == EDVECOR;
        toolkit::SetEntryHint(field, speed ? toolkit::Entry::Speed : toolkit::Entry::Angle);
        connect(field, &TAlignedEdit::OnClick, this, handler);
    };
    onClick("EDPB", &TForm1::EDPBClick);
    onClick("EDPM", &TForm1::EDPMClick);
    onClick("EDPV", &TForm1::EDPVClick);
    onClick("EDPBR", &TForm1::EDPBRClick);
    onClick("EDRB", &TForm1::EDRBClick);
    onClick("EDRV", &TForm1::EDRVClick);
    onClick("EDPVC", &TForm1::EDPVCClick);
    onClick("EDRVC", &TForm1::EDRVCClick);
    onClick("EDRP", &TForm1::EDRPClick);
    onClick("EDPVCOR", &TForm1::EDPVCORClick);
    onClick("EDDCOR", &TForm1::EDDCORClick);
    onClick("EDRVCOR", &TForm1::EDRVCORClick);
    onClick("EDVPCOR", &TForm1::EDVPCORClick);
    onClick("EDVCOR", &TForm1::EDVCORClick);
    onClick("EDVECOR", &TForm1::EDVECORClick);
    onClick("EDDEVIAZ", &TForm1::EDDEVIAZClick);
    onClick("EDDEVVB", &TForm1::EDDEVVBClick);
    onClick("EDSCAR", &TForm1::EDSCARClick);
    MarkValueFields();
    for (QRadioButton* mode : {RBCIRC, RBSEMIDX, RBSEMISX})
        connect(mode, &QRadioButton::toggled, this, [this] {
            const DegreeRange range = PolarDegrees();
            EDRP->setValueRange(range.lowest, range.highest);
        });

    const auto onButton = [this](const char* name, void (TForm1::*handler)()) {
        auto* button = findChild<toolkit::SpeedButton*>(QString::fromLatin1(name));
        connect(button, &toolkit::SpeedButton::clicked, this, handler);
    };
    onButton("PBCLEAR", &TForm1::PBCLEARClick);
    onButton("PMCLEAR", &TForm1::PMCLEARClick);
    onButton("PVCLEAR", &TForm1::PVCLEARClick);
    onButton("RBCLEAR", &TForm1::RBCLEARClick);
    onButton("RVCLEAR", &TForm1::RVCLEARClick);
    onButton("PVCCLEAR", &TForm1::PVCCLEARClick);
    onButton("RVCCLEAR", &TForm1::RVCCLEARClick);
    onButton("RPCLEAR", &TForm1::RPCLEARClick);
    onButton("CLEARPVCOR", &TForm1::CLEARPVCORClick);
    onButton("CLEARDCOR", &TForm1::CLEARDCORClick);
    onButton("CLEARRVCOR", &TForm1::CLEARRVCORClick);
    onButton("CLEARSCAR", &TForm1::CLEARSCARClick);
    onButton("DEVCLEAR", &TForm1::DEVCLEARClick);
    onButton("DEVVBCLEAR", &TForm1::DEVVBCLEARClick);
    onButton("AZZERAPRORE", &TForm1::AZZERAPROREClick);
    onButton("AZZERARIL", &TForm1::AZZERARILClick);
    onButton("AZZERAPOL", &TForm1::AZZERAPOLClick);
    onButton("AZZERACOR", &TForm1::AZZERACORClick);
    onButton("CALCPRORE", &TForm1::CALCPROREClick);
    onButton("CALCVB", &TForm1::CALCVBClick);
    onButton("CALCPOL", &TForm1::CALCPOLClick);
    onButton("CALCCOR", &TForm1::CALCCORClick);
    onButton("USADATI", &TForm1::USADATIClick);
    onButton("CALCCT", &TForm1::CALCCTClick);
    onButton("CALCVM", &TForm1::CALCVMClick);
    onButton("CALCTT", &TForm1::CALCTTClick);
    onButton("CALCHP", &TForm1::CALCHPClick);
    onButton("CALCCS", &TForm1::CALCCSClick);
    onButton("CALCAUTO", &TForm1::CALCAUTOClick);
    onButton("CALCLH", &TForm1::CALCLHClick);
    onButton("BTNMODIFICA", &TForm1::BTNMODIFICAClick);
    onButton("BTNGIRO", &TForm1::BTNGIROClick);
    onButton("BTNCURVA", &TForm1::BTNCURVAClick);

    connect(SETDECLI, &toolkit::SpeedButton::clicked, this, &TForm1::SETDECLIClick);
    connect(SPMIN, &toolkit::UpDown::Click, this, &TForm1::SPMINClick);
    connect(SPORE, &toolkit::UpDown::Click, this, &TForm1::SPOREClick);
    connect(EDTT, &QLineEdit::textEdited, this, &TForm1::TimeTyped);
    EDTT->installEventFilter(this);
    ConnectDepartureAndFuel();
    BuildKeyboard();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A line edit would take Ctrl+K for itself (delete to the end of the line);
    // the windows' shortcuts come first in every field.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
        if (key == kCoastalShortcut || key == kWorksheetShortcut || key == kOnboardShortcut)
            return true;
    }
    if (watched == EDTT && event->type() == QEvent::KeyPress && TimeKey(static_cast<QKeyEvent*>(event)))
        return true;
    // Left for another field or button, not for another window: the time as it holds.
    if (watched == EDTT && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            TypedTime();
    }
    // A click selects the hours or the minutes, so that digits typed next replace them.
    if (SPPART && watched == SPPART->findChild<QLineEdit*>() && event->type() == QEvent::MouseButtonRelease)
        SPPART->setSelectedSection(SPPART->currentSection());
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        if (watched == TabSheet6)
            TabSheet6Show();
        else if (watched == TabSheet1 || watched == TabSheet2 || watched == TabSheet3
                 || watched == TabSheet4)
            TabSheet1Show();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::BuildKeyboard()
{
    for (auto* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    // Buttons are reached with Tab, and a click still leaves the focus where it was.
    for (auto* button : findChildren<toolkit::SpeedButton*>())
        button->setFocusPolicy(Qt::TabFocus);
    // Reading order, tab after tab: each row's field, its clear button, then "Calcola".
    static const char* const order[] = {
        "BORDO", "REGISTRO", "COSTIERA", "NIGHTMODE",
        "EDPB", "PBCLEAR", "EDPM", "PMCLEAR", "EDPV", "PVCLEAR", "EDDEVIAZ", "DEVCLEAR", "AZZERAPRORE", "CALCPRORE",
        "PageControl2",
        "EDPBR", "EDRB", "RBCLEAR", "EDRV", "RVCLEAR", "EDDEVVB", "DEVVBCLEAR", "AZZERARIL", "CALCVB",
        "EDPVC", "PVCCLEAR", "EDRP", "RPCLEAR", "EDRVC", "RVCCLEAR", "RBCIRC", "RBSEMIDX", "RBSEMISX", "AZZERAPOL",
        "CALCPOL",
        "EDPVCOR", "EDVPCOR", "CLEARPVCOR", "EDDCOR", "EDVCOR", "CLEARDCOR", "EDRVCOR", "EDVECOR", "CLEARRVCOR",
        "EDSCAR", "CLEARSCAR", "AZZERACOR", "CALCCOR", "USADATI",
        "SPCT", "CALCCT", "SPVM", "CALCVM", "EDTT", "CALCTT", "SPPART", "EDARRIVO", "SPHP", "CALCHP", "SPCS",
        "CALCCS", "SPLH", "CALCLH", "SPAUTO", "CALCAUTO", "EDAUTO30", "CBCARB", "SPDENS",
        "SGDEV", "BTNMODIFICA", "BTNGIRO", "BTNCURVA",
        "EDDECL", "SETDECLI", "SBEXIT",
    };
    QWidget* previous = PageControl1;
    for (const char* name : order) {
        auto* next = findChild<QWidget*>(QString::fromLatin1(name));
        if (!next)
            continue;
        setTabOrder(previous, next);
        previous = next;
    }
    auto* calcola = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_C), this);
    connect(calcola, &QShortcut::activated, this, [this] {
        if (!PressCalcola())
            toolkit::platform().Beep();
    });
}

void TForm1::FormCreate()
{
    state_.appFolder = QDir::cleanPath(places_.executableFolder) + QLatin1Char('/');
    const DataFiles files = LocateDataFiles(places_);
    state_.settingsPath = files.settingsPath;
    state_.deviationPath = files.deviationPath;
    if (!files.missingTable.isEmpty())
        toolkit::platform().ErrorBox(this, tr("La tabella deviazioni in uso non c'è più:\n%1\nSi usa invece %2.")
                                               .arg(QDir::toNativeSeparators(files.missingTable),
                                                    QDir::toNativeSeparators(files.deviationPath)));
    PageControl1->setCurrentIndex(kExitTab);
    SplashTimer->start();
    LoadDeviationTable();
}

void TForm1::LoadDeviationTable()
{
    gridShowsTable_ = false;
    state_.deviationLoaded = true;
    const QString& path = state_.deviationPath;
    const QFileInfo info(path);
    if (!info.exists()) {
        toolkit::platform().ErrorBox(
            this, tr("Manca file TABELLA DEVIAZIONI\n%1").arg(QDir::toNativeSeparators(info.absolutePath())));
        state_.deviationLoaded = false;
        return;
    }
    state_.deviationTable = nav::DeviationTable{};
    if (!info.isFile()) {
        toolkit::platform().ShowException(
            this, tr("Impossibile leggere il file TABELLA DEVIAZIONI: '%1' non è un file.")
                      .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (info.size() > nav::kMaxDeviationFileBytes) {
        toolkit::platform().ShowException(
            this, tr("File TABELLA DEVIAZIONI troppo grande (%1 byte): non è una tabella.")
                      .arg(info.size()));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        toolkit::platform().ShowException(
            this, tr("Impossibile leggere il file TABELLA DEVIAZIONI: %1")
                      .arg(file.errorString()));
        return;
    }
    const QByteArray bytes = file.read(nav::kMaxDeviationFileBytes);
    const nav::DeviationParse parsed =
        nav::ParseDeviationTable(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    state_.deviationTable = parsed.table;
    if (parsed.error) {
        toolkit::platform().ShowException(this, QString::fromStdString(*parsed.error));
        return;
    }
    gridShowsTable_ = true;
    FillDeviationGrid();
}

void TForm1::ShowTableInUse()
{
    if (!LBTABELLA)
        return;
    const QString name = QFileInfo(state_.deviationPath).fileName();
    LBTABELLA->setText(LBTABELLA->fontMetrics().elidedText(name, Qt::ElideMiddle, LBTABELLA->width()));
    LBTABELLA->setToolTip(QDir::toNativeSeparators(state_.deviationPath));
}

void TForm1::FillDeviationGrid()
{
    ShowTableInUse();
    if (!SGDEV || !gridShowsTable_)
        return;
    const nav::DeviationTable& table = state_.deviationTable;
    SGDEV->setRowCount(table.count + 1);
    SGDEV->SetCell(0, 0, tr("   Pb"));
    SGDEV->SetCell(1, 0, tr("  Dev"));
    SGDEV->SetCell(2, 0, tr("   Pm"));
    const QString cellFormat = QString::fromUtf8("%-3.1f °");
    for (int i = 0; i < table.count; ++i) {
        const nav::DeviationRow& row = table.rows[static_cast<std::size_t>(i)];
        SGDEV->SetCell(0, i + 1, toolkit::Format(cellFormat, {row.Pb}));
        SGDEV->SetCell(1, i + 1, toolkit::Format(cellFormat, {row.Dev}));
        SGDEV->SetCell(2, i + 1, toolkit::Format(cellFormat, {row.Pm}));
    }
}

void TForm1::SplashTimerTimer()
{
    SplashTimer->stop();
    BuildPages();
    PageControl1->setCurrentIndex(kFirstTab);
    Panel1->show();
    EDPB->setFocus(Qt::OtherFocusReason);  // the keyboard starts at the first field
}

void TForm1::TabSheet1Show()
{
    BuildPages();  // a tab chosen before they were due
    Panel1->show();
    SBEXIT->hide();
    if (!state_.deviationLoaded)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::TabSheet6Show()
{
    if (Panel1)
        Panel1->hide();
    SBEXIT->show();
}

void TForm1::SBEXITClick()
{
    if (toolkit::platform().ConfirmBox(this, tr("Esco dal programma ? ")))
        close();
}

void TForm1::SETDECLIClick()
{
    emit DeclinationDialogRequested();
}

void TForm1::NIGHTMODEClick()
{
    toolkit::ColorScheme::instance().setNight(NIGHTMODE->isChecked());
}

void TForm1::BTNMODIFICAClick()
{
    emit DeviationEditorRequested();
}

void TForm1::BTNGIROClick()
{
    emit CompassSwingRequested();
}

void TForm1::BTNCURVAClick()
{
    emit DeviationCurveRequested();
}

QString TForm1::DeviationSavePath() const
{
    return ::DeviationSavePath(places_, state_.deviationPath);
}

void TForm1::DeviationTableSaved(const QString& path)
{
    state_.deviationPath = path;
    LoadDeviationTable();
    RecomputeCorrections();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
}

void TForm1::OpenAngleDialog(int lowest, int highest)
{
    emit AngleDialogRequested(lowest, highest);
}

bool TForm1::OpenEntryDialog(TAlignedEdit* field, const std::function<void()>& open)
{
    state_.entryField = field;
    state_.entryTyped = field->TakeOpeningText();
    state_.entryConfirmed = false;
    open();
    field->setFocus(Qt::OtherFocusReason);
    return state_.entryConfirmed;
}

void TForm1::MarkValueFields()
{
    using Kind = TAlignedEdit::TValueKind;
    const auto angle = [](TAlignedEdit* field, DegreeRange range) {
        field->setValueKind(Kind::vkAngle);
        field->setValueRange(range.lowest, range.highest);
    };
    for (TAlignedEdit* field : {EDPB, EDPM, EDPV, EDPBR, EDRB, EDRV, EDPVC, EDRVC, EDPVCOR, EDDCOR, EDRVCOR})
        angle(field, {0, kFullCircleDegreesMax});
    for (TAlignedEdit* field : {EDDEVIAZ, EDDEVVB})
        angle(field, {-kMaxGivenDeviation, kMaxGivenDeviation});
    angle(EDSCAR, {-kMaxLeeway, kMaxLeeway});
    angle(EDRP, PolarDegrees());
    for (TAlignedEdit* field : {EDVPCOR, EDVCOR, EDVECOR}) {
        field->setValueKind(Kind::vkSpeed);
        field->setValueRange(0, static_cast<int>(kMaxKnots));
    }
    for (TAlignedEdit* field : {EDDECL, EDARRIVO})
        field->setValueKind(Kind::vkFigure);
}

DegreeRange TForm1::PolarDegrees() const
{
    if (RBCIRC->isChecked())
        return {0, kFullCircleDegreesMax};
    if (RBSEMIDX->isChecked())
        return {0, kHalfCircleDegrees};
    return {-kHalfCircleDegrees, 0};
}

bool TForm1::OpenAngleFor(nav::Angle& value, TAlignedEdit* field, int lowest, int highest)
{
    if (const QString pasted = field->TakePastedText(); !pasted.isEmpty()) {
        const auto angle = nav::ReadAngleText(pasted.toStdString(), lowest, highest);
        if (!angle) {
            toolkit::platform().Beep();
            return false;
        }
        EnterAngle(value, field, *angle, {lowest, highest});
        return true;
    }
    state_.entryValue = &value;
    return OpenEntryDialog(field, [=, this] { OpenAngleDialog(lowest, highest); });
}

void TForm1::EnterAngle(nav::Angle& value, TAlignedEdit* field, nav::Angle angle, DegreeRange range)
{
    value = angle;
    field->setText(FieldText(value, range));
}

void TForm1::EnterSpeed(double& value, TAlignedEdit* field, double knots)
{
    // Beyond the dialog's range the limit is entered, as the dialog would.
    value = SpeedOnLog(std::clamp(knots, 0.0, kMaxKnots));
    field->setText(SpeedText(value));
}

bool TForm1::EnterAngleFor(nav::Angle& value, TAlignedEdit* field, int lowest, int highest)
{
    return OpenAngleFor(value, field, lowest, highest);
}

nav::Headings TForm1::FromTrue(nav::Angle trueCourse) const
{
    nav::Headings h{0, 0, trueCourse, 0};
    nav::ConvertHeadings(state_.deviationTable, state_.valDECL, false, false, true, h);
    return h;
}

void TForm1::TakeTrueHeading(nav::Angle heading)
{
    state_.valPV = heading;
    ShowAngle(EDPV, heading);
    HeadingEntered(EDPV);
    PageControl1->setCurrentWidget(TabSheet1);
    activateWindow();
}

void TForm1::TakeTrueCourse(nav::Angle course)
{
    state_.valRVCOR = course;
    ShowAngle(EDRVCOR, course);
    PageControl1->setCurrentWidget(TabSheet3);
    activateWindow();
}

bool TForm1::OpenSpeedFor(double& value, TAlignedEdit* field)
{
    if (const QString pasted = field->TakePastedText(); !pasted.isEmpty()) {
        const auto knots = nav::ReadSpeedText(pasted.toStdString(), kMaxKnots);
        if (!knots) {
            toolkit::platform().Beep();
            return false;
        }
        EnterSpeed(value, field, *knots);
        return true;
    }
    state_.entrySpeed = &value;
    return OpenEntryDialog(field, [this] { emit SpeedDialogRequested(); });
}

void TForm1::EDPBClick()
{
    if (OpenAngleFor(state_.valPB, EDPB, 0, kFullCircleDegreesMax))
        HeadingEntered(EDPB);
}

void TForm1::EDPMClick()
{
    if (OpenAngleFor(state_.valPM, EDPM, 0, kFullCircleDegreesMax))
        HeadingEntered(EDPM);
}

void TForm1::EDPVClick()
{
    if (OpenAngleFor(state_.valPV, EDPV, 0, kFullCircleDegreesMax))
        HeadingEntered(EDPV);
}

void TForm1::EDPBRClick()
{
    // A new heading leaves the bearing entered, and what came from the old heading goes.
    if (!OpenAngleFor(state_.valPBR, EDPBR, 0, kFullCircleDegreesMax) || !VeroBussolaStartField())
        return;
    BearingEntered(VeroBussolaStartField());
}

void TForm1::EDRBClick()
{
    if (OpenAngleFor(state_.valRB, EDRB, 0, kFullCircleDegreesMax))
        BearingEntered(EDRB);
}

void TForm1::EDRVClick()
{
    if (OpenAngleFor(state_.valRV, EDRV, 0, kFullCircleDegreesMax))
        BearingEntered(EDRV);
}

void TForm1::EDPVCClick() { OpenAngleFor(state_.valPVC, EDPVC, 0, kFullCircleDegreesMax); }
void TForm1::EDRVCClick() { OpenAngleFor(state_.valRVC, EDRVC, 0, kFullCircleDegreesMax); }
void TForm1::EDPVCORClick() { OpenAngleFor(state_.valPVCOR, EDPVCOR, 0, kFullCircleDegreesMax); }
void TForm1::EDDCORClick() { OpenAngleFor(state_.valDCOR, EDDCOR, 0, kFullCircleDegreesMax); }
void TForm1::EDRVCORClick() { OpenAngleFor(state_.valRVCOR, EDRVCOR, 0, kFullCircleDegreesMax); }
void TForm1::EDSCARClick()
{
    if (!OpenAngleFor(state_.valSCAR, EDSCAR, -kMaxLeeway, kMaxLeeway))
        return;
    // The dialog bounds the degrees only: 45° 30' is beyond the leeway's range.
    const nav::Angle limit = kMaxLeeway * nav::kSecondsPerDegree;
    if (std::abs(state_.valSCAR) > limit) {
        toolkit::platform().Beep();
        state_.valSCAR = std::clamp(state_.valSCAR, -limit, limit);
        ShowAngle(EDSCAR, state_.valSCAR);
    }
    LeewayChanged();
}

void TForm1::EDRPClick()
{
    const DegreeRange range = PolarDegrees();
    OpenAngleFor(state_.valRP, EDRP, range.lowest, range.highest);
}

void TForm1::EDVPCORClick() { OpenSpeedFor(state_.valVPCOR, EDVPCOR); }
void TForm1::EDVCORClick() { OpenSpeedFor(state_.valVCOR, EDVCOR); }
void TForm1::EDVECORClick() { OpenSpeedFor(state_.valVECOR, EDVECOR); }

void TForm1::ShowAngle(TAlignedEdit* field, nav::Angle value)
{
    field->setText(QString::fromStdString(nav::FormatAngle(value)));
}

void TForm1::NothingToCompute()
{
    toolkit::platform().ErrorBox(this, tr("Nessun dato da calcolare."));
}

void TForm1::EverythingFilled()
{
    toolkit::platform().ErrorBox(this, tr("Tutti i dati sono presenti: cancella (X) quello da calcolare."));
}

void TForm1::EnterGivenDeviation(GivenDeviation d)
{
    if (!OpenAngleFor(d.value, d.field, -kMaxGivenDeviation, kMaxGivenDeviation))
        return;
    d.given = true;
    d.label->setText(tr("Deviazione (data)"));
    d.label->adjustSize();
    (this->*d.recompute)();
}

void TForm1::ClearGivenDeviation(GivenDeviation d)
{
    d.field->clear();
    d.value = 0;
    d.given = false;
    d.label->setText(tr("Deviazione"));
    d.label->adjustSize();
    (this->*d.recompute)();
}

void TForm1::RecomputeCorrections()
{
    if (!EDPB)
        return;
    RecomputeProre();
    RecomputeVeroBussola();
}

bool TForm1::PressCalcola()
{
    toolkit::SpeedButton* button = nullptr;
    QWidget* page = PageControl1->currentWidget();
    if (page == TabSheet1)
        button = CALCPRORE;
    else if (page == TabSheet2)
        button = PageControl2->currentWidget() == TabSheet7 ? CALCVB : CALCPOL;
    else if (page == TabSheet3)
        button = CALCCOR;
    else if (page == TabSheet4)
        button = RowCalcola(focusWidget());
    if (!button)
        return false;
    button->click();
    return true;
}

void TForm1::DrawLines(toolkit::Image& picture, std::initializer_list<DiagramLine> lines)
{
    state_.diagramLineCount = static_cast<int>(lines.size());
    std::copy(lines.begin(), lines.end(), state_.diagramLines.begin());
    DrawDiagram(picture, state_.diagramLines, state_.diagramLineCount);
}

