#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct TALL;

// Everything the windows show of a document, decoded as they decode it, as one JSON
// object (its schema is in docs/cli.md). The dumps, info, diff, the compare window
// and the printout are all built on it, so they can never disagree.
QJsonObject DescribeDocument(TALL& doc);

// The channel keys that hold a list field's stored value, with their field codes, in
// the grid's column order.
struct DescriptionListKey {
    const char* key;
    int field;
};
const QList<DescriptionListKey>& DescriptionListKeys();

// A text of the program's language: key of section in the language file, else fallback.
using LanguageLookup =
    std::function<QString(const QString& section, const QString& key, const QString& fallback)>;

// One field that differs between two descriptions.
struct DocumentDifference {
    enum Group { Channels, FrequencyChannels, Fm, Settings, ModelBlock };
    Group group = Channels;
    // Channel 1..128, frequency channel 1..2, FM channel 1..30, band 1..4; 0 for a
    // field that is not part of a numbered entry.
    int number = 0;
    // The description's key: a channel field ("rx", "name"), "in_use" for a channel or
    // FM channel that only one side holds, an FM key ("tuned", "frequency"), a settings
    // control ("cxSQL"), a model key ("serial_number", "low").
    QString key;
    QJsonValue mine;  // this side's value; for "in_use" a bool
    QJsonValue other; // the other side's

    // "channel 5 rx", "frequency channel 1 power", "FM channel 3", "settings cxSQL".
    QString where() const;
    // The line diff prints: "channel 5 rx 145.50000 → 146.00000", "channel 7 added".
    QString line() const;
};

// Every field in which b differs from a, in the order: model block, channels, frequency
// channels, FM, settings.
QList<DocumentDifference> CompareDocuments(const QJsonObject& a, const QJsonObject& b);

// The same as lines; empty when the two describe the same document.
QStringList DocumentDifferences(const QJsonObject& a, const QJsonObject& b);

// A value of a difference as the windows show it: list items and the settings' items
// in the program's language, no tone as the grid's "None", a name without its padding.
// doc gives the settings lists (the priority channel's items follow its channel count).
QString ShownValue(const TALL& doc, DocumentDifference::Group group, const QString& key,
                   const QJsonValue& value, const LanguageLookup& language);

// A description value as plain text: numbers as decimals, the rest as it is.
QString DescriptionText(const QJsonValue& value);
