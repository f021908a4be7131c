#include "CloneDialog.h"

#include "CloneSession.h"
#include "SerialLinkPort.h"
#include "core/DataModule.h"
#include "files/MessageBox.h"
#include "files/TranslateForm.h"
#include "widgets/serial/ApdComPort.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

CloneDialog::CloneDialog(QWidget* parent, const QString& formName, const QString& caption)
    : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, CloneSession::ProgressMaximum);
    pBar->setValue(0);
    pBar->setTextVisible(false);
    btnOk = new QPushButton(tr("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true); // Enter starts the transfer
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    myPort = new TApdComPort(this);
    myPort->setObjectName(QStringLiteral("myPort"));
    linkPort = new SerialLinkPort(*myPort, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(pBar);
    optionsLayout = new QVBoxLayout;
    optionsLayout->setSpacing(6);
    layout->addLayout(optionsLayout);
    layout->addLayout(buttons);
    pBar->setMinimumWidth(360);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &CloneDialog::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &CloneDialog::btnCancelClick);
}

CloneDialog::~CloneDialog()
{
    if (!engine) return;
    disconnect(engine.get(), nullptr, this, nullptr);
    engine->FormClose();
}

void CloneDialog::addOptionWidget(QWidget* widget)
{
    optionsLayout->addWidget(widget);
}

void CloneDialog::startTransfer()
{
    engine->btnOkClick();
}

void CloneDialog::setSession(std::unique_ptr<CloneSession> session)
{
    engine = std::move(session);
    engine->setHost({[](const QString& text, int kind) {
                         return ShowMessageBox(languageTexts().confirmation, text, kind);
                     },
                     {}});
    connect(engine.get(), &CloneSession::progressChanged, this,
            [this](int v) { pBar->setValue(qBound(pBar->minimum(), v, pBar->maximum())); });
    connect(engine.get(), &CloneSession::okEnabledChanged, btnOk, &QWidget::setEnabled);
    connect(engine.get(), &CloneSession::closeRequested, this,
            [this] { done(succeeded() ? QDialog::Accepted : QDialog::Rejected); });
}

void CloneDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown) return;
    shown = true;
    // Runs once the dialog is on screen; its waits and boxes must not run inside show().
    QMetaObject::invokeMethod(this, &CloneDialog::FormShow, Qt::QueuedConnection);
}

void CloneDialog::FormShow()
{
    const TALL& all = appState();
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, false);
    pBar->setMaximum(CloneSession::ProgressMaximum);
    engine->FormShow();
}

void CloneDialog::btnOkClick()
{
    startTransfer();
}

void CloneDialog::btnCancelClick()
{
    done(succeeded() ? QDialog::Accepted : QDialog::Rejected);
}

void CloneDialog::done(int result)
{
    engine->FormClose();
    QDialog::done(result);
}
