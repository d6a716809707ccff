#pragma once
// TForm1, the main window: six tabs of fields and calculations, the bottom
// panel with the declination, the exit button and the start-up splash.

#include "app/data_files.h"
#include "app/nav_state.h"
#include "app/startup.h"
#include "dialogs/angle_entry.h"
#include "nav/bearings.h"
#include "nav/currents.h"
#include "nav/deviation_file.h"
#include "nav/headings.h"
#include "nav/live_data.h"
#include "nav/worked.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QRadioButton;
class QTabWidget;
class QTimeEdit;
class QTimer;
class TAlignedEdit;
class QFrame;
class TSpinNumEdit;

namespace toolkit {
enum class UpDownButton;
class Image;
class SpeedButton;
class StringGrid;
class UpDown;
}  // namespace toolkit

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // appFolder: a portable copy's folder, where both files lie; empty for
    // the places of this process.
    explicit TForm1(NavState& state, const QString& appFolder = QString(), QWidget* parent = nullptr);
    // startup: whether what the splash does not show is built at once or
    // after the first paint (or sooner, when a tab asks for it); see BuildPages.
    TForm1(NavState& state, const DataPlaces& places, Startup startup = Startup::AtOnce,
           QWidget* parent = nullptr);

    NavState& state() { return state_; }

    // Start-up and tabs.
    void FormCreate();
    void LoadDeviationTable();
    // What the splash does not show: the five other tabs, the declination
    // panel, their handlers and the table's grid. Once; before that their
    // controls are null.
    void BuildPages();
    void SplashTimerTimer();
    void TabSheet1Show();
    void TabSheet6Show();
    void SBEXITClick();
    void SETDECLIClick();
    // The night colours on or off, for every window.
    void NIGHTMODEClick();

    // The deviation card on "Tabelle".
    void BTNMODIFICAClick();
    void BTNGIROClick();
    void BTNCURVAClick();
    // Where an edited table is written: see DeviationSavePath.
    QString DeviationSavePath() const;
    // Reads the table saved or opened at path, which the calculations use from now on.
    void DeviationTableSaved(const QString& path);

    // Hand-off to the angle dialog with a range of whole degrees.
    void OpenAngleDialog(int lowest, int highest);
    // The angle dialog for another window's field: true when a value was
    // confirmed into `value`.
    bool EnterAngleFor(nav::Angle& value, TAlignedEdit* field, int lowest, int highest);

    // What the coastal window hands over: a true course as magnetic and
    // compass with the declination and table in use; the course entered as
    // "Prora Vera" on "Prore" or as "Rotta Vera" on "Correnti", that tab shown.
    nav::Headings FromTrue(nav::Angle trueCourse) const;
    void TakeTrueHeading(nav::Angle heading);
    void TakeTrueCourse(nav::Angle course);

    // "Dati di bordo" on "Correnti": the instruments' true heading and speed
    // through the water, course and speed over the ground, entered as typed,
    // and the current emptied for "Calcola"; none when one is missing or stale.
    void USADATIClick();
    // What the instruments say now, each value while it is fresh.
    std::function<nav::CurrentInputs()> instruments;

    // The declination or the deviation table changed: the tabs whose results
    // rest on them are worked again from the inputs they started from. An
    // entered value is never changed.
    void RecomputeCorrections();
    // Presses the "Calcola" of the tab shown (on "Autonomia", of the row
    // that has the focus); false when there is none.
    bool PressCalcola();

    // Field clicks.
    void EDPBClick();
    void EDPMClick();
    void EDPVClick();
    void EDPBRClick();
    void EDRBClick();
    void EDRVClick();
    void EDPVCClick();
    void EDRVCClick();
    void EDRPClick();
    void EDPVCORClick();
    void EDDCORClick();
    void EDRVCORClick();
    void EDVPCORClick();
    void EDVCORClick();
    void EDVECORClick();
    // The leeway, -45..45 degrees, + when the wind sets the boat to starboard.
    void EDSCARClick();
    // The deviation a problem gives, instead of the table's.
    void EDDEVIAZClick();
    void EDDEVVBClick();

    // Clear buttons.
    void PBCLEARClick();
    void PMCLEARClick();
    void PVCLEARClick();
    void RBCLEARClick();
    void RVCLEARClick();
    void PVCCLEARClick();
    void RVCCLEARClick();
    void RPCLEARClick();
    void CLEARPVCORClick();
    void CLEARDCORClick();
    void CLEARRVCORClick();
    void CLEARSCARClick();
    void DEVCLEARClick();
    void DEVVBCLEARClick();
    // Every field of a tab emptied, and its diagram.
    void AZZERAPROREClick();
    void AZZERARILClick();
    void AZZERAPOLClick();
    void AZZERACORClick();

    // Calculations.
    void CALCPROREClick();
    void CALCVBClick();
    void CALCPOLClick();
    void CALCCORClick();
    void CALCCTClick();
    void CALCVMClick();
    void CALCTTClick();
    void CALCHPClick();
    void CALCCSClick();
    void CALCAUTOClick();
    // The litres per hour from power, consumption and the fuel's density.
    void CALCLHClick();
    void SPMINClick();

    // The fuel: 0 diesel, 1 petrol, 2 another; gramsPerLitre (500..1100;
    // beyond, the nearest) is another fuel's density, kept for when it is chosen.
    enum FuelKind { Diesel, Petrol, OtherFuel };
    void ChooseFuel(int kind, int gramsPerLitre);
    // The density in use, in grams per litre.
    int FuelGramsPerLitre() const;
    void SPOREClick(toolkit::UpDownButton button);

