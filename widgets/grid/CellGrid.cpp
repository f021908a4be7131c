#include "CellGrid.h"

#include "CellGridModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>
#include <utility>

namespace {

constexpr int DefaultColWidth = 64;

// A key that types text (not an editing or navigation key, no shortcut).
bool isTyping(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!c.isPrint()) return false;
    return true;
}

} // namespace

CellGrid::CellGrid(QWidget* parent)
    : QTableView(parent), model(new CellGridModel(this)), lineEdit(new QLineEdit(viewport()))
{
    setModel(model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCornerButtonEnabled(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(1);
        header->hide();
    }
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    horizontalHeader()->setDefaultSectionSize(DefaultColWidth);
    if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);

    lineEdit->setFrame(false);
    lineEdit->setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit->hide();
    lineEdit->installEventFilter(this);
    connect(model, &QAbstractItemModel::modelReset, this, &CellGrid::applySizes);
}

// The editor loses the focus while it is destroyed with the grid; that is no commit.
CellGrid::~CellGrid()
{
    editing = false;
    lineEdit->removeEventFilter(this);
}

CellGridModel* CellGrid::cellModel() const
{
    return model;
}

// ---- shape and sizes --------------------------------------------------------

void CellGrid::setColCount(int count)
{
    closeEditor(false);
    count = std::max(count, 0);
    colWidths.resize(count, DefaultColWidth);
    colMaxLength.resize(count, 0);
    model->setShape(count, rowCount(), fixedCols(), fixedRows());
}

void CellGrid::setRowCount(int count)
{
    closeEditor(false);
    count = std::max(count, 0);
    rowHeights.resize(count, 0);
    model->setShape(colCount(), count, fixedCols(), fixedRows());
}

int CellGrid::colCount() const
{
    return model->cells().colCount();
}
int CellGrid::rowCount() const
{
    return model->cells().rowCount();
}

void CellGrid::setFixedCols(int count)
{
    closeEditor(false);
    model->setShape(colCount(), rowCount(), count, fixedRows());
}

void CellGrid::setFixedRows(int count)
{
    closeEditor(false);
    model->setShape(colCount(), rowCount(), fixedCols(), count);
}

int CellGrid::fixedCols() const
{
    return model->fixedCols();
}
int CellGrid::fixedRows() const
{
    return model->fixedRows();
}

void CellGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= colWidths.size()) return;
    colWidths[col] = std::max(width, 0);
    if (fixedCols() && col == 1)
        verticalHeader()->setFixedWidth(colWidths[col]);
    else if (col >= model->firstCol())
        horizontalHeader()->resizeSection(col - model->firstCol(), colWidths[col]);
}

// The width the style asks for to draw a text whole: in a cell, as the item delegate
// draws it (with its margins, and the grid line), in a header section as the header does.
int CellGrid::cellWidthFor(int col, const QString& text, bool bold) const
{
    if (fixedCols() && col == 1) return headerWidthFor(verticalHeader(), text);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    option.font.setBold(bold || option.font.bold());
    option.fontMetrics = QFontMetrics(option.font);
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() +
           (showGrid() ? 1 : 0);
}

int CellGrid::headerWidthFor(const QHeaderView* header, const QString& text) const
{
    // The header sizes its sections for bold text, as a highlighted section is drawn.
    QFont font = header->font();
    font.setBold(true);
    QStyleOptionHeader option;
    option.initFrom(header);
    option.text = text;
    option.orientation = header->orientation();
    option.fontMetrics = QFontMetrics(font);
    option.section = 0;
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
}

void CellGrid::fitColWidth(int col, const QStringList& moreTexts)
{
    if (col < 0 || col >= colCount()) return;
    int width = colWidth(col);
    for (int r = 0; r < rowCount(); ++r) {
        const QString text = cellText(col, r);
        if (text.isEmpty()) continue;
        if (fixedRows() && r == 1)
            width = std::max(width, headerWidthFor(horizontalHeader(), text));
        else
            width = std::max(width, cellWidthFor(col, text, isBold(col, r)));
    }
    for (const QString& text : moreTexts)
        width = std::max(width, cellWidthFor(col, text));
    setColWidth(col, width);
}

int CellGrid::colWidth(int col) const
{
    return col >= 0 && col < colWidths.size() ? colWidths[col] : 0;
}

void CellGrid::setDefaultRowHeight(int height)
{
    defaultRowHeight = std::max(height, 1);
    applySizes();
}

void CellGrid::setRowHeight(int row, int height)
{
    if (row < 0 || row >= rowHeights.size()) return;
    rowHeights[row] = std::max(height, 0);
    if (fixedRows() && row == 1)
        horizontalHeader()->setFixedHeight(rowHeight(1));
    else if (row >= model->firstRow())
        verticalHeader()->resizeSection(row - model->firstRow(), rowHeight(row));
}

