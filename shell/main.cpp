// Program entry: the windowing application, the data module with the four singletons,
// then the main window, maximised, until it is closed.
#include "MainFrm.h"
#include "ProgramSetup.h"
#include "core/DataModule.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"
#include "files/ToolkitTranslation.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();

    StartupReaders readers;
    readers.readSettingsFile = [](TALL& all) { ReadSettingsFile(all); };
    readers.loadLanguage = [](const TALL& all, TLanguage& texts) { LoadLanguage(all, texts); };
    Maindb().DataModuleCreate(QApplication::applicationFilePath(), readers);
    InstallToolkitTranslation(appState().languageName);

    TfMainFrm window;
    // Without a window manager a maximised state means nothing; the size stands in.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
