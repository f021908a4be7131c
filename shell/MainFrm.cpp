// Construction of the main window: menu, tool bar, tree panel, status bar and the hidden
// helper controls. What the commands do is in MainFrmCommands.cpp; start-up and closing
// are in MainFrmLifecycle.cpp.
#include "MainFrm.h"

#include "Artwork.h"
#include "CommandNumbers.h"
#include "CompareWindow.h"
#include "EditorWindows.h"
#include "core/DataModule.h"
#include "editors/channels/ChannelGrid.h"
#include "files/SettingsFile.h"
#include "widgets/HiddenText.h"
#include "widgets/Tag.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfMainFrm* fMainFrm = nullptr;

namespace {
constexpr int TreePanelWidth = 185;
constexpr int PanelWidths[] = {50, 80, 120, 120, 120, 500, 100};
constexpr int ToolIconSize = 24;
} // namespace

TfMainFrm::TfMainFrm(QWidget* parent)
    : QMainWindow(parent),
      files({[this] { UpdateStatusBar(); }, [this](int reason) { RefreshViews(reason); }}, this)
{
    fMainFrm = this;
    setObjectName(QStringLiteral("fMainFrm"));
    SetEditorHost(this);

    for (int i = 0; i < ImageIndex::Count; ++i)
        Image << ToolImage(i);

    MdiArea = new QMdiArea;
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    createTree();
    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(pTree);
    Splitter1->addWidget(MdiArea);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({TreePanelWidth, 1000});
    setCentralWidget(Splitter1);

    createActions();
    createToolBar();
    createStatusBar();
    files.setFileUsedHook([this](const QString& path) {
        AddRecentFile(appState().recentFiles, path);
        UpdateRecentMenu();
    });
    UpdateRecentMenu();

    // Never shown: lCom's caption prefixes the port panel, cbCom receives the detected
    // ports, and the help and CSV labels carry translatable message texts of this window.
    // A no-break space ends the caption, so that language files (whose values lose
    // ordinary blanks at their ends) can give it back.
    lCom = new QLabel(QStringLiteral("Port:") + QChar(0x00A0), this);
    lCom->setObjectName(QStringLiteral("lCom"));
    lCom->hide();
    cbCom = new QComboBox(this);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    Tag::set(cbCom, Tag::NeverTranslate);
    cbCom->hide();
    lHelpMissing = new QLabel(QStringLiteral("The help file is missing: %1"), this);
    lHelpMissing->setObjectName(QStringLiteral("lHelpMissing"));
    lHelpMissing->hide();
    lHelpFailed = new QLabel(
        QStringLiteral("No program is set up to show the help. The help file is %1"), this);
    lHelpFailed->setObjectName(QStringLiteral("lHelpFailed"));
    lHelpFailed->hide();
    lCsvUnusable = new QLabel(QStringLiteral("The file %1 cannot be imported: %2"), this);
    lCsvUnusable->setObjectName(QStringLiteral("lCsvUnusable"));
    lCsvUnusable->hide();
    lCsvExported = new QLabel(QStringLiteral("%1 channels written to %2."), this);
    lCsvExported->setObjectName(QStringLiteral("lCsvExported"));
    lCsvExported->hide();
    lPdfExported = new QLabel(QStringLiteral("The pages were saved to %1."), this);
    lPdfExported->setObjectName(QStringLiteral("lPdfExported"));
    lPdfExported->hide();
    lRecentMissing = new QLabel(
        QStringLiteral("The file %1 no longer exists; it was taken off the list of recent files."),
        this);
    lRecentMissing->setObjectName(QStringLiteral("lRecentMissing"));
    lRecentMissing->hide();
    lRadio = new QLabel(QStringLiteral("the radio"), this);
    lRadio->setObjectName(QStringLiteral("lRadio"));
    lRadio->hide();
    const auto hiddenText = [this](const char* name, const char* text) {
        return HiddenText(this, name, text);
    };
    lUndo = hiddenText("lUndo", "&Undo %1");
    lRedo = hiddenText("lRedo", "&Redo %1");
    lStepImport = hiddenText("lStepImport", "Import CSV (%1 channels)");
    lStepTakeOver = hiddenText("lStepTakeOver", "Take over (%1 differences)");
    rememberHistoryCaptions();
    connect(&documentEdits(), &TDocumentEdits::historyChanged, this,
            &TfMainFrm::updateHistoryActions);
    updateHistoryActions();
    setAcceptDrops(true);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
    Timer->start();

    resize(1024, 700);
}

