#pragma once

#include <QtGlobal>

struct TALL;

// Settings byte n is image offset 0x898 + n. A field is the bits of one settings
// byte picked by a mask; its value is those bits shifted down to bit 0.
int GetSettingField(const TALL& all, int n, quint8 mask);
void SetSettingField(TALL& all, int n, quint8 mask, int value);
void ClampSettingField(TALL& all, int n, quint8 mask, int low, int defaultValue, int high);

// Slot bitmaps, one bit per numbered slot (from 1); area code 0 channel-empty,
// 16 scan-skip, 32 FM-empty. A bit of 0 means the slot is used.
bool IsSlotUsed(const TALL& all, int area, int n);
void SetSlotUsed(TALL& all, int area, int n, bool used);
