#include "CoreFixture.h"

#include "core/BitCodecs.h"
#include "core/ModelBlock.h"
#include "core/TimeStamp.h"

#include <QDateTime>
#include <QtTest>

namespace {

QByteArray bytes(TestDocument& doc, int offset, int count)
{
    return QByteArray(reinterpret_cast<const char*>(doc.all.image.data() + offset), count);
}

void setBand0(TestDocument& doc, quint32 low, quint32 high)
{
    WriteU32LE(low, doc.all.image.data() + 0x8D0);
    WriteU32LE(high, doc.all.image.data() + 0x8D4);
}

} // namespace

class TestModelBlock : public QObject {
    Q_OBJECT

  private slots:
    void modelTable();
    void dataModuleDefaults();
    void firstDocument();
    void firstHalfOfTheSequenceAlone();
    void decodeModelBlock_data();
    void decodeModelBlock();
    void checkSettings_data();
    void checkSettings();
    void loadSequences();
    void newImageKeepsChosenBands();
};

void TestModelBlock::modelTable()
{
    TALL all;
    TMacList list;
    RegisterModels(all, list);
    QVERIFY(list.FindByIdentifier(QStringLiteral("QZ17")));
    QVERIFY(!list.FindByIdentifier(QStringLiteral("qz17")));
    QVERIFY(!list.FindByIdentifier(QStringLiteral(" QZ17")));
    QVERIFY(!list.FindByIdentifier(QStringLiteral("QZ1")));
    QCOMPARE(list.FindByName(QStringLiteral("QZ-17")), list.GetModel(0));
    QVERIFY(!list.GetModel(1));

    QStringList names{QStringLiteral("old"), QStringLiteral("entries")};
    list.ListNames(names);
    QCOMPARE(names, QStringList{QStringLiteral("QZ-17")});

    const TMacType* m = list.GetModel(0);
    QCOMPARE(m->channelCount, 128);
    for (int i = 0; i < 4; ++i) {
        bool lo = true, hi = true;
        m->GetBandEditable(i, lo, hi);
        QVERIFY(!lo && !hi);
    }
    double lo = 0, hi = 0;
    m->GetBand(2, lo, hi);
    QCOMPARE(lo, 200.0);
    QCOMPARE(hi, 260.0);
    m->GetBandSet(0, false, lo, hi);
    QCOMPARE(lo, 430.0);
    QCOMPARE(hi, 440.0);

    QCOMPARE(all.titleText, QStringLiteral("QZ-17"));
    QVERIFY(all.serialEditable);
    QCOMPARE(all.fmLowerEditLimit, 76.0);
    QCOMPARE(all.fmUpperEditLimit, 108.0);

    // A second model shows the lookups keep registration order.
    auto other = std::make_unique<TMacType>(QStringLiteral("QZ18"), QStringLiteral("QZ-17"), 64);
    list.AddModel(std::move(other));
    QCOMPARE(list.FindByName(QStringLiteral("QZ-17")), list.GetModel(0));
    QCOMPARE(list.FindByIdentifier(QStringLiteral("QZ18"))->channelCount, 64);
}

void TestModelBlock::dataModuleDefaults()
{
    TestDocument doc(false);
    const TALL& all = doc.all;
    QCOMPARE(all.appFolder, QStringLiteral("/tmp/qz17-test/"));
    QCOMPARE(all.currentChannel, 1);
    QCOMPARE(all.baudRate, 2400);
    QCOMPARE(all.portName, QStringLiteral("Com1"));
    QCOMPARE(all.helpPrefix, QStringLiteral("WT"));
    QCOMPARE(all.pictureNumber, 1);
    QCOMPARE(all.languageIndex, 0);
    QCOMPARE(all.stepTable[1], 6.25);
    QCOMPARE(all.stepTable[8], 0.0);
    QCOMPARE(all.channelCount, 0);
    QCOMPARE(doc.models.count(), 1);
    // Before the first document the image is all zero.
    QVERIFY(std::all_of(all.image.begin(), all.image.end(), [](quint8 b) { return b == 0; }));

    // The readers run in order, after the model is registered.
    TfMaindb db;
    QStringList calls;
    db.DataModuleCreate(QStringLiteral("/x/qz17"),
                        {[&](TALL& a) {
                             calls << QStringLiteral("settings:") + a.titleText;
                             a.languageName = QStringLiteral("English");
                         },
                         [&](const TALL& a, TLanguage& l) {
                             calls << QStringLiteral("language:") + a.languageName;
                             l.confirmation = QStringLiteral("Confirmation");
                         }});
    QCOMPARE(calls,
             (QStringList{QStringLiteral("settings:QZ-17"), QStringLiteral("language:English")}));
    QCOMPARE(db.language.confirmation, QStringLiteral("Confirmation"));
}

