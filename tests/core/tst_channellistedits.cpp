// Edits of the memory channel list (insert, remove, move, sort, paste, delete, one
// field on many channels), the clipboard payloads and the paste of CSV text, checked
// byte for byte against an image built by hand.
#include "CoreFixture.h"

#include "core/ChannelClipboard.h"
#include "core/ChannelCsv.h"
#include "core/ChannelEntry.h"
#include "core/ChannelListEdits.h"
#include "core/ChannelRecord.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "core/SettingsMap.h"

#include <QtTest>
#include <functional>

namespace {

constexpr int EmptyBitmap = 0x870;
constexpr int ScanSkipBitmap = 0x880;
constexpr int PriorityByte = 0x898 + 12;

QString store(TALL& all, int k, int code, const QString& text)
{
    QString t = text;
    SetChannelField(all, k, code, t);
    return t;
}

void enter(TALL& all, int k, const QString& rx, const QString& name, const QString& txTone,
           const QString& rxTone, bool scanned)
{
    store(all, k, Field::RxFreq, rx);
    StartNewChannel(all, k);
    store(all, k, Field::Name, name);
    store(all, k, Field::TxTone, txTone);
    store(all, k, Field::RxTone, rxTone);
    store(all, k, Field::Scan, scanned ? "0" : "1");
}

// The fixture: a few channels with names, tones and scan bits of every kind, an erased
// empty channel (3), an empty channel whose record still holds bytes (6, as a channel
// emptied by its in-use bit alone leaves it), the last channel in use and channel 5 the
// priority channel. Each channel has a letter:
//
//   channel  1      2     3  4        5     6  7         ... 128
//   letter   A      B     .  C        D     ~  E             Z
//   rx       145.5  438.5    145.5    144.8    439.0125      146.0
//   name     RPT10  RPT2     (none)   CH9      ALPHA         LAST
//   tx tone  100.0  67.0     none     D023N    67.0          none
//   rx tone  none   none     none     none     67.0          88.5
//   scanned  yes    no       yes      yes      no            yes
struct Fixture {
    TestDocument doc;
    QMap<QChar, ChannelState> letters;

