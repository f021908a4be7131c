#include "CoreFixture.h"

#include "core/SettingsCatalog.h"

#include <QSet>
#include <QtTest>

class TestSettingsCatalog : public QObject {
    Q_OBJECT

  private slots:
    void shownItem_data();
    void shownItem();
    void keyLookupUsesTheGivenItems();
    void storedValue_data();
    void storedValue();
    void eachItemStoresWhatShowsIt();
    void everyItemCanBeShown();
    void windowsAndNames();
    void priorityItemsFollowTheChannelCount();
};

namespace {

SettingDescription entry(const TALL& all, const QString& control)
{
    for (const SettingDescription& d : SettingsCatalog(all))
        if (d.control == control) return d;
    return {};
}

int bitsOf(quint8 mask)
{
    int n = 0;
    for (int i = 0; i < 8; ++i)
        n += (mask >> i) & 1;
    return n;
}

} // namespace

void TestSettingsCatalog::shownItem_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");

    const auto row = [](const char* name, const char* control, int stored, int item,
                        const char* text, int channels = 128) {
        QTest::newRow(name) << QString::fromLatin1(control) << channels << stored << item
                            << QString::fromLatin1(text);
    };
    // Display mode: several stored values show as one item.
    row("mode 0", "cxMode", 0, 4, "FM Chs.");
    row("mode 5", "cxMode", 5, 3, "FM Freq.");
    row("mode 8", "cxMode", 8, 2, "Chs.");
    row("mode 9", "cxMode", 9, 1, "Chs Freq.");
    row("mode 11", "cxMode", 11, 0, "Freq.");
    row("mode 15", "cxMode", 15, 0, "Freq.");
    // Key tone: Voice is 3, a stored 2 shows Off.
    row("key tone 1", "cxKeyTone", 1, 1, "Tone");
    row("key tone 2", "cxKeyTone", 2, 0, "Off");
    row("key tone 3", "cxKeyTone", 3, 2, "Voice");
    // 1750 Hz: OFF is 15, i seconds is i - 1.
    row("1750 15", "cx1750", 15, 0, "OFF");
    row("1750 0", "cx1750", 0, 1, " 1s");
    row("1750 14", "cx1750", 14, 15, "15s");
    // Plain indexes, the last item and one past it.
    row("squelch 9", "cxSQL", 9, 9, "9");
    row("squelch 10", "cxSQL", 10, -1, "");
    row("time-out 12", "cxTOT", 12, 12, "360");
    row("time-out 13", "cxTOT", 13, -1, "");
    row("hidden group 8", "cxGroup", 8, 8, "H-Group");
    row("hidden group 9", "cxGroup", 9, -1, "");
    row("channel name 1", "cxShow", 1, 1, "No");
    row("power-off 6", "cxAPO", 6, 6, "180");
    row("power-off 7", "cxAPO", 7, -1, "");
    row("volume 15", "cxVol", 15, 15, "15");
    row("vox gain 0", "cxVox", 0, 0, "1");
    row("vox gain 9", "cxVox", 9, -1, "");
    row("vox delay 3", "cxVoxDely", 3, 3, "3.0");
    row("scan speed 8", "cxScanRate", 8, 8, "500");
    row("scan speed 9", "cxScanRate", 9, -1, "");
    row("dropout 27", "cxScanDely", 27, 27, "30");
    row("dropout 28", "cxScanDely", 28, -1, "");
    row("fm step 3", "cxFMStep", 3, 3, "200");
    row("fm step 4", "cxFMStep", 4, -1, "");
    row("fm volume 0", "cxFMVol", 0, 0, "1");
    // Keys: the code's function, else the first item.
    row("key 1 code 3", "cxKey1", 3, 3, "Tx 1750Hz");
    row("key 1 code 4", "cxKey1", 4, 0, "OFF");
    row("key 2 code 2", "cxKey2", 2, 2, "Alarm");
    row("key 2 code 15", "cxKey2", 15, 0, "OFF");
    // Priority channel: "OFF", then channel n as n, up to the channel count.
    row("priority off", "cxPriCh", 0, 0, "OFF");
    row("priority 128", "cxPriCh", 128, 128, "128");
    row("priority 129", "cxPriCh", 129, -1, "");
    row("priority 50 of 50", "cxPriCh", 50, 50, "50", 50);
    row("priority 51 of 50", "cxPriCh", 51, -1, "", 50);
}

