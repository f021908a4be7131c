#include "ChannelGrid.h"

#include "ChannelSort.h"
#include "CheckedFrequency.h"
#include "ToneOption.h"
#include "ToneSelector.h"
#include "core/ChannelClipboard.h"
#include "core/ChannelCsv.h"
#include "core/ChannelEntry.h"
#include "core/ChannelListEdits.h"
#include "core/ChannelListItems.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/ToneCodec.h"
#include "core/ToneLists.h"
#include "editors/EditorHost.h"
#include "files/CsvImportDialog.h"
#include "files/LanguageFile.h"
#include "files/MessageBox.h"
#include "files/TranslateForm.h"
#include "widgets/HiddenText.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"
#include "widgets/WindowTeardown.h"
#include "widgets/grid/CellGrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>

#include "widgets/ModalSeam.h"

TfChsInfo* fChsInfo = nullptr;

namespace {

// Grid columns.
constexpr int ColNumber = 1;
constexpr int ColRx = 2;
constexpr int ColTx = 3;
constexpr int ColRxTone = 4;
constexpr int ColTxTone = 5;
constexpr int ColPower = 6;
constexpr int ColEpilogue = 12;
constexpr int ColName = 13;

constexpr int HeaderRowHeight = 35;
constexpr int FrequencyTextLength = 9; // "439.99375"
constexpr int NameTextLength = 6;

// The hint number of a selector tells the shared handler what it edits.
constexpr const char* HintProperty = "hint";

// Column definitions: title ("|" breaks the line), [width|spare], alignment digit.
struct ColumnDefinition {
    QString title;
    int width = 60;
    Qt::Alignment alignment = Qt::AlignHCenter;
};

// A definition without its bracket (a careless translation) keeps the defaults.
ColumnDefinition ParseColumnDefinition(const QString& item)
{
    ColumnDefinition def;
    const int open = item.indexOf(QLatin1Char('['));
    const int close = item.indexOf(QLatin1Char(']'), open + 1);
    def.title = (open < 0 ? item : item.left(open)).trimmed();
    if (open >= 0 && close > open) {
        const QStringList numbers = item.mid(open + 1, close - open - 1).split(QLatin1Char('|'));
        bool ok = false;
        const int width = numbers.value(0).trimmed().toInt(&ok);
        if (ok && width > 0) def.width = width;
        switch (item.mid(close + 1).trimmed().toInt()) {
        case 1:
            def.alignment = Qt::AlignLeft;
            break;
        case 3:
            def.alignment = Qt::AlignRight;
            break;
        default:
            def.alignment = Qt::AlignHCenter;
            break;
        }
    }
    def.title.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return def;
}

// The channel field each editing column writes.
int FieldOfColumn(int col)
{
    static const int fields[] = {-1,
                                 -1,
                                 Field::RxFreq,
                                 Field::TxFreq,
                                 Field::RxTone,
                                 Field::TxTone,
                                 Field::Power,
                                 Field::Bandwidth,
                                 Field::Scan,
                                 Field::Vox,
                                 Field::VoiceMode,
                                 Field::BusyLock,
                                 Field::Epilogue,
                                 Field::Name};
    return col >= 0 && col <= ColName ? fields[col] : -1;
}

// The list columns 6 .. 12, in column order: the field value shown and the entry a
// selector starts on when its cell has no value.
struct ListColumn {
    quint8 TChannel::*field;
    int selectorDefault;
};
const ListColumn ListColumns[] = {
    {&TChannel::power, 1},    {&TChannel::bandwidth, 0}, {&TChannel::scanSkip, 0},
    {&TChannel::vox, 1},      {&TChannel::voiceMode, 0}, {&TChannel::busyLock, 0},
    {&TChannel::epilogue, 0},
};

bool IsListColumn(int col)
{
    return col >= ColPower && col <= ColEpilogue;
}
const ListColumn& ListColumnAt(int col)
{
    return ListColumns[col - ColPower];
}

} // namespace