    Fixture()
    {
        TALL& all = doc.all;
        enter(all, 1, "145.500", "RPT10", "100.0", "", true);
        enter(all, 2, "438.500", "RPT2", "67.0", "", false);
        enter(all, 4, "145.500", "", "", "", true);
        enter(all, 5, "144.800", "CH9", "D023N", "", true);
        enter(all, 6, "430.100", "GONE", "", "", true);
        SetSlotUsed(all, Image::AreaChannelEmpty, 6, false);
        enter(all, 7, "439.0125", "ALPHA", "67.0", "67.0", false);
        enter(all, 128, "146.000", "LAST", "", "88.5", true);
        WriteField(all, Setting::PriorityChannel, 5);
        const QString layout = QStringLiteral("AB.CD~E");
        for (int i = 0; i < layout.size(); ++i)
            letters[layout.at(i)] = SaveChannel(all, i + 1);
        letters[u'Z'] = SaveChannel(all, 128);
        all.modified = false;
    }
    ChannelState operator[](char letter) const { return letters.value(QChar(letter)); }
    QList<ChannelState> values(const char* word) const
    {
        QList<ChannelState> list;
        for (const char* c = word; *c; ++c)
            list << (*this)[*c];
        return list;
    }
};

// The 128 letters an expectation stands for: head for channels 1.., tail for the last
// channels, '.' (an erased empty channel) between.
QString layoutOf(const QString& head, const QString& tail)
{
    QString layout(128, u'.');
    layout.replace(0, head.size(), head);
    layout.replace(128 - tail.size(), tail.size(), tail);
    return layout;
}

// The image's channels as letters, '?' for a channel that is none of the fixture's.
QString lettersOf(const Fixture& f, const TALL& all)
{
    QString layout;
    for (int k = 1; k <= 128; ++k) {
        const ChannelState c = SaveChannel(all, k);
        QChar letter = u'?';
        for (auto it = f.letters.cbegin(); it != f.letters.cend(); ++it)
            if (it.value() == c) letter = it.key();
        layout += letter;
    }
    return layout;
}

void putBit(TALL& all, int bitmap, int k, bool set)
{
    quint8& byte = all.image[size_t(bitmap + (k - 1) / 8)];
    const quint8 bit = quint8(1u << ((k - 1) % 8));
    byte = set ? quint8(byte | bit) : quint8(byte & ~bit);
}

// The image the layout describes, written by hand: the records at 16k, the bits
// (1 = empty, 1 = not scanned) and the priority channel; everything else as before.
TALL expectedImage(const Fixture& f, const TALL& before, const QString& layout, int priority)
{
    TALL expected = before;
    for (int k = 1; k <= 128; ++k) {
        const ChannelState c = f.letters.value(layout.at(k - 1));
        std::copy(c.record.begin(), c.record.end(), expected.image.begin() + 16 * k);
        putBit(expected, EmptyBitmap, k, !c.used);
        putBit(expected, ScanSkipBitmap, k, !c.scanned);
    }
    expected.image[PriorityByte] = quint8(priority);
    return expected;
}

QByteArray bytes(const TALL& all, int from, int size)
{
    return QByteArray(reinterpret_cast<const char*>(all.image.data() + from), size);
}

using Operation = std::function<int(TALL&, const Fixture&)>;

// Every channel in use, with shifts, tones and names; a few empty ones still holding a
// record, and scan bits of both kinds.
void fillAllChannels(TALL& all)
{
    static const char* tones[] = {"", "67.0", "D023N", "254.1", "D754I", "100.0"};
    for (int k = 1; k <= 128; ++k) {
        const QString rx = FormatMHz(k % 2 ? 432.0 + k * 0.0125 : 144.6 + k * 0.00625);
        enter(all, k, rx, QStringLiteral("CH%1").arg(k), QLatin1String(tones[k % 6]),
              QLatin1String(tones[(k / 6) % 6]), k % 3 != 0);
        if (k % 2 == 0) store(all, k, Field::TxFreq, FormatMHz(rx.toDouble() + 0.6));
    }
    for (int k : {9, 50, 127})
        SetSlotUsed(all, Image::AreaChannelEmpty, k, false);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestChannelListEdits : public QObject {
    Q_OBJECT

  private slots:
    void operations_data();
    void operations();
    void insertWithoutAFreeChannel();
    void pastePlan_data();
    void pastePlan();
    void setOneFieldOnMany();
    void clipboardRoundTripOfTheWholeList();
    void copiedChannelsAsCsvText();
    void malformedPayloads_data();
    void malformedPayloads();
    void csvTextPasted_data();
    void csvTextPasted();
    void csvPasteAtTheEndAndOverChannelsInUse();
};

void TestChannelListEdits::operations_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("head"); // channels 1.. after the operation
    QTest::addColumn<QString>("tail"); // the last channels
    QTest::addColumn<int>("priority");
    const auto row = [](const char* name, Operation op, int result, const char* head,
                        const char* tail, int priority) {
        QTest::newRow(name) << op << result << QString(head) << QString(tail) << priority;
    };
    // The fixture is "AB.CD~E" ... "Z", priority channel 5 (D).
    row(
        "insert, the next empty channel used up",
        [](TALL& a, const Fixture&) { return int(InsertEmptyChannel(a, 2)); }, 1, "A.BCD~E", "Z",
        5);
    row(
        "insert moves the priority channel",
        [](TALL& a, const Fixture&) { return int(InsertEmptyChannel(a, 4)); }, 1, "AB..CDE", "Z",
        6);
    row(
        "insert at an empty channel moves nothing",
        [](TALL& a, const Fixture&) { return int(InsertEmptyChannel(a, 3)); }, 1, "AB.CD~E", "Z",
        5);
    row(
        "insert into the free channels after the last in use",
        [](TALL& a, const Fixture&) { return int(InsertEmptyChannel(a, 7)); }, 1, "AB.CD~.E", "Z",
        5);
    row(
        "insert at 128 in use: no room",
        [](TALL& a, const Fixture&) { return int(InsertEmptyChannel(a, 128)); }, 0, "AB.CD~E", "Z",
        5);
    row(
        "insert outside the list",
        [](TALL& a, const Fixture&) {
            return int(InsertEmptyChannel(a, 129)) + int(InsertEmptyChannel(a, 0));
        },
        0, "AB.CD~E", "Z", 5);
    row(
        "remove 128", [](TALL& a, const Fixture&) { return int(RemoveChannel(a, 128)); }, 1,
        "AB.CD~E", ".", 5);
    row(
        "remove moves everything after it up",
        [](TALL& a, const Fixture&) { return int(RemoveChannel(a, 2)); }, 1, "A.CD~E", "Z.", 4);
    row(
        "remove the priority channel: priority OFF",
        [](TALL& a, const Fixture&) { return int(RemoveChannel(a, 5)); }, 1, "AB.C~E", "Z.", 0);
    row(
        "move up across the priority channel",
        [](TALL& a, const Fixture&) { return int(MoveChannels(a, {6}, -1)); }, 1, "AB.C~DE", "Z",
        6);
    row(
        "move down across the priority channel",
        [](TALL& a, const Fixture&) { return int(MoveChannels(a, {4}, 1)); }, 1, "AB.DC~E", "Z", 4);
    row(
        "move a block holding the priority channel",
        [](TALL& a, const Fixture&) {
            return int(MoveChannels(a, {5, 4}, -1));
        },
        1, "ABCD.~E", "Z", 4);
    row(
        "move two blocks down",
        [](TALL& a, const Fixture&) {
            return int(MoveChannels(a, {1, 2, 4}, 1));
        },
        1, ".ABDC~E", "Z", 4);
    row(
        "drag a block five places",
        [](TALL& a, const Fixture&) {
            return int(MoveChannels(a, {1, 2}, 5));
        },
        1, ".CD~EAB", "Z", 3);
    row(
        "move 1 up: at the top already",
        [](TALL& a, const Fixture&) {
            return int(MoveChannels(a, {1, 4}, -1));
        },
        0, "AB.CD~E", "Z", 5);
    row(
        "move 128 down: at the bottom already",
        [](TALL& a, const Fixture&) {
            return int(MoveChannels(a, {128}, 1)) + int(MoveChannels(a, {7}, 0x7FFFFFFF));
        },
        0, "AB.CD~E", "Z", 5);
    // Channels in use 1, 2, 4, 5, 7 and 128 get the sorted channels; A and C share a
    // frequency and keep their order.
    row(
        "sort by frequency, gaps kept",
        [](TALL& a, const Fixture&) {
            return int(SortChannels(a, AllChannels(a), ChannelSortKey::RxFrequency, false));
        },
        1, "DA.CZ~B", "E", 1);
    row(
        "sort by frequency, gaps closed",
        [](TALL& a, const Fixture&) {
            return int(SortChannels(a, AllChannels(a), ChannelSortKey::RxFrequency, true));
        },
        1, "DACZBE.~", ".", 1);
    // RPT2 before RPT10; the unnamed channel last.
    row(
        "sort by name",
        [](TALL& a, const Fixture&) {
            return int(SortChannels(a, AllChannels(a), ChannelSortKey::Name, false));
        },
        1, "ED.ZB~A", "C", 2);
    // Transmit tone first (none, 67.0, 100.0, D023N), then receive tone.
    row(
        "sort by tone",
        [](TALL& a, const Fixture&) {
            return int(SortChannels(a, AllChannels(a), ChannelSortKey::Tone, false));
        },
        1, "CZ.BE~A", "D", 128);
    row(
        "sort a selection, gaps closed",
        [](TALL& a, const Fixture&) {
            return int(SortChannels(a, {7, 6, 5, 4}, ChannelSortKey::RxFrequency, true));
        },
        1, "AB.DCE~", "Z", 4);
    row(
        "sort what is sorted",
        [](TALL& a, const Fixture&) {
            return int(SortChannels(a, {1, 2, 3}, ChannelSortKey::RxFrequency, false));
        },
        0, "AB.CD~E", "Z", 5);
    row(
        "paste over channels in use",
        [](TALL& a, const Fixture& f) { return PasteChannels(a, 1, f.values("DE")).replaced; }, 2,
        "DE.CD~E", "Z", 5);
    row(
        "paste an empty channel over one in use",
        [](TALL& a, const Fixture& f) { return PasteChannels(a, 4, f.values(".A")).replaced; }, 2,
        "AB..A~E", "Z", 5);
    row(
        "paste channels over themselves",
        [](TALL& a, const Fixture& f) { return PasteChannels(a, 4, f.values("CD~")).replaced; }, 0,
        "AB.CD~E", "Z", 5);
    row(
        "paste at the end of the list",
        [](TALL& a, const Fixture& f) { return PasteChannels(a, 127, f.values("ABC")).replaced; },
        1, "AB.CD~E", "AB", 5);
    row(
        "delete",
        [](TALL& a, const Fixture&) {
            return DeleteChannels(a, {7, 2, 3, 6, 2});
        },
        2, "A..CD..", "Z", 5);
}

void TestChannelListEdits::operations()
{
    QFETCH(Operation, operation);
    QFETCH(int, result);
    QFETCH(QString, head);
    QFETCH(QString, tail);
    QFETCH(int, priority);
    Fixture f;
    const TALL before = f.doc.all;
    QCOMPARE(lettersOf(f, before), layoutOf("AB.CD~E", "Z"));

    QCOMPARE(operation(f.doc.all, f), result);
    const QString layout = layoutOf(head, tail);
    QCOMPARE(lettersOf(f, f.doc.all), layout);
    QCOMPARE(ReadField(f.doc.all, Setting::PriorityChannel), priority);
    // Records, both bitmaps and the priority byte exactly, and nothing else touched.
    const TALL expected = expectedImage(f, before, layout, priority);
    QCOMPARE(bytes(f.doc.all, EmptyBitmap, 16), bytes(expected, EmptyBitmap, 16));
    QCOMPARE(bytes(f.doc.all, ScanSkipBitmap, 16), bytes(expected, ScanSkipBitmap, 16));
    QCOMPARE(bytes(f.doc.all, 0, int(before.image.size())),
             bytes(expected, 0, int(expected.image.size())));
}

void TestChannelListEdits::insertWithoutAFreeChannel()
{
    TestDocument doc;
    fillAllChannels(doc.all);
    for (int k : {50, 127})
        SetSlotUsed(doc.all, Image::AreaChannelEmpty, k, true);
    WriteField(doc.all, Setting::PriorityChannel, 128);
    const TALL before = doc.all;
    // Every channel from 10 on is in use: nothing may drop off the end.
    QVERIFY(!InsertEmptyChannel(doc.all, 10));
    QVERIFY(doc.all.image == before.image);
    // From 5 on, channel 9 is the first free one.
    QVERIFY(InsertEmptyChannel(doc.all, 5));
    QCOMPARE(SaveChannel(doc.all, 5), EmptyChannelState());
    for (int k = 6; k <= 9; ++k)
        QCOMPARE(SaveChannel(doc.all, k), SaveChannel(before, k - 1));
    QCOMPARE(bytes(doc.all, 16 * 10, 16 * 119), bytes(before, 16 * 10, 16 * 119));
    QCOMPARE(ReadField(doc.all, Setting::PriorityChannel), 128);
}

void TestChannelListEdits::pastePlan_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("values");
    QTest::addColumn<int>("pasted");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<int>("replaced");
    QTest::newRow("into empty channels") << 8 << "ABC" << 3 << 0 << 0;
    QTest::newRow("over A, B and the erased 3") << 1 << "CCC" << 3 << 0 << 2;
    QTest::newRow("the same value is no loss") << 1 << "AC" << 2 << 0 << 1;
    QTest::newRow("an empty channel over one in use") << 4 << "~" << 1 << 0 << 1;
    QTest::newRow("at the end") << 126 << "ABCDE" << 3 << 2 << 1;
    QTest::newRow("after the end") << 129 << "AB" << 0 << 2 << 0;
    QTest::newRow("before the start") << 0 << "AB" << 0 << 2 << 0;
    QTest::newRow("nothing") << 5 << "" << 0 << 0 << 0;
}

