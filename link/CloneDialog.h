#pragma once

#include <QDialog>
#include <memory>

class CloneSession;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class SerialLinkPort;
class TApdComPort;

// What the read and write dialogs share: a progress bar, Ok and Cancel, the serial
// port the dialog owns while it is open, and the clone session that does the work.
// The dialog only shows what the session reports; closing it closes the port.
class CloneDialog : public QDialog {
    Q_OBJECT
  public:
    ~CloneDialog() override;

    CloneSession& session() { return *engine; }

  protected:
    CloneDialog(QWidget* parent, const QString& formName, const QString& caption);
    // Called by the subclass's constructor, before the dialog is shown.
    void setSession(std::unique_ptr<CloneSession> session);
    TApdComPort& port() { return *myPort; }
    SerialLinkPort& link() { return *linkPort; }
    virtual bool succeeded() const { return false; }
    // What Ok starts; the session's own transfer unless a subclass runs more.
    virtual void startTransfer();
    // Puts a widget (options, a status line) between the progress bar and the buttons.
    void addOptionWidget(QWidget* widget);
    QProgressBar* progressBar() const { return pBar; }
    QPushButton* okButton() const { return btnOk; }

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void FormShow();
    void btnOkClick();
    void btnCancelClick();

    QProgressBar* pBar;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QVBoxLayout* optionsLayout;
    TApdComPort* myPort;
    SerialLinkPort* linkPort;
    std::unique_ptr<CloneSession> engine;
    bool shown = false;
};
