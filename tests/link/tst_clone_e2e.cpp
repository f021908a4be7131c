// Read and write end to end: the dialogs, the real serial port component and a
// simulated radio on a pseudo-terminal. Each failure row checks its message, whether
// the end byte went out, whether the dialog closed and that the document is as before.

#include "LinkFixture.h"
#include "core/ImageLayout.h"
#include "core/TimeStamp.h"
#include "link/CheckedWrite.h"
#include "link/CloneFrames.h"
#include "link/CloneSession.h"
#include "link/ReadRadioDialog.h"
#include "link/WriteRadioDialog.h"
#include "tests/support/ScriptedModal.h"
#include "tools/radiosim/RadioSimulator.h"
#include "widgets/serial/ApdComPort.h"

#include <QCheckBox>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

Q_DECLARE_METATYPE(RadioSimOptions)

namespace {

const QString ComError =
    QStringLiteral("Please check all connections and communication port settings.");
const QString ModError = QStringLiteral("Model Type Wrong.");
const QString Modforce = QStringLiteral("Do you wish to Force write data?");

// Records, besides the boxes, what the document looked like when each box came up.
class SnapshotModal : public ScriptedModal {
  public:
    QList<QByteArray> imageAtBox;
    QMessageBox::StandardButton messageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons) override
    {
        imageAtBox << ImageBytes(appState());
        return ScriptedModal::messageBox(parent, icon, caption, text, buttons);
    }
};

RadioSimOptions model(const char* id)
{
    RadioSimOptions o;
    o.modelId = QLatin1String(id);
    return o;
}

template <typename Change> RadioSimOptions with(Change change)
{
    RadioSimOptions o;
    change(o);
    return o;
}

struct DocumentState {
    QByteArray image;
    bool modified;
    QString modelId;
    bool operator==(const DocumentState& o) const
    {
        return image == o.image && modified == o.modified && modelId == o.modelId;
    }
};

DocumentState documentState()
{
    const TALL& a = appState();
    return {QByteArray(reinterpret_cast<const char*>(a.image.data()), Image::BufferSize),
            a.modified, a.modelId};
}

// Runs the event loop until the condition holds. Unlike QTest::qWait, which sleeps
// between rounds, the loop answers each notification as it comes.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    if (condition()) return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition()) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

void settle(int ms)
{
    waitUntil([] { return false; }, ms);
}

} // namespace

class TestCloneEndToEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<RadioSimulator> radio;
    std::unique_ptr<SnapshotModal> modal;

    bool startRadio(const RadioSimOptions& o)
    {
        radio = std::make_unique<RadioSimulator>(o);
        QString error;
        if (!radio->start(&error)) {
            qWarning() << error;
            return false;
        }
        appState().portName = radio->devicePath();
        return true;
    }

    static QPushButton* button(QDialog& d, const char* name)
    {
        return d.findChild<QPushButton*>(QLatin1String(name));
    }
    static bool portOpen(QDialog& d)
    {
        return d.findChild<TApdComPort*>(QStringLiteral("myPort"))->isOpen();
    }

    // Shows the dialog as the main window would and presses Ok once the port is open.
    static bool showAndStart(QDialog& d)
    {
        d.show();
        if (!waitUntil([&] { return portOpen(d); }, 3000)) return false;
        button(d, "btnOk")->click();
        return true;
    }

    QByteArrayList writeFramesHeard() const
    {
        QByteArrayList w;
        for (const QByteArray& f : radio->frames())
            if (f.size() == 20 && f[0] == 'W') w << f;
        return w;
    }

    static void check(QDialog& d, const char* name, bool on)
    {
        auto* box = d.findChild<QCheckBox*>(QLatin1String(name));
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

  private slots:
    void initTestCase()
    {
        // Backups go to the data folder of the test mode, emptied here.
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/QZ-17"))
            .removeRecursively();
    }

    void init()
    {
        SetUpLinkDocument();
        modal = std::make_unique<SnapshotModal>();
    }
    void cleanup()
    {
        QVERIFY2(modal->unexpected.isEmpty(), qPrintable(modal->unexpected.join(", ")));
        modal.reset();
        radio.reset();
    }

    void completeRead_data()
    {
        QTest::addColumn<RadioSimOptions>("options");
        QTest::newRow("plain") << model("QZ18");
        QTest::newRow("stray byte before the ack") << with([](RadioSimOptions& o) {
            o.modelId = "QZ18";
            o.strayBeforeAck = true;
        });
        QTest::newRow("answers in pieces") << with([](RadioSimOptions& o) {
            o.modelId = "QZ18";
            o.splitChunk = 7;
            o.splitGapMs = 2;
            o.strayBeforeAck = true;
        });
    }
    void completeRead()
    {
        QFETCH(RadioSimOptions, options);
        QVERIFY(startRadio(options));
        const QByteArray before = ImageBytes(appState());
        TfReadRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return !d.isVisible(); }, 15000));

        QCOMPARE(modal->texts(), QStringList{"Reading Completed."});
        QCOMPARE(modal->shown.first().caption, QStringLiteral("Confirmation"));
        QCOMPARE(modal->imageAtBox.first(), before); // unchanged until the very end
        QVERIFY(d.success());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const QByteArray sent = radio->memory();
        QCOMPARE(ImageBytes(appState()), sent.left(Image::Size));
        // Block 145 came over the line but is not kept.
        QCOMPARE(ImageBytes(appState(), Image::Size, Image::BufferSize - Image::Size),
                 QByteArray(Image::BufferSize - Image::Size, '\0'));
        QVERIFY(appState().modified);
        QCOMPARE(appState().modelId, QStringLiteral("QZ18"));
        QCOMPARE(appState().modelName, QStringLiteral("QZ18"));

        const QByteArrayList heard = radio->frames();
        QCOMPARE(heard.size(), 3 + 2 * 146 + 1);
        QCOMPARE(heard.first().left(7), QByteArray("PROGRAM"));
        QCOMPARE(heard.last(), QByteArray(1, 'E'));
    }

    void readFailures_data()
    {
        QTest::addColumn<RadioSimOptions>("options");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("endByte");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no answer")
            << with([](RadioSimOptions& o) { o.noAnswer = true; }) << ComError << false << true;
        QTest::newRow("unknown model") << model("ZZ99") << ModError << true << false;
        QTest::newRow("key echo mismatch")
            << with([](RadioSimOptions& o) { o.wrongKeyEcho = true; }) << ComError << true << true;
        QTest::newRow("missing ack at block 5")
            << with([](RadioSimOptions& o) { o.missingAckAt = 5; }) << ComError << false << true;
        QTest::newRow("wrong ack at block 5")
            << with([](RadioSimOptions& o) { o.wrongAckAt = 5; }) << ComError << false << true;
        QTest::newRow("over-long answer at block 3")
            << with([](RadioSimOptions& o) { o.overlongAt = 3; }) << ComError << false << true;
        QTest::newRow("late answer at block 140")
            << with([](RadioSimOptions& o) { o.lateAt = 140; }) << ComError << false << true;
        QTest::newRow("cable pulled at block 9")
            << with([](RadioSimOptions& o) { o.vanishAt = 9; }) << ComError << false << true;
    }
    void readFailures()
    {
        QFETCH(RadioSimOptions, options);
        QFETCH(QString, message);
        QFETCH(bool, endByte);
        QFETCH(bool, closes);
        QVERIFY(startRadio(options));
        const DocumentState before = documentState();
        TfReadRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return !modal->shown.isEmpty(); }, 6000));
        if (closes) {
            QVERIFY(waitUntil([&] { return !d.isVisible(); }, 2000));
        } else {
            settle(700);
            QVERIFY(d.isVisible());
            QVERIFY(!button(d, "btnOk")->isEnabled());
            button(d, "btnCancel")->click();
            QVERIFY(!d.isVisible());
        }
        settle(100);
        QCOMPARE(modal->texts(), QStringList{message});
        QCOMPARE(radio->endCount(), endByte ? 1 : 0);
        QVERIFY(!d.success());
        QVERIFY(documentState() == before);
    }

    void readPortThatCannotOpen()
    {
        appState().portName = QStringLiteral("/dev/qz17-no-such-port");
        const DocumentState before = documentState();
        TfReadRadio d;
        d.show();
        QVERIFY(waitUntil([&] { return !d.isVisible(); }, 2000));
        QCOMPARE(modal->shown.size(), 1);
        const QStringList lines = modal->shown.first().text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Cannot Open Commcmication Port."));
        QVERIFY(!lines[1].isEmpty());
        QVERIFY(documentState() == before);
    }

    // A port another program holds is in use, not a matter of group membership.
    void readPortInUse()
    {
        QVERIFY(startRadio({}));
        TApdComPort other;
        other.setDeviceName(radio->devicePath());
        QVERIFY2(other.open(), qPrintable(other.errorText()));
        TfReadRadio d;
        d.show();
        QVERIFY(waitUntil([&] { return !d.isVisible(); }, 2000));
        QCOMPARE(modal->shown.size(), 1);
        const QStringList lines = modal->shown.first().text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Cannot Open Commcmication Port."));
        QVERIFY2(lines[1].startsWith(QStringLiteral("The port is in use by another program.")),
                 qPrintable(lines[1]));
        QVERIFY2(!lines[1].contains(QStringLiteral("group")), qPrintable(lines[1]));
        // Qt's serial port keeps a lock file; the message names it and its holder.
        QVERIFY2(lines[1].contains(QStringLiteral("LCK..")), qPrintable(lines[1]));
        QVERIFY2(lines[1].contains(QString::number(QCoreApplication::applicationPid())),
                 qPrintable(lines[1]));
    }

    // Enter in the dialog is Ok: &Ok is the default button of both transfers.
    void enterStartsTheTransfer_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("message");
        QTest::newRow("read") << false << "Reading Completed.";
        QTest::newRow("write") << true << "Writing Completed.";
    }
    void enterStartsTheTransfer()
    {
        QFETCH(bool, write);
        QVERIFY(startRadio({}));
        std::unique_ptr<QDialog> d;
        if (write)
            d = std::make_unique<TfWriteRadio>();
        else
            d = std::make_unique<TfReadRadio>();
        d->show();
        QVERIFY(waitUntil([&] { return portOpen(*d); }, 3000));
        QTest::keyClick(d.get(), Qt::Key_Return);
        QVERIFY(waitUntil([&] { return !modal->shown.isEmpty(); }, 15000));
        QTEST(modal->texts().join(u'|'), "message");
    }

    void cancelInTheMiddleOfARead()
    {
        RadioSimOptions o;
        o.paced = true;
        QVERIFY(startRadio(o));
        const DocumentState before = documentState();
        TfReadRadio d;
        QVERIFY(showAndStart(d));
        auto* bar = d.findChild<QProgressBar*>(QStringLiteral("pBar"));
        QVERIFY(waitUntil([&] { return bar->value() >= 3; }, 5000));
        button(d, "btnCancel")->click();
        QVERIFY(!d.isVisible());
        QVERIFY(!portOpen(d));
        QVERIFY(modal->shown.isEmpty());
        QVERIFY(!d.success());
        QVERIFY(documentState() == before);
    }

    void completeWriteTwice()
    {
        QVERIFY(startRadio(RadioSimOptions()));
        const QByteArray radioBefore = radio->memory();
        QString t = QStringLiteral("146.52000");
        SetChannelField(appState(), 7, Field::RxFreq, t);
        t = QStringLiteral("WRITE7");
        SetChannelField(appState(), 7, Field::Name, t);
        appState().modified = false;
        TfWriteRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return !modal->shown.isEmpty(); }, 8000));
        QCOMPARE(modal->texts(), QStringList{"Writing Completed."});
        QVERIFY(waitUntil([&] { return radio->endCount() == 1; }, 2000));
        QVERIFY(d.isVisible());
        QVERIFY(button(d, "btnOk")->isEnabled());
        QCOMPARE(d.findChild<QProgressBar*>(QStringLiteral("pBar"))->value(), 0);
        QVERIFY(!appState().modified);

        // Every frame byte for byte, the blocks as the document holds them now.
        const QByteArrayList heard = radio->frames();
        QCOMPARE(heard.size(), 3 + 145 + 1);
        QByteArrayList expected{Clone::WakeUpFrame(heard.first().at(7)), QByteArray(1, 0x02),
                                QByteArray(1, 0x06)};
        for (int b = 0; b < 145; ++b)
            expected << Clone::WriteFrame(b, appState().image.data() + 16 * b);
        expected << QByteArray(1, 'E');
        QCOMPARE(heard, expected);
        QCOMPARE(radio->memory().left(Image::Size), ImageBytes(appState()));
        QCOMPARE(radio->memory().mid(Image::Size), radioBefore.mid(Image::Size)); // block 145

        const QString first = FormatTimeStamp(appState().image.data() + Image::TimeStamp);
        const QDateTime stamped =
            QDateTime::fromString(first, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTime())) <= 3);

        // Once the clock has moved on, a second write sends a newer stamp.
        QVERIFY(waitUntil([&] { return CurrentTimeStampText() != first; }, 2000));
        radio->clearLog();
        button(d, "btnOk")->click();
        QVERIFY(waitUntil([&] { return modal->shown.size() == 2; }, 8000));
        QCOMPARE(modal->texts().last(), QStringLiteral("Writing Completed."));
        const QString second = FormatTimeStamp(appState().image.data() + Image::TimeStamp);
        QVERIFY(second > first);
        const QByteArrayList again = writeFramesHeard();
        QCOMPARE(again.size(), 145);
        QCOMPARE(again[144].mid(4, 7), ImageBytes(appState(), Image::TimeStamp, 7));
    }

    void writeFailures_data()
    {
        QTest::addColumn<RadioSimOptions>("options");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("endByte");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("stamped"); // the document's time stamp was replaced
        QTest::newRow("no answer") << with([](RadioSimOptions& o) { o.noAnswer = true; })
                                   << ComError << false << true << false;
        QTest::newRow("other channel count") << model("QZ08") << ModError << true << true << false;
        QTest::newRow("unknown model") << model("ZZ99") << ModError << true << true << false;
        QTest::newRow("unknown model, wrong key") << with([](RadioSimOptions& o) {
            o.modelId = "ZZ99";
            o.wrongKeyEcho = true;
        }) << ComError << false << true << false;
        QTest::newRow("missing ack at block 4")
            << with([](RadioSimOptions& o) { o.missingAckAt = 4; }) << ComError << false << true
            << true;
        QTest::newRow("wrong ack at block 0") << with([](RadioSimOptions& o) { o.wrongAckAt = 0; })
                                              << ComError << false << true << true;
        QTest::newRow("over-long answer at block 100")
            << with([](RadioSimOptions& o) { o.overlongAt = 100; }) << ComError << false << true
            << true;
        QTest::newRow("late answer at block 144")
            << with([](RadioSimOptions& o) { o.lateAt = 144; }) << ComError << false << true
            << true;
        QTest::newRow("cable pulled at block 60")
            << with([](RadioSimOptions& o) { o.vanishAt = 60; }) << ComError << false << true
            << true;
    }
    void writeFailures()
    {
        QFETCH(RadioSimOptions, options);
        QFETCH(QString, message);
        QFETCH(bool, endByte);
        QFETCH(bool, closes);
        QFETCH(bool, stamped);
        QVERIFY(startRadio(options));
        WriteTimeStamp(appState().image.data() + Image::TimeStamp,
                       QStringLiteral("2001-02-03 04:05:06"));
        DocumentState before = documentState();
        TfWriteRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return !modal->shown.isEmpty(); }, 6000));
        QVERIFY(closes);
        QVERIFY(waitUntil([&] { return !d.isVisible(); }, 2000));
        settle(100);
        QCOMPARE(modal->texts(), QStringList{message});
        QCOMPARE(radio->endCount(), endByte ? 1 : 0);
        QCOMPARE(ImageBytes(appState(), Image::TimeStamp, 7) !=
                     before.image.mid(Image::TimeStamp, 7),
                 stamped);
        // Apart from the time stamp the document is as it was.
        before.image.replace(Image::TimeStamp, 7, ImageBytes(appState(), Image::TimeStamp, 7));
        QVERIFY(documentState() == before);
    }

    void writeToRelatedModel_data()
    {
        QTest::addColumn<bool>("force");
        QTest::newRow("forced") << true;
        QTest::newRow("declined") << false;
    }
    void writeToRelatedModel()
    {
        QFETCH(bool, force);
        QVERIFY(startRadio(model("QZ18")));
        WriteTimeStamp(appState().image.data() + Image::TimeStamp,
                       QStringLiteral("2001-02-03 04:05:06"));
        const DocumentState before = documentState();
        modal->answers << (force ? QMessageBox::Yes : QMessageBox::No);
        TfWriteRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return modal->shown.size() == (force ? 2 : 1); }, 8000));
        QCOMPARE(modal->shown.first().text, Modforce);
        QCOMPARE(modal->shown.first().buttons, QMessageBox::Yes | QMessageBox::No);
        settle(force ? 100 : 700);
        QVERIFY(d.isVisible());
        if (force) {
            QCOMPARE(modal->texts().last(), QStringLiteral("Writing Completed."));
            QCOMPARE(writeFramesHeard().size(), 145);
            QCOMPARE(radio->memory().left(Image::Size), ImageBytes(appState()));
        } else {
            QVERIFY(!button(d, "btnOk")->isEnabled());
            QVERIFY(writeFramesHeard().isEmpty());
            QCOMPARE(radio->endCount(), 0);
            QVERIFY(documentState() == before); // not even the time stamp
        }
        button(d, "btnCancel")->click();
        QVERIFY(!portOpen(d));
    }

    void checkedWriteBacksUpAndVerifies()
    {
        const QByteArray old = RadioSimulator::RealisticMemory();
        QVERIFY(startRadio(RadioSimOptions()));
        radio->setMemory(old);
        QString t = QStringLiteral("WRITE7");
        SetChannelField(appState(), 7, Field::Name, t);
        TfWriteRadio d;
        d.show();
        QVERIFY(waitUntil([&] { return portOpen(d); }, 3000));
        // Both start off; what the user ticks is kept for the next time.
        QVERIFY(!appState().backupBeforeWrite && !appState().verifyAfterWrite);
        check(d, "cbBackup", true);
        check(d, "cbVerify", true);
        QVERIFY(appState().backupBeforeWrite && appState().verifyAfterWrite);
        button(d, "btnOk")->click();
        QVERIFY(waitUntil([&] { return modal->shown.size() == 2; }, 30000));

        const QString backup = d.backupPath();
        QCOMPARE(modal->texts().first(), QStringLiteral("The radio's memory was saved to %1")
                                             .arg(QDir::toNativeSeparators(backup)));
        QVERIFY(backup.startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
        QFile file(backup);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // What the radio held before the write, so the backup was read first.
        QCOMPARE(file.readAll().mid(16), old.mid(16, Image::Size - 16));

        QCOMPARE(modal->texts().last(), QStringLiteral("Writing Completed. Read back, the radio "
                                                       "holds exactly what was written."));
        QCOMPARE(d.job().result(), CloneResult::Done);
        QCOMPARE(radio->memory().left(Image::Size), ImageBytes(appState()));
        // Read, write, read back: three transfers, each closed by its end byte.
        QVERIFY(waitUntil([&] { return radio->endCount() == 3; }, 2000));
        QVERIFY(d.isVisible());
        QVERIFY(button(d, "btnOk")->isEnabled());
    }

    void verifyNamesWhatDiffers_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("place");
        QTest::newRow("a memory channel") << 20 << "memory channel 20";
        QTest::newRow("a frequency channel") << 0x820 / 16 << "frequency channel 2";
        QTest::newRow("the FM channels' bitmap") << 0x890 / 16 << "FM channel 1";
        QTest::newRow("a setting") << 0x8A0 / 16 << "the setting";
    }
    void verifyNamesWhatDiffers()
    {
        QFETCH(int, block);
        QFETCH(QString, place);
        QVERIFY(startRadio(with([&](RadioSimOptions& o) { o.corruptAt = block; })));
        appState().verifyAfterWrite = true;
        TfWriteRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return !modal->shown.isEmpty(); }, 30000));
        QCOMPARE(modal->shown.size(), 1); // no "Writing Completed." before the verdict
        QCOMPARE(d.job().result(), CloneResult::VerifyMismatch);
        QCOMPARE(d.job().mismatchOffset(), block * 16);
        const QString text = modal->texts().first();
        QVERIFY2(text.startsWith(QStringLiteral("Verify failed: ") + place), qPrintable(text));
        QVERIFY(d.isVisible());
    }

    void failedBackupWritesNothing()
    {
        QVERIFY(startRadio(with([](RadioSimOptions& o) { o.noAnswer = true; })));
        const DocumentState before = documentState();
        appState().backupBeforeWrite = true;
        TfWriteRadio d;
        QVERIFY(showAndStart(d));
        QVERIFY(waitUntil([&] { return !d.isVisible(); }, 8000));
        QCOMPARE(modal->texts(), QStringList{ComError});
        QCOMPARE(d.job().result(), CloneResult::NoAnswer);
        QVERIFY(writeFramesHeard().isEmpty());
        QVERIFY(d.backupPath().isEmpty());
        QVERIFY(documentState() == before); // not even the time stamp
    }

    void writePortThatCannotOpen()
    {
        appState().portName = QStringLiteral("COMX");
        TfWriteRadio d;
        d.show();
        QVERIFY(waitUntil([&] { return !d.isVisible(); }, 2000));
        QCOMPARE(modal->shown.size(), 1);
        QVERIFY(modal->shown.first().text.startsWith(
            QLatin1String("Cannot Open Commcmication Port.\n")));
    }
};

QTEST_MAIN(TestCloneEndToEnd)
#include "tst_clone_e2e.moc"
