#include "RadioName.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "SettingsMap.h"

QString RadioNameText(const TALL& all)
{
    QString text;
    for (int i = 0; i < Field::RadioNameLength; ++i)
        text += NameCodeToChar(all.image[size_t(Image::settingsOffset(Field::RadioNameByte + i))]);
    return text;
}

void StoreRadioName(TALL& all, const QString& text)
{
    const QString padded = (text + QString(7, QLatin1Char(' '))).left(Field::RadioNameLength);
    for (int i = 0; i < Field::RadioNameLength; ++i)
        all.image[size_t(Image::settingsOffset(Field::RadioNameByte + i))] =
            NameCharToCode(padded.at(i));
}
