#include "CoreFixture.h"

#include "core/SerialNumber.h"

#include <QtTest>

class TestSerialNumber : public QObject {
    Q_OBJECT

  private slots:
    void newImageShowsSpaces();
    void store_data();
    void store();
};

void TestSerialNumber::newImageShowsSpaces()
{
    TestDocument doc;
    QCOMPARE(SerialNumberText(doc.all), QString(16, QLatin1Char(' ')));
}

void TestSerialNumber::store_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("AB12") << "AB12" << QByteArray("AB12") + QByteArray(12, ' ')
                          << "AB12            ";
    // Stored as typed, shown with a space for anything but letters and digits.
    QTest::newRow("dash") << "A-1" << QByteArray("A-1") + QByteArray(13, ' ') << "A 1             ";
    QTest::newRow("lower case kept")
        << "ab" << QByteArray("ab") + QByteArray(14, ' ') << "ab              ";
    QTest::newRow("cut to sixteen")
        << "0123456789ABCDEFXYZ" << QByteArray("0123456789ABCDEF") << "0123456789ABCDEF";
    QTest::newRow("outside one byte")
        << QString(QChar(0x4E2D)) + "1" << QByteArray("?1") + QByteArray(14, ' ')
        << " 1              ";
}

void TestSerialNumber::store()
{
    QFETCH(QString, text);
    TestDocument doc;
    const quint8 before = doc.at(0x8EF);
    const quint8 after = doc.at(0x900);
    StoreSerialNumber(doc.all, text);
    QTEST(QByteArray(reinterpret_cast<const char*>(&doc.at(0x8F0)), 16), "bytes");
    QCOMPARE(doc.at(0x8EF), before);
    QCOMPARE(doc.at(0x900), after);
    QTEST(SerialNumberText(doc.all), "shown");
}

QTEST_GUILESS_MAIN(TestSerialNumber)
#include "tst_serialnumber.moc"
