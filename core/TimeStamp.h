#pragma once

#include <QString>
#include <QtGlobal>

// Time stamp, 7 bytes: year uint16 little-endian, month, day, hour, minute, second,
// all binary.

// text in the form yyyy-MM-dd HH:mm:ss
void WriteTimeStamp(quint8* dest, const QString& text);
// yyyy-MM-dd HH:mm:ss with the year unpadded; 0xFF bytes show 65535-255-255 255:255:255
QString FormatTimeStamp(const quint8* stamp);
// The current local time as WriteTimeStamp takes it.
QString CurrentTimeStampText();
