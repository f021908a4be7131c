#include "ModalSeam.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>

namespace {
ModalScript* currentScript = nullptr;
}

namespace Modal {

void setScript(ModalScript* script)
{
    currentScript = script;
}
ModalScript* script()
{
    return currentScript;
}

QMessageBox::StandardButton messageBox(QWidget* parent, QMessageBox::Icon icon,
                                       const QString& caption, const QString& text,
                                       QMessageBox::StandardButtons buttons)
{
    if (currentScript) return currentScript->messageBox(parent, icon, caption, text, buttons);
    const auto box = makeMessageBox(parent, icon, caption, text, buttons);
    box->exec();
    return box->standardButton(box->clickedButton());
}

// Escape (and the close button) answer Cancel when there is one, else No: Qt's own
// choice of the Escape button, which the question boxes rely on.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(icon, caption, text, buttons,
                                             parent ? parent : QApplication::activeWindow());
    if (buttons.testFlag(QMessageBox::Yes)) box->setDefaultButton(QMessageBox::Yes);
    return box;
}

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter)
{
    if (currentScript) return currentScript->openFileName(parent, caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter)
{
    if (currentScript) return currentScript->saveFileName(parent, caption, folder, filter);
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int exec(QDialog& dialog)
{
    if (currentScript) return currentScript->execDialog(dialog);
    return dialog.exec();
}

} // namespace Modal
