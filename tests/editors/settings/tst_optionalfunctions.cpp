#include "SettingsFixture.h"

#include "core/RadioName.h"
#include "editors/settings/OptionalFunctions.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class TestOptionalFunctions : public QObject {
    Q_OBJECT

  private slots:
    void newImageShows_data();
    void newImageShows();
    void openingWritesNothing();
    void eachListWritesOnlyItsBits_data();
    void eachListWritesOnlyItsBits();
    void anyChangeNormalisesMappedValues_data();
    void anyChangeNormalisesMappedValues();
    void anyChangeStoresTheName();
    void typingTheName();
    void translation();
};

void TestOptionalFunctions::newImageShows_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");
    QTest::newRow("mode") << "cxMode"
                          << "Freq.";
    QTest::newRow("channel name") << "cxShow"
                                  << "No";
    QTest::newRow("squelch") << "cxSQL"
                             << "5";
    QTest::newRow("time-out") << "cxTOT"
                              << "180";
    QTest::newRow("battery save") << "cxRate"
                                  << "1:2";
    QTest::newRow("key tone") << "cxKeyTone"
                              << "Voice";
    QTest::newRow("incept alarm") << "cxAlt"
                                  << "Off";
    QTest::newRow("lamp") << "cxLamp"
                          << "Auto";
    QTest::newRow("open show") << "cxOpens"
                               << "DC";
    QTest::newRow("1750 Hz") << "cx1750"
                             << "OFF";
    QTest::newRow("key lock") << "cxKeyLock"
                              << "Manual";
    QTest::newRow("tx inhibit") << "cxBatTx"
                                << "High";
    QTest::newRow("volume") << "cxVol"
                            << "15";
    QTest::newRow("apo") << "cxAPO"
                         << "Off";
    QTest::newRow("group") << "cxGroup"
                           << "None";
}

void TestOptionalFunctions::newImageShows()
{
    QFETCH(QString, list);
    SettingsDocument doc;
    TfOptFun window;
    window.show();
    QTEST(control(window, qPrintable(list))->currentText(), "shown");
}

void TestOptionalFunctions::openingWritesNothing()
{
    SettingsDocument doc;
    // A display mode and a key tone that the window shows as another item's value.
    doc.at(0x898) = 0xF0;
    doc.at(0x89E) = quint8((doc.at(0x89E) & ~0x03) | 0x02);
    const QByteArray before = doc.image();
    TfOptFun window;
    window.show();
    // Six blank name bytes show as an empty edit that takes typing at once.
    QCOMPARE(control<QLineEdit>(window, "cxName")->text(), QString());
    QCOMPARE(differences(before, doc.image()), QList<int>());
    QVERIFY(!appState().modified);
}

void TestOptionalFunctions::eachListWritesOnlyItsBits_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("value");
    QTest::newRow("mode Chs.") << "cxMode" << 2 << 0 << 0x0F << 14;
    QTest::newRow("mode Chs Freq.") << "cxMode" << 1 << 0 << 0x0F << 13;
    QTest::newRow("mode FM Freq.") << "cxMode" << 3 << 0 << 0x0F << 7;
    QTest::newRow("channel name") << "cxShow" << 0 << 0 << 0x80 << 0;
    QTest::newRow("squelch") << "cxSQL" << 9 << 7 << 0x0F << 9;
    QTest::newRow("time-out") << "cxTOT" << 12 << 7 << 0xF0 << 12;
    QTest::newRow("group") << "cxGroup" << 8 << 15 << 0x0F << 8;
    QTest::newRow("battery save") << "cxRate" << 0 << 5 << 0x0F << 0;
    QTest::newRow("key tone Tone") << "cxKeyTone" << 1 << 6 << 0x03 << 1;
    QTest::newRow("key tone Off") << "cxKeyTone" << 0 << 6 << 0x03 << 0;
    QTest::newRow("incept alarm") << "cxAlt" << 1 << 6 << 0x10 << 1;
    QTest::newRow("lamp") << "cxLamp" << 0 << 6 << 0x0C << 0;
    QTest::newRow("open show") << "cxOpens" << 1 << 15 << 0x30 << 1;
    QTest::newRow("1750 Hz 1s") << "cx1750" << 1 << 14 << 0xF0 << 0;
    QTest::newRow("1750 Hz 15s") << "cx1750" << 15 << 14 << 0xF0 << 14;
    QTest::newRow("key lock") << "cxKeyLock" << 0 << 5 << 0x10 << 0;
    QTest::newRow("tx inhibit") << "cxBatTx" << 3 << 5 << 0xC0 << 3;
    QTest::newRow("volume") << "cxVol" << 7 << 4 << 0x0F << 7;
    QTest::newRow("apo") << "cxAPO" << 6 << 14 << 0x0F << 6;
}

void TestOptionalFunctions::eachListWritesOnlyItsBits()
{
    QFETCH(QString, list);
    QFETCH(int, item);
    QFETCH(int, byte);
    QFETCH(int, mask);
    QFETCH(int, value);
    SettingsDocument doc;
    StoreRadioName(appState(), QStringLiteral("QZ17")); // so the name store changes nothing
    TfOptFun window;
    window.show();
    const QByteArray before = doc.image();

    control(window, qPrintable(list))->setCurrentIndex(item);

    const int offset = 0x898 + byte;
    const QList<int> changed = differences(before, doc.image());
    QVERIFY(changed.isEmpty() || changed == QList<int>{offset});
    int shift = 0;
    while (!(mask & (1 << shift)))
        ++shift;
    QCOMPARE((doc.at(offset) & mask) >> shift, value);
    QCOMPARE(doc.at(offset) & ~mask & 0xFF, quint8(before[offset]) & ~mask & 0xFF);
    QVERIFY(appState().modified);
}

