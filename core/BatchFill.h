#pragma once

#include <QString>

struct TALL;

// The batch channel fill: one run writes a range of memory channels from a start
// frequency and a step, a transmit rule, a tone rule and common values, or deletes
// the range. Each channel is written field by field through SetChannelField, in a
// fixed order, so the channel record keeps its own rules (raster, offset, padding).
// The epilogue bit is never written: existing channels keep theirs.

enum class BatchTransmit {
    SameAsReceive, // transmit = receive
    Excursion,     // receive plus or minus a fixed offset
    OwnStart,      // its own start value and step
};

struct BatchFillOptions {
    // Range; with allChannels the whole model, 1 .. channel count.
    bool allChannels = true;
    int from = 1;
    int to = 1;
    bool clear = false; // delete the range instead of filling it

    // Receive frequency, MHz.
    double rxStart = 0.0;
    double rxStep = 0.0;
    bool rxAscending = true;

    // Transmit frequency, MHz.
    BatchTransmit transmit = BatchTransmit::SameAsReceive;
    double excursion = 0.0;
    bool excursionPlus = true;
    double txStart = 0.0;
    double txStep = 0.0;
    bool txAscending = true;

    // Tones, as positions in the batch tone list (0 = no tone).
    int rxTonePosition = 0;
    int rxToneSpace = 0;
    bool rxToneAscending = true;
    bool rxToneRandom = false;
    bool txToneSameAsReceive = true;
    int txTonePosition = 0;
    int txToneSpace = 0;
    bool txToneAscending = true;
    bool txToneRandom = false;

    // Common values, as the record stores them.
    int bandwidth = 1; // 1 wide
    int power = 1;     // 1 high
    int voiceMode = 0;
    QString name;
    bool nameIsChannelNumber = false;
    bool busyLock = false; // checked boxes: the stored bit is 0
    bool vox = false;
    bool scanAdd = false;
};

// The channels a fill runs over, within the memory channels of the model; empty
// (to < from) when To lies below From.
struct BatchRange {
    int from = 1;
    int to = 0;
};
BatchRange BatchFillRange(const TALL& all, const BatchFillOptions& options);

// Runs the fill. Returns false, writing nothing, when the range is empty (To below From).
// Random tones come from ProgramRandom. The modified flag is left alone: the edit that
// runs the fill marks the document.
bool FillChannels(TALL& all, const BatchFillOptions& options);

// The value rules of the batch window's edits, applied when an edit is committed.
// None of them rejects a value; each returns what the edit shows and the fill uses.

// Start frequency: empty = the lowest active low band limit, out of band = the first
// band's low limit, then onto whichever of the 5 kHz and 6.25 kHz rasters fits.
double BatchStartFrequency(const TALL& all, const QString& text);

// Transmit start: as the receive start, and back to rxStart when more than
// 99.995 MHz away from it.
double BatchTransmitStart(const TALL& all, const QString& text, double rxStart);

// Steps and the excursion: 0 .. 99.995 MHz; anything else (or empty) is 0.
double BatchStepValue(const QString& text);

// Tone spaces are whole numbers; a fraction is cut off, anything unreadable is 0.
int BatchSpaceValue(const QString& text);
