#include "FileCommands.h"

#include "DataFile.h"
#include "FileErrors.h"
#include "MessageBox.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "widgets/ModalSeam.h"

#include <QFileInfo>

namespace {
constexpr int DocumentReplaced = 1;
}

FileCommands::FileCommands(Hooks hooks, QWidget* dialogParent)
    : hooks(std::move(hooks)), parent(dialogParent)
{
}

QString FileCommands::filter()
{
    return QStringLiteral("Data File(*.dat)");
}

void FileCommands::updateStatusBar() const
{
    if (hooks.updateStatusBar) hooks.updateStatusBar();
}

void FileCommands::refreshViews(int reason) const
{
    if (hooks.refreshViews) hooks.refreshViews(reason);
}

bool FileCommands::ask(const QString& question) const
{
    return ShowMessageBox(languageTexts().confirmation, question, MessageKind::Question) == IdYes;
}

QString FileCommands::startFolder() const
{
    if (!fileName.isEmpty()) return QFileInfo(fileName).absolutePath();
    return lastFolder;
}

bool FileCommands::AskToSaveChanges()
{
    if (!appState().modified) return true;
    switch (ShowMessageBox(languageTexts().confirmation, languageTexts().saveProgram,
                           MessageKind::QuestionWithCancel)) {
    case IdYes:
        return Save();
    case IdNo:
        return true; // the changes are dropped
    default:
        return false; // Cancel, Escape or the close button: the command stops
    }
}

bool FileCommands::New()
{
    if (!AskToSaveChanges()) return false;
    fileName.clear();
    TALL& all = appState();
    StartNewImage(all, modelList());
    documentEdits().Restart(false);
    updateStatusBar();
    refreshViews(DocumentReplaced);
    return true;
}

bool FileCommands::Open()
{
    if (!AskToSaveChanges()) return false;
    QString path = Modal::getOpenFileName(parent, QString(), startFolder(), filter());
    if (path.isEmpty()) return false;
    // The default extension, as the dialog of the desktop platform adds it.
    if (!QFileInfo::exists(path) && QFileInfo(path).suffix().isEmpty() &&
        QFileInfo::exists(path + QStringLiteral(".dat")))
        path += QStringLiteral(".dat");
    return openPath(path);
}

bool FileCommands::OpenFile(const QString& path)
{
    if (!AskToSaveChanges()) return false;
    return openPath(path);
}

bool FileCommands::openPath(const QString& path)
{
    fileName = path;
    lastFolder = QFileInfo(path).absolutePath();
    const bool opened = ReadDataFile();
    updateStatusBar();
    if (opened && fileUsed) fileUsed(path);
    return opened;
}

bool FileCommands::Save()
{
    bool written = false;
    if (!fileName.isEmpty()) {
        written = WriteDataFile();
    } else {
        QString path = Modal::getSaveFileName(parent, QString(), startFolder(), filter());
        if (!path.isEmpty()) {
            if (QFileInfo(path).suffix().isEmpty())
                path += path.endsWith(u'.') ? QStringLiteral("dat") : QStringLiteral(".dat");
            fileName = path;
            lastFolder = QFileInfo(path).absolutePath();
            if (!QFileInfo::exists(path) || ask(languageTexts().fileExists))
                written = WriteDataFile();
            else
                fileName.clear();
        }
    }
    updateStatusBar();
    return written;
}

bool FileCommands::SaveAs()
{
    fileName.clear();
    return Save();
}

bool FileCommands::CloseQuery()
{
    if (!ask(languageTexts().exitProgram)) return false;
    return AskToSaveChanges();
}

bool FileCommands::WriteDataFile()
{
    if (fileName.isEmpty()) return false;
    QString reason;
    if (::WriteDataFile(appState(), fileName, &reason)) {
        documentEdits().MarkSaved();
        if (fileUsed) fileUsed(fileName);
        return true;
    }
    ShowWriteFailedBox(fileName, reason);
    return false;
}

bool FileCommands::ReadDataFile()
{
    TALL& all = appState();
    const DataFileResult result = ::ReadDataFile(all, modelList(), fileName);
    switch (result.status) {
    case DataFileResult::Ok:
        documentEdits().Restart(false);
        updateStatusBar();
        refreshViews(DocumentReplaced);
        return true;
    default:
        break;
    }
    const QString path = fileName;
    fileName.clear();
    ShowDataFileFailure(path, result);
    return false;
}
