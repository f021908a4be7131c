#include "Commands.h"

#include "ChannelSet.h"
#include "CliEnvironment.h"
#include "DocumentReport.h"
#include "ExitCode.h"
#include "Interrupt.h"
#include "RadioTransfer.h"
#include "core/ChannelCsv.h"
#include "core/ImageLayout.h"
#include "core/ProgramVersion.h"
#include "files/CsvFile.h"
#include "files/FileMessages.h"
#include "files/LanguageFile.h"

#include <QCommandLineParser>
#include <QJsonDocument>

namespace {

struct Arguments {
    QCommandLineParser parser;
    QStringList positional;

    // Parses args for a command with the given options; false after telling why.
    bool parse(CliEnvironment& env, const QString& command, const QStringList& args,
               const QList<QCommandLineOption>& options, int minPositional, int maxPositional)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions(options);
        if (!parser.parse(QStringList{QStringLiteral("qz17-cli")} + args)) {
            env.tell(command + QLatin1String(": ") + parser.errorText());
            return false;
        }
        positional = parser.positionalArguments();
        if (positional.size() < minPositional ||
            (maxPositional >= 0 && positional.size() > maxPositional)) {
            env.tell(command + QLatin1String(": wrong number of arguments; see qz17-cli --help"));
            return false;
        }
        for (const QCommandLineOption& o : options) {
            if (!o.valueName().isEmpty() && parser.isSet(o) && parser.value(o).isEmpty()) {
                env.tell(
                    QStringLiteral("%1: --%2 needs a value").arg(command, o.names().constLast()));
                return false;
            }
        }
        return true;
    }
    bool isSet(const QCommandLineOption& o) const { return parser.isSet(o); }
    QString value(const QCommandLineOption& o) const { return parser.value(o); }
};

const QCommandLineOption OutputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                      QStringLiteral("The data file to write."),
                                      QStringLiteral("FILE"));
const QCommandLineOption PortOption(QStringLiteral("port"),
                                    QStringLiteral("COMn or a device path."),
                                    QStringLiteral("PORT"));

bool requireOption(CliEnvironment& env, const QString& command, const Arguments& a,
                   const QCommandLineOption& o)
{
    if (a.isSet(o)) return true;
    env.tell(QStringLiteral("%1 needs --%2").arg(command, o.names().constLast()));
    return false;
}

int commandNew(CliEnvironment& env, const QStringList& args)
{
    Arguments a;
    if (!a.parse(env, QStringLiteral("new"), args, {OutputOption}, 0, 0)) return ExitCode::Usage;
    if (!requireOption(env, QStringLiteral("new"), a, OutputOption)) return ExitCode::Usage;
    TALL doc = env.newDocument();
    return env.save(doc, a.value(OutputOption)) ? ExitCode::Ok : ExitCode::File;
}

int commandRead(CliEnvironment& env, const QStringList& args)
{
    Arguments a;
    if (!a.parse(env, QStringLiteral("read"), args, {PortOption, OutputOption}, 0, 0))
        return ExitCode::Usage;
    if (!requireOption(env, QStringLiteral("read"), a, PortOption) ||
        !requireOption(env, QStringLiteral("read"), a, OutputOption))
        return ExitCode::Usage;
    TALL doc = env.newDocument();
    const int code = ReadRadio(env, a.value(PortOption), doc);
    if (code != ExitCode::Ok) return code;
    if (!env.save(doc, a.value(OutputOption))) return ExitCode::File;
    env.tell(QStringLiteral("%1 saved to %2").arg(doc.modelName, a.value(OutputOption)));
    return ExitCode::Ok;
}

int commandWrite(CliEnvironment& env, const QStringList& args)
{
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Write into a related model."));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read back and compare."));
    const QCommandLineOption backup(QStringLiteral("backup"),
                                    QStringLiteral("Save the radio's memory first."),
                                    QStringLiteral("OLD.dat"));
    Arguments a;
    if (!a.parse(env, QStringLiteral("write"), args, {PortOption, force, verify, backup}, 1, 1))
        return ExitCode::Usage;
    if (!requireOption(env, QStringLiteral("write"), a, PortOption)) return ExitCode::Usage;
    const QString port = a.value(PortOption);

    TALL doc = env.newDocument();
    if (!env.open(a.positional.at(0), doc)) return ExitCode::File;

    return WriteRadio(env, port, doc, a.isSet(force), a.isSet(backup) ? a.value(backup) : QString(),
                      a.isSet(verify));
}

