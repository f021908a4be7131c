#include "ToneOption.h"

#include "core/DataModule.h"
#include "core/ToneLists.h"
#include "files/TranslateForm.h"
#include "widgets/ModalSeam.h"
#include "widgets/Tag.h"
#include "widgets/grid/CellGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QColor IndexColour(249, 141, 227);
const QColor CodeColour(225, 249, 112);
const QColor DcsIndexColour(47, 231, 220);

// One chart: groups of columns laid out left to right, items running down each
// group. Returns the grid with every cell centred and read-only.
CellGrid* makeChart(QWidget* parent, const char* name, const QVector<int>& groupWidths, int groups,
                    int rows, int rowHeight)
{
    auto* grid = new CellGrid(parent);
    grid->setObjectName(QLatin1String(name));
    Tag::set(grid, Tag::NeverTranslate);
    const int cols = groups * int(groupWidths.size());
    grid->setColCount(cols + 1);
    grid->setRowCount(rows + 1);
    grid->setDefaultRowHeight(rowHeight);
    int width = 0;
    for (int c = 1; c <= cols; ++c) {
        grid->setColWidth(c, groupWidths[(c - 1) % groupWidths.size()]);
        width += grid->colWidth(c);
    }
    grid->setAlignment(grid->allCells(), Qt::AlignHCenter);
    grid->setReadOnly(grid->allCells(), true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(width + frame, rows * rowHeight + frame);
    return grid;
}

// Once filled, every column grows to show its widest text whole, and the chart to its
// columns.
void fitChart(CellGrid* grid)
{
    int width = 0;
    for (int c = 1; c < grid->colCount(); ++c) {
        grid->fitColWidth(c);
        width += grid->colWidth(c);
    }
    grid->setFixedWidth(width + 2 * grid->frameWidth());
}

// The pickable column of every group: bold on white, marked by "1" in its row-1 cell.
void markPickable(CellGrid* grid, int col)
{
    grid->setBold(grid->columnCells(col), true);
    grid->setColor(grid->columnCells(col), Qt::white);
    grid->setCellValue(col, 1, QStringLiteral("1"));
}

} // namespace

