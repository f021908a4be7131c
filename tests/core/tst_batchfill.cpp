#include "CoreFixture.h"

#include "core/BatchFill.h"
#include "core/ChannelRecord.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/ProgramRandom.h"
#include "core/SettingsFields.h"
#include "core/ToneLists.h"

#include <QtTest>

// The first document has the bands 430-440 MHz (band 0) and 144-146 MHz (band 1).

namespace {

TChannel decoded(TestDocument& doc, int k)
{
    TChannel ch;
    if (!DecodeChannel(doc.all, k, ch)) ch.name = QStringLiteral("<empty>");
    return ch;
}

QString store(TALL& all, int k, int code, const QString& text)
{
    QString t = text;
    SetChannelField(all, k, code, t);
    return t;
}

QByteArray bytes(TestDocument& doc, int offset, int size)
{
    return QByteArray(reinterpret_cast<const char*>(doc.all.image.data() + offset), size);
}

BatchFillOptions range(int from, int to)
{
    BatchFillOptions o;
    o.allChannels = false;
    o.from = from;
    o.to = to;
    o.rxStart = 145.0;
    return o;
}

QStringList rxFrequencies(TestDocument& doc, int from, int to)
{
    QStringList l;
    for (int k = from; k <= to; ++k)
        l << FormatMHz(decoded(doc, k).rxFreq);
    return l;
}

QStringList tones(TestDocument& doc, int from, int to, bool transmit)
{
    QStringList l;
    for (int k = from; k <= to; ++k) {
        const TChannel ch = decoded(doc, k);
        l << (transmit ? ch.txTone : ch.rxTone);
    }
    return l;
}

} // namespace

class TestBatchFill : public QObject {
    Q_OBJECT

  private slots:
    void defaultsOverAllChannels();
    void receiveStepping_data();
    void receiveStepping();
    void transmitRules_data();
    void transmitRules();
    void ownTransmitStartStopsAtTheBandEdge();
    void farTransmitFrequenciesAreReplaced();
    void toneStepping_data();
    void toneStepping();
    void randomTonesRepeatAfterARestart();
    void namesAndCommonValues();
    void clearingARange();
    void emptyRangeWritesNothing();
    void epilogueIsKept();
    void windowValueRules();
};