int CellGrid::rowHeight(int row) const
{
    if (row < 0 || row >= rowHeights.size()) return 0;
    return rowHeights[row] > 0 ? rowHeights[row] : defaultRowHeight;
}

// A model reset gives every header section its default size again.
void CellGrid::applySizes()
{
    horizontalHeader()->setVisible(fixedRows() > 0);
    verticalHeader()->setVisible(fixedCols() > 0);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    if (fixedCols() && colWidths.size() > 1) verticalHeader()->setFixedWidth(colWidths[1]);
    if (fixedRows() && rowHeights.size() > 1) horizontalHeader()->setFixedHeight(rowHeight(1));
    for (int c = model->firstCol(); c < colWidths.size(); ++c)
        horizontalHeader()->resizeSection(c - model->firstCol(), colWidths[c]);
    for (int r = model->firstRow(); r < rowHeights.size(); ++r)
        if (rowHeights[r] > 0)
            verticalHeader()->resizeSection(r - model->firstRow(), rowHeights[r]);
}

// ---- cells ------------------------------------------------------------------

QString CellGrid::cellText(int col, int row) const
{
    const GridCells& cells = model->cells();
    return cells.contains(col, row) ? cells.at(col, row).text : QString();
}

void CellGrid::setCellText(int col, int row, const QString& text)
{
    GridCells& cells = model->cells();
    if (!cells.contains(col, row) || cells.at(col, row).text == text) return;
    cells.at(col, row).text = text;
    model->cellsChanged(col, row, col, row);
    if (col == 1 && row == 1)
        if (auto* corner = findChild<QAbstractButton*>()) corner->update();
}

QString CellGrid::cellValue(int col, int row) const
{
    const GridCells& cells = model->cells();
    return cells.contains(col, row) ? cells.at(col, row).value : QString();
}

void CellGrid::setCellValue(int col, int row, const QString& value)
{
    GridCells& cells = model->cells();
    if (cells.contains(col, row)) cells.at(col, row).value = value;
}

QRect CellGrid::allCells() const
{
    return QRect(0, 0, colCount(), rowCount());
}
QRect CellGrid::columnCells(int col) const
{
    return QRect(col, 0, 1, rowCount());
}
QRect CellGrid::rowCells(int row) const
{
    return QRect(0, row, colCount(), 1);
}

// Applies an attribute to a rectangle of cells and announces only the cells it changed.
template <typename F> void CellGrid::forCells(const QRect& cells, F apply)
{
    const QRect area = cells.intersected(allCells());
    if (area.isEmpty()) return;
    GridCells& store = model->cells();
    QRect changed;
    for (int r = area.top(); r <= area.bottom(); ++r)
        for (int c = area.left(); c <= area.right(); ++c)
            if (apply(store.at(c, r))) changed |= QRect(c, r, 1, 1);
    if (changed.isNull()) return;
    model->cellsChanged(changed.left(), changed.top(), changed.right(), changed.bottom());
    if (changed.contains(1, 1))
        if (auto* corner = findChild<QAbstractButton*>()) corner->update();
}

void CellGrid::setAlignment(const QRect& cells, Qt::Alignment horizontal)
{
    const Qt::Alignment a = (horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    forCells(cells, [a](GridCell& cell) { return std::exchange(cell.alignment, a) != a; });
}

void CellGrid::setReadOnly(const QRect& cells, bool readOnly)
{
    forCells(cells, [readOnly](GridCell& cell) {
        return std::exchange(cell.readOnly, readOnly) != readOnly;
    });
}

void CellGrid::setColor(const QRect& cells, const QColor& color)
{
    forCells(cells, [color](GridCell& cell) { return std::exchange(cell.color, color) != color; });
}

void CellGrid::setBold(const QRect& cells, bool bold)
{
    forCells(cells, [bold](GridCell& cell) { return std::exchange(cell.bold, bold) != bold; });
}

Qt::Alignment CellGrid::alignment(int col, int row) const
{
    const GridCells& cells = model->cells();
    return cells.contains(col, row) ? cells.at(col, row).alignment : Qt::Alignment();
}

bool CellGrid::isReadOnly(int col, int row) const
{
    const GridCells& cells = model->cells();
    return !cells.contains(col, row) || cells.at(col, row).readOnly;
}

QColor CellGrid::color(int col, int row) const
{
    const GridCells& cells = model->cells();
    return cells.contains(col, row) ? cells.at(col, row).color : QColor();
}

bool CellGrid::isBold(int col, int row) const
{
    const GridCells& cells = model->cells();
    return cells.contains(col, row) && cells.at(col, row).bold;
}

// ---- current cell -------------------------------------------------------------

int CellGrid::col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() + model->firstCol() : model->firstCol();
}

