#pragma once

#include <QByteArray>
#include <QString>

struct TALL;
class CliEnvironment;

// Transfers with the radio, run by the read and write dialogs' engine: the same frames,
// timers and waits. The engine's messages go to stderr in the program's texts, with the
// progress in blocks. Each returns an ExitCode.

// Reads the radio into doc; doc changes only when the whole transfer succeeded.
int ReadRadio(CliEnvironment& env, const QString& port, TALL& doc);

// Writes doc into the radio; a related model only when force is set. The write puts
// the time stamp into doc, as the write dialog does. With backupPath, the radio's memory
// is read and saved there first (nothing is written when that fails); with verify, the
// radio is read back and compared with what was sent.
int WriteRadio(CliEnvironment& env, const QString& port, TALL& doc, bool force,
               const QString& backupPath = QString(), bool verify = false);
