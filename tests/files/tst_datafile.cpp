#include "FilesFixture.h"
#include "tests/core/CoreFixture.h"

#include "core/BitCodecs.h"
#include "files/DataFile.h"

#include <QDateTime>
#include <QtTest>
#include <unistd.h>

namespace {

QByteArray imageBytes(const TALL& all, int from, int to)
{
    return QByteArray(reinterpret_cast<const char*>(all.image.data() + from), to - from);
}

// A document with some channel data, settings and a name of its own.
void fillSomething(TestDocument& doc)
{
    for (int i = 16; i < 0x810; ++i)
        doc.at(i) = quint8(i * 7);
    doc.at(Image::settingsOffset(11)) = 20;
    for (int i = 0; i < Image::SerialLength; ++i)
        doc.at(Image::SerialNumber + i) = quint8('A' + i);
}

QByteArray fileFor(TestDocument& doc, const QByteArray& name = "PQZ17")
{
    QByteArray bytes = EncodeDataFile(doc.all, QStringLiteral("2009-07-05 14:03"));
    bytes.replace(0, 5, name.leftJustified(5, ' ', true));
    return bytes;
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT

  private slots:
    void encodeHeader_data();
    void encodeHeader();
    void decodeHeader_data();
    void decodeHeader();
    void headerModelId_data();
    void headerModelId();
    void savedFileLayout();
    void saveTimeIsNow();
    void roundTrip();
    void openRunsTheLoadProcessing();
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void readOnlyFileIsNotReplaced();
};

void TestDataFile::encodeHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("saved by the program")
        << "PQZ17"
        << "000000"
        << "2009-07-05 14:03" << QByteArray::fromHex("50515A3137000000D90707050E03FFFF");
    QTest::newRow("short name padded")
        << "PQZ1"
        << "000000"
        << "2024-12-31 23:59" << QByteArray::fromHex("50515A3120000000E8070C1F173BFFFF");
    QTest::newRow("long name cut")
        << "PQZ17X"
        << "0A0B0C"
        << "2000-01-01 00:00" << QByteArray::fromHex("50515A31370A0B0CD00701010000FFFF");
}

void TestDataFile::encodeHeader()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, date);
    QFETCH(QByteArray, expected);
    quint8 header[16] = {};
    EncodeFileHeader(header, name, code, date);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(header), 16).toHex(), expected.toHex());
}

void TestDataFile::decodeHeader_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("date");

    QTest::newRow("saved by the program")
        << QByteArray::fromHex("50515A3137000000D90707050E03FFFF") << "PQZ17"
        << "000000"
        << "2009-07-05 14:03";
    QTest::newRow("code in upper case")
        << QByteArray::fromHex("58515A3137ABCDEFE8070C1F173B0000") << "XQZ17"
        << "ABCDEF"
        << "2024-12-31 23:59";
    QTest::newRow("all FF") << QByteArray(16, '\xFF') << QString(5, QChar(0xFF)) << "FFFFFF"
                            << "65535-255-255 255:255";
}

void TestDataFile::decodeHeader()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, date);
    QString n, c, d;
    DecodeFileHeader(reinterpret_cast<const quint8*>(header.constData()), n, c, d);
    QCOMPARE(n, name);
    QCOMPARE(c, code);
    QCOMPARE(d, date);
}

void TestDataFile::headerModelId_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("id");
    QTest::newRow("P and identifier") << "PQZ17"
                                      << "QZ17";
    QTest::newRow("first character not examined") << "#QZ17"
                                                  << "QZ17";
    QTest::newRow("three characters and a blank") << "PQZ1 "
                                                  << "QZ1";
    QTest::newRow("control characters around") << QString::fromLatin1("P\x01QZ\x00", 5) << "QZ";
    QTest::newRow("blank inside stays") << "PQ Z1"
                                        << "Q Z1";
}

void TestDataFile::headerModelId()
{
    QFETCH(QString, name);
    QFETCH(QString, id);
    QCOMPARE(HeaderModelId(name), id);
}