void TestBatchFill::defaultsOverAllChannels()
{
    TestDocument doc;
    const QByteArray frequencyChannels = bytes(doc, Image::FreqChannel1, 32);
    const QByteArray settings = bytes(doc, Image::FmChannels, Image::Size - Image::FmChannels);
    BatchFillOptions o; // as the window starts: All Channel, lowest band edge, no tones
    o.rxStart = LowestBandEdge(doc.all);
    o.txStart = o.rxStart;
    QVERIFY(FillChannels(doc.all, o));
    // The edit that runs the fill marks the document, not the fill.
    QVERIFY(!doc.all.modified);

    for (int k = 1; k <= 128; ++k) {
        const TChannel ch = decoded(doc, k);
        QCOMPARE(ch.rxFreq, 144.0);
        QCOMPARE(ch.txFreq, 144.0);
        QCOMPARE(ch.direction, quint8(0));
        QCOMPARE(ch.rxTone, QString());
        QCOMPARE(ch.txTone, QString());
        QCOMPARE(ch.power, quint8(1));
        QCOMPARE(ch.bandwidth, quint8(1));
        QCOMPARE(ch.busyLock, quint8(1));
        QCOMPARE(ch.vox, quint8(1));
        QCOMPARE(ch.scanSkip, quint8(1));
        QCOMPARE(ch.voiceMode, quint8(0));
        QCOMPARE(ch.name, QStringLiteral("      "));
    }
    // Only the memory channel records and their two bitmaps change.
    QCOMPARE(bytes(doc, Image::FreqChannel1, 32), frequencyChannels);
    const QByteArray after = bytes(doc, Image::FmChannels, Image::Size - Image::FmChannels);
    QCOMPARE(after.mid(0, Image::EmptyBitmap - Image::FmChannels),
             settings.mid(0, Image::EmptyBitmap - Image::FmChannels));
    QCOMPARE(bytes(doc, Image::EmptyBitmap, 16), QByteArray(16, '\0'));
    QCOMPARE(bytes(doc, Image::ScanSkipBitmap, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(after.mid(Image::FmEmptyBitmap - Image::FmChannels),
             settings.mid(Image::FmEmptyBitmap - Image::FmChannels));
}

void TestBatchFill::receiveStepping_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ascending") << 145.0 << 0.025 << true
                               << QStringList{"145.00000", "145.02500", "145.05000", "145.07500"};
    QTest::newRow("ascending stops at the band edge")
        << 145.95 << 0.025 << true
        << QStringList{"145.95000", "145.97500", "146.00000", "146.00000"};
    QTest::newRow("descending stops at the band edge")
        << 144.05 << 0.025 << false
        << QStringList{"144.05000", "144.02500", "144.00000", "144.00000"};
    QTest::newRow("6.25 kHz raster")
        << 438.0 << 0.00625 << true
        << QStringList{"438.00000", "438.00625", "438.01250", "438.01875"};
    QTest::newRow("no step") << 439.5 << 0.0 << false
                             << QStringList{"439.50000", "439.50000", "439.50000", "439.50000"};
    // Many small steps must not drift past an edge the exact sum reaches.
    QTest::newRow("exact edge") << 145.97 << 0.01 << true
                                << QStringList{"145.97000", "145.98000", "145.99000", "146.00000"};
}

void TestBatchFill::receiveStepping()
{
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(bool, ascending);
    TestDocument doc;
    BatchFillOptions o = range(1, 4);
    o.rxStart = start;
    o.rxStep = step;
    o.rxAscending = ascending;
    QVERIFY(FillChannels(doc.all, o));
    QTEST(rxFrequencies(doc, 1, 4), "expected");
    QCOMPARE(decoded(doc, 5).name, QStringLiteral("<empty>"));
}

void TestBatchFill::transmitRules_data()
{
    QTest::addColumn<double>("rx");
    QTest::addColumn<int>("rule");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("direction");
    QTest::newRow("default") << 145.5 << int(BatchTransmit::SameAsReceive) << 0.6 << false
                             << "145.50000"
                             << "0.00000" << 0;
    QTest::newRow("-Dup") << 145.5 << int(BatchTransmit::Excursion) << 0.6 << false << "144.90000"
                          << "0.60000" << 2;
    QTest::newRow("+Dup") << 435.0 << int(BatchTransmit::Excursion) << 5.0 << true << "440.00000"
                          << "5.00000" << 1;
    QTest::newRow("+Dup past the high edge")
        << 145.9 << int(BatchTransmit::Excursion) << 0.6 << true << "146.00000"
        << "0.10000" << 1;
    QTest::newRow("-Dup past the low edge")
        << 144.2 << int(BatchTransmit::Excursion) << 0.6 << false << "144.00000"
        << "0.20000" << 2;
    // Between the bands: the nearest high edge of all bands, not of the receive band.
    QTest::newRow("+Dup into the upper band's reach")
        << 145.0 << int(BatchTransmit::Excursion) << 99.0 << true << "146.00000"
        << "1.00000" << 1;
    QTest::newRow("own start") << 145.0 << int(BatchTransmit::OwnStart) << 145.75 << true
                               << "145.75000"
                               << "0.75000" << 1;
}

void TestBatchFill::transmitRules()
{
    QFETCH(double, rx);
    QFETCH(int, rule);
    QFETCH(double, value);
    QFETCH(bool, plus);
    TestDocument doc;
    BatchFillOptions o = range(3, 4);
    o.rxStart = rx;
    o.transmit = BatchTransmit(rule);
    o.excursion = value;
    o.excursionPlus = plus;
    o.txStart = value;
    QVERIFY(FillChannels(doc.all, o));
    for (int k = 3; k <= 4; ++k) {
        const TChannel ch = decoded(doc, k);
        QCOMPARE(FormatMHz(ch.rxFreq), FormatMHz(rx));
        QTEST(FormatMHz(ch.txFreq), "tx");
        QTEST(FormatMHz(ch.offset), "offset");
        QTEST(int(ch.direction), "direction");
    }
}

void TestBatchFill::ownTransmitStartStopsAtTheBandEdge()
{
    TestDocument doc;
    BatchFillOptions o = range(1, 4);
    o.rxStart = 145.0;
    o.rxStep = 0.025;
    o.transmit = BatchTransmit::OwnStart;
    o.txStart = 145.9;
    o.txStep = 0.05;
    QVERIFY(FillChannels(doc.all, o));
    QStringList tx;
    for (int k = 1; k <= 4; ++k)
        tx << FormatMHz(decoded(doc, k).txFreq);
    QCOMPARE(tx, (QStringList{"145.90000", "145.95000", "146.00000", "146.00000"}));

    o.txStart = 144.1;
    o.txAscending = false;
    QVERIFY(FillChannels(doc.all, o));
    tx.clear();
    for (int k = 1; k <= 4; ++k)
        tx << FormatMHz(decoded(doc, k).txFreq);
    QCOMPARE(tx, (QStringList{"144.10000", "144.05000", "144.00000", "144.00000"}));
    QCOMPARE(rxFrequencies(doc, 1, 4),
             (QStringList{"145.00000", "145.02500", "145.05000", "145.07500"}));
}

void TestBatchFill::farTransmitFrequenciesAreReplaced()
{
    // A channel in use far from the fill's frequencies: the record alone would refuse the
    // new receive frequency and keep the old one.
    TestDocument doc;
    store(doc.all, 1, Field::RxFreq, QStringLiteral("435.000"));
    store(doc.all, 1, Field::TxFreq, QStringLiteral("435.600"));
    store(doc.all, 1, Field::Epilogue, QStringLiteral("0"));
    doc.rec(1)[9] = quint8((doc.rec(1)[9] & 0x07) | 0xA8); // unused bits of byte 9

    BatchFillOptions o = range(1, 1);
    o.rxStart = 144.5;
    QVERIFY(FillChannels(doc.all, o));
    TChannel ch = decoded(doc, 1);
    QCOMPARE(ch.rxFreq, 144.5);
    QCOMPARE(ch.txFreq, 144.5);
    QCOMPARE(ch.epilogue, quint8(0));
    QCOMPARE(doc.rec(1)[9] & 0xF8, 0xA8);

    // A transmit value the record refuses leaves transmit = receive, not the channel's
    // previous transmit frequency.
    doc.all.bandLimits[2] = {200.0, 260.0};
    store(doc.all, 2, Field::RxFreq, QStringLiteral("145.000"));
    store(doc.all, 2, Field::TxFreq, QStringLiteral("144.400"));
    o = range(1, 2);
    o.rxStart = 146.0;
    o.rxStep = 1.0;
    o.rxAscending = false;
    o.transmit = BatchTransmit::OwnStart;
    o.txStart = 146.0;
    o.txStep = 99.0; // channel 2: receive 145, transmit 245
    QVERIFY(FillChannels(doc.all, o));
    ch = decoded(doc, 2);
    QCOMPARE(ch.rxFreq, 145.0);
    QCOMPARE(ch.txFreq, 145.0);
    QCOMPARE(ch.direction, quint8(0));
}

void TestBatchFill::toneStepping_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("space");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ascending by one")
        << "67.0" << 1 << true << QStringList{"67.0", "69.3", "71.9", "74.4", "77.0"};
    QTest::newRow("descending to none")
        << "69.3" << 2 << false << QStringList{"69.3", "", "", "", ""};
    QTest::newRow("ascending stops at the last entry")
        << "D732I" << 2 << true << QStringList{"D732I", "D743I", "D754I", "D754I", "D754I"};
    QTest::newRow("space 0 keeps the tone")
        << "D023N" << 0 << true << QStringList{"D023N", "D023N", "D023N", "D023N", "D023N"};
    QTest::newRow("into the DCS codes")
        << "254.1" << 1 << true << QStringList{"254.1", "D023N", "D025N", "D026N", "D031N"};
}

