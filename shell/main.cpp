#include "core/DataModule.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QZ-17"));
    QApplication::setApplicationDisplayName(QStringLiteral("QZ-17"));

    Maindb().DataModuleCreate(QApplication::applicationFilePath());

    QMainWindow window;
    window.setWindowTitle(appState().titleText);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
