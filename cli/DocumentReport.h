#pragma once

#include "core/DocumentDescription.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

struct TALL;
class CliEnvironment;

// The dump of a document description (DescribeDocument) as text, with the items the windows show in
// the current language.
QString DocumentText(const CliEnvironment& env, const TALL& doc, const QJsonObject& description);

// A few lines: model, bands, serial number, write time, channels and FM channels in use.
QString DocumentInfo(const QJsonObject& description);
