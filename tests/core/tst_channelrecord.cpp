#include "CoreFixture.h"

#include "core/ChannelRecord.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"

#include <QtTest>

namespace {

QString store(TALL& all, int k, int code, const QString& text)
{
    QString t = text;
    SetChannelField(all, k, code, t);
    return t;
}

QByteArray recordBytes(TestDocument& doc, int k)
{
    return QByteArray(reinterpret_cast<const char*>(doc.rec(k)), 16);
}

// Channel 1 with receive 145.000, offset 0.600, minus: transmit 144.400.
void makeRepeaterChannel(TestDocument& doc)
{
    store(doc.all, 1, Field::RxFreq, QStringLiteral("145.000"));
    QCOMPARE(store(doc.all, 1, Field::TxFreq, QStringLiteral("144.400")),
             QStringLiteral("144.40000"));
}

} // namespace

class TestChannelRecord : public QObject {
    Q_OBJECT

  private slots:
    void receiveChangeKeepsTransmit();
    void transmitChangeKeepsReceive();
    void changesTooFarApartAreRefused();
    void deleteErasesTheChannel();
    void newChannelOnTheFittingRaster();
    void names_data();
    void names();
    void flagFields_data();
    void flagFields();
    void scanField();
    void decodeCleansTheRecord();
    void frequencyChannelFollowsTheStep_data();
    void frequencyChannelFollowsTheStep();
    void frequencyChannelOffsetAndEmptyText();
};

void TestChannelRecord::receiveChangeKeepsTransmit()
{
    TestDocument doc;
    makeRepeaterChannel(doc);
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.offset, 0.6);
    QCOMPARE(ch.direction, quint8(2));

    QCOMPARE(store(doc.all, 1, Field::RxFreq, QStringLiteral("145.500")),
             QStringLiteral("145.50000"));
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.rxFreq, 145.5);
    QCOMPARE(FormatMHz(ch.offset), QStringLiteral("1.10000"));
    QCOMPARE(ch.direction, quint8(2));
    QCOMPARE(FormatMHz(ch.txFreq), QStringLiteral("144.40000"));

    // Typed with the unit, as the grid may pass it.
    QCOMPARE(store(doc.all, 1, Field::RxFreq, QStringLiteral("144.1MHz")),
             QStringLiteral("144.10000"));
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.direction, quint8(1));
    QCOMPARE(FormatMHz(ch.txFreq), QStringLiteral("144.40000"));
}

void TestChannelRecord::transmitChangeKeepsReceive()
{
    TestDocument doc;
    makeRepeaterChannel(doc);
    QCOMPARE(store(doc.all, 1, Field::TxFreq, QStringLiteral("145.000")),
             QStringLiteral("145.00000"));
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.offset, 0.0);
    QCOMPARE(ch.direction, quint8(0));
    QCOMPARE(ch.rxFreq, 145.0);

    // Empty transmit text means transmit = receive.
    store(doc.all, 1, Field::TxFreq, QStringLiteral("146.000"));
    QCOMPARE(store(doc.all, 1, Field::TxFreq, QString()), QStringLiteral("145.00000"));
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.direction, quint8(0));

    // A transmit frequency on the 6.25 kHz raster moves a receive frequency that sits on both.
    QCOMPARE(store(doc.all, 1, Field::TxFreq, QStringLiteral("145.00625")),
             QStringLiteral("145.00625"));
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.rxFreq, 145.0);
    QCOMPARE(FormatMHz(ch.txFreq), QStringLiteral("145.00625"));
    QCOMPARE(ch.direction, quint8(1));
}

void TestChannelRecord::changesTooFarApartAreRefused()
{
    TestDocument doc;
    makeRepeaterChannel(doc);
    const QByteArray before = recordBytes(doc, 1);
    QCOMPARE(store(doc.all, 1, Field::RxFreq, QStringLiteral("294.500")),
             QStringLiteral("145.00000"));
    QCOMPARE(recordBytes(doc, 1), before);
    QCOMPARE(store(doc.all, 1, Field::TxFreq, QStringLiteral("245.100")),
             QStringLiteral("144.40000"));
    QCOMPARE(recordBytes(doc, 1), before);
}

void TestChannelRecord::deleteErasesTheChannel()
{
    TestDocument doc;
    store(doc.all, 5, Field::RxFreq, QStringLiteral("435.000"));
    store(doc.all, 5, Field::Scan, QStringLiteral("0"));
    QVERIFY(IsSlotUsed(doc.all, 0, 5));
    QVERIFY(IsSlotUsed(doc.all, 16, 5));

    QCOMPARE(store(doc.all, 5, Field::RxFreq, QString()), QString());
    QVERIFY(!IsSlotUsed(doc.all, 0, 5));
    QVERIFY(!IsSlotUsed(doc.all, 16, 5));
    QCOMPARE(recordBytes(doc, 5), QByteArray(16, char(0xFF)));

    TChannel ch;
    ch.name = QStringLiteral("KEEP  ");
    ch.rxFreq = 1.5;
    QVERIFY(!DecodeChannel(doc.all, 5, ch));
    QCOMPARE(ch.name, QStringLiteral("KEEP  "));
    QCOMPARE(ch.rxFreq, 1.5);
}