void TestOptionalFunctions::anyChangeNormalisesMappedValues_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("afterChange");
    QTest::newRow("mode 0") << 0x898 << 0x0F << 0 << "cxMode"
                            << "FM Chs." << 3;
    QTest::newRow("mode 9") << 0x898 << 0x0F << 9 << "cxMode"
                            << "Chs Freq." << 13;
    QTest::newRow("mode 4") << 0x898 << 0x0F << 4 << "cxMode"
                            << "FM Freq." << 7;
    QTest::newRow("mode 10") << 0x898 << 0x0F << 10 << "cxMode"
                             << "Chs." << 14;
    QTest::newRow("mode 11") << 0x898 << 0x0F << 11 << "cxMode"
                             << "Freq." << 15;
    QTest::newRow("key tone 2") << 0x89E << 0x03 << 2 << "cxKeyTone"
                                << "Off" << 0;
    QTest::newRow("1750 Hz 0") << 0x8A6 << 0xF0 << 0 << "cx1750"
                               << " 1s" << 0;
    QTest::newRow("1750 Hz 9") << 0x8A6 << 0xF0 << 9 << "cx1750"
                               << "10s" << 9;
}

void TestOptionalFunctions::anyChangeNormalisesMappedValues()
{
    QFETCH(int, offset);
    QFETCH(int, mask);
    QFETCH(int, stored);
    QFETCH(QString, list);
    SettingsDocument doc;
    int shift = 0;
    while (!(mask & (1 << shift)))
        ++shift;
    doc.at(offset) = quint8((doc.at(offset) & ~mask) | (stored << shift));
    const quint8 otherBits = doc.at(offset) & ~mask;

    TfOptFun window;
    window.show();
    QTEST(control(window, qPrintable(list))->currentText(), "shown");
    control(window, "cxVol")->setCurrentIndex(3); // some other control
    QTEST((doc.at(offset) & mask) >> shift, "afterChange");
    QCOMPARE(quint8(doc.at(offset) & ~mask), otherBits);
}

void TestOptionalFunctions::anyChangeStoresTheName()
{
    SettingsDocument doc;
    TfOptFun window;
    window.show();
    control(window, "cxVol")->setCurrentIndex(4);
    QCOMPARE(doc.image().mid(0x8A8, 6), QByteArray(6, '\x0a'));
    QCOMPARE(doc.at(0x89C) & 0x0F, 4);
    QCOMPARE(doc.at(0x89C) & 0xF0, 0xF0); // the FM volume in the same byte
}

void TestOptionalFunctions::typingTheName()
{
    SettingsDocument doc;
    TfOptFun window;
    window.show();
    auto* name = control<QLineEdit>(window, "cxName");
    const QByteArray before = doc.image();

    // Keys the name cannot take change nothing.
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, ".,_#");
    QCOMPARE(name->text(), QString());
    QCOMPARE(differences(before, doc.image()), QList<int>());
    QVERIFY(!appState().modified);

    // A blank name is no padding to delete first: typing goes in where the user clicked.
    QTest::keyClicks(name, "ab1");
    QCOMPARE(name->text(), QStringLiteral("AB1"));
    QCOMPARE(doc.image().mid(0x8A8, 6), QByteArray("\x0e\x0f\x01\x0a\x0a\x0a", 6));
    QVERIFY(appState().modified);

    // Pasted text is upper-cased too.
    name->selectAll();
    name->insert(QStringLiteral("xy-z"));
    QCOMPARE(name->text(), QStringLiteral("XY-Z"));
    QCOMPARE(RadioNameText(appState()), QStringLiteral("XY-Z  "));
}

void TestOptionalFunctions::translation()
{
    SettingsDocument doc;
    doc.useLanguage("[fOptFun]\n"
                    "fOptFun.Caption=Options\n"
                    "lMode.Caption=Display\n"
                    "cxMode.0=Frequency\n"
                    "cxTOT.0=Never\ncxTOT.1=half a minute\n"
                    "cxSQL.0=zero\n"
                    "btnCancel.Caption=Shut\n");
    const QByteArray before = doc.image();
    TfOptFun window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(control<QLabel>(window, "lMode")->text(), QStringLiteral("Display"));
    QCOMPARE(control(window, "cxMode")->currentText(), QStringLiteral("Frequency"));
    QCOMPARE(control(window, "cxTOT")->itemText(0), QStringLiteral("Never"));
    QCOMPARE(control(window, "cxTOT")->itemText(1), QStringLiteral("30")); // only item 0
    QCOMPARE(control(window, "cxSQL")->itemText(0), QStringLiteral("0"));  // never
    QCOMPARE(control(window, "cxTOT")->currentText(), QStringLiteral("180"));
    QCOMPARE(differences(before, doc.image()), QList<int>());

    appState().languageIndex = 0; // the built-in texts stay
    TfOptFun english;
    english.show();
    QCOMPARE(english.windowTitle(), QStringLiteral("Optional Function"));
}

QTEST_MAIN(TestOptionalFunctions)
#include "tst_optionalfunctions.moc"
