// Saving and opening files: every kind of save on a full disk (a real one when the test
// may mount it, a save that fails after N bytes everywhere), leftovers of a killed save,
// and things that are not files where a file is expected.
#include "FilesFixture.h"

#include "core/AppState.h"
#include "core/LanguageTexts.h"
#include "files/CsvFile.h"
#include "files/DataFile.h"
#include "files/DiskFile.h"
#include "files/IniFile.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"
#include "tests/core/CoreFixture.h"
#include "tests/support/SmallFileSystem.h"
#include "tools/radiosim/RadioSimulator.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>

namespace {

enum Kind { DataFileKind, CsvKind, SettingsKind };

const QByteArray OldSettings =
    utf8(u"[SysInfo]\nCom=COM1\nDefaultLanguage=1\nHelp=WT\nLanguage=Chinese|English\n"
         u"English=Chinese|English\nChinese=中文|英文\n");

QByteArray oldContent(int kind)
{
    switch (kind) {
    case DataFileKind: {
        TestDocument other;
        other.all.image[16] = 0x17;
        return EncodeDataFile(other.all, QStringLiteral("2010-02-03 04:05"));
    }
    case CsvKind:
        return "Location,Name,Frequency\r\n1,OLD,145.000000\r\n";
    default:
        return OldSettings;
    }
}

QString fileName(int kind)
{
    return kind == DataFileKind ? QStringLiteral("radio.dat")
           : kind == CsvKind    ? QStringLiteral("list.csv")
                                : QStringLiteral("SysInfo.Ini");
}

// Saves a file of the kind at path as the programs do, with new content. For a data
// file stillModified tells whether the document still counts as unsaved.
bool saveKind(int kind, const QString& path, QString& reason, bool* stillModified = nullptr)
{
    switch (kind) {
    case DataFileKind: {
        TestDocument doc;
        doc.all.modified = true;
        const bool ok = WriteDataFile(doc.all, path, &reason);
        if (stillModified) *stillModified = doc.all.modified;
        return ok;
    }
    case CsvKind:
        return WriteCsvFile(path, QByteArray(3000, 'n'), &reason);
    default: {
        SettingsPlace place;
        place.shippedPath = path;
        TALL all;
        ReadSettingsFileAt(all, place);
        all.portName = QStringLiteral("COM9");
        return WriteSettingsFileAt(all, place, &reason);
    }
    }
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList filesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(QStringLiteral("filler"));
    return names;
}

bool isFifo(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// Runs read in a thread of its own. A read that waits on the named pipe is freed after
// a few seconds (the test opens the other end and closes it again) and counts as waiting.
bool readsWithoutWaiting(const QString& fifo, const std::function<void()>& read)
{
    std::atomic<bool> done{false};
    std::thread reader([&] {
        read();
        done = true;
    });
    QDeadlineTimer deadline(5000);
    while (!done && !deadline.hasExpired())
        QThread::msleep(10);
    const bool quick = done;
    while (!done) {
        for (int end : {O_RDONLY, O_WRONLY}) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), end | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        }
        QThread::msleep(10);
    }
    reader.join();
    return quick;
}

} // namespace