TfChsInfo::TfChsInfo(QWidget* parent) : QWidget(parent)
{
    fChsInfo = this;
    setObjectName(QStringLiteral("fChsInfo"));
    setWindowTitle(QStringLiteral("Channel Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A framed window the user can resize and maximise inside the main window, so more
    // rows show; the size BuildGrid computes is the one it starts with. The main window
    // hands the hints on to its sub-window.
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);

    gvData = new CellGrid(this);
    gvData->setObjectName(QStringLiteral("gvData"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);
    setFocusProxy(gvData);

    BColText = new QListWidget(this);
    BColText->setObjectName(QStringLiteral("BColText"));
    BColText->addItems(GridColumnDefinitions());
    BColText->hide();

    const auto hiddenText = [this](const char* name, const char* text) {
        return HiddenText(this, name, text);
    };
    lNone = hiddenText("lNone", "");
    lStep = hiddenText("lStep", "Channel %1 %2");
    lStepPaste = hiddenText("lStepPaste", "Paste %1 channels at %2");
    lStepCut = hiddenText("lStepCut", "Cut channels %1-%2");
    lStepDelete = hiddenText("lStepDelete", "Delete channels %1-%2");
    lStepInsert = hiddenText("lStepInsert", "Insert empty channel %1");
    lStepRemove = hiddenText("lStepRemove", "Remove channel %1");
    lStepMove = hiddenText("lStepMove", "Move channels %1-%2");
    lStepSort = hiddenText("lStepSort", "Sort channels %1-%2");
    lStepMany = hiddenText("lStepMany", "%1 on %2 channels");
    lNoRoom = hiddenText("lNoRoom", "No empty channel follows channel %1, so no channel can "
                                    "move down to make room. Nothing was changed.");
    lReplaces = hiddenText("lReplaces", "The paste replaces %1 channels in use from channel %2 "
                                        "on. Paste anyway?");
    lNothingToPaste =
        hiddenText("lNothingToPaste", "The clipboard holds no channels and no channel list.");
    lClipboard = hiddenText("lClipboard", "Clipboard");

    gvMenu = new QMenu(this);
    gvMenu->setObjectName(QStringLiteral("gvMenu"));
    acCut = addListCommand("acCut", "Cu&t");
    acCopy = addListCommand("acCopy", "&Copy");
    acPaste = addListCommand("acPaste", "&Paste");
    acDelete = addListCommand("acDelete", "&Delete");
    gvMenu->addSeparator();
    acInsert = addListCommand("acInsert", "&Insert Empty Channel");
    acRemove = addListCommand("acRemove", "&Remove Channel");
    gvMenu->addSeparator();
    acMoveUp = addListCommand("acMoveUp", "Move &Up");
    acMoveDown = addListCommand("acMoveDown", "Move Do&wn");
    acSort = addListCommand("acSort", "&Sort...");
    connect(acCopy, &QAction::triggered, this, &TfChsInfo::CopySelection);
    connect(acCut, &QAction::triggered, this, &TfChsInfo::CutSelection);
    connect(acPaste, &QAction::triggered, this, &TfChsInfo::PasteAtCurrent);
    connect(acDelete, &QAction::triggered, this, &TfChsInfo::DeleteSelection);
    connect(acInsert, &QAction::triggered, this, &TfChsInfo::InsertEmptyAtCurrent);
    connect(acRemove, &QAction::triggered, this, &TfChsInfo::RemoveCurrent);
    connect(acMoveUp, &QAction::triggered, this, [this] { MoveSelection(-1); });
    connect(acMoveDown, &QAction::triggered, this, [this] { MoveSelection(1); });
    connect(acSort, &QAction::triggered, this, &TfChsInfo::SortChannelList);

    gvData->setRowSelection(true);
    // Whole channels on the clipboard are pasted as channels even when a click has just
    // opened a cell's editor; a single line of text still goes into the cell.
    gvData->setEditorYields([](const QKeyEvent& key) {
        if (!key.matches(QKeySequence::Paste)) return false;
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data && (data->hasFormat(QLatin1String(ChannelsMimeType)) ||
                        data->text().trimmed().contains(QLatin1Char('\n')));
    });
    gvData->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gvData, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        FormDeactivate();
        gvMenu->popup(gvData->viewport()->mapToGlobal(at));
    });
    // The channel numbers select rows; dragged, they move channels.
    gvData->verticalHeader()->setSectionsMovable(true);
    connect(gvData->verticalHeader(), &QHeaderView::sectionPressed, this, [this](int) {
        hideSelectors();
        followCurrentChannel(gvData->row());
    });
    connect(gvData->verticalHeader(), &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { rowDragged(from, to); });

    connect(&documentEdits(), &TDocumentEdits::changed, this, &TfChsInfo::DocumentChanged);
    connect(&documentEdits(), &TDocumentEdits::currentChannelChanged, this,
            [this](int channel, const QObject* source) {
                if (source != this) FillRow(channel);
            });

    for (auto** tone : {&cxRxDcts, &cxTxDcts}) {
        *tone = new ToneSelector(GridToneList(), this);
        Tag::set(*tone, Tag::FirstItemOnly);
        selectors << *tone;
        ToneSelector* selector = *tone;
        connect(selector, &ToneSelector::toneCommitted, this,
                [this, selector] { ComBoxSetData(selector); });
        connect(selector, &ToneSelector::doubleClicked, this,
                [this, selector] { ComBoxDblClick(selector); });
    }
    cxRxDcts->setObjectName(QStringLiteral("cxRxDcts"));
    cxRxDcts->setProperty(HintProperty, QStringLiteral("1"));
    cxTxDcts->setObjectName(QStringLiteral("cxTxDcts"));
    cxTxDcts->setProperty(HintProperty, QStringLiteral("2"));

    const auto gridList = [this](int field, const char* hint) {
        const ChannelList* list = FindChannelList(field);
        return makeList(list->control.toLatin1().constData(), list->items, hint);
    };
    cxPower = gridList(Field::Power, "0");
    cxWn = gridList(Field::Bandwidth, "0");
    cxScan = gridList(Field::Scan, "0");
    cxYesNo = gridList(Field::Vox, "0");
    cxApro = gridList(Field::VoiceMode, "3");
    cxBclo = gridList(Field::BusyLock, "0");
    cxDcs = gridList(Field::Epilogue, "0");
    cxTail = makeList("cxTail", {QStringLiteral("Off"), QStringLiteral("On")}, "0");
    selectors.removeOne(cxTail); // never shown
    cxTail->hide();

    for (QComboBox* selector : std::as_const(selectors)) {
        selector->hide();
        selector->installEventFilter(this);
    }

    connect(gvData, &CellGrid::selectCell, this, &TfChsInfo::gvDataSelectCell);
    connect(gvData, &CellGrid::displayTextSet, this, &TfChsInfo::gvDataSetForeText);
    connect(gvData, &CellGrid::keyPress, this, &TfChsInfo::gvDataKeyPress);
    connect(gvData, &CellGrid::mouseDown, this, &TfChsInfo::gvDataMouseDown);
    connect(gvData, &CellGrid::cellDoubleClicked, this, [this](int col, int) {
        if (auto* tone = qobject_cast<ToneSelector*>(selectorOf(col)); tone && tone == openSelector)
            ComBoxDblClick(tone);
    });
    // A selector stays over its cell only while the rows stand still.
    connect(gvData->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TfChsInfo::hideSelectors);
    connect(gvData->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &TfChsInfo::hideSelectors);

    // Tone texts and list entries have to fit a 60 pixel column with the arrow.
    for (QComboBox* selector : std::as_const(selectors))
        selector->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 0px 0px 2px; }"
                                               "QComboBox::drop-down { width: 13px; }"));
    QFont headerFont = gvData->horizontalHeader()->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    gvData->horizontalHeader()->setFont(headerFont);

    resize(windowSize);
}

