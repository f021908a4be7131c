#include "ProgramVersion.h"

QString ProgramVersion()
{
    return QStringLiteral(QZ_VERSION);
}
