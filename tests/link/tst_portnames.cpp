// Port names, the start-up choice of the port and the transfer key they lead to.

#include "core/ProgramRandom.h"
#include "link/CloneFrames.h"
#include "link/PortNames.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPortNames : public QObject {
    Q_OBJECT
  private slots:
    void comNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM1") << "COM1" << 1 << "/dev/ttyS0";
        QTest::newRow("settings spelling") << "Com3" << 3 << "/dev/ttyS2";
        QTest::newRow("COM25") << "COM25" << 25 << "/dev/ttyS24";
        QTest::newRow("no number") << "COM" << 0 << "";
        QTest::newRow("letters") << "COMX" << 0 << "";
        QTest::newRow("sign") << "COM-1" << 0 << "";
        QTest::newRow("zero") << "COM0" << 0 << "";
        QTest::newRow("usb device") << "/dev/ttyUSB0" << 0 << "/dev/ttyUSB0";
        QTest::newRow("pty with blanks") << " /dev/pts/4 " << 0 << "/dev/pts/4";
        QTest::newRow("udev symlink") << "/dev/radio-cable" << 0 << "/dev/radio-cable";
    }
    void comNumbers()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(QString, device);
        QCOMPARE(ComPortNumber(name), number);
        QCOMPARE(PortDeviceName(name), device);
    }

    void namesForDevices_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("name");
        QTest::newRow("built-in") << "/dev/ttyS0"
                                  << "COM1";
        QTest::newRow("built-in 12") << "/dev/ttyS11"
                                     << "COM12";
        QTest::newRow("usb") << "/dev/ttyUSB0"
                             << "/dev/ttyUSB0";
        QTest::newRow("acm") << "/dev/ttyACM1"
                             << "/dev/ttyACM1";
        QTest::newRow("not a number") << "/dev/ttySAC0"
                                      << "/dev/ttySAC0";
    }
    void namesForDevices()
    {
        QFETCH(QString, device);
        QFETCH(QString, name);
        QCOMPARE(PortNameForDevice(device), name);
        QCOMPARE(PortDeviceName(name), device); // and back
    }

    void sortOrder()
    {
        QStringList names{"/dev/ttyUSB10", "COM12", "/dev/ttyACM0", "COM2", "/dev/ttyUSB2", "COM1"};
        SortPortNames(names);
        QCOMPARE(names, (QStringList{"COM1", "COM2", "COM12", "/dev/ttyACM0", "/dev/ttyUSB2",
                                     "/dev/ttyUSB10"}));
    }

    void listingIgnoresNullAndAppends()
    {
        ListSerialPorts(nullptr);
        QStringList list{"kept"};
        ListSerialPorts(&list);
        QCOMPARE(list.first(), QStringLiteral("kept"));
        QStringList again;
        ListSerialPorts(&again);
        QCOMPARE(list.mid(1), again);
    }

    void settleAtStartUp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("detected");
        QTest::addColumn<QString>("settled");
        QTest::newRow("upper case") << "Com1" << QStringList{"COM1"} << "COM1";
        QTest::newRow("absent, first detected") << "Com3" << QStringList{"COM1", "COM12"} << "COM1";
        QTest::newRow("nothing detected") << "Com7" << QStringList{} << "COM7";
        QTest::newRow("detected device")
            << "/dev/ttyUSB0" << QStringList{"COM1", "/dev/ttyUSB0"} << "/dev/ttyUSB0";
        QTest::newRow("vanished device")
            << "/dev/ttyUSB7" << QStringList{"/dev/ttyUSB0"} << "/dev/ttyUSB0";
        QTest::newRow("path not upper-cased") << "/dev/ttyUSB0" << QStringList{} << "/dev/ttyUSB0";
    }
    void settleAtStartUp()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, detected);
        QFETCH(QString, settled);
        QCOMPARE(SettlePortName(name, detected), settled);
    }

    void settleKeepsAnExistingTypedDevice()
    {
        // A pseudo-terminal or a udev symlink is never enumerated, but is there.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio-cable"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(SettlePortName(path, {"COM1"}), path);
    }

    void transferKey_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("key"); // -1: the random branch
        QTest::newRow("COM1") << "COM1" << 0x61;
        QTest::newRow("COM3") << "COM3" << 0x63;
        QTest::newRow("COM9") << "COM9" << 0x69;
        QTest::newRow("COM10") << "COM10" << -1;
        QTest::newRow("device path") << "/dev/ttyUSB0" << -1;
        QTest::newRow("no number") << "COMX" << -1;
    }
    void transferKey()
    {
        QFETCH(QString, port);
        QFETCH(int, key);
        if (key >= 0) {
            QCOMPARE(int(Clone::TransferKey(port)), key);
            return;
        }
        ResetProgramRandom();
        QList<int> expected;
        for (int i = 0; i < 40; ++i)
            expected << 0x65 + ProgramRandom(5);
        ResetProgramRandom();
        QSet<int> seen;
        for (int i = 0; i < 40; ++i) {
            const int k = Clone::TransferKey(port);
            QCOMPARE(k, expected[i]); // from the program's one generator
            seen << k;
        }
        QVERIFY(seen.size() > 1);
        for (int k : seen)
            QVERIFY(k >= 0x65 && k <= 0x69);
    }

    void keyEchoExchangesHalves_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("echo");
        QTest::newRow("COM3") << 0x63 << 0x36;
        QTest::newRow("0x69") << 0x69 << 0x96;
        QTest::newRow("0x65") << 0x65 << 0x56;
    }
    void keyEchoExchangesHalves()
    {
        QFETCH(int, key);
        QFETCH(int, echo);
        QCOMPARE(int(Clone::KeyEcho(quint8(key))), echo);
    }

    void frames()
    {
        QCOMPARE(Clone::WakeUpFrame(0x63), QByteArray("PROGRAM\x63"));
        QCOMPARE(Clone::ReadRequest(145), QByteArray("\x52\x09\x10\x10", 4));
        quint8 data[16];
        for (int i = 0; i < 16; ++i)
            data[i] = quint8(i);
        const QByteArray w = Clone::WriteFrame(1, data);
        QCOMPARE(w.left(4), QByteArray("\x57\x00\x10\x10", 4));
        QCOMPARE(w.mid(4), QByteArray(reinterpret_cast<const char*>(data), 16));
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_portnames.moc"