TfChsInfo::~TfChsInfo()
{
    // FormDestroy: the main window's synchronisation skips the grid from now on.
    if (fChsInfo == this) fChsInfo = nullptr;
    // Destroyed without being asked (a new document): an open editor or selector,
    // losing the focus as it goes, must not store into the image any more.
    DisconnectControls(this);
}

// Closed by the user: a cell edit in progress is kept.
void TfChsInfo::closeEvent(QCloseEvent* event)
{
    FormDeactivate();
    QWidget::closeEvent(event);
}

QComboBox* TfChsInfo::makeList(const char* name, const QStringList& items, const char* hint)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setProperty(HintProperty, QLatin1String(hint));
    selectors << combo;
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, combo](int) { ComBoxSetData(combo); });
    return combo;
}

void TfChsInfo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown) return;
    shown = true;
    FormShow();
}

void TfChsInfo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    hideSelectors();
}

void TfChsInfo::FormShow()
{
    TALL& all = appState();
    all.updateSuppressed = true;
    TranslateForm(this, all.languageName, true);
    BuildGrid();
    curCol = 2;
    curRow = 2;
    lNone->setText(cxRxDcts->itemText(0));
    FillAllRows();
    PlaceEditorWindow(this);
    all.updateSuppressed = false;
}

QSize TfChsInfo::sizeHint() const
{
    return windowSize;
}

// Inside the main window the sub-window around it takes the size, frame included.
void TfChsInfo::sizeWindow(int width, int height)
{
    windowSize = QSize(width, height);
    resize(windowSize);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->adjustSize();
}

