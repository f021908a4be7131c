// The clone engine against a scripted transport: the protocol rules that need exact
// control over what arrives when (acceptance rules, buffer bound, line errors, waits).

#include "FakeLinkPort.h"
#include "LinkFixture.h"
#include "core/ImageLayout.h"
#include "core/TimeStamp.h"
#include "link/CloneFrames.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"

#include <QtTest>
#include <functional>

class TestCloneSession;
using Drive = std::function<void(TestCloneSession&)>;
Q_DECLARE_METATYPE(Drive)

namespace {

struct Recorder {
    QStringList texts;
    QList<int> kinds;
    QList<int> sleeps;
    int questionAnswer = 6;
    std::function<void(const QString&)> onMessage;

    CloneSession::Host host()
    {
        return {[this](const QString& text, int kind) {
                    texts << text;
                    kinds << kind;
                    if (onMessage) onMessage(text);
                    return kind == 2 ? questionAnswer : 1;
                },
                [this](int ms) { sleeps << ms; }};
    }
};

const QByteArray Ack(1, char(0x06));
const QByteArray End(1, char(0x45));

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// A block answer for a read request: 4 header bytes, then 16 data bytes.
QByteArray blockAnswer(int block, const QByteArray& memory)
{
    return bytes({0x57, (16 * block) >> 8, (16 * block) & 0xFF, 0x10}) + memory.mid(16 * block, 16);
}

QByteArray patternMemory()
{
    QByteArray m;
    for (int i = 0; i < 146 * 16; ++i)
        m.append(char((i * 7 + i / 16) & 0xFF));
    // A model block the load processing accepts as it is.
    m.replace(Image::ModelBlock, 8, QByteArray("PQZ17\xFF\x0F\x00", 8));
    return m;
}

} // namespace