int CellGrid::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + model->firstRow() : model->firstRow();
}

void CellGrid::setCurrentCell(int col, int row)
{
    const QModelIndex target = model->indexOfCell(col, row);
    if (!target.isValid()) return;
    if (target != currentIndex()) {
        closeEditor(true);
        if (!allowMove(target)) return;
    }
    setCurrentIndex(target);
}

// The handler of selectCell places controls over the target cell, so the target
// is scrolled into view before it is asked.
bool CellGrid::allowMove(const QModelIndex& target)
{
    scrollTo(target);
    bool allow = true;
    emit selectCell(target.column() + model->firstCol(), target.row() + model->firstRow(), allow);
    return allow;
}

QModelIndex CellGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (target.isValid() && target != currentIndex() && !allowMove(target)) return currentIndex();
    return target;
}

QRect CellGrid::cellRect(int col, int row) const
{
    QRect rect;
    QPoint origin;
    const QWidget* from = viewport();
    const int fc = model->firstCol();
    const int fr = model->firstRow();
    const bool headerCol = fixedCols() && col == 1;
    const bool headerRow = fixedRows() && row == 1;
    if (headerCol && headerRow) {
        from = this;
        rect = QRect(frameWidth(), frameWidth(), verticalHeader()->width(),
                     horizontalHeader()->height());
    } else if (headerRow) {
        from = horizontalHeader();
        const int s = col - fc;
        rect = QRect(horizontalHeader()->sectionViewportPosition(s), 0,
                     horizontalHeader()->sectionSize(s), horizontalHeader()->height());
    } else if (headerCol) {
        from = verticalHeader();
        const int s = row - fr;
        rect = QRect(0, verticalHeader()->sectionViewportPosition(s), verticalHeader()->width(),
                     verticalHeader()->sectionSize(s));
    } else {
        rect = visualRect(model->indexOfCell(col, row));
    }
    if (!rect.isValid()) return {};
    const QWidget* window = parentWidget() ? parentWidget() : this;
    return QRect(from->mapTo(window, rect.topLeft()), rect.size());
}

// ---- row selection -------------------------------------------------------------

void CellGrid::setRowSelection(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                        : QAbstractItemView::SingleSelection);
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    verticalHeader()->setSectionsClickable(on);
}

QList<int> CellGrid::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row() + model->firstRow();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty() && currentIndex().isValid()) rows << row();
    return rows;
}

