// The main window: start-up, the command table and its controls, keeping the editor
// windows in step, the model and language commands, closing.
#include "core/ChannelRecord.h"
#include "core/ImageLayout.h"
#include "core/NumberText.h"
#include "editors/channels/ChannelEdit.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/settings/ModelInformation.h"
#include "files/SetLanguageDialog.h"
#include "files/TranslateForm.h"
#include "shell/CommandNumbers.h"
#include "shell/EditorWindows.h"
#include "shell/MainFrm.h"
#include "shell/ProgramSetup.h"
#include "shell/StatusTexts.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/ScriptedModal.h"
#include "tools/radiosim/RadioSimulator.h"
#include "widgets/Tag.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/serial/ApdComPort.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The form each editor command opens.
const QMap<int, QString>& editorForms()
{
    static const QMap<int, QString> forms = {
        {Command::BatchEdit, "fBatch"},          {Command::FreqChannel, "fFreqEdit"},
        {Command::MemoryChannels, "fChsInfo"},   {Command::ChannelEdit, "fChsEdit"},
        {Command::FmFunctions, "fFmFun"},        {Command::VoxFunctions, "fVoxFun"},
        {Command::OptionalFunctions, "fOptFun"}, {Command::RadioInformation, "fInfoMsg"},
        {Command::KeyFunctions, "fKeyFun"},      {Command::ScanFunctions, "fScanFun"},
    };
    return forms;
}

QStringList subWindowNames(const TfMainFrm& window)
{
    QStringList names;
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
        names << (sub->widget() ? sub->widget()->objectName() : QString());
    names.sort();
    return names;
}

// The caption as the desktop shows it: "[*]" becomes "*" while the document is modified.
QString shownCaption(const QWidget& window)
{
    QString caption = window.windowTitle();
    return caption.replace(QStringLiteral("[*]"),
                           window.isWindowModified() ? QStringLiteral("*") : QString());
}

QString activeFormName(const TfMainFrm& window)
{
    QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
    return sub && sub->widget() ? sub->widget()->objectName() : QString();
}

// What the user was shown: message boxes, file dialogs, modal dialogs.
QStringList trace(const ScriptedModal& modal)
{
    QStringList t;
    for (const QString& text : modal.texts())
        t << QStringLiteral("box:") + text;
    for (const QString& kind : modal.fileDialogs)
        t << QStringLiteral("file:") + kind;
    for (const QString& name : modal.dialogNames)
        t << QStringLiteral("dialog:") + name;
    return t;
}

// Every file and modal dialog is cancelled unless a test queues something else first.
void cancelEverything(ScriptedModal& modal)
{
    modal.openPaths << QString();
    modal.savePaths << QString();
    modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
}

// The main window's texts a language file can replace, by key.
QMap<QString, QString> translatableTexts(const TfMainFrm& window)
{
    // The editor windows inside the MDI area have fragments of their own.
    const auto mine = [&](const QObject* object) {
        for (const QObject* o = object; o; o = o->parent())
            if (o == window.mdiArea()) return false;
        return true;
    };
    QMap<QString, QString> t;
    t.insert(QStringLiteral("fMainFrm.Caption"), QStringLiteral("QZ-17"));
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->objectName().isEmpty() || !mine(action)) continue;
        t.insert(action->objectName() + QStringLiteral(".Caption"), action->text());
        t.insert(action->objectName() + QStringLiteral(".Hint"), action->toolTip());
    }
    for (QMenu* menu : window.findChildren<QMenu*>())
        if (!menu->objectName().isEmpty() && mine(menu))
            t.insert(menu->objectName() + QStringLiteral(".Caption"), menu->title());
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        if (button->objectName().isEmpty() ||
            button->objectName().startsWith(QLatin1String("qt_")) || !mine(button))
            continue;
        t.insert(button->objectName() + QStringLiteral(".Caption"), button->text());
        if (button->objectName() != QLatin1String("TreeHide"))
            t.insert(button->objectName() + QStringLiteral(".Hint"), button->toolTip());
    }
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->objectName().startsWith(u'l') && mine(label))
            t.insert(label->objectName() + QStringLiteral(".Caption"), label->text());
    return t;
}

QByteArray imageBytes()
{
    const auto& image = appState().image;
    return QByteArray(reinterpret_cast<const char*>(image.data()), Image::Size);
}

QString missingHelpText()
{
    const TALL& all = appState();
    return QStringLiteral("box:The help file is missing: ") +
           QDir::toNativeSeparators(all.appFolder + all.helpPrefix + QLatin1Char('_') +
                                    all.languageName) +
           QStringLiteral(".chm (.html)");
}

} // namespace

class TestMainFrm : public QObject {
    Q_OBJECT

    static void PutTwoChannels()
    {
        for (auto [k, rx] : {std::pair{1, "145.5"}, std::pair{2, "146.0"}}) {
            QString text = QString::fromLatin1(rx);
            SetChannelField(appState(), k, Field::RxFreq, text);
        }
        fChsInfo->FillAllRows();
        documentEdits().Restart(false);
    }

