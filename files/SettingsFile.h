#pragma once

#include <QString>
#include <QStringList>

struct TALL;

// SysInfo.Ini, section SysInfo: serial port, language choice, help prefix, picture
// number and the list of languages; and the program's own additions: the write
// dialog's check boxes (BackupFirst, VerifyWrite, "1" for on) and the recently used
// data files (RecentFile1..RecentFile6, the newest first).
//
// The file belongs in the program's folder; an installed program has it in its data
// folder instead (ProgramFolders.h). When the file lies in the program's folder and can
// be written, the program writes its settings (Com, DefaultLanguage, PicID) there.
// Otherwise they go to a SysInfo.Ini in the user's configuration folder, and reading
// takes each key from that file first and from the shipped one next, so the shipped
// language lists stay in use.

struct SettingsPlace {
    QString shippedPath;      // program folder (or installed data folder) + "SysInfo.Ini"
    QString userPath;         // the per-user file
    bool useUserFile = false; // installed, or the program folder's file cannot be written
};

// Where the settings of a program in appFolder are read from and written to.
SettingsPlace LocateSettingsFile(const QString& appFolder);

// The per-user settings file (QStandardPaths generic configuration folder + "QZ-17/").
QString UserSettingsPath();

// Whether a save can put a file at path: what is there is a regular file that may be
// changed, and the folder takes the new file a save writes beside it (tried for real,
// so a read-only mount or folder counts as not writable whoever runs the program).
bool CanWriteFile(const QString& path);

// Port name, language index, help prefix, picture number and language name, with
// every default of a missing file or key.
void ReadSettingsFile(TALL& all);
void ReadSettingsFileAt(TALL& all, const SettingsPlace& place);

// How many recently used data files the File menu lists.
constexpr int MaxRecentFiles = 6;

// Puts path first in the list of recent files, keeping at most MaxRecentFiles.
void AddRecentFile(QStringList& recent, const QString& path);

// Writes Com, DefaultLanguage, PicID and the additions above, leaving every other line
// as it is. On failure
// returns false and sets reason to the file and the system's reason.
bool WriteSettingsFile(const TALL& all, QString* reason = nullptr);
bool WriteSettingsFileAt(const TALL& all, const SettingsPlace& place, QString* reason = nullptr);

// The language list: file base names from the key Language, display names (in the
// current language) from the key named after the current language. Both lists are
// replaced.
void ListLanguages(const TALL& all, QStringList& displayNames, QStringList& fileNames);
void ListLanguagesAt(const TALL& all, const SettingsPlace& place, QStringList& displayNames,
                     QStringList& fileNames);

// Entry "index" (0-based) of a "|"-separated list, the way the language name is chosen;
// empty past the end and for a negative index.
QString ChooseListEntry(const QString& list, qint64 index);

// Every "|"-separated part; a trailing "|" adds nothing.
QStringList SplitList(const QString& list);

// A file in folder whose name matches fileName without regard to case (language and
// settings files may come from a system where case does not matter); folder + fileName
// when none exists.
QString FindFileNoCase(const QString& folder, const QString& fileName);