TfMainFrm::~TfMainFrm()
{
    // Editor windows go first, while the host they may call is still whole.
    destroyEditors();
    if (editorHost() == this) SetEditorHost(nullptr);
    if (fMainFrm == this) fMainFrm = nullptr;
}

QAction* TfMainFrm::addCommand(QMenu* menu, const char* name, const char* caption, int command,
                               const QKeySequence& shortcut, int image, const char* hint)
{
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (image >= 0) action->setIcon(Image.value(image));
    if (hint) action->setToolTip(QString::fromUtf8(hint));
    if (command > 0) {
        Tag::set(action, command);
        connect(action, &QAction::triggered, this,
                [this, action] { DispatchCommand(Tag::of(action)); });
    }
    menu->addAction(action);
    return action;
}

void TfMainFrm::createActions()
{
    QMenuBar* MainMenu = menuBar();
    MainMenu->setObjectName(QStringLiteral("MainMenu"));

    auto addMenu = [&](const char* name, const char* caption) {
        QMenu* menu = MainMenu->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    QMenu* file = addMenu("nFile", "&File");
    addCommand(file, "nNew", "&New", Command::New, QKeySequence(Qt::CTRL | Qt::Key_N),
               ImageIndex::New, "New");
    addCommand(file, "nOpen", "&Open", Command::Open, QKeySequence(Qt::CTRL | Qt::Key_O),
               ImageIndex::Open, "Open");
    addCommand(file, "nSave", "&Save", Command::Save, QKeySequence(Qt::CTRL | Qt::Key_S),
               ImageIndex::Save, "Save");
    addCommand(file, "nSaveAs", "Save &As", Command::SaveAs, QKeySequence(Qt::CTRL | Qt::Key_A),
               ImageIndex::SaveAs, "Save As");
    file->addSeparator();
    addCommand(file, "nPrint", "&Print", Command::Print, QKeySequence(Qt::CTRL | Qt::Key_P),
               ImageIndex::Print, "Print");
    addCommand(file, "nPrintPreview", "Print Pre&view", Command::PrintPreview,
               QKeySequence(Qt::CTRL | Qt::Key_T), -1, "Print Preview");
    file->addSeparator();
    QAction* nExit =
        addCommand(file, "nExit", "&Exit", 0, QKeySequence(Qt::CTRL | Qt::Key_X), -1, "Exit");
    connect(nExit, &QAction::triggered, this, &QWidget::close);
    file->addSeparator();
    addCommand(file, "nImportCsv", "&Import CSV...", Command::ImportCsv, {}, -1, "Import CSV");
    addCommand(file, "nExportCsv", "E&xport CSV...", Command::ExportCsv, {}, -1, "Export CSV");
    addCommand(file, "nExportPdf", "Export P&DF...", Command::ExportPdf, {}, -1, "Export PDF");
    addCommand(file, "nCompareFile", "Compare With F&ile...", Command::CompareWithFile, {}, -1,
               "Compare With File");
    nRecent = file->addMenu(QStringLiteral("Recent &Files"));
    nRecent->setObjectName(QStringLiteral("nRecent"));
    nRecent->menuAction()->setObjectName(QStringLiteral("nRecent"));

    QMenu* edit = addMenu("nEdit", "&Edit");
    addCommand(edit, "nInfo", "Radio &Information", Command::RadioInformation, {},
               ImageIndex::Information, "Radio Information");
    addCommand(edit, "nFreq", "F&req. Channel", Command::FreqChannel, {}, -1, "Freq. Information");
    edit->addSeparator();
    addCommand(edit, "nChInfo", "Memory C&hannel", Command::MemoryChannels, {}, -1,
               "Channel Information");
    addCommand(edit, "nChEdit", "&Channel Edit", Command::ChannelEdit, {}, ImageIndex::ChannelEdit,
               "Channel Edit");
    addCommand(edit, "nBatch", "&Batch Channel Edit", Command::BatchEdit, {}, ImageIndex::BatchEdit,
               "Batch Channel Edit");
    edit->addSeparator();
    addCommand(edit, "nFm", "&Fm Information", Command::FmFunctions, {}, ImageIndex::FmRadio,
               "Fm Information");
    addCommand(edit, "nVox", "&Vox Function", Command::VoxFunctions, {}, -1, "Vox Function");
    addCommand(edit, "nScan", "&Scan Information", Command::ScanFunctions, {}, -1,
               "Scan Information");
    addCommand(edit, "nOpt", "&Optional Function", Command::OptionalFunctions, {}, -1,
               "Optional Function");
    addCommand(edit, "nKey", "&Key Function", Command::KeyFunctions, {}, -1, "Key Function");
    edit->addSeparator();
    nUndo = addCommand(edit, "nUndo", "&Undo", Command::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z),
                       -1, "Undo");
    nUndo->setIcon(UndoImage());
    nRedo = addCommand(edit, "nRedo", "&Redo", Command::Redo, {}, -1, "Redo");
    nRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    nRedo->setIcon(RedoImage());
    edit->addSeparator();
    // The memory channel grid's list commands. The keys belong to the grid (its own
    // actions); here they are only shown, so they never fire twice.
    const auto listCommand = [&](const char* name, const char* caption, int command,
                                 const char* gridAction) {
        QAction* action = addCommand(edit, name, caption, command,
                                     TfChsInfo::ListCommandKeys(QLatin1String(gridAction)), -1, "");
        action->setToolTip(QString::fromUtf8(caption).remove(u'&').remove(QLatin1String("...")));
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setProperty("gridAction", QLatin1String(gridAction));
    };
    listCommand("nListCut", "Cu&t Channels", Command::ListCut, "acCut");
    listCommand("nListCopy", "C&opy Channels", Command::ListCopy, "acCopy");
    listCommand("nListPaste", "&Paste Channels", Command::ListPaste, "acPaste");
    listCommand("nListDelete", "&Delete Channels", Command::ListDelete, "acDelete");
    listCommand("nListInsert", "I&nsert Empty Channel", Command::ListInsert, "acInsert");
    listCommand("nListRemove", "Re&move Channel", Command::ListRemove, "acRemove");
    listCommand("nListMoveUp", "Move Channe&ls Up", Command::ListMoveUp, "acMoveUp");
    listCommand("nListMoveDown", "Move Channels Do&wn", Command::ListMoveDown, "acMoveDown");
    listCommand("nListSort", "Sort Ch&annels...", Command::ListSort, "acSort");

    QMenu* program = addMenu("nProgram", "&Program");
    addCommand(program, "nRead", "&Read From Radio", Command::ReadFromRadio,
               QKeySequence(Qt::CTRL | Qt::Key_R), ImageIndex::Read, "Read From Radio");
    addCommand(program, "nWrite", "&Write To Radio", Command::WriteToRadio,
               QKeySequence(Qt::CTRL | Qt::Key_W), ImageIndex::Write, "Write To Radio");
    program->addSeparator();
    addCommand(program, "nCompareRadio", "&Compare With Radio...", Command::CompareWithRadio, {},
               -1, "Compare With Radio");

    QMenu* setup = addMenu("nSetup", "&Setup");
    addCommand(setup, "nModel", "&Model Information", Command::ModelInformation, {}, -1,
               "Model Information");
    setup->addSeparator();
    addCommand(setup, "nCom", "&Communication Port", Command::CommunicationPort, {},
               ImageIndex::Port, "Communication Port");
    addCommand(setup, "nLanguage", "Language File Setup", Command::LanguageSetup, {},
               ImageIndex::Language, "Language File Setup");

    QMenu* view = addMenu("nView", "&View");
    QAction* nTreeView = addCommand(view, "nTreeView", "Tree &View", 0, {}, -1, "Tree View");
    connect(nTreeView, &QAction::triggered, this, &TfMainFrm::nTreeViewClick);
    view->addSeparator();
    nToolbar = addCommand(view, "nToolbar", "&Toolbar", 0, {}, -1, "Toolbar");
    nToolbar->setCheckable(true);
    nToolbar->setChecked(true);
    connect(nToolbar, &QAction::toggled, this, &TfMainFrm::nToolbarClick);
    nStatusBar = addCommand(view, "nStatusBar", "&Status bar", 0, {}, -1, "Status bar");
    nStatusBar->setCheckable(true);
    nStatusBar->setChecked(true);
    connect(nStatusBar, &QAction::toggled, this, &TfMainFrm::nStatusBarClick);

    QMenu* help = addMenu("nHelp", "&Help");
    addCommand(help, "nHelpTopics", "&Help Topics", Command::HelpTopics, {}, ImageIndex::Help,
               "Help Topics");
    help->addSeparator();
    addCommand(help, "nAbout", "About...", Command::About, {}, -1, "About");
}

