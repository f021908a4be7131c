// The Communication Port dialog, and the language texts of the three link dialogs.

#include "LinkFixture.h"
#include "link/ReadRadioDialog.h"
#include "link/SetPortDialog.h"
#include "link/WriteRadioDialog.h"
#include "tests/support/ScriptedModal.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<DetectedPort> ports(const QStringList& names)
{
    QList<DetectedPort> list;
    for (const QString& n : names)
        list.append({n, n.startsWith('/') ? QStringLiteral("USB serial") : QString()});
    return list;
}

QRadioButton* portButton(QDialog& d, int n)
{
    return d.findChild<QRadioButton*>(QStringLiteral("cxPort%1").arg(n));
}

QMap<QString, QString> readFragment(const QString& path)
{
    QMap<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return keys;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const int eq = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('[')))
            keys.insert(QStringLiteral("[section]"), line);
        else if (eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

} // namespace

class TestLinkDialogs : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetUpLinkDocument(); }

    void portButtonsFollowDetection_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("detected");
        QTest::addColumn<QList<int>>("enabled");
        QTest::addColumn<int>("checked"); // 0: none
        QTest::newRow("COM3 absent")
            << "COM3" << QStringList{"COM1", "COM12"} << QList<int>{1, 12} << 3;
        QTest::newRow("COM25 present")
            << "COM25" << QStringList{"COM2", "COM25"} << QList<int>{2} << 0;
        QTest::newRow("device path")
            << "/dev/ttyUSB0" << QStringList{"COM1", "/dev/ttyUSB0"} << QList<int>{1} << 0;
        QTest::newRow("nothing detected") << "COM20" << QStringList{} << QList<int>{} << 20;
    }
    void portButtonsFollowDetection()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, detected);
        QFETCH(QList<int>, enabled);
        QFETCH(int, checked);
        appState().portName = current;
        TfSetPort d(nullptr, [&] { return ports(detected); });
        d.show();
        for (int n = 1; n <= 20; ++n) {
            QCOMPARE(portButton(d, n)->isEnabled(), enabled.contains(n));
            QCOMPARE(portButton(d, n)->isChecked(), n == checked);
            QCOMPARE(portButton(d, n)->text(), QStringLiteral("COM%1").arg(n));
        }
        QCOMPARE(d.findChild<QGroupBox*>(QStringLiteral("cxPort"))->title(),
                 QStringLiteral("Communication Port"));
        auto* hidden = d.findChild<QComboBox*>(QStringLiteral("cbCom"));
        QCOMPARE(hidden->count(), detected.size());
        QVERIFY(!hidden->isVisible());
        // Ok without a change keeps the name, even for a port that is not there.
        d.findChild<QAbstractButton*>(QStringLiteral("btnOk"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(appState().portName, current);
    }

    void choosingAPort_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::newRow("COM button") << "button"
                                    << "COM12";
        QTest::newRow("detected device") << "device"
                                         << "/dev/ttyUSB0";
        QTest::newRow("typed path") << "path"
                                    << "/dev/pts/7";
        QTest::newRow("typed COM name") << "com"
                                        << "COM25";
        QTest::newRow("cancel") << "cancel"
                                << "COM1";
    }
    void choosingAPort()
    {
        QFETCH(QString, action);
        QFETCH(QString, result);
        appState().portName = QStringLiteral("COM1");
        TfSetPort d(nullptr, [] { return ports({"COM1", "COM12", "/dev/ttyUSB0"}); });
        d.show();
        auto* list = d.findChild<QListWidget*>(QStringLiteral("cxDeviceList"));
        auto* path = d.findChild<QLineEdit*>(QStringLiteral("ePath"));
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().contains(QLatin1String("USB serial")));
        if (action == "button") {
            portButton(d, 12)->click();
        } else if (action == "device") {
            list->setCurrentRow(0);
            emit list->itemClicked(list->item(0));
            QCOMPARE(path->text(), QStringLiteral("/dev/ttyUSB0"));
            QVERIFY(!portButton(d, 1)->isChecked());
        } else if (action == "path" || action == "com") {
            path->setFocus();
            QTest::keyClicks(path, action == "path" ? QStringLiteral("/dev/pts/7")
                                                    : QStringLiteral("com25"));
            QVERIFY(!portButton(d, 1)->isChecked());
        }
        if (action == "cancel") {
            portButton(d, 12)->click();
            d.findChild<QAbstractButton*>(QStringLiteral("btnCancel"))->click();
        } else {
            d.findChild<QAbstractButton*>(QStringLiteral("btnOk"))->click();
        }
        QCOMPARE(appState().portName, result);
    }

    void pickingAButtonClearsThePath()
    {
        appState().portName = QStringLiteral("/dev/ttyUSB0");
        TfSetPort d(nullptr, [] { return ports({"COM2", "/dev/ttyUSB0"}); });
        d.show();
        auto* path = d.findChild<QLineEdit*>(QStringLiteral("ePath"));
        QCOMPARE(path->text(), QStringLiteral("/dev/ttyUSB0"));
        portButton(d, 2)->click();
        QVERIFY(path->text().isEmpty());
        d.findChild<QAbstractButton*>(QStringLiteral("btnOk"))->click();
        QCOMPARE(appState().portName, QStringLiteral("COM2"));
    }

    void translatedButtonsTakeTheLabelText()
    {
        QTemporaryDir dir;
        appState().appFolder = dir.path() + QLatin1Char('/');
        appState().languageName = QStringLiteral("Test");
        appState().languageIndex = 1;
        QFile f(dir.filePath(QStringLiteral("Test.Ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[fSetPort]\nfSetPort.Caption=Serial "
                "line\nlbName.Caption=Port#\ncxPort.Caption=ignored\n");
        f.close();
        appState().portName = QStringLiteral("COM4");
        TfSetPort d(nullptr, [] { return ports({"COM4"}); });
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Serial line"));
        QCOMPARE(d.findChild<QGroupBox*>(QStringLiteral("cxPort"))->title(),
                 QStringLiteral("Serial line"));
        QCOMPARE(portButton(d, 4)->text(), QStringLiteral("Port#4"));
        QCOMPARE(portButton(d, 17)->text(), QStringLiteral("Port#17"));
    }

    void languageFragmentsAreComplete_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void languageFragmentsAreComplete()
    {
        QFETCH(QString, language);
        TfSetPort port(nullptr, [] { return QList<DetectedPort>(); });
        TfReadRadio read;
        TfWriteRadio write;
        for (QDialog* d : std::initializer_list<QDialog*>{&port, &read, &write}) {
            const QString form = d->objectName();
            const auto keys =
                readFragment(QStringLiteral(QZ_LANG_DIR "/%1/%2.ini").arg(language, form));
            QCOMPARE(keys.value(QStringLiteral("[section]")), QStringLiteral("[%1]").arg(form));
            QVERIFY2(!keys.value(form + QStringLiteral(".Caption")).isEmpty(), qPrintable(form));
            const QList<QWidget*> controls = d->findChildren<QWidget*>();
            for (QWidget* w : controls) {
                if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w) &&
                    !qobject_cast<QGroupBox*>(w))
                    continue;
                const QString key = w->objectName() + QStringLiteral(".Caption");
                QVERIFY2(keys.contains(key), qPrintable(language + ": " + form + " lacks " + key));
            }
            if (language == QLatin1String("English") && form != QLatin1String("fSetPort"))
                QCOMPARE(keys.value(form + QStringLiteral(".Caption")), d->windowTitle());
        }
    }
};

QTEST_MAIN(TestLinkDialogs)
#include "tst_linkdialogs.moc"
