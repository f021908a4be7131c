#pragma once

#include "editors/EditorHost.h"
#include "files/FileCommands.h"

#include "core/DocumentDescription.h"
#include "core/Printout.h"

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QVector>

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QPagedPaintDevice;
class TfCompare;
struct TALL;
class QSplitter;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The main window: menu, tool bar, navigation tree, status bar and the MDI area that
// holds the editor windows. Every command, from a menu item, a tool button or the tree,
// is a number that DispatchCommand turns into an action.
//
// Lifecycle: the data module has made the singletons before the window exists; the first
// showing does the start-up work (first document, port, translation, tree, grid, New);
// closing asks ExitProgram / SaveProgram and writes the settings file.
class TfMainFrm : public QMainWindow, public EditorHost {
    Q_OBJECT
  public:
    explicit TfMainFrm(QWidget* parent = nullptr);
    ~TfMainFrm() override;

    void DispatchCommand(int command);
    void RefreshViews(int reason) override;
    void UpdateStatusBar();
    void SetTreeTexts();

    // Double click in the tree at a position of its viewport.
    void cxTreeDblClick(const QPoint& position);
    void TreeHideClick();

    QString currentFileName() const;
    // Opens a data file as Open does, without the open dialog: the save question first.
    bool OpenDataFile(const QString& path);
    // The pages Print, Print Preview and Export PDF produce (MainFrmPrint.cpp); returns
    // the page count.
    int printTo(QPagedPaintDevice& device);
    Printout documentPrintout(QString* pageText = nullptr);
    // The compare window, while it is open.
    TfCompare* compareWindow() const;
    // Takes differences over from another document: the one place the compare
    // window's rows come into the document.
    void TakeOver(const TALL& other, const QList<DocumentDifference>& differences);
    QMdiArea* mdiArea() const { return MdiArea; }
    QString panelText(int panel) const;
    bool startupDone() const { return started; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void createActions();
    // Undo and Redo name the step they take back or make again; the modified mark of the
    // caption follows the history.
    void updateHistoryActions();
    void rememberHistoryCaptions();
    void createToolBar();
    void createTree();
    void createStatusBar();
    QAction* addCommand(QMenu* menu, const char* name, const char* caption, int command,
                        const QKeySequence& shortcut = {}, int image = -1,
                        const char* hint = nullptr);
    QToolButton* addToolButton(const char* name, const char* hint, int command, int image);

    // Destroys every editor window; refresh requests they send meanwhile are dropped.
    void destroyEditors();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void TimerTimer();
    void LanguageSwitch();
    void ModelCommand();
    void ReadCommand();
    void WriteCommand();
    void PortCommand();
    void AboutCommand();
    // File menu: the memory channels as a CSV channel list (MainFrmCsv.cpp).
    void ImportCsvCommand();
    void ChannelListCommand(int command);
    void ImportCsvFile(const QString& path);
    void ExportCsvCommand();
    // File menu: printing (MainFrmPrint.cpp).
    void PrintCommand();
    void PrintPreviewCommand();
    void ExportPdfCommand();
    // Comparing with a data file or with the radio (MainFrmCompare.cpp).
    void CompareWithFileCommand();
    void CompareWithRadioCommand();
    void showCompare(const TALL& other, const QString& otherName);
    // Recent files (MainFrmCompare.cpp).
    void UpdateRecentMenu();
    void OpenRecentFile(const QString& path);
    QString csvStartFolder() const;

    void nTreeViewClick();
    void nToolbarClick(bool checked);
    void nStatusBarClick(bool checked);

    QMdiArea* MdiArea = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* pTree = nullptr;
    QToolButton* TreeHide = nullptr;
    QTreeWidget* cxTree = nullptr;
    QToolBar* tbar = nullptr;
    QStatusBar* MainBar = nullptr;
    QVector<QLabel*> panels;
    QTimer* Timer = nullptr;
    QLabel* lCom = nullptr;
    QComboBox* cbCom = nullptr;
    QLabel* lHelpMissing = nullptr;
    QLabel* lHelpFailed = nullptr;
    QLabel* lCsvUnusable = nullptr;
    QLabel* lCsvExported = nullptr;
    QLabel* lPdfExported = nullptr;
    QLabel* lRecentMissing = nullptr;
    QLabel* lRadio = nullptr;
    QMenu* nRecent = nullptr;
    QPointer<TfCompare> compare;
    bool readFromRadio = false; // the document came from the radio and has no file yet
    QAction* nUndo = nullptr;
    QAction* nRedo = nullptr;
    QLabel* lUndo = nullptr;
    QLabel* lRedo = nullptr;
    QLabel* lStepImport = nullptr;
    QLabel* lStepTakeOver = nullptr;
    QAction* nToolbar = nullptr;
    QAction* nStatusBar = nullptr;
    QVector<QIcon> Image; // 16 tool and tree images, then the application icon
    QPixmap ImBack;
    QTreeWidgetItem* treeRoot = nullptr;
    FileCommands files;
    QString csvFolder;       // where the last channel list was opened or saved
    bool refreshing = false; // the editor windows are being destroyed
    bool started = false;
};

extern TfMainFrm* fMainFrm;
