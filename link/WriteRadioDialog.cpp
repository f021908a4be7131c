#include "WriteRadioDialog.h"

#include "CheckedWrite.h"
#include "SerialLinkPort.h"
#include "WriteSession.h"
#include "core/DataModule.h"
#include "core/ImagePlaces.h"
#include "files/DataFile.h"
#include "files/LanguageFile.h"
#include "files/MessageBox.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The place names, in the order of ImagePlace::Kind.
const QStringList& PlaceNames()
{
    static const QStringList names = {
        QStringLiteral("block 0"),
        QStringLiteral("memory channel %1"),
        QStringLiteral("frequency channel %1"),
        QStringLiteral("FM channel %1"),
        QStringLiteral("the FM tuning frequency"),
        QStringLiteral("the FM band limits"),
        QStringLiteral("the setting %1 of the window \"%2\""),
        QStringLiteral("the radio name"),
        QStringLiteral("settings byte %1"),
        QStringLiteral("the model information"),
        QStringLiteral("the serial number"),
        QStringLiteral("the time stamp"),
        QStringLiteral("an unused part of the memory"),
    };
    return names;
}

} // namespace

TfWriteRadio::TfWriteRadio(QWidget* parent)
    : CloneDialog(parent, QStringLiteral("fWriteRadio"), tr("Write data to radio"))
{
    TALL& all = appState();
    auto session = std::make_unique<WriteSession>(link(), all, modelList(), languageTexts());
    writer = session.get();
    setSession(std::move(session));

    const auto hidden = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->hide();
        return label;
    };
    cbBackup = new QCheckBox(tr("Back up the radio first"), this);
    cbBackup->setObjectName(QStringLiteral("cbBackup"));
    cbBackup->setChecked(all.backupBeforeWrite);
    cbVerify = new QCheckBox(tr("Verify after writing"), this);
    cbVerify->setObjectName(QStringLiteral("cbVerify"));
    cbVerify->setChecked(all.verifyAfterWrite);
    lStage = new QLabel(this);
    lStage->setObjectName(QStringLiteral("lStage"));
    lStage->setWordWrap(true);
    addOptionWidget(cbBackup);
    addOptionWidget(cbVerify);
    addOptionWidget(lStage);
    connect(cbBackup, &QCheckBox::toggled, this,
            [](bool on) { appState().backupBeforeWrite = on; });
    connect(cbVerify, &QCheckBox::toggled, this, [](bool on) { appState().verifyAfterWrite = on; });

    lBackingUp = hidden("lBackingUp", tr("Reading the radio for the backup..."));
    lWriting = hidden("lWriting", tr("Writing..."));
    lVerifying = hidden("lVerifying", tr("Reading the radio back to verify..."));
    lBackupSaved = hidden("lBackupSaved", tr("The radio's memory was saved to %1"));
    lBackupNotSaved = hidden("lBackupNotSaved",
                             tr("The radio's memory could not be saved, so nothing was written."));
    lVerified = hidden(
        "lVerified", tr("Writing Completed. Read back, the radio holds exactly what was written."));
    lVerifyFailed = hidden("lVerifyFailed",
                           tr("Verify failed: %1 differs from what was written. Check the cable "
                              "and write again."));
    lsPlaces = new QListWidget(this);
    lsPlaces->setObjectName(QStringLiteral("lsPlaces"));
    lsPlaces->addItems(PlaceNames());
    lsPlaces->hide();

    checked = std::make_unique<CheckedWrite>(link(), *writer, all, modelList(), languageTexts());
    checked->setHost({[](const QString& text, int kind) {
                          return ShowMessageBox(languageTexts().confirmation, text, kind);
                      },
                      {}});
    connect(checked.get(), &CheckedWrite::progressChanged, progressBar(), &QProgressBar::setValue);
    connect(checked.get(), &CheckedWrite::stageChanged, this, &TfWriteRadio::showStage);
    connect(checked.get(), &CheckedWrite::finished, this, &TfWriteRadio::jobFinished);
    connect(checked.get(), &CheckedWrite::closeRequested, this, [this] { done(Rejected); });
}