void TestBatchFill::toneStepping()
{
    QFETCH(QString, start);
    QFETCH(int, space);
    QFETCH(bool, ascending);
    QFETCH(QStringList, expected);
    const int position = int(BatchToneList().indexOf(start));
    QVERIFY(position > 0);

    // The receive tone, with the transmit tone following it.
    TestDocument doc;
    BatchFillOptions o = range(1, 5);
    o.rxTonePosition = position;
    o.rxToneSpace = space;
    o.rxToneAscending = ascending;
    QVERIFY(FillChannels(doc.all, o));
    QCOMPARE(tones(doc, 1, 5, false), expected);
    QCOMPARE(tones(doc, 1, 5, true), expected);

    // The transmit tone stepping on its own, the receive tone fixed.
    BatchFillOptions t = range(1, 5);
    t.rxTonePosition = 1;
    t.rxToneSpace = 3;
    t.rxToneRandom = true; // a random receive tone must not step the transmit one
    t.txToneSameAsReceive = false;
    t.txTonePosition = position;
    t.txToneSpace = space;
    t.txToneAscending = ascending;
    QVERIFY(FillChannels(doc.all, t));
    QCOMPARE(tones(doc, 1, 5, true), expected);
}

void TestBatchFill::randomTonesRepeatAfterARestart()
{
    const QStringList& list = BatchToneList();

    // What the generator gives after a start, in the order the fill draws:
    // receive then transmit, channel by channel.
    ResetProgramRandom();
    QStringList expectedRx, expectedTx;
    for (int k = 0; k < 3; ++k) {
        const int rx = ProgramRandom(262);
        const int tx = ProgramRandom(262);
        expectedRx << (rx == 0 ? QString() : list.at(rx));
        expectedTx << (tx == 0 ? QString() : list.at(tx));
    }

    ResetProgramRandom();
    TestDocument doc;
    BatchFillOptions o = range(1, 3);
    o.rxToneRandom = true;
    o.txToneSameAsReceive = false;
    o.txToneRandom = true;
    QVERIFY(FillChannels(doc.all, o));
    QCOMPARE(tones(doc, 1, 3, false), expectedRx);
    QCOMPARE(tones(doc, 1, 3, true), expectedTx);

    // "Default" transmit tone: the same random tone for receive and transmit, over the
    // whole model; the last list entry is never drawn.
    BatchFillOptions all;
    all.rxStart = 145.0;
    all.rxToneRandom = true;
    QVERIFY(FillChannels(doc.all, all));
    const QStringList firstRun = tones(doc, 1, 128, false);
    QCOMPARE(tones(doc, 1, 128, true), firstRun);
    QVERIFY(!firstRun.contains(list.last()));
    QVERIFY(QSet<QString>(firstRun.begin(), firstRun.end()).size() > 50);

    // A restart gives the same tones for the same sequence of runs.
    ResetProgramRandom();
    TestDocument again;
    QVERIFY(FillChannels(again.all, o));
    QVERIFY(FillChannels(again.all, all));
    QCOMPARE(tones(again, 1, 128, false), firstRun);

    // Without a restart the generator goes on: the next run gives other tones.
    QVERIFY(FillChannels(again.all, all));
    QVERIFY(tones(again, 1, 128, false) != firstRun);
}

