#pragma once

#include "CloneDialog.h"

#include <memory>

class CheckedWrite;
class QCheckBox;
class QLabel;
class QListWidget;
class WriteSession;
struct TALL;
enum class CloneResult;

// "Write data to radio". Run it with Modal::exec; it reports nothing back. A write
// changes the document's time stamp only.
//
// Two check boxes, remembered in the settings file, make the write safer: "Back up the
// radio first" reads the radio and saves its memory as a data file in the user's data
// folder before anything is written; "Verify after writing" reads the radio back and
// names the first channel or setting that differs. Both off, Ok runs the plain write.
class TfWriteRadio : public CloneDialog {
    Q_OBJECT
  public:
    explicit TfWriteRadio(QWidget* parent = nullptr);
    ~TfWriteRadio() override;

    CheckedWrite& job() { return *checked; }
    // The data file the last backup went to; empty before one was saved.
    QString backupPath() const { return lastBackup; }
    // The text of the last verify mismatch, in the program's language.
    QString mismatchText() const;

  protected:
    void startTransfer() override;
    void done(int result) override;

  private:
    bool saveBackup(TALL& radio);
    void jobFinished(CloneResult result);
    void showStage();

    QCheckBox* cbBackup;
    QCheckBox* cbVerify;
    QLabel* lStage;
    // Texts only (translated with the dialog, never shown).
    QLabel* lBackingUp;
    QLabel* lWriting;
    QLabel* lVerifying;
    QLabel* lBackupSaved;
    QLabel* lBackupNotSaved;
    QLabel* lVerified;
    QLabel* lVerifyFailed;
    QListWidget* lsPlaces;
    WriteSession* writer;
    std::unique_ptr<CheckedWrite> checked;
    QString lastBackup;
};