void TfChsInfo::BuildGrid()
{
    const int channels = appState().channelCount;
    gvData->setColCount(BColText->count() + 1);
    gvData->setRowCount(channels + 2);
    gvData->beginUpdate();
    gvData->setFixedCols(1);
    gvData->setFixedRows(1);
    gvData->setRowHeight(1, HeaderRowHeight);

    gvData->setReadOnly(gvData->allCells(), true);
    gvData->setReadOnly(gvData->columnCells(ColRx), false);
    gvData->setReadOnly(gvData->rowCells(1), true);

    // The editor's length belongs to the column it opens in: a name typed before must
    // not cut a frequency opened after it.
    gvData->setColEditorMaxLength(ColRx, FrequencyTextLength);
    gvData->setColEditorMaxLength(ColTx, FrequencyTextLength);
    gvData->setColEditorMaxLength(ColName, NameTextLength);

    for (int i = 0; i < BColText->count(); ++i) {
        const ColumnDefinition def = ParseColumnDefinition(BColText->item(i)->text());
        gvData->setColWidth(i + 1, def.width);
        gvData->setCellText(i + 1, 1, def.title);
        gvData->setAlignment(gvData->columnCells(i + 1), def.alignment);
    }
    int height = 0;
    const QColor groupColour = palette().color(QPalette::ToolTipBase);
    for (int r = 2; r <= channels + 1; ++r) {
        gvData->setCellText(ColNumber, r, QString::number(r - 1));
        if ((r - 1) % 16 == 0) gvData->setColor(gvData->rowCells(r), groupColour);
        height += 30;
    }
    // The defined widths are the least: a column grows to its title, to the widest text
    // its cells can show and to the selector laid over them, in the font in use.
    int width = 0;
    for (int col = ColNumber; col < gvData->colCount(); ++col) {
        QStringList texts;
        if (col == ColRx || col == ColTx) texts << QStringLiteral("000.00000");
        if (col == ColName) texts << QString(NameTextLength, QLatin1Char('W'));
        if (QComboBox* selector = selectorOf(col)) {
            for (int i = 0; i < selector->count(); ++i)
                texts << selector->itemText(i);
            gvData->setColWidth(col, std::max(gvData->colWidth(col), selector->sizeHint().width()));
        }
        gvData->fitColWidth(col, texts);
        width += gvData->colWidth(col);
    }
    sizeWindow(width + 50, std::min(height, windowSize.height()));

    const QColor buttonFace = palette().color(QPalette::Button);
    gvData->setAlignment(gvData->rowCells(1), Qt::AlignHCenter);
    gvData->setColor(gvData->columnCells(ColNumber), buttonFace);
    gvData->setColor(gvData->rowCells(1), buttonFace);
    gvData->endUpdate();
}

QString TfChsInfo::noTone() const
{
    return lNone->text();
}

void TfChsInfo::FillRow(int channel)
{
    const int r = channel + 1;
    if (channel < 1 || r >= gvData->rowCount()) return;
    gvData->beginUpdate();
    TChannel ch;
    if (DecodeChannel(appState(), channel, ch)) {
        gvData->setCellValue(ColNumber, r, QStringLiteral("1"));
        gvData->setReadOnly(QRect(ColTx, r, 1, 1), false);
        gvData->setReadOnly(QRect(ColName, r, 1, 1), false);
        gvData->setCellText(ColRx, r, FormatMHz(ch.rxFreq));
        gvData->setCellText(ColTx, r, FormatMHz(ch.txFreq));
        gvData->setCellText(ColRxTone, r, ch.rxTone.isEmpty() ? cxRxDcts->itemText(0) : ch.rxTone);
        gvData->setCellText(ColTxTone, r, ch.txTone.isEmpty() ? cxRxDcts->itemText(0) : ch.txTone);
        for (int c = ColPower; c <= ColEpilogue; ++c) {
            const int value = ch.*ListColumnAt(c).field;
            gvData->setCellValue(c, r, QString::number(value));
            gvData->setCellText(c, r, selectorOf(c)->itemText(value));
        }
        gvData->setCellValue(ColName, r, QString());
        gvData->setCellText(ColName, r, NameWithoutPadding(ch.name));
    } else {
        gvData->setCellValue(ColNumber, r, QString());
        for (int c = ColRx; c <= ColName; ++c) {
            gvData->setCellText(c, r, QString());
            gvData->setCellValue(c, r, QString());
        }
        gvData->setReadOnly(QRect(ColTx, r, 1, 1), true);
        gvData->setReadOnly(QRect(ColName, r, 1, 1), true);
    }
    gvData->endUpdate();
}

// Another window, an undo or a redo changed channels: their rows show them again. After
// an undo or a redo the grid goes to the channel of the step, in the column the user is in.
void TfChsInfo::DocumentChanged(const DocumentChange& change)
{
    if (change.source == this || !shown || !change.memoryChannels()) return;
    QList<int> rows;
    for (int k = 1; k <= appState().channelCount; ++k)
        if (change.record(k)) rows << k;
    if (rows.size() == 1)
        FillRow(rows.first());
    else
        FillAllRows();
    if (!change.fromHistory) return;
    const int row = change.channel + 1;
    if (row < 2 || row >= gvData->rowCount() || row == gvData->row()) return;
    FormDeactivate();
    const QScopedValueRollback<bool> following(followingHistory, true);
    gvData->setCurrentCell(std::max(gvData->col(), ColRx), row);
}

void TfChsInfo::FillAllRows()
{
    gvData->beginUpdate();
    for (int k = 1; k <= appState().channelCount; ++k)
        FillRow(k);
    gvData->endUpdate();
}

