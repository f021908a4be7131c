#pragma once

#include <QString>
#include <QtGlobal>

// Bits, bytes and texts of the memory image.

int GetFlagBit(quint8 byte, int bit);
void SetFlagBit(quint8& byte, int bit, bool on);
quint8 KeepInRange(quint8 value, quint8 low, quint8 high, quint8 defaultValue);

quint32 ReadU32LE(const quint8* bytes);
void WriteU32LE(quint32 value, quint8* bytes);
quint16 ReadU16LE(const quint8* bytes);
void WriteU16LE(quint16 value, quint8* bytes);

qint64 HexTextToInt(const QString& text);
quint8 HexPairToByte(const QString& pair);
QString BytesToText(const quint8* bytes, int count);
void FillFF(quint8* buffer, int n); // bytes 0..n, that is n + 1 bytes

QString SerialCharFilter(quint8 byte);

// Channel and radio names: one code per character.
//   0-9 "0".."9", 10 space, 11 "-", 12 "*", 13 "+", 14-39 "A".."Z", 40 "_", 41 "/"
quint8 NameCharToCode(QChar c);      // characters outside the table give 10 (space)
QString NameCodeToChar(quint8 code); // codes above 41 give a space
