// qz17-cli end to end: every command on fixture files, the radio commands against the
// simulated radio on a pseudo-terminal, a failure for each exit code, and the program
// itself for --help and Ctrl+C.

#include "cli/CliEnvironment.h"
#include "cli/Commands.h"
#include "cli/ExitCode.h"
#include "cli/Interrupt.h"
#include "core/ChannelRecord.h"
#include "core/FmCodec.h"
#include "core/ImageLayout.h"
#include "core/ModelTable.h"
#include "core/ProgramVersion.h"
#include "core/SerialNumber.h"
#include "core/SettingsMap.h"
#include "core/TimeStamp.h"
#include "files/DataFile.h"
#include "files/DiskFile.h"
#include "files/LanguageFile.h"
#include "tests/support/SmallFileSystem.h"
#include "tools/radiosim/RadioSimulator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(RadioSimOptions)

namespace {

using Change = std::function<void(TALL&)>;
using Prepare = std::function<void(CliEnvironment&)>;

struct Run {
    int code = -1;
    QString out;
    QString err;
};

const QString Program = QStringLiteral(QZ_BIN_DIR "/qz17-cli");
const TLanguage English = EnglishMessageTexts();

// Runs a command as the program at program would, with the settings and language files
// of its folder.
Run cli(const QStringList& args, const Prepare& prepare = {}, const QString& program = Program)
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    CliEnvironment env(program, out, err);
    if (prepare) prepare(env);
    r.code = RunCli(args, env);
    out.flush();
    err.flush();
    return r;
}

void setField(TALL& doc, int k, int field, const QString& value)
{
    QString text = value;
    SetChannelField(doc, k, field, text);
}

