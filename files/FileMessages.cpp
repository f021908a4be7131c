#include "FileMessages.h"

#include "IniFile.h"
#include "LanguageFile.h"
#include "core/AppState.h"

#include <QDir>

namespace {

QString text(const TALL& all, const char* key, const char* english)
{
    const TIniFile ini(LanguageFilePath(all.appFolder, all.languageName));
    return ini.ReadString(QStringLiteral("FileMessages"), QString::fromLatin1(key),
                          QString::fromUtf8(english));
}

QString withReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + u'\n' + reason;
}

} // namespace

QString FileMessageCaption(const TALL& all)
{
    return text(all, "Caption", "Error");
}

QString OpenFailedText(const TALL& all, const QString& path, const QString& reason)
{
    return withReason(
        text(all, "OpenFailed", "Cannot open the file %1.").arg(QDir::toNativeSeparators(path)),
        reason);
}

QString TooShortText(const TALL& all, const QString& path, qint64 size)
{
    return text(all, "TooShort",
                "The file %1 is not a data file of this program: it holds %2 bytes, "
                "a data file holds 2320 bytes.")
        .arg(QDir::toNativeSeparators(path), QString::number(size));
}

QString WriteFailedText(const TALL& all, const QString& path, const QString& reason)
{
    return withReason(
        text(all, "WriteFailed", "Cannot save the file %1.").arg(QDir::toNativeSeparators(path)),
        reason);
}

QString SettingsFailedText(const TALL& all, const QString& reason)
{
    return withReason(text(all, "SettingsFailed",
                           "The settings could not be saved; the port and "
                           "language chosen in this run will be lost."),
                      reason);
}
