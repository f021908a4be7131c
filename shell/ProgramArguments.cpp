#include "ProgramArguments.h"

#include "core/ProgramVersion.h"

#include <QCommandLineParser>

namespace {

constexpr int UsageExitCode = 2;

} // namespace

QString ProgramHelpText()
{
    return QStringLiteral(
        "Usage: qz17 [OPTION] [FILE.dat]\n"
        "The QZ-17 programming software: reads the memory of a QZ-17 radio over its\n"
        "programming cable, edits channels and settings in windows, saves and opens data\n"
        "files (.dat) and writes the memory back into the radio.\n"
        "\n"
        "  -h, --help     show this text and end\n"
        "  -v, --version  show the version and end\n"
        "\n"
        "Without an option the program opens its main window, with FILE.dat when one is\n"
        "named. Qt's own options, such as\n"
        "-platform and -style, apply as for every Qt program.\n"
        "qz17-cli does the same work without windows; see qz17-cli --help.\n");
}

ProgramArguments ParseProgramArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show the help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOption(help);
    parser.addOption(version);

    ProgramArguments result;
    const auto refuse = [&result](const QString& why) {
        result.exitNow = true;
        result.exitCode = UsageExitCode;
        result.error = QStringLiteral("qz17: %1\nTry 'qz17 --help'.\n").arg(why);
        return result;
    };
    if (!parser.parse(arguments)) return refuse(parser.errorText());
    if (parser.isSet(help)) {
        result.exitNow = true;
        result.output = ProgramHelpText();
    } else if (parser.isSet(version)) {
        result.exitNow = true;
        result.output = QStringLiteral("qz17 %1\n").arg(ProgramVersion());
    } else if (parser.positionalArguments().size() > 1) {
        return refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().at(1)));
    } else if (!parser.positionalArguments().isEmpty()) {
        result.dataFile = parser.positionalArguments().first();
    }
    return result;
}
