#include "ProgramSetup.h"

#include "Artwork.h"

#include <QApplication>

void PrepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("QZ-17"));
    QApplication::setWindowIcon(ApplicationIcon());
}
