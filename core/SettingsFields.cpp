#include "SettingsFields.h"

#include "AppState.h"
#include "BitCodecs.h"

namespace {

int lowestBit(quint8 mask)
{
    for (int i = 0; i < 8; ++i)
        if (mask & (1u << i)) return i;
    return 0;
}

bool validSetting(int n)
{
    return n >= 0 && n < Image::SettingsCount;
}

// The bitmaps are 16 bytes (channels) and 4 bytes (FM); slots beyond them have no bit.
bool slotByte(int area, int n, int& offset)
{
    const int capacity = area == Image::AreaFmEmpty ? 4 * 8 : 16 * 8;
    if (n < 1 || n > capacity) return false;
    if (area != Image::AreaChannelEmpty && area != Image::AreaScanSkip &&
        area != Image::AreaFmEmpty)
        return false;
    offset = Image::EmptyBitmap + area + (n - 1) / 8;
    return true;
}

} // namespace

int GetSettingField(const TALL& all, int n, quint8 mask)
{
    if (!validSetting(n) || mask == 0) return 0;
    return (all.image[size_t(Image::settingsOffset(n))] & mask) >> lowestBit(mask);
}

void SetSettingField(TALL& all, int n, quint8 mask, int value)
{
    if (!validSetting(n) || mask == 0) return;
    quint8& byte = all.image[size_t(Image::settingsOffset(n))];
    // Bits outside the mask stay as they are, even for a value that does not fit.
    byte = quint8((byte & ~mask) | ((value << lowestBit(mask)) & mask));
}

void ClampSettingField(TALL& all, int n, quint8 mask, int low, int defaultValue, int high)
{
    const int v = GetSettingField(all, n, mask);
    if (v < low || v > high) SetSettingField(all, n, mask, defaultValue);
}

bool IsSlotUsed(const TALL& all, int area, int n)
{
    int offset = 0;
    if (!slotByte(area, n, offset)) return false;
    return GetFlagBit(all.image[size_t(offset)], (n - 1) % 8) == 0;
}

void SetSlotUsed(TALL& all, int area, int n, bool used)
{
    int offset = 0;
    if (!slotByte(area, n, offset)) return;
    SetFlagBit(all.image[size_t(offset)], (n - 1) % 8, !used);
}