int commandInfo(CliEnvironment& env, const QStringList& args)
{
    Arguments a;
    if (!a.parse(env, QStringLiteral("info"), args, {}, 1, 1)) return ExitCode::Usage;
    TALL doc = env.newDocument();
    if (!env.open(a.positional.at(0), doc)) return ExitCode::File;
    env.out << DocumentInfo(DescribeDocument(doc));
    return ExitCode::Ok;
}

int commandDump(CliEnvironment& env, const QStringList& args)
{
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("One JSON document."));
    Arguments a;
    if (!a.parse(env, QStringLiteral("dump"), args, {json}, 1, 1)) return ExitCode::Usage;
    TALL doc = env.newDocument();
    if (!env.open(a.positional.at(0), doc)) return ExitCode::File;
    const QJsonObject description = DescribeDocument(doc);
    if (a.isSet(json))
        env.out << QJsonDocument(description).toJson(QJsonDocument::Indented);
    else
        env.out << DocumentText(env, doc, description);
    return ExitCode::Ok;
}

int commandSet(CliEnvironment& env, const QStringList& args)
{
    const QCommandLineOption channel(QStringLiteral("channel"),
                                     QStringLiteral("1 to 128, F1 or F2."), QStringLiteral("N"));
    const QCommandLineOption remove(QStringLiteral("delete"),
                                    QStringLiteral("Delete the memory channel."));
    Arguments a;
    if (!a.parse(env, QStringLiteral("set"), args, {channel, remove, OutputOption}, 1, -1))
        return ExitCode::Usage;
    if (!requireOption(env, QStringLiteral("set"), a, channel)) return ExitCode::Usage;
    const QString file = a.positional.at(0);
    TALL doc = env.newDocument();
    if (!env.open(file, doc)) return ExitCode::File;
    const int code =
        SetChannelFields(env, doc, a.value(channel), a.positional.mid(1), a.isSet(remove));
    if (code != ExitCode::Ok) return code;
    const QString target = a.isSet(OutputOption) ? a.value(OutputOption) : file;
    return env.save(doc, target) ? ExitCode::Ok : ExitCode::File;
}

int commandDiff(CliEnvironment& env, const QStringList& args)
{
    Arguments a;
    if (!a.parse(env, QStringLiteral("diff"), args, {}, 2, 2)) return ExitCode::Usage;
    TALL left = env.newDocument(), right = env.newDocument();
    if (!env.open(a.positional.at(0), left) || !env.open(a.positional.at(1), right))
        return ExitCode::File;
    const QStringList lines = DocumentDifferences(DescribeDocument(left), DescribeDocument(right));
    for (const QString& line : lines)
        env.out << line << '\n';
    env.out.flush();
    return lines.isEmpty() ? ExitCode::Ok : ExitCode::Differ;
}

int commandExportCsv(CliEnvironment& env, const QStringList& args)
{
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The CSV file to write."),
                                    QStringLiteral("FILE"));
    Arguments a;
    if (!a.parse(env, QStringLiteral("export-csv"), args, {output}, 1, 1)) return ExitCode::Usage;
    if (!requireOption(env, QStringLiteral("export-csv"), a, output)) return ExitCode::Usage;
    TALL doc = env.newDocument();
    if (!env.open(a.positional.at(0), doc)) return ExitCode::File;
    const QByteArray csv = ExportChannelsCsv(doc);
    if (!env.saveCsv(doc, a.value(output), csv)) return ExitCode::File;
    env.tell(QStringLiteral("%1 channels exported to %2")
                 .arg(qMax(0, int(csv.count('\n')) - 1))
                 .arg(a.value(output)));
    return ExitCode::Ok;
}

int commandImportCsv(CliEnvironment& env, const QStringList& args)
{
    const QCommandLineOption yes(QStringList{QStringLiteral("y"), QStringLiteral("yes")},
                                 QStringLiteral("Import without asking."));
    Arguments a;
    if (!a.parse(env, QStringLiteral("import-csv"), args, {OutputOption, yes}, 2, 2))
        return ExitCode::Usage;
    const QString csvPath = a.positional.at(0), file = a.positional.at(1);
    TALL doc = env.newDocument();
    if (!env.open(file, doc)) return ExitCode::File;
    QByteArray csv;
    QString reason;
    if (!ReadCsvFile(csvPath, csv, &reason)) {
        env.tell(OpenFailedText(doc, csvPath, reason));
        return ExitCode::File;
    }
    const CsvImportTexts texts = LoadCsvImportTexts(doc);
    const CsvImport plan = PlanCsvImport(doc, csv, texts);
    for (const QString& line : CsvImportReport(plan, texts))
        env.err << line << '\n';
    env.err.flush();
    if (!plan.ok()) return ExitCode::File;
    const int taken = plan.count(CsvImportRow::Imported) + plan.count(CsvImportRow::Changed);
    if (taken == 0) {
        env.tell(QStringLiteral("no row can be imported; nothing was saved"));
        return ExitCode::File;
    }
    const QString target = a.isSet(OutputOption) ? a.value(OutputOption) : file;
    if (!a.isSet(yes) &&
        !env.confirm(QStringLiteral("Import %1 channels into %2?").arg(taken).arg(target))) {
        env.tell(QStringLiteral("not imported; nothing was saved"));
        return ExitCode::Declined;
    }
    ApplyCsvImport(doc, plan);
    if (!env.save(doc, target)) return ExitCode::File;
    env.tell(QStringLiteral("%1 channels imported into %2").arg(taken).arg(target));
    return ExitCode::Ok;
}

} // namespace