QToolButton* TfMainFrm::addToolButton(const char* name, const char* hint, int command, int image)
{
    auto* button = new QToolButton(tbar);
    button->setObjectName(QLatin1String(name));
    button->setText(QString::fromUtf8(hint));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(Image.value(image));
    button->setIconSize(QSize(ToolIconSize, ToolIconSize));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Tag::set(button, command);
    connect(button, &QToolButton::clicked, this,
            [this, button] { DispatchCommand(Tag::of(button)); });
    tbar->addWidget(button);
    return button;
}

void TfMainFrm::createToolBar()
{
    tbar = new QToolBar(this);
    tbar->setObjectName(QStringLiteral("tbar"));
    tbar->setMovable(false);
    tbar->setFloatable(false);
    tbar->setIconSize(QSize(ToolIconSize, ToolIconSize));
    // The View menu's Toolbar item is the one switch for it; no context menu of its own.
    tbar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, tbar);

    addToolButton("tbNew", "New", Command::New, ImageIndex::New);
    addToolButton("tbOpen", "Open", Command::Open, ImageIndex::Open);
    addToolButton("tbSave", "Save", Command::Save, ImageIndex::Save);
    tbar->addSeparator();
    addToolButton("ToolButton3", "Channel Edit", Command::ChannelEdit, ImageIndex::ChannelEdit);
    tbar->addSeparator();
    addToolButton("tbPrint", "Print", Command::Print, ImageIndex::Print);
    tbar->addSeparator();
    addToolButton("tbCom", "Com", Command::CommunicationPort, ImageIndex::Port);
    tbar->addSeparator();
    addToolButton("tbRead", "Read", Command::ReadFromRadio, ImageIndex::Read);
    tbar->addSeparator();
    addToolButton("tbWrite", "Write", Command::WriteToRadio, ImageIndex::Write);
    tbar->addSeparator();
    addToolButton("tbHelp", "Help", Command::HelpTopics, ImageIndex::Help);
    tbar->addSeparator();
    for (QAction* history : {nUndo, nRedo}) {
        // The action gives the button its picture, tip and state.
        auto* button = new QToolButton(tbar);
        button->setObjectName(history == nUndo ? QStringLiteral("tbUndo")
                                               : QStringLiteral("tbRedo"));
        button->setDefaultAction(history);
        button->setIconSize(QSize(ToolIconSize, ToolIconSize));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        tbar->addWidget(button);
    }
}