void TestSettingsCatalog::shownItem()
{
    QFETCH(QString, control);
    QFETCH(int, channels);
    QFETCH(int, stored);
    QFETCH(int, item);
    QFETCH(QString, text);

    TestDocument doc;
    doc.all.channelCount = channels;
    const SettingDescription d = entry(doc.all, control);
    QCOMPARE(d.control, control);

    // Neighbouring bits of the byte are set, so a wrong mask shows.
    doc.at(0x898 + d.field.byte) = 0xFF;
    WriteField(doc.all, d.field, stored);
    QCOMPARE(SettingStoredValue(doc.all, d), stored);
    QCOMPARE(SettingItemIndex(doc.all, d), item);
    QCOMPARE(d.items.value(item), text);
    QVERIFY(FindSetting(doc.all, d.form, control).has_value());
}

void TestSettingsCatalog::keyLookupUsesTheGivenItems()
{
    TestDocument doc;
    const SettingDescription key = entry(doc.all, QStringLiteral("cxKey1"));
    // A translation that gives two functions one name shows the first of them.
    const QStringList translated{QStringLiteral("Aus"), QStringLiteral("Ton"),
                                 QStringLiteral("Ton"), QStringLiteral("1750")};
    QCOMPARE(SettingItemForValue(key, 1, translated), 1);
    QCOMPARE(SettingItemForValue(key, 2, translated), 1);
    QCOMPARE(SettingItemForValue(key, 3, translated), 3);
    QCOMPARE(SettingItemForValue(key, 9, translated), 0);
    QCOMPARE(SettingItemForValue(key, 0, {}), -1); // an empty list shows nothing
    // A plain list counts the items it is given.
    const SettingDescription sql = entry(doc.all, QStringLiteral("cxSQL"));
    QCOMPARE(SettingItemForValue(sql, 3, sql.items.mid(0, 3)), -1);
    QCOMPARE(SettingItemForValue(sql, 2, sql.items.mid(0, 3)), 2);
}

void TestSettingsCatalog::storedValue_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("value"); // -1: the field keeps its value
    const auto row = [](const char* name, const char* control, int item, int value) {
        QTest::newRow(name) << QString::fromLatin1(control) << item << value;
    };
    row("mode Freq.", "cxMode", 0, 15);
    row("mode Chs Freq.", "cxMode", 1, 13);
    row("mode Chs.", "cxMode", 2, 14);
    row("mode FM Freq.", "cxMode", 3, 7);
    row("mode FM Chs.", "cxMode", 4, 3);
    row("mode none", "cxMode", -1, 15);
    row("key tone Voice", "cxKeyTone", 2, 3);
    row("key tone none", "cxKeyTone", -1, -1);
    row("1750 OFF", "cx1750", 0, 15);
    row("1750 1s", "cx1750", 1, 0);
    row("1750 none", "cx1750", -1, -1);
    row("squelch 9", "cxSQL", 9, 9);
    row("squelch none", "cxSQL", -1, -1);
    row("priority 128", "cxPriCh", 128, 128);
    row("key Tx 1750Hz", "cxKey2", 3, 3);
    row("key none", "cxKey1", -1, 0);
}

void TestSettingsCatalog::storedValue()
{
    QFETCH(QString, control);
    QFETCH(int, item);
    QFETCH(int, value);
    TestDocument doc;
    const SettingDescription d = entry(doc.all, control);
    QCOMPARE(SettingValueForItem(d, item, d.items).value_or(-1), value);

    doc.at(0x898 + d.field.byte) = 0xA5;
    const int before = ReadField(doc.all, d.field);
    StoreSettingItem(doc.all, d, item, d.items);
    QCOMPARE(ReadField(doc.all, d.field), value < 0 ? before : value);
    QCOMPARE(doc.at(0x898 + d.field.byte) & ~d.field.mask & 0xFF, 0xA5 & ~d.field.mask & 0xFF);
}

