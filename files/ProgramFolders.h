#pragma once

#include <QString>
#include <QStringList>

// Where the program's own files are: the language files, the help and the shipped
// SysInfo.Ini. They are looked up beside the executable first, where a build or an
// unpacked copy keeps them, and then in the data folder of an installed program. That
// folder is found relative to the executable (bin/../share/qz17 as installed), so an
// installation moved as a whole, under DESTDIR or to another prefix, still finds it.

// The installed data folder of a program whose executable lies in appFolder, with a
// trailing separator.
QString InstalledDataFolder(const QString& appFolder);

// The folders to look in, in order: appFolder, then the installed data folder.
QStringList ProgramFileFolders(const QString& appFolder);

// The first file named fileName (without regard to case) in those folders;
// appFolder + fileName when none holds one.
QString FindProgramFile(const QString& appFolder, const QString& fileName);
