#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

struct TALL;
class CliEnvironment;

// Everything the windows show of a document, decoded as they decode it, as one JSON
// object (its schema is in docs/cli.md). The text dump, the JSON dump, info and diff
// are all built on it, so they can never disagree.
QJsonObject DescribeDocument(TALL& doc);

// The dump as text, with the items the windows show in the current language.
QString DocumentText(const CliEnvironment& env, const TALL& doc, const QJsonObject& description);

// A few lines: model, bands, serial number, write time, channels and FM channels in use.
QString DocumentInfo(const QJsonObject& description);

// Field-level differences, one line each ("channel 5 rx 145.50000 → 146.00000");
// empty when the two describe the same document.
QStringList DocumentDifferences(const QJsonObject& a, const QJsonObject& b);
