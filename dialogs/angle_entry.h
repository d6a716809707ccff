#pragma once
// The rules of the angle dialog that need no window: how a stored angle
// value is shown as degrees, minutes and seconds for the opener's degree
// range, and how the three numbers become the value and the field's text.
//
// A degree range at or below 0 (the polar bearing's port mode, -180..0) is
// the port mode: the whole angle is to port. The degrees are shown
// negative (0..-180), the minutes and seconds as magnitudes 0..59, and the
// stored value is -(|d| * 3600 + m * 60 + s): -30 15' is -108900 and
// 0 30' to port is -1800. The field's text carries no sign.
//
// A range across zero (a deviation, -90..90) is signed: a minus before the
// degrees makes the whole angle negative, also with 0 degrees (-0 30' is
// -1800), and the field's text carries the sign.

#include "nav/angle.h"

#include <QString>

struct DegreeRange {
    int lowest = 0;
    int highest = 0;

    bool Port() const { return highest <= 0 && lowest < 0; }
    bool Signed() const { return lowest < 0 && highest > 0; }
    bool FullCircle() const;
};

struct DialogAngle {
    int degrees = 0;  // negative in the port mode
    int minutes = 0;  // 0..59
    int seconds = 0;  // 0..59
    bool negative = false;  // in a signed range: below zero, also with 0 degrees

    friend bool operator==(const DialogAngle&, const DialogAngle&) = default;
};

// The numbers the dialog opens with. A value the range cannot show opens
// as its direction on the full circle (-30 shows 330), in the port mode as
// its negative form when that lies within the range, and otherwise with its
// degrees brought to the nearest end of the range (200 15' in the range
// 0..180 opens as 180 15').
DialogAngle AngleToShow(nav::Angle value, DegreeRange range);

// The spin edits' numbers (any doubles) brought within their ranges and
// rounded to whole numbers, halves to even. A signed range takes the sign of
// the degrees, -0 included.
DialogAngle AngleFromNumbers(double degrees, double minutes, double seconds, DegreeRange range);

// The value "CONFERMA" stores.
nav::Angle AngleValue(const DialogAngle& angle, DegreeRange range);

// The text "CONFERMA" writes into the field for a stored value: a signed
// range shows the value with its sign, any other the dialog's numbers (AngleText).
QString FieldText(nav::Angle value, DegreeRange range);

// "%3.0d° %2.0u' %2.0u\"" of the magnitude of the degrees, the minutes and
// the seconds: the text "CONFERMA" writes into the field.
QString AngleText(const DialogAngle& angle);

// A number typed with a decimal fraction in the degree or the minute row:
// the whole part stays in its row and the fraction goes to the rows below,
// to the nearest second (2.8 degrees: 2 48' 0"; 48.5 minutes: 48' 30"). A
// carry reaches the whole part (2.99999 degrees: 3 0' 0").
struct RowSplit {
    double whole = 0;  // with the number's sign, also -0
    int minutes = 0;   // always 0 for the minute row
    int seconds = 0;
};
RowSplit SplitDegreeRow(double degrees);
RowSplit SplitMinuteRow(double minutes);
bool HasFraction(double value);

// The text of a row's whole number; "-0" keeps a signed angle's side.
QString WholeText(double whole);

// A number of a row brought within that row's range before it is rounded
// (halves to even): no typed text can overflow on the way to a position.
int RowPosition(double value, int lowest, int highest);
