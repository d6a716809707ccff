#include "card/deviation_rows.h"

#include "nav/deviation_file.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Each column's editor checks the text as it is typed.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!edit)
            edit = new QLineEdit(parent);
        if (index.column() == DeviationRows::kHeading)
            edit->setValidator(new CellValidator(nav::kLowestRowHeading, nav::kHighestRowHeading, edit));
        else
            edit->setValidator(new CellValidator(-nav::kMaxRowDeviation, nav::kMaxRowDeviation, edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return edit;
    }
};

QString RowProblemText(int row, nav::RowProblem problem)
{
    const QString at = DeviationRows::tr("Riga %1: ").arg(row + 1);
    switch (problem) {
    case nav::RowProblem::None: return {};
    case nav::RowProblem::NotANumber: return at + DeviationRows::tr("manca un numero.");
    case nav::RowProblem::HeadingOutOfRange:
        return at + DeviationRows::tr("la prora deve stare tra -180° e 360°.");
    case nav::RowProblem::DeviationOutOfRange:
        return at + DeviationRows::tr("la deviazione deve stare tra -90° e +90°.");
    }
    return at;
}

}  // namespace

CellValidator::CellValidator(double lowest, double highest, QObject* parent)
    : QValidator(parent)
    , lowest_(lowest)
    , highest_(highest)
{
}

QValidator::State CellValidator::validate(QString& input, int&) const
{
    static const QRegularExpression partial(QStringLiteral("^\\s*[+-]?\\d*([.,]\\d*)?\\s*$"));
    if (!partial.match(input).hasMatch())
        return Invalid;
    const auto value = nav::ReadCellNumber(input.toStdString());
    if (!value)
        return Intermediate;
    // More digits only take the number farther from zero.
    if (*value < lowest_ || *value > highest_)
        return Invalid;
    return Acceptable;
}

DeviationRows::DeviationRows(QWidget* parent, const QString& name, int maxRows)
    : QTableWidget(0, 2, parent)
    , maxRows_(maxRows)
{
    setObjectName(name);
    setHorizontalHeaderLabels({tr("Prora bussola"), tr("Deviazione")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(22);
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
}

QString DeviationRows::NumberText(double x)
{
    QString text = QString::fromStdString(nav::FileNumber(x));
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

void DeviationRows::SetRows(const std::vector<nav::DeviationRow>& rows)
{
    const int count = static_cast<int>(std::min<std::size_t>(rows.size(), static_cast<std::size_t>(maxRows_)));
    setRowCount(count);
    for (int i = 0; i < count; ++i) {
        for (int c : {kHeading, kDeviation}) {
            const double x = c == kHeading ? rows[static_cast<std::size_t>(i)].Pb : rows[static_cast<std::size_t>(i)].Dev;
            auto* item = new QTableWidgetItem(NumberText(x));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(i, c, item);
        }
    }
}

void DeviationRows::SetHeadings(const std::vector<double>& headings)
{
    std::vector<nav::DeviationRow> rows;
    for (double h : headings)
        rows.push_back({h, 0.0, 0.0});
    SetRows(rows);
    for (int i = 0; i < rowCount(); ++i)
        item(i, kDeviation)->setText(QString());
}

std::optional<double> DeviationRows::Number(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? nav::ReadCellNumber(cell->text().toStdString()) : std::nullopt;
}

DeviationRows::Read DeviationRows::ReadAll() const
{
    Read read;
    for (int i = 0; i < rowCount(); ++i) {
        const auto heading = Number(i, kHeading);
        const auto deviation = Number(i, kDeviation);
        const nav::RowProblem problem = heading && deviation ? nav::CheckRow(*heading, *deviation)
                                                             : nav::RowProblem::NotANumber;
        if (problem != nav::RowProblem::None) {
            read.problem = RowProblemText(i, problem);
            read.rows.clear();
            return read;
        }
        read.rows.push_back({*heading, *deviation, nav::WrapDegrees(*heading + *deviation)});
    }
    return read;
}

std::vector<nav::DeviationRow> DeviationRows::CompleteRows() const
{
    std::vector<nav::DeviationRow> rows;
    for (int i = 0; i < rowCount(); ++i) {
        const auto heading = Number(i, kHeading);
        const auto deviation = Number(i, kDeviation);
        if (heading && deviation && nav::CheckRow(*heading, *deviation) == nav::RowProblem::None)
            rows.push_back({*heading, *deviation, nav::WrapDegrees(*heading + *deviation)});
    }
    return rows;
}

std::vector<std::optional<double>> DeviationRows::Headings() const
{
    std::vector<std::optional<double>> headings;
    for (int i = 0; i < rowCount(); ++i)
        headings.push_back(Number(i, kHeading));
    return headings;
}

bool DeviationRows::WriteRow(std::optional<int> row, double heading, double deviation)
{
    if (!row) {
        if (rowCount() >= maxRows_)
            return false;
        row = rowCount();
        insertRow(*row);
    }
    for (int c : {kHeading, kDeviation}) {
        auto* cell = new QTableWidgetItem(NumberText(c == kHeading ? heading : deviation));
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(*row, c, cell);
    }
    setCurrentCell(*row, kDeviation);
    return true;
}

bool DeviationRows::AddRow()
{
    if (rowCount() >= maxRows_)
        return false;
    const int row = currentRow() >= 0 ? currentRow() + 1 : rowCount();
    insertRow(row);
    for (int c : {kHeading, kDeviation}) {
        auto* cell = new QTableWidgetItem();
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, c, cell);
    }
    setCurrentCell(row, kHeading);
    return true;
}

std::set<int> DeviationRows::RowsToDelete() const
{
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && currentRow() >= 0)
        rows.insert(currentRow());
    return rows;
}

void DeviationRows::DeleteSelectedRows()
{
    const std::set<int> rows = RowsToDelete();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        removeRow(*it);
}

bool DeviationRows::SortByHeading()
{
    const Read read = ReadAll();
    if (!read.problem.isEmpty())
        return false;
    SetRows(nav::SortedByHeading(read.rows));
    return true;
}
