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
    QMessageBox box(icon, caption, text, buttons, parent ? parent : QApplication::activeWindow());
    return QMessageBox::StandardButton(box.exec());
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
