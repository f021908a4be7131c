// The command line of qz17: no argument opens the window, --help and --version answer,
// anything else is refused with exit code 2; the manual page names every option.

#include "core/ProgramVersion.h"
#include "shell/ProgramArguments.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestProgramArguments : public QObject {
    Q_OBJECT

  private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<bool>("exitNow");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");

        const QString version = QStringLiteral("qz17 %1\n").arg(ProgramVersion());
        QTest::newRow("none") << QStringList{} << false << 0 << ""
                              << "";
        QTest::newRow("--help") << QStringList{"--help"} << true << 0 << "Usage: qz17"
                                << "";
        QTest::newRow("-h") << QStringList{"-h"} << true << 0 << "Usage: qz17"
                            << "";
        QTest::newRow("--version") << QStringList{"--version"} << true << 0 << version << "";
        QTest::newRow("-v") << QStringList{"-v"} << true << 0 << version << "";
        QTest::newRow("help wins")
            << QStringList{"--version", "--help"} << true << 0 << "Usage: qz17"
            << "";
        QTest::newRow("unknown option") << QStringList{"--fast"} << true << 2 << ""
                                        << "qz17: Unknown option 'fast'.";
        QTest::newRow("a data file") << QStringList{"radio.dat"} << false << 0 << ""
                                     << "";
        QTest::newRow("two files") << QStringList{"radio.dat", "other.dat"} << true << 2 << ""
                                   << "qz17: unexpected argument 'other.dat'";
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, exitNow);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const ProgramArguments a =
            ParseProgramArguments(QStringList{QStringLiteral("/usr/bin/qz17")} + arguments);
        const bool oneFile = arguments.size() == 1 && !arguments.first().startsWith(u'-');
        QCOMPARE(a.dataFile, oneFile ? arguments.first() : QString());
        QCOMPARE(a.exitNow, exitNow);
        QCOMPARE(a.exitCode, exitCode);
        if (output.isEmpty())
            QVERIFY(a.output.isEmpty());
        else
            QVERIFY2(a.output.startsWith(output), qPrintable(a.output));
        if (error.isEmpty()) {
            QVERIFY(a.error.isEmpty());
        } else {
            QVERIFY2(a.error.startsWith(error), qPrintable(a.error));
            QVERIFY(a.error.endsWith(QLatin1String("Try 'qz17 --help'.\n")));
        }
    }

    // Every option of the help text is in the manual page, under OPTIONS.
    void manualPageNamesEveryOption()
    {
        QFile page(QStringLiteral(QZ_SOURCE_DIR "/packaging/man/qz17.1.in"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll()).remove(QLatin1Char('\\'));
        const QString options =
            text.section(QStringLiteral(".SH OPTIONS"), 1).section(".SH ", 0, 0);
        const QRegularExpression option(QStringLiteral("\\s(--?[A-Za-z][a-z-]*)"));
        int seen = 0;
        for (const auto& m : option.globalMatch(ProgramHelpText())) {
            QVERIFY2(options.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++seen;
        }
        QVERIFY(seen >= 4);
        QVERIFY(text.contains(QLatin1String(".SH EXIT STATUS\n.TP\n.B 0\n")));
        QVERIFY(text.contains(QLatin1String("\n.B 2\n")));
    }
};

QTEST_GUILESS_MAIN(TestProgramArguments)
#include "tst_programarguments.moc"