void TestBatchFill::namesAndCommonValues()
{
    TestDocument doc;
    BatchFillOptions o;
    o.rxStart = 435.0;
    o.nameIsChannelNumber = true;
    o.name = QStringLiteral("IGNORE");
    QVERIFY(FillChannels(doc.all, o));
    for (int k = 1; k <= 128; ++k)
        QCOMPARE(decoded(doc, k).name, QString::number(k).leftJustified(6));

    o = range(7, 8);
    o.name = QStringLiteral("rpt_a1x");
    o.bandwidth = 0;
    o.power = 0;
    o.voiceMode = 2;
    o.busyLock = true;
    o.vox = true;
    o.scanAdd = true;
    QVERIFY(FillChannels(doc.all, o));
    for (int k = 7; k <= 8; ++k) {
        const TChannel ch = decoded(doc, k);
        QCOMPARE(ch.name, QStringLiteral("RPT_A1"));
        QCOMPARE(ch.bandwidth, quint8(0));
        QCOMPARE(ch.power, quint8(0));
        QCOMPARE(ch.voiceMode, quint8(2));
        QCOMPARE(ch.busyLock, quint8(0));
        QCOMPARE(ch.vox, quint8(0));
        QCOMPARE(ch.scanSkip, quint8(0));
    }
    QCOMPARE(decoded(doc, 9).name, QStringLiteral("9     "));
    QCOMPARE(decoded(doc, 9).scanSkip, quint8(1));
}