class TestCloneSession : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeLinkPort> port;
    Recorder rec;
    QList<CloneResult> outcomesSeen;
    qsizetype textsWhenFinished = -1;

    // Records the outcomes a session reports, and how many boxes had shown by then.
    void watch(CloneSession& s)
    {
        connect(&s, &CloneSession::finished, this, [this](CloneResult r) {
            outcomesSeen << r;
            textsWhenFinished = rec.texts.size();
        });
    }

  public:
    template <typename Session> std::unique_ptr<Session> make()
    {
        port = std::make_unique<FakeLinkPort>();
        rec = Recorder();
        auto s = std::make_unique<Session>(*port, appState(), modelList(), languageTexts());
        s->setHost(rec.host());
        return s;
    }

    // Shown and started; the wake-up is out.
    template <typename Session> std::unique_ptr<Session> started()
    {
        auto s = make<Session>();
        s->FormShow();
        s->btnOkClick();
        return s;
    }

    // Through the handshake into the block phase.
    template <typename Session>
    std::unique_ptr<Session> inBlockPhase(const QByteArray& model = "QZ17")
    {
        auto s = started<Session>();
        port->feed(Ack);
        port->feed(Identification(model, Clone::KeyEcho(s->transferKey())));
        return s;
    }

  private slots:
    void init()
    {
        SetUpLinkDocument();
        appState().portName = QStringLiteral("COM3");
    }

    void readShowAndStartSequence()
    {
        auto s = make<ReadSession>();
        s->FormShow();
        QCOMPARE(rec.sleeps, QList<int>{50});
        QCOMPARE(port->configuredName, QStringLiteral("COM3"));
        QVERIFY(port->isOpen());
        QCOMPARE(port->inputEmptied, 1);
        QCOMPARE(port->outputEmptied, 1);

        s->btnOkClick();
        QCOMPARE(rec.sleeps, (QList<int>{50, 450, 50}));
        QCOMPARE(port->sent, QByteArrayList{QByteArray("PROGRAM\x63")});
        QCOMPARE(s->state(), 1);
        QVERIFY(!s->okEnabled());
        QVERIFY(s->timer("HeadTime")->isActive());
        QVERIFY(rec.texts.isEmpty());
    }

    void writeShowAndStartSequence()
    {
        auto s = make<WriteSession>();
        s->FormShow();
        // Neither closed first nor flushed when shown.
        QCOMPARE(rec.sleeps, QList<int>{50});
        QCOMPARE(port->inputEmptied, 0);
        s->btnOkClick();
        QCOMPARE(rec.sleeps, (QList<int>{50, 450, 50}));
        QCOMPARE(port->inputEmptied, 1);
        QCOMPARE(port->sent, QByteArrayList{QByteArray("PROGRAM\x63")});
        QVERIFY(s->timer("HeadTime")->isActive());
    }

    void wakeUpAcknowledgement_data()
    {
        QTest::addColumn<QList<QByteArray>>("deliveries");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ack") << QList<QByteArray>{Ack} << true;
        QTest::newRow("stray and ack together") << QList<QByteArray>{bytes({0x3F, 0x06})} << true;
        QTest::newRow("stray and ack apart") << QList<QByteArray>{bytes({0x3F}), Ack} << true;
        QTest::newRow("ack after two strays")
            << QList<QByteArray>{bytes({0x3F, 0x3F, 0x06})} << false;
        QTest::newRow("no ack") << QList<QByteArray>{bytes({0x15})} << false;
    }
    void wakeUpAcknowledgement()
    {
        QFETCH(QList<QByteArray>, deliveries);
        QFETCH(bool, accepted);
        auto s = started<ReadSession>();
        for (const QByteArray& d : deliveries)
            port->feed(d);
        QCOMPARE(s->state(), accepted ? 2 : 1);
        QCOMPARE(port->sent.last(), accepted ? QByteArray(1, 0x02) : QByteArray("PROGRAM\x63"));
    }

    void staleBufferByteIsNoAcknowledgement()
    {
        // The first transfer leaves 0x06 at buffer[1]; a lone wrong byte in the next
        // transfer must not be taken for an acknowledgement.
        auto s = started<ReadSession>();
        port->feed(bytes({0x3F, 0x06}));
        QCOMPARE(s->state(), 2);
        s->HeadTimeTimer();
        s->btnOkClick();
        port->feed(bytes({0x15}));
        QCOMPARE(s->state(), 1);
        QCOMPARE(port->sent.last(), QByteArray("PROGRAM\x63"));
    }

    void receiveBufferBound_data()
    {
        QTest::addColumn<QList<int>>("pieces"); // lengths of the deliveries
        QTest::addColumn<bool>("completes");
        QTest::newRow("16 at once") << QList<int>{16} << true;
        QTest::newRow("16 in two") << QList<int>{9, 7} << true;
        QTest::newRow("48 at once") << QList<int>{48} << true;
        QTest::newRow("49 at once") << QList<int>{49} << false;
        QTest::newRow("15 then 34") << QList<int>{15, 34} << false;
        QTest::newRow("too few") << QList<int>{15} << false;
    }
    void receiveBufferBound()
    {
        QFETCH(QList<int>, pieces);
        QFETCH(bool, completes);
        auto s = started<ReadSession>();
        port->feed(Ack);
        QByteArray reply = Identification("QZ17", Clone::KeyEcho(s->transferKey()));
        reply.append(QByteArray(40, char(0xEE)));
        int at = 0;
        for (int n : pieces) {
            port->feed(reply.mid(at, n));
            at += n;
        }
        QCOMPARE(s->state(), completes ? 3 : 2);
    }

    void readIdentificationOutcomes_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("echoRight");
        QTest::addColumn<int>("state");
        QTest::addColumn<QByteArray>("lastSent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        QTest::newRow("known model")
            << QByteArray("QZ17") << true << 3 << Ack << QString() << false;
        QTest::newRow("other known model")
            << QByteArray("QZ08") << true << 3 << Ack << QString() << false;
        QTest::newRow("unknown model")
            << QByteArray("QZ1X") << true << 0 << End << "Model Type Wrong." << false;
        QTest::newRow("lower case")
            << QByteArray("qz17") << true << 0 << End << "Model Type Wrong." << false;
        QTest::newRow("key mismatch")
            << QByteArray("QZ17") << false << 0 << End
            << "Please check all connections and communication port settings." << true;
    }
    void readIdentificationOutcomes()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, echoRight);
        QFETCH(int, state);
        QFETCH(QByteArray, lastSent);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        auto s = started<ReadSession>();
        port->feed(Ack);
        const quint8 echo = Clone::KeyEcho(s->transferKey());
        port->feed(Identification(model, echoRight ? echo : quint8(echo ^ 0x11)));
        QCOMPARE(s->state(), state);
        QCOMPARE(port->sent.last(), lastSent);
        QCOMPARE(rec.texts, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(s->timer("CloseTime")->isActive(), closes);
        QVERIFY(!s->timer("HeadTime")->isActive());
        QVERIFY(!s->okEnabled());
        // Bytes after the end of the transfer change nothing and show nothing more.
        const int sentBefore = int(port->sent.size());
        port->feed(bytes({0x06, 0x00, 0x00}));
        if (state == 0) {
            QCOMPARE(int(port->sent.size()), sentBefore);
            QCOMPARE(rec.texts.size(), message.isEmpty() ? 0 : 1);
        }
    }

    void fullReadThroughScriptedRadio()
    {
        const QByteArray radio = patternMemory();
        auto s = inBlockPhase<ReadSession>("QZ18");
        const QByteArray before = ImageBytes(appState());
        QByteArray atReadOk;
        rec.onMessage = [&](const QString&) { atReadOk = ImageBytes(appState()); };
        int answered = 0;
        while (s->state() == 3 && answered < 400) {
            const QByteArray last = port->sent.last();
            if (last.size() == 4 && last[0] == 'R')
                port->feed(blockAnswer((quint8(last[1]) * 256 + quint8(last[2])) / 16, radio));
            else
                port->feed(Ack);
            ++answered;
        }
        QCOMPARE(rec.texts, QStringList{"Reading Completed."});
        QCOMPARE(atReadOk, before); // the box comes before the document changes
        QVERIFY(s->success());
        QVERIFY(appState().modified);
        QCOMPARE(appState().modelId, QStringLiteral("QZ18"));
        // Channels and bitmaps as sent; the load processing may reset settings only.
        QCOMPARE(ImageBytes(appState(), 0, Image::FmLowerLimit), radio.left(Image::FmLowerLimit));
        QCOMPARE(ImageBytes(appState(), Image::SerialNumber, Image::Size - Image::SerialNumber),
                 radio.mid(Image::SerialNumber, Image::Size - Image::SerialNumber));
        QCOMPARE(s->progress(), CloneSession::ProgressMaximum);
        QVERIFY(s->timer("CloseTime")->isActive());
        QCOMPARE(port->sent.last(), End);

        QByteArrayList requests;
        for (const QByteArray& f : port->sent)
            if (f.size() == 4 && f[0] == 'R') requests << f;
        QCOMPARE(requests.size(), 146);
        QCOMPARE(requests.first(), bytes({0x52, 0x00, 0x00, 0x10}));
        QCOMPARE(requests.last(), bytes({0x52, 0x09, 0x10, 0x10}));
    }

    void readLineErrorRestartsOnce()
    {
        auto s = inBlockPhase<ReadSession>();
        const int emptiedBefore = port->inputEmptied;
        port->raiseLineError();
        QCOMPARE(s->state(), 0);
        QCOMPARE(port->inputEmptied, emptiedBefore + 1);
        QVERIFY(s->timer("ReTime")->isActive());
        QVERIFY(s->errorShown());
        // The pending block timeout stays silent.
        s->TryTimeTimer();
        QVERIFY(rec.texts.isEmpty());

        rec.sleeps.clear();
        bool okEnabledFirst = false;
        connect(s.get(), &CloneSession::okEnabledChanged, this, [&](bool on) {
            if (on) okEnabledFirst = true;
        });
        s->ReTimeTimer();
        QVERIFY(okEnabledFirst);
        QCOMPARE(rec.sleeps, (QList<int>{450, 50}));
        QCOMPARE(port->sent.last(), QByteArray("PROGRAM\x63"));
        QVERIFY(!s->errorShown());

        // The second line error gets no restart: the block timeout reports it.
        port->raiseLineError();
        QVERIFY(!s->timer("ReTime")->isActive());
        QVERIFY(s->timer("TryTime")->isActive());
        s->TryTimeTimer();
        QCOMPARE(rec.texts,
                 QStringList{"Please check all connections and communication port settings."});
        QVERIFY(s->timer("CloseTime")->isActive());
    }

    void readLineErrorBeforeAnyTransfer()
    {
        auto s = make<ReadSession>();
        s->FormShow();
        port->raiseLineError();
        QVERIFY(s->timer("ReTime")->isActive());
        s->ReTimeTimer();
        QCOMPARE(port->sent, QByteArrayList{QByteArray("PROGRAM\x63")});
        QCOMPARE(s->state(), 1);
    }

    void timeoutsShowOneBox_data()
    {
        QTest::addColumn<bool>("handshake");
        QTest::addColumn<bool>("write");
        QTest::newRow("read handshake") << true << false;
        QTest::newRow("read block phase") << false << false;
        QTest::newRow("write handshake") << true << true;
        QTest::newRow("write block phase") << false << true;
    }
    void timeoutsShowOneBox()
    {
        QFETCH(bool, handshake);
        QFETCH(bool, write);
        std::unique_ptr<CloneSession> s;
        if (write)
            s = handshake ? started<WriteSession>() : inBlockPhase<WriteSession>();
        else
            s = handshake ? started<ReadSession>() : inBlockPhase<ReadSession>();
        rec.sleeps.clear();
        if (handshake)
            s->HeadTimeTimer();
        else
            s->TryTimeTimer();
        QCOMPARE(s->state(), 0);
        QCOMPARE(rec.sleeps, handshake ? QList<int>{2500} : QList<int>{});
        QCOMPARE(rec.texts,
                 QStringList{"Please check all connections and communication port settings."});
        QVERIFY(s->timer("CloseTime")->isActive());
        QCOMPARE(s->okEnabled(), write && !handshake);
        QVERIFY(!port->sent.contains(End));
        // A second expiry in the same transfer shows nothing and does not wait.
        s->HeadTimeTimer();
        s->TryTimeTimer();
        QCOMPARE(rec.texts.size(), 1);
        QCOMPARE(rec.sleeps.size(), handshake ? 1 : 0);
    }

    void drainWaits_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("pending");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("read, sent at once") << false << 0 << QList<int>{};
        QTest::newRow("read, three steps") << false << 3 << QList<int>{20, 20, 20};
        QTest::newRow("read, at most 50") << false << 1000 << QList<int>(50, 20);
        QTest::newRow("write, two steps") << true << 2 << QList<int>{50, 50};
        QTest::newRow("write, at most 100") << true << 1000 << QList<int>(100, 50);
    }
    void drainWaits()
    {
        QFETCH(bool, write);
        QFETCH(int, pending);
        QFETCH(QList<int>, steps);
        std::unique_ptr<CloneSession> s;
        if (write)
            s = make<WriteSession>();
        else
            s = make<ReadSession>();
        port->pendingSendSteps = pending;
        s->FormShow();
        s->btnOkClick();
        QCOMPARE(port->drainSteps, steps);
    }

    void portSetUpFailure_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<bool>("configureFails");
        QTest::newRow("read, no such port") << false << false;
        QTest::newRow("read, no port number") << false << true;
        QTest::newRow("write, no such port") << true << false;
        QTest::newRow("write, no port number") << true << true;
    }
    void portSetUpFailure()
    {
        QFETCH(bool, write);
        QFETCH(bool, configureFails);
        std::unique_ptr<CloneSession> s;
        if (write)
            s = make<WriteSession>();
        else
            s = make<ReadSession>();
        port->openOk = configureFails;
        port->configureOk = !configureFails;
        port->failure = QStringLiteral("reason from the system");
        s->FormShow();
        QCOMPARE(rec.texts, QStringList{"Cannot Open Commcmication Port.\nreason from the system"});
        QVERIFY(s->timer("CloseTime")->isActive());
        QVERIFY(port->sent.isEmpty());
    }

    void startOnDeadPortReportsOnce()
    {
        auto s = make<ReadSession>();
        s->FormShow();
        port->close(); // the device went away after opening
        s->btnOkClick();
        QCOMPARE(rec.texts.size(), 1);
        QVERIFY(rec.texts.first().startsWith(QLatin1String("Cannot Open Commcmication Port.")));
        QCOMPARE(s->state(), 0);
        QVERIFY(!s->timer("HeadTime")->isActive());
    }

    void writeIdentificationOutcomes_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("echoRight");
        QTest::addColumn<int>("answer"); // to the force question
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("writes");
        QTest::addColumn<bool>("endByte");
        QTest::addColumn<bool>("closes");
        const QString force = "Do you wish to Force write data?";
        const QString wrong = "Model Type Wrong.";
        const QString com = "Please check all connections and communication port settings.";
        QTest::newRow("same model")
            << QByteArray("QZ17") << true << 0 << QStringList{} << true << false << false;
        QTest::newRow("related, yes")
            << QByteArray("QZ18") << true << 6 << QStringList{force} << true << false << false;
        QTest::newRow("related, no")
            << QByteArray("QZ18") << true << 7 << QStringList{force} << false << false << false;
        QTest::newRow("other channel count")
            << QByteArray("QZ08") << true << 0 << QStringList{wrong} << false << true << true;
        QTest::newRow("unknown") << QByteArray("ZZ99") << true << 0 << QStringList{wrong} << false
                                 << true << true;
        QTest::newRow("unknown with wrong echo")
            << QByteArray("ZZ99") << false << 0 << QStringList{com} << false << false << true;
        QTest::newRow("same with wrong echo")
            << QByteArray("QZ17") << false << 0 << QStringList{com} << false << false << true;
    }
    void writeIdentificationOutcomes()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, echoRight);
        QFETCH(int, answer);
        QFETCH(QStringList, messages);
        QFETCH(bool, writes);
        QFETCH(bool, endByte);
        QFETCH(bool, closes);
        // A stamp the write must replace.
        WriteTimeStamp(appState().image.data() + Image::TimeStamp,
                       QStringLiteral("2001-02-03 04:05:06"));
        const QByteArray stampBefore = ImageBytes(appState(), Image::TimeStamp, 7);
        auto s = started<WriteSession>();
        rec.questionAnswer = answer;
        port->feed(Ack);
        const quint8 echo = Clone::KeyEcho(s->transferKey());
        port->feed(Identification(model, echoRight ? echo : quint8(echo + 1)));
        QCOMPARE(rec.texts, messages);
        QCOMPARE(s->state(), writes ? 3 : 0);
        QCOMPARE(port->sent.last(), writes ? Ack : endByte ? End : QByteArray(1, 0x02));
        QCOMPARE(ImageBytes(appState(), Image::TimeStamp, 7) != stampBefore, writes);
        QCOMPARE(s->timer("CloseTime")->isActive(), closes);
        QCOMPARE(s->timer("TryTime")->isActive(), writes);
        QVERIFY(!s->okEnabled());
    }

    void writeSendsTheLiveImage()
    {
        auto s = inBlockPhase<WriteSession>();
        QString stamp;
        int acks = 0;
        while (s->state() == 3 && acks < 300) {
            if (s->blockIndex() == 9) appState().image[16 * 11 + 3] = 0x5A; // changed mid-transfer
            port->feed(Ack);
            ++acks;
        }
        QCOMPARE(rec.texts, QStringList{"Writing Completed."});
        QByteArrayList frames;
        for (const QByteArray& f : port->sent)
            if (f.size() == 20) frames << f;
        QCOMPARE(frames.size(), 145);
        for (int b = 0; b < 145; ++b)
            QCOMPARE(frames[b], Clone::WriteFrame(b, appState().image.data() + 16 * b));
        QCOMPARE(frames[1].left(4), bytes({0x57, 0x00, 0x10, 0x10}));
        QCOMPARE(frames[144].left(4), bytes({0x57, 0x09, 0x00, 0x10}));
        QCOMPARE(quint8(frames[11][4 + 3]), quint8(0x5A));
        QCOMPARE(port->sent.last(), End);
        QCOMPARE(s->progress(), 0);
        QVERIFY(s->okEnabled());
        QVERIFY(!s->timer("CloseTime")->isActive());
        QVERIFY(!appState().modified);
    }

    void writeLineErrorReportsOnceAndStays()
    {
        auto s = inBlockPhase<WriteSession>();
        const int emptied = port->inputEmptied;
        port->raiseLineError();
        QCOMPARE(s->state(), 0);
        QCOMPARE(rec.texts,
                 QStringList{"Please check all connections and communication port settings."});
        QCOMPARE(port->inputEmptied, emptied);
        port->raiseLineError();
        s->TryTimeTimer();
        QCOMPARE(rec.texts.size(), 1);
        QVERIFY(!s->timer("CloseTime")->isActive());
        QVERIFY(!s->okEnabled());
    }

    // Every way a transfer ends is reported once, as a typed outcome, after its box.
    void outcomes_data()
    {
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<int>("result");
        const auto read = [](auto step) {
            return Drive([step](TestCloneSession& t) { step(t, t.started<ReadSession>()); });
        };
        const auto write = [](auto step) {
            return Drive([step](TestCloneSession& t) { step(t, t.started<WriteSession>()); });
        };
        QTest::newRow("read: port cannot open") << Drive([](TestCloneSession& t) {
            auto s = t.make<ReadSession>();
            t.port->openOk = false;
            t.watch(*s);
            s->FormShow();
        }) << int(CloneResult::PortError);
        QTest::newRow("read: unknown model") << read([](TestCloneSession& t, auto s) {
            t.watch(*s);
            t.port->feed(Ack);
            t.port->feed(Identification("QZ1X", Clone::KeyEcho(s->transferKey())));
        }) << int(CloneResult::WrongModel);
        QTest::newRow("read: no answer") << read([](TestCloneSession& t, auto s) {
            t.watch(*s);
            s->HeadTimeTimer();
        }) << int(CloneResult::NoAnswer);
        QTest::newRow("read: closed in the block phase") << read([](TestCloneSession& t, auto s) {
            t.port->feed(Ack);
            t.port->feed(Identification("QZ17", Clone::KeyEcho(s->transferKey())));
            t.watch(*s);
            s->FormClose();
        }) << int(CloneResult::Cancelled);
        QTest::newRow("write: related model declined") << write([](TestCloneSession& t, auto s) {
            t.rec.questionAnswer = 7;
            t.watch(*s);
            t.port->feed(Ack);
            t.port->feed(Identification("QZ18", Clone::KeyEcho(s->transferKey())));
        }) << int(CloneResult::RelatedModelDeclined);
        QTest::newRow("write: wrong model") << write([](TestCloneSession& t, auto s) {
            t.watch(*s);
            t.port->feed(Ack);
            t.port->feed(Identification("QZ08", Clone::KeyEcho(s->transferKey())));
        }) << int(CloneResult::WrongModel);
        QTest::newRow("write: line error") << write([](TestCloneSession& t, auto s) {
            t.watch(*s);
            t.port->raiseLineError();
            s->TryTimeTimer(); // a timeout still pending stays silent and reports nothing more
        }) << int(CloneResult::NoAnswer);
    }
    void outcomes()
    {
        QFETCH(Drive, drive);
        QFETCH(int, result);
        outcomesSeen.clear();
        drive(*this);
        QCOMPARE(outcomesSeen.size(), 1);
        QCOMPARE(int(outcomesSeen.first()), result);
        // The box came first.
        QCOMPARE(textsWhenFinished, rec.texts.size());
    }
};

QTEST_GUILESS_MAIN(TestCloneSession)
#include "tst_clonesession.moc"
