#include "SetLanguageDialog.h"

#include "SettingsFile.h"
#include "TranslateForm.h"
#include "core/DataModule.h"
#include "widgets/Tag.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfSetLanguage::TfSetLanguage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(QStringLiteral("Language File Setup"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    lbName = new QLabel(QStringLiteral("Language Mode: "), this);
    lbName->setObjectName(QStringLiteral("lbName"));

    cbLanguage = new QComboBox(this);
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    cbLanguage->setMinimumWidth(160);
    Tag::set(cbLanguage, Tag::NeverTranslate); // the names come from the settings file
    lbName->setBuddy(cbLanguage);

    Language = new QListWidget(this);
    Language->setObjectName(QStringLiteral("Language"));
    Language->setVisible(false);

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* row = new QHBoxLayout;
    row->addWidget(lbName);
    row->addWidget(cbLanguage, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetLanguage::btnCancelClick);
}

void TfSetLanguage::showEvent(QShowEvent* event)
{
    if (!prepared) FormShow();
    QDialog::showEvent(event);
}

void TfSetLanguage::FormShow()
{
    prepared = true;
    const TALL& all = appState();
    cbLanguage->clear();
    Language->clear();
    QStringList displayNames, fileNames;
    ListLanguages(all, displayNames, fileNames);
    cbLanguage->addItems(displayNames);
    Language->addItems(fileNames);
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, false);
    // An index past the end of the list selects nothing.
    cbLanguage->setCurrentIndex(all.languageIndex < cbLanguage->count() ? all.languageIndex : -1);
    languageChanged = false;
}

void TfSetLanguage::btnOkClick()
{
    TALL& all = appState();
    const int selected = cbLanguage->currentIndex();
    // Nothing selected, or a display name without a file name: nothing to switch to.
    if (selected >= 0 && selected != all.languageIndex && selected < Language->count()) {
        languageChanged = true;
        all.languageName = Language->item(selected)->text();
        all.languageIndex = selected;
    }
    accept();
}

void TfSetLanguage::btnCancelClick()
{
    reject();
}