TfToneOption::TfToneOption(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    gbVoice = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
    gbVoice->setObjectName(QStringLiteral("gbVoice"));
    rCTCSS = new QRadioButton(QStringLiteral("CTCSS"), gbVoice);
    rCTCSS->setObjectName(QStringLiteral("rCTCSS"));
    rDCSN = new QRadioButton(QStringLiteral("DCS-N"), gbVoice);
    rDCSN->setObjectName(QStringLiteral("rDCSN"));
    rDCSI = new QRadioButton(QStringLiteral("DCS-I"), gbVoice);
    rDCSI->setObjectName(QStringLiteral("rDCSI"));
    rCTCSS->setChecked(true);
    auto* voiceLayout = new QHBoxLayout(gbVoice);
    int tag = 0;
    for (QRadioButton* button : {rCTCSS, rDCSN, rDCSI}) {
        Tag::set(button, tag++);
        voiceLayout->addWidget(button);
        connect(button, &QRadioButton::clicked, this,
                [this, button] { rCTCSSClick(Tag::of(button)); });
    }
    voiceLayout->addStretch();

    lbSel = new QListWidget(this);
    lbSel->setObjectName(QStringLiteral("lbSel"));
    Tag::set(lbSel, Tag::NeverTranslate);
    lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
    lbSel->hide();
    lbValue = new QListWidget(this);
    lbValue->setObjectName(QStringLiteral("lbValue"));
    Tag::set(lbValue, Tag::NeverTranslate);
    lbValue->addItems(ToneChartItems());
    lbValue->hide();

    gbList = new QGroupBox(QStringLiteral("CTCSS"), this);
    gbList->setObjectName(QStringLiteral("gbList"));
    gvCtcss = makeChart(gbList, "gvCtcss", {32, 47, 32}, 5, 9, 24);
    gvDcsN = makeChart(gbList, "gvDcsN", {23, 46}, 8, 11, 20);
    gvDcsI = makeChart(gbList, "gvDcsI", {23, 46}, 8, 11, 20);
    auto* listLayout = new QVBoxLayout(gbList);
    for (CellGrid* grid : {gvCtcss, gvDcsN, gvDcsI})
        listLayout->addWidget(grid, 0, Qt::AlignCenter);
    connect(gvCtcss, &CellGrid::cellDoubleClicked, this, &TfToneOption::gvCtcssDblClick);
    connect(gvDcsN, &CellGrid::cellDoubleClicked, this, &TfToneOption::gvDcsNDblClick);
    connect(gvDcsI, &CellGrid::cellDoubleClicked, this, &TfToneOption::gvDcsIDblClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbVoice);
    layout->addWidget(gbList);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The charts are filled and translated before the dialog first shows, so that it takes
// its final size and is centred on the main window with that size.
void TfToneOption::setVisible(bool visible)
{
    if (visible && !shown) {
        shown = true;
        FormShow();
        layout()->activate();
        adjustSize();
        if (QWidget* owner = parentWidget()) {
            const QRect area = owner->window()->geometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::setVisible(visible);
}

void TfToneOption::FormShow()
{
    fillCharts();
    picked.clear();
    if (appState().languageIndex > 0) TranslateForm(this, appState().languageName, true);
    rCTCSSClick(0);
}

// Items are "index-tone-code" (CTCSS) or "index-code" (DCS); empty items leave
// their cells empty.
void TfToneOption::fillCharts()
{
    const QStringList items = ToneChartItems();
    for (int g = 0; g < 5; ++g) {
        markPickable(gvCtcss, g * 3 + 2);
        gvCtcss->setColor(gvCtcss->columnCells(g * 3 + 1), IndexColour);
        gvCtcss->setColor(gvCtcss->columnCells(g * 3 + 3), CodeColour);
        for (int j = 1; j <= 9; ++j) {
            const QStringList parts = items.value(g * 9 + j - 1).split(QLatin1Char('-'));
            gvCtcss->setCellText(g * 3 + 1, j, parts.size() > 2 ? parts.at(0) : QString());
            gvCtcss->setCellText(g * 3 + 2, j, parts.size() > 2 ? parts.at(1) : QString());
            gvCtcss->setCellText(
                g * 3 + 3, j, parts.size() > 2 ? parts.mid(2).join(QLatin1Char('-')) : QString());
        }
    }
    for (CellGrid* grid : {gvDcsN, gvDcsI}) {
        const QString polarity = grid == gvDcsN ? QStringLiteral("N") : QStringLiteral("I");
        for (int g = 0; g < 8; ++g) {
            markPickable(grid, g * 2 + 2);
            grid->setColor(grid->columnCells(g * 2 + 1), DcsIndexColour);
            for (int j = 1; j <= 11; ++j) {
                const QString item = items.value(45 + g * 11 + j - 1);
                const int dash = item.indexOf(QLatin1Char('-'));
                grid->setCellText(g * 2 + 1, j, dash > 0 ? item.left(dash) : QString());
                grid->setCellText(g * 2 + 2, j,
                                  dash > 0 ? item.mid(dash + 1) + polarity : QString());
            }
        }
    }
    for (CellGrid* grid : {gvCtcss, gvDcsN, gvDcsI})
        fitChart(grid);
}

void TfToneOption::rCTCSSClick(int tag)
{
    gbList->hide();
    gvCtcss->setVisible(rCTCSS->isChecked());
    gvDcsI->setVisible(rDCSI->isChecked());
    gvDcsN->setVisible(rDCSN->isChecked());
    if (tag >= 0 && tag < lbSel->count()) gbList->setTitle(lbSel->item(tag)->text());
    gbList->show();
}

void TfToneOption::pick(CellGrid* grid, int col, int row)
{
    if (grid->cellValue(col, 1) != QLatin1String("1")) return;
    picked = grid->cellText(col, row);
    accept();
}

void TfToneOption::gvCtcssDblClick(int col, int row)
{
    pick(gvCtcss, col, row);
}
void TfToneOption::gvDcsNDblClick(int col, int row)
{
    pick(gvDcsN, col, row);
}
void TfToneOption::gvDcsIDblClick(int col, int row)
{
    pick(gvDcsI, col, row);
}

// Enter on a chart picks its current cell, as a double click does.
void TfToneOption::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (CellGrid* grid : {gvCtcss, gvDcsN, gvDcsI})
            if (grid->isVisible() && grid->hasFocus()) {
                pick(grid, grid->col(), grid->row());
                return;
            }
    }
    QDialog::keyPressEvent(event);
}

QString ShowToneOption(QWidget* parent)
{
    TfToneOption dialog(parent ? parent->window() : nullptr);
    Modal::exec(dialog);
    return dialog.pickedTone();
}
