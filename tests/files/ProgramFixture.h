#pragma once

#include "FilesFixture.h"

#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"

// The process-wide document as the program has it after start-up and New, with its
// program folder (settings and language files) in a folder of its own.
struct ProgramFolder {
    TempFolder folder;

    void start()
    {
        Maindb().DataModuleCreate(folder.file(QStringLiteral("qz17")),
                                  StartupReaders{ReadSettingsFile, LoadLanguage});
        MakeFirstDocument(appState(), modelList());
        StartNewImage(appState(), modelList());
    }
};
