// What the main window's commands do: the dispatch table, keeping the editor windows in
// step with the document, the status bar and the tree texts.
#include "MainFrm.h"

#include "AboutBox.h"
#include "CommandNumbers.h"
#include "CompareWindow.h"
#include "EditorWindows.h"
#include "HelpFile.h"
#include "StatusTexts.h"
#include "core/DataModule.h"
#include "core/ModelChoice.h"
#include "editors/channels/ChannelGrid.h"
#include "files/LanguageSwitch.h"
#include "files/MessageBox.h"
#include "link/ReadRadioDialog.h"
#include "link/SetPortDialog.h"
#include "link/WriteRadioDialog.h"
#include "widgets/ModalSeam.h"
#include "widgets/Tag.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QTreeWidget>

void TfMainFrm::DispatchCommand(int command)
{
    EndGridEditing();
    switch (command) {
    case Command::New:
        files.New();
        break;
    case Command::Open:
        files.Open();
        break;
    case Command::Save:
        files.Save();
        break;
    case Command::SaveAs:
        files.SaveAs();
        break;
    case Command::Print:
        PrintCommand();
        break;
    case Command::PrintPreview:
        PrintPreviewCommand();
        break;
    case Command::ExportPdf:
        ExportPdfCommand();
        break;
    case Command::CompareWithFile:
        CompareWithFileCommand();
        break;
    case Command::CompareWithRadio:
        CompareWithRadioCommand();
        break;
    case Command::Exit:
        close();
        break;
    case Command::BatchEdit:
    case Command::FreqChannel:
    case Command::MemoryChannels:
    case Command::ChannelEdit:
    case Command::FmFunctions:
    case Command::VoxFunctions:
    case Command::OptionalFunctions:
    case Command::RadioInformation:
    case Command::KeyFunctions:
    case Command::ScanFunctions:
        ShowEditorForCommand(MdiArea, command);
        break;
    case Command::ReadFromRadio:
        ReadCommand();
        break;
    case Command::WriteToRadio:
        WriteCommand();
        break;
    case Command::ModelInformation:
        ModelCommand();
        break;
    case Command::CommunicationPort:
        PortCommand();
        break;
    case Command::LanguageSetup:
        LanguageSwitch();
        break;
    case Command::Undo:
        documentEdits().Undo();
        break;
    case Command::Redo:
        documentEdits().Redo();
        break;
    case Command::ListCut:
    case Command::ListCopy:
    case Command::ListPaste:
    case Command::ListDelete:
    case Command::ListInsert:
    case Command::ListRemove:
    case Command::ListMoveUp:
    case Command::ListMoveDown:
    case Command::ListSort:
        ChannelListCommand(command);
        break;
    case Command::HelpTopics:
        ShowHelp(appState(), lHelpMissing->text(), lHelpFailed->text());
        break;
    case Command::About:
        AboutCommand();
        break;
    case Command::ImportCsv:
        ImportCsvCommand();
        break;
    case Command::ExportCsv:
        ExportCsvCommand();
        break;
    default:
        break;
    }
}

void TfMainFrm::RefreshViews(int reason)
{
    if (refreshing) return;
    if (reason == RefreshReason::DocumentReplaced) {
        readFromRadio = false;
        destroyEditors();
        ShowEditorForCommand(MdiArea, Command::MemoryChannels);
    } else {
        RefreshChannelWindows(reason);
    }
    // The comparison follows this document.
    if (compare) compare->refresh();
}

void TfMainFrm::destroyEditors()
{
    // An editor may report a last change while it goes; the windows that would follow
    // it are going as well.
    refreshing = true;
    DestroyEditorWindows(MdiArea);
    refreshing = false;
}

void TfMainFrm::UpdateStatusBar()
{
    const TALL& all = appState();
    const QDateTime now = QDateTime::currentDateTime();
    panels[0]->clear();
    panels[1]->setText(StatusDateText(now.date(), SystemDateSeparator()));
    panels[2]->setText(StatusTimeText(now.time()));
    panels[3]->setText(lCom->text() + all.portName);
    panels[4]->setText(all.modelName);
    panels[5]->setText(all.bandText);
    QString caption = all.titleText;
    if (!files.currentFileName().isEmpty())
        caption += QStringLiteral(" [") + files.currentFileName() + QLatin1Char(']');
    setWindowTitle(caption + QStringLiteral("[*]"));
    setWindowModified(all.modified);
}

