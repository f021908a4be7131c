#pragma once

#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>
#include <QStyle>
#include <algorithm>

// Texts a window would show cut short ("...") or clipped, measured the way Qt draws
// them: an item view draws a cell's text inside its visual rectangle less the style's
// focus-frame margin and one pixel on either side; a header inside its section less
// the header margin on either side.
namespace Elision {

inline int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// "col,row: text" for every cell of the grid whose text does not fit, header row and
// column included.
inline QStringList cutCells(CellGrid* grid)
{
    QStringList cut;
    const CellGridModel* model = grid->cellModel();
    QStyle* style = grid->style();
    const int itemMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    const int headerMargin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid);
    for (int row = 1; row < grid->rowCount(); ++row) {
        for (int col = 1; col < grid->colCount(); ++col) {
            const QString text = grid->cellText(col, row);
            if (text.isEmpty()) continue;
            const bool headerRow = grid->fixedRows() && row == 1;
            const bool headerCol = grid->fixedCols() && col == 1;
            int room = 0;
            QFont font = grid->font();
            if (headerRow && headerCol) {
                room = grid->verticalHeader()->width() - 2 * headerMargin;
                font = grid->horizontalHeader()->font();
            } else if (headerRow) {
                room = grid->horizontalHeader()->sectionSize(col - model->firstCol()) -
                       2 * headerMargin;
                font = grid->horizontalHeader()->font();
            } else if (headerCol) {
                room = grid->verticalHeader()->width() - 2 * headerMargin;
                font = grid->verticalHeader()->font();
            } else {
                room = grid->visualRect(model->indexOfCell(col, row)).width() - 2 * itemMargin;
            }
            font.setBold(font.bold() || grid->isBold(col, row));
            if (widestLine(QFontMetrics(font), text) > room)
                cut << QStringLiteral("%1,%2: %3").arg(col).arg(row).arg(text);
        }
    }
    return cut;
}

// A drop-down list narrower than Qt says its longest entry needs.
inline bool clipsItsEntries(const QComboBox* box)
{
    return box->width() < box->sizeHint().width();
}

} // namespace Elision
