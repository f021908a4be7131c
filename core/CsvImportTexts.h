#pragma once

#include <QString>

// The sentences a channel list import writes into its plan and report: file errors,
// file and row notes, the kind of each row and the report lines. Each member is a
// format whose %1, %2, ... the import fills in; the built-in texts are English. The
// language file's section CsvImport replaces them by key (CsvImportTextKeys), so the
// windows and the command-line tool report in the program's language.
struct CsvImportTexts {
    // What is wrong with the whole file; the import stops.
    QString notText = QStringLiteral("The file is not a text file.");
    QString empty = QStringLiteral("The file is empty.");
    QString noFrequencyColumn =
        QStringLiteral("The first line names no Frequency column; a channel list starts with a "
                       "header line such as Location,Name,Frequency,...");

    // What holds for the whole file.
    QString notUtf8 = QStringLiteral("The file is not UTF-8; read as Latin-1.");
    QString noLocationColumn =
        QStringLiteral("No Location column: the rows go to channels 1, 2, 3, ... in their order.");
    QString zeroBased = QStringLiteral("Locations start at 0: channel = Location + 1.");
    QString pasteOrder =
        QStringLiteral("The rows go to the channels from %1 on, in their order; Location does "
                       "not count.");

    // Why a row is skipped or what was changed in it.
    QString locationNotNumber = QStringLiteral("Location \"%1\" is no channel number.");
    QString noSuchChannel =
        QStringLiteral("Channel %1 does not exist; the radio has channels 1 to %2.");
    QString noFrequency = QStringLiteral("The row has no frequency.");
    QString frequencyNotNumber = QStringLiteral("Frequency \"%1\" is no number.");
    QString modeUnknown = QStringLiteral("Mode %1: the radio has FM (wide) and NFM (narrow) only.");
    QString outsideBands = QStringLiteral("Frequency %1 MHz is outside the radio's bands (%2).");
    QString offsetNotNumber = QStringLiteral("Offset \"%1\" is no number.");
    QString splitWithoutTx = QStringLiteral("Duplex split without a transmit frequency in Offset.");
    QString transmitOff = QStringLiteral(
        "Transmit off: the radio cannot turn transmit off for one channel; taken as simplex.");
    QString duplexUnknown = QStringLiteral("Duplex \"%1\" is none of +, -, split and off.");
    QString txOutsideBands =
        QStringLiteral("Transmit frequency %1 MHz is outside the radio's bands (%2).");
    QString txTooFar =
        QStringLiteral("Transmit %1 MHz is %2 MHz from receive; a channel holds at most %3 MHz.");
    QString toneNotNumber = QStringLiteral("%1 \"%2\" is no tone; no tone instead.");
    QString toneNearest = QStringLiteral("Tone %1 Hz is not one the radio offers; %2 Hz instead.");
    QString toneDropped =
        QStringLiteral("Tone %1 Hz is not one the radio offers; no tone instead.");
    QString dcsNotCode = QStringLiteral("DCS code \"%1\" is no code; no code instead.");
    QString dcsNotOffered =
        QStringLiteral("DCS code %1 is not one the radio offers; no code instead.");
    QString polarityUnknown =
        QStringLiteral("DtcsPolarity \"%1\" is not two of N and R; read as NN.");
    QString noRxDtcsCode = QStringLiteral("No RxDtcsCode column; the receive code is DtcsCode.");
    QString noCrossMode = QStringLiteral("No CrossMode column; read as Tone->Tone.");
    QString crossModeUnknown = QStringLiteral("CrossMode \"%1\" is unknown; no tones.");
    QString toneModeUnknown = QStringLiteral("Tone mode \"%1\" is unknown; no tones.");
    QString powerNotLevel = QStringLiteral("Power \"%1\" is not a level of the radio; %2 instead.");
    QString powerUnknown = QStringLiteral("Power \"%1\" is unknown; %2 instead.");
    QString levelHigh = QStringLiteral("High"); // the %2 of the two power notes
    QString levelLow = QStringLiteral("Low");
    QString skipUnknown = QStringLiteral("Skip \"%1\" is none of S and P; the channel is scanned.");
    QString nameBlanks = QStringLiteral(
        "Name \"%1\" stored as \"%2\": characters the radio cannot show become blanks.");
    QString nameCut = QStringLiteral("Name \"%1\" stored as \"%2\": cut to 6 characters.");
    QString nameBlanksCut =
        QStringLiteral("Name \"%1\" stored as \"%2\": characters the radio cannot show become "
                       "blanks; cut to 6 characters.");
    QString recordRefusedRx = QStringLiteral("The channel record refused the frequency.");
    QString recordRefusedTx = QStringLiteral("The channel record refused transmit %1 MHz.");
    QString rxOffRaster =
        QStringLiteral("Frequency %1 MHz is off the channel raster; stored as %2 MHz.");
    QString txOffRaster =
        QStringLiteral("Transmit %1 MHz is off the channel raster; stored as %2 MHz.");
    QString rxToneStored = QStringLiteral("Receive tone %1 stored as %2.");
    QString txToneStored = QStringLiteral("Transmit tone %1 stored as %2.");
    QString sameChannel = QStringLiteral("Line %1 names the same channel and replaces this row.");
    QString onePriority = QStringLiteral("Line %1 is the priority channel; the radio has one.");
    // What the priority channel's row becomes: %1 the channel as the grid shows it.
    QString priorityMark = QStringLiteral("%1 Priority");

    // The kind of a row in the report.
    QString imported = QStringLiteral("imported");
    QString changed = QStringLiteral("changed");
    QString skipped = QStringLiteral("skipped");

    // A report line is built from the inside out: "line 3", then the location, the
    // channel, the kind, what the channel becomes and the notes, each wrapping the text
    // so far as %1.
    QString reportLine = QStringLiteral("line %1");
    QString reportLocation = QStringLiteral("%1, Location %2");
    QString reportChannel = QStringLiteral("%1 -> channel %2");
    QString reportPart = QStringLiteral("%1: %2");
    QString reportNotes = QStringLiteral("%1 (%2)");
    // Two notes of one row side by side, in the report and in the preview.
    QString notesJoin = QStringLiteral("%1 %2");
    QString reportSummary =
        QStringLiteral("%1 rows: %2 imported, %3 imported with changes, %4 skipped; channels "
                       "the file does not name stay as they are.");
};

// One text: its key in section CsvImport of the language file and its member.
struct CsvImportTextKey {
    const char* key;
    QString CsvImportTexts::*member;
};

// Every member once, in the order above.
const CsvImportTextKey* CsvImportTextKeys(int& count);