void TestChannelRecord::newChannelOnTheFittingRaster()
{
    TestDocument doc;
    QCOMPARE(store(doc.all, 7, Field::RxFreq, QStringLiteral("439.0125")),
             QStringLiteral("439.01250"));
    QVERIFY(IsSlotUsed(doc.all, 0, 7));
    const quint8* r = doc.rec(7);
    QCOMPARE(r[2] & 0x02, 0x02);
    QCOMPARE(int(r[0] | (r[1] << 8) | ((r[2] & 1) << 16)), 70242);

    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 7, ch));
    QCOMPARE(ch.rxFreq, 439.0125);
    QCOMPARE(ch.txFreq, 439.0125);
    QCOMPARE(ch.offset, 0.0);
    QCOMPARE(ch.direction, quint8(0));
    QCOMPARE(ch.rxTone, QString());
    QCOMPARE(ch.txTone, QString());
    QCOMPARE(ch.power, quint8(1));
    QCOMPARE(ch.bandwidth, quint8(1));
    QCOMPARE(ch.vox, quint8(1));
    QCOMPARE(ch.busyLock, quint8(1));
    QCOMPARE(ch.epilogue, quint8(1));
    QCOMPARE(ch.voiceMode, quint8(0));
    QCOMPARE(ch.scanSkip, quint8(1)); // a new image has every channel skipped
    QCOMPARE(ch.name, QStringLiteral("      "));
    QCOMPARE(ch.txInhibit, quint8(0));

    // A frequency on the 5 kHz raster only stays on it.
    store(doc.all, 8, Field::RxFreq, QStringLiteral("145.005"));
    QCOMPARE(doc.rec(8)[2] & 0x02, 0);
}

void TestChannelRecord::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("codes");
    QTest::newRow("cut and upper-cased") << "ab-12345"
                                         << "AB-123" << QByteArray::fromHex("0e0f0b010203");
    QTest::newRow("padded") << "x"
                            << "X" << QByteArray::fromHex("250a0a0a0a0a");
    QTest::newRow("outside the table") << "a.b#"
                                       << "A.B#" << QByteArray::fromHex("0e0a0f0a0a0a");
    QTest::newRow("all symbols") << "_/*+- "
                                 << "_/*+-" << QByteArray::fromHex("28290c0d0b0a");
    QTest::newRow("empty") << ""
                           << "" << QByteArray(6, 10);
}

void TestChannelRecord::names()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, codes);
    TestDocument doc;
    QTEST(store(doc.all, 2, Field::Name, typed), "shown");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(doc.rec(2) + 10), 6), codes);
}

void TestChannelRecord::flagFields_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("busy lock off") << int(Field::BusyLock) << 2 << 0x20 << "1" << 0x20;
    QTest::newRow("busy lock on") << int(Field::BusyLock) << 2 << 0x20 << "0" << 0x00;
    QTest::newRow("bandwidth narrow") << int(Field::Bandwidth) << 2 << 0x10 << "0" << 0x00;
    QTest::newRow("power low") << int(Field::Power) << 9 << 0x04 << "0" << 0x00;
    QTest::newRow("power anything else is low") << int(Field::Power) << 9 << 0x04 << "High" << 0x00;
    QTest::newRow("vox on") << int(Field::Vox) << 2 << 0x08 << "0" << 0x00;
    QTest::newRow("epilogue off") << int(Field::Epilogue) << 2 << 0x04 << "0" << 0x00;
    QTest::newRow("voice scrambler") << int(Field::VoiceMode) << 9 << 0x03 << "2" << 0x02;
    QTest::newRow("shift minus") << int(Field::Direction) << 2 << 0xC0 << "2" << 0x80;
    QTest::newRow("unused code") << int(Field::Unused) << 9 << 0xFF << "1" << 0xFF;
}

void TestChannelRecord::flagFields()
{
    QFETCH(int, code);
    QFETCH(int, byte);
    QFETCH(int, mask);
    QFETCH(QString, text);
    TestDocument doc;
    store(doc.all, 3, Field::RxFreq, QStringLiteral("145.000"));
    const QByteArray before = recordBytes(doc, 3);
    QCOMPARE(store(doc.all, 3, code, text), text);
    const QByteArray after = recordBytes(doc, 3);
    QTEST(after[byte] & mask, "value");
    // Nothing else of the record moves.
    for (int i = 0; i < 16; ++i) {
        const int keep = i == byte ? ~mask & 0xFF : 0xFF;
        QCOMPARE(after[i] & keep, before[i] & keep);
    }
}

