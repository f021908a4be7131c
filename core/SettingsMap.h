#pragma once

#include "SettingsFields.h"

#include <QtGlobal>

struct TALL;

// The function settings the setting windows edit, as (settings byte, mask).
// Settings byte n is image offset 0x898 + n.
//
//   byte  bits  field                     byte  bits  field
//    0    0-3   display mode               8    0-3   VOX gain
//    0    7     channel name shown         8    5-6   VOX delay
//    4    0-3   volume                     8    7     VOX inhibit on receive
//    4    4-7   FM volume                  9    4-7   FM step
//    5    0-3   battery save              10    0-3   scan mode
//    5    4     key lock                  10    4-7   scan speed
//    5    6-7   transmit inhibit on bat.  11    all   scan dropout delay
//    6    0-1   key tone                  12    all   priority channel
//    6    2-3   lamp                      13    0-3   key 1 function
//    6    4     incept alarm              13    4-7   key 2 function
//    7    0-3   squelch level             14    0-3   automatic power-off
//    7    4-7   transmit time-out         14    4-7   1750 Hz burst
//   15    0-3   group                     15    4-5   power-on display
//   16-21       radio name, one name character code per byte

struct SettingsFieldRef {
    int byte;
    quint8 mask;
};

namespace Setting {
constexpr SettingsFieldRef DisplayMode{0, 0x0F};
constexpr SettingsFieldRef ShowName{0, 0x80};
constexpr SettingsFieldRef Squelch{7, 0x0F};
constexpr SettingsFieldRef TimeOut{7, 0xF0};
constexpr SettingsFieldRef Group{15, 0x0F};
constexpr SettingsFieldRef BatterySave{5, 0x0F};
constexpr SettingsFieldRef KeyTone{6, 0x03};
constexpr SettingsFieldRef InceptAlarm{6, 0x10};
constexpr SettingsFieldRef Lamp{6, 0x0C};
constexpr SettingsFieldRef OpenShow{15, 0x30};
constexpr SettingsFieldRef Burst1750{14, 0xF0};
constexpr SettingsFieldRef KeyLock{5, 0x10};
constexpr SettingsFieldRef BatteryInhibitTx{5, 0xC0};
constexpr SettingsFieldRef Volume{4, 0x0F};
constexpr SettingsFieldRef AutoPowerOff{14, 0x0F};

constexpr SettingsFieldRef VoxGain{8, 0x0F};
constexpr SettingsFieldRef VoxDelay{8, 0x60};
constexpr SettingsFieldRef VoxRxInhibit{8, 0x80};

constexpr SettingsFieldRef ScanMode{10, 0x0F};
constexpr SettingsFieldRef ScanSpeed{10, 0xF0};
constexpr SettingsFieldRef ScanDropout{11, 0xFF};
constexpr SettingsFieldRef PriorityChannel{12, 0xFF};

constexpr SettingsFieldRef Key1{13, 0x0F};
constexpr SettingsFieldRef Key2{13, 0xF0};

constexpr SettingsFieldRef FmVolume{4, 0xF0};
constexpr SettingsFieldRef FmStep{9, 0xF0};

constexpr int RadioNameByte = 16;
constexpr int RadioNameLength = 6;
} // namespace Setting

inline int ReadField(const TALL& all, SettingsFieldRef f)
{
    return GetSettingField(all, f.byte, f.mask);
}

inline void WriteField(TALL& all, SettingsFieldRef f, int value)
{
    SetSettingField(all, f.byte, f.mask, value);
}
