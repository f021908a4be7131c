#include "ChannelGrid.h"

#include "CheckedFrequency.h"
#include "ToneOption.h"
#include "ToneSelector.h"
#include "core/ChannelEntry.h"
#include "core/ChannelListItems.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/ToneCodec.h"
#include "core/ToneLists.h"
#include "editors/EditorHost.h"
#include "files/MessageBox.h"
#include "files/TranslateForm.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"
#include "widgets/grid/CellGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>

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
    // A borderless window; the main window hands the hint on to its sub-window.
    setWindowFlags(Qt::FramelessWindowHint);

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

    lNone = new QLabel(this);
    lNone->setObjectName(QStringLiteral("lNone"));
    lNone->hide();
    lStep = new QLabel(QStringLiteral("Channel %1 %2"), this);
    lStep->setObjectName(QStringLiteral("lStep"));
    lStep->hide();

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
    connect(gvData, &CellGrid::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers) { gvDataMouseDown(button); });
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
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
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

void TfChsInfo::gvDataMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || gvData->col() <= 1 || gvData->row() <= 1) return;
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
