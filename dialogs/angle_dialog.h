#pragma once
// TForm2, the angle-entry dialog: degrees, minutes and seconds each as a
// spin edit, a track bar and a sliding dial scale, the degrees also on a
// compass. The track bar is the hub of each row: a spin edit moves its
// track bar, a track bar moves its scale and its spin edit (and for the
// degrees the compass), and the loop settles because each widget tells a
// change only when its value really changes. A decimal fraction typed in
// the degrees or the minutes goes on to the rows below at once; the box
// shows its whole number when it is left. Tab and Space move to the next box.

#include "dialogs/angle_entry.h"
#include "dialogs/hand_off.h"

#include "dialogs/entry_dialog.h"

#include <optional>

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
    void SPGRADIExit();
    void SPPRIMIExit();
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    DegreeRange Degrees() const;
    // A degree or minute number: its fraction goes to the rows below.
    void SpreadFraction(TSpinNumEdit* spin, TInstTrackBar* bar, RowSplit (*split)(double));
    // The whole number of a box left with a fraction in it.
    static void ShowWhole(TSpinNumEdit* spin, RowSplit (*split)(double));
    static std::optional<double> WholeOf(TSpinNumEdit* spin, RowSplit (*split)(double));
    // A spin edit's number moves its track bar (nothing when unreadable).
    static void MoveBar(TSpinNumEdit* spin, TInstTrackBar* bar);
    static void FollowBar(TInstTrackBar* bar, TInstJogMeter* scale, TSpinNumEdit* spin, RowSplit (*split)(double));

    EntryHandOff& handOff_;
};
