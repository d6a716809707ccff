#include "nav/deviation_file.h"

#include "nav/number_text.h"

#include <algorithm>
#include <cmath>

namespace nav {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr int kFileDecimals = 2;
constexpr char kDefaultHeading[] = "% Pb (prora bussola, gradi) ; Dev (deviazione, gradi, + verso Est)";

}  // namespace

RowProblem CheckHeading(double heading)
{
    if (!std::isfinite(heading))
        return RowProblem::NotANumber;
    if (heading < kLowestRowHeading || heading > kHighestRowHeading)
        return RowProblem::HeadingOutOfRange;
    return RowProblem::None;
}

RowProblem CheckDeviation(double deviation)
{
    if (!std::isfinite(deviation))
        return RowProblem::NotANumber;
    if (std::fabs(deviation) > kMaxRowDeviation)
        return RowProblem::DeviationOutOfRange;
    return RowProblem::None;
}

RowProblem CheckRow(double heading, double deviation)
{
    const RowProblem h = CheckHeading(heading);
    return h != RowProblem::None ? h : CheckDeviation(deviation);
}

std::optional<double> ReadCellNumber(std::string_view text)
{
    std::string field(text);
    // Either mark, but only one of them.
    if (field.find('.') != std::string::npos && field.find(',') != std::string::npos)
        return std::nullopt;
    std::replace(field.begin(), field.end(), ',', '.');
    const auto value = ParseDecimal(field, '.');
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::string FileNumber(double x)
{
    std::string text = FixedText(x, kFileDecimals);
    // "2.50" -> "2.5", "3.00" -> "3.0": one decimal stays, as the sample has them.
    while (text.size() >= 2 && text.back() == '0' && text[text.size() - 2] != '.')
        text.pop_back();
    return text;
}

std::string WriteDeviationTable(std::string_view oldBytes, std::span<const DeviationRow> rows)
{
    if (const auto end = oldBytes.find('\x1A'); end != std::string_view::npos)
        oldBytes = oldBytes.substr(0, end);

    std::string out;
    bool anyComment = false;
    std::string blanks;  // blank lines are kept only between comments
    std::size_t pos = 0;
    while (pos < oldBytes.size()) {
        std::size_t lineEnd = oldBytes.find_first_of("\r\n", pos);
        if (lineEnd == std::string_view::npos)
            lineEnd = oldBytes.size();
        const std::string_view line = oldBytes.substr(pos, lineEnd - pos);
        pos = lineEnd;
        if (pos < oldBytes.size() && oldBytes[pos] == '\r')
            ++pos;
        if (pos < oldBytes.size() && oldBytes[pos] == '\n')
            ++pos;
        if (line.empty()) {
            blanks += kLineEnd;
            continue;
        }
        if (line.front() != '%')
            break;
        out += blanks;
        blanks.clear();
        out.append(line);
        out += kLineEnd;
        anyComment = true;
    }
    if (!anyComment) {
        out += kDefaultHeading;
        out += kLineEnd;
    }
    for (const DeviationRow& row : rows) {
        out += FileNumber(row.Pb);
        out += ';';
        out += FileNumber(row.Dev);
        out += kLineEnd;
    }
    return out;
}

bool DeletionNeedsConfirmation(std::size_t deleting, std::size_t rows)
{
    return deleting * 2 > rows;
}

std::vector<DeviationRow> SortedByHeading(std::span<const DeviationRow> rows)
{
    std::vector<DeviationRow> sorted(rows.begin(), rows.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const DeviationRow& a, const DeviationRow& b) { return a.Pb < b.Pb; });
    return sorted;
}

std::vector<DeviationRow> RowsOf(const DeviationTable& table)
{
    return {table.rows.begin(), table.rows.begin() + table.count};
}

}  // namespace nav
