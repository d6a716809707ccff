#include "toolkit/string_grid.h"

#include "toolkit/color_scheme.h"

#include <QHeaderView>
#include <algorithm>

namespace toolkit {

namespace {

constexpr int kDefaultColumnWidth = 64;

}  // namespace

StringGrid::StringGrid(QWidget* parent, const QString& name, int columns, int rows, int rowHeight)
    : QTableWidget(parent)
{
    setObjectName(name);
    setColumnCount(columns);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; c < columns; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    setRowCount(rows);
    connect(&ColorScheme::instance(), &ColorScheme::NightChanged, this, &StringGrid::ColorFixedColumn);
}

void StringGrid::ColorFixedColumn()
{
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* cell = item(r, 0))
            cell->setBackground(SchemeColor(clBtnFace, Tone::Paper));
}

void StringGrid::setRowCount(int rows)
{
    const int body = std::max(rows - 1, 0);
    const int before = rowCount();
    QTableWidget::setRowCount(body);
    for (int r = before; r < body; ++r)
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem();
            if (c == 0) {
                item->setBackground(SchemeColor(clBtnFace, Tone::Paper));
                item->setFlags(Qt::ItemIsEnabled);
            }
            setItem(r, c, item);
        }
}

QString StringGrid::Cell(int column, int row) const
{
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text)
{
    QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    if (cell)
        cell->setText(text);
}

}  // namespace toolkit