QString CliHelpText()
{
    return QStringLiteral(
        "Usage: qz17-cli COMMAND ...\n"
        "Reads, writes and edits QZ-17 radios and data files (.dat) without windows.\n"
        "\n"
        "  new -o FILE.dat                  a new image, as the New command makes it\n"
        "  read --port PORT -o FILE.dat     read the radio and save what it holds\n"
        "  write --port PORT FILE.dat [--force] [--verify] [--backup OLD.dat]\n"
        "                                   write a data file into the radio; --force writes\n"
        "                                   into a related model, --backup first saves the\n"
        "                                   radio's memory, --verify reads it back and compares\n"
        "  info FILE.dat                    model, bands, serial number, write time, channels\n"
        "  dump FILE.dat [--json]           everything the windows show\n"
        "  set FILE.dat --channel N FIELD=VALUE ... [--delete] [-o OUT.dat]\n"
        "                                   change a channel field by field, as the grid does;\n"
        "                                   N is 1 to 128, F1 or F2; fields: rx tx offset duplex\n"
        "                                   rx_tone tx_tone power bandwidth scan vox voice\n"
        "                                   busy_lock epilogue name\n"
        "  diff A.dat B.dat                 field-level differences\n"
        "  export-csv FILE.dat -o list.csv  the memory channels as a CSV channel list\n"
        "  import-csv list.csv FILE.dat [-o OUT.dat] [--yes]\n"
        "                                   import a CSV channel list; shows what each row\n"
        "                                   becomes and asks first (--yes: without asking)\n"
        "  -h, --help                       show this text\n"
        "  -v, --version                    show the version\n"
        "\n"
        "PORT is a device path (/dev/ttyUSB0) or a COM name (COM3).\n"
        "Messages use the language of the program's settings.\n"
        "\n"
        "Exit codes:\n"
        "  0    done; diff: the files are equal\n"
        "  1    diff: the files differ\n"
        "  2    usage: unknown command, missing or wrong argument\n"
        "  3    file error: a file cannot be opened, read, used or saved\n"
        "  4    the port cannot be opened\n"
        "  5    no answer, or a wrong one, from the radio\n"
        "  6    wrong model, or a related model without --force\n"
        "  7    verify: the radio holds something else than was written\n"
        "  8    import-csv: the import was not confirmed\n"
        "  130  interrupted by Ctrl+C or SIGTERM\n");
}

int RunCli(const QStringList& arguments, CliEnvironment& env)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        env.out << CliHelpText();
        return ExitCode::Ok;
    }
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        env.out << "qz17-cli " << ProgramVersion() << '\n';
        return ExitCode::Ok;
    }
    using Command = int (*)(CliEnvironment&, const QStringList&);
    static const QList<QPair<QString, Command>> commands = {
        {QStringLiteral("new"), commandNew},
        {QStringLiteral("read"), commandRead},
        {QStringLiteral("write"), commandWrite},
        {QStringLiteral("info"), commandInfo},
        {QStringLiteral("dump"), commandDump},
        {QStringLiteral("set"), commandSet},
        {QStringLiteral("diff"), commandDiff},
        {QStringLiteral("export-csv"), commandExportCsv},
        {QStringLiteral("import-csv"), commandImportCsv},
    };
    for (const auto& [name, run] : commands) {
        if (name != command) continue;
        const int code = run(env, rest);
        // A save cancelled by Ctrl+C fails like any save; the interruption is the cause.
        return code != ExitCode::Ok && Interrupt::instance().requested() ? ExitCode::Interrupted
                                                                         : code;
    }
    env.tell(command.isEmpty() ? QStringLiteral("no command given")
                               : QStringLiteral("unknown command \"%1\"").arg(command));
    env.err << CliHelpText();
    return ExitCode::Usage;
}
