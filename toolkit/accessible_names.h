#pragma once
// Names and tooltips for screen readers and for the mouse, given where a
// window's own code gives none:
// a field, a number box or a list is named by the caption beside it (on its
// left in its row, else just above it), a clear button by "Cancella" and its
// field, a glyph button by its tooltip. A name given by hand is kept.

#include <QString>

class QWidget;

namespace toolkit {

// An arrow of a pair that steps a field: named "Aumenta"/"Diminuisci" and
// the field's name, the field being the arrows' owner or the one on their left.
enum class Arrow { Up, Down };
void MarkArrow(QWidget* button, Arrow arrow);

// How a value field is filled, for its tooltip under its name: through the
// angle, speed or position dialog, typed as a time or a free text, or not at
// all (a result). Without one a read-only field is a result and any other
// is typed, with its arrows when it has them.
enum class Entry { Angle, Speed, Position, Time, Text, Result };
void SetEntryHint(QWidget* field, Entry entry);

// Once the window's controls exist, and again after controls are added.
void NameControls(QWidget* window);

// The name a caption gives: without the mnemonic's ampersand and a final colon.
QString CaptionName(const QString& caption);

}  // namespace toolkit
