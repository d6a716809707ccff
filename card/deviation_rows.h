#pragma once
// A table of compass headings and deviations typed by the user, shared by
// the table editor and the compass swing. A cell takes only text that is,
// or may still become, a number within its bounds.

#include "nav/deviation_table.h"

#include <QTableWidget>
#include <QValidator>

#include <optional>
#include <set>
#include <vector>

// Accepts a number with "." or "," within [lowest, highest]; text that could
// still become one ("", "-", "12,") is intermediate.
class CellValidator : public QValidator {
    Q_OBJECT

public:
    CellValidator(double lowest, double highest, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    double lowest_;
    double highest_;
};

class DeviationRows : public QTableWidget {
    Q_OBJECT

public:
    enum Column { kHeading = 0, kDeviation = 1 };

    DeviationRows(QWidget* parent, const QString& name, int maxRows);

    void SetRows(const std::vector<nav::DeviationRow>& rows);
    // Headings alone, deviations left to be typed.
    void SetHeadings(const std::vector<double>& headings);

    // Every row, or the first problem: "Riga 3: ..." with rows counted from 1.
    struct Read {
        std::vector<nav::DeviationRow> rows;
        QString problem;
    };
    Read ReadAll() const;
    // Only the rows whose two cells hold valid numbers.
    std::vector<nav::DeviationRow> CompleteRows() const;

    // Each row's heading, none where the cell holds no number.
    std::vector<std::optional<double>> Headings() const;
    // Writes both cells of `row`, or of a new last row when none is given;
    // false at the most rows.
    bool WriteRow(std::optional<int> row, double heading, double deviation);

    // False at the most rows.
    bool AddRow();
    // The selected rows, else the current one.
    std::set<int> RowsToDelete() const;
    void DeleteSelectedRows();
    // Sorted by heading; refused (false) while a row is not readable.
    bool SortByHeading();

    int maxRows() const { return maxRows_; }

    // The text a cell shows for a number: one or two decimals, the locale's mark.
    static QString NumberText(double x);

private:
    std::optional<double> Number(int row, int column) const;
    int maxRows_;
};
