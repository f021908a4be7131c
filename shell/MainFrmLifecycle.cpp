// The main window's start-up work at its first showing, and closing.
#include "MainFrm.h"

#include "Artwork.h"
#include "CommandNumbers.h"
#include "EditorWindows.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "files/FileErrors.h"
#include "files/TranslateForm.h"
#include "link/PortNames.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QMdiArea>
#include <QShowEvent>
#include <QTimer>
#include <QTreeWidget>

void TfMainFrm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (started) return;
    started = true;
    FormShow();
}

void TfMainFrm::FormShow()
{
    TALL& all = appState();

    // 1. The background picture, tiled over the whole client area.
    ImBack = BackgroundPicture();
    MdiArea->setBackground(QBrush(ImBack));

    // 3. The first model of the table.
    if (const TMacType* first = modelList().GetModel(0)) all.modelId = first->identifier;

    // 4. The application icon joins the image list; the root node shows it and opens
    //    the radio information.
    Image << ApplicationIcon();
    setWindowIcon(Image.last());
    treeRoot->setIcon(0, Image.last());
    treeRoot->setData(0, Qt::UserRole, Command::RadioInformation);

    // 5. The first document.
    MakeFirstDocument(all, modelList());

    // 6. The detected ports, and the port name settled among them.
    QStringList ports;
    ListSerialPorts(&ports);
    cbCom->clear();
    cbCom->addItems(ports);
    all.portName = SettlePortName(all.portName, ports);

    // 7.
    files.setCurrentFileName(QString());
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, true);
    rememberHistoryCaptions();
    updateHistoryActions();

    // 8.
    SetTreeTexts();
    setWindowTitle(all.titleText + QStringLiteral("[*]"));

    // 9.
    DispatchCommand(Command::MemoryChannels);
    all.modified = false;

    // 10.
    cxTree->expandAll();
    cxTree->setCurrentItem(treeRoot);

    // 11. Asks nothing: the document is unmodified.
    DispatchCommand(Command::New);
}

void TfMainFrm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfMainFrm::FormCloseQuery()
{
    // Ends cell editing first, so that a value being typed reaches the document before
    // the save question.
    EndGridEditing();
    return files.CloseQuery();
}

void TfMainFrm::FormClose()
{
    Timer->stop();
    WriteSettingsFileOrTell();
}
