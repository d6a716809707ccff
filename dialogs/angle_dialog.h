#pragma once
// TForm2, the angle-entry dialog: degrees, minutes and seconds each as a
// spin edit, a track bar and a sliding dial scale, the degrees also on a
// compass. The track bar is the hub of each row: a spin edit moves its
// track bar, a track bar moves its scale and its spin edit (and for the
// degrees the compass), and the loop settles because each widget tells a
// change only when its value really changes.

#include "dialogs/angle_entry.h"
#include "dialogs/hand_off.h"

#include "dialogs/entry_dialog.h"

class QLabel;
class TInstCompass;
class TInstJogMeter;
class TInstTrackBar;
class TSpinNumEdit;

namespace toolkit {
class SpeedButton;
}

class TForm2 : public EntryDialog {
    Q_OBJECT

public:
    explicit TForm2(EntryHandOff& handOff, QWidget* parent = nullptr);

    // Ranges the degrees (spin edit, then track bar, minimum before
    // maximum) and shows the dialog modally on the hand-off.
    void OpenAngleDialog(int lowest, int highest);

    void FormShow() override;
    void Confirm() override { GRADIOKClick(); }
    void SPGRADIChange();
    void SPPRIMIChange();
    void SPSECONDIChange();
    void POGRADIChange();
    void POPRIMIChange();
    void POSECONDIChange();
    void GRADIOKClick();
    void GRADIABOClick();
    void GRADICLEARClick();

    // Controls, named as in the layout.
    TSpinNumEdit* SPGRADI = nullptr;
    TSpinNumEdit* SPPRIMI = nullptr;
    TSpinNumEdit* SPSECONDI = nullptr;
    toolkit::SpeedButton* GRADICLEAR = nullptr;
    TInstJogMeter* VUSECONDI = nullptr;
    TInstTrackBar* POSECONDI = nullptr;
    TInstJogMeter* VUPRIMI = nullptr;
    TInstTrackBar* POPRIMI = nullptr;
    TInstJogMeter* VUGRADI = nullptr;
    TInstTrackBar* POGRADI = nullptr;
    TInstCompass* COMPASSO = nullptr;
    toolkit::SpeedButton* GRADIOK = nullptr;
    toolkit::SpeedButton* GRADIABO = nullptr;

private:
    void BuildLayout();
    void ConnectHandlers();
    DegreeRange Degrees() const;
    // A spin edit's number moves its track bar (nothing when unreadable).
    static void MoveBar(TSpinNumEdit* spin, TInstTrackBar* bar);
    static void FollowBar(TInstTrackBar* bar, TInstJogMeter* scale, TSpinNumEdit* spin);

    EntryHandOff& handOff_;
};