void TestChannelListEdits::pastePlan()
{
    QFETCH(int, first);
    QFETCH(QString, values);
    QFETCH(int, pasted);
    QFETCH(int, leftOut);
    QFETCH(int, replaced);
    Fixture f;
    const QList<ChannelState> list = f.values(values.toLatin1().constData());
    const TALL before = f.doc.all;
    const ChannelPaste plan = PlanChannelPaste(f.doc.all, first, list);
    QVERIFY(f.doc.all.image == before.image);
    QCOMPARE(plan.pasted, pasted);
    QCOMPARE(plan.leftOut, leftOut);
    QCOMPARE(plan.replaced, replaced);

    const ChannelPaste done = PasteChannels(f.doc.all, first, list);
    QCOMPARE(done.pasted, pasted);
    QCOMPARE(done.replaced, replaced);
    for (int i = 0; i < pasted; ++i)
        QCOMPARE(SaveChannel(f.doc.all, first + i), list.at(i));
    // Nothing outside the pasted channels; the frequency channels never.
    for (int k = 1; k <= 130; ++k)
        if (k < first || k >= first + pasted)
            QCOMPARE(SaveChannel(f.doc.all, k), SaveChannel(before, k));
}

void TestChannelListEdits::setOneFieldOnMany()
{
    Fixture f;
    TALL& all = f.doc.all;
    const TALL before = all;
    const QList<int> set = {1, 2, 3, 4, 5, 6, 7};
    // Power low on the five channels in use; the empty ones (3, 6) keep their bytes.
    QCOMPARE(SetChannelsField(all, set, Field::Power, "0"), 5);
    for (int k = 1; k <= 128; ++k) {
        QByteArray wanted = bytes(before, 16 * k, 16);
        if (IsChannelInUse(before, k) && k <= 7) wanted[9] = char(wanted[9] & ~0x04);
        QCOMPARE(bytes(all, 16 * k, 16), wanted);
    }
    QCOMPARE(bytes(all, EmptyBitmap, 32), bytes(before, EmptyBitmap, 32));

    // Scan lives in the bitmap; a tone in bytes 7 and 8.
    QCOMPARE(SetChannelsField(all, {2, 7, 128}, Field::Scan, "0"), 3);
    // Of 1..8 only the empty 3 and 8 stay unscanned; the empty 6 keeps the bit it had.
    QCOMPARE(bytes(all, ScanSkipBitmap, 1), QByteArray(1, char(0x84)));
    // 121..127 are empty and stay unscanned; 128 is scanned.
    QCOMPARE(bytes(all, ScanSkipBitmap + 15, 1), QByteArray(1, char(0x7F)));
    QCOMPARE(SetChannelsField(all, {1, 3}, Field::TxTone, "D023N"), 1);
    QCOMPARE(bytes(all, 16 + 7, 2), QByteArray("\x23\x80", 2));
    QCOMPARE(bytes(all, 48 + 7, 2), bytes(before, 48 + 7, 2));

    // Frequencies and names are no fields for many channels.
    const TALL now = all;
    QCOMPARE(SetChannelsField(all, set, Field::RxFreq, "145.000"), 0);
    QCOMPARE(SetChannelsField(all, set, Field::Name, "X"), 0);
    QVERIFY(all.image == now.image);
}

