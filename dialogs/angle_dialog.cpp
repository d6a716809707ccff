#include "dialogs/angle_dialog.h"

#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QKeyEvent>

#include <cmath>

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
    connect(SPGRADI, &TNumEdit::OnExit, this, &TForm2::SPGRADIExit);
    connect(SPPRIMI, &TNumEdit::OnExit, this, &TForm2::SPPRIMIExit);
    for (TSpinNumEdit* spin : {SPGRADI, SPPRIMI, SPSECONDI})
        spin->installEventFilter(this);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    }
    return EntryDialog::eventFilter(watched, event);
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
        SPGRADI->setText(WholeText(shown.negative ? -std::fabs(shown.degrees) : shown.degrees));
        SPPRIMI->setValue(shown.minutes);
        SPSECONDI->setValue(shown.seconds);
    }
    // What is shown is what the track bars hold, and what "CONFERMA" stores.
    FollowBar(POGRADI, VUGRADI, SPGRADI, SplitDegreeRow);
    FollowBar(POPRIMI, VUPRIMI, SPPRIMI, SplitMinuteRow);
    FollowBar(POSECONDI, VUSECONDI, SPSECONDI, SplitMinuteRow);
    COMPASSO->setHeading(POGRADI->Position());
    SPGRADI->setFocus(Qt::OtherFocusReason);
    SPGRADI->selectAll();
    SPGRADI->TypeAhead(handOff_.entryTyped);
    handOff_.entryTyped.clear();
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

void TForm2::FollowBar(TInstTrackBar* bar, TInstJogMeter* scale, TSpinNumEdit* spin, RowSplit (*split)(double))
{
    scale->Value()->setValue(bar->Position());
    // A box that already holds the number keeps its text: "-0" on the way to
    // "-120" in the port mode stays "-0", and "2,8" or "2,9999" being typed
    // stays too.
    const auto shown = ReadNumberText(spin->text());
    if (!shown || split(*shown).whole != static_cast<double>(bar->Position()))
        spin->setValue(bar->Position());
}

void TForm2::SpreadFraction(TSpinNumEdit* spin, TInstTrackBar* bar, RowSplit (*split)(double))
{
    const auto value = spin->ReadValue();
    if (!value)
        return;
    if (!HasFraction(*value)) {
        MoveBar(spin, bar);
        return;
    }
    const RowSplit parts = split(*value);
    const int position = RowPosition(parts.whole, bar->MinValue(), bar->MaxValue());
    // Beyond the row's range, or below zero where nothing is: the limit, as
    // for a whole number.
    if (position != parts.whole || (std::signbit(parts.whole) && bar->MinValue() >= 0)) {
        bar->setPosition(position);
        spin->setValue(position);
        toolkit::platform().Beep();
        return;
    }
    bar->setPosition(position);
    if (spin == SPGRADI)
        SPPRIMI->setValue(parts.minutes);
    SPSECONDI->setValue(parts.seconds);
}

std::optional<double> TForm2::WholeOf(TSpinNumEdit* spin, RowSplit (*split)(double))
{
    const auto value = spin->ReadValue();
    if (!value || !HasFraction(*value))
        return value;
    return split(*value).whole;
}

void TForm2::ShowWhole(TSpinNumEdit* spin, RowSplit (*split)(double))
{
    const auto value = ReadNumberText(spin->text());
    if (value && HasFraction(*value))
        spin->setText(WholeText(split(*value).whole));
}

void TForm2::SPGRADIChange() { SpreadFraction(SPGRADI, POGRADI, SplitDegreeRow); }
void TForm2::SPPRIMIChange() { SpreadFraction(SPPRIMI, POPRIMI, SplitMinuteRow); }
void TForm2::SPGRADIExit() { ShowWhole(SPGRADI, SplitDegreeRow); }
void TForm2::SPPRIMIExit() { ShowWhole(SPPRIMI, SplitMinuteRow); }
void TForm2::SPSECONDIChange() { MoveBar(SPSECONDI, POSECONDI); }

void TForm2::POGRADIChange()
{
    FollowBar(POGRADI, VUGRADI, SPGRADI, SplitDegreeRow);
    COMPASSO->setHeading(POGRADI->Position());
}

void TForm2::POPRIMIChange() { FollowBar(POPRIMI, VUPRIMI, SPPRIMI, SplitMinuteRow); }
void TForm2::POSECONDIChange() { FollowBar(POSECONDI, VUSECONDI, SPSECONDI, SplitMinuteRow); }

void TForm2::GRADIOKClick()
{
    // A fraction already stands in the rows below.
    const auto degrees = WholeOf(SPGRADI, SplitDegreeRow);
    const auto minutes = degrees ? WholeOf(SPPRIMI, SplitMinuteRow) : std::nullopt;
    const auto seconds = minutes ? SPSECONDI->ReadValue() : std::nullopt;
    if (!seconds)
        return;
    const DegreeRange range = Degrees();
    const DialogAngle angle = AngleFromNumbers(*degrees, *minutes, *seconds, range);
    const nav::Angle value = AngleValue(angle, range);
    if (handOff_.entryField)
        handOff_.entryField->setText(FieldText(value, range));
    if (handOff_.entryValue)
        *handOff_.entryValue = value;
    handOff_.entryConfirmed = true;
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
