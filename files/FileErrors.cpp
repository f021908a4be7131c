#include "FileErrors.h"

#include "FileMessages.h"
#include "MessageBox.h"
#include "SettingsFile.h"
#include "core/DataModule.h"

namespace {

void show(const QString& message)
{
    ShowErrorBox(FileMessageCaption(appState()), message);
}

} // namespace

void ShowOpenFailedBox(const QString& path, const QString& reason)
{
    show(OpenFailedText(appState(), path, reason));
}

void ShowTooShortBox(const QString& path, qint64 size)
{
    show(TooShortText(appState(), path, size));
}

void ShowWriteFailedBox(const QString& path, const QString& reason)
{
    show(WriteFailedText(appState(), path, reason));
}

bool WriteSettingsFileOrTell()
{
    QString reason;
    if (WriteSettingsFile(appState(), &reason)) return true;
    show(SettingsFailedText(appState(), reason));
    return false;
}
