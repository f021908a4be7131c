#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>

// The serial port a clone dialog owns while it is open.
//
// Notifications never arrive from inside a call on the port: QSerialPort may read
// (and announce) data while it waits for output to drain, so every data-available
// and line-error notification is posted to the owning thread's event loop and
// delivered from there, as a message from the operating system would be.
//
// Line errors (framing, parity, overrun, break) come from the driver's error
// counters where the platform has them; a pseudo-terminal has none.
class TApdComPort : public QObject {
    Q_OBJECT
  public:
    // The trigger message of OnTrigger that says received bytes are waiting.
    static constexpr int TriggerAvail = 1;

    explicit TApdComPort(QObject* parent = nullptr);
    ~TApdComPort() override;

    // The system's name of the device ("/dev/ttyUSB0", "COM3").
    void setDeviceName(const QString& device);
    QString deviceName() const { return device; }
    void setBaud(int baud) { baudRate = baud; }
    void setParity(QSerialPort::Parity p) { parity = p; }
    void setDataBits(QSerialPort::DataBits bits) { dataBits = bits; }
    void setStopBits(QSerialPort::StopBits bits) { stopBits = bits; }

    // Opens with the line format set before, no flow control, DTR and RTS raised.
    // On failure errorText() says why, in the system's words.
    bool open();
    void close();
    bool isOpen() const;

    bool flushInBuffer();
    bool flushOutBuffer();
    // Queues the bytes and returns at once.
    bool putBlock(const char* data, int count);
    // Bytes not yet on the line: those queued here and those the driver still holds.
    int outBuffUsed() const;
    // Lets queued bytes go out for at most ms milliseconds; returns early once all
    // have left. Returns whether nothing waits any more.
    bool waitOutput(int ms);

    bool charReady() const;
    bool getChar(char& c);

    QString errorText() const { return lastError; }

  signals:
    void OnTrigger(int message, int count);
    void OnTriggerLineError();

  private:
    void dataArrived();
    void deliver();
    void portError(QSerialPort::SerialPortError error);
    int driverOutputQueue() const;
    bool lineErrorsGrew();
    QString openFailureText() const;

    QSerialPort port;
    QString device;
    int baudRate = 2400;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::TwoStop;
    QString lastError;
    bool deliveryPosted = false;
    long long lineErrorCount = -1; // -1: the driver keeps no counters
};
