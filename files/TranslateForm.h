#pragma once

#include <QString>

class QWidget;

// Puts the language file's texts into a window's controls, looked up in the section
// named after the window (its objectName) by each control's objectName. A missing key
// leaves the text as it is. With translateLists false, combo boxes keep their items.
// The language file is the application folder + languageName + ".Ini".
void TranslateForm(QWidget* window, const QString& languageName, bool translateLists);
