#include "ToneCodec.h"

#include "BitCodecs.h"
#include "NumberText.h"

#include <cmath>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isOctal(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

} // namespace

QString EncodeToneText(const QString& text, quint8& b0, quint8& b1)
{
    b0 = b1 = 0xFF;
    if (text.isEmpty()) return text;

    if (text.at(0) == QLatin1Char('D')) {
        if (text.size() != 5 || !isDigit(text.at(1)) || !isDigit(text.at(2)) ||
            !isDigit(text.at(3)))
            return text;
        b0 = HexPairToByte(text.mid(2, 2));
        const quint8 x = quint8(text.at(1).unicode() - '0');
        b1 = quint8((text.at(4) == QLatin1Char('I') ? 0xC0 : 0x80) | x);
        return text;
    }

    double hz = 0.0;
    if (!TextToNumber(text, hz) || hz < 0.0) return text;
    const qint64 tenths = std::llround(hz * 10.0);
    if (tenths > 9999) return text;
    const QString digits = QStringLiteral("%1").arg(tenths, 4, 10, QLatin1Char('0'));
    b1 = HexPairToByte(digits.mid(0, 2));
    b0 = HexPairToByte(digits.mid(2, 2));
    return text;
}

QString DecodeToneBytes(quint8 b0, quint8 b1)
{
    if (b1 == 0xFF) return QString();
    if (b1 & 0x80) {
        return QStringLiteral("D%1%2%3%4")
            .arg(b1 & 7)
            .arg((b0 >> 4) & 7)
            .arg(b0 & 7)
            .arg((b1 & 0x40) ? QStringLiteral("I") : QStringLiteral("N"));
    }
    // Packed digits that are not decimal name no tone.
    const int nibbles[4] = {b1 >> 4, b1 & 0x0F, b0 >> 4, b0 & 0x0F};
    int value = 0;
    for (int n : nibbles) {
        if (n > 9) return QString();
        value = value * 10 + n;
    }
    return FormatFixed(value / 10.0, 1);
}

QString NormaliseToneText(const QString& text)
{
    if (text.isEmpty()) return text;
    const QChar first = text.at(0);

    if (isDigit(first)) {
        double v = 0.0;
        if (!TextToNumber(text, v)) return QStringLiteral("67.0");
        if (v < 30.0) v = 30.0;
        if (v > 290.0) v = 290.0;
        return FormatFixed(v, 1);
    }

    if (first == QLatin1Char('D') || first == QLatin1Char('d')) {
        QString t = text.left(5);
        while (t.size() < 4)
            t.append(QLatin1Char('0'));
        if (t.size() == 4) t.append(QLatin1Char('N'));
        for (int i = 1; i <= 3; ++i)
            if (!isOctal(t.at(i))) t[i] = QLatin1Char('7');
        const QChar p = t.at(4);
        if (p != QLatin1Char('I') && p != QLatin1Char('N') && p != QLatin1Char('i') &&
            p != QLatin1Char('n'))
            t[4] = QLatin1Char('N');
        return t.toUpper();
    }

    return QStringLiteral("67.0");
}
