#include "SerialNumber.h"

#include "AppState.h"
#include "BitCodecs.h"

QString SerialNumberText(const TALL& all)
{
    QString text;
    for (int i = 0; i < Image::SerialLength; ++i)
        text += SerialCharFilter(all.image[size_t(Image::SerialNumber + i)]);
    return text;
}

void StoreSerialNumber(TALL& all, const QString& text)
{
    const QString padded =
        (text + QString(Image::SerialLength, QLatin1Char(' '))).left(Image::SerialLength);
    for (int i = 0; i < Image::SerialLength; ++i) {
        const char16_t c = padded.at(i).unicode();
        all.image[size_t(Image::SerialNumber + i)] = c <= 0xFF ? quint8(c) : quint8('?');
    }
}