void CellGrid::selectRows(const QList<int>& rows)
{
    QItemSelection selection;
    for (int r : rows) {
        const QModelIndex index = model->indexOfCell(model->firstCol(), r);
        if (index.isValid()) selection.select(index, index);
    }
    selectionModel()->select(selection,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// ---- in-place editor ----------------------------------------------------------

bool CellGrid::openEditor()
{
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return false;
    const int c = index.column() + model->firstCol();
    const int r = index.row() + model->firstRow();
    if (isReadOnly(c, r)) return false;
    if (editing && (c != editCol || r != editRow)) closeEditor(true);
    editCol = c;
    editRow = r;
    editing = true;
    maxLength = colMaxLength.value(c, 0);
    lineEdit->setMaxLength(maxLength > 0 ? maxLength : 32767);
    lineEdit->setText(cellText(c, r));
    lineEdit->setAlignment(alignment(c, r));
    QFont font = this->font();
    font.setBold(isBold(c, r));
    lineEdit->setFont(font);
    placeEditor();
    lineEdit->show();
    lineEdit->setFocus(Qt::OtherFocusReason);
    lineEdit->selectAll();
    return true;
}

// The editing state is cleared before anything is raised, so a handler that shows
// a message box (and takes the focus) cannot close the editor a second time.
void CellGrid::closeEditor(bool commit)
{
    if (!editing) return;
    editing = false;
    const QString typed = lineEdit->text();
    if (lineEdit->hasFocus()) setFocus(Qt::OtherFocusReason);
    lineEdit->hide();
    if (!commit) return;
    const int c = editCol;
    const int r = editRow;
    setCellText(c, r, typed);
    QString text = typed;
    emit displayTextSet(c, r, text);
    if (text != typed) setCellText(c, r, text);
}

bool CellGrid::isEditing() const
{
    return editing;
}
QLineEdit* CellGrid::editor() const
{
    return lineEdit;
}

// QLineEdit::setMaxLength sets its text again, which drops the selection; a key
// handler that sets the length on every key must not undo "select all".
void CellGrid::setEditorMaxLength(int length)
{
    maxLength = std::max(length, 0);
    const int limit = maxLength > 0 ? maxLength : 32767;
    if (lineEdit->maxLength() == limit) return;
    const int start = lineEdit->selectionStart();
    const int selected = lineEdit->selectedText().size();
    const int cursor = lineEdit->cursorPosition();
    lineEdit->setMaxLength(limit);
    if (start >= 0)
        lineEdit->setSelection(start, selected);
    else
        lineEdit->setCursorPosition(cursor);
}

void CellGrid::setColEditorMaxLength(int col, int length)
{
    if (col >= 0 && col < colMaxLength.size()) colMaxLength[col] = std::max(length, 0);
}

void CellGrid::placeEditor()
{
    if (editing) lineEdit->setGeometry(visualRect(model->indexOfCell(editCol, editRow)));
}

void CellGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    placeEditor();
}

void CellGrid::updateGeometries()
{
    QTableView::updateGeometries();
    placeEditor();
}

// ---- repainting ---------------------------------------------------------------

void CellGrid::beginUpdate()
{
    model->suspend();
}

void CellGrid::endUpdate()
{
    model->resume();
    if (auto* corner = findChild<QAbstractButton*>()) corner->update();
}

// ---- header texts -------------------------------------------------------------

int CellGrid::headerColumnCount() const
{
    return colCount();
}
QString CellGrid::headerText(int column) const
{
    return cellText(column, 1);
}
void CellGrid::setHeaderText(int column, const QString& text)
{
    setCellText(column, 1, text);
}

// ---- keys and mouse -----------------------------------------------------------

// A key the open editor takes for its text (Delete, Ctrl+C, Ctrl+V, ...) is no shortcut,
// even when it reaches the grid first.
bool CellGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && editing && yieldsKey(event)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && editing && !forwardingKey) {
        // Ignored by the editor, the event comes back up here: it goes on as usual then.
        event->ignore();
        forwardingKey = true;
        QApplication::sendEvent(lineEdit, event);
        forwardingKey = false;
        if (event->isAccepted()) return true;
    }
    return QTableView::event(event);
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    // Keys that reach the grid while its editor is open belong to the editor.
    if (editing) {
        // A key the editor leaves unused (Shift alone, say) travels back up to the grid:
        // let it go on to the window instead of handing it to the editor again.
        if (forwardingKey) {
            event->ignore();
            return;
        }
        forwardingKey = true;
        QApplication::sendEvent(lineEdit, event);
        forwardingKey = false;
        return;
    }
    if (isTyping(event)) {
        QString text = event->text();
        emit keyPress(text);
        event->accept();
        if (text.isEmpty() || !openEditor()) return;
        lineEdit->setText(text);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (openEditor()) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex target = indexAt(event->position().toPoint());
    closeEditor(true);
    if (target.isValid() && target != currentIndex() && !allowMove(target)) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    if (target.isValid()) emit mouseDown(event->button(), event->modifiers());
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex target = indexAt(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
    if (target.isValid())
        emit cellDoubleClicked(target.column() + model->firstCol(),
                               target.row() + model->firstRow());
}

void CellGrid::setEditorYields(std::function<bool(const QKeyEvent&)> yields)
{
    editorYields = std::move(yields);
}

// Whether the open editor gives this key up; it closes then, keeping its text.
bool CellGrid::yieldsKey(QEvent* event)
{
    if (!editing || !editorYields || !editorYields(*static_cast<QKeyEvent*>(event))) return false;
    closeEditor(true);
    return true;
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit) {
        if (event->type() == QEvent::ShortcutOverride && yieldsKey(event)) {
            event->ignore(); // not the editor's: the window's shortcut takes the key
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                closeEditor(true);
                return true;
            case Qt::Key_Escape:
                closeEditor(false);
                return true;
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Up:
            case Qt::Key_Down: {
                // Commit, then move on as the grid does.
                QKeyEvent moved(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
                closeEditor(true);
                QApplication::sendEvent(this, &moved);
                return true;
            }
            default:
                break;
            }
            if (isTyping(key)) {
                QString text = key->text();
                emit keyPress(text);
                if (text.isEmpty()) return true;
                if (text != key->text()) {
                    lineEdit->insert(text);
                    return true;
                }
            }
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                closeEditor(true);
        }
        return false;
    }
    if (event->type() == QEvent::Paint && watched == findChild<QAbstractButton*>()) {
        paintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// The corner holds cell (1, 1), the header of the fixed column.
void CellGrid::paintCorner(QWidget* corner)
{
    QStyleOptionHeader option;
    option.initFrom(corner);
    // The corner is a disabled button, but its text is a title like the others.
    option.state = QStyle::State_Enabled | QStyle::State_Active;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    if (fixedCols() && fixedRows()) {
        option.text = cellText(1, 1);
        option.textAlignment = alignment(1, 1);
    }
    QPainter painter(corner);
    painter.setFont(horizontalHeader()->font());
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}
