// qz17-cli: the program's work without windows, for scripts and for many radios.
// Same data core, data file routines and clone engine as the windows.

#include "CliEnvironment.h"
#include "Commands.h"
#include "Interrupt.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qz17-cli"));
    Interrupt::instance().catchSignals();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    CliEnvironment env(QCoreApplication::applicationFilePath(), out, err);
    env.in = &in;
    const int code = RunCli(QCoreApplication::arguments().mid(1), env);
    out.flush();
    err.flush();
    return code;
}
