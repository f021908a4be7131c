#pragma once

#include "widgets/TranslatableGrid.h"

#include <QColor>
#include <QRect>
#include <QTableView>
#include <QVector>
#include <functional>

class QKeyEvent;

class CellGridModel;
class QHeaderView;
class QLineEdit;

// The program's cell grid. Cells are addressed (column, row) from 0. Row 0 and
// column 0 are the hidden title row and column. With one fixed row, row 1 is drawn
// as the column header and stays in place while the rows scroll; with one fixed
// column, column 1 is drawn as the row header. Every cell has a display text, a
// value text the user never sees, an alignment, a read-only state, a background
// colour and a bold state. Attribute setters work on a rectangle of cells given
// as (left column, top row, width, height); columnCells() and rowCells() make one.
//
// Editing: the grid runs its own in-place text editor over the current cell.
// Typing into an editable cell, Enter or F2 opens it; Enter, Tab, Up and Down
// commit, Escape cancels, leaving the editor commits. A commit sets the cell's
// display text and then raises displayTextSet(column, row, text), whose handler may
// change the text (connect directly). Text set from code raises nothing.
class CellGrid : public QTableView, public TranslatableGrid {
    Q_OBJECT

  public:
    explicit CellGrid(QWidget* parent = nullptr);
    ~CellGrid() override;

    // Shape. Fixed columns and rows are 0 or 1.
    void setColCount(int count);
    void setRowCount(int count);
    int colCount() const;
    int rowCount() const;
    void setFixedCols(int count);
    void setFixedRows(int count);
    int fixedCols() const;
    int fixedRows() const;

    void setColWidth(int col, int width);
    int colWidth(int col) const;
    // Widens the column so that every text it holds, its header included, and the given
    // texts show whole in the grid's font; never narrows it.
    void fitColWidth(int col, const QStringList& moreTexts = {});
    // The width a cell of the column needs to show the text whole.
    int cellWidthFor(int col, const QString& text, bool bold = false) const;
    int headerWidthFor(const QHeaderView* header, const QString& text) const;
    void setDefaultRowHeight(int height);
    void setRowHeight(int row, int height);
    int rowHeight(int row) const;

    // Cell texts. Out-of-range cells read as empty and ignore writes.
    QString cellText(int col, int row) const;
    void setCellText(int col, int row, const QString& text);
    QString cellValue(int col, int row) const;
    void setCellValue(int col, int row, const QString& value);

    // Cell attributes over a rectangle of cells; the vertical alignment is always centred.
    QRect allCells() const;
    QRect columnCells(int col) const;
    QRect rowCells(int row) const;
    void setAlignment(const QRect& cells, Qt::Alignment horizontal);
    void setReadOnly(const QRect& cells, bool readOnly);
    void setColor(const QRect& cells, const QColor& color); // invalid: base colour
    void setBold(const QRect& cells, bool bold);
    Qt::Alignment alignment(int col, int row) const;
    bool isReadOnly(int col, int row) const;
    QColor color(int col, int row) const;
    bool isBold(int col, int row) const;

    // The current cell; setCurrentCell raises selectCell first.
    int col() const;
    int row() const;
    void setCurrentCell(int col, int row);

    // Whole rows selected with click, Shift+click, Ctrl+click, Shift+arrows and a click
    // on the fixed column; the current cell moves as before. Off: one cell, no selection.
    void setRowSelection(bool on);
    // The selected rows, ascending; the current row when none is selected.
    QList<int> selectedRows() const;
    // Selects the rows given (and nothing else).
    void selectRows(const QList<int>& rows);

    // The cell's rectangle in the coordinates of the grid's parent window.
    QRect cellRect(int col, int row) const;

    // The in-place editor of the current cell. openEditor does nothing on a
    // read-only cell and returns whether the editor is open.
    bool openEditor();
    void closeEditor(bool commit);
    bool isEditing() const;
    QLineEdit* editor() const;
    void setEditorMaxLength(int length); // 0: no limit
    // Keys the open editor gives up to the window's commands: when yields says so for a
    // key (a paste of whole channels, say), the editor closes, keeping its text, and the
    // key goes on as a shortcut instead of into the editor's text.
    void setEditorYields(std::function<bool(const QKeyEvent&)> yields);
    // The length the editor takes in a column whenever it opens there, whatever an
    // earlier cell set (0: no limit).
    void setColEditorMaxLength(int col, int length);

    // Suspends repainting; calls nest, the last resume repaints once.
    void beginUpdate();
    void endUpdate();

    // TranslatableGrid: the texts of the header row.
    int headerColumnCount() const override;
    QString headerText(int column) const override;
    void setHeaderText(int column, const QString& text) override;

    CellGridModel* cellModel() const;

  signals:
    // Before the current cell moves to (col, row); clearing allow keeps it.
    void selectCell(int col, int row, bool& allow);
    // After the in-place editor set a cell's display text; the handler may change it.
    void displayTextSet(int col, int row, QString& text);
    // A printable text typed into the grid or its editor; the handler may replace
    // it, or empty it to discard the key.
    void keyPress(QString& text);
    // After a mouse press in the cells moved the current cell.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void cellDoubleClicked(int col, int row);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool yieldsKey(QEvent* event);
    void keyboardSearch(const QString&) override {}

  private:
    bool allowMove(const QModelIndex& target);
    void applySizes();
    void placeEditor();
    void paintCorner(QWidget* corner);
    template <typename F> void forCells(const QRect& cells, F apply);

    CellGridModel* model;
    QLineEdit* lineEdit;
    QVector<int> colWidths;
    QVector<int> rowHeights;   // 0: the default height
    QVector<int> colMaxLength; // the editor's length per column, 0: no limit
    int defaultRowHeight = 20;
    int editCol = -1;
    int editRow = -1;
    bool editing = false;
    bool forwardingKey = false; // a key handed to the editor and coming back unused
    std::function<bool(const QKeyEvent&)> editorYields;
    int maxLength = 0;
};
