#pragma once

class QWidget;

// The main window's language command: shows the language dialog (through the modal
// seam); when another language was chosen, loads its message texts and translates the
// main window with lists. Returns whether the language changed, so the main window can
// go on with the rest of its sequence (status bar, editor windows, tree texts, grid).
// The document's modified flag is left as it was: clearing it would let unsaved edits
// vanish without a question at exit.
bool RunLanguageSwitch(QWidget* mainWindow);
