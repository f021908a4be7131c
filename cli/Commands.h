#pragma once

#include <QStringList>

class CliEnvironment;

// qz17-cli's commands; arguments without the program name. Returns the exit code.
int RunCli(const QStringList& arguments, CliEnvironment& env);

// The --help text: commands, options and exit codes.
QString CliHelpText();