void TestChannelListEdits::clipboardRoundTripOfTheWholeList()
{
    TestDocument source;
    fillAllChannels(source.all);
    const QByteArray payload = ChannelsPayload(CopyChannels(source.all, AllChannels(source.all)));
    QCOMPARE(payload.size(), 10 + 17 * 128);

    TestDocument target;
    QList<ChannelState> read;
    QVERIFY(ReadChannelsPayload(payload, read));
    QCOMPARE(read.size(), 128);
    const ChannelPaste paste = PasteChannels(target.all, 1, read);
    QCOMPARE(paste.pasted, 128);
    QCOMPARE(paste.replaced, 0);
    // Records 1..128 and both bitmaps exactly; the empty channels 9, 50, 127 with the
    // bytes they still hold.
    QCOMPARE(bytes(target.all, 16, 16 * 128), bytes(source.all, 16, 16 * 128));
    QCOMPARE(bytes(target.all, EmptyBitmap, 16), bytes(source.all, EmptyBitmap, 16));
    QCOMPARE(bytes(target.all, ScanSkipBitmap, 16), bytes(source.all, ScanSkipBitmap, 16));
    QVERIFY(bytes(target.all, 16 * 9, 16) != QByteArray(16, char(0xFF)));
    // Pasted again over itself: nothing is lost, nothing to ask.
    QCOMPARE(PlanChannelPaste(target.all, 1, read).replaced, 0);
}

