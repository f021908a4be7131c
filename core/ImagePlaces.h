#pragma once

#include <QString>
#include <QtGlobal>

struct TALL;

// What lives at an image offset, named the way a user knows it: a channel, an FM
// channel, a setting of a settings window. The verify step of a write names the first
// place where the radio holds something else than was sent.
struct ImagePlace {
    enum Kind {
        Block0,           // block 0, not interpreted
        Channel,          // memory channel number (record, in-use or scan bit)
        FrequencyChannel, // frequency channel number (1 or 2)
        FmChannel,        // FM channel number (word or in-use bit)
        FmTuned,          // the FM tuning frequency
        FmLimits,         // the FM lower and upper limit words
        Setting,          // a list of a settings window: form and control
        RadioName,        // settings bytes of the radio name
        SettingsByte,     // a settings byte no window shows: number
        ModelBlock,       // model identifier, band mask, markers, band limits
        SerialNumber,
        TimeStamp,
        Unused,
    };
    Kind kind = Unused;
    int number = 0;  // channel, FM channel or settings byte
    QString form;    // Setting: the window's objectName ("fOptFun")
    QString control; // Setting: the list's objectName ("cxSQL")

    // In English, as the command-line tool says it: "channel 5", "setting cxSQL (fOptFun)".
    QString text() const;
};

// The first offset below count at which a and b differ, or -1.
int FirstDifferentOffset(const quint8* a, const quint8* b, int count);

// The place of image offset 0..2319; changedBits (a XOR of the two bytes) picks, in a
// bitmap or a settings byte, the first channel or setting whose bit differs.
ImagePlace PlaceOfOffset(const TALL& doc, int offset, quint8 changedBits = 0xFF);
