#include "dialogs/speed_dialog.h"

#include "dialogs/speed_entry.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/instruments/inst_slider.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <cmath>

namespace {

constexpr double kTenthsPerKnot = 10.0;

}  // namespace

TForm3::TForm3(EntryHandOff& handOff, QWidget* parent)
    : EntryDialog(parent)
    , handOff_(handOff)
{
    BuildLayout();
    connect(PONODI, &TInstSlider::OnChange, this, &TForm3::PONODIChange);
    connect(SPSOLCO, &TNumEdit::OnChange, this, &TForm3::SPSOLCOChange);
    connect(GRADIOK, &toolkit::SpeedButton::clicked, this, &TForm3::GRADIOKClick);
    connect(GRADIABO, &toolkit::SpeedButton::clicked, this, &TForm3::GRADIABOClick);
}

void TForm3::Open()
{
    exec();
}


void TForm3::FormShow()
{
    if (handOff_.entrySpeed)
        PONODI->setPosition(SpeedTenths(*handOff_.entrySpeed));
    // Also when the slider did not move: what is shown is what is stored.
    FollowSlider();
    SPSOLCO->setFocus(Qt::OtherFocusReason);
    SPSOLCO->selectAll();
    SPSOLCO->TypeAhead(handOff_.entryTyped);
    handOff_.entryTyped.clear();
}

void TForm3::FollowSlider()
{
    SOLCO->setPosition(PONODI->Position() / kTenthsPerKnot);
    SPSOLCO->setValue(SOLCO->Position());
}

void TForm3::PONODIChange()
{
    FollowSlider();
}

void TForm3::SPSOLCOChange()
{
    const auto knots = SPSOLCO->ReadValue();
    if (!knots)
        return;
    PONODI->setPosition(SpeedTenths(*knots));
    // A speed the log cannot show comes back as the one "CONFERMA" stores,
    // with the beep of a refused entry, also when the slider was already
    // at its end: the box never shows what would not be stored.
    const double confirmed = ConfirmedSpeed(*knots);
    if (confirmed != *knots || std::signbit(*knots)) {
        SPSOLCO->setValue(confirmed);
        toolkit::platform().Beep();
    }
}

void TForm3::GRADIOKClick()
{
    const auto knots = SPSOLCO->ReadValue();
    if (!knots)
        return;
    const double speed = ConfirmedSpeed(*knots);
    if (handOff_.entryField)
        handOff_.entryField->setText(SpeedText(speed));
    if (handOff_.entrySpeed)
        *handOff_.entrySpeed = speed;
    handOff_.entryConfirmed = true;
    accept();
}

void TForm3::GRADIABOClick()
{
    reject();
}
