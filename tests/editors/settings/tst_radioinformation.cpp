#include "SettingsFixture.h"

#include "editors/settings/RadioInformation.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class TestRadioInformation : public QObject {
    Q_OBJECT

  private slots:
    void newImageShows();
    void serialStoredKeystrokeByKeystroke();
    void serialShownWithLettersAndDigitsOnly();
    void serialNotEditable();
    void writeTime_data();
    void writeTime();
    void hiddenOkStoresAndCloses();
};

void TestRadioInformation::newImageShows()
{
    SettingsDocument doc;
    const QByteArray before = doc.image();
    TfInfoMsg window;
    window.show();
    QCOMPARE(control<QLineEdit>(window, "cxModel")->text(), QStringLiteral("QZ-17"));
    QCOMPARE(control<QLineEdit>(window, "cxFreq")->text(),
             QStringLiteral("430.00000 - 440.00000/144.00000 - 146.00000MHz"));
    QCOMPARE(control<QLineEdit>(window, "cxSerial")->text(), QString(16, QLatin1Char(' ')));
    QVERIFY(!control<QLineEdit>(window, "cxSerial")->isReadOnly());
    QVERIFY(control<QLineEdit>(window, "cxModel")->isReadOnly());
    QVERIFY(control<QLineEdit>(window, "cxRadioTime")->isReadOnly());

    // The creation time of the image.
    const QDateTime written = QDateTime::fromString(
        control<QLineEdit>(window, "cxRadioTime")->text(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY(written.isValid());
    QVERIFY(qAbs(written.secsTo(QDateTime::currentDateTime())) < 24 * 3600);

    QCOMPARE(differences(before, doc.image()), QList<int>());
    QVERIFY(!appState().modified);
}

void TestRadioInformation::serialStoredKeystrokeByKeystroke()
{
    SettingsDocument doc;
    TfInfoMsg window;
    window.show();
    auto* serial = control<QLineEdit>(window, "cxSerial");
    const QByteArray before = doc.image();
    serial->selectAll();
    QTest::keyClick(serial, Qt::Key_A);
    QCOMPARE(doc.image().mid(0x8F0, 16), QByteArray("A") + QByteArray(15, ' '));
    QVERIFY(appState().modified);

    QTest::keyClicks(serial, "b12");
    QCOMPARE(serial->text(), QStringLiteral("AB12"));
    QCOMPARE(doc.image().mid(0x8F0, 16), QByteArray("AB12") + QByteArray(12, ' '));
    for (int offset : differences(before, doc.image()))
        QVERIFY(offset >= 0x8F0 && offset < 0x900);
}

void TestRadioInformation::serialShownWithLettersAndDigitsOnly()
{
    SettingsDocument doc;
    {
        TfInfoMsg window;
        window.show();
        auto* serial = control<QLineEdit>(window, "cxSerial");
        serial->selectAll();
        QTest::keyClicks(serial, "a-1");
        QCOMPARE(serial->text(), QStringLiteral("A-1"));
    }
    QCOMPARE(doc.image().mid(0x8F0, 3), QByteArray("A-1"));
    TfInfoMsg again;
    again.show();
    QCOMPARE(control<QLineEdit>(again, "cxSerial")->text(),
             QStringLiteral("A 1") + QString(13, QLatin1Char(' ')));
}

void TestRadioInformation::serialNotEditable()
{
    SettingsDocument doc;
    appState().serialEditable = false;
    const QByteArray before = doc.image();
    TfInfoMsg window;
    window.show();
    auto* serial = control<QLineEdit>(window, "cxSerial");
    QVERIFY(serial->isReadOnly());
    QTest::keyClicks(serial, "X9");
    window.StoreSerial();
    QCOMPARE(differences(before, doc.image()), QList<int>());
    QVERIFY(!appState().modified);
}

void TestRadioInformation::writeTime_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2022") << QByteArray("\xe6\x07\x03\x0f\x09\x05\x00", 7) << "2022-03-15 09:05:00";
    QTest::newRow("all FF") << QByteArray(7, '\xff') << "65535-255-255 255:255:255";
}

void TestRadioInformation::writeTime()
{
    QFETCH(QByteArray, bytes);
    SettingsDocument doc;
    for (int i = 0; i < 7; ++i)
        doc.at(0x900 + i) = quint8(bytes[i]);
    TfInfoMsg window;
    window.show();
    QTEST(control<QLineEdit>(window, "cxRadioTime")->text(), "shown");
}

void TestRadioInformation::hiddenOkStoresAndCloses()
{
    SettingsDocument doc;
    QPointer<TfInfoMsg> window = new TfInfoMsg;
    window->show();
    QCOMPARE(fInfoMsg, window.data());
    auto* ok = control<QPushButton>(*window, "btnOk");
    QVERIFY(ok->isHidden());
    doc.at(0x8F0) = 'Z'; // behind the window's back: the field still shows a space
    ok->click();
    QCOMPARE(doc.at(0x8F0), quint8(' '));
    QVERIFY(appState().modified);
    QTRY_VERIFY(window.isNull());
    QVERIFY(!fInfoMsg);
}

QTEST_MAIN(TestRadioInformation)
#include "tst_radioinformation.moc"
