// Channel list files on disk: reading refuses what is no channel list file, writing
// replaces a file whole or not at all.
#include "FilesFixture.h"

#include "files/CsvFile.h"

#include <QtTest>

class TestCsvFile : public QObject {
    Q_OBJECT

  private slots:
    void readsTheFile()
    {
        TempFolder folder;
        const QString path = folder.write("list.csv", "Location,Frequency\r\n1,145.0\r\n");
        QByteArray bytes;
        QString reason;
        QVERIFY(ReadCsvFile(path, bytes, &reason));
        QCOMPARE(bytes, QByteArray("Location,Frequency\r\n1,145.0\r\n"));
        QVERIFY(reason.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("too large") << "large";
    }

    void refusals()
    {
        QFETCH(QString, what);
        TempFolder folder;
        QString path = folder.file("none.csv");
        if (what == QLatin1String("folder")) {
            path = folder.file("folder.csv");
            QVERIFY(QDir().mkpath(path));
        }
        if (what == QLatin1String("large"))
            path = folder.write("large.csv", QByteArray(int(MaxCsvFileSize) + 1, 'x'));
        QByteArray bytes("kept");
        QString reason;
        QVERIFY(!ReadCsvFile(path, bytes, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(bytes, QByteArray("kept"));
    }

    void writeReplacesTheFileWhole()
    {
        TempFolder folder;
        const QString path = folder.write("list.csv", QByteArray(1000, 'o'));
        QString reason;
        QVERIFY(WriteCsvFile(path, "short\r\n", &reason));
        QCOMPARE(folder.read("list.csv"), QByteArray("short\r\n"));
    }

    void failedWriteSaysWhy()
    {
        TempFolder folder;
        QString reason;
        QVERIFY(!WriteCsvFile(folder.file("no/such/folder/list.csv"), "x", &reason));
        QVERIFY(!reason.isEmpty());
        // Where a folder stands, nothing replaces it.
        const QString path = folder.file("taken.csv");
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!WriteCsvFile(path, "x", &reason));
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
