#pragma once

#include "files/TranslateForm.h"
#include "widgets/Tag.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QTabWidget>
#include <QWidget>

// Checks a window's language fragments (lang/<Language>/<form>.ini) against the window:
// the English one must give back exactly the built-in texts, the Chinese one must
// replace every one of them.
namespace LanguageFragments {

inline QString path(const char* language, const QString& form)
{
    return QStringLiteral(QZ_SOURCE_DIR "/lang/") + QLatin1String(language) + u'/' + form +
           QStringLiteral(".ini");
}

// Every translatable text of the window, by key.
inline QMap<QString, QString> texts(QWidget* window)
{
    QMap<QString, QString> t;
    t.insert(window->objectName() + QStringLiteral(".Caption"), window->windowTitle());
    // Commands of the window's menus.
    for (QAction* a : window->findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            t.insert(name + QStringLiteral(".Caption"), a->text());
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        // Buttons without a text (the tab bar's scroll arrows) have nothing to translate.
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (!b->text().isEmpty()) t.insert(name + QStringLiteral(".Caption"), b->text());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            t.insert(name + QStringLiteral(".Caption"), l->text());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            // A tab page's caption is shown by its tab.
            for (int i = 0; i < tabs->count(); ++i)
                if (!tabs->widget(i)->objectName().isEmpty())
                    t.insert(tabs->widget(i)->objectName() + QStringLiteral(".Caption"),
                             tabs->tabText(i));
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (!g->title().isEmpty()) t.insert(name + QStringLiteral(".Caption"), g->title());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (Tag::of(c) == Tag::NeverTranslate) continue;
            const int n = Tag::of(c) == Tag::FirstItemOnly ? 1 : c->count();
            for (int i = 0; i < n; ++i)
                t.insert(name + u'.' + QString::number(i), c->itemText(i));
        }
    }
    return t;
}

// Keys whose text the English fragment changes, and keys the Chinese one leaves as they are.
inline QStringList englishChanges(QWidget* window)
{
    const auto before = texts(window);
    TranslateFormFromFile(window, path("English", window->objectName()), true);
    const auto after = texts(window);
    QStringList changed;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) != it.value()) changed << it.key();
    return changed;
}

inline QStringList chineseMissing(QWidget* window)
{
    const auto before = texts(window);
    TranslateFormFromFile(window, path("Chinese", window->objectName()), true);
    const auto after = texts(window);
    QStringList missing;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) == it.value()) missing << it.key();
    return missing;
}

// Keys of a fragment that name nothing in the window (a misspelt control name).
inline QStringList unknownKeys(QWidget* window, const char* language)
{
    const auto known = texts(window);
    QFile file(path(language, window->objectName()));
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<no fragment>")};
    QStringList unknown;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const int eq = line.indexOf(u'=');
        if (eq > 0 && !known.contains(line.left(eq))) unknown << line.left(eq);
    }
    return unknown;
}

// All the checks above on fresh windows of a class, each finding named by its check.
template <class Window> QStringList problems()
{
    QStringList found;
    const auto add = [&found](const char* check, const QStringList& keys) {
        for (const QString& key : keys)
            found << QLatin1String(check) + QStringLiteral(": ") + key;
    };
    Window english;
    add("unknown in English", unknownKeys(&english, "English"));
    add("unknown in Chinese", unknownKeys(&english, "Chinese"));
    add("changed by English", englishChanges(&english));
    Window chinese;
    add("not in Chinese", chineseMissing(&chinese));
    return found;
}

} // namespace LanguageFragments
