#pragma once
// A grid of texts addressed as Cells(column, row), with one fixed heading row
// (row 0) that stays in place while the rows scroll and one fixed first
// column drawn in the button face colour.

#include <QTableWidget>

namespace toolkit {

class StringGrid : public QTableWidget {
    Q_OBJECT
    Q_PROPERTY(int RowCount READ RowCount WRITE setRowCount)

public:
    StringGrid(QWidget* parent, const QString& name, int columns, int rows, int rowHeight);

    // Row 0 is the heading row.
    int RowCount() const { return rowCount() + 1; }
    void setRowCount(int rows);
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

private:
    // The fixed column's cells in the button face of the scheme.
    void ColorFixedColumn();
};

}  // namespace toolkit
