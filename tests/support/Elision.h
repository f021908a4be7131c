#pragma once

#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStringList>

// Texts a window would show cut short ("...") or clipped, as Qt itself judges them:
// a cell is cut when the view's size hint for it (what its delegate needs to draw the
// text whole) is wider than the cell, a header section when its size hint is wider than
// the section.
namespace Elision {

// "col,row: text" for every cell of the grid whose text does not fit, header row and
// header column included.
inline QStringList cutCells(CellGrid* grid)
{
    QStringList cut;
    const CellGridModel* model = grid->cellModel();
    const auto note = [&](int col, int row) {
        cut << QStringLiteral("%1,%2: %3").arg(col).arg(row).arg(grid->cellText(col, row));
    };
    QHeaderView* top = grid->horizontalHeader();
    QHeaderView* left = grid->verticalHeader();
    if (grid->fixedRows())
        for (int s = 0; s < top->count(); ++s)
            if (top->sectionSizeHint(s) > top->sectionSize(s)) note(s + model->firstCol(), 1);
    if (grid->fixedCols() && left->sizeHint().width() > left->width()) note(1, model->firstRow());
    for (int row = model->firstRow(); row < grid->rowCount(); ++row)
        for (int col = model->firstCol(); col < grid->colCount(); ++col) {
            const QModelIndex index = model->indexOfCell(col, row);
            if (grid->cellText(col, row).isEmpty()) continue;
            if (grid->sizeHintForIndex(index).width() > grid->visualRect(index).width())
                note(col, row);
        }
    return cut;
}

// A drop-down list narrower than Qt says its longest entry needs.
inline bool clipsItsEntries(const QComboBox* box)
{
    return box->width() < box->sizeHint().width();
}

} // namespace Elision

// Fails the test with the cells that are cut.
#define QVERIFY_NOTHING_CUT(grid)                                                                  \
    do {                                                                                           \
        const QStringList cutTexts = Elision::cutCells(grid);                                      \
        QVERIFY2(cutTexts.isEmpty(), qPrintable(cutTexts.join(QStringLiteral("; "))));             \
    } while (false)
