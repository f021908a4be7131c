#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The transport under a clone session: bytes out, bytes in, two notifications.
// The real one wraps the serial port component; tests put a scripted one in its place.
// Notifications must come from the event loop, never from inside a call on the port.
class LinkPort : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Picks the port by its program name (COMn or a device path) and sets the line
    // format: the given speed, 8 data bits, no parity, 2 stop bits. False, with a
    // reason, when the name names no port.
    virtual bool configure(const QString& portName, int baud, QString* reason) = 0;
    virtual bool open(QString* reason) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual bool emptyInput() = 0;
    virtual bool emptyOutput() = 0;
    // Queues the bytes and returns at once.
    virtual bool send(const QByteArray& bytes) = 0;
    // Bytes not yet on the line; 0 when the port is not open.
    virtual int bytesWaitingToSend() = 0;
    // One drain step: returns once nothing waits, at the latest after ms.
    virtual void waitForSent(int ms) = 0;
    // False when the port cannot give a byte (an error, nothing there).
    virtual bool takeByte(quint8& byte) = 0;
    // The last failure in the system's words.
    virtual QString errorText() const = 0;

  signals:
    void dataAvailable(int count);
    void lineError();
};
