#pragma once
// The program's button glyphs, drawn in code (our own artwork).

#include <QPixmap>

namespace toolkit {

enum class GlyphKind {
    Calculate,  // a pocket calculator
    Exit,       // an open door with an arrow
    Clear,      // a red cross: empties a field
    Settings,   // a small compass needle: opens the declination data
    Confirm,    // a green tick
    Cancel,     // a red circle with a bar
    Save,       // a diskette: writes the settings file
    Position,   // a globe with a red pin: the declination from a position
    Night,      // a crescent moon and a star: the night colours
    ClearAll,   // an eraser: empties every field of a tab
    Lighthouse, // a lighthouse with its beams: the coastal problems
    Logbook,    // an open book with ruled lines: the calculation log
    Copy,       // two sheets, one over the other
    Pdf,        // a sheet with a red band
    Print,      // a printer with its sheet
    Instruments,  // a dial and radio waves: the boat's instruments live
};

// A square glyph of `size` pixels on a transparent background.
QPixmap Glyph(GlyphKind kind, int size);

}  // namespace toolkit
