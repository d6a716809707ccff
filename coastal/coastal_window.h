#pragma once
// TForm9, the coastal problems, beside the main window (not modal):
// "Traverso", the distance off from two bearings of one object and the run
// between them; "Lossodromia", positions and rhumb lines, and the position
// from a light's bearing and distance; "Fari", the ranges of a light and the
// reading of its characteristic. It keeps its inputs for the next start.

#include "nav/angle.h"
#include "nav/headings.h"
#include "nav/light_characteristic.h"
#include "nav/rhumb.h"
#include "nav/worked.h"
#include "nav/worked_tools.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QSettings;
class QTabWidget;
class TAlignedEdit;
class TPositionEdit;
class TPositionEntry;
class TSpinNumEdit;

namespace toolkit {
class SpeedButton;
}

class TForm9 : public QDialog {
    Q_OBJECT

public:
    // What the window asks of the rest of the program.
    struct Links {
        // The angle dialog for a field, whole degrees lowest..highest; true
        // when a value was confirmed into `value`.
        std::function<bool(nav::Angle& value, TAlignedEdit* field, int lowest, int highest)> enterAngle;
        // A true course as magnetic and compass, with the declination and
        // the deviation table in use.
        std::function<nav::Headings(nav::Angle trueCourse)> fromTrue;
        // The true course given to "Prore" and to "Correnti".
        std::function<void(nav::Angle)> toProre;
        std::function<void(nav::Angle)> toCorrenti;
    };

    // memory: where the inputs are kept; none keeps them only while the window lives.
    TForm9(Links links, QSettings* memory, QWidget* parent = nullptr);

    // Shows the window, or raises it.
    void Open();
    // The declination or the deviation table changed: the course is shown
    // again as magnetic and compass.
    void RefreshCourse();

    void CALCTRAVClick();
    void CALCLOXClick();
    void CALCFAROClick();
    void CALCFARIClick();
    // The characteristic as typed: height and range filled, its meaning shown.
    void CharacteristicTyped(const QString& text);
    // Its meaning alone; the light as read, if it reads.
    std::optional<nav::LightCharacteristic> DescribeCharacteristic(const QString& text);

    QTabWidget* PageControl9 = nullptr;
    // Traverso
    TAlignedEdit* EDRP1 = nullptr;
    TAlignedEdit* EDRP2 = nullptr;
    TSpinNumEdit* SPCAMMINO = nullptr;
    TSpinNumEdit* SPMINUTI = nullptr;
    TSpinNumEdit* SPVELTRAV = nullptr;
    toolkit::SpeedButton* CALCTRAV = nullptr;
    TAlignedEdit* EDDIST2 = nullptr;
    TAlignedEdit* EDDISTTRAV = nullptr;
    TAlignedEdit* EDCAMTRAV = nullptr;
    QLabel* LBCAMTRAV = nullptr;
    QLabel* LBREGOLA = nullptr;
    // Lossodromia
    TPositionEdit* EDPOS1 = nullptr;
    TPositionEdit* EDPOS2 = nullptr;
    toolkit::SpeedButton* POS1CLEAR = nullptr;
    toolkit::SpeedButton* POS2CLEAR = nullptr;
    TAlignedEdit* EDRVLOX = nullptr;
    TSpinNumEdit* SPDISTLOX = nullptr;
    toolkit::SpeedButton* RVLOXCLEAR = nullptr;
    toolkit::SpeedButton* DISTLOXCLEAR = nullptr;
    toolkit::SpeedButton* CALCLOX = nullptr;
    TAlignedEdit* EDRMLOX = nullptr;
    TAlignedEdit* EDRBLOX = nullptr;
    toolkit::SpeedButton* BTNPRORE = nullptr;
    toolkit::SpeedButton* BTNCORRENTI = nullptr;
    TPositionEdit* EDFARO = nullptr;
    TAlignedEdit* EDRLFARO = nullptr;
    TSpinNumEdit* SPDISTFARO = nullptr;
    toolkit::SpeedButton* CALCFARO = nullptr;
    // Fari
    TSpinNumEdit* SPHOCCHIO = nullptr;
    TSpinNumEdit* SPHFARO = nullptr;
    TSpinNumEdit* SPPORTNOM = nullptr;
    QLineEdit* EDCARATT = nullptr;
    QLabel* LBCARATT = nullptr;
    toolkit::SpeedButton* CALCFARI = nullptr;
    TAlignedEdit* EDORIZZ = nullptr;
    TAlignedEdit* EDPORTGEO = nullptr;
    TAlignedEdit* EDPORTEFF = nullptr;
    // The dialog of the position fields.
    TPositionEntry* positionEntry = nullptr;

signals:
    // A calculation that succeeded, worked out for the log.
    void Solved(const nav::Worked& worked);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void BuildLayout();
    void BuildTraverso(QWidget* page);
    void BuildLossodromia(QWidget* page);
    void BuildFari(QWidget* page);
    void ConnectHandlers();
    // Tab through each tab in reading order, buttons too; Alt+C presses the
    // shown tab's "Calcola".
    void BuildKeyboard();
    // An input of "Lossodromia" given anew by the user: what the last
    // calculation worked out from the old one is emptied.
    void LegInputChanged(const QObject* input);
    void EnterAngle(nav::Angle& value, TAlignedEdit* field, int highest);
    void EnterPosition(TPositionEdit* field);
    // The course shown, with its magnetic and compass equivalents.
    void ShowCourse(nav::Angle course);
    // The course as magnetic and compass, for the worked steps.
    std::optional<nav::CourseConversion> Conversion(nav::Angle course) const;
    void ClearCourse();
    // "Dati insufficienti." and the like, in the error box.
    void Refuse(const QString& message);
    // The number boxes kept, with their settings names.
    std::vector<std::pair<const char*, TSpinNumEdit*>> Numbers() const;
    void LoadInputs();
    void SaveInputs();

    Links links_;
    QSettings* memory_;
    nav::Angle rp1_ = 0;
    nav::Angle rp2_ = 0;
    nav::Angle course_ = 0;
    nav::Angle lightBearing_ = 0;
    // What "Calcola" of "Lossodromia" last wrote, while it shows; writing
    // it is no input of the user's.
    enum class LegResult { None, CourseAndDistance, Arrival };
    LegResult legResult_ = LegResult::None;
    bool writing_ = false;
};
