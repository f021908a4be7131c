#include "PortNames.h"

#include <QCollator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

#ifndef Q_OS_WIN
const QString BuiltInPrefix = QStringLiteral("/dev/ttyS");
#endif

} // namespace

bool IsComPortName(const QString& name) { return name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive); }

int ComPortNumber(const QString& name)
{
    if (!IsComPortName(name)) return 0;
    const QString digits = name.mid(3);
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,6}$"));
    if (!decimal.match(digits).hasMatch()) return 0;
    return digits.toInt();
}

QString PortDeviceName(const QString& name)
{
    if (IsComPortName(name)) {
        const int n = ComPortNumber(name);
        if (n <= 0) return QString();
#ifdef Q_OS_WIN
        return QStringLiteral("COM%1").arg(n);
#else
        return BuiltInPrefix + QString::number(n - 1);
#endif
    }
    return name.trimmed();
}

QString PortNameForDevice(const QString& systemLocation)
{
#ifdef Q_OS_WIN
    const QString name = QFileInfo(systemLocation).fileName();
    return ComPortNumber(name) > 0 ? name.toUpper() : systemLocation;
#else
    if (systemLocation.startsWith(BuiltInPrefix)) {
        bool ok = false;
        const int index = systemLocation.mid(BuiltInPrefix.size()).toInt(&ok);
        if (ok && index >= 0) return QStringLiteral("COM%1").arg(index + 1);
    }
    return systemLocation;
#endif
}

void SortPortNames(QStringList& names)
{
    QCollator natural;
    natural.setNumericMode(true);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const int na = ComPortNumber(a), nb = ComPortNumber(b);
        if ((na > 0) != (nb > 0)) return na > 0;
        if (na > 0) return na < nb;
        return natural.compare(a, b) < 0;
    });
}

QList<DetectedPort> DetectSerialPorts()
{
    QList<DetectedPort> ports;
    QStringList seen;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = PortNameForDevice(info.systemLocation());
        if (seen.contains(name)) continue;
        seen << name;
        ports.append({name, info.description()});
    }
    QStringList order = seen;
    SortPortNames(order);
    std::sort(ports.begin(), ports.end(), [&](const DetectedPort& a, const DetectedPort& b) {
        return order.indexOf(a.name) < order.indexOf(b.name);
    });
    return ports;
}

void ListSerialPorts(QStringList* list)
{
    if (!list) return;
    for (const DetectedPort& p : DetectSerialPorts()) list->append(p.name);
}

QString SettlePortName(const QString& name, const QStringList& detected)
{
    const QString settled = IsComPortName(name) ? name.toUpper() : name;
    if (detected.isEmpty() || detected.contains(settled)) return settled;
    // A typed path (a pseudo-terminal, a udev symlink) is not enumerated; keep it
    // while the device is there.
    if (!IsComPortName(settled) && !settled.isEmpty() && QFileInfo::exists(settled)) return settled;
    return detected.first();
}
