#include "LanguageFile.h"

#include "IniFile.h"
#include "ProgramFolders.h"
#include "core/AppState.h"
#include "core/CsvImportTexts.h"
#include "core/LanguageTexts.h"

#include <memory>

namespace {

const MessageKey Keys[] = {
    {"Confirmation", &TLanguage::confirmation, "Confirmation"},
    {"ExitProgram", &TLanguage::exitProgram, "Do you wish to exit program?"},
    {"OutRange", &TLanguage::outRange, "Frequecy is Out of range."},
    {"ErrRange", &TLanguage::errRange, "The frequecy number come amiss!"},
    {"Channel", &TLanguage::channel, "Channel"},
    {"Info", &TLanguage::info, " Information"},
    {"Caution", &TLanguage::caution, "Caution"},
    {"SaveProgram", &TLanguage::saveProgram, "Do you wish to save the changes?"},
    {"FileExists", &TLanguage::fileExists, "The File is exists,replace it?"},
    {"All", &TLanguage::all, "All"},
    {"Close", &TLanguage::close, "Closed"},
    {"Open", &TLanguage::open, "Opened"},
    {"ComError", &TLanguage::comError,
     "Please check all connections and communication port settings."},
    {"ModError", &TLanguage::modError, "Model Type Wrong."},
    {"PwdError", &TLanguage::pwdError, "Pass Word Wrong."},
    {"ModelType", &TLanguage::modelType, "Model Type"},
    {"Frequency", &TLanguage::frequency, "Frequency"},
    {"ReadOk", &TLanguage::readOk, "Reading Completed."},
    {"WriteOk", &TLanguage::writeOk, "Writing Completed."},
    {"LPortError", &TLanguage::lPortError, "Cannot Open Commcmication Port."},
    {"ClearData", &TLanguage::clearData, "Do you wish to Clear Data?"},
    {"Modforce", &TLanguage::modforce, "Do you wish to Force write data?"},
};
constexpr int KeyCount = int(sizeof(Keys) / sizeof(Keys[0]));
static_assert(KeyCount == 22, "the language file has 22 message texts");

} // namespace

const MessageKey* MessageKeys(int& count)
{
    count = KeyCount;
    return Keys;
}

QString LanguageFilePath(const QString& appFolder, const QString& languageName)
{
    return FindProgramFile(appFolder, languageName + QStringLiteral(".Ini"));
}

TLanguage EnglishMessageTexts()
{
    TLanguage texts;
    for (const MessageKey& k : Keys)
        texts.*k.field = QString::fromLatin1(k.englishText);
    return texts;
}

void LoadLanguageFile(const QString& path, TLanguage& texts)
{
    const TIniFile ini(path);
    const QString section = QStringLiteral("Language");
    for (const MessageKey& k : Keys)
        texts.*k.field =
            ini.ReadString(section, QString::fromLatin1(k.key), QString::fromLatin1(k.englishText));
}

void LoadLanguage(const TALL& all, TLanguage& texts)
{
    LoadLanguageFile(LanguageFilePath(all.appFolder, all.languageName), texts);
}

CsvImportTexts LoadCsvImportTextsFile(const QString& path)
{
    const TIniFile ini(path);
    const QString section = QStringLiteral("CsvImport");
    CsvImportTexts texts;
    int count = 0;
    const CsvImportTextKey* keys = CsvImportTextKeys(count);
    for (int i = 0; i < count; ++i)
        texts.*keys[i].member =
            ini.ReadString(section, QString::fromLatin1(keys[i].key), texts.*keys[i].member);
    return texts;
}

CsvImportTexts LoadCsvImportTexts(const TALL& all)
{
    return LoadCsvImportTextsFile(LanguageFilePath(all.appFolder, all.languageName));
}

LanguageLookup LanguageFileLookup(const QString& path)
{
    auto file = std::make_shared<TIniFile>(path);
    return [file](const QString& section, const QString& key, const QString& fallback) {
        return file->ReadString(section, key, fallback);
    };
}
