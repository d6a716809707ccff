#pragma once
// The program's one typeface, embedded in the executable so that labels fit
// their places on every machine.

#include <QFont>

namespace toolkit {

// Registers the embedded typeface; returns false when it could not be loaded
// (the platform's default family is used then).
bool RegisterFonts();

// The typeface at a character height in pixels.
QFont UiFont(int pixelHeight, bool bold = false);

}  // namespace toolkit
