#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The language dialog "Language File Setup" (fSetLanguage). The combo box shows the
// display names of the languages, the hidden list box their file names in the same
// order. OK with another language than the current one sets the application state's
// language name and index; afterwards the caller reads changed().
class TfSetLanguage : public QDialog {
    Q_OBJECT

  public:
    explicit TfSetLanguage(QWidget* parent = nullptr);

    bool changed() const { return languageChanged; }

    // Fills the lists and selects the current language; runs when the dialog is shown.
    void FormShow();
    void btnOkClick();
    void btnCancelClick();

    QLabel* lbName = nullptr;
    QComboBox* cbLanguage = nullptr;
    QListWidget* Language = nullptr; // file names; never visible
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool languageChanged = false;
    bool prepared = false;
};
