// Where each editor window is registered with the main window.
//
// To add a window: include its header, then add one line to editorTable() below,
//     {Command::OptionalFunctions, &Open<fOptFun>, &Current<fOptFun>},
// where fOptFun is the window's global single-instance pointer (set in its constructor,
// cleared in its destructor) and the class has a constructor (QWidget* parent = nullptr).
// A window that needs a call after opening gets a small lambda instead of Open<...>, as
// the channel edit window does with LoadChannel. Nothing else in the shell needs to change:
// the menu, the tool bar and the tree all reach the window through DispatchCommand.
#include "EditorWindows.h"

#include "CommandNumbers.h"
#include "ShowEditorWindow.h"
#include "core/DataModule.h"
#include "core/ImageLayout.h"
#include "editors/EditorHost.h"
#include "editors/channels/BatchEdit.h"
#include "editors/channels/ChannelEdit.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/channels/FrequencyChannels.h"
#include "editors/settings/FmRadio.h"
#include "editors/settings/KeyFunctions.h"
#include "editors/settings/ModelInformation.h"
#include "editors/settings/OptionalFunctions.h"
#include "editors/settings/RadioInformation.h"
#include "editors/settings/ScanFunctions.h"
#include "editors/settings/VoxFunctions.h"
#include "widgets/ModalSeam.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <vector>

namespace {

struct EditorEntry {
    int command;
    QWidget* (*open)(QMdiArea* area);
    QWidget* (*current)(); // the open window, or nullptr
};

template <auto& instance> QWidget* Open(QMdiArea* area)
{
    return ShowEditorWindow(area, instance);
}

template <auto& instance> QWidget* Current()
{
    return instance;
}

const std::vector<EditorEntry>& editorTable()
{
    static const std::vector<EditorEntry> table = {
        {Command::BatchEdit, &Open<fBatch>, &Current<fBatch>},
        {Command::FreqChannel, &Open<fFreqEdit>, &Current<fFreqEdit>},
        {Command::MemoryChannels, &Open<fChsInfo>, &Current<fChsInfo>},
        {Command::ChannelEdit,
         [](QMdiArea* area) -> QWidget* {
             TfChsEdit* window = ShowEditorWindow(area, fChsEdit);
             window->LoadChannel();
             return window;
         },
         &Current<fChsEdit>},
        {Command::FmFunctions, &Open<fFmFun>, &Current<fFmFun>},
        {Command::VoxFunctions, &Open<fVoxFun>, &Current<fVoxFun>},
        {Command::OptionalFunctions, &Open<fOptFun>, &Current<fOptFun>},
        {Command::RadioInformation, &Open<fInfoMsg>, &Current<fInfoMsg>},
        {Command::KeyFunctions, &Open<fKeyFun>, &Current<fKeyFun>},
        {Command::ScanFunctions, &Open<fScanFun>, &Current<fScanFun>},
    };
    return table;
}

} // namespace

bool ShowEditorForCommand(QMdiArea* area, int command)
{
    for (const EditorEntry& entry : editorTable()) {
        if (entry.command == command) {
            entry.open(area);
            return true;
        }
    }
    return false;
}

QList<int> EditorCommands()
{
    QList<int> commands;
    for (const EditorEntry& entry : editorTable())
        commands << entry.command;
    return commands;
}

void DestroyEditorWindows(QMdiArea* area)
{
    // Deleting the sub-window deletes the editor inside it, whose destructor clears
    // its global pointer, so the next ShowEditorWindow makes a fresh one.
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    for (QMdiSubWindow* sub : windows)
        delete sub;
}

void EndGridEditing()
{
    if (fChsInfo) fChsInfo->FormDeactivate();
}

// The reasons name what a channel window stored or where it moved; the door tells the
// windows that show it, as after any edit.
void RefreshChannelWindows(int reason)
{
    TALL& all = appState();
    DocumentChange change;
    change.records.resize(Image::SecondFrequencyChannel + 1);
    change.channel = all.currentChannel;
    switch (reason) {
    case RefreshReason::ChannelEditStored:
        change.records.setBit(all.currentChannel);
        change.source = fChsEdit;
        break;
    case RefreshReason::GridStored:
        change.records.setBit(all.currentChannel);
        change.source = fChsInfo;
        break;
    case RefreshReason::BatchFilled:
        for (int k = 1; k <= all.channelCount; ++k)
            change.records.setBit(k);
        break;
    default:
        return;
    }
    documentEdits().Announce(change);
}

bool RunModelDialog(QWidget* parent)
{
    TfModel dialog(parent);
    Modal::exec(dialog);
    return dialog.isAccepted();
}