class TestDiskFile : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        FailSavesAfterBytesForTests(-1);
        SetSaveInterruptCheck(nullptr);
    }

    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("limit"); // bytes before the seam fails; -1: a full tmpfs
        for (int kind : {DataFileKind, CsvKind, SettingsKind}) {
            const QByteArray name = fileName(kind).toLatin1();
            QTest::newRow(name + ", full file system") << kind << qint64(-1);
            QTest::newRow(name + ", fails at once") << kind << qint64(0);
            // The new content is as long as the old one, apart from the CSV's 3000 bytes.
            QTest::newRow(name + ", fails at the last byte")
                << kind << qint64(kind == CsvKind ? 2999 : oldContent(kind).size() - 1);
        }
        QTest::newRow("list.csv, fails after a first part") << int(CsvKind) << qint64(1000);
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, kind);
        QFETCH(qint64, limit);
        SmallFileSystem fs;
        TempFolder folder;
        if (limit < 0 && !fs.mounted()) QSKIP(fs.why());
        const QString dir = limit < 0 ? fs.path() : folder.path();
        const QString path = dir + fileName(kind);
        const QByteArray old = oldContent(kind);
        QVERIFY(writeFile(path, old));
        if (limit < 0)
            fs.fill();
        else
            FailSavesAfterBytesForTests(limit);

        QString reason;
        bool stillModified = false;
        QVERIFY(!saveKind(kind, path, reason, &stillModified));
        QVERIFY2(reason.contains(QLatin1String("No space left on device")), qPrintable(reason));
        QCOMPARE(readFile(path), old);
        QCOMPARE(filesIn(dir), QStringList{fileName(kind)}); // nothing half written beside it
        if (kind == DataFileKind) QVERIFY(stillModified);

        // Once there is room the same save goes through.
        FailSavesAfterBytesForTests(-1);
        QFile::remove(dir + QStringLiteral("filler"));
        QVERIFY2(saveKind(kind, path, reason), qPrintable(reason));
        QVERIFY(readFile(path) != old);
        QCOMPARE(filesIn(dir), QStringList{fileName(kind)});
    }

    void saveKeepsPermissionsAndFollowsLinks()
    {
        TempFolder folder;
        const QString real = folder.write(QStringLiteral("real.dat"), "old");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(real, mode));
        QVERIFY(QFile::link(real, folder.file(QStringLiteral("link.dat"))));
        QString reason;
        QVERIFY2(SaveFile(folder.file(QStringLiteral("link.dat")), "new", &reason),
                 qPrintable(reason));
        QVERIFY(QFileInfo(folder.file(QStringLiteral("link.dat"))).isSymLink());
        QCOMPARE(folder.read(QStringLiteral("real.dat")), QByteArray("new"));
        // Owner, group and others as they were (the flags for the current user aside).
        QCOMPARE(QFile::permissions(real) & 0x7077, mode);
    }

    void leftoversOfKilledSavesAreCleared()
    {
        TempFolder folder;
        const auto made = [&](const QString& name, int ageHours) {
            const QString path = folder.write(name, "partial");
            QFile f(path);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime::currentDateTime().addSecs(-ageHours * 3600),
                          QFileDevice::FileModificationTime);
            return path;
        };
        const QString stale = made(QStringLiteral("radio.dat.qz17-partial-a1B2c3"), 25);
        const QStringList kept = {
            made(QStringLiteral("radio.dat.qz17-partial-Zz9yY8"), 1),   // a save may still run
            made(QStringLiteral("other.dat.qz17-partial-a1B2c3"), 48),  // another file's
            made(QStringLiteral("radio.dat.qz17-partial-backup1"), 48), // not one of ours
            made(QStringLiteral("radio.dat.backup"), 48),
        };
        QVERIFY(PartialSaveName(QStringLiteral("radio.dat"))
                    .startsWith(QLatin1String("radio.dat.qz17-partial-")));

        QVERIFY(SaveFile(folder.file(QStringLiteral("radio.dat")), "new"));
        QVERIFY(!QFile::exists(stale));
        for (const QString& path : kept)
            QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    void interruptedSaveKeepsTheOldFile()
    {
        TempFolder folder;
        const QString path = folder.write(QStringLiteral("radio.dat"), "old");
        SetSaveInterruptCheck([] { return true; });
        QString reason;
        QVERIFY(!SaveFile(path, "new", &reason));
        QCOMPARE(reason, QStringLiteral("Interrupted"));
        QCOMPARE(folder.read(QStringLiteral("radio.dat")), QByteArray("old"));
        QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("radio.dat")});
    }

    void whatIsNotAFileIsNeverReplaced_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("reason");
        QTest::newRow("named pipe") << true << "named pipe";
        QTest::newRow("folder") << false << "folder";
    }

    void whatIsNotAFileIsNeverReplaced()
    {
        QFETCH(bool, pipe);
        QFETCH(QString, reason);
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("radio.dat"));
        QVERIFY(pipe ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                     : QDir().mkpath(path));
        QString why;
        QVERIFY(!SaveFile(path, "new", &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QVERIFY(pipe ? isFifo(path) : QFileInfo(path).isDir());
    }

    // Each reader refuses a named pipe at once, with a reason, and changes nothing.
    void readersRefuseNamedPipes_data()
    {
        QTest::addColumn<QString>("reader");
        for (const char* r :
             {"data file", "CSV", "INI", "language file", "settings file", "simulator memory file"})
            QTest::newRow(r) << QString::fromLatin1(r);
    }

    void readersRefuseNamedPipes()
    {
        QFETCH(QString, reader);
        TempFolder folder;
        const bool settings = reader == QLatin1String("settings file");
        const QString fifo =
            folder.file(settings ? QStringLiteral("SysInfo.Ini") : QStringLiteral("named.pipe"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QFile::remove(UserSettingsPath());

        QString reason;
        bool refused = false;
        const bool quick = readsWithoutWaiting(fifo, [&] {
            if (reader == QLatin1String("data file")) {
                TestDocument doc;
                const DataFileResult r = ReadDataFile(doc.all, doc.models, fifo);
                refused = r.status == DataFileResult::OpenFailed;
                reason = r.reason;
            } else if (reader == QLatin1String("CSV")) {
                QByteArray bytes;
                refused = !ReadCsvFile(fifo, bytes, &reason);
            } else if (reader == QLatin1String("INI")) {
                TIniFile ini(fifo);
                reason = ini.readFailure();
                // Writing it would drop whatever it holds: refused as well.
                ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
                refused = !ini.UpdateFile();
            } else if (reader == QLatin1String("language file")) {
                TLanguage texts;
                LoadLanguageFile(fifo, texts);
                refused = texts.confirmation == EnglishMessageTexts().confirmation;
                reason = QStringLiteral("named pipe"); // the built-in texts are all it says
            } else if (reader == QLatin1String("settings file")) {
                TALL all;
                all.appFolder = folder.path();
                ReadSettingsFile(all);
                all.portName = QStringLiteral("COM3");
                // The settings go to the user's file; the pipe is left alone.
                refused = all.languageName == QStringLiteral("Chinese") &&
                          WriteSettingsFile(all, &reason);
                reason = QStringLiteral("named pipe");
            } else {
                RadioSimulator radio;
                refused = !radio.loadDataFile(fifo, &reason);
            }
        });
        QVERIFY2(quick, "the reader waited on the named pipe");
        QVERIFY(refused);
        QVERIFY2(reason.contains(QLatin1String("named pipe")), qPrintable(reason));
        QVERIFY(isFifo(fifo));
        if (settings) QFile::remove(UserSettingsPath());
    }
};

QTEST_GUILESS_MAIN(TestDiskFile)
#include "tst_diskfile.moc"
