#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// The cells of a grid, addressed as (column, row) from 0, title row and column
// included. Each cell has a display text, a value text that is never shown, and
// its own alignment, read-only state, background colour and bold state.
struct GridCell {
    QString text;
    QString value;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color; // invalid: the grid's base colour
    bool readOnly = false;
    bool bold = false;
};

class GridCells {
  public:
    int colCount() const { return cols; }
    int rowCount() const { return rows; }
    // Keeps the cells that stay inside the new size.
    void resize(int colCount, int rowCount);

    bool contains(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < cols && row < rows;
    }
    GridCell& at(int col, int row) { return cells[row * cols + col]; }
    const GridCell& at(int col, int row) const { return cells[row * cols + col]; }

  private:
    int cols = 0;
    int rows = 0;
    QVector<GridCell> cells;
};
