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
    for (int v = 0; v < 16; ++v)
        QTest::addRow("%d", v) << v << items[v];
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
    for (int item = 0; item < 16; ++item)
        QCOMPARE(Burst1750ToItem(Burst1750FromItem(item)), item);
}

void TestSettingsMappings::newImageFieldValues_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("value");
    const auto row = [](const char* name, SettingsFieldRef f, int v) {
        QTest::newRow(name) << f.byte << int(f.mask) << v;
    };
    row("display mode", Setting::DisplayMode, 15);
    row("show name", Setting::ShowName, 1);
    row("squelch", Setting::Squelch, 5);
    row("time-out", Setting::TimeOut, 6);
    row("group", Setting::Group, 0);
    row("battery save", Setting::BatterySave, 2);
    row("key tone", Setting::KeyTone, 3);
    row("incept alarm", Setting::InceptAlarm, 0);
    row("lamp", Setting::Lamp, 2);
    row("open show", Setting::OpenShow, 2);
    row("1750", Setting::Burst1750, 15);
    row("key lock", Setting::KeyLock, 1);
    row("tx inhibit", Setting::BatteryInhibitTx, 2);
    row("volume", Setting::Volume, 15);
    row("apo", Setting::AutoPowerOff, 0);
    row("vox gain", Setting::VoxGain, 4);
    row("vox delay", Setting::VoxDelay, 3);
    row("vox rx inhibit", Setting::VoxRxInhibit, 1);
    row("scan mode", Setting::ScanMode, 0);
    row("scan speed", Setting::ScanSpeed, 0);
    row("dropout", Setting::ScanDropout, 12);
    row("priority", Setting::PriorityChannel, 0);
    row("key 1", Setting::Key1, 1);
    row("key 2", Setting::Key2, 2);
    row("fm volume", Setting::FmVolume, 15);
    row("fm step", Setting::FmStep, 2);
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
        Setting::DisplayMode,      Setting::ShowName,    Setting::Squelch,
        Setting::TimeOut,          Setting::Group,       Setting::BatterySave,
        Setting::KeyTone,          Setting::InceptAlarm, Setting::Lamp,
        Setting::OpenShow,         Setting::Burst1750,   Setting::KeyLock,
        Setting::BatteryInhibitTx, Setting::Volume,      Setting::AutoPowerOff,
        Setting::VoxGain,          Setting::VoxDelay,    Setting::VoxRxInhibit,
        Setting::ScanMode,         Setting::ScanSpeed,   Setting::ScanDropout,
        Setting::PriorityChannel,  Setting::Key1,        Setting::Key2,
        Setting::FmVolume,         Setting::FmStep};
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
