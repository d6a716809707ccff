#pragma once
// TForm4, the declination dialog: the chart's data (base year, current
// year, the base declination East or West and its annual change), the
// declination computed from them, and the settings file ORVAN_INI.INI that
// keeps them. Every edit changes the chart values at once; "CONFERMA"
// computes the declination from the data on screen and applies it to the
// calculations and the main window's bottom panel, "ANNULLA" only leaves
// the applied one as it was. The annual change is given by its sense
// ("Aumento"/"Diminuzione") or, as modern charts print it, by the side it
// moves to ("verso E/W").
// "Da posizione..." fills the chart's data from the World Magnetic Model
// for a position and date (Form5), as a skipper would copy them from a chart.
// With "Nota" the declination is entered directly, its side given by E/W,
// and the chart's data wait untouched for "Da carta"; "Salva Dati" then
// keeps it as this year's chart data with no annual change.

#include "dialogs/hand_off.h"

#include "dialogs/entry_dialog.h"
#include "nav/worked.h"

#include <functional>

class QGroupBox;
class QLabel;
class QRadioButton;
class QSettings;
class TAlignedEdit;
class TForm5;
class TSpinNumEdit;
struct ChartFields;

namespace toolkit {
class SpeedButton;
}

class TForm4 : public EntryDialog {
    Q_OBJECT

public:
    // Opens the angle dialog on the hand-off with a range of whole degrees.
    using AngleDialog = std::function<void(int lowest, int highest)>;

    // mainDeclination: the main window's EDDECL, which shows the applied
    // declination. positionMemory: where Form5 keeps the last position.
    // Runs the start-up sequence (FormCreate).
    TForm4(DeclinationValues& values, EntryHandOff& handOff, AngleDialog openAngleDialog,
           TAlignedEdit* mainDeclination, QWidget* parent = nullptr, QSettings* positionMemory = nullptr);

    // The opening sequence, then the dialog modally.
    void Open();

    void FormCreate();
    // False after reporting a declination that is no angle value.
    bool ComputeDeclination();
    // False after reporting a file that cannot be read, written or understood.
    bool LoadSettings();
    bool SaveSettings(const nav::ChartDeclination& chart);

    void SPANNOBASEChange();
    void SPANNOCORRChange();
    void RBESTClick();
    void RBWESTClick();
    void RBAUMClick();
    void RBDIMINClick();
    void RBVERSOEClick();
    void RBVERSOWClick();
    void RBDACARTAClick();
    void RBNOTAClick();
    void EDDECLIBASEClick();
    void EDDELTADECLIClick();
    void EDDECLREALClick();
    void CALCDECLREALClick();
    void SpeedButton1Click();
    void DECLIOKClick();
    void Confirm() override { DECLIOKClick(); }
    void DECLIABOClick();
    // Opens Form5; what it confirms becomes the chart's data, computed at once.
    void WMMDECLClick();

    // Controls, named as in the layout.
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label1 = nullptr;
    TSpinNumEdit* SPANNOBASE = nullptr;
    QLabel* Label4 = nullptr;
    TSpinNumEdit* SPANNOCORR = nullptr;
    TAlignedEdit* EDDECLIBASE = nullptr;
    QRadioButton* RBEST = nullptr;
    QRadioButton* RBWEST = nullptr;
    TAlignedEdit* EDDELTADECLI = nullptr;
    QRadioButton* RBAUM = nullptr;
    QRadioButton* RBDIMIN = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RBVERSOE = nullptr;
    QRadioButton* RBVERSOW = nullptr;
    toolkit::SpeedButton* CALCDECLREAL = nullptr;
    toolkit::SpeedButton* SpeedButton1 = nullptr;
    TAlignedEdit* EDDECLREAL = nullptr;
    toolkit::SpeedButton* DECLIOK = nullptr;
    toolkit::SpeedButton* DECLIABO = nullptr;
    toolkit::SpeedButton* WMMDECL = nullptr;
    QRadioButton* RBDACARTA = nullptr;
    QRadioButton* RBNOTA = nullptr;

    // The declination from a position, a window of its own.
    TForm5* Form5 = nullptr;

signals:
    // A declination worked out, from chart data or from the model.
    void Solved(const nav::Worked& worked);
    // "CONFERMA" changed the declination the calculations apply.
    void DeclinationApplied();

private:
    void BuildLayout();
    void ConnectHandlers();
    // The main window's panel shows the declination the calculations apply.
    void ShowApplied();
    // A year typed beyond the range is used as its limit; before it is used
    // for a result the box shows that limit, with the beep of a refused entry.
    void ShowStoredYears();
    // A year spin edit's value as a whole year within its range; what is
    // typed beyond the range is only corrected when the box is left.
    static int YearOf(double value);
    // The chart's data and the fields that show them, as a hand entry leaves them.
    void ShowChart(const ChartFields& chart);
    // Shows the chart's data in their fields.
    void ShowChartData();
    // Both pairs of the annual change: its sense and the side it moves to.
    void ShowChangeSense();
    // E/W: the chart base's side, or with "Nota" the known declination's.
    void BaseSideClick(int side);
    void TowardClick(int side);
    // "Nota" disables what only the chart's data use.
    void ShowDeclinationSource();
    bool Known() const;
    // The years within their range, then the declination.
    bool Calculate();
    // The declination worked out from the chart's data, for the log.
    void AnnounceChart();

    DeclinationValues& values_;
    EntryHandOff& handOff_;
    AngleDialog openAngleDialog_;
    TAlignedEdit* mainDeclination_;
    // With "Nota": the declination's magnitude; E/W gives its side.
    nav::Angle knownMagnitude_ = 0;
    // The annual change as the user chose it last: by the side it moves to
    // ("verso E/W"), or by its sense. That one stays when the base changes side.
    bool towardChosen_ = false;
    // The chart's data as Solved last announced them since the dialog opened.
    nav::Worked lastChart_;
};