void TestBatchFill::clearingARange()
{
    TestDocument doc;
    BatchFillOptions o;
    o.rxStart = 145.0;
    QVERIFY(FillChannels(doc.all, o));
    const QByteArray ch9 = bytes(doc, Image::recordOffset(9), 16);
    const QByteArray ch21 = bytes(doc, Image::recordOffset(21), 16);

    o = range(10, 20);
    o.clear = true;
    o.rxToneRandom = true;
    ResetProgramRandom();
    const int firstDraw = ProgramRandom(262);
    ResetProgramRandom();
    QVERIFY(FillChannels(doc.all, o));
    for (int k = 1; k <= 128; ++k)
        QCOMPARE(IsChannelInUse(doc.all, k), k < 10 || k > 20);
    QCOMPARE(bytes(doc, Image::recordOffset(15), 16), QByteArray(16, char(0xFF)));
    QVERIFY(!IsSlotUsed(doc.all, Image::AreaScanSkip, 15));
    QCOMPARE(bytes(doc, Image::recordOffset(9), 16), ch9);
    QCOMPARE(bytes(doc, Image::recordOffset(21), 16), ch21);
    // Clearing draws no random tones.
    QCOMPARE(ProgramRandom(262), firstDraw);
}

void TestBatchFill::emptyRangeWritesNothing()
{
    TestDocument doc;
    const auto before = doc.all.image;
    BatchFillOptions o = range(20, 10);
    QVERIFY(!FillChannels(doc.all, o));
    o.clear = true;
    QVERIFY(!FillChannels(doc.all, o));
    QVERIFY(doc.all.image == before);
    QVERIFY(!doc.all.modified);

    // The range never reaches past the memory channels.
    o = range(120, 200);
    const QByteArray frequencyChannels = bytes(doc, Image::FreqChannel1, 32);
    QVERIFY(FillChannels(doc.all, o));
    QVERIFY(IsChannelInUse(doc.all, 128));
    QCOMPARE(bytes(doc, Image::FreqChannel1, 32), frequencyChannels);
}

void TestBatchFill::epilogueIsKept()
{
    TestDocument doc;
    store(doc.all, 2, Field::RxFreq, QStringLiteral("145.000"));
    store(doc.all, 2, Field::Epilogue, QStringLiteral("0"));
    store(doc.all, 3, Field::RxFreq, QStringLiteral("145.000"));
    store(doc.all, 3, Field::Epilogue, QStringLiteral("1"));
    BatchFillOptions o = range(1, 3);
    o.rxStart = 144.5;
    QVERIFY(FillChannels(doc.all, o));
    QCOMPARE(decoded(doc, 1).epilogue, quint8(1)); // new channels: as the record makes them
    QCOMPARE(decoded(doc, 2).epilogue, quint8(0));
    QCOMPARE(decoded(doc, 3).epilogue, quint8(1));
}

void TestBatchFill::windowValueRules()
{
    TestDocument doc;
    QCOMPARE(BatchStartFrequency(doc.all, QString()), 144.0);
    QCOMPARE(BatchStartFrequency(doc.all, QStringLiteral(" 145.5 ")), 145.5);
    QCOMPARE(BatchStartFrequency(doc.all, QStringLiteral("150")), 430.0); // first band's low edge
    QCOMPARE(BatchStartFrequency(doc.all, QStringLiteral("0")), 430.0);
    QCOMPARE(BatchStartFrequency(doc.all, QStringLiteral("1..2")), 430.0);
    QCOMPARE(FormatMHz(BatchStartFrequency(doc.all, QStringLiteral("145.0055"))),
             QStringLiteral("145.00500"));
    QCOMPARE(FormatMHz(BatchStartFrequency(doc.all, QStringLiteral("145.0063"))),
             QStringLiteral("145.00625"));

    QCOMPARE(BatchTransmitStart(doc.all, QStringLiteral("145.6"), 145.0), 145.6);
    QCOMPARE(BatchTransmitStart(doc.all, QStringLiteral("435.0"), 145.0), 145.0);
    QCOMPARE(BatchTransmitStart(doc.all, QString(), 145.0), 144.0);

    QCOMPARE(BatchStepValue(QStringLiteral("0.025")), 0.025);
    QCOMPARE(BatchStepValue(QStringLiteral("99.995")), 99.995);
    QCOMPARE(BatchStepValue(QStringLiteral("99.996")), 0.0);
    QCOMPARE(BatchStepValue(QString()), 0.0);
    QCOMPARE(BatchStepValue(QStringLiteral(".")), 0.0);

    QCOMPARE(BatchSpaceValue(QStringLiteral("3")), 3);
    QCOMPARE(BatchSpaceValue(QStringLiteral("2.7")), 2);
    QCOMPARE(BatchSpaceValue(QString()), 0);
    QCOMPARE(BatchSpaceValue(QStringLiteral("1.2.3")), 0);
}

QTEST_GUILESS_MAIN(TestBatchFill)
#include "tst_batchfill.moc"