void TestDataFile::savedFileLayout()
{
    TestDocument doc;
    fillSomething(doc);
    doc.all.modified = true;
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("radio.dat"));
    QString reason;
    QVERIFY2(WriteDataFile(doc.all, path, &reason, QStringLiteral("2009-07-05 14:03")),
             qPrintable(reason));
    QVERIFY(!doc.all.modified);

    const QByteArray bytes = folder.read(QStringLiteral("radio.dat"));
    QCOMPARE(bytes.size(), 2320);
    QCOMPARE(bytes.left(16).toHex(), QByteArray("50515a3137000000d90707050e03ffff"));
    QCOMPARE(bytes.mid(16), imageBytes(doc.all, 16, 2320));
    // Only the file itself is left in the folder.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.dat"});
}

void TestDataFile::saveTimeIsNow()
{
    TestDocument doc;
    TempFolder folder;
    const QString before = SaveTimeText();
    QVERIFY(WriteDataFile(doc.all, folder.file(QStringLiteral("t.dat"))));
    const QString after = SaveTimeText();
    const QByteArray bytes = folder.read(QStringLiteral("t.dat"));
    QString name, code, date;
    DecodeFileHeader(reinterpret_cast<const quint8*>(bytes.constData()), name, code, date);
    QVERIFY2(date == before || date == after, qPrintable(date));
    QCOMPARE(QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd HH:mm")).isValid(), true);
}

void TestDataFile::roundTrip()
{
    TestDocument saved;
    fillSomething(saved);
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("radio.dat"));
    QVERIFY(WriteDataFile(saved.all, path, nullptr, QStringLiteral("2009-07-05 14:03")));

    TestDocument opened;
    for (int i = 0; i < 16; ++i)
        opened.at(i) = quint8(0x11 * (i % 8));
    const QByteArray block0 = imageBytes(opened.all, 0, 16);
    opened.all.modified = true;
    const DataFileResult result = ReadDataFile(opened.all, opened.models, path);
    QVERIFY(result.ok());
    QCOMPARE(imageBytes(opened.all, 16, 2320), imageBytes(saved.all, 16, 2320));
    QCOMPARE(imageBytes(opened.all, 0, 16), block0);
    QCOMPARE(imageBytes(opened.all, 2320, Image::BufferSize), QByteArray(18, '\0'));
    QVERIFY(!opened.all.modified);
    QCOMPARE(opened.all.fileDateText, QStringLiteral("2009-07-05 14:03"));
    QCOMPARE(opened.all.modelId, QStringLiteral("QZ17"));

    // Saved again, the file is the same byte for byte.
    QVERIFY(WriteDataFile(opened.all, path + QStringLiteral("2"), nullptr,
                          QStringLiteral("2009-07-05 14:03")));
    QCOMPARE(folder.read(QStringLiteral("radio.dat2")), folder.read(QStringLiteral("radio.dat")));
}

void TestDataFile::openRunsTheLoadProcessing()
{
    TestDocument saved;
    saved.at(Image::settingsOffset(11)) = 40; // out of range: reset to 12
    saved.at(Image::BandSourceMarker) = 0xFF; // model's own bands
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("x.dat"), fileFor(saved));
    TestDocument opened;
    QVERIFY(ReadDataFile(opened.all, opened.models, path).ok());
    QCOMPARE(int(opened.at(Image::settingsOffset(11))), 12);
    QCOMPARE(opened.all.bandText, QStringLiteral("410.00000 - 470.00000/136.00000 - 174.00000MHz"));
    QCOMPARE(int(opened.at(Image::BandSourceMarker)), 0xFF);
}

void TestDataFile::accepted_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("extra");
    QTest::newRow("P and identifier") << QByteArray("PQZ17") << 0;
    QTest::newRow("other first character") << QByteArray("xQZ17") << 0;
    QTest::newRow("longer file") << QByteArray("PQZ17") << 700;
}

