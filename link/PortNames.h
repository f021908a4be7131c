#pragma once

#include <QString>
#include <QStringList>

// Port names as the program keeps them (state, settings file, dialogs).
//
// "COM" + number keeps its Windows meaning, also in settings files written there;
// on Linux COMn is the n-th built-in serial port, /dev/ttyS(n-1). Any other name is a
// device path as the user typed or picked it: /dev/ttyUSB0, a pseudo-terminal, a
// symlink made by a udev rule.

// The number after "COM" (any case), or 0 when the name is no COM name or its number
// is missing or not a positive decimal number.
int ComPortNumber(const QString& name);
// The name starts with "COM" in any case.
bool IsComPortName(const QString& name);

// The device the operating system knows the port by; empty for a COM name without a
// valid number.
QString PortDeviceName(const QString& name);
// The program's name for a device the system reports (the inverse of PortDeviceName).
QString PortNameForDevice(const QString& systemLocation);

// Orders program names: COM names by number first, then device paths in text order.
void SortPortNames(QStringList& names);

// Appends the name of every serial port present, in the order of SortPortNames.
// Devices are only enumerated, never opened (opening toggles modem lines).
// A null list is ignored.
void ListSerialPorts(QStringList* list);

// A detected port with the system's description of it, for the port dialog.
struct DetectedPort {
    QString name;        // program name: COMn or a device path
    QString description; // e.g. "FT232R USB UART"; may be empty
};
QList<DetectedPort> DetectSerialPorts();

// The port name at start-up: COM names in upper case; a name that is neither among the
// detected ports nor an existing device path gives way to the first detected port.
// With nothing detected the name stays.
QString SettlePortName(const QString& name, const QStringList& detected);
