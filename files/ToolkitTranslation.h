#pragma once

#include <QString>

// Qt's own texts (the standard buttons of message boxes, the file dialogs) follow the
// program's language. Language files are named after the language in English
// ("Chinese", "German"); that name picks Qt's translation of the language. English,
// or a language Qt has no translation for, leaves Qt's texts in English.
// Returns true when a translation was installed.
bool InstallToolkitTranslation(const QString& languageName);

// The locale name Qt's translations use for a language name, such as "zh_CN" for
// "Chinese"; empty for English or a name that is no language.
QString ToolkitLocaleName(const QString& languageName);
