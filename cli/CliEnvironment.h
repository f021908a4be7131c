#pragma once

#include "core/DataModule.h"
#include "core/DocumentDescription.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

class TIniFile;

// What every command shares: the program's start-up state (settings file, language,
// model list, as the program has them when it starts), the two output streams and
// the file routines with their messages. Each command holds its own documents.
class CliEnvironment {
  public:
    CliEnvironment(const QString& executablePath, QTextStream& out, QTextStream& err);
    ~CliEnvironment();

    QTextStream& out;
    QTextStream& err;
    // Where a question's answer comes from; none reads as "no".
    QTextStream* in = nullptr;

    const TMacList& models() const { return db.macList; }
    // For tests that need more models than the program knows.
    TMacList& models() { return db.macList; }
    const TLanguage& texts() const { return db.language; }

    // A new image, as the New command makes it.
    TALL newDocument() const;
    // Opens a data file as the Open command does. On failure tells why and returns false.
    bool open(const QString& path, TALL& doc);
    // Saves as the Save command does; a failed save leaves the old file as it was and
    // tells why. Ctrl+C during the save cancels it (the old file stays).
    bool save(TALL& doc, const QString& path);
    // Saves a channel list the same way.
    bool saveCsv(const TALL& doc, const QString& path, const QByteArray& csv);

    // An item text in the current language: key "<control>.<index>" of the form's
    // section of the language file, else the English item.
    enum class Translation { AllItems, FirstItemOnly, NeverTranslate };
    QString item(const QString& form, const QString& control, int index, const QStringList& english,
                 Translation translation = Translation::AllItems) const;

    // The language file's texts, for the routines that show values as the windows do.
    LanguageLookup language() const;

    // "qz17-cli: " + text on stderr; a message's line breaks become ": ".
    void tell(const QString& text);
    // Asks on stderr; true only for an answer starting with y or Y.
    bool confirm(const QString& question);

  private:
    bool saving(const TALL& doc, const QString& path, const std::function<bool(QString*)>& write);

    TfMaindb db;
    std::unique_ptr<TIniFile> languageFile;
};
