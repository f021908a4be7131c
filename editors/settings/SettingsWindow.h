#pragma once

#include "core/SettingsCatalog.h"
#include "core/SettingsMap.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <initializer_list>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
struct DocumentChange;

// What the setting windows share. Each is a fixed-size child window of the main
// window that decodes the image the first time it is shown (FormShow) and stores
// every change at once, each change as one step of the document's history. The
// loading flag, set until the window has decoded and whenever it fills its controls,
// keeps the change events raised meanwhile from writing back. When another window,
// an undo or a redo changes what a window shows, it shows it again. Closing destroys
// the window.
//
// The drop-down lists of the settings catalog are loaded, stored and connected here:
// a window creates them with AddSettingRow or SettingList.
class TSettingsWindow : public QWidget {
    Q_OBJECT

  public:
    // The window's "&Close" button.
    void btnCancelClick();

    // Translates, prepares and loads the window, with the loading flag set.
    void InitForm();
    // Sets every control from the image: by default the window's catalog lists.
    virtual void LoadSettings();
    // Writes every field of the window from its control: by default the catalog
    // lists, each through the catalog's rule.
    virtual void StoreSettings();
    // The change handler of every catalog list: stores the window as the step of list.
    void ComborPropertiesChange(const QComboBox* list);

  protected:
    TSettingsWindow(const QString& formName, const QString& caption, QWidget* parent);
    ~TSettingsWindow() override;

    // Places the window and runs InitForm.
    virtual void FormShow();
    // The window's own preparation, after the translation and before loading.
    virtual void Prepare() {}
    // Whether the window shows something of what change names.
    virtual bool Shows(const DocumentChange& change) const;

    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    // Translates the window when the language index is above 0.
    void TranslateWhenNeeded(bool translateLists);

    // A label and a list of the settings catalog in one cell pair of grid: its items
    // and translation tag, hidden with its label when the catalog keeps it out of sight.
    QComboBox* AddSettingRow(QGridLayout* grid, int row, int column, const char* labelName,
                             const QString& caption, const SettingDescription& list);
    // Catalog lists one below the other from row first on.
    struct SettingRow {
        const char* label;
        const char* caption;
        const char* list;
    };
    void AddSettingRows(QGridLayout* grid, int first, int column,
                        std::initializer_list<SettingRow> rows);
    // A label and a text edit in one cell pair of grid.
    QLineEdit* AddEditRow(QGridLayout* grid, int row, int column, const char* labelName,
                          const QString& caption, const char* name, int maxLength);
    // The catalog list of that name, filled and connected, for a window's own layout.
    QComboBox* SettingList(QWidget* parent, const SettingDescription& list);
    // The window's layout, fixed in size, ending in a row of buttons at the right: more,
    // then "&Close". The window puts what it shows in front of them.
    QVBoxLayout* LayOutButtons(std::initializer_list<QPushButton*> more = {});
    // The framed group of a small setting window, titled like the window, above the
    // buttons. Returns the grid inside the frame.
    QGridLayout* FramedGroupLayout(const char* groupName);

    // The catalog entry of this window's list of that name.
    SettingDescription Described(const char* control) const;

    // Selects, in each of this window's catalog lists, the item the catalog's rule
    // picks for the stored value among the list's own items; a value that names no
    // item selects none.
    void LoadLists(const TALL& all);
    // Writes each of this window's catalog lists into its field. A list without a
    // selected item leaves its field as it is, unless the catalog's rule says otherwise.
    void StoreLists(TALL& all);

    // Runs change as one step of the document's history, named "<window caption>:
    // <what>", unless loading. Returns whether the document changed.
    bool Store(const QString& what, const std::function<void()>& change,
               const QString& mergeKey = QString());
    // The caption of the label whose buddy control is, which names its steps.
    QString LabelOf(const QWidget* control) const;
    // Stores an edit that stores key by key: each run of typing, up to Enter or leaving
    // the edit, is one step named after its label.
    void StoreTyped(const QLineEdit* edit, const std::function<void()>& change);
    // Makes edit end a run of typing when the user commits it.
    void EndsTypingRuns(QLineEdit* edit);

    bool loading = true;

  private:
    void documentChanged(const DocumentChange& change);
    QLabel* addRow(QGridLayout* grid, int row, int column, const char* labelName,
                   const QString& caption, QWidget* control);

    QLabel* lStep = nullptr;
    bool shown = false;
    int typingRun = 0;
};
