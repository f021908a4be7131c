#pragma once

#include "tests/editors/channels/LanguageFragments.h"

#include <QListWidget>
#include <QTabWidget>

// A setting window's language fragments against the window: every translatable text
// has its key in both (English may leave out a text with blanks at its ends, which an
// INI value cannot hold), the English one gives back the built-in texts, the Chinese
// one translates every word, and neither has keys that name nothing.
namespace FragmentCheck {

inline QMap<QString, QString> texts(QWidget* window)
{
    QMap<QString, QString> t = LanguageFragments::texts(window);
    for (auto* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            t.insert(tabs->widget(i)->objectName() + QStringLiteral(".Caption"), tabs->tabText(i));
    for (auto* list : window->findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            t.insert(list->objectName() + u'.' + QString::number(i), list->item(i)->text());
    return t;
}

inline QMap<QString, QString> fragment(const char* language, const QString& form)
{
    QMap<QString, QString> keys;
    QFile file(LanguageFragments::path(language, form));
    if (!file.open(QIODevice::ReadOnly)) return keys;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const int eq = line.indexOf(u'=');
        if (eq > 0) keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

// Words of at least three letters, units of measure aside.
inline bool hasWord(const QString& text)
{
    QString t = text;
    t.remove(QStringLiteral("MHz")).remove(QStringLiteral("KHz"));
    int run = 0;
    for (QChar c : t) {
        run = (c.isLetter() && c.unicode() < 128) ? run + 1 : 0;
        if (run >= 3) return true;
    }
    return false;
}

// Problems found, one text each; empty when the fragments fit the window.
inline QStringList problems(QWidget* window)
{
    QStringList found;
    const QString form = window->objectName();
    const auto builtIn = texts(window);
    const auto english = fragment("English", form);
    const auto chinese = fragment("Chinese", form);
    if (english.isEmpty() || chinese.isEmpty()) return {QStringLiteral("no fragment for ") + form};

    for (auto it = builtIn.begin(); it != builtIn.end(); ++it) {
        const bool blanksAtEnds = it.value() != it.value().trimmed();
        if (!english.contains(it.key()) && !blanksAtEnds)
            found << QStringLiteral("English lacks ") + it.key();
        if (english.contains(it.key()) && english.value(it.key()) != it.value())
            found << QStringLiteral("English differs: ") + it.key();
        if (!chinese.contains(it.key()))
            found << QStringLiteral("Chinese lacks ") + it.key();
        else if (hasWord(it.value()) && chinese.value(it.key()) == it.value())
            found << QStringLiteral("Chinese untranslated: ") + it.key();
    }
    for (const auto* keys : {&english, &chinese})
        for (auto it = keys->begin(); it != keys->end(); ++it)
            if (!builtIn.contains(it.key())) found << QStringLiteral("unknown key ") + it.key();

    // Through the program's own translation, too.
    TranslateFormFromFile(window, LanguageFragments::path("Chinese", form), true);
    if (window->windowTitle() != chinese.value(form + QStringLiteral(".Caption")))
        found << QStringLiteral("caption not translated");
    return found;
}

} // namespace FragmentCheck
