#pragma once

#include "LinkPort.h"

class TApdComPort;

// The clone transport over the serial port component the dialog owns.
class SerialLinkPort : public LinkPort {
    Q_OBJECT
  public:
    explicit SerialLinkPort(TApdComPort& port, QObject* parent = nullptr);

    bool configure(const QString& portName, int baud, QString* reason) override;
    bool open(QString* reason) override;
    void close() override;
    bool isOpen() const override;
    bool emptyInput() override;
    bool emptyOutput() override;
    bool send(const QByteArray& bytes) override;
    int bytesWaitingToSend() override;
    void waitForSent(int ms) override;
    bool takeByte(quint8& byte) override;
    QString errorText() const override;

  private:
    TApdComPort& port;
};
