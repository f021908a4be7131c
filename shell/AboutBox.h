#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The about box: every line comes from the language file; the design texts "1" to "9"
// are placeholders. A click on the dialog or on one of its text lines closes it.
class TfFrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TfFrmAbout(QWidget* parent = nullptr);

    // Translates the dialog and fills its caption and memo; runs when it is shown.
    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* ImApp = nullptr;
    QList<QLabel*> lines; // Label1, Label2, Label3, Label8, Label4, Label9
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    bool shownOnce = false;
};
