#pragma once

#include <QByteArray>
#include <QString>

struct TALL;
class CliEnvironment;

// Transfers with the radio, run by the read and write dialogs' engine: the same frames,
// timers and waits. The engine's messages go to stderr in the program's texts, with the
// progress in blocks. Each returns an ExitCode.

// Reads the radio into doc; doc changes only when the whole transfer succeeded.
// rawBlocks, when given, receives blocks 0..144 as the radio sent them.
int ReadRadio(CliEnvironment& env, const QString& port, TALL& doc, QByteArray* rawBlocks = nullptr);

// Writes doc into the radio; a related model only when force is set. The write puts
// the time stamp into doc, as the write dialog does.
int WriteRadio(CliEnvironment& env, const QString& port, TALL& doc, bool force);
