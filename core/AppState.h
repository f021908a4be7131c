#pragma once

#include "ImageLayout.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The application state, which is also the radio document: settings-derived values,
// the current model with its bands, the modified flag and the memory image.
// A plain record; every operation on it is a shared routine that takes it as a parameter.
// A new record has all numbers 0, all flags false and all strings empty;
// DataModuleCreate gives the process-wide instance its defaults.

struct TBandLimits {
    double low = 0.0; // MHz; a band with both edges 0 is not active
    double high = 0.0;
};

struct TALL {
    QString languageName;      // base name of the language file
    qint32 languageIndex = 0;  // position in the language list
    qint32 currentChannel = 0; // memory channel selected in the channel windows (1-based)
    QString portName;          // "COM" + number, or a device path
    QString appFolder;         // folder of the executable, with a trailing separator
    QString titleText;         // "QZ-17"
    qint32 channelCount = 0;
    QString modelName;
    QString bandText;            // e.g. 430.00000 - 440.00000/144.00000 - 146.00000MHz
    quint8 bandSourceMarker = 0; // 0xFF: band mask equals the model band mask, 0xAA otherwise
    quint8 bandMask = 0;         // two bits per band, band i in bits 2i and 2i+1
    quint8 modelBandMask = 0;
    std::array<TBandLimits, 4> bandLimits{};
    std::array<double, 9> stepTable{}; // kHz; the 0.0 entry ends the list
    double fmLowerEditLimit = 0.0;     // MHz
    double fmUpperEditLimit = 0.0;     // MHz
    QString fileDateText;
    QString modelId; // 4 characters, the key into the model list
    qint32 pictureNumber = 0;
    qint32 baudRate = 0;
    bool modified = false;
    bool updateSuppressed = false; // set by the channel grid while it fills itself
    QString helpPrefix;
    bool serialEditable = false;
    bool backupBeforeWrite = false; // the write dialog's "Back up the radio first"
    bool verifyAfterWrite = false;  // the write dialog's "Verify after writing"
    QStringList recentFiles;        // data files, the last opened or saved first
    std::array<quint8, Image::BufferSize> image{};
};
