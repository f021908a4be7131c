#pragma once

#include "GridCells.h"

#include <QAbstractTableModel>
#include <QRect>

// The item model a CellGrid shows. The grid's row 0 and column 0 are its hidden
// title row and column; the fixed column and row that follow them (when there are
// any) are the view's vertical and horizontal header. Model index (r, c) is grid
// cell (c + firstCol, r + firstRow).
class CellGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit CellGridModel(QObject* parent = nullptr);

    GridCells& cells() { return store; }
    const GridCells& cells() const { return store; }

    // Changes the size or the fixed column and row count (each 0 or 1).
    void setShape(int colCount, int rowCount, int fixedCols, int fixedRows);
    int fixedCols() const { return fixed.cols; }
    int fixedRows() const { return fixed.rows; }
    int firstCol() const { return 1 + fixed.cols; }
    int firstRow() const { return 1 + fixed.rows; }

    QModelIndex indexOfCell(int col, int row) const;

    // While suspended, cell changes are collected and announced once on resume.
    void suspend();
    void resume();
    // Announces a change of cells (col, row) .. (col2, row2).
    void cellsChanged(int col, int row, int col2, int row2);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // What a cell shows under a role; shared by the items and the headers.
    QVariant cellData(int col, int row, int role) const;

  private:
    GridCells store;
    struct {
        int cols = 0;
        int rows = 0;
    } fixed;
    int suspended = 0;
    QRect pendingCells; // changed while suspended
};
