#include "RadioName.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "SettingsMap.h"

QString RadioNameText(const TALL& all)
{
    QString text;
    for (int i = 0; i < Setting::RadioNameLength; ++i)
        text +=
            NameCodeToChar(all.image[size_t(Image::settingsOffset(Setting::RadioNameByte + i))]);
    return text;
}

void StoreRadioName(TALL& all, const QString& text)
{
    const QString padded = (text + QString(7, QLatin1Char(' '))).left(Setting::RadioNameLength);
    for (int i = 0; i < Setting::RadioNameLength; ++i)
        all.image[size_t(Image::settingsOffset(Setting::RadioNameByte + i))] =
            NameCharToCode(padded.at(i));
}
