#include "PortNames.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

#ifndef Q_OS_WIN
const QString BuiltInPrefix = QStringLiteral("/dev/ttyS");
#endif

// Text order in which runs of digits compare by their value: ttyUSB2 before ttyUSB10.
bool naturalLess(const QString& a, const QString& b)
{
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const qulonglong va = a.mid(i, ei - i).toULongLong();
            const qulonglong vb = b.mid(j, ej - j).toULongLong();
            if (va != vb) return va < vb;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

bool IsComPortName(const QString& name)
{
    return name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive);
}

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
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const int na = ComPortNumber(a), nb = ComPortNumber(b);
        if ((na > 0) != (nb > 0)) return na > 0;
        if (na > 0) return na < nb;
        return naturalLess(a, b);
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
    for (const DetectedPort& p : DetectSerialPorts())
        list->append(p.name);
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
