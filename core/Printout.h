#pragma once

#include "DocumentDescription.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TALL;

// The pages Print, Print Preview and Export PDF put on paper, as plain text and tables:
// a header, the memory channels in use with every column of the grid, the two frequency
// channels, the FM channels and the settings windows' values as the dump names them.
// Built from the document description, in the program's language; the shell lays it
// out on pages.

struct PrintTable {
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    QStringList notes; // lines under the title, before the table
};

struct Printout {
    QString model;     // the model name
    QString source;    // the file name, or the text for a document read from the radio
    QString writeTime; // the last write to the radio, as the header shows it
    QList<PrintTable> tables;
};

// The texts of the printout that no window shows (language section fPrint), with their
// English defaults.
struct PrintLabels {
    QString memoryChannels = QStringLiteral("Memory channels (%1 in use)");
    QString noChannels = QStringLiteral("No memory channel is in use.");
    QString frequencyChannels = QStringLiteral("Frequency channels");
    QString fmChannels = QStringLiteral("FM broadcast channels");
    QString fmTuned = QStringLiteral("Tuned frequency: %1 MHz");
    QString number = QStringLiteral("No.");
    QString frequency = QStringLiteral("Frequency [MHz]");
    QString settings = QStringLiteral("Settings");
    QString window = QStringLiteral("Window");
    QString setting = QStringLiteral("Setting");
    QString value = QStringLiteral("Value");
    QString radioName = QStringLiteral("Radio name");
    QString writeTime = QStringLiteral("Last written to the radio: %1");
};

// description is DescribeDocument(doc); source the file name or "Read from radio".
Printout BuildPrintout(const TALL& doc, const QJsonObject& description, const QString& source,
                       const LanguageLookup& language, const PrintLabels& labels = {});
