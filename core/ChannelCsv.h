#pragma once

#include "AppState.h"
#include "CsvImportTexts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Memory channel lists as CSV files in the column layout radio programmers commonly
// share:
//
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,
//   RPT2CALL,DVCODE
//
// Export writes these 21 columns, lines ending in "\r\n", one row per memory channel
// in use, Location = channel number. Tone columns a row does not use hold the usual
// placeholders (88.5, 023, NN, Tone->Tone); Power is "High" or "Low"; TStep is the
// channel's raster, "5.00" or "6.25"; the priority channel's Skip is "P" (when it is
// scanned; a priority channel left out of the scan keeps its "S").
//
// Import reads comma-separated text, or tab-separated text when the header line has
// more tabs than commas (what a spreadsheet copies). It finds the columns by their
// header names (any case), so shorter files work;
// a field the file does not carry gets the value the grid gives a new channel. Each
// row is entered the way the grid enters a channel: the channel is emptied, the
// receive frequency passes the band check, the new-channel values are set, then the
// other fields are stored through the channel record, and what the record kept is
// compared with what the row asked for. What was decided for rows the radio cannot
// take as they are:
//   - rows go into the channels they name; channels the file does not name stay as
//     they are. A Location of 0 anywhere means the whole file counts from 0
//     (channel = Location + 1). A channel beyond the document's channel count, a
//     row without a frequency, a frequency or transmit frequency outside the bands,
//     a transmit frequency further than 99.995 MHz from receive, and a mode other
//     than FM (wide) and NFM (narrow) are skipped.
//   - Duplex "off": the radio cannot inhibit transmit per channel; the row is taken
//     as simplex, with a note.
//   - Power: the levels count as High = 5 W and Low = 1 W. Watts go to the nearer
//     level (3 W, the tie, to High); "High" and "Low" in any case map directly; other
//     level names go to the nearer level with a note.
//   - Tones outside the radio's tone list (the channel edit window's list): a CTCSS
//     tone goes to the nearest listed tone when it lies within 3 %, otherwise to no
//     tone; a DCS code not listed becomes no code. Either way with a note.
//   - Names are upper-cased and cut to 6 characters; characters outside the radio's
//     name characters become blanks, with a note.
//   - Frequencies are snapped to the raster the record picks (TStep is not needed for
//     that); a frequency that moves gets a note.
//   - Two rows for one channel: the later wins, the earlier is skipped with a note.
//     Several rows with Skip "P": the last imported one becomes the priority channel,
//     the others are imported with a note.

// The column names, in the order export writes them.
const QStringList& CsvColumns();

// Export of every memory channel in use. Non-const: DecodeChannel cleans records.
QByteArray ExportChannelsCsv(TALL& all);
// The same of the channels given (any order; empty ones and numbers outside the list
// are left out), in channel order: the text a copy puts on the clipboard.
QByteArray ExportChannelsCsv(TALL& all, const QList<int>& channels);

struct CsvImportRow {
    int line = 0;     // line number in the file (header is line 1)
    QString location; // as written
    int channel = -1; // memory channel it goes to, -1 when skipped before one is known
    enum Kind { Imported, Changed, Skipped } kind = Imported;
    QString source;    // the row as the file has it, short: frequency and name
    QString result;    // what it becomes, as the grid shows it; empty when skipped
    QStringList notes; // why it was changed or skipped, one short sentence each
};

struct CsvImport {
    QString error;         // a file-level failure (no header, no Frequency column, not text)
    QStringList fileNotes; // what holds for the whole file (0-based locations, ...)
    QVector<CsvImportRow> rows;
    TALL image;              // the document as it will be after the import
    int priorityChannel = 0; // the channel the file makes the priority channel; 0 none
    bool ok() const { return error.isEmpty(); }
    int count(CsvImportRow::Kind kind) const;
};

// Plans an import into a copy of all; all itself is untouched. The notes and errors
// are written with texts.
CsvImport PlanCsvImport(const TALL& all, const QByteArray& csv,
                        const CsvImportTexts& texts = CsvImportTexts());

// Plans a paste of CSV text (a channel list copied here or in a spreadsheet; comma- or
// tab-separated, with its header line) at channel first: each row that can be taken
// goes to the next channel from first on, by the import's row rules, whatever its
// Location; rows beyond the last channel are skipped. Applied with ApplyCsvImport.
CsvImport PlanCsvPaste(const TALL& all, const QByteArray& text, int first,
                       const CsvImportTexts& texts = CsvImportTexts());

// How many channels in use of all applying the plan would change.
int CsvImportReplaces(const TALL& all, const CsvImport& plan);

// Puts the planned channels (records, in-use and scan bits, priority channel) into all.
// True when at least one row was imported. The caller records the edit (the windows
// through their door, which also marks the document modified).
bool ApplyCsvImport(TALL& all, const CsvImport& plan);

// The notes of a row as one text.
QString CsvRowNotes(const CsvImportRow& row, const CsvImportTexts& texts = CsvImportTexts());

// The report as lines, for the command-line tool's stderr and the dialog: the file
// notes, one line per row, then a summary line. A file-level failure is one line.
QStringList CsvImportReport(const CsvImport& plan, const CsvImportTexts& texts = CsvImportTexts());
