// The File menu's channel list commands: the memory channels written to and read from
// a CSV file in the column layout other radio programs share. Import shows the plan
// first and changes the document only when the user confirms it.
#include "MainFrm.h"

#include "EditorWindows.h"
#include "core/ChannelCsv.h"
#include "core/DataModule.h"
#include "files/CsvFile.h"
#include "files/CsvImportDialog.h"
#include "files/FileErrors.h"
#include "files/LanguageFile.h"
#include "files/MessageBox.h"
#include "widgets/ModalSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

QString TfMainFrm::csvStartFolder() const
{
    if (!csvFolder.isEmpty()) return csvFolder;
    if (!files.currentFileName().isEmpty())
        return QFileInfo(files.currentFileName()).absolutePath();
    return QString();
}

void TfMainFrm::ImportCsvCommand()
{
    const QString path = Modal::getOpenFileName(this, QString(), csvStartFolder(), CsvFileFilter());
    if (path.isEmpty()) return;
    ImportCsvFile(path);
}

void TfMainFrm::ImportCsvFile(const QString& path)
{
    csvFolder = QFileInfo(path).absolutePath();

    QByteArray bytes;
    QString reason;
    if (!ReadCsvFile(path, bytes, &reason)) {
        ShowOpenFailedBox(path, reason);
        return;
    }
    TALL& all = appState();
    const CsvImport plan = PlanCsvImport(all, bytes, LoadCsvImportTexts(all));
    if (!plan.ok()) {
        ShowMessageBox(languageTexts().caution,
                       lCsvUnusable->text().arg(QDir::toNativeSeparators(path), plan.error),
                       MessageKind::Information);
        return;
    }

    TfCsvImport preview(plan, path, this);
    if (Modal::exec(preview) != QDialog::Accepted) return;
    const int taken = plan.count(CsvImportRow::Imported) + plan.count(CsvImportRow::Changed);
    documentEdits().Edit(this, lStepImport->text().arg(taken), [&] { ApplyCsvImport(all, plan); });
}

void TfMainFrm::ExportCsvCommand()
{
    QString path = Modal::getSaveFileName(this, QString(), csvStartFolder(), CsvFileFilter());
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(u'.') ? QStringLiteral("csv") : QStringLiteral(".csv");
    csvFolder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path) &&
        ShowMessageBox(languageTexts().confirmation, languageTexts().fileExists,
                       MessageKind::Question) != IdYes)
        return;

    TALL& all = appState();
    const QByteArray csv = ExportChannelsCsv(all);
    QString reason;
    if (!WriteCsvFile(path, csv, &reason)) {
        ShowWriteFailedBox(path, reason);
        return;
    }
    const int rows = int(csv.count('\n')) - 1;
    ShowMessageBox(languageTexts().info,
                   lCsvExported->text().arg(rows).arg(QDir::toNativeSeparators(path)),
                   MessageKind::Information);
}
