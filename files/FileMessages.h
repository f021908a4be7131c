#pragma once

#include <QString>

struct TALL;

// The texts of the file error messages, from the language file's FileMessages section
// (English built in). Each names the file and, where there is one, gives the system's
// reason on a line of its own.

QString FileMessageCaption(const TALL& all);
QString OpenFailedText(const TALL& all, const QString& path, const QString& reason);
QString TooShortText(const TALL& all, const QString& path, qint64 size);
QString WriteFailedText(const TALL& all, const QString& path, const QString& reason);
QString SettingsFailedText(const TALL& all, const QString& reason);
