#include "SerialLinkPort.h"

#include "PortNames.h"
#include "widgets/serial/ApdComPort.h"

SerialLinkPort::SerialLinkPort(TApdComPort& p, QObject* parent) : LinkPort(parent), port(p)
{
    connect(&port, &TApdComPort::OnTrigger, this, [this](int message, int count) {
        if (message == TApdComPort::TriggerAvail) emit dataAvailable(count);
    });
    connect(&port, &TApdComPort::OnTriggerLineError, this, &LinkPort::lineError);
}

bool SerialLinkPort::configure(const QString& portName, int baud, QString* reason)
{
    const QString device = PortDeviceName(portName);
    if (device.isEmpty()) {
        if (reason)
            *reason = portName.trimmed().isEmpty()
                          ? tr("No port is chosen.")
                          : tr("The port name %1 carries no port number.").arg(portName);
        return false;
    }
    port.setDeviceName(device);
    port.setBaud(baud);
    port.setParity(QSerialPort::NoParity);
    port.setDataBits(QSerialPort::Data8);
    port.setStopBits(QSerialPort::TwoStop);
    return true;
}

bool SerialLinkPort::open(QString* reason)
{
    if (port.open()) return true;
    if (reason) *reason = port.errorText();
    return false;
}

void SerialLinkPort::close()
{
    port.close();
}
bool SerialLinkPort::isOpen() const
{
    return port.isOpen();
}
bool SerialLinkPort::emptyInput()
{
    return port.flushInBuffer();
}
bool SerialLinkPort::emptyOutput()
{
    return port.flushOutBuffer();
}

bool SerialLinkPort::send(const QByteArray& bytes)
{
    return port.putBlock(bytes.constData(), int(bytes.size()));
}

int SerialLinkPort::bytesWaitingToSend()
{
    return port.outBuffUsed();
}
void SerialLinkPort::waitForSent(int ms)
{
    port.waitOutput(ms);
}

bool SerialLinkPort::takeByte(quint8& byte)
{
    char c = 0;
    if (!port.getChar(c)) return false;
    byte = quint8(c);
    return true;
}

QString SerialLinkPort::errorText() const
{
    return port.errorText();
}
