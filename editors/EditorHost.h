#pragma once

class QWidget;

// What the editor windows need of the main window, without depending on it:
// RefreshViews keeps the open editors in step (reason 0: the channel edit window
// stored or moved; 1: the document was replaced; 2: the grid stored or moved;
// 3: the batch fill ran).
class EditorHost {
  public:
    virtual ~EditorHost() = default;
    virtual void RefreshViews(int reason) = 0;
};

namespace RefreshReason {
constexpr int ChannelEditStored = 0;
constexpr int DocumentReplaced = 1;
constexpr int GridStored = 2;
constexpr int BatchFilled = 3;
} // namespace RefreshReason

void SetEditorHost(EditorHost* host);
EditorHost* editorHost();

// Asks the main window, when there is one, to refresh the views.
void RequestRefresh(int reason);

// Setting and editor windows open at left 20, top 20 of the main window's client
// area. Works for a window shown inside an MDI sub-window and for a plain one.
void PlaceEditorWindow(QWidget* window);