void TestChannelListEdits::copiedChannelsAsCsvText()
{
    Fixture f;
    // The channels in use of the selection, in channel order, as export writes them.
    const QString text = QString::fromUtf8(ExportChannelsCsv(f.doc.all, {128, 6, 2, 3, 2}));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), CsvColumns().join(u','));
    QVERIFY2(lines.at(1).startsWith("2,RPT2,438.500000,"), qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).startsWith("128,LAST,146.000000,"), qPrintable(lines.at(2)));
    // The same rows the whole export writes for those channels.
    const QStringList whole =
        QString::fromUtf8(ExportChannelsCsv(f.doc.all)).split(QStringLiteral("\r\n"));
    QVERIFY(whole.contains(lines.at(1)));
    QVERIFY(whole.contains(lines.at(2)));
}

void TestChannelListEdits::malformedPayloads_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("channels"); // -1: refused
    Fixture f;
    const QByteArray good = ChannelsPayload(f.values("AB~"));
    const auto with = [&good](int at, char byte) {
        QByteArray p = good;
        p[at] = byte;
        return p;
    };
    QTest::newRow("as written") << good << 3;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("header only") << good.left(10) << -1;
    QTest::newRow("short header") << good.left(9) << -1;
    QTest::newRow("one byte short") << good.chopped(1) << -1;
    QTest::newRow("one byte more") << good + '\0' << -1;
    QTest::newRow("another magic") << with(0, 'X') << -1;
    QTest::newRow("another version") << with(6, 2) << -1;
    QTest::newRow("another record size") << with(7, 17) << -1;
    QTest::newRow("count 0") << with(8, 0).left(10) << -1;
    QTest::newRow("count too large for the data") << with(8, 4) << -1;
    QTest::newRow("count 129") << with(8, char(129)) + QByteArray(17 * 126, '\0') << -1;
    QTest::newRow("count in the high byte") << with(9, 1) << -1;
    QTest::newRow("bits beyond the two") << with(10 + 16, 0x04) << -1;
    QTest::newRow("CSV text") << QByteArray("Location,Name,Frequency\r\n1,A,145.5\r\n") << -1;
    QByteArray full = ChannelsPayload(QList<ChannelState>(128, f['A']));
    QTest::newRow("128 channels") << full << 128;
    QTest::newRow("nothing to write") << ChannelsPayload({}) << -1;
    QTest::newRow("more than 128 to write")
        << ChannelsPayload(QList<ChannelState>(129, f['A'])) << -1;
}

