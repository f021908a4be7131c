#include "MessageBox.h"

#include "widgets/ModalSeam.h"

int ShowMessageBox(const QString& caption, const QString& text, int kind)
{
    if (kind == MessageKind::Question) {
        const auto answer = Modal::messageBox(nullptr, QMessageBox::Question, caption, text,
                                              QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? IdYes : IdNo;
    }
    if (kind == MessageKind::QuestionWithCancel) {
        const auto answer =
            Modal::messageBox(nullptr, QMessageBox::Question, caption, text,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        switch (answer) {
        case QMessageBox::Yes:
            return IdYes;
        case QMessageBox::No:
            return IdNo;
        default:
            return IdCancel;
        }
    }
    Modal::messageBox(nullptr, QMessageBox::Information, caption, text, QMessageBox::Ok);
    return IdOk;
}

void ShowErrorBox(const QString& caption, const QString& text)
{
    Modal::messageBox(nullptr, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}
