#pragma once

#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "files/LanguageFile.h"
#include "widgets/grid/CellGrid.h"

#include <QAbstractItemView>
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

// Types text into an edit as the user does and commits it with Enter.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Chooses an item of a list as the user does: opens the list with the keyboard, walks
// to the item and takes it with Enter.
inline void choose(QComboBox* list, const QString& item)
{
    const int target = list->findText(item);
    QVERIFY2(target >= 0, qPrintable(item));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F4);
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(list->currentText(), item);
}

// Types into a cell of a window's grid gvData as the user does: the first key opens
// the editor, Enter commits. An empty text clears the cell in the editor.
inline void typeIntoCell(QWidget& window, int col, int row, const QString& text)
{
    auto* g = window.findChild<CellGrid*>(QStringLiteral("gvData"));
    QVERIFY(g);
    g->setCurrentCell(col, row);
    g->setFocus();
    if (text.isEmpty()) {
        QVERIFY(g->openEditor());
        g->editor()->clear();
    } else {
        QTest::keyClicks(g, text);
    }
    QTest::keyClick(g->isEditing() ? static_cast<QWidget*>(g->editor()) : g, Qt::Key_Return);
}

// Offsets at which two images differ.
inline QList<int> differences(const QByteArray& a, const QByteArray& b)
{
    QList<int> at;
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
        if (a[i] != b[i]) at << i;
    return at;
}
