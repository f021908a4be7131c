// Program entry: the windowing application, the data module with the four singletons,
// then the main window, maximised, until it is closed.
#include "Artwork.h"
#include "MainFrm.h"
#include "core/DataModule.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {

// A data file named on the command line (a file manager's "Open With" passes it so)
// opens once the main window has done its start-up work, with the save question first
// as the Open command has it. Options are left to the program's other switches.
void OpenFileArgument(TfMainFrm& window, const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1Char('-'))) continue;
        QTimer::singleShot(0, &window, [&window, argument] { window.OpenDataFile(argument); });
        return;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QZ-17"));
    QApplication::setApplicationDisplayName(QStringLiteral("QZ-17"));
    QApplication::setWindowIcon(ApplicationIcon());

    StartupReaders readers;
    readers.readSettingsFile = [](TALL& all) { ReadSettingsFile(all); };
    readers.loadLanguage = [](const TALL& all, TLanguage& texts) { LoadLanguage(all, texts); };
    Maindb().DataModuleCreate(QApplication::applicationFilePath(), readers);

    TfMainFrm window;
    // Without a window manager a maximised state means nothing; the size stands in.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    OpenFileArgument(window, QApplication::arguments());
    return app.exec();
}
