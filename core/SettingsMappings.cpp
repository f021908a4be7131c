#include "SettingsMappings.h"

int DisplayModeToItem(int stored)
{
    const int v = stored & 0x0F;
    if (!(v & 0x08)) return (v & 0x04) ? DisplayModeItem::FmFrequency : DisplayModeItem::FmChannel;
    if (!(v & 0x01)) return DisplayModeItem::Channel;
    return (v & 0x02) ? DisplayModeItem::Frequency : DisplayModeItem::ChannelFrequency;
}

int DisplayModeFromItem(int item)
{
    switch (item) {
    case DisplayModeItem::ChannelFrequency:
        return 13;
    case DisplayModeItem::Channel:
        return 14;
    case DisplayModeItem::FmFrequency:
        return 7;
    case DisplayModeItem::FmChannel:
        return 3;
    default:
        return 15;
    }
}

int KeyToneToItem(int stored)
{
    switch (stored & 0x03) {
    case 1:
        return 1;
    case 3:
        return 2;
    default:
        return 0;
    }
}

int KeyToneFromItem(int item)
{
    switch (item) {
    case 1:
        return 1;
    case 2:
        return 3;
    default:
        return 0;
    }
}

int Burst1750ToItem(int stored)
{
    return ((stored & 0x0F) + 1) % 16;
}

int Burst1750FromItem(int item)
{
    if (item < 1 || item > 15) return 15;
    return item - 1;
}
