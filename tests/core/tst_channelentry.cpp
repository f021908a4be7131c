// Channels entered by hand: the record bytes a new channel ends with.

#include "CoreFixture.h"

#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/ImageLayout.h"

#include <QtTest>

class TestChannelEntry : public QObject {
    Q_OBJECT

  private slots:
    void newChannelKeepsTheRasterOfItsFrequency_data();
    void newChannelKeepsTheRasterOfItsFrequency();
};

void TestChannelEntry::newChannelKeepsTheRasterOfItsFrequency_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("record");
    // Byte 2 0x3C: epilogue on, VOX off, wide, busy lock off, no shift; bit 1 the raster.
    // Byte 9 0xFC: power high, no voice mode, the unused bits of the erased record.
    const QByteArray defaults = QByteArray::fromHex("0000ffffffff fc 0a0a0a0a0a0a");
    QTest::newRow("nearer the 5 kHz raster")
        << "145.499" << QByteArray::fromHex("ac713c") + defaults;
    QTest::newRow("on both rasters: 6.25 kHz")
        << "145.5" << QByteArray::fromHex("f05a3e") + defaults;
    QTest::newRow("6.25 kHz, count above 16 bits")
        << "439.0125" << QByteArray::fromHex("62123f") + defaults;
    QTest::newRow("5 kHz only") << "438.505" << QByteArray::fromHex("95563d") + defaults;
}

void TestChannelEntry::newChannelKeepsTheRasterOfItsFrequency()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, record);
    TestDocument doc;
    QString text = typed;
    SetChannelField(doc.all, 1, Field::RxFreq, text);
    StartNewChannel(doc.all, 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(doc.rec(1)), 16).toHex(' '),
             record.toHex(' '));
    QVERIFY(IsChannelInUse(doc.all, 1));
}

QTEST_GUILESS_MAIN(TestChannelEntry)
#include "tst_channelentry.moc"
