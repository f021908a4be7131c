#pragma once

#include <QString>

// The program's version, as the build gives it (the project version of CMakeLists.txt):
// shown by --version of every program and carried in the package name.
QString ProgramVersion();