void TestChannelRecord::scanField()
{
    TestDocument doc;
    store(doc.all, 9, Field::Scan, QStringLiteral("0"));
    QVERIFY(IsSlotUsed(doc.all, 16, 9));
    store(doc.all, 9, Field::Scan, QStringLiteral("Del"));
    QVERIFY(!IsSlotUsed(doc.all, 16, 9));
    store(doc.all, 9, Field::Scan, QStringLiteral("0"));
    store(doc.all, 9, Field::Scan, QStringLiteral("1"));
    QVERIFY(!IsSlotUsed(doc.all, 16, 9));
    // The frequency channels have no scan bit; the FM bitmap after the scan bitmap stays.
    const quint8 fm = doc.at(0x890);
    store(doc.all, 129, Field::Scan, QStringLiteral("0"));
    QCOMPARE(doc.at(0x890), fm);
}

void TestChannelRecord::decodeCleansTheRecord()
{
    TestDocument doc;
    makeRepeaterChannel(doc);
    // Direction bits 3 read as none: offset and direction are rewritten.
    doc.rec(1)[2] |= 0xC0;
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.direction, quint8(0));
    QCOMPARE(ch.offset, 0.0);
    QCOMPARE(ch.txFreq, ch.rxFreq);
    QCOMPARE(doc.rec(1)[2] >> 6, 0);
    QCOMPARE(int(doc.rec(1)[3] | doc.rec(1)[4]), 0);

    // An out-of-band receive frequency becomes the first band's low limit.
    store(doc.all, 2, Field::RxFreq, QStringLiteral("300.000"));
    QVERIFY(DecodeChannel(doc.all, 2, ch));
    QCOMPARE(ch.rxFreq, 430.0);
    TChannel again;
    QVERIFY(DecodeChannel(doc.all, 2, again));
    QCOMPARE(again.rxFreq, 430.0);

    // Tone bytes come back canonical; broken packed digits become no tone.
    doc.rec(2)[5] = 0x7A;
    doc.rec(2)[6] = 0x06;
    doc.rec(2)[7] = 0x23;
    doc.rec(2)[8] = 0xC0;
    QVERIFY(DecodeChannel(doc.all, 2, ch));
    QCOMPARE(ch.rxTone, QString());
    QCOMPARE(ch.txTone, QStringLiteral("D023I"));
    QCOMPARE(doc.rec(2)[6], quint8(0xFF));
}

void TestChannelRecord::frequencyChannelFollowsTheStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("shown");
    QTest::newRow("5.00") << 0 << "145.00500";
    QTest::newRow("6.25") << 1 << "145.00625";
    QTest::newRow("12.50") << 3 << "145.00625";
    QTest::newRow("25.00 leaves it to the frequency") << 4 << "145.00625";
}

void TestChannelRecord::frequencyChannelFollowsTheStep()
{
    QFETCH(int, step);
    TestDocument doc;
    SetSettingField(doc.all, 9, 0x0F, step);
    QTEST(store(doc.all, 129, Field::RxFreq, QStringLiteral("145.00625")), "shown");
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 129, ch));
    QTEST(FormatMHz(ch.rxFreq), "shown");
}

void TestChannelRecord::frequencyChannelOffsetAndEmptyText()
{
    TestDocument doc;
    // The new image's frequency channels decode onto the first band.
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 130, ch));
    QCOMPARE(ch.rxFreq, 430.0);
    QCOMPARE(ch.offset, 0.0);

    QCOMPARE(store(doc.all, 129, Field::RxFreq, QString()), QStringLiteral("144.00000"));
    SetSettingField(doc.all, 9, 0x0F, 1); // 6.25 kHz
    store(doc.all, 129, Field::RxFreq, QStringLiteral("145.00625"));
    QCOMPARE(store(doc.all, 129, Field::Offset, QStringLiteral("99.995")),
             QStringLiteral("99.99375"));
    QCOMPARE(store(doc.all, 129, Field::Offset, QStringLiteral("150")), QStringLiteral("0.00000"));
    QCOMPARE(store(doc.all, 129, Field::Offset, QString()), QStringLiteral("0.00000"));

    // On a 25 kHz step a receive frequency on both rasters follows the offset's raster.
    SetSettingField(doc.all, 9, 0x0F, 4);
    store(doc.all, 130, Field::RxFreq, QStringLiteral("145.000"));
    QCOMPARE(store(doc.all, 130, Field::Offset, QStringLiteral("0.005")),
             QStringLiteral("0.00500"));
    QCOMPARE(doc.rec(130)[2] & 0x02, 0);
    QCOMPARE(store(doc.all, 130, Field::Offset, QStringLiteral("0.00625")),
             QStringLiteral("0.00625"));
    QCOMPARE(doc.rec(130)[2] & 0x02, 0x02);
}

QTEST_GUILESS_MAIN(TestChannelRecord)
#include "tst_channelrecord.moc"
