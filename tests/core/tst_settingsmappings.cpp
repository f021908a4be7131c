#include "CoreFixture.h"

#include "core/SettingsMap.h"
#include "core/SettingsMappings.h"

#include <QtTest>

class TestSettingsMappings : public QObject {
    Q_OBJECT

private slots:
    void displayModeShown_data();
    void displayModeShown();
    void displayModeWritten_data();
    void displayModeWritten();
    void keyTone();
    void burst1750();
    void newImageFieldValues_data();
    void newImageFieldValues();
    void fieldsOfOneByteDoNotOverlap();
};

void TestSettingsMappings::displayModeShown_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("item");
    const int items[16] = {4, 4, 4, 4, 3, 3, 3, 3, 2, 1, 2, 0, 2, 1, 2, 0};
    for (int v = 0; v < 16; ++v) QTest::addRow("%d", v) << v << items[v];
}

void TestSettingsMappings::displayModeShown()
{
    QFETCH(int, stored);
    QTEST(DisplayModeToItem(stored), "item");
}

void TestSettingsMappings::displayModeWritten_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("written");
    QTest::newRow("Freq.") << 0 << 15;
    QTest::newRow("Chs Freq.") << 1 << 13;
    QTest::newRow("Chs.") << 2 << 14;
    QTest::newRow("FM Freq.") << 3 << 7;
    QTest::newRow("FM Chs.") << 4 << 3;
    QTest::newRow("no item") << -1 << 15;
}

void TestSettingsMappings::displayModeWritten()
{
    QFETCH(int, item);
    QFETCH(int, written);
    QCOMPARE(DisplayModeFromItem(item), written);
    // Every written value shows the item it came from.
    if (item >= 0) QCOMPARE(DisplayModeToItem(written), item);
}

void TestSettingsMappings::keyTone()
{
    QCOMPARE(KeyToneToItem(0), 0);
    QCOMPARE(KeyToneToItem(1), 1);
    QCOMPARE(KeyToneToItem(2), 0);
    QCOMPARE(KeyToneToItem(3), 2);
    QCOMPARE(KeyToneFromItem(0), 0);
    QCOMPARE(KeyToneFromItem(1), 1);
    QCOMPARE(KeyToneFromItem(2), 3);
}

void TestSettingsMappings::burst1750()
{
    QCOMPARE(Burst1750ToItem(15), 0);  // "OFF"
    QCOMPARE(Burst1750ToItem(0), 1);   // " 1s"
    QCOMPARE(Burst1750ToItem(14), 15); // "15s"
    QCOMPARE(Burst1750FromItem(0), 15);
    QCOMPARE(Burst1750FromItem(1), 0);
    QCOMPARE(Burst1750FromItem(15), 14);
    for (int item = 0; item < 16; ++item) QCOMPARE(Burst1750ToItem(Burst1750FromItem(item)), item);
}

void TestSettingsMappings::newImageFieldValues_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("value");
    const auto row = [](const char* name, SettingsFieldRef f, int v) {
        QTest::newRow(name) << f.byte << int(f.mask) << v;
    };
    row("display mode", Field::DisplayMode, 15);
    row("show name", Field::ShowName, 1);
    row("squelch", Field::Squelch, 5);
    row("time-out", Field::TimeOut, 6);
    row("group", Field::Group, 0);
    row("battery save", Field::BatterySave, 2);
    row("key tone", Field::KeyTone, 3);
    row("incept alarm", Field::InceptAlarm, 0);
    row("lamp", Field::Lamp, 2);
    row("open show", Field::OpenShow, 2);
    row("1750", Field::Burst1750, 15);
    row("key lock", Field::KeyLock, 1);
    row("tx inhibit", Field::BatteryInhibitTx, 2);
    row("volume", Field::Volume, 15);
    row("apo", Field::AutoPowerOff, 0);
    row("vox gain", Field::VoxGain, 4);
    row("vox delay", Field::VoxDelay, 3);
    row("vox rx inhibit", Field::VoxRxInhibit, 1);
    row("scan mode", Field::ScanMode, 0);
    row("scan speed", Field::ScanSpeed, 0);
    row("dropout", Field::ScanDropout, 12);
    row("priority", Field::PriorityChannel, 0);
    row("key 1", Field::Key1, 1);
    row("key 2", Field::Key2, 2);
    row("fm volume", Field::FmVolume, 15);
    row("fm step", Field::FmStep, 2);
}

void TestSettingsMappings::newImageFieldValues()
{
    QFETCH(int, byte);
    QFETCH(int, mask);
    TestDocument doc;
    QTEST(ReadField(doc.all, SettingsFieldRef{byte, quint8(mask)}), "value");
}

void TestSettingsMappings::fieldsOfOneByteDoNotOverlap()
{
    const SettingsFieldRef fields[] = {
        Field::DisplayMode, Field::ShowName, Field::Squelch, Field::TimeOut, Field::Group,
        Field::BatterySave, Field::KeyTone, Field::InceptAlarm, Field::Lamp, Field::OpenShow,
        Field::Burst1750, Field::KeyLock, Field::BatteryInhibitTx, Field::Volume,
        Field::AutoPowerOff, Field::VoxGain, Field::VoxDelay, Field::VoxRxInhibit,
        Field::ScanMode, Field::ScanSpeed, Field::ScanDropout, Field::PriorityChannel,
        Field::Key1, Field::Key2, Field::FmVolume, Field::FmStep};
    int used[40] = {};
    for (const SettingsFieldRef& f : fields) {
        QVERIFY2((used[f.byte] & f.mask) == 0, qPrintable(QString::number(f.byte)));
        used[f.byte] |= f.mask;
    }
    // The bits the windows leave alone.
    QCOMPARE(used[0] & 0x70, 0);
    QCOMPARE(used[5] & 0x20, 0);
    QCOMPARE(used[6] & 0xE0, 0);
    QCOMPARE(used[8] & 0x10, 0);
    QCOMPARE(used[15] & 0xC0, 0);
}

QTEST_GUILESS_MAIN(TestSettingsMappings)
#include "tst_settingsmappings.moc"
