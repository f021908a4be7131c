#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct TALL;

// A channel record is 16 bytes at image offset 16k. Records 1..128 are memory
// channels, 129 and 130 the frequency channels. The transmit frequency is not stored:
// it follows from the receive frequency, the offset and the shift direction.
//
//   byte 0-1   receive count bits 0-15 (count of the record's raster)
//   byte 2     bit 0 receive count bit 16
//              bit 1 raster: 1 = 6.25 kHz, 0 = 5 kHz (receive count and offset)
//              bit 2 epilogue (1 on)     bit 3 VOX (0 on)
//              bit 4 bandwidth (1 wide)  bit 5 busy lock (0 on)
//              bits 6-7 shift: 0 none, 1 plus, 2 minus (3 reads as 0)
//   byte 3-4   offset count, 16 bits, same raster
//   byte 5-6   receive tone (b0, b1)
//   byte 7-8   transmit tone
//   byte 9     bits 0-1 voice mode (0 none, 1 compander, 2 scrambler; 3 reads as 0)
//              bit 2 power (1 high); bits 3-7 kept as they are
//   byte 10-15 name, one name code per character
//
// In-use and scan state of memory channels live in the channel-empty and scan-skip
// bitmaps; the frequency channels always count as in use.

struct TChannel {
    double rxFreq = 0.0;  // MHz
    double txFreq = 0.0;  // MHz, derived
    double offset = 0.0;  // MHz, 0 to 99.995
    quint8 direction = 0; // 0 none, 1 plus, 2 minus
    QString rxTone;       // empty = none
    QString txTone;
    quint8 txInhibit = 0; // no bit in the record
    quint8 busyLock = 0;  // record bit as it is (0 = on)
    quint8 bandwidth = 0; // 1 = wide
    quint8 power = 0;     // 1 = high
    quint8 voiceMode = 0;
    quint8 scanSkip = 0; // 1 = "Del"
    quint8 epilogue = 0; // 1 = on
    quint8 vox = 0;      // 0 = on
    QString name;        // always 6 characters
};

namespace Field {
constexpr int RxFreq = 0;
constexpr int TxFreq = 1;
constexpr int Offset = 2;
constexpr int Direction = 3;
constexpr int RxTone = 4;
constexpr int TxTone = 5;
constexpr int Unused = 6;
constexpr int BusyLock = 7;
constexpr int Bandwidth = 8;
constexpr int Power = 9;
constexpr int Vox = 10;
constexpr int VoiceMode = 11;
constexpr int Scan = 12;
constexpr int Name = 13;
constexpr int Epilogue = 14;
} // namespace Field

// The largest offset a record can hold, in MHz.
constexpr double MaxOffsetMHz = 99.995;

// Decodes record k into channel and cleans the record (raster, band, tones).
// Returns false, leaving channel as it was, when the memory channel is empty.
bool DecodeChannel(TALL& all, int k, TChannel& channel);

// Stores one field of record k from text and returns in text what was stored,
// in the form the windows show.
void SetChannelField(TALL& all, int k, int fieldCode, QString& text);

bool IsChannelInUse(const TALL& all, int k);

// A name as the windows show it: without the blanks that pad it to six characters.
QString NameWithoutPadding(QString name);

// True when record k counts in 6.25 kHz steps, false for 5 kHz.
bool UsesFineRaster(const TALL& all, int k);

// The complete value of a memory channel: its 16 record bytes, its bit in the
// channel-empty bitmap and its bit in the scan-skip bitmap. Every copy of a channel
// goes through it (a refused import row put back, a channel taken over from another
// document, the channel list's copy, paste, move and sort), so nothing that belongs to
// a channel is left behind. For the frequency channels (129, 130) only the record
// counts; they have no bits.
struct ChannelState {
    std::array<quint8, 16> record{};
    bool used = false;    // channel-empty bit 0
    bool scanned = false; // scan-skip bit 0

    bool operator==(const ChannelState& other) const
    {
        return record == other.record && used == other.used && scanned == other.scanned;
    }
    bool operator!=(const ChannelState& other) const { return !(*this == other); }
};

// A memory channel as deleting it leaves it: 16 bytes of 0xFF, empty, not scanned.
ChannelState EmptyChannelState();

// Channel k of the image; k outside 1..130 reads as an empty channel.
ChannelState SaveChannel(const TALL& all, int k);
// Puts a channel value into channel k; k outside 1..130 is left alone.
void RestoreChannel(TALL& all, int k, const ChannelState& state);

// Whether putting next where now stands loses a channel in use.
inline bool ReplacesChannelInUse(const ChannelState& now, const ChannelState& next)
{
    return now.used && now != next;
}
