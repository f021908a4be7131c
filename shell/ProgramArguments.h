#pragma once

#include <QString>
#include <QStringList>

// The command line of qz17. The program needs no argument; one data file named on it is
// opened at start (a file manager's "Open With" passes it so). --help and --version
// answer on the standard output and end it, and anything it does not know ends it with
// a message and exit code 2. Qt's own options (-platform, -style, ...) are taken by the
// application object before this sees the list.
struct ProgramArguments {
    bool exitNow = false; // answered or refused: print the texts and end with exitCode
    int exitCode = 0;
    QString output;   // for the standard output
    QString error;    // for the standard error
    QString dataFile; // the data file to open at start; empty: none
};

// arguments: as QCoreApplication::arguments() gives them, the program's name first.
ProgramArguments ParseProgramArguments(const QStringList& arguments);

// The --help text.
QString ProgramHelpText();
