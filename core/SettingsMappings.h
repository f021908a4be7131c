#pragma once

// Fields whose stored value is not the item index of their list.
//
// Display mode (4 bits): bit 3 clear is an FM display (bit 2: frequency, else channel);
// bit 3 set is the radio display (bit 0 clear: channel; bit 0 and bit 1: frequency;
// bit 0 alone: channel and frequency). Several stored values show as one item;
// each item is written as one value.
//
// Key tone (2 bits): Off 0, Tone 1, Voice 3; a stored 2 shows Off.
// 1750 Hz burst (4 bits): OFF is 15, i seconds is i - 1.

namespace DisplayModeItem {
constexpr int Frequency = 0;        // "Freq."
constexpr int ChannelFrequency = 1; // "Chs Freq."
constexpr int Channel = 2;          // "Chs."
constexpr int FmFrequency = 3;      // "FM Freq."
constexpr int FmChannel = 4;        // "FM Chs."
} // namespace DisplayModeItem

int DisplayModeToItem(int stored);
int DisplayModeFromItem(int item); // no item (-1) or an unknown one writes 15

int KeyToneToItem(int stored);
int KeyToneFromItem(int item);

int Burst1750ToItem(int stored);
int Burst1750FromItem(int item);