// A model with the channel count of the built-in one: a related model.
void addRelatedModel(CliEnvironment& env)
{
    const TMacType* base = env.models().GetModel(0);
    auto m = std::make_unique<TMacType>(QStringLiteral("QZ18"), QStringLiteral("QZ18"),
                                        base->channelCount);
    m->standardLimits = base->standardLimits;
    m->alternativeLimits = base->alternativeLimits;
    m->SetBandMasks(base->standardMask, base->alternativeMask);
    env.models().AddModel(std::move(m));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fileBlocks(const QString& path)
{
    return fileBytes(path).mid(16); // blocks 1..144 after the header
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<RadioSimulator> radio;

    QString path(const QString& name) const { return dir.filePath(name); }

    // A new document with channel 5, an FM channel and a serial number, changed by change.
    QString makeFile(const QString& name, const Change& change = {})
    {
        QString text;
        QTextStream out(&text), err(&text);
        CliEnvironment env(Program, out, err);
        TALL doc = env.newDocument();
        setField(doc, 5, Field::RxFreq, QStringLiteral("145.5"));
        setField(doc, 5, Field::TxFreq, QStringLiteral("145.5"));
        setField(doc, 5, Field::Name, QStringLiteral("HOME"));
        QString fm = QStringLiteral("99.5");
        SetFmChannel(doc, 1, fm);
        StoreSerialNumber(doc, QStringLiteral("SN0001"));
        // A new image is stamped with the time it was made; two files must not differ by it.
        WriteTimeStamp(doc.image.data() + Image::TimeStamp, QStringLiteral("2026-01-02 03:04:05"));
        if (change) change(doc);
        const QString file = path(name);
        if (!WriteDataFile(doc, file)) return QString();
        return file;
    }

    QJsonObject dumpJson(const QString& file)
    {
        const Run r = cli({QStringLiteral("dump"), file, QStringLiteral("--json")});
        if (r.code != ExitCode::Ok) return {};
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }

    static QJsonObject channelOf(const QJsonObject& dump, const QString& which)
    {
        const bool frequency = which.startsWith(u'F');
        const QJsonArray list =
            dump[frequency ? QLatin1String("frequency_channels") : QLatin1String("channels")]
                .toArray();
        const int number = which.mid(frequency ? 1 : 0).toInt();
        for (const QJsonValue& v : list)
            if (v.toObject()[QLatin1String("number")].toInt() == number) return v.toObject();
        return {};
    }

    bool startRadio(const RadioSimOptions& options,
                    const QByteArray& memory = RadioSimulator::RealisticMemory())
    {
        radio = std::make_unique<RadioSimulator>(options);
        radio->setMemory(memory);
        return radio->start();
    }
    QString port() const { return radio->devicePath(); }

  private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void cleanup()
    {
        radio.reset();
        Interrupt::instance().reset();
        FailSavesAfterBytesForTests(-1);
    }

    void newFileAndInfo()
    {
        const QString file = path(QStringLiteral("new.dat"));
        const Run made = cli({QStringLiteral("new"), QStringLiteral("-o"), file});
        QCOMPARE(made.code, ExitCode::Ok);
        QCOMPARE(QFileInfo(file).size(), qint64(Image::Size));

        const Run info = cli({QStringLiteral("info"), makeFile(QStringLiteral("info.dat"))});
        QCOMPARE(info.code, ExitCode::Ok);
        QVERIFY2(info.out.contains(QLatin1String("QZ-17 (QZ17)")), qPrintable(info.out));
        QVERIFY(info.out.contains(QLatin1String("430.00000 - 440.00000/144.00000 - 146.00000MHz")));
        QVERIFY(info.out.contains(QRegularExpression(QStringLiteral("serial number +SN0001\n"))));
        QVERIFY(info.out.contains(QRegularExpression(QStringLiteral("\nchannels +1\n"))));
        QVERIFY(info.out.contains(QRegularExpression(QStringLiteral("\nFM channels +1\n"))));
    }

    void usageAndFileErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString missing = dir.filePath(QStringLiteral("missing.dat"));
        QFile shortFile(dir.filePath(QStringLiteral("short.dat")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly) && shortFile.write("0123456789") == 10);
        shortFile.close();

        QTest::newRow("no command") << QStringList{} << ExitCode::Usage << "no command given";
        QTest::newRow("unknown command")
            << QStringList{"flash"} << ExitCode::Usage << "unknown command \"flash\"";
        QTest::newRow("unknown option")
            << QStringList{"info", "--fast", missing} << ExitCode::Usage << "Unknown option 'fast'";
        QTest::newRow("new without -o")
            << QStringList{"new"} << ExitCode::Usage << "new needs --output";
        QTest::newRow("read without port")
            << QStringList{"read", "-o", missing} << ExitCode::Usage << "read needs --port";
        QTest::newRow("diff with one file")
            << QStringList{"diff", missing} << ExitCode::Usage << "wrong number of arguments";
        QTest::newRow("missing file") << QStringList{"info", missing} << ExitCode::File
                                      << QString("Cannot open the file %1.").arg(missing);
        QTest::newRow("short file") << QStringList{"dump", shortFile.fileName()} << ExitCode::File
                                    << "it holds 10 bytes, a data file holds 2320 bytes";
        QTest::newRow("save into a missing folder")
            << QStringList{"new", "-o", dir.filePath("no/such/folder/x.dat")} << ExitCode::File
            << "Cannot save the file";
        QTest::newRow("port that cannot open")
            << QStringList{"read", "--port", "/dev/qz17-no-such-port", "-o", missing}
            << ExitCode::Port << English.lPortError;
    }
    void usageAndFileErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        const Run r = cli(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(path(QStringLiteral("missing.dat"))));
    }

    void setFields_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QVariantMap>("stored"); // the channel's fields in dump --json

        QTest::newRow("a new channel gets the grid's defaults")
            << QStringList{"--channel", "7", "rx=438.5"} << QStringList{"channel 7 rx 438.50000"}
            << QString()
            << QVariantMap{{"tx", "438.50000"}, {"rx_tone", ""},  {"tx_tone", ""},   {"power", 1},
                           {"bandwidth", 1},    {"scan_skip", 1}, {"vox", 1},        {"voice", 0},
                           {"busy_lock", 1},    {"epilogue", 1},  {"name", "      "}};
        QTest::newRow("fields in order, as items or stored values")
            << QStringList{"--channel",       "5",
                           "tx=145.1",        "rx_tone=67",
                           "tx_tone=d023i",   "power=low",
                           "bandwidth=0",     "vox=Yes",
                           "voice=scrambler", "name=abcdefgh"}
            << QStringList{"channel 5 tx 145.10000",     "channel 5 rx_tone 67.0",
                           "channel 5 tx_tone D023I",    "channel 5 power Low",
                           "channel 5 bandwidth Narrow", "channel 5 vox Yes",
                           "channel 5 voice Scrambler",  "channel 5 name ABCDEF"}
            << QString()
            << QVariantMap{{"rx", "145.50000"}, {"tx", "145.10000"}, {"offset", "0.40000"},
                           {"duplex", 2},       {"rx_tone", "67.0"}, {"tx_tone", "D023I"},
                           {"power", 0},        {"bandwidth", 0},    {"vox", 0},
                           {"voice", 2},        {"name", "ABCDEF"}};
        QTest::newRow("an emptied frequency channel: the lowest band edge and the caution")
            << QStringList{"--channel", "F1", "rx="} << QStringList{"channel F1 rx 430.00000"}
            << English.caution + ": " + English.errRange << QVariantMap{{"rx", "430.00000"}};
        QTest::newRow("a refused offset keeps the transmit frequency")
            << QStringList{"--channel", "5", "tx=435"} << QStringList{"channel 5 tx 145.50000"}
            << "tx 435.00000 lies more than 99.99500 MHz from rx; tx stays 145.50000"
            << QVariantMap{{"tx", "145.50000"}, {"offset", "0.00000"}, {"duplex", 0}};
        QTest::newRow("a frequency channel, offset capped")
            << QStringList{"--channel", "F2", "rx=145.2", "offset=120", "duplex=-", "busy_lock=Yes"}
            << QStringList{"channel F2 rx 145.20000", "channel F2 offset 99.99500",
                           "channel F2 duplex -", "channel F2 busy_lock Yes"}
            << QString()
            << QVariantMap{
                   {"rx", "145.20000"}, {"offset", "99.99500"}, {"duplex", 2}, {"busy_lock", 0}};
    }
    void setFields()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, printed);
        QFETCH(QString, message);
        QFETCH(QVariantMap, stored);
        const QString file = makeFile(QStringLiteral("set.dat"));
        const QString out = path(QStringLiteral("set-out.dat"));
        const QByteArray before = fileBlocks(file);
        const Run r = cli(QStringList{QStringLiteral("set"), file} + args +
                          QStringList{QStringLiteral("-o"), out});
        QCOMPARE(r.code, ExitCode::Ok);
        QCOMPARE(r.out.split(u'\n', Qt::SkipEmptyParts), printed);
        if (!message.isEmpty()) QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(fileBlocks(file), before); // -o leaves the input alone

        const QJsonObject channel = channelOf(dumpJson(out), args.at(1));
        QVERIFY(!channel.isEmpty());
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            QCOMPARE(channel[it.key()].toVariant(), it.value());
    }

    void setRefusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown field")
            << QStringList{"--channel", "5", "colour=red"} << "unknown field \"colour\"";
        QTest::newRow("no such channel")
            << QStringList{"--channel", "129x", "rx=145"} << "no such channel";
        QTest::newRow("beyond the channels")
            << QStringList{"--channel", "131", "rx=145"} << "no channel \"131\"";
        QTest::newRow("empty channel without rx")
            << QStringList{"--channel", "9", "power=High"} << "not in use";
        QTest::newRow("no such item")
            << QStringList{"--channel", "5", "power=Medium"} << "power is one of Low, High";
        QTest::newRow("tx on a frequency channel")
            << QStringList{"--channel", "F1", "tx=145"} << "not tx=";
        QTest::newRow("not an assignment")
            << QStringList{"--channel", "5", "rx"} << "is not FIELD=VALUE";
        const QString outOfBand = English.caution + ": " + English.errRange;
        QTest::newRow("rx out of band") << QStringList{"--channel", "8", "rx=300"} << outOfBand;
        QTest::newRow("rx out of band, channel in use")
            << QStringList{"--channel", "5", "name=X", "rx=146.52"} << outOfBand;
        QTest::newRow("tx out of band") << QStringList{"--channel", "5", "tx=500"} << outOfBand;
        QTest::newRow("frequency channel out of band")
            << QStringList{"--channel", "F2", "rx=0"} << outOfBand;
        QTest::newRow("delete with fields")
            << QStringList{"--channel", "5", "--delete", "rx=145"} << "--delete takes";
    }
    void setRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString file = makeFile(QStringLiteral("refuse.dat"));
        const QByteArray before = fileBlocks(file);
        const Run r = cli(QStringList{QStringLiteral("set"), file} + args);
        QCOMPARE(r.code, ExitCode::Usage);
        QVERIFY2(r.err.contains(message) ||
                     (message == "no such channel" && r.err.contains("no channel")),
                 qPrintable(r.err));
        QCOMPARE(fileBlocks(file), before); // nothing saved
    }

    void setDeletesInPlace()
    {
        const QString file = makeFile(QStringLiteral("delete.dat"));
        const Run r = cli({QStringLiteral("set"), file, QStringLiteral("--channel"),
                           QStringLiteral("5"), QStringLiteral("--delete")});
        QCOMPARE(r.code, ExitCode::Ok);
        QCOMPARE(r.out, QStringLiteral("channel 5 deleted\n"));
        QVERIFY(channelOf(dumpJson(file), QStringLiteral("5")).isEmpty());
    }

    void dumpJsonParsesBack()
    {
        const QString file = makeFile(QStringLiteral("dump.dat"), [](TALL& doc) {
            setField(doc, 5, Field::RxTone, QStringLiteral("D023N"));
            WriteField(doc, Setting::Squelch, 3);
            WriteField(doc, Setting::Burst1750, 15);
        });
        const QJsonObject d = dumpJson(file);
        QVERIFY(!d.isEmpty());
        const QJsonObject model = d[QLatin1String("model")].toObject();
        QCOMPARE(model[QLatin1String("id")].toString(), QStringLiteral("QZ17"));
        QCOMPARE(model[QLatin1String("serial_number")].toString().trimmed(),
                 QStringLiteral("SN0001"));
        QCOMPARE(model[QLatin1String("band_limits")].toArray().size(), 4);

        const QJsonArray channels = d[QLatin1String("channels")].toArray();
        QCOMPARE(channels.size(), 1);
        const QJsonObject ch = channels.at(0).toObject();
        QStringList keys = ch.keys();
        keys.sort();
        QStringList schema{"number",  "rx",      "tx",        "offset",    "duplex",
                           "rx_tone", "tx_tone", "power",     "bandwidth", "scan_skip",
                           "vox",     "voice",   "busy_lock", "epilogue",  "name"};
        schema.sort();
        QCOMPARE(keys, schema);
        QCOMPARE(ch[QLatin1String("number")].toInt(), 5);
        QCOMPARE(ch[QLatin1String("rx_tone")].toString(), QStringLiteral("D023N"));
        QCOMPARE(ch[QLatin1String("name")].toString(), QStringLiteral("HOME  "));
        QCOMPARE(d[QLatin1String("frequency_channels")].toArray().size(), 2);

        const QJsonObject fm = d[QLatin1String("fm")].toObject();
        QCOMPARE(fm[QLatin1String("channels")]
                     .toArray()
                     .at(0)
                     .toObject()[QLatin1String("frequency")]
                     .toString(),
                 QStringLiteral("99.50000"));

        const QJsonObject settings = d[QLatin1String("settings")].toObject();
        QCOMPARE(settings[QLatin1String("cxSQL")].toObject()[QLatin1String("value")].toInt(), 3);
        QCOMPARE(settings[QLatin1String("cxSQL")].toObject()[QLatin1String("item")].toString(),
                 QStringLiteral("3"));
        QCOMPARE(settings[QLatin1String("cx1750")].toObject()[QLatin1String("item")].toString(),
                 QStringLiteral("OFF"));
        for (const char* control : {"cxMode", "cxTOT", "cxVox", "cxScanMode", "cxPriCh", "cxKey1",
                                    "cxFMStep", "cxFMVol", "cxName"})
            QVERIFY2(settings.contains(QLatin1String(control)), control);

        const Run text = cli({QStringLiteral("dump"), file});
        QCOMPARE(text.code, ExitCode::Ok);
        QVERIFY(text.out.contains(
            QRegularExpression(QStringLiteral("\n  5 +145.50000 +145.50000 +D023N +None +High"))));
        QVERIFY(text.out.contains(QRegularExpression(QStringLiteral("\n  cxSQL +3 +3\n"))));
    }

    void diffNamesEachKindOfField_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("line");
        QTest::newRow("channel name")
            << Change([](TALL& d) { setField(d, 5, Field::Name, "AWAY"); })
            << "channel 5 name HOME → AWAY";
        // The record keeps the transmit frequency: offset and shift follow.
        QTest::newRow("channel rx")
            << Change([](TALL& d) { setField(d, 5, Field::RxFreq, "146.0"); })
            << "channel 5 rx 145.50000 → 146.00000\nchannel 5 offset 0.00000 → 0.50000\n"
               "channel 5 duplex 0 → 2";
        QTest::newRow("channel tone")
            << Change([](TALL& d) { setField(d, 5, Field::TxTone, "88.5"); })
            << "channel 5 tx_tone (none) → 88.5";
        QTest::newRow("channel added")
            << Change([](TALL& d) { setField(d, 9, Field::RxFreq, "435.0"); }) << "channel 9 added";
        QTest::newRow("channel removed")
            << Change([](TALL& d) { setField(d, 5, Field::RxFreq, ""); }) << "channel 5 removed";
        QTest::newRow("frequency channel")
            << Change([](TALL& d) { setField(d, 130, Field::Power, "0"); })
            << "frequency channel 2 power 1 → 0";
        QTest::newRow("settings") << Change([](TALL& d) { WriteField(d, Setting::Squelch, 3); })
                                  << "settings cxSQL 5 → 3";
        QTest::newRow("FM channel added") << Change([](TALL& d) {
            QString t = "101.1";
            SetFmChannel(d, 3, t);
        }) << "FM channel 3 added";
        QTest::newRow("FM tuned") << Change([](TALL& d) {
            QString t = "100.0";
            SetFmChannel(d, 31, t);
        }) << "FM tuned 88.00000 → 100.00000";
        QTest::newRow("serial number") << Change([](TALL& d) { StoreSerialNumber(d, "SN0002"); })
                                       << "serial number SN0001           → SN0002          ";
        QTest::newRow("write time") << Change([](TALL& d) {
            WriteTimeStamp(d.image.data() + Image::TimeStamp, "2030-01-02 03:04:05");
        }) << "write time 2026-01-02 03:04:05 → 2030-01-02 03:04:05";
    }
    void diffNamesEachKindOfField()
    {
        QFETCH(Change, change);
        QFETCH(QString, line);
        const QString a = makeFile(QStringLiteral("a.dat"));
        const QString b = makeFile(QStringLiteral("b.dat"), change);
        const Run r = cli({QStringLiteral("diff"), a, b});
        QCOMPARE(r.code, ExitCode::Differ);
        QCOMPARE(r.out, line + u'\n');

        const Run same = cli({QStringLiteral("diff"), a, a});
        QCOMPARE(same.code, ExitCode::Ok);
        QVERIFY(same.out.isEmpty());
    }

    void csvExportAndImportGiveTheSameChannels()
    {
        const QString source = makeFile(QStringLiteral("csv-source.dat"), [](TALL& d) {
            setField(d, 5, Field::TxFreq, QStringLiteral("145.1"));
            setField(d, 5, Field::RxTone, QStringLiteral("D023I"));
            setField(d, 12, Field::RxFreq, QStringLiteral("438.5"));
            setField(d, 12, Field::Power, QStringLiteral("0"));
        });
        const QString csv = path(QStringLiteral("list.csv"));
        const Run exported = cli({QStringLiteral("export-csv"), source, QStringLiteral("-o"), csv});
        QCOMPARE(exported.code, ExitCode::Ok);
        QVERIFY2(exported.err.contains(QLatin1String("2 channels exported")),
                 qPrintable(exported.err));

        const QString target = path(QStringLiteral("csv-target.dat"));
        QCOMPARE(cli({QStringLiteral("new"), QStringLiteral("-o"), target}).code, ExitCode::Ok);
        const QString imported = path(QStringLiteral("csv-imported.dat"));
        const Run r = cli({QStringLiteral("import-csv"), csv, target, QStringLiteral("-o"),
                           imported, QStringLiteral("--yes")});
        QCOMPARE(r.code, ExitCode::Ok);
        QVERIFY2(r.err.contains(QLatin1String("2 channels imported")), qPrintable(r.err));
        const QJsonObject a = dumpJson(source), b = dumpJson(imported);
        QCOMPARE(b[QLatin1String("channels")], a[QLatin1String("channels")]);
    }

    void csvImportAsksAndReports()
    {
        const QString csv = path(QStringLiteral("other.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\n"
                "0,\"Home, base\",145.500000,,0.000000,Tone,88.5,FM\n"
                "1,Air,124.100000,,0.000000,,88.5,AM\n");
        f.close();
        const QString file = makeFile(QStringLiteral("ask.dat"));
        const QByteArray before = fileBlocks(file);

        Run declined = cli({QStringLiteral("import-csv"), csv, file});
        QCOMPARE(declined.code, ExitCode::Declined);
        QVERIFY2(declined.err.contains(QLatin1String("Import 1 channels into")),
                 qPrintable(declined.err));
        QVERIFY(declined.err.contains(QLatin1String("1 skipped")));
        QCOMPARE(fileBlocks(file), before);

        QString answer = QStringLiteral("y\n");
        QTextStream in(&answer);
        const Run confirmed = cli({QStringLiteral("import-csv"), csv, file},
                                  [&](CliEnvironment& env) { env.in = &in; });
        QCOMPARE(confirmed.code, ExitCode::Ok);
        const QJsonObject channel = channelOf(dumpJson(file), QStringLiteral("1"));
        QCOMPARE(channel[QLatin1String("name")].toString(),
                 QStringLiteral("HOME  ")); // the comma is no name character
        QCOMPARE(channel[QLatin1String("tx_tone")].toString(), QStringLiteral("88.5"));
        QVERIFY(channelOf(dumpJson(file), QStringLiteral("2")).isEmpty()); // AM is skipped

        QCOMPARE(cli({QStringLiteral("import-csv"), path(QStringLiteral("none.csv")), file,
                      QStringLiteral("--yes")})
                     .code,
                 ExitCode::File);
    }

    // A program whose settings choose Chinese reports the import in Chinese.
    void csvImportReportsInChinese()
    {
        const QString folder = path(QStringLiteral("chinese"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(QStringLiteral(QZ_BIN_DIR "/Chinese.Ini"), folder + "/Chinese.Ini"));
        QFile settings(folder + QStringLiteral("/SysInfo.Ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[SysInfo]\nDefaultLanguage=1\nLanguage=English|Chinese\n");
        settings.close();
        const QString csv = path(QStringLiteral("chinese.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Location,Frequency,Name\n1,145.000000,abcdefgh\n2,27.185000,X\n");
        f.close();

        const QString file = makeFile(QStringLiteral("chinese.dat"));
        const Run r = cli({QStringLiteral("import-csv"), csv, file, QStringLiteral("-o"),
                           path(QStringLiteral("chinese-out.dat")), QStringLiteral("--yes")},
                          {}, folder + QStringLiteral("/qz17-cli"));
        QCOMPARE(r.code, ExitCode::Ok);
        const QStringList lines = r.err.split(u'\n');
        QVERIFY2(lines.size() > 3, qPrintable(r.err));
        QVERIFY2(lines[0].startsWith(QString::fromUtf16(u"第 2 行，位置 1 → 信道 1：已修改：1 ")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[0].endsWith(
                     QString::fromUtf16(u"（名称“abcdefgh”存为“ABCDEF”：截短为 6 个字符。）")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QString::fromUtf16(
                     u"第 3 行，位置 2：已跳过（频率 27.185000 MHz 超出电台的频段（")),
                 qPrintable(lines[1]));
        QCOMPARE(lines[2], QString::fromUtf16(u"共 2 行：导入 0 行，修改后导入 1 行，跳过 1 行；"
                                              u"文件中未列出的信道保持不变。"));
    }

    void readSavesWhatTheRadioHolds()
    {
        QVERIFY(startRadio({}));
        const QString file = path(QStringLiteral("read.dat"));
        const Run r = cli(
            {QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("-o"), file});
        QCOMPARE(r.code, ExitCode::Ok);
        QVERIFY2(r.err.contains(QLatin1String("read 144 of 146 blocks")), qPrintable(r.err));
        QVERIFY(r.err.contains(English.readOk));
        QCOMPARE(fileBlocks(file), radio->memory().mid(16, Image::Size - 16));
        QCOMPARE(radio->endCount(), 1);
    }

    void writeWithBackupAndVerify()
    {
        const QByteArray old = RadioSimulator::RealisticMemory();
        QVERIFY(startRadio({}, old));
        const QString file = makeFile(QStringLiteral("write.dat"));
        const QString backup = path(QStringLiteral("backup.dat"));
        const Run r = cli({QStringLiteral("write"), QStringLiteral("--port"), port(), file,
                           QStringLiteral("--backup"), backup, QStringLiteral("--verify")});
        QCOMPARE(r.code, ExitCode::Ok);
        QVERIFY2(r.err.contains(QLatin1String("verified: blocks 0 to 144")), qPrintable(r.err));
        QCOMPARE(fileBlocks(backup), old.mid(16, Image::Size - 16));
        // The radio holds the file, apart from the time stamp the write puts in.
        QByteArray expected = fileBlocks(file);
        const int stamp = Image::TimeStamp - 16;
        expected.replace(stamp, Image::TimeStampLength,
                         radio->memory().mid(Image::TimeStamp, Image::TimeStampLength));
        QCOMPARE(radio->memory().mid(16, Image::Size - 16), expected);
        QVERIFY(radio->memory().mid(Image::TimeStamp, Image::TimeStampLength) !=
                fileBlocks(file).mid(stamp, Image::TimeStampLength));
    }

    void transferFailures_data()
    {
        QTest::addColumn<RadioSimOptions>("options");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("radioUnchanged");
        RadioSimOptions o;
        o.modelId = QStringLiteral("QZ99");
        QTest::newRow("wrong model")
            << o << QStringList{} << ExitCode::Model << English.modError << true;
        o.modelId = QStringLiteral("QZ18");
        QTest::newRow("related model without --force")
            << o << QStringList{} << ExitCode::Model << English.modforce << true;
        QTest::newRow("related model with --force")
            << o << QStringList{"--force"} << ExitCode::Ok << English.writeOk << false;
        o = {};
        o.noAnswer = true;
        QTest::newRow("no answer")
            << o << QStringList{} << ExitCode::Radio << English.comError << true;
        o = {};
        o.corruptAt = 20;
        QTest::newRow("verify finds a changed block")
            << o << QStringList{"--verify"} << ExitCode::Verify
            << "verify failed: channel 20 (block 20, bytes 0x140 to 0x14f)" << false;
    }
    void transferFailures()
    {
        QFETCH(RadioSimOptions, options);
        QFETCH(QStringList, extra);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(bool, radioUnchanged);
        const QByteArray old = RadioSimulator::RealisticMemory();
        QVERIFY(startRadio(options, old));
        const Run r = cli(QStringList{QStringLiteral("write"), QStringLiteral("--port"), port(),
                                      makeFile(QStringLiteral("fail.dat"))} +
                              extra,
                          addRelatedModel);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(radio->memory() == old, radioUnchanged);
    }

    void failedReadKeepsTheOldFile()
    {
        RadioSimOptions o;
        o.vanishAt = 40;
        QVERIFY(startRadio(o));
        const QString file = path(QStringLiteral("keep.dat"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kept") == 4);
        f.close();
        const Run r = cli(
            {QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("-o"), file});
        QCOMPARE(r.code, ExitCode::Radio);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kept"));
    }

    void interruptedReadLeavesNothing()
    {
        RadioSimOptions o;
        o.latencyMs = 10;
        QVERIFY(startRadio(o));
        const QString file = path(QStringLiteral("interrupted.dat"));
        QTimer::singleShot(600, [] { Interrupt::instance().request(); });
        const Run r = cli(
            {QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("-o"), file});
        QCOMPARE(r.code, ExitCode::Interrupted);
        QVERIFY2(r.err.contains(QLatin1String("read interrupted; nothing was saved")),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(radio->endCount(), 0); // no end byte is owed to a transfer that was broken off
        // The port is free again: the next read goes through.
        Interrupt::instance().reset();
        QCOMPARE(cli({QStringLiteral("read"), QStringLiteral("--port"), port(),
                      QStringLiteral("-o"), file})
                     .code,
                 ExitCode::Ok);
    }

    // Every command that writes, on a full disk: the old file stays and the command fails
    // with the system's reason. On a real small file system when the test may mount one,
    // else through saves that fail at their first byte.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* c : {"set", "new", "read", "export-csv", "import-csv"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, command);
        SmallFileSystem fs;
        const QString target = (fs.mounted() ? fs.path() : path(QString())) +
                               (command == QLatin1String("export-csv") ? QStringLiteral("old.csv")
                                                                       : QStringLiteral("old.dat"));
        const QString source = makeFile(QStringLiteral("source.dat"));
        QVERIFY(QFile::copy(source, target));
        const QString csv = path(QStringLiteral("full.csv"));
        QCOMPARE(cli({QStringLiteral("export-csv"), source, QStringLiteral("-o"), csv}).code,
                 ExitCode::Ok);
        if (command == QLatin1String("read")) QVERIFY(startRadio({}));
        const QByteArray old = fileBytes(target);
        if (fs.mounted())
            fs.fill();
        else
            FailSavesAfterBytesForTests(0);

        const QMap<QString, QStringList> args = {
            {"set", {"set", target, "--channel", "7", "rx=146.0", "name=FULL"}},
            {"new", {"new", "-o", target}},
            {"read", {"read", "--port", radio ? port() : QString(), "-o", target}},
            {"export-csv", {"export-csv", source, "-o", target}},
            {"import-csv", {"import-csv", csv, target, "--yes"}},
        };
        const Run r = cli(args[command]);
        QCOMPARE(r.code, ExitCode::File);
        QVERIFY2(r.err.contains(QLatin1String("No space left on device")), qPrintable(r.err));
        QVERIFY2(!r.err.contains(QLatin1String("saved to")), qPrintable(r.err));
        QCOMPARE(fileBytes(target), old);
        QFile::remove(target);
    }

    // Ctrl+C or SIGTERM while the import question waits: the tool ends at once with 130
    // and an answer typed afterwards saves nothing.
    void signalAtTheImportQuestion_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
    }
    void signalAtTheImportQuestion()
    {
        QFETCH(int, signal);
        const QString file = makeFile(QStringLiteral("question.dat"));
        const QString csv = path(QStringLiteral("question.csv"));
        QCOMPARE(cli({QStringLiteral("export-csv"), file, QStringLiteral("-o"), csv}).code,
                 ExitCode::Ok);
        QFile edit(csv);
        QVERIFY(edit.open(QIODevice::Append));
        edit.write(
            "9,NINE,146.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n");
        edit.close();
        const QByteArray before = fileBlocks(file);

        QProcess import;
        import.start(Program, {QStringLiteral("import-csv"), csv, file});
        QVERIFY(import.waitForStarted(10000));
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += import.readAllStandardError()).contains("[y/N]"), 15000);
        ::kill(pid_t(import.processId()), signal);
        QVERIFY2(import.waitForFinished(5000), "the signal was ignored");
        import.write("y\n");
        QCOMPARE(import.exitStatus(), QProcess::NormalExit);
        QCOMPARE(import.exitCode(), ExitCode::Interrupted);
        QCOMPARE(fileBlocks(file), before);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*partial*")}, QDir::Files),
                 QStringList());
        if (import.state() != QProcess::NotRunning) import.kill();
    }

    void interruptionCancelsTheSave()
    {
        const QString file = makeFile(QStringLiteral("cancelled.dat"));
        const QByteArray before = fileBlocks(file);
        Interrupt::instance().request();
        const Run r = cli({QStringLiteral("set"), file, QStringLiteral("--channel"),
                           QStringLiteral("5"), QStringLiteral("name=GONE")});
        QCOMPARE(r.code, ExitCode::Interrupted);
        QVERIFY2(
            r.err.contains(QLatin1String("interrupted; ") + file + QLatin1String(" was not saved")),
            qPrintable(r.err));
        QCOMPARE(fileBlocks(file), before);
    }

    void versionAndManualPage()
    {
        const Run version = cli({QStringLiteral("--version")});
        QCOMPARE(version.code, ExitCode::Ok);
        QCOMPARE(version.out, QStringLiteral("qz17-cli %1\n").arg(ProgramVersion()));

        // The manual page names every command, option and exit code of --help.
        QFile page(QStringLiteral(QZ_SOURCE_DIR "/packaging/man/qz17-cli.1.in"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString man = QString::fromUtf8(page.readAll()).remove(QLatin1Char('\\'));
        const auto section = [&man](const char* name) {
            return man.section(QLatin1String(".SH ") + QLatin1String(name) + u'\n', 1)
                .section(QStringLiteral("\n.SH "), 0, 0);
        };
        const QString help = CliHelpText();
        const QString commands = section("COMMANDS");
        const QRegularExpression command(QStringLiteral("^  ([a-z][a-z-]+) "),
                                         QRegularExpression::MultilineOption);
        QStringList named;
        for (const auto& m : command.globalMatch(help.section(QStringLiteral("\n\n"), 1, 1))) {
            named << m.captured(1);
            QVERIFY2(commands.contains(u'"' + m.captured(1) + u' '), qPrintable(m.captured(1)));
        }
        QVERIFY(named.contains(QStringLiteral("import-csv")));
        const QRegularExpression option(QStringLiteral("(-[A-Za-z]\\b|--[a-z-]+)"));
        for (const auto& m : option.globalMatch(help))
            QVERIFY2(man.contains(m.captured(1)), qPrintable(m.captured(1)));
        const QRegularExpression helpCode(QStringLiteral("^  (\\d+) "),
                                          QRegularExpression::MultilineOption);
        const QRegularExpression manCode(QStringLiteral("^\\.B (\\d+)$"),
                                         QRegularExpression::MultilineOption);
        QStringList helpCodes, manCodes;
        for (const auto& m : helpCode.globalMatch(help.section(QStringLiteral("Exit codes:"), 1)))
            helpCodes << m.captured(1);
        for (const auto& m : manCode.globalMatch(section("EXIT STATUS")))
            manCodes << m.captured(1);
        QCOMPARE(manCodes, helpCodes);
        QVERIFY(helpCodes.contains(QStringLiteral("130")));
    }

    void programHelpAndCtrlC()
    {
        QProcess help;
        help.start(Program, {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        const QString text = QString::fromUtf8(help.readAllStandardOutput());
        for (const char* part : {"read --port PORT -o FILE.dat", "diff A.dat B.dat",
                                 "Exit codes:", "  7    verify", "  130  interrupted"})
            QVERIFY2(text.contains(QLatin1String(part)), part);

        RadioSimOptions o;
        o.latencyMs = 10;
        QVERIFY(startRadio(o));
        const QString file = path(QStringLiteral("ctrl-c.dat"));
        QProcess read;
        read.start(Program, {QStringLiteral("read"), QStringLiteral("--port"), port(),
                             QStringLiteral("-o"), file});
        QVERIFY(read.waitForStarted(10000));
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += read.readAllStandardError()).contains("read 16 of 146 blocks"), 15000);
        ::kill(pid_t(read.processId()), SIGINT);
        QVERIFY(read.waitForFinished(10000));
        QCOMPARE(read.exitStatus(), QProcess::NormalExit);
        QCOMPARE(read.exitCode(), ExitCode::Interrupted);
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
