// Program entry: the windowing application, the data module with the four singletons,
// then the main window, maximised, until it is closed.
#include "MainFrm.h"
#include "ProgramArguments.h"
#include "ProgramSetup.h"
#include "core/DataModule.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"
#include "files/ToolkitTranslation.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// Prints what the command line asked for and gives the exit code.
int Answer(const ProgramArguments& arguments)
{
    std::fputs(arguments.output.toLocal8Bit().constData(), stdout);
    std::fputs(arguments.error.toLocal8Bit().constData(), stderr);
    return arguments.exitCode;
}

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version need no display, so they are answered before the windowing
    // application exists. Qt's own options make this first look fail; the second one,
    // after the application has taken them, decides.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (const ProgramArguments early = ParseProgramArguments(raw);
        early.exitNow && early.exitCode == 0)
        return Answer(early);

    QApplication app(argc, argv);
    PrepareApplication();
    const ProgramArguments arguments = ParseProgramArguments(QApplication::arguments());
    if (arguments.exitNow) return Answer(arguments);

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
    // A data file named on the command line opens once the main window has done its
    // start-up work, with the save question first as the Open command has it.
    if (!arguments.dataFile.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, file = arguments.dataFile] { window.OpenDataFile(file); });
    return app.exec();
}
