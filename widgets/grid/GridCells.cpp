#include "GridCells.h"

#include <algorithm>

void GridCells::resize(int colCount, int rowCount)
{
    colCount = std::max(colCount, 0);
    rowCount = std::max(rowCount, 0);
    if (colCount == cols && rowCount == rows) return;
    QVector<GridCell> next(colCount * rowCount);
    for (int r = 0; r < std::min(rows, rowCount); ++r)
        for (int c = 0; c < std::min(cols, colCount); ++c)
            next[r * colCount + c] = std::move(cells[r * cols + c]);
    cells = std::move(next);
    cols = colCount;
    rows = rowCount;
}
