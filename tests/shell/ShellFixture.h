#pragma once

#include "core/DataModule.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"
#include "shell/MainFrm.h"
#include "shell/ShowEditorWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

// The program as its entry point starts it, with the application folder in a temporary
// directory: settings and language files there are the test's to write.
inline void StartProgramIn(const QString& folder)
{
    QStandardPaths::setTestModeEnabled(true);
    StartupReaders readers;
    readers.readSettingsFile = [](TALL& all) { ReadSettingsFile(all); };
    readers.loadLanguage = [](const TALL& all, TLanguage& texts) { LoadLanguage(all, texts); };
    Maindb().DataModuleCreate(QDir(folder).filePath(QStringLiteral("qz17")), readers);
}

// A main window on an empty, unmodified document, shown and through its start-up.
inline TfMainFrm* OpenMainWindow()
{
    appState().image.fill(0);
    appState().modified = false;
    auto* window = new TfMainFrm;
    window->resize(1100, 750);
    window->show();
    return window;
}

// Runs the event loop until the condition holds or the time is up; the serial port's
// notifications arrive through it.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

inline void WriteTextFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
}

// Stand-ins for editor windows that do not exist yet: one instance per class, held in a
// global pointer the constructor sets and the destructor clears, like the real ones.
template <int N> class StandInEditor : public QWidget {
  public:
    static inline StandInEditor* instance = nullptr;
    explicit StandInEditor(QWidget* parent = nullptr) : QWidget(parent)
    {
        setObjectName(QStringLiteral("fStandIn%1").arg(N));
        resize(200, 120);
        instance = this;
    }
    ~StandInEditor() override { instance = nullptr; }
};
using StandInA = StandInEditor<1>;
using StandInB = StandInEditor<2>;
