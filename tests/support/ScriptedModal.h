#pragma once

#include "widgets/ModalSeam.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTest>
#include <functional>

// Answers the program's modal interactions from queues and records what was asked.
// Installed for its lifetime. An interaction with nothing queued fails the test
// loudly (and answers No / Cancel), so a test never hangs on a dialog.
//
//   ScriptedModal modal;
//   modal.answers << QMessageBox::Yes;           // next message box
//   modal.answers << ScriptedModal::PressEscape;  // the real box, answered by Escape
//   modal.answers << ScriptedModal::CloseBox;     // the real box, closed by its title bar
//   modal.savePaths << "/tmp/x.dat";              // next save dialog ("" = cancel)
//   modal.dialogs << [](QDialog& d) { ...; return int(QDialog::Accepted); };
class ScriptedModal : public ModalScript {
  public:
    struct Shown {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    // Answers that show the box the program would show and give it a key or a close
    // request, so the answer is the one that box really gives.
    static constexpr QMessageBox::StandardButton PressEscape = QMessageBox::Escape;
    static constexpr QMessageBox::StandardButton PressEnter = QMessageBox::Default;
    static constexpr QMessageBox::StandardButton CloseBox = QMessageBox::FlagMask;

    ScriptedModal() { Modal::setScript(this); }
    ~ScriptedModal() override { Modal::setScript(nullptr); }

    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> openPaths;
    QQueue<QString> savePaths;
    QQueue<std::function<int(QDialog&)>> dialogs;

    QList<Shown> shown;      // every message box, in order
    QStringList fileDialogs; // "open" / "save", in order
    QStringList dialogNames; // objectName of every modal dialog run
    QStringList unexpected;  // interactions nothing was queued for

    QStringList texts() const
    {
        QStringList t;
        for (const Shown& s : shown)
            t << s.text;
        return t;
    }

    QMessageBox::StandardButton messageBox(QWidget*, QMessageBox::Icon icon, const QString& caption,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons) override
    {
        shown.append({icon, caption, text, buttons});
        if (!answers.isEmpty()) {
            const QMessageBox::StandardButton answer = answers.dequeue();
            if (answer == PressEscape || answer == PressEnter || answer == CloseBox)
                return answerRealBox(answer, icon, caption, text, buttons);
            return answer;
        }
        // Information boxes need no scripted answer: OK is the only button.
        if (buttons == QMessageBox::Ok) return QMessageBox::Ok;
        unexpected << QStringLiteral("message box: ") + text;
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Cancel;
    }

    QMessageBox::StandardButton answerRealBox(QMessageBox::StandardButton how,
                                              QMessageBox::Icon icon, const QString& caption,
                                              const QString& text,
                                              QMessageBox::StandardButtons buttons)
    {
        const auto box = Modal::makeMessageBox(nullptr, icon, caption, text, buttons);
        box->show();
        if (how == CloseBox)
            box->close();
        else
            QTest::keyClick(box.get(), how == PressEscape ? Qt::Key_Escape : Qt::Key_Return);
        if (!box->clickedButton()) {
            unexpected << QStringLiteral("the box stayed open: ") + text;
            return QMessageBox::NoButton;
        }
        return box->standardButton(box->clickedButton());
    }

    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        fileDialogs << QStringLiteral("open");
        if (!openPaths.isEmpty()) return openPaths.dequeue();
        unexpected << QStringLiteral("open dialog");
        return QString();
    }

    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        fileDialogs << QStringLiteral("save");
        if (!savePaths.isEmpty()) return savePaths.dequeue();
        unexpected << QStringLiteral("save dialog");
        return QString();
    }

    int execDialog(QDialog& dialog) override
    {
        dialogNames << dialog.objectName();
        if (!dialogs.isEmpty()) return dialogs.dequeue()(dialog);
        unexpected << QStringLiteral("dialog: ") + dialog.objectName();
        return QDialog::Rejected;
    }
};
