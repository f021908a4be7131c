#include "ProgramSetup.h"

#include "Artwork.h"
#include "core/ProgramVersion.h"

#include <QApplication>

void PrepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("QZ-17"));
    QApplication::setApplicationVersion(ProgramVersion());
    // The installed desktop entry, so the desktop shows the windows with its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QZ_APP_ID));
    QApplication::setWindowIcon(ApplicationIcon());
}
