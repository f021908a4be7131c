// Print, Print Preview and Export PDF, Compare With File / With Radio with the take-over,
// recent files, a file named at start and files dropped on the window: used as a user
// would, through the menu, the tool button, the dialogs and the compare window's list.
#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/ImageLayout.h"
#include "core/SettingsMap.h"
#include "editors/channels/ChannelGrid.h"
#include "files/DataFile.h"
#include "files/TranslateForm.h"
#include "shell/CommandNumbers.h"
#include "shell/CompareWindow.h"
#include "shell/MainFrm.h"
#include "shell/PrintPages.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/ScriptedModal.h"
#include "tools/radiosim/RadioSimulator.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/serial/ApdComPort.h"

#include <QAction>
#include <QBuffer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int GridNameColumn = 13;

void enter(TALL& all, int k, const QString& rx, const QString& name)
{
    QString text = rx;
    SetChannelField(all, k, Field::RxFreq, text);
    StartNewChannel(all, k);
    text = name;
    SetChannelField(all, k, Field::Name, text);
}

// Every memory channel in use, each with a name and frequency of its own.
void fillAllChannels(TALL& all)
{
    for (int k = 1; k <= all.channelCount; ++k)
        enter(all, k, QString::number(144.0 + k * 0.0125, 'f', 5), QStringLiteral("CH%1").arg(k));
}

QAction* menuItem(TfMainFrm& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

// A PDF writer of that page size, for laying pages out.
QPdfWriter& layoutDevice(int pageSize)
{
    static QBuffer sink;
    static QPdfWriter writer(&sink);
    writer.setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
    return writer;
}

// Pages in a PDF: one page object each.
int pdfPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

QTreeWidgetItem* rowNamed(QTreeWidget* list, const QString& where)
{
    for (int g = 0; g < list->topLevelItemCount(); ++g)
        for (int r = 0; r < list->topLevelItem(g)->childCount(); ++r)
            if (list->topLevelItem(g)->child(r)->text(0) == where)
                return list->topLevelItem(g)->child(r);
    return nullptr;
}

void clickRow(QTreeWidget* list, QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = {})
{
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(item).center());
}

// Drags a file over the window and drops it, as a file manager does; false when the
// window refuses it.
bool dropFile(QWidget* window, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

// The texts of a window a language fragment can replace, by key; the summary line and the
// list are data.
QMap<QString, QString> translatableTexts(QWidget& window)
{
    QMap<QString, QString> t;
    if (window.objectName() == QLatin1String("fCompare"))
        t.insert(window.objectName() + QStringLiteral(".Caption"), window.windowTitle());
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->objectName() != QLatin1String("lSummary"))
            t.insert(label->objectName() + QStringLiteral(".Caption"), label->text());
    for (QPushButton* button : window.findChildren<QPushButton*>())
        t.insert(button->objectName() + QStringLiteral(".Caption"), button->text());
    for (QListWidget* list : window.findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            t.insert(QStringLiteral("%1.%2").arg(list->objectName()).arg(i), list->item(i)->text());
    return t;
}

QStringList fragmentKeys(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList keys;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !line.startsWith(u';')) keys << line.left(eq);
    }
    return keys;
}

} // namespace