void TestModelBlock::firstDocument()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    TestDocument doc;
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    QCOMPARE(bytes(doc, 0, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(bytes(doc, 0x10, 0x880 - 0x10), QByteArray(0x880 - 0x10, char(0xFF)));
    QCOMPARE(bytes(doc, 0x880, 16), QByteArray(16, char(0xFF)));

    // The default block after the range check: lamp 3 -> 2, open show 3 -> 2, FM limits.
    QByteArray block(reinterpret_cast<const char*>(DefaultSettingsBlock), 48);
    block.replace(4, 4, QByteArray::fromHex("c00de010"));
    block[0x0E] = char(0xEB);
    block[0x17] = char(0xE0);
    QCOMPARE(bytes(doc, 0x890, 48).toHex(' '), block.toHex(' '));

    QCOMPARE(bytes(doc, 0x8C0, 16).toHex(' '),
             QByteArray::fromHex("50515a3137aa0500ffffffffffffffff").toHex(' '));
    QCOMPARE(bytes(doc, 0x8D0, 32).toHex(' '),
             QByteArray::fromHex(
                 "c0209002 00639f02 00badb00 40c7de00 00000000 00000000 00000000 00000000")
                 .toHex(' '));
    QCOMPARE(bytes(doc, 0x8F0, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(bytes(doc, 0x907, 9), QByteArray(9, char(0xFF)));
    QCOMPARE(bytes(doc, 2320, 18), QByteArray(18, 0));

    const QDateTime stamp = QDateTime::fromString(FormatTimeStamp(doc.all.image.data() + 0x900),
                                                  QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY2(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after,
             qPrintable(stamp.toString()));

    const TALL& all = doc.all;
    QCOMPARE(all.bandLimits[0].low, 430.0);
    QCOMPARE(all.bandLimits[1].high, 146.0);
    QCOMPARE(all.bandLimits[2].low, 0.0);
    QCOMPARE(all.bandMask, quint8(0x05));
    QCOMPARE(all.bandSourceMarker, quint8(0xAA));
    QCOMPARE(all.modelBandMask, quint8(0x0F));
    QCOMPARE(all.bandText, QStringLiteral("430.00000 - 440.00000/144.00000 - 146.00000MHz"));
    QCOMPARE(all.modelName, QStringLiteral("QZ-17"));
    QCOMPARE(all.modelId, QStringLiteral("QZ17"));
    QCOMPARE(all.channelCount, 128);
    QVERIFY(!all.modified);
}

void TestModelBlock::firstHalfOfTheSequenceAlone()
{
    TestDocument doc(false);
    MakeFirstDocument(doc.all, doc.models);
    // Bands 2 and 3 still hold the alternative limits until New writes them as 0.
    QCOMPARE(ReadU32LE(doc.all.image.data() + 0x8E0), quint32(24500000));
    QCOMPARE(ReadU32LE(doc.all.image.data() + 0x8EC), quint32(40000000));
    QCOMPARE(doc.all.bandLimits[2].low, 0.0);
    StartNewImage(doc.all, doc.models);
    QCOMPARE(ReadU32LE(doc.all.image.data() + 0x8E0), quint32(0));
}

void TestModelBlock::decodeModelBlock_data()
{
    QTest::addColumn<int>("marker");
    QTest::addColumn<int>("mask");
    QTest::addColumn<quint32>("low0");
    QTest::addColumn<quint32>("high0");
    QTest::addColumn<double>("band0Low");
    QTest::addColumn<double>("band0High");
    QTest::addColumn<double>("band1Low");
    QTest::addColumn<int>("maskOut");
    QTest::addColumn<int>("markerOut");
    QTest::addColumn<QString>("text");

    QTest::newRow("model's own bands")
        << 0xFF << 0x05 << 43000000u << 44000000u << 410.0 << 470.0 << 136.0 << 0x0F << 0xFF
        << "410.00000 - 470.00000/136.00000 - 174.00000MHz";
    QTest::newRow("user band 0 only") << 0xAA << 0x01 << 43000000u << 44000000u << 430.0 << 440.0
                                      << 0.0 << 0x01 << 0xAA << "430.00000 - 440.00000MHz";
    QTest::newRow("user band below the model")
        << 0xAA << 0x01 << 40000000u << 44000000u << 410.0 << 470.0 << 0.0 << 0x03 << 0xAA
        << "410.00000 - 470.00000MHz";
    QTest::newRow("user band crossed") << 0xAA << 0x01 << 44000000u << 43000000u << 410.0 << 470.0
                                       << 0.0 << 0x03 << 0xAA << "410.00000 - 470.00000MHz";
    QTest::newRow("only bands the model lacks")
        << 0xAA << 0xF0 << 43000000u << 44000000u << 410.0 << 470.0 << 136.0 << 0x0F << 0xFF
        << "410.00000 - 470.00000/136.00000 - 174.00000MHz";
    QTest::newRow("edge snapped to the raster")
        << 0xAA << 0x01 << 43000310u << 43999990u << 430.0 << 440.0 << 0.0 << 0x01 << 0xAA
        << "430.00000 - 440.00000MHz";
}

void TestModelBlock::decodeModelBlock()
{
    QFETCH(int, marker);
    QFETCH(int, mask);
    QFETCH(quint32, low0);
    QFETCH(quint32, high0);
    TestDocument doc;
    doc.at(0x8C5) = quint8(marker);
    doc.at(0x8C6) = quint8(mask);
    setBand0(doc, low0, high0);
    const QByteArray image = bytes(doc, 0, 2320);

    DecodeModelBlock(doc.all, doc.models);
    QTEST(doc.all.bandLimits[0].low, "band0Low");
    QTEST(doc.all.bandLimits[0].high, "band0High");
    QTEST(doc.all.bandLimits[1].low, "band1Low");
    QTEST(int(doc.all.bandMask), "maskOut");
    QTEST(int(doc.all.bandSourceMarker), "markerOut");
    QTEST(doc.all.bandText, "text");
    QCOMPARE(bytes(doc, 0, 2320), image); // decoding writes nothing
}

void TestModelBlock::checkSettings_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("checked");
    QTest::newRow("dropout delay")
        << 0x8A3 << QByteArray::fromHex("28") << QByteArray::fromHex("0c");
    QTest::newRow("both step nibbles")
        << 0x8A1 << QByteArray::fromHex("48") << QByteArray::fromHex("14");
    QTest::newRow("priority 128 kept")
        << 0x8A4 << QByteArray::fromHex("80") << QByteArray::fromHex("80");
    QTest::newRow("priority 129") << 0x8A4 << QByteArray::fromHex("81")
                                  << QByteArray::fromHex("00");
    QTest::newRow("scan speed 9 kept")
        << 0x8A2 << QByteArray::fromHex("92") << QByteArray::fromHex("92");
    QTest::newRow("byte 3 above 19")
        << 0x89B << QByteArray::fromHex("14") << QByteArray::fromHex("00");
    QTest::newRow("FM limits crossed")
        << 0x894 << QByteArray::fromHex("a00fb80b") << QByteArray::fromHex("c00de010");
    QTest::newRow("FM limits kept")
        << 0x894 << QByteArray::fromHex("f00ad011") << QByteArray::fromHex("f00ad011");
    QTest::newRow("FM lower limit below 70 MHz")
        << 0x894 << QByteArray::fromHex("ef0ad011") << QByteArray::fromHex("c00de010");
    QTest::newRow("FM limits equal")
        << 0x894 << QByteArray::fromHex("a00fa00f") << QByteArray::fromHex("c00de010");
}

void TestModelBlock::checkSettings()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, stored);
    TestDocument doc;
    std::copy(stored.begin(), stored.end(), doc.all.image.begin() + offset);
    CheckSettings(doc.all);
    QTEST(bytes(doc, offset, stored.size()), "checked");
}

void TestModelBlock::loadSequences()
{
    TestDocument doc;
    doc.at(0x8C5) = 0xFF; // radio uses the model's own bands
    doc.at(0x8A3) = 40;   // out of range
    doc.at(0x8C1) = 'X';  // the block is rewritten from the state
    const QByteArray block0 = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    std::copy(block0.begin(), block0.end(), doc.all.image.begin());

    LoadAfterRead(doc.all, doc.models, QStringLiteral("QZ17"));
    QVERIFY(doc.all.modified);
    QCOMPARE(doc.at(0x8A3), quint8(12));
    QCOMPARE(bytes(doc, 0x8C0, 8).toHex(' '), QByteArray::fromHex("50515a3137ff0f00").toHex(' '));
    QCOMPARE(ReadU32LE(doc.all.image.data() + 0x8D8), quint32(13600000));
    QCOMPARE(bytes(doc, 0, 16), block0);

    doc.at(0x8A3) = 99;
    LoadAfterOpen(doc.all, doc.models, QStringLiteral("QZ17"));
    QVERIFY(!doc.all.modified);
    QCOMPARE(doc.at(0x8A3), quint8(12));
    QCOMPARE(bytes(doc, 0, 16), block0);
}

void TestModelBlock::newImageKeepsChosenBands()
{
    TestDocument doc;
    doc.all.bandLimits = {TBandLimits{420.0, 450.0}, TBandLimits{}, TBandLimits{}, TBandLimits{}};
    doc.all.bandMask = 0x01;
    doc.all.bandSourceMarker = 0xAA;
    doc.all.modified = true;
    StartNewImage(doc.all, doc.models);
    QVERIFY(!doc.all.modified);
    QCOMPARE(ReadU32LE(doc.all.image.data() + 0x8D0), quint32(42000000));
    QCOMPARE(ReadU32LE(doc.all.image.data() + 0x8D4), quint32(45000000));
    QCOMPARE(doc.at(0x8C6), quint8(0x01));
    QCOMPARE(doc.all.bandText, QStringLiteral("420.00000 - 450.00000MHz"));
}

QTEST_GUILESS_MAIN(TestModelBlock)
#include "tst_modelblock.moc"
