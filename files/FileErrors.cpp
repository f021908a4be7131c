#include "FileErrors.h"

#include "IniFile.h"
#include "LanguageFile.h"
#include "MessageBox.h"
#include "SettingsFile.h"
#include "core/DataModule.h"

#include <QDir>

namespace {

QString text(const char* key, const char* english)
{
    const TALL& all = appState();
    const TIniFile ini(LanguageFilePath(all.appFolder, all.languageName));
    return ini.ReadString(QStringLiteral("FileMessages"), QString::fromLatin1(key),
                          QString::fromUtf8(english));
}

void show(const QString& message)
{
    ShowErrorBox(text("Caption", "Error"), message);
}

} // namespace

void ShowOpenFailedBox(const QString& path, const QString& reason)
{
    show(text("OpenFailed", "Cannot open the file %1.").arg(QDir::toNativeSeparators(path)) +
         u'\n' + reason);
}

void ShowTooShortBox(const QString& path, qint64 size)
{
    show(text("TooShort", "The file %1 is not a data file of this program: it holds %2 bytes, "
                          "a data file holds 2320 bytes.")
             .arg(QDir::toNativeSeparators(path), QString::number(size)));
}

void ShowWriteFailedBox(const QString& path, const QString& reason)
{
    show(text("WriteFailed", "Cannot save the file %1.").arg(QDir::toNativeSeparators(path)) +
         u'\n' + reason);
}

bool WriteSettingsFileOrTell()
{
    QString reason;
    if (WriteSettingsFile(appState(), &reason)) return true;
    show(text("SettingsFailed", "The settings could not be saved; the port and language chosen "
                                "in this run will be lost.") +
         u'\n' + reason);
    return false;
}