void TfChsInfo::StoreCell(int row, int col)
{
    const int field = FieldOfColumn(col);
    if (field < 0 || row < 2 || row >= gvData->rowCount()) return;
    QString text;
    if (IsListColumn(col)) {
        text = gvData->cellValue(col, row);
    } else {
        text = gvData->cellText(col, row);
        if ((col == ColRxTone || col == ColTxTone) && text == noTone()) text.clear();
    }
    SetChannelField(appState(), row - 1, field, text);
}

void TfChsInfo::StartChannelRow(int row)
{
    StartNewChannel(appState(), row - 1);
    FillRow(row - 1);
}

void TfChsInfo::ClearChannelRow(int row)
{
    gvData->setCellValue(ColNumber, row, QString());
    for (int c = ColRx; c < gvData->colCount(); ++c) {
        gvData->setCellText(c, row, QString());
        gvData->setCellValue(c, row, QString());
    }
    gvData->setReadOnly(QRect(ColTx, row, 1, 1), true);
    gvData->setReadOnly(QRect(ColName, row, 1, 1), true);
    StoreCell(row, ColRx);
}

void TfChsInfo::gvDataSetForeText(int col, int row, QString& text)
{
    TALL& all = appState();
    const int k = row - 1;
    if (col != ColRx && col != ColTx && col != ColName) return;
    // A refused frequency leaves the row as the image holds it: an empty row stays
    // empty, a channel keeps its frequency.
    std::optional<QString> typed;
    if (col == ColRx && !text.isEmpty()) typed = TypedFrequency(text);
    if (col == ColTx) typed = TypedFrequency(text.isEmpty() ? gvData->cellText(ColRx, row) : text);
    if ((col == ColRx && !text.isEmpty() && !typed) || (col == ColTx && !typed)) {
        FillRow(k);
        text = gvData->cellText(col, row);
        return;
    }
    documentEdits().Edit(this, stepName(col, k), [&] {
        switch (col) {
        case ColRx:
            if (!typed) {
                ClearChannelRow(row);
                break;
            }
            text = *typed;
            SetChannelField(all, k, Field::RxFreq, text);
            gvData->setCellText(ColRx, row, text);
            if (gvData->cellValue(ColNumber, row).isEmpty()) StartChannelRow(row);
            break;
        case ColTx:
            text = *typed;
            SetChannelField(all, k, Field::TxFreq, text);
            break;
        case ColName:
            text = NameWithoutPadding(text);
            SetChannelField(all, k, Field::Name, text);
            break;
        }
    });
}

// "Channel 5 RX Frequency": the step a cell's edit makes, named by the column's title.
QString TfChsInfo::stepName(int col, int channel) const
{
    QString title = gvData->cellText(col, 1);
    title.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return lStep->text().arg(channel).arg(title.simplified());
}

void TfChsInfo::followCurrentChannel(int row)
{
    documentEdits().SetCurrentChannel(row - 1, this);
}

void TfChsInfo::gvDataSelectCell(int col, int row, bool& allow)
{
    allow = true;
    if (followingHistory) return; // the grid only shows where the step was made
    if (gvData->col() <= 1 || gvData->row() <= 1) return;
    if (gvData->cellText(ColNumber, row).isEmpty()) return;
    curCol = col;
    curRow = row;
    ShowCellSelector();
    followCurrentChannel(row);
}

void TfChsInfo::gvDataMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton || gvData->col() <= 1 || gvData->row() <= 1) return;
    // Shift and Ctrl select rows; the in-place editor stays closed.
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (!selectorOf(gvData->col())) return;
    }
    const int col = gvData->col();
    const int row = gvData->row();
    if (col == ColRx ||
        ((col == ColTx || col == ColName) && !gvData->cellText(ColRx, row).isEmpty()))
        gvData->openEditor();
    else
        ShowCellSelector();
    followCurrentChannel(curRow);
}

QComboBox* TfChsInfo::selectorOf(int col) const
{
    switch (col) {
    case 4:
        return cxRxDcts;
    case 5:
        return cxTxDcts;
    case 6:
        return cxPower;
    case 7:
        return cxWn;
    case 8:
        return cxScan;
    case 9:
        return cxYesNo;
    case 10:
        return cxApro;
    case 11:
        return cxBclo;
    case 12:
        return cxDcs;
    default:
        return nullptr;
    }
}

void TfChsInfo::hideSelectors()
{
    for (QComboBox* selector : std::as_const(selectors))
        if (selector->isVisible()) ComBoxExit(selector);
}

