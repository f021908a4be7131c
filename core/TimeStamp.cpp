#include "TimeStamp.h"

#include "BitCodecs.h"

#include <QDateTime>

namespace {

int field(const QString& text, int position, int length)
{
    bool ok = false;
    const int v = text.mid(position - 1, length).toInt(&ok);
    return ok ? v : 0;
}

} // namespace

void WriteTimeStamp(quint8* dest, const QString& text)
{
    WriteU16LE(quint16(field(text, 1, 4)), dest);
    dest[2] = quint8(field(text, 6, 2));
    dest[3] = quint8(field(text, 9, 2));
    dest[4] = quint8(field(text, 12, 2));
    dest[5] = quint8(field(text, 15, 2));
    dest[6] = quint8(field(text, 18, 2));
}

QString FormatTimeStamp(const quint8* s)
{
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(ReadU16LE(s))
        .arg(two(s[2]), two(s[3]), two(s[4]), two(s[5]), two(s[6]));
}

QString CurrentTimeStampText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
