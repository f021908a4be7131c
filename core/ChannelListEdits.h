#pragma once

#include "ChannelRecord.h"

#include <QList>
#include <QString>

struct TALL;

// Edits of the memory channel list as a list: copy out, paste, delete, insert, remove,
// move, sort, and one field set on many channels at once. The grid turns its selection
// into channel numbers and calls these; the command-line tool calls the same.
//
// - They work on memory channels 1..channelCount only (at most 128, the size of the
//   bitmaps); the frequency channels are never touched.
// - A channel set may come in any order, with repeats and with numbers outside the
//   list; each routine works on the channels of the list it names, in channel order.
// - A channel always moves whole, as a ChannelState: its record, its empty bit and its
//   scan-skip bit. An empty channel moves like any other (a block copied or moved with a
//   gap keeps its gap).
// - Each changes only the channels it must; the rest of the image stays byte for byte.
// - The scan window's priority channel (settings byte 12) follows its channel when the
//   channel moves (insert, remove, move, sort). When its channel leaves the list (remove)
//   the priority channel becomes OFF (0). Paste and delete leave it as it is: the
//   channel there is replaced or emptied, as typing over it or clearing its receive
//   frequency would.
// - A routine that cannot do what is asked changes nothing and says so in its result.

// Memory channels 1..channelCount: what sort takes when nothing is selected.
QList<int> AllChannels(const TALL& all);

// The channels of the set that are in use.
int CountChannelsInUse(const TALL& all, const QList<int>& channels);

// The values of the channels of the set, in channel order, empty ones included.
QList<ChannelState> CopyChannels(const TALL& all, const QList<int>& channels);

// Where a paste of values at channel first puts them. The values go to channels first,
// first + 1, ... in their order; those that would go beyond the last channel are left
// out (never written, never wrapped). A pasted empty channel empties its target.
struct ChannelPaste {
    int first = 0;    // the channel the first value goes to
    int pasted = 0;   // values that fit: channels first .. first + pasted - 1
    int leftOut = 0;  // values beyond the last channel, not pasted
    int replaced = 0; // channels in use there that the paste changes (the UI asks first)
};
ChannelPaste PlanChannelPaste(const TALL& all, int first, const QList<ChannelState>& values);
// Carries out the paste PlanChannelPaste describes and returns that plan. A first
// outside the list pastes nothing.
ChannelPaste PasteChannels(TALL& all, int first, const QList<ChannelState>& values);

// Empties the channels of the set as an empty receive frequency does (record 0xFF,
// empty, not scanned). Returns how many of them were in use.
int DeleteChannels(TALL& all, const QList<int>& channels);

// Makes room at channel k: channels k .. e - 1 move down by one, where e is the first
// empty channel from k on, which is used up; k becomes an empty channel (as delete
// leaves one). When k is empty itself nothing moves. When no empty channel follows,
// nothing changes and the result is false: no channel ever drops off the end.
bool InsertEmptyChannel(TALL& all, int k);

// Takes channel k out of the list: the channels after it move up by one and the last
// channel becomes empty. False only for a k outside the list.
bool RemoveChannel(TALL& all, int k);

// Moves the channels of the set by delta places (-1: up, +1: down; a drag moves by
// more); the channels they pass move the other way into the places they leave. Each
// block of the set swaps with its neighbours, so a block moved by one swaps with the
// channel above or below it. False, changing nothing, when a channel would leave the
// list or delta is 0.
bool MoveChannels(TALL& all, const QList<int>& channels, int delta);

enum class ChannelSortKey {
    RxFrequency, // receive frequency, lowest first
    Name,        // name, numbers in names by their value (CH2 before CH10); unnamed last
    Tone,        // transmit (encode) tone, then receive (decode) tone, each in the order
                 // of the tone lists: none, CTCSS rising, DCS normal, DCS inverted
};

// Sorts the channels in use of the set by key; channels with equal keys keep their
// order. Without closeGaps each channel in use goes into one of the places the set's
// channels in use held and empty channels stay where they are; with closeGaps the
// channels in use fill the first places of the set and its empty channels follow, in
// their order. Returns whether any channel moved.
bool SortChannels(TALL& all, const QList<int>& channels, ChannelSortKey key, bool closeGaps);

// Whether SetChannelsField takes the field: the list fields (power, bandwidth, scan,
// VOX, voice mode, busy lock, epilogue) and the two tones.
bool CanSetOnManyChannels(int fieldCode);

// Stores text into one field (Field:: code, text as SetChannelField takes it: a list
// value as a decimal number, a tone text) of every channel in use of the set, through
// SetChannelField. Returns on how many channels it was stored; 0 and no change for a
// field CanSetOnManyChannels refuses.
int SetChannelsField(TALL& all, const QList<int>& channels, int fieldCode, const QString& text);
