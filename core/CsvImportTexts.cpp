#include "CsvImportTexts.h"

#include <iterator>

namespace {

const CsvImportTextKey Keys[] = {
    {"NotText", &CsvImportTexts::notText},
    {"Empty", &CsvImportTexts::empty},
    {"NoFrequencyColumn", &CsvImportTexts::noFrequencyColumn},
    {"NotUtf8", &CsvImportTexts::notUtf8},
    {"NoLocationColumn", &CsvImportTexts::noLocationColumn},
    {"ZeroBased", &CsvImportTexts::zeroBased},
    {"PasteOrder", &CsvImportTexts::pasteOrder},
    {"LocationNotNumber", &CsvImportTexts::locationNotNumber},
    {"NoSuchChannel", &CsvImportTexts::noSuchChannel},
    {"NoFrequency", &CsvImportTexts::noFrequency},
    {"FrequencyNotNumber", &CsvImportTexts::frequencyNotNumber},
    {"ModeUnknown", &CsvImportTexts::modeUnknown},
    {"OutsideBands", &CsvImportTexts::outsideBands},
    {"OffsetNotNumber", &CsvImportTexts::offsetNotNumber},
    {"SplitWithoutTx", &CsvImportTexts::splitWithoutTx},
    {"TransmitOff", &CsvImportTexts::transmitOff},
    {"DuplexUnknown", &CsvImportTexts::duplexUnknown},
    {"TxOutsideBands", &CsvImportTexts::txOutsideBands},
    {"TxTooFar", &CsvImportTexts::txTooFar},
    {"ToneNotNumber", &CsvImportTexts::toneNotNumber},
    {"ToneNearest", &CsvImportTexts::toneNearest},
    {"ToneDropped", &CsvImportTexts::toneDropped},
    {"DcsNotCode", &CsvImportTexts::dcsNotCode},
    {"DcsNotOffered", &CsvImportTexts::dcsNotOffered},
    {"PolarityUnknown", &CsvImportTexts::polarityUnknown},
    {"NoRxDtcsCode", &CsvImportTexts::noRxDtcsCode},
    {"NoCrossMode", &CsvImportTexts::noCrossMode},
    {"CrossModeUnknown", &CsvImportTexts::crossModeUnknown},
    {"ToneModeUnknown", &CsvImportTexts::toneModeUnknown},
    {"PowerNotLevel", &CsvImportTexts::powerNotLevel},
    {"PowerUnknown", &CsvImportTexts::powerUnknown},
    {"LevelHigh", &CsvImportTexts::levelHigh},
    {"LevelLow", &CsvImportTexts::levelLow},
    {"SkipUnknown", &CsvImportTexts::skipUnknown},
    {"NameBlanks", &CsvImportTexts::nameBlanks},
    {"NameCut", &CsvImportTexts::nameCut},
    {"NameBlanksCut", &CsvImportTexts::nameBlanksCut},
    {"RecordRefusedRx", &CsvImportTexts::recordRefusedRx},
    {"RecordRefusedTx", &CsvImportTexts::recordRefusedTx},
    {"RxOffRaster", &CsvImportTexts::rxOffRaster},
    {"TxOffRaster", &CsvImportTexts::txOffRaster},
    {"RxToneStored", &CsvImportTexts::rxToneStored},
    {"TxToneStored", &CsvImportTexts::txToneStored},
    {"SameChannel", &CsvImportTexts::sameChannel},
    {"OnePriority", &CsvImportTexts::onePriority},
    {"PriorityMark", &CsvImportTexts::priorityMark},
    {"Imported", &CsvImportTexts::imported},
    {"Changed", &CsvImportTexts::changed},
    {"Skipped", &CsvImportTexts::skipped},
    {"ReportLine", &CsvImportTexts::reportLine},
    {"ReportLocation", &CsvImportTexts::reportLocation},
    {"ReportChannel", &CsvImportTexts::reportChannel},
    {"ReportPart", &CsvImportTexts::reportPart},
    {"ReportNotes", &CsvImportTexts::reportNotes},
    {"NotesJoin", &CsvImportTexts::notesJoin},
    {"ReportSummary", &CsvImportTexts::reportSummary},
};

// A member left out of the table would stay English in every language.
static_assert(sizeof(CsvImportTexts) == std::size(Keys) * sizeof(QString),
              "every text of CsvImportTexts has a key");

} // namespace

const CsvImportTextKey* CsvImportTextKeys(int& count)
{
    count = int(std::size(Keys));
    return Keys;
}
