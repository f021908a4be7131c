#include "CellGridModel.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

CellGridModel::CellGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void CellGridModel::setShape(int colCount, int rowCount, int fixedCols, int fixedRows)
{
    fixedCols = std::clamp(fixedCols, 0, 1);
    fixedRows = std::clamp(fixedRows, 0, 1);
    if (colCount == store.colCount() && rowCount == store.rowCount() && fixedCols == fixed.cols &&
        fixedRows == fixed.rows)
        return;
    beginResetModel();
    store.resize(colCount, rowCount);
    fixed.cols = fixedCols;
    fixed.rows = fixedRows;
    endResetModel();
}

QModelIndex CellGridModel::indexOfCell(int col, int row) const
{
    return index(row - firstRow(), col - firstCol());
}

void CellGridModel::suspend()
{
    ++suspended;
}

void CellGridModel::resume()
{
    if (suspended == 0 || --suspended > 0 || pendingCells.isNull()) return;
    const QRect cells = pendingCells;
    pendingCells = QRect();
    cellsChanged(cells.left(), cells.top(), cells.right(), cells.bottom());
}

void CellGridModel::cellsChanged(int col, int row, int col2, int row2)
{
    if (suspended > 0) {
        // Only the cells that changed are announced on resume.
        pendingCells |= QRect(QPoint(col, row), QPoint(col2, row2));
        return;
    }
    if (fixed.rows && row <= 1 && row2 >= 1 && col2 >= firstCol())
        emit headerDataChanged(Qt::Horizontal, std::max(col, firstCol()) - firstCol(),
                               col2 - firstCol());
    if (fixed.cols && col <= 1 && col2 >= 1 && row2 >= firstRow())
        emit headerDataChanged(Qt::Vertical, std::max(row, firstRow()) - firstRow(),
                               row2 - firstRow());
    const int top = std::max(row, firstRow()) - firstRow();
    const int left = std::max(col, firstCol()) - firstCol();
    const int bottom = std::min(row2 - firstRow(), rowCount() - 1);
    const int right = std::min(col2 - firstCol(), columnCount() - 1);
    if (top <= bottom && left <= right) emit dataChanged(index(top, left), index(bottom, right));
}

int CellGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(store.rowCount() - firstRow(), 0);
}

int CellGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(store.colCount() - firstCol(), 0);
}

QVariant CellGridModel::cellData(int col, int row, int role) const
{
    if (!store.contains(col, row)) return {};
    const GridCell& cell = store.at(col, row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell.text;
    case Qt::TextAlignmentRole:
        return int(cell.alignment);
    case Qt::BackgroundRole:
        return cell.color.isValid() ? QVariant(QBrush(cell.color)) : QVariant();
    case Qt::FontRole:
        if (cell.bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    return cellData(index.column() + firstCol(), index.row() + firstRow(), role);
}

QVariant CellGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0) return {};
    if (orientation == Qt::Horizontal) {
        if (!fixed.rows || section >= columnCount()) return {};
        return cellData(section + firstCol(), 1, role);
    }
    if (!fixed.cols || section >= rowCount()) return {};
    return cellData(1, section + firstRow(), role);
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex& index) const
{
    // The grid runs its own cell editor, so no item is editable through the view.
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
