#include "FileErrors.h"

#include "DataFile.h"
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

void ShowDataFileFailure(const QString& path, const DataFileResult& result)
{
    switch (result.status) {
    case DataFileResult::Ok:
        break;
    case DataFileResult::UnknownModel:
        ShowMessageBox(languageTexts().confirmation, languageTexts().modError,
                       MessageKind::Information);
        break;
    case DataFileResult::TooShort:
        ShowTooShortBox(path, result.size);
        break;
    case DataFileResult::OpenFailed:
    case DataFileResult::ReadFailed:
        ShowOpenFailedBox(path, result.reason);
        break;
    }
}