void TfChsInfo::ShowCellSelector()
{
    hideSelectors();
    if (gvData->cellText(ColRx, curRow).isEmpty()) return;
    QComboBox* selector = selectorOf(curCol);
    if (!selector) return;
    TALL& all = appState();
    const bool suppressed = all.updateSuppressed;
    all.updateSuppressed = true;

    const QRect cell = gvData->cellRect(curCol, curRow);
    selector->setGeometry(cell.left(), cell.top(), gvData->colWidth(curCol),
                          std::max(cell.height(), selector->minimumSizeHint().height()));
    openSelector = selector;
    selectorCol = curCol;
    selectorRow = curRow;
    if (auto* tone = qobject_cast<ToneSelector*>(selector)) {
        const QString text = gvData->cellText(curCol, curRow);
        tone->showTone(text == noTone() ? QString() : text);
    } else {
        bool ok = false;
        int index = gvData->cellValue(curCol, curRow).toInt(&ok);
        if (!ok) index = ListColumnAt(curCol).selectorDefault;
        if (curCol == ColEpilogue) selector->setCurrentText(gvData->cellText(curCol, curRow));
        selector->setCurrentIndex(index);
    }
    selector->show();
    selector->raise();
    selector->setFocus(Qt::OtherFocusReason);
    // Typing into a tone selector replaces the tone it shows, as in the grid's editor.
    if (selector->lineEdit()) selector->lineEdit()->selectAll();
    all.updateSuppressed = suppressed;
}

void TfChsInfo::ComBoxSetData(QComboBox* selector)
{
    TALL& all = appState();
    if (all.updateSuppressed) return;
    // Only the selector shown writes, and only into the cell it was laid over.
    if (selector != openSelector) return;
    const int col = selectorCol;
    const int row = selectorRow;
    QString text = selector->currentText();
    const QString hint = selector->property(HintProperty).toString();
    if (hint == QLatin1String("1") || hint == QLatin1String("2")) {
        text = text.trimmed();
        text = (text.isEmpty() || text == noTone()) ? noTone() : NormaliseToneText(text);
    } else {
        gvData->setCellValue(col, row, QString::number(selector->currentIndex()));
    }
    gvData->setCellText(col, row, text);
    // Several channels selected, the cell among them: the value goes to each in use.
    const QList<int> channels = selectedChannels();
    if (channels.size() > 1 && channels.contains(row - 1) &&
        CanSetOnManyChannels(FieldOfColumn(col))) {
        QString value = gvData->cellValue(col, row);
        if (col == ColRxTone || col == ColTxTone) value = text == noTone() ? QString() : text;
        QString title = gvData->cellText(col, 1);
        title.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const int inUse = CountChannelsInUse(all, channels);
        documentEdits().Edit(this, lStepMany->text().arg(title.simplified()).arg(inUse),
                             [&] { SetChannelsField(all, channels, FieldOfColumn(col), value); });
        const QScopedValueRollback<bool> suppressed(all.updateSuppressed, true);
        FillAllRows();
        return;
    }
    documentEdits().Edit(this, stepName(col, row - 1), [&] { StoreCell(row, col); });
}

void TfChsInfo::ComBoxExit(QComboBox* selector)
{
    // A tone typed but not yet committed is kept, written into its own cell.
    if (auto* tone = qobject_cast<ToneSelector*>(selector); tone && tone == openSelector)
        tone->commit();
    selector->hide();
    if (selector == openSelector) openSelector = nullptr;
}

void TfChsInfo::leaveSelector(QComboBox* selector)
{
    // The grid takes the focus first, so a typed tone is committed while the
    // selector still edits its cell.
    gvData->setFocus(Qt::OtherFocusReason);
    ComBoxExit(selector);
}

// Enter and Escape end the selector's work; keys that move go on to the grid.
bool TfChsInfo::ComBoxKeyPress(QComboBox* selector, QKeyEvent* key)
{
    const bool popup = selector->view() && selector->view()->isVisible();
    if (popup || (key->modifiers() & Qt::AltModifier)) return false;
    const bool tone = qobject_cast<ToneSelector*>(selector) != nullptr;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (tone) static_cast<ToneSelector*>(selector)->commit();
        leaveSelector(selector);
        return true;
    case Qt::Key_Escape:
        if (tone) static_cast<ToneSelector*>(selector)->revert();
        leaveSelector(selector);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (tone) return false; // they move in the typed text
        [[fallthrough]];
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        QKeyEvent moved(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        leaveSelector(selector);
        QApplication::sendEvent(gvData, &moved);
        return true;
    }
    default:
        return false;
    }
}

