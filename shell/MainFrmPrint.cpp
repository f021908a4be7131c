// The File menu's printing: Print (the system's print dialog), Print Preview and Export
// PDF put the same pages on paper, built from the document by BuildPrintout.
#include "MainFrm.h"

#include "PrintPages.h"
#include "core/DataModule.h"
#include "core/DocumentDescription.h"
#include "files/CsvFile.h"
#include "files/FileErrors.h"
#include "files/LanguageFile.h"
#include "files/MessageBox.h"
#include "widgets/ModalSeam.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// A4, or Letter where the locale measures in the US way.
QPageSize DefaultPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

} // namespace

Printout TfMainFrm::documentPrintout(QString* pageText)
{
    TALL& all = appState();
    const TfPrintTexts texts(all.languageName);
    if (pageText) *pageText = texts.pageText();
    const QString file = files.currentFileName();
    const QString source = !file.isEmpty() ? QDir::toNativeSeparators(file)
                           : readFromRadio ? texts.readFromRadio()
                                           : texts.notSaved();
    // Decoding cleans what it reads; printing changes nothing, so a copy is decoded.
    TALL copy = all;
    return BuildPrintout(all, DescribeDocument(copy), source,
                         LanguageFileLookup(LanguageFilePath(all.appFolder, all.languageName)),
                         texts.labels());
}

int TfMainFrm::printTo(QPagedPaintDevice& device)
{
    QString pageText;
    const Printout printout = documentPrintout(&pageText);
    return PaintPrintout(printout, device, pageText);
}

void TfMainFrm::PrintCommand()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (Modal::exec(dialog) != QDialog::Accepted) return;
    printTo(printer);
}

void TfMainFrm::PrintPreviewCommand()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.resize(size() * 0.9);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { printTo(*p); });
    Modal::exec(preview);
}

void TfMainFrm::ExportPdfCommand()
{
    const QString folder = files.currentFileName().isEmpty()
                               ? csvFolder
                               : QFileInfo(files.currentFileName()).absolutePath();
    QString path = Modal::getSaveFileName(this, QString(), folder, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(u'.') ? QStringLiteral("pdf") : QStringLiteral(".pdf");
    if (QFileInfo::exists(path) &&
        ShowMessageBox(languageTexts().confirmation, languageTexts().fileExists,
                       MessageKind::Question) != IdYes)
        return;

    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(DefaultPageSize());
        writer.setTitle(appState().modelName);
        writer.setCreator(appState().titleText);
        printTo(writer);
    }
    // The file routine writes any bytes through a temporary file, so a failed export
    // leaves an older file of that name as it was.
    QString reason;
    if (!WriteCsvFile(path, pdf, &reason)) {
        ShowWriteFailedBox(path, reason);
        return;
    }
    ShowMessageBox(languageTexts().info, lPdfExported->text().arg(QDir::toNativeSeparators(path)),
                   MessageKind::Information);
}
