#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

// Texts of the status bar's date and clock panels.

// 4-digit year, 2-digit month, 2-digit day, joined by the date separator.
QString StatusDateText(const QDate& date, QChar separator);

// The separator the user's locale puts between the parts of a short date; "/" when the
// locale's short format has none that could stand there.
QChar SystemDateSeparator();

// "HH:mm:ss".
QString StatusTimeText(const QTime& time);
