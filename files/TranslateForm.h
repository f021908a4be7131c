#pragma once

#include <QString>

class QWidget;

// Puts the language file's texts into a window's controls, looked up in the section
// named after the window (its objectName) by each control's objectName. A missing key
// leaves the text as it is. With translateLists false, combo boxes keep their items.
// The language file is the application folder + languageName + ".Ini".
//
//   window.Caption             the window's title
//   name.Caption               label, button, check box, radio button, group box,
//                              tab page (by the page widget's name), menu, menu item
//                              (QAction), tool button
//   name.Hint                  menu item or tool button: tool tip and status tip
//   name.1 .. name.(n-1)       header texts of a grid (TranslatableGrid), unless tag -2
//   name.0 .. name.(n-1)       items of a combo box (translateLists, tag not -2; only
//                              item 0 for tag -3; the selection is kept) and of a list
//                              box (QListWidget, unless tag -2)
void TranslateForm(QWidget* window, const QString& languageName, bool translateLists);

// The same with the language file named by its path.
void TranslateFormFromFile(QWidget* window, const QString& languageFilePath, bool translateLists);
