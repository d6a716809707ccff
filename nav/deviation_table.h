#pragma once
// The compass deviation table read from DEVIAZIONI.TXT. All numbers are
// degrees; a positive deviation turns the compass heading clockwise.

#include "nav/angle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nav {

struct DeviationRow {
    double Pb = 0.0;   // compass heading
    double Dev = 0.0;  // deviation
    double Pm = 0.0;   // magnetic heading, WrapDegrees(Pb + Dev)
};

inline constexpr int kDeviationCapacity = 361;  // one row per whole degree, 0..360

// A deviation table is a few kilobytes; a file larger than this is not one.
inline constexpr long long kMaxDeviationFileBytes = 1024 * 1024;

struct DeviationTable {
    std::array<DeviationRow, kDeviationCapacity> rows{};
    int count = 0;  // rows loaded, 0..361
};

struct DeviationParse {
    DeviationTable table;               // the rows completed before any error
    std::optional<std::string> error;   // UTF-8 message of the conversion error
};

// Reads the file's bytes (Windows-1252; lines end with CR LF, LF or CR; 0x1A
// ends the file). Empty lines, "%" comments and lines without ";" are
// skipped; an entry is "Pb;Dev" with at most 20 characters of Dev. The
// decimal mark may be "." or ",". The first field that is not a number stops
// the reading with "'<field>' is not a valid floating point value". Entry
// lines beyond the table's 361 rows are ignored.
DeviationParse ParseDeviationTable(std::string_view bytes);

// The deviation of the row nearest to the heading's whole degrees (floor),
// measured on the circle; ties go to the earlier row, an empty table gives 0.
Angle DeviationForCompass(const DeviationTable& table, Angle compassHeading);
Angle DeviationForMagnetic(const DeviationTable& table, Angle magneticHeading);

// Windows-1252 bytes as UTF-8; control characters become U+FFFD so that a
// message never carries them.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace nav