class TestPrintCompare : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TfMainFrm* window = nullptr;

  private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QGuiApplication::setQuitOnLastWindowClosed(false);
        StartProgramIn(dir.path());
    }

    void init()
    {
        appState().recentFiles.clear();
        window = OpenMainWindow();
        QVERIFY(window->startupDone());
    }

    void cleanup()
    {
        delete window;
        QCOMPARE(fMainFrm, nullptr);
    }

    // The printed pages' and the compare window's texts have keys in both languages.
    void languageFragments_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void languageFragments()
    {
        QFETCH(QString, language);
        TfPrintTexts print(QStringLiteral("none"));
        TfCompare compare(appState(), QStringLiteral("x.dat"), {});
        for (QWidget* w : std::initializer_list<QWidget*>{&print, &compare}) {
            const QMap<QString, QString> builtIn = translatableTexts(*w);
            const QString path =
                QStringLiteral(QZ_SOURCE_DIR "/lang/%1/%2.ini").arg(language, w->objectName());
            const QStringList keys = fragmentKeys(path);
            QVERIFY2(!keys.isEmpty(), qPrintable(path));
            for (const QString& key : keys)
                QVERIFY2(builtIn.contains(key), qPrintable(QStringLiteral("unknown key ") + key));
            for (auto it = builtIn.begin(); it != builtIn.end(); ++it)
                QVERIFY2(keys.contains(it.key()),
                         qPrintable(language + QStringLiteral(" lacks ") + it.key()));
            TranslateFormFromFile(w, path, true);
            const QMap<QString, QString> after = translatableTexts(*w);
            for (auto it = builtIn.begin(); it != builtIn.end(); ++it) {
                if (language == QLatin1String("English"))
                    QCOMPARE(after.value(it.key()), it.value());
                else
                    QVERIFY2(after.value(it.key()) != it.value(), qPrintable(it.key()));
            }
        }
    }

    void pagesHoldEveryChannel_data()
    {
        QTest::addColumn<int>("pageSize");
        QTest::newRow("A4") << int(QPageSize::A4);
        QTest::newRow("Letter") << int(QPageSize::Letter);
    }
    void pagesHoldEveryChannel()
    {
        QFETCH(int, pageSize);
        fillAllChannels(appState());
        QByteArray pdf;
        QBuffer buffer(&pdf);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        int pages = 0;
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
            pages = window->printTo(writer);
        }
        // 128 rows do not fit on one page; the table runs over several.
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdfPages(pdf), pages);

        QString pageText;
        const Printout printout = window->documentPrintout(&pageText);
        QCOMPARE(printout.source, QStringLiteral("New document, not saved"));
        const QList<QStringList> texts =
            PrintoutPageTexts(printout, layoutDevice(pageSize), pageText);
        QCOMPARE(texts.size(), pages);
        QStringList all;
        for (int i = 0; i < texts.size(); ++i) {
            // Every page: model and source, "page n of m", the write time; the channel
            // table's header row again on every page it runs over.
            QCOMPARE(texts[i].value(0), QStringLiteral("QZ-17   New document, not saved"));
            QCOMPARE(texts[i].value(1), QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages));
            QVERIFY(texts[i].value(2).startsWith(QStringLiteral("Last written to the radio: ")));
            if (i < pages - 1) QVERIFY(texts[i].contains(QStringLiteral("RX Frequency")));
            all += texts[i];
        }
        for (int k = 1; k <= appState().channelCount; ++k) {
            TChannel ch;
            QVERIFY(DecodeChannel(appState(), k, ch));
            const int at = int(all.indexOf(QStringLiteral("CH%1").arg(k)));
            QVERIFY2(at > 0, qPrintable(QString::number(k)));
            // The row: number, receive and transmit frequency ... name last.
            QCOMPARE(all[at - 12], QString::number(k));
            QCOMPARE(all[at - 11], QString::number(ch.rxFreq, 'f', 5));
        }
        QVERIFY(all.contains(QStringLiteral("F1")) && all.contains(QStringLiteral("F2")));
        QVERIFY(all.contains(QStringLiteral("cxSQL")));
    }

    void exportPdfThroughTheMenu()
    {
        enter(appState(), 1, "145.50000", "RPT");
        ScriptedModal modal;
        const QString path = dir.filePath(QStringLiteral("pages")); // the extension is added
        modal.savePaths << path;
        menuItem(*window, "nExportPdf")->trigger();
        QVERIFY(modal.unexpected.isEmpty());
        QFile file(path + QStringLiteral(".pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdfPages(pdf), 1);
        QCOMPARE(modal.texts(), QStringList{QStringLiteral("The pages were saved to %1.")
                                                .arg(QDir::toNativeSeparators(file.fileName()))});
        QVERIFY(!appState().modified); // exporting changes nothing
    }

    void printAndPreviewOpenTheirDialogs()
    {
        fillAllChannels(appState());
        ScriptedModal modal;
        int previewPages = 0;
        modal.dialogs << [&](QDialog& d) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
            auto* pages = d.findChild<QPrintPreviewWidget*>();
            if (!preview || !pages) return int(QDialog::Rejected);
            pages->updatePreview();
            previewPages = pages->pageCount();
            return int(QDialog::Accepted);
        };
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(modal.unexpected.isEmpty());
        QVERIFY(previewPages >= 3);

        bool printDialog = false;
        modal.dialogs << [&](QDialog& d) {
            printDialog = qobject_cast<QPrintDialog*>(&d) != nullptr;
            return int(QDialog::Rejected); // cancelled: nothing is printed
        };
        window->findChild<QToolButton*>(QStringLiteral("tbPrint"))->click();
        QVERIFY(printDialog);
        QCOMPARE(modal.dialogs.size(), 0);
    }

    void compareWithFileAndTakeOver()
    {
        enter(appState(), 1, "145.50000", "RPT");
        appState().modified = false;
        // The other file: channel 1 renamed, channel 3 added, another squelch level.
        TALL other = appState();
        enter(other, 3, "438.50000", "UHF");
        QString name = QStringLiteral("HOME");
        SetChannelField(other, 1, Field::Name, name);
        WriteField(other, Setting::Squelch, (ReadField(other, Setting::Squelch) + 1) % 10);
        const QString path = dir.filePath(QStringLiteral("other.dat"));
        QVERIFY(WriteDataFile(other, path));

        ScriptedModal modal;
        modal.openPaths << path;
        menuItem(*window, "nCompareFile")->trigger();
        TfCompare* compare = window->compareWindow();
        QVERIFY(compare);
        QVERIFY(compare->isVisible());
        QCOMPARE(compare->differenceCount(), 3);
        QTreeWidget* list = compare->list();
        QCOMPARE(list->topLevelItemCount(), 2); // channels and settings
        QTreeWidgetItem* renamed = rowNamed(list, QStringLiteral("Channel 1 · Name"));
        QTreeWidgetItem* added = rowNamed(list, QStringLiteral("Channel 3"));
        QVERIFY(renamed && added);
        QCOMPARE(renamed->text(1), QStringLiteral("RPT"));
        QCOMPARE(renamed->text(2), QStringLiteral("HOME"));
        QCOMPARE(added->text(1), QStringLiteral("empty"));
        QCOMPARE(added->text(2), QStringLiteral("in use"));
        QVERIFY(list->headerItem()->text(2).endsWith(QStringLiteral("other.dat")));

        auto* take = compare->findChild<QPushButton*>(QStringLiteral("btnTake"));
        QVERIFY(!take->isEnabled()); // nothing selected yet
        clickRow(list, renamed);
        clickRow(list, added, Qt::ControlModifier);
        QVERIFY(take->isEnabled());
        QTest::mouseClick(take, Qt::LeftButton);

        TChannel ch;
        QVERIFY(DecodeChannel(appState(), 3, ch));
        QCOMPARE(NameWithoutPadding(ch.name), QStringLiteral("UHF"));
        QVERIFY(DecodeChannel(appState(), 1, ch));
        QCOMPARE(NameWithoutPadding(ch.name), QStringLiteral("HOME"));
        QVERIFY(appState().modified);
        // The grid shows what was taken; the list keeps only the squelch.
        QVERIFY(fChsInfo);
        QCOMPARE(fChsInfo->gvData->cellText(GridNameColumn, 1 + 3), QStringLiteral("UHF"));
        QCOMPARE(compare->differenceCount(), 1);
        QVERIFY(rowNamed(list, QStringLiteral("Optional Function · cxSQL")) ||
                rowNamed(list, QStringLiteral("fOptFun · cxSQL")));
        QVERIFY(modal.unexpected.isEmpty());
    }

    void compareWithRadioChangesNothing()
    {
        RadioSimulator radio;
        radio.setMemory(RadioSimulator::RealisticMemory());
        QString error;
        if (!radio.start(&error)) QSKIP(qPrintable(QStringLiteral("no pseudo-terminal: ") + error));
        appState().portName = radio.devicePath();
        const TALL before = appState();

        ScriptedModal modal;
        modal.dialogs << [](QDialog& dialog) {
            dialog.show();
            auto* port = dialog.findChild<TApdComPort*>(QStringLiteral("myPort"));
            if (!waitUntil([&] { return port->isOpen(); }, 3000)) return int(QDialog::Rejected);
            dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
            waitUntil([&] { return !dialog.isVisible(); }, 30000);
            return dialog.result();
        };
        menuItem(*window, "nCompareRadio")->trigger();
        QCOMPARE(modal.dialogNames, QStringList{QStringLiteral("fReadRadio")});
        QCOMPARE(modal.texts(), QStringList{QStringLiteral("Reading Completed.")});
        QVERIFY(appState().image == before.image);
        QVERIFY(!appState().modified);
        QVERIFY(window->compareWindow());
        // The radio holds channels, names and settings this new document has not.
        QVERIFY(window->compareWindow()->differenceCount() > 0);
        QVERIFY(window->compareWindow()->list()->headerItem()->text(2).endsWith("the radio"));
    }

    void recentFilesAndMissingOnes()
    {
        ScriptedModal modal;
        QStringList paths;
        for (int i = 1; i <= 7; ++i) {
            paths << dir.filePath(QStringLiteral("recent%1.dat").arg(i));
            QFile::remove(paths.last());
            modal.savePaths << paths.last();
            window->DispatchCommand(Command::SaveAs);
        }
        // The newest first, six at most.
        const QStringList recent = appState().recentFiles;
        QCOMPARE(recent.size(), 6);
        QCOMPARE(recent.first(), paths.last());
        QVERIFY(!recent.contains(paths.first()));
        auto* menu = window->findChild<QMenu*>(QStringLiteral("nRecent"));
        QCOMPARE(menu->actions().size(), 6);

        // Kept in the settings file.
        QVERIFY(WriteSettingsFile(appState()));
        TALL read;
        read.appFolder = appState().appFolder;
        ReadSettingsFile(read);
        QCOMPARE(read.recentFiles, recent);

        // A file that has gone is taken off the list, with a message.
        QVERIFY(QFile::remove(paths[4]));
        menu->actions()[2]->trigger(); // recent5.dat, third from the top
        QCOMPARE(modal.texts().last(),
                 QStringLiteral("The file %1 no longer exists; it was taken off the list of "
                                "recent files.")
                     .arg(QDir::toNativeSeparators(paths[4])));
        QCOMPARE(appState().recentFiles.size(), 5);
        QCOMPARE(menu->actions().size(), 5);

        // One that is there opens; the save question comes first for a modified document.
        appState().modified = true;
        modal.answers << QMessageBox::No;
        menu->actions().last()->trigger(); // recent2.dat
        QCOMPARE(modal.texts().last(), QStringLiteral("Do you wish to save the changes?"));
        QCOMPARE(window->currentFileName(), paths[1]);
        QCOMPARE(appState().recentFiles.first(), paths[1]);
        QVERIFY(modal.unexpected.isEmpty());
    }

    void fileArgumentAndDroppedFiles()
    {
        TALL other = appState();
        enter(other, 2, "145.60000", "DROP");
        const QString path = dir.filePath(QStringLiteral("dropped.dat"));
        QVERIFY(WriteDataFile(other, path));

        // As the program does with the file named on its command line.
        QVERIFY(window->OpenDataFile(path));
        QCOMPARE(window->currentFileName(), path);
        QVERIFY(IsChannelInUse(appState(), 2));

        window->DispatchCommand(Command::New);
        appState().modified = true;
        ScriptedModal modal;
        modal.answers << QMessageBox::No; // drop the changes
        QVERIFY(dropFile(window, path));
        QCOMPARE(modal.texts(), QStringList{QStringLiteral("Do you wish to save the changes?")});
        QCOMPARE(window->currentFileName(), path);

        // A channel list starts the import; anything else is refused.
        const QString csv = dir.filePath(QStringLiteral("list.csv"));
        WriteTextFile(csv, "Location,Name,Frequency\n5,CSV,145.7\n");
        modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
        QVERIFY(dropFile(window, csv));
        QCOMPARE(modal.dialogNames, QStringList{QStringLiteral("fCsvImport")});
        QVERIFY(!dropFile(window, dir.filePath(QStringLiteral("notes.txt"))));
        QVERIFY(modal.unexpected.isEmpty());
    }
};

QTEST_MAIN(TestPrintCompare)
#include "tst_printcompare.moc"
