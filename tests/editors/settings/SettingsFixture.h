#pragma once

#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "files/LanguageFile.h"

#include <QByteArray>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// The process-wide document as the program has it after start-up and New, with the
// application folder in a temporary folder so a test can put a language file there.
struct SettingsDocument {
    QTemporaryDir folder;

    SettingsDocument()
    {
        Maindb().DataModuleCreate(folder.path() + QStringLiteral("/qz17"));
        languageTexts() = EnglishMessageTexts();
        MakeFirstDocument(appState(), modelList());
        StartNewImage(appState(), modelList());
    }

    static quint8& at(int offset) { return appState().image[size_t(offset)]; }
    static QByteArray image()
    {
        return QByteArray(reinterpret_cast<const char*>(appState().image.data()),
                          int(appState().image.size()));
    }

    // Writes <name>.Ini into the application folder and makes it the language in use.
    void useLanguage(const QByteArray& content, const QString& name = QStringLiteral("Test"))
    {
        QFile file(folder.path() + QLatin1Char('/') + name + QStringLiteral(".Ini"));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
        appState().languageName = name;
        appState().languageIndex = 1;
    }
};

template <class T = QComboBox> T* control(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

// Offsets at which two images differ.
// Types text into an edit as the user does and commits it with Enter.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

inline QList<int> differences(const QByteArray& a, const QByteArray& b)
{
    QList<int> at;
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
        if (a[i] != b[i]) at << i;
    return at;
}