void TfMainFrm::createTree()
{
    pTree = new QWidget;
    pTree->setObjectName(QStringLiteral("pTree"));
    pTree->setMinimumWidth(120);
    auto* layout = new QVBoxLayout(pTree);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* strip = new QFrame(pTree);
    strip->setObjectName(QStringLiteral("pTreeTitle"));
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Button);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(2, 1, 2, 1);
    stripLayout->addStretch(1);
    TreeHide = new QToolButton(strip);
    TreeHide->setObjectName(QStringLiteral("TreeHide"));
    TreeHide->setText(QStringLiteral("X"));
    TreeHide->setAutoRaise(true);
    TreeHide->setFixedSize(18, 18);
    connect(TreeHide, &QToolButton::clicked, this, &TfMainFrm::TreeHideClick);
    stripLayout->addWidget(TreeHide);
    layout->addWidget(strip);

    cxTree = new QTreeWidget(pTree);
    cxTree->setObjectName(QStringLiteral("cxTree"));
    cxTree->setHeaderHidden(true);
    cxTree->setColumnCount(1);
    cxTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cxTree->setExpandsOnDoubleClick(false);
    cxTree->setIconSize(QSize(16, 16));
    cxTree->setIndentation(14);
    cxTree->viewport()->installEventFilter(this);
    layout->addWidget(cxTree, 1);

    // One root with eight children; each child carries its command number.
    struct Node {
        const char* text;
        int command;
    };
    const Node children[] = {
        {"Radio Information", Command::RadioInformation},
        {"Freq. Information", Command::FreqChannel},
        {"Channel Information", Command::MemoryChannels},
        {"Fm Information", Command::FmFunctions},
        {"Vox Function", Command::VoxFunctions},
        {"Scan Information", Command::ScanFunctions},
        {"Optional Function", Command::OptionalFunctions},
        {"Key Function", Command::KeyFunctions},
    };
    QIcon nodeIcon;
    nodeIcon.addPixmap(Image.value(ImageIndex::TreeNode).pixmap(16, 16), QIcon::Normal);
    nodeIcon.addPixmap(Image.value(ImageIndex::TreeNodeSelected).pixmap(16, 16), QIcon::Selected);
    auto* root = new QTreeWidgetItem(cxTree);
    treeRoot = root;
    for (const Node& node : children) {
        auto* item = new QTreeWidgetItem(root);
        item->setText(0, QString::fromUtf8(node.text));
        item->setIcon(0, nodeIcon);
        item->setData(0, Qt::UserRole, node.command);
    }
}

