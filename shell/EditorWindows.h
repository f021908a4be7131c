#pragma once

#include <QList>

class QMdiArea;
class QWidget;

// The editor windows and the model dialog the main window knows, per command number.
// Their classes live in editors/; EditorWindows.cpp is the one place that names them.

// Opens or raises the editor window of a command. False when no editor window belongs to
// the command in this build (the command then does nothing).
bool ShowEditorForCommand(QMdiArea* area, int command);

// The commands ShowEditorForCommand serves, in table order.
QList<int> EditorCommands();

// Destroys every editor window without asking it to close; they hold no unsaved input.
void DestroyEditorWindows(QMdiArea* area);

// Ends cell editing in the memory channel grid when it is open; run before every command.
void EndGridEditing();

// Reasons 0, 2 and 3 of RefreshViews: the door tells the open channel windows what the
// reason names, and they show it again.
void RefreshChannelWindows(int reason);

// Shows the model information dialog modally; true when the user confirmed a model.
// False as long as the dialog does not exist in this build.
bool RunModelDialog(QWidget* parent);
