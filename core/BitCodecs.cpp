#include "BitCodecs.h"

int GetFlagBit(quint8 byte, int bit)
{
    if (bit < 0 || bit > 7) return 0;
    return (byte >> bit) & 1;
}

void SetFlagBit(quint8& byte, int bit, bool on)
{
    if (bit < 0 || bit > 7) return;
    if (on)
        byte = quint8(byte | (1u << bit));
    else
        byte = quint8(byte & ~(1u << bit));
}

quint8 KeepInRange(quint8 value, quint8 low, quint8 high, quint8 defaultValue)
{
    return (value >= low && value <= high) ? value : defaultValue;
}

quint32 ReadU32LE(const quint8* b)
{
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

void WriteU32LE(quint32 v, quint8* b)
{
    b[0] = quint8(v);
    b[1] = quint8(v >> 8);
    b[2] = quint8(v >> 16);
    b[3] = quint8(v >> 24);
}

quint16 ReadU16LE(const quint8* b)
{
    return quint16(b[0] | (b[1] << 8));
}

void WriteU16LE(quint16 v, quint8* b)
{
    b[0] = quint8(v);
    b[1] = quint8(v >> 8);
}

qint64 HexTextToInt(const QString& text)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok, 16);
    return ok ? v : 0;
}

quint8 HexPairToByte(const QString& pair)
{
    return quint8(HexTextToInt(pair.left(2)) & 0xFF);
}

QString BytesToText(const quint8* bytes, int count)
{
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text.append(QChar(bytes[i]));
    return text;
}

void FillFF(quint8* buffer, int n)
{
    for (int i = 0; i <= n; ++i)
        buffer[i] = 0xFF;
}

QString SerialCharFilter(quint8 byte)
{
    const bool keep = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                      (byte >= '0' && byte <= '9');
    return QString(QChar(keep ? byte : ' '));
}

quint8 NameCharToCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return quint8(u - '0');
    if (u >= 'A' && u <= 'Z') return quint8(14 + u - 'A');
    switch (u) {
    case '-':
        return 11;
    case '*':
        return 12;
    case '+':
        return 13;
    case '_':
        return 40;
    case '/':
        return 41;
    default:
        return 10;
    }
}

QString NameCodeToChar(quint8 code)
{
    if (code <= 9) return QString(QChar('0' + code));
    if (code >= 14 && code <= 39) return QString(QChar('A' + code - 14));
    switch (code) {
    case 11:
        return QStringLiteral("-");
    case 12:
        return QStringLiteral("*");
    case 13:
        return QStringLiteral("+");
    case 40:
        return QStringLiteral("_");
    case 41:
        return QStringLiteral("/");
    default:
        return QStringLiteral(" ");
    }
}
