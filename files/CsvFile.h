#pragma once

#include <QByteArray>
#include <QString>

// Channel list files on disk. Reading refuses what is not a regular file (a folder, a
// named pipe) and files far larger than any channel list; writing goes through
// SaveFile, so a failed save leaves the old file as it was.

// The file filter of the open and save dialogs.
QString CsvFileFilter();

// Largest file read, in bytes.
constexpr qint64 MaxCsvFileSize = 4 * 1024 * 1024;

bool ReadCsvFile(const QString& path, QByteArray& bytes, QString* reason = nullptr);
bool WriteCsvFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);
