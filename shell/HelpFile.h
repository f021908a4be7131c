#pragma once

#include <QString>

struct TALL;

// The help file: application folder + help prefix + "_" + language name + ".chm".
// Where no help viewer for .chm exists (or the file is absent) an HTML help of the same
// base name stands in for it.

QString HelpBaseName(const TALL& all); // e.g. /opt/qz17/WT_English

// The help file to open: the .chm when it exists, else the .html, else empty; beside
// the program first, then in the installed data folder (files/ProgramFolders.h).
QString FindHelpFile(const TALL& all);

// Command 60. Opens the help file through the desktop; tells the user which file is
// missing, or that it could not be opened. `missingText` and `openFailedText` carry a %1
// for the file names.
void ShowHelp(const TALL& all, const QString& missingText, const QString& openFailedText);
