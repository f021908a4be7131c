// Comparing the document with a data file or with what the radio holds, taking
// differences over; and the everyday file habits: recent files, a file given at start,
// files dropped on the window.
#include "MainFrm.h"

#include "CommandNumbers.h"
#include "CompareWindow.h"
#include "EditorWindows.h"
#include "core/DataModule.h"
#include "core/DocumentTakeOver.h"
#include "editors/EditorHost.h"
#include "files/DataFile.h"
#include "files/FileErrors.h"
#include "files/MessageBox.h"
#include "files/SettingsFile.h"
#include "link/ReadRadioDialog.h"
#include "widgets/ModalSeam.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

void TfMainFrm::CompareWithFileCommand()
{
    const QString folder = files.currentFileName().isEmpty()
                               ? QString()
                               : QFileInfo(files.currentFileName()).absolutePath();
    const QString path = Modal::getOpenFileName(this, QString(), folder, FileCommands::filter());
    if (path.isEmpty()) return;
    TALL other = appState();
    const DataFileResult result = ReadDataFile(other, modelList(), path);
    if (!result.ok()) {
        ShowDataFileFailure(path, result);
        return;
    }
    showCompare(other, QFileInfo(path).fileName());
}

void TfMainFrm::CompareWithRadioCommand()
{
    // The read goes into a copy; the document stays as it is.
    auto radio = std::make_unique<TALL>(appState());
    TfReadRadio dialog(this, radio.get());
    Modal::exec(dialog);
    if (!dialog.success()) return;
    showCompare(*radio, lRadio->text());
}

void TfMainFrm::showCompare(const TALL& other, const QString& otherName)
{
    if (compare) compare->close();
    compare = new TfCompare(
        other, otherName,
        [this](const TALL& o, const QList<DocumentDifference>& d) { TakeOver(o, d); }, this);
    compare->show();
    compare->raise();
}

void TfMainFrm::TakeOver(const TALL& other, const QList<DocumentDifference>& differences)
{
    TALL& all = appState();
    documentEdits().Edit(this, lStepTakeOver->text().arg(differences.size()),
                         [&] { TakeDifferences(all, other, differences); });
}

bool TfMainFrm::OpenDataFile(const QString& path)
{
    EndGridEditing();
    return files.OpenFile(path);
}

void TfMainFrm::UpdateRecentMenu()
{
    nRecent->clear();
    const QStringList& recent = appState().recentFiles;
    for (int i = 0; i < recent.size(); ++i) {
        QAction* item = nRecent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(recent[i])));
        item->setObjectName(QStringLiteral("nRecent%1").arg(i + 1));
        const QString path = recent[i];
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    nRecent->setEnabled(!recent.isEmpty());
}

void TfMainFrm::OpenRecentFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        appState().recentFiles.removeAll(path);
        UpdateRecentMenu();
        ShowMessageBox(languageTexts().info,
                       lRecentMissing->text().arg(QDir::toNativeSeparators(path)),
                       MessageKind::Information);
        return;
    }
    OpenDataFile(path);
}

namespace {

// The local file a drag carries, when it is one data file or channel list.
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return QString();
    const QString path = mime->urls().first().toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (path.isEmpty() || (suffix != QLatin1String("dat") && suffix != QLatin1String("csv")))
        return QString();
    return path;
}

} // namespace

void TfMainFrm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TfMainFrm::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    EndGridEditing();
    if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        ImportCsvFile(path);
    else
        OpenDataFile(path);
}

TfCompare* TfMainFrm::compareWindow() const
{
    return compare;
}