void TestDataFile::accepted()
{
    QFETCH(QByteArray, name);
    QFETCH(int, extra);
    TestDocument saved;
    fillSomething(saved);
    TempFolder folder;
    const QString path =
        folder.write(QStringLiteral("x.dat"), fileFor(saved, name) + QByteArray(extra, '\x5A'));
    TestDocument opened;
    QVERIFY(ReadDataFile(opened.all, opened.models, path).ok());
    QCOMPARE(imageBytes(opened.all, 16, 2320), imageBytes(saved.all, 16, 2320));
}

void TestDataFile::refused_data()
{
    QTest::addColumn<int>("kind"); // 0 bytes below, 1 missing file, 2 a folder
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("status");

    QTest::newRow("one byte short")
        << 0 << QByteArray("PQZ17") << 2319 << int(DataFileResult::TooShort);
    QTest::newRow("header only") << 0 << QByteArray("PQZ17") << 16 << int(DataFileResult::TooShort);
    QTest::newRow("empty") << 0 << QByteArray("PQZ17") << 0 << int(DataFileResult::TooShort);
    QTest::newRow("unknown model")
        << 0 << QByteArray("PQZ18") << 2320 << int(DataFileResult::UnknownModel);
    QTest::newRow("identifier in lower case")
        << 0 << QByteArray("Pqz17") << 2320 << int(DataFileResult::UnknownModel);
    QTest::newRow("three characters and a blank")
        << 0 << QByteArray("PQZ1 ") << 2320 << int(DataFileResult::UnknownModel);
    QTest::newRow("missing file") << 1 << QByteArray() << 0 << int(DataFileResult::OpenFailed);
    QTest::newRow("a folder") << 2 << QByteArray() << 0 << int(DataFileResult::OpenFailed);
}

void TestDataFile::refused()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, name);
    QFETCH(int, length);
    QFETCH(int, status);
    TestDocument other;
    fillSomething(other);
    TempFolder folder;
    QString path = folder.file(QStringLiteral("missing.dat"));
    if (kind == 0) path = folder.write(QStringLiteral("x.dat"), fileFor(other, name).left(length));
    if (kind == 2) path = folder.path();

    TestDocument doc;
    doc.all.modified = true;
    doc.all.fileDateText = QStringLiteral("earlier");
    const TALL before = doc.all;
    const DataFileResult result = ReadDataFile(doc.all, doc.models, path);
    QCOMPARE(int(result.status), status);
    if (status == DataFileResult::TooShort) QCOMPARE(result.size, qint64(length));
    if (status == DataFileResult::UnknownModel)
        QCOMPARE(result.modelId, HeaderModelId(QString::fromLatin1(name)));
    if (status == DataFileResult::OpenFailed) QVERIFY(!result.reason.isEmpty());
    QVERIFY(doc.all.image == before.image);
    QVERIFY(doc.all.modified);
    QCOMPARE(doc.all.fileDateText, before.fileDateText);
    QCOMPARE(doc.all.bandText, before.bandText);
}

void TestDataFile::failedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("missing folder") << "no/such/folder/x.dat";
    QTest::newRow("a folder of that name") << "taken.dat";
}

void TestDataFile::failedSaveChangesNothing()
{
    QFETCH(QString, where);
    TempFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("taken.dat/inside")));
    TestDocument doc;
    doc.all.modified = true;
    QString reason;
    QVERIFY(!WriteDataFile(doc.all, folder.file(where), &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(doc.all.modified);
    QVERIFY(QFileInfo(folder.file(QStringLiteral("taken.dat/inside"))).isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestDataFile::readOnlyFileIsNotReplaced()
{
    if (geteuid() == 0) QSKIP("permissions do not bind the superuser");
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("kept.dat"), "previous");
    QFile::setPermissions(path, QFile::ReadOwner);
    TestDocument doc;
    doc.all.modified = true;
    QString reason;
    QVERIFY(!WriteDataFile(doc.all, path, &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(doc.all.modified);
    QCOMPARE(folder.read(QStringLiteral("kept.dat")), QByteArray("previous"));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
