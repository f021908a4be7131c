#pragma once

#include <QString>

struct TALL;

// A channel entered by hand, as the channel windows enter it: every typed frequency
// passes the band check first, and a memory channel that comes into use by its
// receive frequency gets the new-channel values. The command-line tool and the CSV
// import enter channels the same way.

// The frequency text a typed frequency is stored as. A text that is no number or lies
// outside every active band becomes the lowest band edge, and outOfBand is set; the
// windows then show the "out of range" caution.
QString BandCheckedFrequency(const TALL& all, const QString& text, bool& outOfBand);

// The value a list field of a new memory channel starts with (Field:: codes Power to
// Epilogue); -1 for a field without one.
int NewChannelValue(int fieldCode);

// Memory channel k has just come into use by its receive frequency: the transmit
// frequency becomes the receive frequency, both tones none, the list fields their
// new-channel values and the name blank.
void StartNewChannel(TALL& all, int k);