TfWriteRadio::~TfWriteRadio()
{
    disconnect(checked.get(), nullptr, this, nullptr);
    checked->stop();
}

void TfWriteRadio::startTransfer()
{
    lStage->clear();
    checked->start({cbBackup->isChecked(), cbVerify->isChecked()},
                   [this](TALL& radio) { return saveBackup(radio); });
}

void TfWriteRadio::done(int result)
{
    checked->stop();
    CloneDialog::done(result);
}

void TfWriteRadio::showStage()
{
    const bool busy = checked->stage() != CheckedWrite::Stage::Idle;
    cbBackup->setEnabled(!busy);
    cbVerify->setEnabled(!busy);
    switch (checked->stage()) {
    case CheckedWrite::Stage::Backup:
        lStage->setText(lBackingUp->text());
        break;
    case CheckedWrite::Stage::Write:
        lStage->setText(lWriting->text());
        break;
    case CheckedWrite::Stage::Verify:
        okButton()->setEnabled(false);
        lStage->setText(lVerifying->text());
        break;
    case CheckedWrite::Stage::Idle:
        break;
    }
    if (busy) okButton()->setEnabled(false);
}

bool TfWriteRadio::saveBackup(TALL& radio)
{
    QString path, reason;
    if (!SaveRadioBackup(radio, path, &reason)) {
        ShowMessageBox(languageTexts().confirmation,
                       lBackupNotSaved->text() + QLatin1Char('\n') +
                           QDir::toNativeSeparators(path) + QLatin1String(": ") + reason,
                       MessageKind::Information);
        return false;
    }
    lastBackup = path;
    const QString saved = lBackupSaved->text().arg(QDir::toNativeSeparators(path));
    lStage->setText(saved);
    ShowMessageBox(languageTexts().confirmation, saved, MessageKind::Information);
    return true;
}

QString TfWriteRadio::mismatchText() const
{
    const int offset = checked->mismatchOffset();
    if (offset < 0 || !checked->radioImage()) return QString();
    const TALL& all = appState();
    const ImagePlace place = PlaceOfOffset(
        all, offset, quint8(checked->radioImage()[offset] ^ all.image[size_t(offset)]));
    const QListWidgetItem* item = lsPlaces->item(int(place.kind));
    QString name = item ? item->text() : place.text();
    if (place.kind == ImagePlace::Setting) {
        const LanguageLookup language =
            LanguageFileLookup(LanguageFilePath(all.appFolder, all.languageName));
        const QString window =
            language(place.form, place.form + QStringLiteral(".Caption"), place.form);
        name = name.arg(place.control, window);
    } else if (name.contains(QLatin1String("%1"))) {
        name = name.arg(place.number);
    }
    return lVerifyFailed->text().arg(name);
}

void TfWriteRadio::jobFinished(CloneResult result)
{
    cbBackup->setEnabled(true);
    cbVerify->setEnabled(true);
    const bool verified = cbVerify->isChecked();
    switch (result) {
    case CloneResult::Done:
        if (verified) {
            lStage->setText(lVerified->text());
            ShowMessageBox(languageTexts().confirmation, lVerified->text(),
                           MessageKind::Information);
            progressBar()->setValue(0);
        } else if (lastBackup.isEmpty() || !cbBackup->isChecked()) {
            lStage->clear();
        }
        okButton()->setEnabled(true);
        break;
    case CloneResult::VerifyMismatch: {
        const QString text = mismatchText();
        lStage->setText(text);
        ShowMessageBox(languageTexts().confirmation, text, MessageKind::Information);
        progressBar()->setValue(0);
        okButton()->setEnabled(true);
        break;
    }
    case CloneResult::BackupNotSaved:
        lStage->setText(lBackupNotSaved->text());
        okButton()->setEnabled(true);
        break;
    default:
        // The session's own message said what happened; it closes the dialog or leaves
        // it as the plain write would.
        lStage->clear();
        break;
    }
}
