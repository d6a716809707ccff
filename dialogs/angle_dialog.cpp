#include "dialogs/angle_dialog.h"

#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"


TForm2::TForm2(EntryHandOff& handOff, QWidget* parent)
    : EntryDialog(parent)
    , handOff_(handOff)
{
    BuildLayout();
    ConnectHandlers();
}

void TForm2::ConnectHandlers()
{
    connect(SPGRADI, &TNumEdit::OnChange, this, &TForm2::SPGRADIChange);
    connect(SPPRIMI, &TNumEdit::OnChange, this, &TForm2::SPPRIMIChange);
    connect(SPSECONDI, &TNumEdit::OnChange, this, &TForm2::SPSECONDIChange);
    connect(POGRADI, &TInstTrackBar::OnChange, this, &TForm2::POGRADIChange);
    connect(POPRIMI, &TInstTrackBar::OnChange, this, &TForm2::POPRIMIChange);
    connect(POSECONDI, &TInstTrackBar::OnChange, this, &TForm2::POSECONDIChange);
    connect(GRADIOK, &toolkit::SpeedButton::clicked, this, &TForm2::GRADIOKClick);
    connect(GRADIABO, &toolkit::SpeedButton::clicked, this, &TForm2::GRADIABOClick);
    connect(GRADICLEAR, &toolkit::SpeedButton::clicked, this, &TForm2::GRADICLEARClick);
}

DegreeRange TForm2::Degrees() const
{
    return {POGRADI->MinValue(), POGRADI->MaxValue()};
}

void TForm2::OpenAngleDialog(int lowest, int highest)
{
    SPGRADI->setMinValue(lowest);
    SPGRADI->setMaxValue(highest);
    POGRADI->setMinValue(lowest);
    POGRADI->setMaxValue(highest);
    exec();
}


void TForm2::FormShow()
{
    if (handOff_.entryValue) {
        const DialogAngle shown = AngleToShow(*handOff_.entryValue, Degrees());
        SPGRADI->setValue(shown.degrees);
        SPPRIMI->setValue(shown.minutes);
        SPSECONDI->setValue(shown.seconds);
    }
    // What is shown is what the track bars hold, and what "CONFERMA" stores.
    FollowBar(POGRADI, VUGRADI, SPGRADI);
    FollowBar(POPRIMI, VUPRIMI, SPPRIMI);
    FollowBar(POSECONDI, VUSECONDI, SPSECONDI);
    COMPASSO->setHeading(POGRADI->Position());
    SPGRADI->setFocus(Qt::OtherFocusReason);
    SPGRADI->selectAll();
}

void TForm2::MoveBar(TSpinNumEdit* spin, TInstTrackBar* bar)
{
    const auto value = spin->ReadValue();
    if (!value)
        return;
    const int position = RowPosition(*value, bar->MinValue(), bar->MaxValue());
    bar->setPosition(position);
    // A number beyond the row's range comes back as the limit at once, with
    // the beep of a refused entry, also when the bar was already there: the
    // box never shows what would not be stored.
    if (position != *value) {
        spin->setValue(position);
        toolkit::platform().Beep();
    }
}

void TForm2::FollowBar(TInstTrackBar* bar, TInstJogMeter* scale, TSpinNumEdit* spin)
{
    scale->Value()->setValue(bar->Position());
    // A box that already holds the number keeps its text: "-0" on the way to
    // "-120" in the port mode stays "-0".
    if (ReadNumberText(spin->text()) != static_cast<double>(bar->Position()))
        spin->setValue(bar->Position());
}

void TForm2::SPGRADIChange() { MoveBar(SPGRADI, POGRADI); }
void TForm2::SPPRIMIChange() { MoveBar(SPPRIMI, POPRIMI); }
void TForm2::SPSECONDIChange() { MoveBar(SPSECONDI, POSECONDI); }

void TForm2::POGRADIChange()
{
    FollowBar(POGRADI, VUGRADI, SPGRADI);
    COMPASSO->setHeading(POGRADI->Position());
}

void TForm2::POPRIMIChange() { FollowBar(POPRIMI, VUPRIMI, SPPRIMI); }
void TForm2::POSECONDIChange() { FollowBar(POSECONDI, VUSECONDI, SPSECONDI); }

void TForm2::GRADIOKClick()
{
    const auto degrees = SPGRADI->ReadValue();
    const auto minutes = degrees ? SPPRIMI->ReadValue() : std::nullopt;
    const auto seconds = minutes ? SPSECONDI->ReadValue() : std::nullopt;
    if (!seconds)
        return;
    const DegreeRange range = Degrees();
    const DialogAngle angle = AngleFromNumbers(*degrees, *minutes, *seconds, range);
    if (handOff_.entryField)
        handOff_.entryField->setText(AngleText(angle));
    if (handOff_.entryValue)
        *handOff_.entryValue = AngleValue(angle, range);
    accept();
}

void TForm2::GRADIABOClick()
{
    reject();
}

void TForm2::GRADICLEARClick()
{
    SPGRADI->setValue(0);
    SPPRIMI->setValue(0);
    SPSECONDI->setValue(0);
}
