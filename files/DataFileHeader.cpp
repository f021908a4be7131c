#include "DataFileHeader.h"

#include "core/BitCodecs.h"

namespace {

int number(const QString& text, int position, int length)
{
    bool ok = false;
    const int v = text.mid(position - 1, length).toInt(&ok);
    return ok ? v : 0;
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

bool isControlOrBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

void EncodeFileHeader(quint8* header, const QString& name, const QString& code, const QString& date)
{
    FillFF(header, DataFile::HeaderSize - 1);

    const QByteArray text = name.leftJustified(5, u' ', true).toLatin1();
    for (int i = 0; i < 5; ++i)
        header[i] = quint8(text[i]);

    const QString digits = code.leftJustified(6, u'0', true);
    for (int i = 0; i < 3; ++i)
        header[5 + i] = HexPairToByte(digits.mid(2 * i, 2));

    WriteU16LE(quint16(number(date, 1, 4)), header + 8);
    header[10] = quint8(number(date, 6, 2));
    header[11] = quint8(number(date, 9, 2));
    header[12] = quint8(number(date, 12, 2));
    header[13] = quint8(number(date, 15, 2));
}

void DecodeFileHeader(const quint8* header, QString& name, QString& code, QString& date)
{
    name = BytesToText(header, 5);
    code = QStringLiteral("%1%2%3")
               .arg(header[5], 2, 16, QLatin1Char('0'))
               .arg(header[6], 2, 16, QLatin1Char('0'))
               .arg(header[7], 2, 16, QLatin1Char('0'))
               .toUpper();
    date = QString::number(ReadU16LE(header + 8)) + u'-' + twoDigits(header[10]) + u'-' +
           twoDigits(header[11]) + u' ' + twoDigits(header[12]) + u':' + twoDigits(header[13]);
}

QString HeaderModelId(const QString& name)
{
    QString id = name.mid(1, 4);
    while (!id.isEmpty() && isControlOrBlank(id.front()))
        id.remove(0, 1);
    while (!id.isEmpty() && isControlOrBlank(id.back()))
        id.chop(1);
    return id;
}
