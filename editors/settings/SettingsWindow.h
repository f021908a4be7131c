#pragma once

#include "core/SettingsCatalog.h"
#include "core/SettingsMap.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

// What the setting windows share. Each is a fixed-size child window of the main
// window that decodes the image the first time it is shown (FormShow) and writes
// every change at once; the loading flag keeps the change events raised while the
// controls are filled from writing back. Closing destroys the window.
class TSettingsWindow : public QWidget {
    Q_OBJECT

  public:
    // The window's "&Close" button.
    void btnCancelClick();

  protected:
    TSettingsWindow(const QString& formName, const QString& caption, QWidget* parent);

    virtual void FormShow() = 0;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    // Translates the window when the language index is above 0.
    void TranslateWhenNeeded(bool translateLists);

    // A label and a fixed drop-down list in one cell pair of grid.
    QComboBox* AddListRow(QGridLayout* grid, int row, int column, const char* labelName,
                          const QString& caption, const char* listName, const QStringList& items);
    // The same for a list of the settings catalog: its items and translation tag, and
    // hidden with its label when the catalog keeps it out of sight.
    QComboBox* AddSettingRow(QGridLayout* grid, int row, int column, const char* labelName,
                             const QString& caption, const SettingDescription& list);
    QPushButton* MakeCloseButton();

    // The catalog entry of this window's list of that name.
    SettingDescription Described(const char* control) const;
    // Gives list the catalog's items and translation tag.
    static void FillList(QComboBox* list, const SettingDescription& d);

    // Selects, in each of this window's catalog lists, the item the catalog's rule
    // picks for the stored value among the list's own items; a value that names no
    // item selects none.
    void LoadLists(const TALL& all);
    // A list's item index as a field value. A list without a selected item leaves its
    // field as it is.
    static void StoreIndex(const QComboBox* list, TALL& all, SettingsFieldRef field);

    bool loading = false;

  private:
    bool shown = false;
};

class QGroupBox;

// The framed group of a small setting window, titled like the window, above the
// "&Close" button. Returns the grid inside the frame.
QGridLayout* FramedGroupLayout(TSettingsWindow* window, const char* groupName,
                               QPushButton* closeButton);