void TestChannelListEdits::malformedPayloads()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, channels);
    QList<ChannelState> read = {EmptyChannelState()};
    QCOMPARE(ReadChannelsPayload(payload, read), channels >= 0);
    QCOMPARE(int(read.size()), std::max(channels, 0));
    if (channels == 3) {
        Fixture f;
        QCOMPARE(read, f.values("AB~"));
    }
}

// Text a spreadsheet or another program put on the clipboard, pasted at channel 20:
// rows to 20, 21, ... whatever their Location, by the import's rules.
void TestChannelListEdits::csvTextPasted_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("names"); // of channels 20, 21, ...
    QTest::addColumn<int>("skipped");
    QTest::newRow("tab-separated, three columns")
        << QByteArray("Location\tName\tFrequency\n7\tHOME\t145.500\n3\tWORK\t438.500\n")
        << QStringList{"HOME", "WORK"} << 0;
    QTest::newRow("comma-separated, three columns")
        << QByteArray("Location,Name,Frequency\r\n7,HOME,145.500\r\n3,WORK,438.500\r\n")
        << QStringList{"HOME", "WORK"} << 0;
    QTest::newRow("tab-separated, empty fields and quotes")
        << QByteArray(
               "Name\tComment\tFrequency\n\t\t145.500\n\"A\tB\"\t\"x, \"\"y\"\"\"\t146.000\n")
        << QStringList{"", "A B"} << 0;
    QTest::newRow("tab-separated with commas in names")
        << QByteArray("Name\tFrequency\nA,B\t145.5\n") << QStringList{"A B"} << 0;
    QTest::newRow("a skipped row takes no channel")
        << QByteArray("Name\tFrequency\nONE\t145.5\nBAD\t300.0\nTWO\t146.0\n")
        << QStringList{"ONE", "TWO"} << 1;
}

