#pragma once
// TForm5, the declination from a position: latitude, longitude and date,
// and the World Magnetic Model's declination with its annual change shown
// live. "CONFERMA" hands the answer, rounded as chart fields, back to the
// declination dialog; the position is remembered for the next start.

#include "dialogs/entry_dialog.h"
#include "dialogs/position_declination.h"

#include <optional>

class QDateEdit;
class QLabel;
class QRadioButton;
class QSettings;
class TNumEdit;

namespace toolkit {
class SpeedButton;
}

class TForm5 : public EntryDialog {
    Q_OBJECT

public:
    // memory: where the last confirmed position is kept; none keeps it only
    // while the dialog lives.
    explicit TForm5(QSettings* memory, QWidget* parent = nullptr);

    // Today's date, then the dialog modally; the chart fields confirmed, or
    // nothing after "ANNULLA".
    std::optional<ChartFields> Open();

    // The model's answer for what the fields show now.
    nav::ModelAnswer Answer() const;
    // The position typed; nothing when a box's text cannot be read (already reported).
    std::optional<PositionEntry> Entry() const;
    // The text of a refusal, in the user's language.
    static QString RefusalText(nav::ModelRefusal refusal);

    void ShowResult();
    void WMMOKClick();
    void Confirm() override { WMMOKClick(); }
    void WMMABOClick();

    // Controls, named as in the layout.
    TNumEdit* EDLAT = nullptr;
    QRadioButton* RBNORD = nullptr;
    QRadioButton* RBSUD = nullptr;
    TNumEdit* EDLON = nullptr;
    QRadioButton* RBEST2 = nullptr;
    QRadioButton* RBOVEST = nullptr;
    QDateEdit* DTDATA = nullptr;
    QLabel* LBLRISULT = nullptr;
    toolkit::SpeedButton* WMMOK = nullptr;
    toolkit::SpeedButton* WMMABO = nullptr;

private:
    void BuildLayout();
    void ConnectHandlers();
    void LoadPosition();
    void SavePosition();

    QSettings* memory_;
    std::optional<ChartFields> confirmed_;
};
