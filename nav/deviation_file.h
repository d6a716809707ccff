#pragma once
// Writing DEVIAZIONI.TXT back, and the bounds of a row typed by the user.

#include "nav/deviation_table.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nav {

// What a typed row may hold: a heading from −180° (a western heading
// written as negative) to 360°, a deviation within ±90°.
inline constexpr double kLowestRowHeading = -180.0;
inline constexpr double kHighestRowHeading = 360.0;
inline constexpr double kMaxRowDeviation = 90.0;

enum class RowProblem { None, NotANumber, HeadingOutOfRange, DeviationOutOfRange };

RowProblem CheckHeading(double heading);
RowProblem CheckDeviation(double deviation);
RowProblem CheckRow(double heading, double deviation);

// A number typed in a cell, with "." or "," as its decimal mark.
std::optional<double> ReadCellNumber(std::string_view text);

// A number as the file writes it: "." decimal mark, at most two decimals,
// at least one ("-1.0", "2.25", "350.0").
std::string FileNumber(double x);

// The new file's bytes: the comment lines at the top of the old file (up
// to its first line that is not a comment, blank lines among them kept)
// byte for byte, then one "Pb;Dev" line per row; CR LF line ends. Without
// any old comments a short heading line is written.
std::string WriteDeviationTable(std::string_view oldBytes, std::span<const DeviationRow> rows);

// Deleting more than half of the rows is asked first: a slip of the
// selection must not empty the table.
bool DeletionNeedsConfirmation(std::size_t deleting, std::size_t rows);

// The rows sorted by compass heading, equal headings in their order.
std::vector<DeviationRow> SortedByHeading(std::span<const DeviationRow> rows);

// The rows of a table, in their order.
std::vector<DeviationRow> RowsOf(const DeviationTable& table);

}  // namespace nav