signals:
    // A calculation that succeeded, worked out for the log.
    void Solved(const nav::Worked& worked);
    // The entry dialogs, opened by the field clicks once they are attached.
    void AngleDialogRequested(int lowest, int highest);
    void SpeedDialogRequested();
    void DeclinationDialogRequested();
    void DeviationEditorRequested();
    void CompassSwingRequested();
    void DeviationCurveRequested();
    void CoastalRequested();
    void WorksheetRequested();
    void OnboardRequested();
    // The fuel chosen on "Autonomia", to be remembered: at once, and for
    // another fuel's density once it is typed whole.
    void FuelChanged(int kind, int gramsPerLitre);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window, its six tabs empty, "Uscita" and the exit button.
    void BuildLayout();
    void BuildProre(QWidget* page);
    void BuildVeroBussola(QWidget* page);
    void BuildPolari(QWidget* page);
    void BuildCorrenti(QWidget* page);
    void BuildAutonomia(QWidget* page);
    void BuildEnduranceEntries(QWidget* group, QWidget* page);
    void BuildDepartureAndFuel(QWidget* page);
    void ConnectDepartureAndFuel();
    void BuildTabelle(QWidget* page);
    void BuildUscita(QWidget* page);
    // The photograph of "Uscita", decoded after the first paint.
    void ShowPhotograph();
    // The declination panel, hidden during the splash.
    void BuildBottom();
    void BuildExitButton();
    // The night colours' toggle, right of the tabs, and its shortcut.
    void BuildNightToggle();
    // The coastal window's button, left of the moon, and its shortcut.
    void BuildCoastalButton();
    // The calculation log's button, left of the lighthouse, and its shortcut.
    void BuildWorksheetButton();
    // The instruments' button, left of the log's, and its shortcut.
    void BuildOnboardButton();
    // Tab order in reading order, buttons reached by Tab, Alt+C.
    void BuildKeyboard();
    void ConnectHandlers();
    void ConnectPageHandlers();
    // The table's rows and its file's name in "Tabelle", once its grid exists.
    void FillDeviationGrid();
    void ShowTableInUse();

    // True when the dialog stored a value ("CONFERMA"). The focus comes back
    // to the field, and a digit typed on it goes on in the dialog. A text
    // pasted on the field is taken instead, as the dialog would store it.
    bool OpenAngleFor(nav::Angle& value, TAlignedEdit* field, int lowest, int highest);
    // The hand-off common to both: the field, what was typed on it, and the answer.
    bool OpenEntryDialog(TAlignedEdit* field, const std::function<void()>& open);
    bool OpenSpeedFor(double& value, TAlignedEdit* field);
    // A value entered as its dialog would store it, whoever gives it.
    void EnterAngle(nav::Angle& value, TAlignedEdit* field, nav::Angle angle, DegreeRange range);
    void EnterSpeed(double& value, TAlignedEdit* field, double knots);
    void ShowAngle(TAlignedEdit* field, nav::Angle value);
    // What each value field holds, for copy and paste.
    void MarkValueFields();
    // The polar bearing's degrees in the mode checked.
    DegreeRange PolarDegrees() const;
    // "Nessun dato da calcolare." in the error box.
    void NothingToCompute();
    // Every field filled: the user is told to clear the one to compute.
    void EverythingFilled();
    // A conversion starts from the direction entered: the others of that
    // conversion, which can only have been results, are emptied.
    void HeadingEntered(TAlignedEdit* entered);
    void BearingEntered(TAlignedEdit* entered);
    // The headings from those given. report: the user asked, so a refusal
    // is told and a result logged; a re-solve after new corrections is neither.
    void ConvertProre(bool compassGiven, bool magneticGiven, bool trueGiven, bool report);
    // log: the user asked for it, so the log gets it; a re-solve after new
    // corrections does not.
    void ConvertVeroBussola(bool compassGiven, bool trueGiven, bool log);
    // A deviation the problem gives, entered through the angle dialog, or
    // back to the table's; the label says which, and the tab is worked again.
    struct GivenDeviation {
        nav::Angle& value;
        bool& given;
        TAlignedEdit* field;
        QLabel* label;
        void (TForm1::*recompute)();
    };
    void EnterGivenDeviation(GivenDeviation d);
    void ClearGivenDeviation(GivenDeviation d);
    // The field a conversion last started from, while it still shows its
    // value: "Calcola" and a new declination start from it again.
    TAlignedEdit* ProreStartField() const;
    TAlignedEdit* VeroBussolaStartField() const;
    void RecomputeProre();
    void RecomputeVeroBussola();
    // "Tempo totale" typed: "1:30" or minutes. Each keystroke that leaves a
    // time is held at once, so that any "Calcola" or arrow uses what is
    // shown; the text is tidied when the field is left, and a text that is
    // no time is then refused with a beep and the time shown before comes back.
    void TimeTyped(const QString& text);
    bool TypedTime();
    // Before a calculation reads the time: the field shows the time it uses.
    void TidyTime();
    bool TimeKey(QKeyEvent* event);
    // "Correnti" solved; report says whether a refusal is told and a result logged.
    void SolveCorrenti(bool report);
    void DrawCorrenti(const nav::CurrentTriangle& t);
    // A new leeway empties what the last solution wrote, while it shows, and
    // solves the problem again from what was given.
    void LeewayChanged();
    // "Ora arrivo": the departure plus the total time.
    void ShowArrival();
    // The litres per hour follow power, consumption and density, until the
    // user gives them; a given figure is used as it stands.
    void DeriveLitresPerHour();
    void ShowDerivedLitres(double litres);
    void FuelPicked();
    // The "Calcola" of the row on "Autonomia" that holds this widget.
    toolkit::SpeedButton* RowCalcola(const QWidget* focused) const;
    // Puts the lines into the diagram slots and draws them on the picture.
    void DrawLines(toolkit::Image& picture, std::initializer_list<DiagramLine> lines);
    nav::PolarMode PolarModeChecked() const;
    // Power or consumption from the fuel, the other factor and the time. The
    // refusals in their order: the other factor 0, then the time 0.
    void SolveFuelFactor(TSpinNumEdit* result, TSpinNumEdit* other, const QString& zeroMessage);
    // False, with "Valore fuori limite !", for a result that is not a finite number.
    bool Fits(double result);

    // A deviation a problem gives, in whole degrees, West negative: as much
    // as a table row may hold.
    static constexpr int kMaxGivenDeviation = static_cast<int>(nav::kMaxRowDeviation);
    static constexpr QKeyCombination kCoastalShortcut{Qt::ControlModifier, Qt::Key_K};
    static constexpr QKeyCombination kWorksheetShortcut{Qt::ControlModifier, Qt::Key_L};
    static constexpr QKeyCombination kOnboardShortcut{Qt::ControlModifier, Qt::Key_B};
    // The directions' fields take whole degrees up to this.
    static constexpr int kFullCircleDegreesMax = 359;
    // The leeway a problem may give, in whole degrees to either side.
    static constexpr int kMaxLeeway = 45;
    // Another fuel's density, in kg/l as the light lists print it.
    static constexpr int kDensityDecimals = 3;
    static constexpr double kDensityStep = 0.005;
    static constexpr double kGramsPerKilogram = 1000.0;

    NavState& state_;
    DataPlaces places_;
    // Where the last conversion of "Prore" and "Vero e Bussola" started, to
    // work it again when the corrections change; Nothing once a new entry
    // makes it stale.
    nav::HeadingStart proreStart_ = nav::HeadingStart::Nothing;
    nav::BearingStart vbStart_ = nav::BearingStart::Nothing;
    // The time "Tempo totale" last showed whole, before any typing in it.
    int shownMinutes_ = 0;
    // The results the last solution of "Correnti" wrote, with their texts.
    std::vector<std::pair<TAlignedEdit*, QString>> correntiResults_;
    // Whether "Consumo orario" was given by the user rather than derived.
    bool litresPerHourGiven_ = false;
    bool derivingLitresPerHour_ = false;
    // Whether the last table read was whole, so "Tabelle" lists it; a
    // failed read leaves the grid as it was.
    bool gridShowsTable_ = false;

