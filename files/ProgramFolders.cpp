#include "ProgramFolders.h"

#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

QString InstalledDataFolder(const QString& appFolder)
{
    // QZ_DATA_FROM_BIN: the data folder as the install rules place it, relative to the
    // folder they put the programs in.
    return QDir::cleanPath(appFolder + QStringLiteral(QZ_DATA_FROM_BIN)) + QLatin1Char('/');
}

QStringList ProgramFileFolders(const QString& appFolder)
{
    return {appFolder, InstalledDataFolder(appFolder)};
}

QString FindProgramFile(const QString& appFolder, const QString& fileName)
{
    for (const QString& folder : ProgramFileFolders(appFolder)) {
        const QString path = FindFileNoCase(folder, fileName);
        if (QFileInfo(path).isFile()) return path;
    }
    return appFolder + fileName;
}