void TfMainFrm::createStatusBar()
{
    MainBar = new QStatusBar(this);
    MainBar->setObjectName(QStringLiteral("MainBar"));
    MainBar->setSizeGripEnabled(true);
    for (int i = 0; i < int(std::size(PanelWidths)); ++i) {
        auto* panel = new QLabel(MainBar);
        panel->setObjectName(QStringLiteral("MainBarPanel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setFixedWidth(PanelWidths[i]);
        panel->setContentsMargins(3, 0, 3, 0);
        MainBar->addWidget(panel);
        panels << panel;
    }
    setStatusBar(MainBar);
}

QString TfMainFrm::panelText(int panel) const
{
    return panel >= 0 && panel < panels.size() ? panels[panel]->text() : QString();
}

bool TfMainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cxTree->viewport() && event->type() == QEvent::MouseButtonDblClick)
        cxTreeDblClick(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QMainWindow::eventFilter(watched, event);
}

bool TfMainFrm::event(QEvent* event)
{
    // Hints show as tool tips; a status tip would cover the status bar's seven panels.
    if (event->type() == QEvent::StatusTip) return true;
    // A sub-window that goes clears the caption's modified mark, as if it had set it; the
    // mark belongs to the document.
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != appState().modified)
        setWindowModified(appState().modified);
    return QMainWindow::event(event);
}

void TfMainFrm::nTreeViewClick()
{
    pTree->setVisible(!pTree->isVisible());
}
void TfMainFrm::TreeHideClick()
{
    pTree->hide();
}
void TfMainFrm::nToolbarClick(bool checked)
{
    tbar->setVisible(checked);
}
void TfMainFrm::nStatusBarClick(bool checked)
{
    MainBar->setVisible(checked);
}
