#pragma once

#include "link/LinkPort.h"

#include <QByteArrayList>
#include <QList>
#include <deque>

// A transport for engine tests: records every frame sent, hands out the bytes a test
// feeds, and raises notifications only when the test says so.
class FakeLinkPort : public LinkPort {
    Q_OBJECT
  public:
    bool configureOk = true;
    bool openOk = true;
    QString failure = QStringLiteral("No such file or directory");
    int pendingSendSteps = 0; // drain steps during which bytes still wait after a send

    QByteArrayList sent;
    QList<int> drainSteps; // the step lengths waited, in ms
    int inputEmptied = 0;
    int outputEmptied = 0;
    QString configuredName;

    // The radio's bytes, delivered as one notification.
    void feed(const QByteArray& bytes)
    {
        for (char c : bytes)
            rx.push_back(quint8(c));
        emit dataAvailable(int(bytes.size()));
    }
    void raiseLineError() { emit lineError(); }

    bool configure(const QString& portName, int, QString* reason) override
    {
        configuredName = portName;
        if (!configureOk && reason) *reason = failure;
        return configureOk;
    }
    bool open(QString* reason) override
    {
        if (!openOk) {
            if (reason) *reason = failure;
            return false;
        }
        opened = true;
        return true;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool emptyInput() override
    {
        ++inputEmptied;
        rx.clear();
        return opened;
    }
    bool emptyOutput() override
    {
        ++outputEmptied;
        return opened;
    }
    bool send(const QByteArray& bytes) override
    {
        if (!opened) return false;
        sent << bytes;
        waiting = pendingSendSteps;
        return true;
    }
    int bytesWaitingToSend() override { return waiting > 0 ? 1 : 0; }
    void waitForSent(int ms) override
    {
        drainSteps << ms;
        if (waiting > 0) --waiting;
    }
    bool takeByte(quint8& byte) override
    {
        if (rx.empty()) return false;
        byte = rx.front();
        rx.pop_front();
        return true;
    }
    QString errorText() const override { return opened ? QString() : failure; }

  private:
    bool opened = false;
    int waiting = 0;
    std::deque<quint8> rx;
};
