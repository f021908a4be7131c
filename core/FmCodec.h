#pragma once

#include <QString>

struct TALL;

// FM broadcast frequencies: uint16 counts of 25 kHz. FM index 1..30 are the memory
// channels at 0x830 + 2(n - 1), index 31 is the tuning frequency at 0x86C.
// The lower and upper limit words at 0x894 and 0x896 bound every value.

// MHz, or -1.0 for an empty FM channel. Out-of-bound words are replaced by the lower
// limit and written back.
double GetFmChannel(TALL& all, int n);

// Stores text (MHz) and returns in it what was stored. An empty text empties an FM
// channel (the word stays) or sets the tuning frequency to the lower limit.
// Returns false, changing nothing, when the text is not a number.
bool SetFmChannel(TALL& all, int n, QString& text);

// Count of 25 kHz -> MHz.
inline double FmCountToMHz(int count)
{
    return count * 2500 / 100000.0;
}
