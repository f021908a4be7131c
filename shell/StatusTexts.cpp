#include "StatusTexts.h"

#include <QLocale>

QString StatusDateText(const QDate& date, QChar separator)
{
    const auto part = [](int value, int digits) {
        return QString::number(value).rightJustified(digits, QLatin1Char('0'));
    };
    return part(date.year(), 4) + separator + part(date.month(), 2) + separator +
           part(date.day(), 2);
}

QChar SystemDateSeparator()
{
    // The first character of the short format that is no date field, e.g. "." in "dd.MM.yy".
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format) {
        if (c.isLetter() || c == QLatin1Char('\'')) continue;
        if (c.isSpace() || c.isDigit()) break;
        return c;
    }
    return QLatin1Char('/');
}

QString StatusTimeText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}
