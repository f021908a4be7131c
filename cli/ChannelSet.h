#pragma once

#include <QString>
#include <QStringList>

struct TALL;
class CliEnvironment;

// The set command's work on one channel: each FIELD=VALUE in the given order, through
// the path the channel windows take (band check with its fallback and caution, then
// the channel record), printing what each field became as the window shows it.
// channel is a memory channel number, or F1/F2 (also 129/130) for a frequency channel.
// Returns an ExitCode; on a usage error nothing after the faulty field is applied.
int SetChannelFields(CliEnvironment& env, TALL& doc, const QString& channel,
                     const QStringList& assignments, bool deleteChannel);