  private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QGuiApplication::setQuitOnLastWindowClosed(false);
        StartProgramIn(dir.path());
    }

    void init()
    {
        window = OpenMainWindow();
        QVERIFY(window->startupDone());
    }

    void cleanup()
    {
        delete window;
        QCOMPARE(fMainFrm, nullptr);
        QCOMPARE(fChsInfo, nullptr);
        QCOMPARE(StandInA::instance, nullptr);
    }

    void startsWithNewImageOfFirstDocument()
    {
        const TALL& all = appState();
        // Block 0 of a new image is 0xFF (it was all zero before the first showing).
        for (int i = 0; i < Image::BlockSize; ++i)
            QCOMPARE(all.image[i], quint8(0xFF));
        const QByteArray block = imageBytes().mid(Image::ModelBlock, 8);
        QCOMPARE(block.toHex(' '), QByteArray("50 51 5a 31 37 aa 05 00"));
        QCOMPARE(imageBytes().mid(0x8D0, 16).toHex(' '),
                 QByteArray("c0 20 90 02 00 63 9f 02 00 ba db 00 40 c7 de 00"));
        QCOMPARE(imageBytes().mid(0x8E0, 16), QByteArray(16, '\0'));
        QVERIFY(!all.modified);
        QCOMPARE(all.modelName, QStringLiteral("QZ-17"));
        QCOMPARE(all.channelCount, 128);

        QCOMPARE(shownCaption(*window), QStringLiteral("QZ-17"));
        QVERIFY(window->currentFileName().isEmpty());
        QCOMPARE(window->panelText(0), QString());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}\\D\\d{2}\\D\\d{2}$"))
                    .match(window->panelText(1))
                    .hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$"))
                    .match(window->panelText(2))
                    .hasMatch());
        QCOMPARE(window->panelText(3), QStringLiteral("Port:\u00A0") + all.portName);
        QCOMPARE(all.portName, all.portName.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)
                                   ? all.portName.toUpper()
                                   : all.portName);
        QCOMPARE(window->panelText(4), QStringLiteral("QZ-17"));
        QCOMPARE(window->panelText(5),
                 QStringLiteral("430.00000 - 440.00000/144.00000 - 146.00000MHz"));
        QCOMPARE(window->panelText(6), QString());

        // The grid is open, the tree expanded with its root selected.
        QCOMPARE(subWindowNames(*window), QStringList{QStringLiteral("fChsInfo")});
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("cxTree"));
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("QZ-17"));
        QVERIFY(root->isExpanded());
        QCOMPARE(tree->currentItem(), root);
        QCOMPARE(root->data(0, Qt::UserRole).toInt(), 16);
        QStringList children;
        for (int i = 0; i < root->childCount(); ++i)
            children << root->child(i)->text(0);
        QCOMPARE(children, QStringList({"Radio Information", "Freq. Information",
                                        "Channel Information", "Fm Information", "Vox Function",
                                        "Scan Information", "Optional Function", "Key Function"}));
    }

    // The fragments of lang/: English gives back every built-in text, Chinese replaces
    // every one with a word in it, and neither has a key that names nothing.
    void languageFragments_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }

    void languageFragments()
    {
        QFETCH(QString, language);
        const QString path =
            QStringLiteral(QZ_SOURCE_DIR "/lang/") + language + QStringLiteral("/fMainFrm.ini");
        const QMap<QString, QString> builtIn = translatableTexts(*window);
        QMap<QString, QString> keys;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.first(), QStringLiteral("[fMainFrm]"));
        for (const QString& line : lines) {
            const int eq = line.indexOf(u'=');
            if (eq > 0 && !line.startsWith(u';')) keys.insert(line.left(eq), line.mid(eq + 1));
        }
        for (auto it = keys.begin(); it != keys.end(); ++it)
            QVERIFY2(builtIn.contains(it.key()),
                     qPrintable(QStringLiteral("unknown key ") + it.key()));
        for (auto it = builtIn.begin(); it != builtIn.end(); ++it)
            QVERIFY2(keys.contains(it.key()),
                     qPrintable(language + QStringLiteral(" lacks ") + it.key()));

        TranslateFormFromFile(window, path, true);
        const QMap<QString, QString> after = translatableTexts(*window);
        for (auto it = builtIn.begin(); it != builtIn.end(); ++it) {
            if (language == QLatin1String("English")) {
                QCOMPARE(after.value(it.key()), it.value());
            } else {
                const bool word =
                    QRegularExpression(QStringLiteral("[A-Za-z]{3}")).match(it.value()).hasMatch();
                if (word) QVERIFY2(after.value(it.key()) != it.value(), qPrintable(it.key()));
            }
        }
    }

    void statusDateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("slash") << QDate(2009, 7, 5) << "/"
                               << "2009/07/05";
        QTest::newRow("point") << QDate(2024, 12, 31) << "."
                               << "2024.12.31";
        QTest::newRow("short year") << QDate(987, 1, 2) << "-"
                                    << "0987-01-02";
    }

    void statusDateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(StatusDateText(date, separator.at(0)), text);
    }

    void menuAndToolBarLayout_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("layout");
        QTest::newRow("File") << "nFile"
                              << "nNew nOpen nSave nSaveAs | nPrint nPrintPreview | nExit | "
                                 "nImportCsv nExportCsv nExportPdf nCompareFile nRecent";
        QTest::newRow("Edit")
            << "nEdit"
            << "nInfo nFreq | nChInfo nChEdit nBatch | nFm nVox nScan nOpt nKey | nUndo nRedo | "
               "nListCut nListCopy nListPaste nListDelete nListInsert nListRemove "
               "nListMoveUp nListMoveDown nListSort";
        QTest::newRow("Program") << "nProgram"
                                 << "nRead nWrite | nCompareRadio";
        QTest::newRow("Setup") << "nSetup"
                               << "nModel | nCom nLanguage";
        QTest::newRow("View") << "nView"
                              << "nTreeView | nToolbar nStatusBar";
        QTest::newRow("Help") << "nHelp"
                              << "nHelpTopics | nAbout";
        QTest::newRow("tool bar") << "tbar"
                                  << "tbNew tbOpen tbSave | ToolButton3 | tbPrint | tbCom | "
                                     "tbRead | tbWrite | tbHelp | tbUndo tbRedo";
    }

    void menuAndToolBarLayout()
    {
        QFETCH(QString, container);
        QFETCH(QString, layout);
        QList<QAction*> actions;
        QToolBar* bar = window->findChild<QToolBar*>(container);
        if (bar)
            actions = bar->actions();
        else
            actions = window->findChild<QMenu*>(container)->actions();
        QStringList names;
        for (QAction* action : actions) {
            if (action->isSeparator()) {
                names << QStringLiteral("|");
            } else if (bar) {
                names << bar->widgetForAction(action)->objectName();
            } else {
                names << action->objectName();
            }
        }
        QCOMPARE(names.join(u' '), layout);
        QCOMPARE(window->menuBar()->actions().size(), 6);
    }

    // Each menu item and tool button carries its command number (and shortcut), and
    // using it does what the dispatch of that number does.
    void controlsCarryTheirCommands_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("shortcut");
        const struct {
            const char* name;
            int command;
            const char* shortcut;
        } rows[] = {
            {"nNew", 1, "Ctrl+N"},    {"nOpen", 2, "Ctrl+O"},  {"nSave", 3, "Ctrl+S"},
            {"nSaveAs", 4, "Ctrl+A"}, {"nPrint", 5, "Ctrl+P"}, {"nPrintPreview", 6, "Ctrl+T"},
            {"nInfo", 16, ""},        {"nFreq", 10, ""},       {"nChInfo", 11, ""},
            {"nChEdit", 12, ""},      {"nBatch", 9, ""},       {"nFm", 13, ""},
            {"nVox", 14, ""},         {"nScan", 19, ""},       {"nOpt", 15, ""},
            {"nKey", 17, ""},         {"nRead", 20, "Ctrl+R"}, {"nWrite", 21, "Ctrl+W"},
            {"nModel", 30, ""},       {"nCom", 31, ""},        {"nLanguage", 32, ""},
            {"nHelpTopics", 60, ""},  {"nAbout", 61, ""},      {"tbNew", 1, ""},
            {"tbOpen", 2, ""},        {"tbSave", 3, ""},       {"ToolButton3", 12, ""},
            {"tbPrint", 5, ""},       {"tbCom", 31, ""},       {"tbRead", 20, ""},
            {"tbWrite", 21, ""},      {"tbHelp", 60, ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.name << row.command << row.shortcut;
    }

    void controlsCarryTheirCommands()
    {
        QFETCH(QString, name);
        QFETCH(int, command);
        QFETCH(QString, shortcut);
        QObject* control = window->findChild<QAction*>(name);
        if (!control) control = window->findChild<QToolButton*>(name);
        QVERIFY(control);
        QCOMPARE(Tag::of(control), command);
        if (auto* action = qobject_cast<QAction*>(control))
            QCOMPARE(action->shortcut().toString(), shortcut);

        const auto run = [&](const std::function<void()>& use) {
            window->RefreshViews(RefreshReason::DocumentReplaced);
            appState().modified = true;
            ScriptedModal modal;
            modal.answers << QMessageBox::No;
            cancelEverything(modal);
            use();
            return trace(modal) + subWindowNames(*window);
        };
        const QStringList viaDispatch = run([&] { window->DispatchCommand(command); });
        const QStringList viaControl = run([&] {
            if (auto* action = qobject_cast<QAction*>(control))
                action->trigger();
            else
                static_cast<QToolButton*>(control)->click();
        });
        QCOMPARE(viaControl, viaDispatch);
    }

    void dispatchTable_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QStringList>("shown");
        const QString save = QStringLiteral("box:Do you wish to save the changes?");
        QTest::newRow("1 New asks first") << 1 << true << QStringList{save};
        QTest::newRow("2 Open") << 2 << false << QStringList{"file:open"};
        QTest::newRow("3 Save") << 3 << false << QStringList{"file:save"};
        QTest::newRow("4 Save As") << 4 << false << QStringList{"file:save"};
        QTest::newRow("5 Print") << 5 << true << QStringList{"dialog:PrintDialog"};
        QTest::newRow("6 Print Preview") << 6 << true << QStringList{"dialog:PrintPreview"};
        QTest::newRow("7 Exit") << 7 << false << QStringList{"box:Do you wish to exit program?"};
        QTest::newRow("20 Read") << 20 << false << QStringList{"dialog:fReadRadio"};
        QTest::newRow("21 Write") << 21 << false << QStringList{"dialog:fWriteRadio"};
        QTest::newRow("30 Model") << 30 << false << QStringList{"dialog:fModel"};
        QTest::newRow("31 Port") << 31 << false << QStringList{"dialog:fSetPort"};
        QTest::newRow("32 Language") << 32 << false << QStringList{"dialog:fSetLanguage"};
        QTest::newRow("60 Help") << 60 << false << QStringList{missingHelpText()};
        QTest::newRow("61 About") << 61 << false << QStringList{"dialog:fFrmAbout"};
        for (int unknown : {-1, 0, 8, 18, 22, 29, 33, 59, 62, 1000})
            QTest::addRow("%d unknown", unknown) << unknown << true << QStringList{};
    }

    void dispatchTable()
    {
        QFETCH(int, command);
        QFETCH(bool, modified);
        QFETCH(QStringList, shown);
        appState().modified = modified;
        const QByteArray before = imageBytes();
        const QStringList windowsBefore = subWindowNames(*window);

        ScriptedModal modal;
        modal.answers << QMessageBox::No;
        cancelEverything(modal);
        window->DispatchCommand(command);

        QCOMPARE(trace(modal), shown);
        QVERIFY(window->isVisible());
        QCOMPARE(subWindowNames(*window), windowsBefore);
        if (command == Command::New) {
            QVERIFY(!appState().modified);
        } else {
            QCOMPARE(appState().modified, modified);
            QCOMPARE(imageBytes(), before);
        }
    }

    void editorCommandsOpenTheirWindows_data()
    {
        QTest::addColumn<int>("command");
        for (auto it = editorForms().begin(); it != editorForms().end(); ++it)
            QTest::addRow("%d %s", it.key(), qPrintable(it.value())) << it.key();
    }

    void editorCommandsOpenTheirWindows()
    {
        QFETCH(int, command);
        QVERIFY(EditorCommands().contains(command));
        ScriptedModal modal;
        if (command != Command::MemoryChannels) {
            window->DispatchCommand(command);
            QCOMPARE(subWindowNames(*window).size(), 2);
        }
        window->DispatchCommand(command); // raised, not opened twice
        QCOMPARE(activeFormName(*window), editorForms().value(command));
        QCOMPARE(subWindowNames(*window).size(), command == Command::MemoryChannels ? 1 : 2);
        QVERIFY(modal.unexpected.isEmpty());
    }

    // Without a program for HTML files the help says so and where the file is.
    void helpWithoutAViewerNamesTheFile()
    {
        const QString help = appState().appFolder + appState().helpPrefix + QLatin1Char('_') +
                             appState().languageName + QStringLiteral(".html");
        WriteTextFile(help, "<html></html>");
        ScriptedModal modal;
        window->DispatchCommand(Command::HelpTopics);
        QFile::remove(help);
        QCOMPARE(
            modal.texts(),
            QStringList{QStringLiteral("No program is set up to show the help. The help file is ") +
                        QDir::toNativeSeparators(help)});
    }

    void treeDoubleClickRunsNodeCommand_data()
    {
        QTest::addColumn<int>("child"); // -1: the root
        QTest::addColumn<int>("command");
        const int commands[] = {16, 10, 11, 13, 14, 19, 15, 17};
        for (int i = 0; i < 8; ++i)
            QTest::addRow("child %d", i + 1) << i << commands[i];
        QTest::newRow("root") << -1 << 16;
    }

    void treeDoubleClickRunsNodeCommand()
    {
        QFETCH(int, child);
        QFETCH(int, command);
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("cxTree"));
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QTreeWidgetItem* node = child < 0 ? root : root->child(child);
        QCOMPARE(node->data(0, Qt::UserRole).toInt(), command);
        QVERIFY(EditorCommands().contains(command));

        // The node need not be selected before: the first click of the double click does it.
        if (child >= 0) QVERIFY(tree->currentItem() != node);
        ScriptedModal modal;
        // A double click as the system delivers it: press and release, then the double
        // click event.
        const QPoint at = tree->visualItemRect(node).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(tree->currentItem(), node);
        QCOMPARE(activeFormName(*window), editorForms().value(command));
    }

    void treeDoubleClickElsewhereDoesNothing()
    {
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("cxTree"));
        const QStringList before = subWindowNames(*window);
        ScriptedModal modal;
        const QPoint empty(5, tree->viewport()->height() - 5);
        QVERIFY(!tree->itemAt(empty));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, empty);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, empty);
        window->cxTreeDblClick(empty);
        QCOMPARE(subWindowNames(*window), before);
        QVERIFY(trace(modal).isEmpty());
    }

    void documentReplacedReopensOnlyTheGrid()
    {
        ShowEditorWindow(window->mdiArea(), StandInA::instance);
        QPointer<TfChsInfo> oldGrid = fChsInfo;
        QVERIFY(oldGrid);
        QCOMPARE(subWindowNames(*window).size(), 2);

        window->RefreshViews(RefreshReason::DocumentReplaced);
        QCOMPARE(StandInA::instance, nullptr);
        QVERIFY(oldGrid.isNull());
        QVERIFY(fChsInfo);
        QCOMPARE(subWindowNames(*window), QStringList{QStringLiteral("fChsInfo")});
    }

    // The Edit menu's list commands run the grid's; a key pressed in the grid inside the
    // main window runs its command once (the menu only shows the key).
    void editMenuRunsTheGridsListCommands()
    {
        PutTwoChannels();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        CellGrid* grid = fChsInfo->gvData;
        grid->setFocus();
        grid->setCurrentCell(2, 2);
        window->findChild<QAction*>(QStringLiteral("nListMoveDown"))->trigger();
        QCOMPARE(grid->cellText(2, 3), QStringLiteral("145.50000"));
        QCOMPARE(grid->cellText(2, 2), QStringLiteral("146.00000"));
        QCOMPARE(documentEdits().count(), 1);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(grid->cellText(2, 2), QStringLiteral("145.50000"));
        QCOMPARE(documentEdits().count(), 2);
    }

    void channelEditStoredRefillsTheGridRow()
    {
        TALL& all = appState();
        all.currentChannel = 5;
        QString text = QStringLiteral("145.5");
        SetChannelField(all, 5, Field::RxFreq, text);
        QString other = QStringLiteral("146.0");
        SetChannelField(all, 6, Field::RxFreq, other);
        QCOMPARE(fChsInfo->gvData->cellText(2, 6), QString());

        window->RefreshViews(RefreshReason::ChannelEditStored);
        QCOMPARE(fChsInfo->gvData->cellText(2, 6), QStringLiteral("145.50000"));
        QCOMPARE(fChsInfo->gvData->cellText(2, 7), QString()); // only the current row
    }

    void gridStoredReloadsChannelEdit()
    {
        TALL& all = appState();
        all.currentChannel = 7;
        window->DispatchCommand(Command::ChannelEdit);
        QVERIFY(fChsEdit);
        QCOMPARE(fChsEdit->eRx->text(), QString());

        QString text = QStringLiteral("439.125");
        SetChannelField(all, 7, Field::RxFreq, text);
        window->RefreshViews(RefreshReason::GridStored);
        QCOMPARE(fChsEdit->eRx->text(), QStringLiteral("439.12500"));
    }

    void channelEditCommandReloadsAnOpenWindow()
    {
        TALL& all = appState();
        all.currentChannel = 2;
        window->DispatchCommand(Command::ChannelEdit);
        TfChsEdit* edit = fChsEdit;
        QString text = QStringLiteral("144.5");
        SetChannelField(all, 2, Field::RxFreq, text);

        ShowEditorWindow(window->mdiArea(), StandInA::instance); // on top of it
        window->DispatchCommand(Command::ChannelEdit);
        QCOMPARE(fChsEdit, edit);
        QCOMPARE(activeFormName(*window), QStringLiteral("fChsEdit"));
        QCOMPARE(edit->eRx->text(), QStringLiteral("144.50000"));
    }

    // A refresh shows what is stored; only an edit through the document's door marks
    // the document modified.
    void batchFilledRefillsAllRows()
    {
        TALL& all = appState();
        for (int k : {1, 128}) {
            QString text = QStringLiteral("435.0");
            SetChannelField(all, k, Field::RxFreq, text);
        }
        all.modified = false;
        window->RefreshViews(RefreshReason::BatchFilled);
        QVERIFY(!all.modified);
        QCOMPARE(fChsInfo->gvData->cellText(2, 2), QStringLiteral("435.00000"));
        QCOMPARE(fChsInfo->gvData->cellText(2, 129), QStringLiteral("435.00000"));

        // Without the grid there is nothing to refill.
        window->mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(fChsInfo, nullptr);
        window->RefreshViews(RefreshReason::BatchFilled);
        QVERIFY(!all.modified);
    }

    void captionNamesTheSavedFile()
    {
        const QString path = dir.filePath(QStringLiteral("caption.dat"));
        QFile::remove(path);
        ScriptedModal modal;
        modal.savePaths << path;
        window->DispatchCommand(Command::SaveAs);
        QCOMPARE(QFileInfo(path).size(), qint64(2320));
        QCOMPARE(shownCaption(*window), QStringLiteral("QZ-17 [") + path + QLatin1Char(']'));

        window->DispatchCommand(Command::New);
        QCOMPARE(shownCaption(*window), QStringLiteral("QZ-17"));
        QVERIFY(modal.unexpected.isEmpty());
    }

    // Desktops add the application's display name to every caption; the program sets
    // none, so "QZ-17 [file]" shows as it is and not as "QZ-17 [file] - QZ-17".
    void captionShowsTheTitleOnce()
    {
        PrepareApplication();
        const QString name = QCoreApplication::applicationName();
        QCOMPARE(name, QStringLiteral("QZ-17"));
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        const QString display = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(name);
        QCOMPARE(display, QStringLiteral("probe"));
    }

    void cancelledReadKeepsDocumentAndFileName()
    {
        const QString path = dir.filePath(QStringLiteral("kept.dat"));
        QFile::remove(path);
        ScriptedModal modal;
        modal.savePaths << path;
        window->DispatchCommand(Command::SaveAs);
        appState().modified = true;
        const QByteArray before = imageBytes();
        QPointer<TfChsInfo> grid = fChsInfo;

        modal.answers << QMessageBox::No; // "save the changes?"
        cancelEverything(modal);
        window->DispatchCommand(Command::ReadFromRadio);
        QCOMPARE(window->currentFileName(), path);
        QCOMPARE(imageBytes(), before);
        QVERIFY(appState().modified);
        QCOMPARE(fChsInfo, grid.data()); // the editor windows were left alone
    }

    // A read would replace unsaved changes: the save question comes first, and its
    // Cancel (Escape) stops the read before the dialog opens.
    void readAsksToSaveChangesFirst_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("shown");
        const QString save = QStringLiteral("box:Do you wish to save the changes?");
        QTest::newRow("Escape") << ScriptedModal::PressEscape << QStringList{save};
        QTest::newRow("Cancel") << QMessageBox::Cancel << QStringList{save};
        QTest::newRow("No") << QMessageBox::No
                            << QStringList{save, QStringLiteral("dialog:fReadRadio")};
        QTest::newRow("Yes") << QMessageBox::Yes
                             << QStringList{save, QStringLiteral("file:save"),
                                            QStringLiteral("dialog:fReadRadio")};
    }
    void readAsksToSaveChangesFirst()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        ScriptedModal modal;
        appState().image[16] = 0x42;
        appState().modified = true;
        const QByteArray before = imageBytes();
        const QString path = dir.filePath(QStringLiteral("saved-before-read.dat"));
        QFile::remove(path);
        modal.answers << answer;
        modal.savePaths << path;
        modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
        window->DispatchCommand(Command::ReadFromRadio);
        QTEST(trace(modal), "shown");
        QCOMPARE(imageBytes(), before);
        QCOMPARE(QFileInfo::exists(path), answer == QMessageBox::Yes);
        QCOMPARE(appState().modified, answer != QMessageBox::Yes);
    }

    // A complete read from a (simulated) radio replaces the document: no file name, the
    // radio's image marked modified, the editor windows replaced by a fresh grid.
    void readFromRadioReplacesTheDocument()
    {
        RadioSimulator radio;
        radio.setMemory(RadioSimulator::RealisticMemory());
        QString error;
        if (!radio.start(&error)) QSKIP(qPrintable(QStringLiteral("no pseudo-terminal: ") + error));
        appState().portName = radio.devicePath();

        ScriptedModal modal;
        const QString path = dir.filePath(QStringLiteral("before-read.dat"));
        QFile::remove(path);
        modal.savePaths << path;
        window->DispatchCommand(Command::SaveAs);
        QCOMPARE(window->currentFileName(), path);
        ShowEditorWindow(window->mdiArea(), StandInA::instance);
        QPointer<TfChsInfo> oldGrid = fChsInfo;

        // The user presses Ok once the dialog has opened the port, and waits.
        modal.dialogs << [](QDialog& dialog) {
            dialog.show();
            auto* port = dialog.findChild<TApdComPort*>(QStringLiteral("myPort"));
            if (!waitUntil([&] { return port->isOpen(); }, 3000)) return int(QDialog::Rejected);
            dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
            waitUntil([&] { return !dialog.isVisible(); }, 30000);
            return dialog.result();
        };
        window->DispatchCommand(Command::ReadFromRadio);

        QCOMPARE(modal.texts(), QStringList{QStringLiteral("Reading Completed.")});
        QCOMPARE(imageBytes(), radio.memory().left(Image::Size));
        QVERIFY(appState().modified);
        QVERIFY(window->currentFileName().isEmpty());
        QCOMPARE(shownCaption(*window), QStringLiteral("QZ-17*")); // unsaved: the mark shows
        QCOMPARE(window->panelText(3), QStringLiteral("Port:\u00A0") + radio.devicePath());
        QCOMPARE(window->panelText(5), appState().bandText);
        QCOMPARE(StandInA::instance, nullptr);
        QVERIFY(oldGrid.isNull());
        QCOMPARE(subWindowNames(*window), QStringList{QStringLiteral("fChsInfo")});
        TALL copy = appState();
        TChannel first;
        QVERIFY(DecodeChannel(copy, 1, first));
        QCOMPARE(fChsInfo->gvData->cellText(2, 2), FormatMHz(first.rxFreq));
        QVERIFY(modal.unexpected.isEmpty());
    }

    // The model dialog hands its model and bands to the state; keeping the old document
    // must take them back.
    void modelCommand_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("newImage");
        QTest::newRow("unmodified: new image at once") << false << 0 << true;
        QTest::newRow("modified, clear data") << true << int(QMessageBox::Yes) << true;
        QTest::newRow("modified, keep data") << true << int(QMessageBox::No) << false;
    }

    void modelCommand()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, newImage);
        TALL& all = appState();
        QString text = QStringLiteral("145.5");
        SetChannelField(all, 3, Field::RxFreq, text);
        all.modified = modified;
        const TALL before = all;

        ScriptedModal modal;
        modal.dialogs << [](QDialog& dialog) {
            auto& model = static_cast<TfModel&>(dialog);
            model.show();
            model.btnOkClick();
            // As a model with user bands would confirm: only band 0, narrowed.
            appState().bandMask = 0x01;
            appState().bandLimits[0] = {435.0, 438.0};
            appState().bandLimits[1] = {0.0, 0.0};
            return int(QDialog::Accepted);
        };
        if (answer) {
            modal.answers << QMessageBox::StandardButton(answer);
            modal.answers << QMessageBox::No; // New's own question: drop the changes
        }
        window->DispatchCommand(Command::ModelInformation);

        QStringList expected{QStringLiteral("dialog:fModel")};
        if (modified) expected.prepend(QStringLiteral("box:Do you wish to Clear Data?"));
        if (modified && newImage)
            expected.insert(1, QStringLiteral("box:Do you wish to save the changes?"));
        QCOMPARE(trace(modal), expected);
        if (newImage) {
            QVERIFY(!IsChannelInUse(all, 3));
            QCOMPARE(all.image[Image::ModelBlock + 6], quint8(0x01));
            QCOMPARE(all.bandText, QStringLiteral("435.00000 - 438.00000MHz"));
            QVERIFY(!all.modified);
        } else {
            QVERIFY(IsChannelInUse(all, 3));
            QCOMPARE(all.bandMask, before.bandMask);
            QCOMPARE(all.bandLimits[0].low, before.bandLimits[0].low);
            QCOMPARE(all.bandLimits[1].high, before.bandLimits[1].high);
            QCOMPARE(all.bandSourceMarker, before.bandSourceMarker);
            QCOMPARE(all.modelId, before.modelId);
            QVERIFY(all.modified);
        }
    }

    void languageSwitchKeepsModifiedFlag()
    {
        WriteTextFile(dir.filePath(QStringLiteral("SysInfo.Ini")),
                      "[SysInfo]\nLanguage=English|Deutsch\nEnglish=English|German\n");
        WriteTextFile(dir.filePath(QStringLiteral("Deutsch.Ini")),
                      "[Language]\nSaveProgram=Speichern?\n"
                      "[fMainFrm]\nnNew.Caption=&Neu\nnInfo.Hint=Funkinfo\n"
                      "lCom.Caption=Schnittstelle:\ntbOpen.Hint=Oeffnen\n");
        TALL& all = appState();
        all.languageIndex = 0;
        all.languageName = QStringLiteral("English");
        ShowEditorWindow(window->mdiArea(), StandInA::instance);
        all.modified = true;
        const QByteArray before = imageBytes();

        ScriptedModal modal;
        modal.dialogs << [](QDialog& dialog) {
            auto& languages = static_cast<TfSetLanguage&>(dialog);
            languages.FormShow();
            languages.cbLanguage->setCurrentIndex(1);
            languages.btnOkClick();
            return int(QDialog::Accepted);
        };
        window->DispatchCommand(Command::LanguageSetup);

        QCOMPARE(all.languageName, QStringLiteral("Deutsch"));
        QCOMPARE(languageTexts().saveProgram, QStringLiteral("Speichern?"));
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("nNew"))->text(),
                 QStringLiteral("&Neu"));
        QCOMPARE(window->findChild<QToolButton*>(QStringLiteral("tbOpen"))->toolTip(),
                 QStringLiteral("Oeffnen"));
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("cxTree"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Funkinfo"));
        QVERIFY(window->panelText(3).startsWith(QLatin1String("Schnittstelle:")));
        QCOMPARE(StandInA::instance, nullptr);
        QCOMPARE(subWindowNames(*window), QStringList{QStringLiteral("fChsInfo")});
        QCOMPARE(imageBytes(), before);
        QVERIFY(all.modified);

        // Unsaved edits are still offered for saving at exit.
        modal.answers << QMessageBox::Yes << QMessageBox::No;
        QVERIFY(window->close());
        QCOMPARE(modal.texts().last(), QStringLiteral("Speichern?"));
        QFile::remove(dir.filePath(QStringLiteral("SysInfo.Ini")));
        all.languageIndex = 0;
        all.languageName = QStringLiteral("Chinese");
        LoadLanguage(all, languageTexts());
    }

    void viewToggles()
    {
        auto* tbar = window->findChild<QToolBar*>(QStringLiteral("tbar"));
        auto* pTree = window->findChild<QWidget*>(QStringLiteral("pTree"));
        auto* nToolbar = window->findChild<QAction*>(QStringLiteral("nToolbar"));
        auto* nStatusBar = window->findChild<QAction*>(QStringLiteral("nStatusBar"));
        auto* nTreeView = window->findChild<QAction*>(QStringLiteral("nTreeView"));
        QVERIFY(nToolbar->isChecked() && nStatusBar->isChecked());
        QVERIFY(!nTreeView->isCheckable());

        nToolbar->trigger();
        QVERIFY(!nToolbar->isChecked());
        QVERIFY(!tbar->isVisible());
        nToolbar->trigger();
        QVERIFY(tbar->isVisible());
        nStatusBar->trigger();
        QVERIFY(!window->statusBar()->isVisible());
        nStatusBar->trigger();
        QVERIFY(window->statusBar()->isVisible());

        window->findChild<QToolButton*>(QStringLiteral("TreeHide"))->click();
        QVERIFY(!pTree->isVisible());
        nTreeView->trigger();
        QVERIFY(pTree->isVisible());
        nTreeView->trigger();
        QVERIFY(!pTree->isVisible());
        QVERIFY(!nTreeView->isChecked());
    }

    void hintsLeaveTheStatusPanels()
    {
        // A hovered menu item or tool button sends its hint as a status tip.
        QStatusTipEvent tip(QStringLiteral("Open"));
        QCoreApplication::sendEvent(window->findChild<QToolButton*>(QStringLiteral("tbOpen")),
                                    &tip);
        QCOMPARE(window->statusBar()->currentMessage(), QString());
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("MainBarPanel3"))->isVisible());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("savePath"); // "-": no save dialog; "": cancelled
        QTest::addColumn<bool>("closes");
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("no to exit") << true << QList<int>{no} << "-" << false;
        QTest::newRow("unmodified, yes") << false << QList<int>{yes} << "-" << true;
        QTest::newRow("yes, then no save") << true << QList<int>{yes, no} << "-" << true;
        QTest::newRow("yes, save cancelled") << true << QList<int>{yes, yes} << "" << false;
        QTest::newRow("yes, saved") << true << QList<int>{yes, yes} << "closing.dat" << true;
    }

    void closing()
    {
        QFETCH(bool, modified);
        QFETCH(QList<int>, answers);
        QFETCH(QString, savePath);
        QFETCH(bool, closes);
        const QString settings = dir.filePath(QStringLiteral("SysInfo.Ini"));
        QFile::remove(settings);
        const QString dataFile = savePath.isEmpty() || savePath == QLatin1String("-")
                                     ? QString()
                                     : dir.filePath(savePath);
        if (!dataFile.isEmpty()) QFile::remove(dataFile);
        appState().modified = modified;
        const QByteArray before = imageBytes();

        ScriptedModal modal;
        for (int answer : answers)
            modal.answers << QMessageBox::StandardButton(answer);
        if (savePath != QLatin1String("-")) modal.savePaths << dataFile;
        QCOMPARE(window->close(), closes);

        QCOMPARE(window->isVisible(), !closes);
        QVERIFY(modal.unexpected.isEmpty());
        QCOMPARE(modal.texts().first(), QStringLiteral("Do you wish to exit program?"));
        QCOMPARE(QFileInfo::exists(settings), closes);
        if (closes) {
            QFile file(settings);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains("Com="));
        } else {
            // Still open with the document as it was.
            QCOMPARE(imageBytes(), before);
            QCOMPARE(appState().modified, modified);
        }
        if (!dataFile.isEmpty()) QCOMPARE(QFileInfo(dataFile).size(), qint64(2320));
    }

  private:
    QTemporaryDir dir;
    TfMainFrm* window = nullptr;
};

QTEST_MAIN(TestMainFrm)
#include "tst_mainfrm.moc"
