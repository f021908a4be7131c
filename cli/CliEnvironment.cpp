#include "CliEnvironment.h"

#include "Interrupt.h"
#include "core/DocumentLifecycle.h"
#include "files/CsvFile.h"
#include "files/DataFile.h"
#include "files/FileMessages.h"
#include "files/IniFile.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"

CliEnvironment::CliEnvironment(const QString& executablePath, QTextStream& o, QTextStream& e)
    : out(o), err(e)
{
    StartupReaders readers;
    readers.readSettingsFile = [](TALL& all) { ReadSettingsFile(all); };
    readers.loadLanguage = [](const TALL& all, TLanguage& texts) { LoadLanguage(all, texts); };
    db.DataModuleCreate(executablePath, readers);
    MakeFirstDocument(db.all, db.macList);
    languageFile =
        std::make_unique<TIniFile>(LanguageFilePath(db.all.appFolder, db.all.languageName));
}

CliEnvironment::~CliEnvironment() = default;

TALL CliEnvironment::newDocument() const
{
    TALL doc = db.all;
    StartNewImage(doc, db.macList);
    return doc;
}

bool CliEnvironment::open(const QString& path, TALL& doc)
{
    const DataFileResult result = ReadDataFile(doc, db.macList, path);
    switch (result.status) {
    case DataFileResult::Ok:
        return true;
    case DataFileResult::UnknownModel:
        tell(path + QLatin1String(": ") + db.language.modError);
        break;
    case DataFileResult::TooShort:
        tell(TooShortText(doc, path, result.size));
        break;
    case DataFileResult::OpenFailed:
    case DataFileResult::ReadFailed:
        tell(OpenFailedText(doc, path, result.reason));
        break;
    }
    return false;
}

bool CliEnvironment::saving(const TALL& doc, const QString& path,
                            const std::function<bool(QString*)>& write)
{
    // From here Ctrl+C cancels the save before it replaces the file.
    const Interrupt& interrupt = Interrupt::instance();
    const Interrupt::Hold hold;
    QString reason;
    if (write(&reason)) return true;
    if (interrupt.requested())
        tell(QStringLiteral("interrupted; %1 was not saved").arg(path));
    else
        tell(WriteFailedText(doc, path, reason));
    return false;
}

bool CliEnvironment::save(TALL& doc, const QString& path)
{
    return saving(doc, path, [&](QString* reason) { return WriteDataFile(doc, path, reason); });
}

bool CliEnvironment::saveCsv(const TALL& doc, const QString& path, const QByteArray& csv)
{
    return saving(doc, path, [&](QString* reason) { return WriteCsvFile(path, csv, reason); });
}

QString CliEnvironment::item(const QString& form, const QString& control, int index,
                             const QStringList& english, Translation translation) const
{
    const QString fallback = english.value(index);
    if (index < 0 || translation == Translation::NeverTranslate ||
        (translation == Translation::FirstItemOnly && index > 0))
        return fallback;
    return languageFile->ReadString(form, control + QLatin1Char('.') + QString::number(index),
                                    fallback);
}

LanguageLookup CliEnvironment::language() const
{
    const TIniFile* file = languageFile.get();
    return [file](const QString& section, const QString& key, const QString& fallback) {
        return file->ReadString(section, key, fallback);
    };
}

void CliEnvironment::tell(const QString& text)
{
    err << "qz17-cli: " << QString(text).replace(QLatin1Char('\n'), QLatin1String(": "))
        << Qt::endl;
}

bool CliEnvironment::confirm(const QString& question)
{
    err << "qz17-cli: " << question << " [y/N] " << Qt::flush;
    const QString answer = in ? in->readLine().trimmed() : QString();
    if (!in || in->atEnd()) err << Qt::endl;
    return answer.startsWith(QLatin1Char('y'), Qt::CaseInsensitive);
}