// Storing an item and showing the stored value give the item back, for every item of
// every list; a key whose translated name repeats stores the first function of it.
void TestSettingsCatalog::eachItemStoresWhatShowsIt()
{
    TestDocument doc;
    for (const SettingDescription& d : SettingsCatalog(doc.all)) {
        for (int i = 0; i < d.items.size(); ++i) {
            StoreSettingItem(doc.all, d, i, d.items);
            QVERIFY2(SettingItemIndex(doc.all, d) == i,
                     qPrintable(d.control + QStringLiteral(" item ") + d.items[i]));
        }
    }
    const SettingDescription key = entry(doc.all, QStringLiteral("cxKey1"));
    const QStringList translated{QStringLiteral("Aus"), QStringLiteral("Ton"),
                                 QStringLiteral("Ton"), QStringLiteral("1750")};
    QCOMPARE(SettingValueForItem(key, 2, translated).value_or(-1), 1);
}

// Some value that fits the field shows each item, and the items are distinct, so a
// list whose field is too narrow, or whose mapping misses an item, shows up here.
void TestSettingsCatalog::everyItemCanBeShown()
{
    TestDocument doc;
    for (const SettingDescription& d : SettingsCatalog(doc.all)) {
        QVERIFY2(!d.items.isEmpty(), qPrintable(d.control));
        QCOMPARE(QSet<QString>(d.items.begin(), d.items.end()).size(), d.items.size());
        QSet<int> shown;
        for (int v = 0; v < (1 << bitsOf(d.field.mask)); ++v) {
            WriteField(doc.all, d.field, v);
            const int item = SettingItemIndex(doc.all, d);
            QVERIFY2(item >= -1 && item < d.items.size(), qPrintable(d.control));
            shown << item;
        }
        for (int i = 0; i < d.items.size(); ++i)
            QVERIFY2(shown.contains(i),
                     qPrintable(d.control + QStringLiteral(" item ") + d.items[i]));
    }
}

void TestSettingsCatalog::windowsAndNames()
{
    TestDocument doc;
    const QStringList order{QStringLiteral("fOptFun"), QStringLiteral("fVoxFun"),
                            QStringLiteral("fScanFun"), QStringLiteral("fKeyFun"),
                            QStringLiteral("fFmFun")};
    QStringList forms;
    QSet<QString> controls;
    for (const SettingDescription& d : SettingsCatalog(doc.all)) {
        if (forms.isEmpty() || forms.last() != d.form) forms << d.form;
        QVERIFY2(!controls.contains(d.control), qPrintable(d.control));
        controls << d.control;
        QVERIFY(d.control.startsWith(QLatin1String("cx")));
        QVERIFY(!d.translationSource.isEmpty());
        // Only the hidden group list is kept out of sight.
        QCOMPARE(d.shown, d.control != QLatin1String("cxGroup"));
    }
    QCOMPARE(forms, order); // each window once, in window order
    QVERIFY(!controls.contains(QStringLiteral("cxName")));
    QVERIFY(!FindSetting(doc.all, QStringLiteral("fOptFun"), QStringLiteral("cxName")));
    QVERIFY(!FindSetting(doc.all, QStringLiteral("fVoxFun"), QStringLiteral("cxSQL")));
}

void TestSettingsCatalog::priorityItemsFollowTheChannelCount()
{
    TestDocument doc;
    for (int channels : {0, 1, 50, 128}) {
        doc.all.channelCount = channels;
        const SettingDescription d = entry(doc.all, QStringLiteral("cxPriCh"));
        QCOMPARE(d.items.size(), channels + 1);
        QCOMPARE(d.items.first(), QStringLiteral("OFF"));
        if (channels > 0) QCOMPARE(d.items.last(), QString::number(channels));
    }
}

QTEST_MAIN(TestSettingsCatalog)
#include "tst_settingscatalog.moc"
