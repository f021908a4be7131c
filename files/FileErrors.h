#pragma once

#include <QString>

// Error boxes for files the program cannot read or write. Their texts come from the
// current language file, section FileMessages (English built in); each names the file
// and gives the system's reason.

void ShowOpenFailedBox(const QString& path, const QString& reason);
void ShowTooShortBox(const QString& path, qint64 size);
void ShowWriteFailedBox(const QString& path, const QString& reason);

// The box for a data file that could not be opened: ModError for an unknown model,
// else the boxes above.
struct DataFileResult;
void ShowDataFileFailure(const QString& path, const DataFileResult& result);

// Writes the settings file as the main window closes; when it cannot be written the
// user is told where and why (the settings of this run are then lost). Returns whether
// it was written.
bool WriteSettingsFileOrTell();
