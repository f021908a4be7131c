#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

// Every modal interaction of the program passes through here: message boxes,
// open and save dialogs, and running a modal dialog. Tests install a ModalScript
// that answers instead of a user, so no test ever waits on a dialog.

class ModalScript {
  public:
    virtual ~ModalScript() = default;
    virtual QMessageBox::StandardButton messageBox(QWidget* parent, QMessageBox::Icon icon,
                                                   const QString& caption, const QString& text,
                                                   QMessageBox::StandardButtons buttons) = 0;
    // An empty path means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // Stands in for QDialog::exec(); returns the dialog's result code.
    virtual int execDialog(QDialog& dialog) = 0;
};

namespace Modal {

// The script in force, or nullptr when real dialogs are shown.
void setScript(ModalScript* script);
ModalScript* script();

QMessageBox::StandardButton messageBox(QWidget* parent, QMessageBox::Icon icon,
                                       const QString& caption, const QString& text,
                                       QMessageBox::StandardButtons buttons);
// The box messageBox shows, with its default and Escape buttons, not yet shown.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons);
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter);
// The save dialog asks no overwrite question of its own; the program asks.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter);
int exec(QDialog& dialog);

} // namespace Modal