bool TfChsInfo::eventFilter(QObject* watched, QEvent* event)
{
    auto* selector = qobject_cast<QComboBox*>(watched);
    if (selector && selectors.contains(selector)) {
        if (event->type() == QEvent::KeyPress)
            return ComBoxKeyPress(selector, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
                !(selector->view() && selector->view()->isVisible()))
                ComBoxExit(selector);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfChsInfo::ComBoxDblClick(ToneSelector* selector)
{
    const QString tone = ShowToneOption(this);
    if (tone.isEmpty()) return;
    selector->pickTone(tone);
}

void TfChsInfo::gvDataKeyPress(QString& text)
{
    const int col = gvData->col();
    if (col == ColName) {
        gvData->setEditorMaxLength(NameTextLength);
        if (!FilterTypedText(KeySet::NameWithUnderscore, text)) text.clear();
        return;
    }
    if (col == ColRx || col == ColTx) gvData->setEditorMaxLength(FrequencyTextLength);
    if (!FilterTypedText(KeySet::Frequency, text)) text.clear();
}

void TfChsInfo::FormDeactivate()
{
    gvData->closeEditor(true);
    hideSelectors();
}

// ---- the channel list ------------------------------------------------------------

QKeySequence TfChsInfo::ListCommandKeys(const QString& action)
{
    static const QHash<QString, QKeySequence> keys = {
        {QStringLiteral("acCut"), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {QStringLiteral("acCopy"), QKeySequence(Qt::CTRL | Qt::Key_C)},
        {QStringLiteral("acPaste"), QKeySequence(Qt::CTRL | Qt::Key_V)},
        {QStringLiteral("acDelete"), QKeySequence(Qt::Key_Delete)},
        {QStringLiteral("acInsert"), QKeySequence(Qt::Key_Insert)},
        {QStringLiteral("acRemove"), QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {QStringLiteral("acMoveUp"), QKeySequence(Qt::ALT | Qt::Key_Up)},
        {QStringLiteral("acMoveDown"), QKeySequence(Qt::ALT | Qt::Key_Down)},
    };
    return keys.value(action);
}

QAction* TfChsInfo::addListCommand(const char* name, const char* caption)
{
    const QKeySequence keys = ListCommandKeys(QLatin1String(name));
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    // The keys work anywhere in the window; an open cell editor keeps its own (a line
    // edit claims Ctrl+C, Ctrl+V and Del for its text before a shortcut sees them).
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    gvMenu->addAction(action);
    return action;
}

// While a cell's text is being edited the list stays as it is.
bool TfChsInfo::listCommandsAllowed() const
{
    return shown && !gvData->isEditing();
}

QList<int> TfChsInfo::selectedChannels() const
{
    QList<int> channels;
    for (int row : gvData->selectedRows())
        if (row >= 2) channels << row - 1;
    return channels;
}

// The channels k .. k + count - 1.
static QList<int> channelRange(int k, int count)
{
    QList<int> channels;
    for (int i = 0; i < count; ++i)
        channels << k + i;
    return channels;
}

static QList<int> shifted(QList<int> channels, int delta)
{
    for (int& k : channels)
        k += delta;
    return channels;
}

void TfChsInfo::listEdit(const QString& text, const std::function<void()>& change,
                         const QList<int>& select, int current)
{
    FormDeactivate();
    documentEdits().Edit(this, text, change);
    TALL& all = appState();
    const QScopedValueRollback<bool> suppressed(all.updateSuppressed, true);
    FillAllRows();
    if (select.isEmpty()) return;
    if (current < 1) current = select.first();
    gvData->setCurrentCell(std::max(gvData->col(), ColRx), current + 1);
    QList<int> rows;
    for (int k : select)
        rows << k + 1;
    gvData->selectRows(rows);
    curCol = gvData->col();
    curRow = gvData->row();
    followCurrentChannel(curRow);
}

void TfChsInfo::CopySelection()
{
    if (!listCommandsAllowed()) return;
    const QList<int> channels = selectedChannels();
    if (channels.isEmpty()) return;
    // Export cleans the records it reads; the copy must not change the document.
    TALL copy = appState();
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(ExportChannelsCsv(copy, channels)));
    data->setData(QLatin1String(ChannelsMimeType),
                  ChannelsPayload(CopyChannels(appState(), channels)));
    QApplication::clipboard()->setMimeData(data);
}

void TfChsInfo::CutSelection()
{
    if (!listCommandsAllowed()) return;
    const QList<int> channels = selectedChannels();
    if (channels.isEmpty()) return;
    CopySelection();
    listEdit(
        lStepCut->text().arg(channels.first()).arg(channels.last()),
        [&] { DeleteChannels(appState(), channels); }, channels);
}

void TfChsInfo::DeleteSelection()
{
    if (!listCommandsAllowed()) return;
    const QList<int> channels = selectedChannels();
    if (channels.isEmpty()) return;
    listEdit(
        lStepDelete->text().arg(channels.first()).arg(channels.last()),
        [&] { DeleteChannels(appState(), channels); }, channels);
}

void TfChsInfo::PasteAtCurrent()
{
    if (!listCommandsAllowed()) return;
    TALL& all = appState();
    const int first = gvData->row() - 1;
    if (first < 1) return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const auto askReplaces = [&](int replaced) {
        return replaced == 0 || ShowMessageBox(languageTexts().confirmation,
                                               lReplaces->text().arg(replaced).arg(first),
                                               MessageKind::Question) == IdYes;
    };
    QList<ChannelState> values;
    if (data && data->hasFormat(QLatin1String(ChannelsMimeType)) &&
        ReadChannelsPayload(data->data(QLatin1String(ChannelsMimeType)), values)) {
        const ChannelPaste plan = PlanChannelPaste(all, first, values);
        if (plan.pasted == 0 || !askReplaces(plan.replaced)) return;
        listEdit(
            lStepPaste->text().arg(plan.pasted).arg(first),
            [&] { PasteChannels(all, first, values); }, channelRange(first, plan.pasted));
        return;
    }
    const QByteArray text = data && data->hasText() ? data->text().toUtf8() : QByteArray();
    const CsvImport plan = PlanCsvPaste(all, text, first, LoadCsvImportTexts(all));
    const int taken = plan.count(CsvImportRow::Imported) + plan.count(CsvImportRow::Changed);
    if (text.trimmed().isEmpty() || !plan.ok() || plan.rows.isEmpty()) {
        ShowMessageBox(languageTexts().info, lNothingToPaste->text(), MessageKind::Information);
        return;
    }
    // Rows the import changes or leaves out are shown before anything is pasted.
    if (plan.count(CsvImportRow::Changed) + plan.count(CsvImportRow::Skipped) > 0) {
        TfCsvImport preview(plan, lClipboard->text(), this);
        if (Modal::exec(preview) != QDialog::Accepted) return;
    }
    if (taken == 0 || !askReplaces(CsvImportReplaces(all, plan))) return;
    QList<int> pastedTo;
    for (const CsvImportRow& row : plan.rows)
        if (row.kind != CsvImportRow::Skipped) pastedTo << row.channel;
    listEdit(
        lStepPaste->text().arg(taken).arg(first), [&] { ApplyCsvImport(all, plan); }, pastedTo);
}

void TfChsInfo::InsertEmptyAtCurrent()
{
    if (!listCommandsAllowed()) return;
    const int k = gvData->row() - 1;
    if (k < 1) return;
    TALL& all = appState();
    bool room = true;
    listEdit(lStepInsert->text().arg(k), [&] { room = InsertEmptyChannel(all, k); }, {k});
    if (!room)
        ShowMessageBox(languageTexts().info, lNoRoom->text().arg(k), MessageKind::Information);
}

void TfChsInfo::RemoveCurrent()
{
    if (!listCommandsAllowed()) return;
    const int k = gvData->row() - 1;
    if (k < 1) return;
    listEdit(lStepRemove->text().arg(k), [&] { RemoveChannel(appState(), k); }, {k});
}

void TfChsInfo::MoveSelection(int delta)
{
    if (!listCommandsAllowed()) return;
    const QList<int> channels = selectedChannels();
    if (channels.isEmpty()) return;
    if (channels.first() + delta < 1 || channels.last() + delta > AllChannels(appState()).size())
        return;
    // The current cell goes with its channel.
    const int current = gvData->row() - 1;
    listEdit(
        lStepMove->text().arg(channels.first()).arg(channels.last()),
        [&] { MoveChannels(appState(), channels, delta); }, shifted(channels, delta),
        channels.contains(current) ? current + delta : 0);
}

// A channel number dragged to another place: the header only shows the place; the
// channels move in the image and the header goes back to its order.
void TfChsInfo::rowDragged(int fromVisual, int toVisual)
{
    QHeaderView* header = gvData->verticalHeader();
    {
        const QSignalBlocker blocker(header);
        header->moveSection(toVisual, fromVisual);
    }
    const int delta = toVisual - fromVisual;
    const int channel = fromVisual + 1; // visual section 0 is channel 1
    QList<int> channels = selectedChannels();
    if (!channels.contains(channel)) channels = {channel};
    if (delta == 0 || !listCommandsAllowed()) return;
    if (channels.first() + delta < 1 || channels.last() + delta > AllChannels(appState()).size())
        return;
    listEdit(
        lStepMove->text().arg(channels.first()).arg(channels.last()),
        [&] { MoveChannels(appState(), channels, delta); }, shifted(channels, delta));
}

void TfChsInfo::SortChannelList()
{
    if (!listCommandsAllowed()) return;
    TALL& all = appState();
    QList<int> channels = selectedChannels();
    const bool selection = channels.size() > 1;
    if (!selection) channels = AllChannels(all);
    TfChsSort dialog(selection, this);
    TranslateForm(&dialog, all.languageName, true);
    dialog.showScope(selection);
    if (Modal::exec(dialog) != QDialog::Accepted) return;
    const ChannelSortKey key = dialog.key();
    const bool closeGaps = dialog.closeGaps();
    listEdit(
        lStepSort->text().arg(channels.first()).arg(channels.last()),
        [&] { SortChannels(all, channels, key, closeGaps); }, selection ? channels : QList<int>());
}
