#include "SettingsFixture.h"
#include "SettingsWindows.h"

#include <QGroupBox>
#include <QtTest>
#include <memory>

class TestVoxScanKeys : public QObject {
    Q_OBJECT

  private slots:
    void newImageShows_data();
    void newImageShows();
    void listWritesOnlyItsBits_data();
    void listWritesOnlyItsBits();
    void priorityListFollowsTheChannelCount();
    void valuesWithoutAnItemAreKept();
    void renamedKeyFunction();
};

void TestVoxScanKeys::newImageShows_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");
    QTest::newRow("vox gain") << "fVoxFun"
                              << "cxVox"
                              << "5";
    QTest::newRow("vox delay") << "fVoxFun"
                               << "cxVoxDely"
                               << "3.0";
    QTest::newRow("vox inhibit") << "fVoxFun"
                                 << "cxRxDis"
                                 << "Yes";
    QTest::newRow("scan mode") << "fScanFun"
                               << "cxScanMode"
                               << "CO";
    QTest::newRow("scan speed") << "fScanFun"
                                << "cxScanRate"
                                << "100";
    QTest::newRow("dropout delay") << "fScanFun"
                                   << "cxScanDely"
                                   << "15";
    QTest::newRow("priority") << "fScanFun"
                              << "cxPriCh"
                              << "OFF";
    QTest::newRow("key 1") << "fKeyFun"
                           << "cxKey1"
                           << "Monmome";
    QTest::newRow("key 2") << "fKeyFun"
                           << "cxKey2"
                           << "Alarm";
}

void TestVoxScanKeys::newImageShows()
{
    QFETCH(QString, form);
    QFETCH(QString, list);
    SettingsDocument doc;
    const QByteArray before = doc.image();
    auto window = makeSettingsWindow(form);
    window->show();
    QTEST(control(*window, qPrintable(list))->currentText(), "shown");
    // The frame is titled like the window.
    QCOMPARE(window->findChild<QGroupBox*>()->title(), window->windowTitle());
    QCOMPARE(differences(before, doc.image()), QList<int>());
    QVERIFY(!appState().modified);
}

void TestVoxScanKeys::listWritesOnlyItsBits_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("value");
    QTest::newRow("vox gain") << "fVoxFun"
                              << "cxVox" << 0 << 8 << 0x0F << 0;
    QTest::newRow("vox gain 9") << "fVoxFun"
                                << "cxVox" << 8 << 8 << 0x0F << 8;
    QTest::newRow("vox delay") << "fVoxFun"
                               << "cxVoxDely" << 0 << 8 << 0x60 << 0;
    QTest::newRow("vox inhibit") << "fVoxFun"
                                 << "cxRxDis" << 0 << 8 << 0x80 << 0;
    QTest::newRow("scan mode") << "fScanFun"
                               << "cxScanMode" << 2 << 10 << 0x0F << 2;
    QTest::newRow("scan speed") << "fScanFun"
                                << "cxScanRate" << 8 << 10 << 0xF0 << 8;
    QTest::newRow("dropout 3 s") << "fScanFun"
                                 << "cxScanDely" << 0 << 11 << 0xFF << 0;
    QTest::newRow("dropout 30 s") << "fScanFun"
                                  << "cxScanDely" << 27 << 11 << 0xFF << 27;
    QTest::newRow("priority 128") << "fScanFun"
                                  << "cxPriCh" << 128 << 12 << 0xFF << 0x80;
    QTest::newRow("priority 7") << "fScanFun"
                                << "cxPriCh" << 7 << 12 << 0xFF << 7;
    QTest::newRow("key 1") << "fKeyFun"
                           << "cxKey1" << 3 << 13 << 0x0F << 3;
    QTest::newRow("key 2") << "fKeyFun"
                           << "cxKey2" << 0 << 13 << 0xF0 << 0;
}

void TestVoxScanKeys::listWritesOnlyItsBits()
{
    QFETCH(QString, form);
    QFETCH(QString, list);
    QFETCH(int, item);
    QFETCH(int, byte);
    QFETCH(int, mask);
    QFETCH(int, value);
    SettingsDocument doc;
    auto window = makeSettingsWindow(form);
    window->show();
    const QByteArray before = doc.image();
    QComboBox* box = control(*window, qPrintable(list));
    QCOMPARE(box->currentIndex() == item, false); // the choice is a change
    box->setCurrentIndex(item);

    const int offset = 0x898 + byte;
    QCOMPARE(differences(before, doc.image()), QList<int>{offset});
    int shift = 0;
    while (!(mask & (1 << shift)))
        ++shift;
    QCOMPARE((doc.at(offset) & mask) >> shift, value);
    QCOMPARE(doc.at(offset) & ~mask & 0xFF, quint8(before[offset]) & ~mask & 0xFF);
    QVERIFY(appState().modified);
}

void TestVoxScanKeys::priorityListFollowsTheChannelCount()
{
    SettingsDocument doc;
    {
        TfScanFun window;
        window.show();
        QComboBox* pri = control(window, "cxPriCh");
        QCOMPARE(pri->count(), 129);
        QCOMPARE(pri->itemText(1), QStringLiteral("1"));
        QCOMPARE(pri->itemText(128), QStringLiteral("128"));
        pri->setCurrentIndex(12);
        pri->setCurrentIndex(0);
        QCOMPARE(doc.at(0x8A4), quint8(0));
    }
    appState().channelCount = 50;
    TfScanFun window;
    window.show();
    QCOMPARE(control(window, "cxPriCh")->count(), 51);
    QCOMPARE(control(window, "cxPriCh")->itemText(50), QStringLiteral("50"));
}

void TestVoxScanKeys::valuesWithoutAnItemAreKept()
{
    SettingsDocument doc;
    doc.at(0x8A2) = 0x91; // scan speed 9 (no item), scan mode 1
    doc.at(0x8A4) = 100;  // priority channel 100 of a model with 50 channels
    appState().channelCount = 50;
    TfScanFun window;
    window.show();
    QCOMPARE(control(window, "cxScanRate")->currentIndex(), -1);
    QCOMPARE(control(window, "cxScanMode")->currentText(), QStringLiteral("TO"));
    QCOMPARE(control(window, "cxPriCh")->currentIndex(), -1);

    control(window, "cxScanMode")->setCurrentIndex(2);
    QCOMPARE(doc.at(0x8A2), quint8(0x92));
    QCOMPARE(doc.at(0x8A4), quint8(100));
}

void TestVoxScanKeys::renamedKeyFunction()
{
    SettingsDocument doc;
    doc.useLanguage("[fKeyFun]\ncxKey_List.2=Siren\nlKey1.Caption=Side key 1\n");
    TfKeyFun window;
    window.show();
    for (const char* name : {"cxKey1", "cxKey2"}) {
        QComboBox* key = control(window, name);
        QCOMPARE(key->count(), 4);
        QCOMPARE(key->itemText(2), QStringLiteral("Siren"));
        QCOMPARE(key->itemText(3), QStringLiteral("Tx 1750Hz"));
    }
    QCOMPARE(control(window, "cxKey2")->currentText(), QStringLiteral("Siren"));
    control(window, "cxKey1")->setCurrentIndex(2);
    QCOMPARE(doc.at(0x8A5) & 0x0F, 2);
    QCOMPARE(doc.at(0x8A5) >> 4, 2);
}

QTEST_MAIN(TestVoxScanKeys)
#include "tst_voxscankeys.moc"