void TestChannelListEdits::csvTextPasted()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, names);
    QFETCH(int, skipped);
    TestDocument doc;
    const CsvImport plan = PlanCsvPaste(doc.all, text, 20);
    QVERIFY2(plan.ok(), qPrintable(plan.error));
    QCOMPARE(plan.count(CsvImportRow::Skipped), skipped);
    QVERIFY(plan.fileNotes.join(' ').contains("from 20 on"));
    QCOMPARE(CsvImportReplaces(doc.all, plan), 0);
    ApplyCsvImport(doc.all, plan);
    TChannel ch;
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY(DecodeChannel(doc.all, 20 + i, ch));
        QCOMPARE(NameWithoutPadding(ch.name), names.at(i));
    }
    QCOMPARE(CountChannelsInUse(doc.all, AllChannels(doc.all)), int(names.size()));
}

void TestChannelListEdits::csvPasteAtTheEndAndOverChannelsInUse()
{
    Fixture f;
    const QByteArray text = "Name\tFrequency\tSkip\nX1\t145.1\t\nX2\t145.2\tP\nX3\t145.3\t\n";
    const TALL before = f.doc.all;
    const CsvImport plan = PlanCsvPaste(f.doc.all, text, 127);
    QVERIFY(f.doc.all.image == before.image);
    QCOMPARE(plan.rows.size(), 3);
    QCOMPARE(plan.rows[0].channel, 127);
    QCOMPARE(plan.rows[1].channel, 128);
    QCOMPARE(plan.rows[2].kind, CsvImportRow::Skipped);
    QVERIFY(plan.rows[2].notes.join(' ').contains("Channel 129 does not exist"));
    // Only 128 (Z) was in use.
    QCOMPARE(CsvImportReplaces(f.doc.all, plan), 1);
    // The report says where the rows went.
    const QStringList report = CsvImportReport(plan);
    QVERIFY(report.contains("line 2 -> channel 127: imported: 127 145.10000 / 145.10000 None / "
                            "None High Wide Add X1"));
    QVERIFY(report.contains("line 3 -> channel 128: imported: 128 145.20000 / 145.20000 None / "
                            "None High Wide Add X2 Priority"));

    ApplyCsvImport(f.doc.all, plan);
    TChannel ch;
    QVERIFY(DecodeChannel(f.doc.all, 128, ch));
    QCOMPARE(NameWithoutPadding(ch.name), QStringLiteral("X2"));
    // As an import, a row marked P makes its channel the priority channel.
    QCOMPARE(ReadField(f.doc.all, Setting::PriorityChannel), 128);
    QCOMPARE(bytes(f.doc.all, 16, 16 * 126), bytes(before, 16, 16 * 126));

    // A file import still goes by Location, tab-separated too.
    const CsvImport byLocation =
        PlanCsvImport(f.doc.all, "Location\tName\tFrequency\n9\tNINE\t145.5\n");
    QCOMPARE(byLocation.rows.value(0).channel, 9);
}

QTEST_GUILESS_MAIN(TestChannelListEdits)
#include "tst_channellistedits.moc"
