#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// The one way the programs put a file on disk, and the one way they open a file to
// read it. Data files, channel lists, SysInfo.Ini and the radio simulator's memory
// file all go through here.
//
// Saving: the bytes go into a new file beside the target, named
//   <file name>.qz17-partial-XXXXXX
// written without buffering, every write checked, then flushed to the disk; only when
// all of that succeeded does the new file take the target's name (a rename, so the
// target is at every moment either the old file or the new one). Any failure removes
// the new file, leaves the old one as it was and gives the system's reason ("No space
// left on device"). A save killed halfway leaves its partial file behind; the next save
// of the same file removes such leftovers once they are a day old (younger ones may
// belong to a save still running in another process).
//
// Reading: only a regular file is opened. A folder, a named pipe, a device or a socket
// is refused with a reason, without waiting on it (opening a named pipe the ordinary
// way waits until someone writes into it, and nothing could end that wait).

// What a temporary of a save of fileName is called, with the six X standing for
// letters and digits.
QString PartialSaveName(const QString& fileName);

// How old a leftover partial file must be before a save removes it, in seconds.
constexpr qint64 StalePartialSaveAge = 24 * 60 * 60;

// Writes bytes as the whole new content of path (a symbolic link is followed and the
// file it names is replaced). On failure returns false with the system's reason and
// leaves the old file untouched.
bool SaveFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Asked once the new file is complete and before it replaces the old one; true
// cancels the save (with the reason "Interrupted"). The command-line tool sets it so
// that Ctrl+C during a save leaves the old file. Null: never cancelled.
void SetSaveInterruptCheck(bool (*interrupted)());

// Opens path for reading when it is a regular file. Otherwise, or when it cannot be
// opened, returns false with the reason.
bool OpenFileForReading(QFile& file, const QString& path, QString* reason = nullptr);

// For tests: every save after this fails with "No space left on device" once it has
// written limit bytes into its new file, as a full disk fails it. A negative limit
// ends it.
void FailSavesAfterBytesForTests(qint64 limit);
