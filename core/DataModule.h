#pragma once

#include "AppState.h"
#include "ChannelRecord.h"
#include "DocumentEdits.h"
#include "LanguageTexts.h"
#include "ModelTable.h"

#include <functional>

// The data module: owns the four process-wide singletons that the windows share.
// Shared routines never reach for these; they take the document and the model list
// as parameters, so tests and tools can hold several documents at once.

struct StartupReaders {
    std::function<void(TALL&)> readSettingsFile;
    std::function<void(const TALL&, TLanguage&)> loadLanguage;
};

class TfMaindb {
  public:
    // Runs once before the main window exists. The settings and language readers
    // belong to the file layer; the program entry hands them in.
    void DataModuleCreate(const QString& executablePath, const StartupReaders& readers = {});

    TMacList macList;
    TALL all;
    TChannel channel;
    TLanguage language;
    TDocumentEdits edits{all}; // every edit of all passes here
};

TfMaindb& Maindb();
inline TALL& appState()
{
    return Maindb().all;
}
inline TMacList& modelList()
{
    return Maindb().macList;
}
inline TChannel& workingChannel()
{
    return Maindb().channel;
}
inline TDocumentEdits& documentEdits()
{
    return Maindb().edits;
}
inline TLanguage& languageTexts()
{
    return Maindb().language;
}

// Makes every number text and parse in the process use "." as decimal separator.
void FixDecimalSeparator();