public:
    // Controls, named as in the layout.
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet7 = nullptr;
    QWidget* TabSheet9 = nullptr;
    QFrame* Panel1 = nullptr;
    toolkit::SpeedButton* SBEXIT = nullptr;
    toolkit::SpeedButton* SETDECLI = nullptr;
    toolkit::SpeedButton* NIGHTMODE = nullptr;
    toolkit::SpeedButton* COSTIERA = nullptr;
    toolkit::SpeedButton* REGISTRO = nullptr;
    toolkit::SpeedButton* BORDO = nullptr;
    QTimer* SplashTimer = nullptr;

    TAlignedEdit* EDPB = nullptr;
    TAlignedEdit* EDPM = nullptr;
    TAlignedEdit* EDPV = nullptr;
    TAlignedEdit* EDDEVIAZ = nullptr;
    TAlignedEdit* EDPBR = nullptr;
    TAlignedEdit* EDRB = nullptr;
    TAlignedEdit* EDRV = nullptr;
    TAlignedEdit* EDDEVVB = nullptr;
    TAlignedEdit* EDPVC = nullptr;
    TAlignedEdit* EDRP = nullptr;
    TAlignedEdit* EDRVC = nullptr;
    TAlignedEdit* EDPVCOR = nullptr;
    TAlignedEdit* EDVPCOR = nullptr;
    TAlignedEdit* EDDCOR = nullptr;
    TAlignedEdit* EDVCOR = nullptr;
    TAlignedEdit* EDRVCOR = nullptr;
    TAlignedEdit* EDVECOR = nullptr;
    TAlignedEdit* EDSCAR = nullptr;
    TAlignedEdit* EDTT = nullptr;
    TAlignedEdit* EDAUTO30 = nullptr;
    TAlignedEdit* EDDECL = nullptr;
    QLabel* LabelDEVIAZ = nullptr;
    QLabel* LabelDEVVB = nullptr;

    QRadioButton* RBCIRC = nullptr;
    QRadioButton* RBSEMIDX = nullptr;
    QRadioButton* RBSEMISX = nullptr;

    toolkit::Image* IMGPRORE = nullptr;
    toolkit::Image* IMGRVB = nullptr;
    toolkit::Image* IMGRP = nullptr;
    toolkit::Image* IMGCOR = nullptr;
    toolkit::Image* Image1 = nullptr;
    toolkit::StringGrid* SGDEV = nullptr;
    toolkit::SpeedButton* BTNMODIFICA = nullptr;
    toolkit::SpeedButton* BTNGIRO = nullptr;
    toolkit::SpeedButton* BTNCURVA = nullptr;
    toolkit::SpeedButton* CALCPRORE = nullptr;
    toolkit::SpeedButton* CALCVB = nullptr;
    toolkit::SpeedButton* CALCPOL = nullptr;
    toolkit::SpeedButton* CALCCOR = nullptr;
    toolkit::SpeedButton* DEVCLEAR = nullptr;
    toolkit::SpeedButton* DEVVBCLEAR = nullptr;
    toolkit::SpeedButton* AZZERAPRORE = nullptr;
    toolkit::SpeedButton* AZZERARIL = nullptr;
    toolkit::SpeedButton* AZZERAPOL = nullptr;
    toolkit::SpeedButton* AZZERACOR = nullptr;
    toolkit::SpeedButton* USADATI = nullptr;
    QLabel* LBTABELLA = nullptr;
    TSpinNumEdit* SPCT = nullptr;
    TSpinNumEdit* SPVM = nullptr;
    TSpinNumEdit* SPHP = nullptr;
    TSpinNumEdit* SPCS = nullptr;
    TSpinNumEdit* SPAUTO = nullptr;
    TSpinNumEdit* SPLH = nullptr;
    TSpinNumEdit* SPDENS = nullptr;
    QTimeEdit* SPPART = nullptr;
    TAlignedEdit* EDARRIVO = nullptr;
    QComboBox* CBCARB = nullptr;
    QLabel* Label8 = nullptr;
    toolkit::UpDown* SPORE = nullptr;
    toolkit::UpDown* SPMIN = nullptr;
};
