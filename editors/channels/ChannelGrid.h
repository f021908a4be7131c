#pragma once

#include <QKeySequence>
#include <QWidget>
#include <functional>

class CellGrid;
struct DocumentChange;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QListWidget;
class ToneSelector;

// The memory channel grid: one row per memory channel, edited in place. Row r shows
// channel r - 1; column 1 holds the channel numbers, row 1 the column titles. Column 1's
// value text records which rows hold a channel ("1"). The list columns keep the entry
// index in their value text. The frequency and name columns are edited with the grid's
// own editor; the tone and list columns with a drop-down selector laid over the cell.
// Every change goes into the image at once. While the window fills itself or places a
// selector it holds the document's update-suppression flag, so no handler writes back.
class TfChsInfo : public QWidget {
    Q_OBJECT

  public:
    explicit TfChsInfo(QWidget* parent = nullptr);
    ~TfChsInfo() override;

    void BuildGrid();
    void FillRow(int channel);
    void FillAllRows();
    void DocumentChanged(const DocumentChange& change);
    void StoreCell(int row, int col);
    void StartChannelRow(int row);
    void ClearChannelRow(int row);
    void ShowCellSelector();
    // Ends cell editing: closes the grid's editor (keeping what was typed) and
    // hides the selectors. The main window runs it before every command.
    void FormDeactivate();

    CellGrid* gvData;
    QListWidget* BColText;
    ToneSelector* cxRxDcts;
    ToneSelector* cxTxDcts;
    QComboBox* cxPower;
    QComboBox* cxWn;
    QComboBox* cxScan;
    QComboBox* cxYesNo;
    QComboBox* cxApro;
    QComboBox* cxBclo;
    QComboBox* cxDcs;
    QComboBox* cxTail;
    QLabel* lNone;
    QLabel* lStep; // names the step an edit of a cell makes

    // The channel list: the context menu and its commands (the main window's Edit menu
    // runs the same). Each edit is one undo step named by its hidden label.
    QMenu* gvMenu;
    QAction* acCopy;
    QAction* acCut;
    QAction* acPaste;
    QAction* acDelete;
    QAction* acInsert;
    QAction* acRemove;
    QAction* acMoveUp;
    QAction* acMoveDown;
    QAction* acSort;
    QLabel* lStepPaste;
    QLabel* lStepCut;
    QLabel* lStepDelete;
    QLabel* lStepInsert;
    QLabel* lStepRemove;
    QLabel* lStepMove;
    QLabel* lStepSort;
    QLabel* lStepMany;
    QLabel* lNoRoom;
    QLabel* lReplaces;
    QLabel* lNothingToPaste;
    QLabel* lClipboard;

    // The keys of a list command, by the name of its action (acCopy, ...); the main
    // window's Edit menu shows the same.
    static QKeySequence ListCommandKeys(const QString& action);

    // The memory channels selected (whole rows), ascending; the current one when none.
    QList<int> selectedChannels() const;
    void CopySelection();
    void CutSelection();
    void PasteAtCurrent();
    void DeleteSelection();
    void InsertEmptyAtCurrent();
    void RemoveCurrent();
    void MoveSelection(int delta);
    void SortChannelList();

    // The cell the selectors edit.
    int currentCol() const { return curCol; }
    int currentRow() const { return curRow; }
    // The selector laid over a cell of the column, or nullptr.
    QComboBox* selectorOf(int col) const;

    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void gvDataMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    QAction* addListCommand(const char* name, const char* caption);
    bool listCommandsAllowed() const;
    // Runs change as one undo step named text, then shows the list again with the
    // channels select selected and current (default: the first of them) the current one.
    void listEdit(const QString& text, const std::function<void()>& change,
                  const QList<int>& select = {}, int current = 0);
    void rowDragged(int fromVisual, int toVisual);
    void gvDataSelectCell(int col, int row, bool& allow);
    void gvDataKeyPress(QString& text);
    void gvDataSetForeText(int col, int row, QString& text);
    void ComBoxSetData(QComboBox* selector);
    void ComBoxExit(QComboBox* selector);
    bool ComBoxKeyPress(QComboBox* selector, QKeyEvent* key);
    void ComBoxDblClick(ToneSelector* selector);

    QComboBox* makeList(const char* name, const QStringList& items, const char* hint);
    void hideSelectors();
    void leaveSelector(QComboBox* selector);
    void followCurrentChannel(int row);
    QString noTone() const;
    QString stepName(int col, int channel) const;
    void sizeWindow(int width, int height);
    // The text of a band-checked frequency, after the out-of-band message if needed.

    QSize windowSize{870, 560}; // the designed size; BuildGrid fits it to the columns
    QList<QComboBox*> selectors;
    QComboBox* openSelector = nullptr; // the selector shown, and the cell it edits
    int selectorCol = 0;
    int selectorRow = 0;
    int curCol = 2;
    int curRow = 2;
    bool shown = false;
    bool followingHistory = false; // moving to the step's channel after an undo or redo
};

// The open memory channel grid, or nullptr.
extern TfChsInfo* fChsInfo;
