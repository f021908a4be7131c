#include "ApdComPort.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TApdComPort::TApdComPort(QObject* parent) : QObject(parent)
{
    connect(&port, &QSerialPort::readyRead, this, &TApdComPort::dataArrived);
    connect(&port, &QSerialPort::errorOccurred, this, &TApdComPort::portError);
}

TApdComPort::~TApdComPort()
{
    close();
}

void TApdComPort::setDeviceName(const QString& name)
{
    device = name;
}

bool TApdComPort::open()
{
    lastError.clear();
    if (port.isOpen()) return true;
    if (device.isEmpty()) {
        lastError = tr("No serial device was named.");
        return false;
    }
    port.setPortName(device);
    port.setReadBufferSize(0);
    if (!port.open(QIODevice::ReadWrite)) {
        lastError = openFailureText();
        port.clearError();
        return false;
    }
    const bool lineSet = port.setBaudRate(baudRate) && port.setDataBits(dataBits) &&
                         port.setParity(parity) && port.setStopBits(stopBits) &&
                         port.setFlowControl(QSerialPort::NoFlowControl);
    if (!lineSet) {
        lastError = port.errorString();
        port.close();
        port.clearError();
        return false;
    }
    // A pseudo-terminal has no modem lines; that does not stop a transfer.
    port.setDataTerminalReady(true);
    port.setRequestToSend(true);
    port.clearError();
    lineErrorCount = -1;
    lineErrorsGrew(); // takes the driver's counters as they stand
    return true;
}

void TApdComPort::close()
{
    if (port.isOpen()) port.close();
    port.clearError();
    lineErrorCount = -1;
}

bool TApdComPort::isOpen() const
{
    return port.isOpen();
}

bool TApdComPort::flushInBuffer()
{
    if (!port.isOpen()) return false;
    return port.clear(QSerialPort::Input);
}

bool TApdComPort::flushOutBuffer()
{
    if (!port.isOpen()) return false;
    return port.clear(QSerialPort::Output);
}

bool TApdComPort::putBlock(const char* data, int count)
{
    if (!port.isOpen()) {
        lastError = tr("The serial port is not open.");
        return false;
    }
    return port.write(data, count) == count;
}

int TApdComPort::outBuffUsed() const
{
    if (!port.isOpen()) return 0;
    return int(port.bytesToWrite()) + driverOutputQueue();
}

bool TApdComPort::waitOutput(int ms)
{
    QDeadlineTimer deadline(ms);
    while (port.isOpen() && port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port.waitForBytesWritten(int(deadline.remainingTime()))) break;
    }
    // The driver still sends what it was handed; poll it in small steps.
    while (port.isOpen() && driverOutputQueue() > 0 && !deadline.hasExpired())
        QThread::msleep(qMin<qint64>(2, deadline.remainingTime()));
    return outBuffUsed() == 0;
}

bool TApdComPort::charReady() const
{
    return port.isOpen() && port.bytesAvailable() > 0;
}

bool TApdComPort::getChar(char& c)
{
    return port.isOpen() && port.getChar(&c);
}

void TApdComPort::dataArrived()
{
    if (deliveryPosted) return;
    deliveryPosted = true;
    QMetaObject::invokeMethod(this, &TApdComPort::deliver, Qt::QueuedConnection);
}

void TApdComPort::deliver()
{
    deliveryPosted = false;
    if (!port.isOpen()) return;
    if (lineErrorsGrew()) emit OnTriggerLineError();
    if (!port.isOpen()) return;
    const int waiting = int(port.bytesAvailable());
    if (waiting > 0) emit OnTrigger(TriggerAvail, waiting);
}

void TApdComPort::portError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        // The device went away (a cable pulled): stop watching it. The transfer
        // then runs into its answer timeout.
        lastError = port.errorString();
        if (port.isOpen()) port.close();
        break;
    default:
        break;
    }
}

int TApdComPort::driverOutputQueue() const
{
#ifdef Q_OS_LINUX
    int queued = 0;
    if (port.isOpen() && ::ioctl(int(port.handle()), TIOCOUTQ, &queued) == 0) return queued;
#endif
    return 0;
}

bool TApdComPort::lineErrorsGrew()
{
#ifdef Q_OS_LINUX
    serial_icounter_struct c{};
    if (!port.isOpen() || ::ioctl(int(port.handle()), TIOCGICOUNT, &c) != 0) return false;
    const long long total = (long long)c.frame + c.parity + c.overrun + c.brk + c.buf_overrun;
    const bool grew = lineErrorCount >= 0 && total > lineErrorCount;
    lineErrorCount = total;
    return grew;
#else
    return false;
#endif
}

#ifdef Q_OS_LINUX
namespace {

// The lock file another program keeps for the device, in the folders serial programs
// use for "LCK.." files: the device's path below /dev with "/" as "_" ("LCK..ttyUSB0",
// "LCK..pts_3"), or its whole path so.
QString FindLockFile(const QString& devicePath)
{
    QString belowDev = devicePath;
    if (belowDev.startsWith(QLatin1String("/dev/"))) belowDev.remove(0, 5);
    belowDev.replace(QLatin1Char('/'), QLatin1Char('_'));
    QString whole = devicePath;
    whole.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString names[] = {QStringLiteral("LCK..") + belowDev, QStringLiteral("LCK..") + whole};
    for (const char* folder : {"/var/lock", "/run/lock", "/var/lock/lockdev", "/etc/locks",
                               "/var/spool/locks", "/var/spool/uucp", "/tmp", "/var/tmp"})
        for (const QString& name : names) {
            const QString path = QLatin1String(folder) + QLatin1Char('/') + name;
            if (QFileInfo(path).isFile()) return path;
        }
    return QString();
}

} // namespace
#endif

QString TApdComPort::openFailureText() const
{
    QString reason = port.errorString();
#ifdef Q_OS_LINUX
    if (port.error() == QSerialPort::PermissionError) {
        const QString path =
            device.startsWith(QLatin1Char('/')) ? device : QStringLiteral("/dev/") + device;
        const QByteArray localPath = path.toLocal8Bit();
        if (::access(localPath.constData(), R_OK | W_OK) == 0) {
            // The device may be opened, so it is taken: another program holds it, or its
            // lock file.
            reason = tr("The port is in use by another program.");
            const QString lockFile = FindLockFile(path);
            if (!lockFile.isEmpty()) {
                qint64 pid = 0;
                QString host, program;
                QLockFile lock(lockFile);
                if (lock.getLockInfo(&pid, &host, &program) && pid > 0)
                    reason += tr(" %1 (process %2) holds its lock file %3.")
                                  .arg(program.isEmpty() ? tr("A program") : program)
                                  .arg(pid)
                                  .arg(lockFile);
                else
                    reason += tr(" Its lock file is %1.").arg(lockFile);
            }
            return reason;
        }
        struct stat st {};
        QString groupName = QStringLiteral("dialout");
        if (::stat(localPath.constData(), &st) == 0) {
            if (const struct group* g = ::getgrgid(st.st_gid))
                groupName = QString::fromLocal8Bit(g->gr_name);
        }
        reason += tr(" - your user must be a member of the group \"%1\" that owns %2.")
                      .arg(groupName, path);
    }
#endif
    return reason;
}
