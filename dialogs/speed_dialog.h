#pragma once
// TForm3, the speed-entry dialog styled as a ship's log: the meter SOLCO
// (0..50 knots), the slider PONODI (tenths of a knot) and the spin edit
// SPSOLCO show and edit one speed. The slider is the hub: the spin edit
// moves it, and it moves the meter and the spin edit.

#include "dialogs/hand_off.h"

#include "dialogs/entry_dialog.h"

class TInstAngularMeter;
class TInstSlider;
class TSpinNumEdit;

namespace toolkit {
class SpeedButton;
}

class TForm3 : public EntryDialog {
    Q_OBJECT

public:
    explicit TForm3(EntryHandOff& handOff, QWidget* parent = nullptr);

    // Shows the dialog modally on the hand-off's speed.
    void Open();

    void FormShow() override;
    void Confirm() override { GRADIOKClick(); }
    void PONODIChange();
    void SPSOLCOChange();
    void GRADIOKClick();
    void GRADIABOClick();

    // Controls, named as in the layout.
    TInstAngularMeter* SOLCO = nullptr;
    TSpinNumEdit* SPSOLCO = nullptr;
    TInstSlider* PONODI = nullptr;
    toolkit::SpeedButton* GRADIOK = nullptr;
    toolkit::SpeedButton* GRADIABO = nullptr;

private:
    void BuildLayout();
    // The meter and the spin edit show the slider's speed.
    void FollowSlider();

    EntryHandOff& handOff_;
};
