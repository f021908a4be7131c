#include "CloneSession.h"

#include "CloneFrames.h"
#include "LinkPort.h"
#include "core/AppState.h"
#include "core/BitCodecs.h"
#include "core/LanguageTexts.h"
#include "core/ModelTable.h"

#include <QThread>

CloneSession::CloneSession(LinkPort& p, TALL& a, const TMacList& m, const TLanguage& t,
                           QObject* parent)
    : QObject(parent), port(p), all(a), models(m), texts(t)
{
    addTimer(CloseTime, "CloseTime", 300, [this] { CloseTimeTimer(); });
    addTimer(TryTime, "TryTime", 450, [this] { TryTimeTimer(); });
    addTimer(HeadTime, "HeadTime", 500, [this] { HeadTimeTimer(); });
    listen(true);
}

void CloneSession::listen(bool on)
{
    if (on == listening) return;
    listening = on;
    if (on) {
        connect(&port, &LinkPort::dataAvailable, this, &CloneSession::OnTriggerAvail);
        connect(&port, &LinkPort::lineError, this, &CloneSession::lineErrorNotified);
    } else {
        disconnect(&port, nullptr, this, nullptr);
    }
}

void CloneSession::lineErrorNotified()
{
    OnTriggerLineError();
}

void CloneSession::beginTransfer()
{
    concluded = false;
}

void CloneSession::conclude(CloneResult r)
{
    if (concluded) return;
    concluded = true;
    outcome = r;
    emit finished(r);
}

CloneSession::~CloneSession() = default;

void CloneSession::setHost(Host h)
{
    host = std::move(h);
}

void CloneSession::addTimer(QTimer& t, const char* name, int ms, std::function<void()> handler)
{
    t.setObjectName(QLatin1String(name));
    t.setInterval(ms);
    connect(&t, &QTimer::timeout, this, std::move(handler));
    timers.push_back(&t);
}

QTimer* CloneSession::timer(const QString& name) const
{
    for (QTimer* t : timers)
        if (t->objectName() == name) return t;
    return nullptr;
}

void CloneSession::FormClose()
{
    bool running = currentState != 0;
    for (QTimer* t : timers) {
        if (t != &CloseTime && t->isActive()) running = true;
        t->stop();
    }
    currentState = 0;
    port.close();
    if (running) conclude(CloneResult::Cancelled);
}

void CloneSession::HeadTimeTimer()
{
    HeadTime.stop();
    setState(0);
    if (errorWasShown) return;
    wait(2500);
    errorWasShown = true;
    message(Message::ComError);
    conclude(CloneResult::NoAnswer);
    CloseTime.start();
}

void CloneSession::CloseTimeTimer()
{
    CloseTime.stop();
    emit closeRequested();
}

void CloneSession::OnTriggerAvail(int count)
{
    for (int i = 0; i < count; ++i) {
        quint8 b = 0;
        if (!port.takeByte(b)) return; // a port error ends the handler silently
        if (receivedCount <= BufferBound) buffer[size_t(receivedCount++)] = b;
    }
    if (receivedCount >= expectedLength && receivedCount <= BufferBound) step();
}

bool CloneSession::SendFrame(const QByteArray& bytes, int expected, bool acknowledge)
{
    QByteArray frame = bytes;
    if (acknowledge && !frame.isEmpty()) frame[0] = char(Clone::Ack);
    acknowledgeMode = acknowledge;
    expectedLength = expected;
    receivedCount = 0;
    if (!port.send(frame)) return false;
    for (int i = 0; i < drainSteps() && port.bytesWaitingToSend() > 0; ++i)
        port.waitForSent(drainStepMs());
    return true;
}

bool CloneSession::sendEnd()
{
    return SendFrame(QByteArray(1, char(Clone::End)), 0, false);
}

bool CloneSession::sendWakeUp()
{
    key = Clone::TransferKey(all.portName);
    currentState = 1;
    return SendFrame(Clone::WakeUpFrame(key), 1, false);
}

void CloneSession::wakeUpAnswered()
{
    if (!receivedAck(0) && !receivedAck(1)) return;
    HeadTime.stop();
    setState(2);
    SendFrame(QByteArray(1, char(Clone::Identify)), Clone::IdentLength, false);
    HeadTime.start();
}

void CloneSession::setUpPort(bool closeFirst, bool flush)
{
    if (closeFirst) port.close();
    wait(50);
    currentState = 0;
    QString reason;
    bool ok = port.configure(all.portName, all.baudRate, &reason) && port.open(&reason);
    if (ok && flush) ok = port.emptyInput() && port.emptyOutput();
    if (!ok) {
        if (reason.isEmpty()) reason = port.errorText();
        showErrorOnce(Message::LPortError, reason);
        conclude(CloneResult::PortError);
        CloseTime.start();
    }
}

void CloneSession::startFailed()
{
    currentState = 0;
    QString reason = port.errorText();
    if (!port.isOpen() && reason.isEmpty()) reason = tr("The serial port is not open.");
    showErrorOnce(Message::LPortError, reason);
    conclude(CloneResult::PortError);
}

void CloneSession::showErrorOnce(Message m, const QString& detail)
{
    if (errorWasShown) return;
    errorWasShown = true;
    message(m, detail);
}

int CloneSession::message(Message m, const QString& detail)
{
    QString text;
    int kind = 1;
    switch (m) {
    case Message::ComError:
        text = texts.comError;
        break;
    case Message::ModError:
        text = texts.modError;
        break;
    case Message::ReadOk:
        text = texts.readOk;
        break;
    case Message::WriteOk:
        text = texts.writeOk;
        break;
    case Message::LPortError:
        text = texts.lPortError;
        break;
    case Message::Modforce:
        text = texts.modforce;
        kind = 2;
        break;
    }
    if (!detail.isEmpty()) text += QLatin1Char('\n') + detail;
    shown << m;
    if (silenced.contains(m) || !host.showMessage) return kind == 2 ? 7 : 1;
    return host.showMessage(text, kind);
}

void CloneSession::wait(int ms)
{
    if (host.sleep)
        host.sleep(ms);
    else
        QThread::msleep(ulong(ms));
}

bool CloneSession::receivedAck(int index) const
{
    // Only bytes of this exchange count; the buffer keeps older ones.
    return index < receivedCount && buffer[size_t(index)] == Clone::Ack;
}

QString CloneSession::identModel() const
{
    return BytesToText(buffer.data() + Clone::IdentModelOffset, Clone::IdentModelLength);
}

bool CloneSession::keyEchoMatches() const
{
    return buffer[Clone::IdentKeyOffset] == Clone::KeyEcho(key);
}

void CloneSession::setProgress(int value)
{
    progressValue = value;
    emit progressChanged(value);
}

void CloneSession::setOkEnabled(bool enabled)
{
    okButtonEnabled = enabled;
    emit okEnabledChanged(enabled);
}
