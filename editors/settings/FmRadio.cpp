#include "FmRadio.h"

#include "core/DataModule.h"
#include "core/DocumentEdits.h"
#include "core/FmBounds.h"
#include "core/FmCodec.h"
#include "core/NumberText.h"
#include "files/MessageBox.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"
#include "widgets/grid/CellGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

TfFmFun* fFmFun = nullptr;

namespace {

constexpr int FmChannelCount = 20;
constexpr int GridCols = 5;
constexpr int GridRows = 12;
constexpr int ColWidths[GridCols] = {0, 50, 100, 50, 100};
constexpr int HeaderHeight = 23;
constexpr int RowHeight = 20;

QString boundText(double mhz)
{
    return FormatFixed(mhz, 3);
}
QString channelText(double mhz)
{
    return mhz > 0 ? FormatMHz(mhz) : QString();
}

// Where FM channel k (1..20) is shown.
int colOfChannel(int k)
{
    return k <= 10 ? 2 : 4;
}
int rowOfChannel(int k)
{
    return k <= 10 ? k + 1 : k - 9;
}

QLineEdit* numberEdit(QWidget* parent, const char* name, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(width);
    InstallKeyFilter(edit, KeySet::Frequency);
    return edit;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QWidget* buddy = nullptr)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

TfFmFun::TfFmFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fFmFun"), QStringLiteral("FM Information"), parent)
{
    fFmFun = this;

    cxChInfo = new QTabWidget(this);
    cxChInfo->setObjectName(QStringLiteral("cxChInfo"));

    // Page "Information".
    auto* cxtbBase = new QWidget;
    cxtbBase->setObjectName(QStringLiteral("cxtbBase"));
    auto* base = new QGridLayout(cxtbBase);
    base->setHorizontalSpacing(12);
    base->setVerticalSpacing(10);
    base->setContentsMargins(16, 16, 16, 16);

    cxRx = numberEdit(cxtbBase, "cxRx", 100);
    cxFMStep = SettingList(cxtbBase, Described("cxFMStep"));
    cxFMVol = SettingList(cxtbBase, Described("cxFMVol"));
    for (QComboBox* list : {cxFMStep, cxFMVol})
        list->setFixedWidth(100);

    cxFM_Min = numberEdit(cxtbBase, "cxFM_Min", 70);
    cxFM_Max = numberEdit(cxtbBase, "cxFM_Max", 70);
    cxLine = new QLineEdit(QStringLiteral("-------"), cxtbBase);
    cxLine->setObjectName(QStringLiteral("cxLine"));
    cxLine->setReadOnly(true);
    cxLine->setEnabled(false);
    cxLine->setFrame(false);
    cxLine->setAlignment(Qt::AlignCenter);
    cxLine->setFixedWidth(44);
    cxLine->setFocusPolicy(Qt::NoFocus);
    cxLine->setStyleSheet(QStringLiteral("QLineEdit { color: red; background: transparent; }"));
    auto* bounds = new QHBoxLayout;
    bounds->setSpacing(0);
    bounds->addWidget(cxFM_Min);
    bounds->addWidget(cxLine);
    bounds->addWidget(cxFM_Max);
    bounds->addStretch();

    // The labels name the steps of their edits; the one of the bounds names both.
    base->addWidget(label(cxtbBase, "lRx", QStringLiteral("Freq. Channel[MHz]"), cxRx), 0, 0);
    base->addWidget(cxRx, 0, 1, Qt::AlignLeft);
    base->addWidget(label(cxtbBase, "lFMStep", QStringLiteral("FM Step[KHz]"), cxFMStep), 1, 0);
    base->addWidget(cxFMStep, 1, 1, Qt::AlignLeft);
    base->addWidget(label(cxtbBase, "lFMVol", QStringLiteral("FM VOL"), cxFMVol), 2, 0);
    base->addWidget(cxFMVol, 2, 1, Qt::AlignLeft);
    base->addWidget(label(cxtbBase, "lFMBound", QStringLiteral("FM Scan bound[MHz]"), cxFM_Min), 3,
                    0);
    base->addLayout(bounds, 3, 1);
    base->setRowStretch(4, 1);
    base->setColumnStretch(1, 1);

    // Page "Memory Channel".
    auto* cxChannel = new QWidget;
    cxChannel->setObjectName(QStringLiteral("cxChannel"));
    auto* page = new QVBoxLayout(cxChannel);
    page->setContentsMargins(4, 4, 4, 4);
    gvData = new CellGrid(cxChannel);
    gvData->setObjectName(QStringLiteral("gvData"));
    Tag::set(gvData, Tag::NeverTranslate);
    gvData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gvData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->addWidget(gvData, 0, Qt::AlignHCenter | Qt::AlignTop);
    // The header texts come from these labels, so they follow the window's translation.
    LNo = label(cxChannel, "LNo", QStringLiteral("No."));
    LFreq = label(cxChannel, "LFreq", QStringLiteral("Frequancy[MHz]"));
    LNo->hide();
    LFreq->hide();
    // Never shown: the message for a typed text that is no number, in the window's language.
    lNotNumber =
        label(this, "lNotNumber", QStringLiteral("'%1' is not a valid floating point value"));
    lNotNumber->hide();

    cxChInfo->addTab(cxtbBase, QStringLiteral("Information"));
    cxChInfo->addTab(cxChannel, QStringLiteral("Memory Channel"));

    LayOutButtons()->insertWidget(0, cxChInfo);

    // The edits' handlers run when the user commits a changed text (Enter or leaving).
    connect(cxRx, &QLineEdit::editingFinished, this, [this] {
        if (cxRx->isModified()) eRxPropertiesEditValueChanged();
    });
    connect(cxFM_Min, &QLineEdit::editingFinished, this, [this] {
        if (cxFM_Min->isModified()) cxFM_MinPropertiesValidate();
    });
    connect(cxFM_Max, &QLineEdit::editingFinished, this, [this] {
        if (cxFM_Max->isModified()) cxFM_MaxPropertiesValidate();
    });
    connect(gvData, &CellGrid::displayTextSet, this, &TfFmFun::gvDataSetForeText);
    connect(gvData, &CellGrid::keyPress, this, &TfFmFun::gvDataKeyPress);
    connect(gvData, &CellGrid::mouseDown, this, [this] { gvDataMouseDown(); });
}

TfFmFun::~TfFmFun()
{
    if (fFmFun == this) fFmFun = nullptr;
}

void TfFmFun::Prepare()
{
    SetupGrid(); // after the translation, for the translated header captions
}

bool TfFmFun::Shows(const DocumentChange& change) const
{
    return change.fm || change.settings;
}

void TfFmFun::SetupGrid()
{
    gvData->beginUpdate();
    gvData->setColCount(GridCols);
    gvData->setRowCount(GridRows);
    gvData->setFixedCols(0);
    gvData->setFixedRows(1);
    for (int c = 1; c < GridCols; ++c)
        gvData->setColWidth(c, ColWidths[c]);
    gvData->setDefaultRowHeight(RowHeight);
    gvData->setRowHeight(1, HeaderHeight);

    const QColor face = palette().color(QPalette::Button);
    gvData->setReadOnly(gvData->allCells(), true);
    for (int c : {1, 3}) {
        gvData->setColor(gvData->columnCells(c), face);
        gvData->setAlignment(gvData->columnCells(c), Qt::AlignHCenter);
        gvData->setHeaderText(c, LNo->text());
    }
    for (int c : {2, 4}) {
        gvData->setAlignment(gvData->columnCells(c), Qt::AlignRight);
        gvData->setReadOnly(QRect(c, 2, 1, GridRows - 2), false);
        gvData->setHeaderText(c, LFreq->text());
    }
    gvData->setColor(gvData->rowCells(1), face);
    gvData->setAlignment(gvData->rowCells(1), Qt::AlignHCenter);
    for (int r = 2; r < GridRows; ++r) {
        gvData->setCellText(1, r, QString::number(r - 1));
        gvData->setCellText(3, r, QString::number(r + 9));
    }
    // The designed widths are the least; a column grows to its title and a frequency.
    int width = 2 * gvData->frameWidth();
    for (int c = 1; c < GridCols; ++c) {
        gvData->fitColWidth(c, {QStringLiteral("000.00000")});
        width += gvData->colWidth(c);
    }
    gvData->endUpdate();

    gvData->setFixedSize(width,
                         2 * gvData->frameWidth() + HeaderHeight + (GridRows - 2) * RowHeight);
}

void TfFmFun::LoadChannels()
{
    QScopedValueRollback<bool> guard(loading, true);
    QScopedValueRollback<bool> busy(rxBusy, true);
    TALL& all = appState();
    cxRx->setText(FormatMHz(GetFmChannel(all, Image::FmTunedIndex)));
    for (int k = 1; k <= FmChannelCount; ++k)
        gvData->setCellText(colOfChannel(k), rowOfChannel(k), channelText(GetFmChannel(all, k)));
}

void TfFmFun::LoadSettings()
{
    LoadChannels();
    QScopedValueRollback<bool> guard(loading, true);
    TSettingsWindow::LoadSettings();
    showBounds();
}

void TfFmFun::showBounds()
{
    const TALL& all = appState();
    cxFM_Min->setText(boundText(FmLowerBound(all)));
    cxFM_Max->setText(boundText(FmUpperBound(all)));
}

void TfFmFun::eRxPropertiesEditValueChanged()
{
    if (loading || rxBusy) return;
    QScopedValueRollback<bool> busy(rxBusy, true);
    TALL& all = appState();
    QString text = cxRx->text().trimmed();
    bool number = true;
    Store(LabelOf(cxRx), [&] { number = SetFmChannel(all, Image::FmTunedIndex, text); });
    if (!number) {
        ShowErrorBox(all.titleText, notANumber(text));
        text = FormatMHz(GetFmChannel(all, Image::FmTunedIndex));
    }
    cxRx->setText(text);
}

QString TfFmFun::notANumber(const QString& text) const
{
    return lNotNumber->text().arg(text);
}

int TfFmFun::channelOfCell(int col, int row)
{
    if (row < 2 || row >= GridRows) return 0;
    if (col == 2) return row - 1;
    if (col == 4) return row + 9;
    return 0;
}

void TfFmFun::gvDataSetForeText(int col, int row, QString& value)
{
    const int k = channelOfCell(col, row);
    if (k == 0) return;
    TALL& all = appState();
    QString text = value.trimmed();
    bool number = true;
    // The step is named like the channel: "Memory Channel 5".
    Store(cxChInfo->tabText(1) + u' ' + QString::number(k),
          [&] { number = SetFmChannel(all, k, text); });
    if (!number) {
        // The channel keeps its frequency and its empty flag.
        ShowErrorBox(all.titleText, notANumber(text));
        text = channelText(GetFmChannel(all, k));
    }
    value = text;
}

void TfFmFun::gvDataKeyPress(QString& text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char(',')) c = QLatin1Char('.');
        if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.')) {
            text.clear();
            return;
        }
    }
}

void TfFmFun::gvDataMouseDown()
{
    const int col = gvData->col();
    if (col == 1 || col == 3) gvData->setCurrentCell(col + 1, gvData->row());
    if (gvData->col() == 2 || gvData->col() == 4) gvData->openEditor();
}

void TfFmFun::cxFM_MinPropertiesValidate()
{
    storeBound(cxFM_Min, &StoreFmLowerBound, &FmUpperBound);
}

void TfFmFun::cxFM_MaxPropertiesValidate()
{
    storeBound(cxFM_Max, &StoreFmUpperBound, &FmLowerBound);
}

void TfFmFun::storeBound(QLineEdit* edit, double (*store)(TALL&, double, double),
                         double (*other)(const TALL&))
{
    TALL& all = appState();
    double v = 0.0;
    edit->setModified(false);
    const QString text = edit->text().trimmed();
    if (!TextToNumber(text, v)) {
        // An emptied bound keeps its value.
        if (!text.isEmpty()) ShowErrorBox(all.titleText, notANumber(text));
        showBounds();
        return;
    }
    // One step: the bound and the channels it moves.
    Store(LabelOf(cxFM_Min), [&] {
        edit->setText(boundText(store(all, v, other(all))));
        LoadChannels();
    });
}