// The captions Undo and Redo show when there is no step, as the language gave them.
void TfMainFrm::rememberHistoryCaptions()
{
    for (QAction* history : {nUndo, nRedo})
        history->setProperty("emptyCaption", history->text());
}

void TfMainFrm::updateHistoryActions()
{
    const TDocumentEdits& edits = documentEdits();
    nUndo->setEnabled(edits.canUndo());
    nRedo->setEnabled(edits.canRedo());
    nUndo->setText(edits.canUndo() ? lUndo->text().arg(edits.undoText())
                                   : nUndo->property("emptyCaption").toString());
    nRedo->setText(edits.canRedo() ? lRedo->text().arg(edits.redoText())
                                   : nRedo->property("emptyCaption").toString());
    setWindowModified(appState().modified);
}

void TfMainFrm::TimerTimer()
{
    panels[2]->setText(StatusTimeText(QTime::currentTime()));
}

void TfMainFrm::SetTreeTexts()
{
    treeRoot->setText(0, appState().titleText);
    const char* const hints[] = {"nInfo", "nFreq", "nChInfo", "nFm",
                                 "nVox",  "nScan", "nOpt",    "nKey"};
    for (int i = 0; i < treeRoot->childCount() && i < int(std::size(hints)); ++i) {
        if (const auto* item = findChild<QAction*>(QLatin1String(hints[i])))
            treeRoot->child(i)->setText(0, item->toolTip());
    }
}

void TfMainFrm::cxTreeDblClick(const QPoint& position)
{
    // The first click of a double click has selected the node under the mouse.
    QTreeWidgetItem* node = cxTree->itemAt(position);
    if (!node || node != cxTree->currentItem() || !node->isSelected()) return;
    DispatchCommand(node->data(0, Qt::UserRole).toInt());
}

QString TfMainFrm::currentFileName() const
{
    return files.currentFileName();
}

void TfMainFrm::LanguageSwitch()
{
    // The switch leaves the modified flag as it was, so unsaved edits are still offered
    // for saving at exit.
    if (!RunLanguageSwitch(this)) return;
    rememberHistoryCaptions();
    updateHistoryActions();
    UpdateStatusBar();
    destroyEditors();
    SetTreeTexts();
    DispatchCommand(Command::MemoryChannels);
}

void TfMainFrm::ModelCommand()
{
    // The dialog puts the chosen model and bands into the application state. When no new
    // image follows (the user keeps the document, or a wanted save did not happen), they
    // go back, or the state would check frequencies against bands the image does not hold.
    TALL& all = appState();
    const TModelSelection before = CurrentModelSelection(all);
    if (!RunModelDialog(this)) return;
    const bool replace =
        !all.modified || ShowMessageBox(languageTexts().confirmation, languageTexts().clearData,
                                        MessageKind::Question) == IdYes;
    if (replace && files.New()) return;
    RestoreModelSelection(all, before);
}

void TfMainFrm::ReadCommand()
{
    // A completed read replaces the document, so unsaved changes are offered first.
    if (!files.AskToSaveChanges()) return;
    TfReadRadio dialog(this);
    Modal::exec(dialog);
    if (!dialog.success()) return;
    // What the radio held is in no file yet: it counts as modified until saved.
    documentEdits().Restart(true);
    files.setCurrentFileName(QString());
    UpdateStatusBar();
    RefreshViews(RefreshReason::DocumentReplaced);
    readFromRadio = true;
}

void TfMainFrm::WriteCommand()
{
    TfWriteRadio dialog(this);
    Modal::exec(dialog);
}

void TfMainFrm::PortCommand()
{
    TfSetPort dialog(this);
    Modal::exec(dialog);
    UpdateStatusBar();
}

void TfMainFrm::AboutCommand()
{
    TfFrmAbout about(this);
    Modal::exec(about);
}

// The list commands work on the memory channel grid; without one open they open it.
void TfMainFrm::ChannelListCommand(int command)
{
    if (!fChsInfo) {
        DispatchCommand(Command::MemoryChannels);
        return;
    }
    // The menu item names the grid's action it stands for.
    for (QAction* item : findChildren<QAction*>())
        if (Tag::of(item) == command)
            if (auto* action =
                    fChsInfo->findChild<QAction*>(item->property("gridAction").toString()))
                action->trigger();
}
