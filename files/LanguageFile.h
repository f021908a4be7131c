#pragma once

#include "core/DocumentDescription.h"

#include <QString>

struct CsvImportTexts;
struct TALL;
struct TLanguage;

// The language file: application folder + language name + ".Ini" (or the installed
// data folder's, see ProgramFolders.h). Section Language holds the 22 message texts;
// every window has a section of its own (TranslateForm).

QString LanguageFilePath(const QString& appFolder, const QString& languageName);

// Fills all 22 message texts from the language file of all.languageName; a missing
// file or key gives the English default, a key with an empty value an empty text.
void LoadLanguage(const TALL& all, TLanguage& texts);
void LoadLanguageFile(const QString& path, TLanguage& texts);

// The built-in English texts.
TLanguage EnglishMessageTexts();

// One message text: its key in section Language, its field and its English default.
struct MessageKey {
    const char* key;
    QString TLanguage::*field;
    const char* englishText;
};
// All 22, in the order the file is read.
const MessageKey* MessageKeys(int& count);

// The texts of a channel list import (section CsvImport) from the language file of
// all.languageName; a missing file or key gives the English text.
CsvImportTexts LoadCsvImportTexts(const TALL& all);
CsvImportTexts LoadCsvImportTextsFile(const QString& path);

// The texts of a language file for routines that show values as the windows do; the
// file is read once, and a missing file or key gives the fallback.
LanguageLookup LanguageFileLookup(const QString& path);
