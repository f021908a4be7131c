#include "CoreFixture.h"

#include "core/RadioName.h"

#include <QtTest>

class TestRadioName : public QObject {
    Q_OBJECT

  private slots:
    void newImageShowsSixSpaces();
    void store_data();
    void store();
    void unknownCodesReadAsSpaces();
};

void TestRadioName::newImageShowsSixSpaces()
{
    TestDocument doc;
    QCOMPARE(RadioNameText(doc.all), QStringLiteral("      "));
}

void TestRadioName::store_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << "AB1" << QByteArray("\x0e\x0f\x01\x0a\x0a\x0a", 6) << "AB1   ";
    QTest::newRow("empty") << "" << QByteArray(6, '\x0a') << "      ";
    QTest::newRow("cut to six") << "ABCDEFGH" << QByteArray("\x0e\x0f\x10\x11\x12\x13", 6)
                                << "ABCDEF";
    QTest::newRow("symbols") << "-*+_/ " << QByteArray("\x0b\x0c\x0d\x28\x29\x0a", 6) << "-*+_/ ";
    // Characters without a code are written as spaces.
    QTest::newRow("no code") << "a#9" << QByteArray("\x0a\x0a\x09\x0a\x0a\x0a", 6) << "  9   ";
}

void TestRadioName::store()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, codes);
    TestDocument doc;
    const quint8 before = doc.at(0x8A7);
    const quint8 after = doc.at(0x8AE);
    StoreRadioName(doc.all, text);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&doc.at(0x8A8)), 6), codes);
    QCOMPARE(doc.at(0x8A7), before);
    QCOMPARE(doc.at(0x8AE), after);
    QTEST(RadioNameText(doc.all), "shown");
}

void TestRadioName::unknownCodesReadAsSpaces()
{
    TestDocument doc;
    const quint8 codes[6] = {14, 42, 200, 41, 40, 0};
    for (int i = 0; i < 6; ++i)
        doc.at(0x8A8 + i) = codes[i];
    QCOMPARE(RadioNameText(doc.all), QStringLiteral("A  /_0"));
}

QTEST_GUILESS_MAIN(TestRadioName)
#include "tst_radioname.moc"
