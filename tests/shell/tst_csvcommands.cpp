// The File menu's channel list commands, used as a user would: the menu items, the open
// and save dialogs, the preview dialog and the windows afterwards.
#include "core/ChannelCsv.h"
#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/ImageLayout.h"
#include "core/NumberText.h"
#include "core/SettingsMap.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/settings/ScanFunctions.h"
#include "files/CsvImportDialog.h"
#include "files/TranslateForm.h"
#include "shell/CommandNumbers.h"
#include "shell/MainFrm.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/ScriptedModal.h"
#include "widgets/Tag.h"
#include "widgets/TranslatableGrid.h"
#include "widgets/grid/CellGrid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int GridRxColumn = 2;
constexpr int GridNameColumn = 13;

QByteArray imageBytes()
{
    const auto& image = appState().image;
    return QByteArray(reinterpret_cast<const char*>(image.data()), Image::Size);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void enter(int k, const QString& rx, const QString& tx, const QString& rxTone,
           const QString& txTone, const QString& name)
{
    TALL& all = appState();
    QString text = rx;
    SetChannelField(all, k, Field::RxFreq, text);
    StartNewChannel(all, k);
    for (const auto& [field, value] : {std::pair{Field::TxFreq, tx},
                                       {Field::RxTone, rxTone},
                                       {Field::TxTone, txTone},
                                       {Field::Name, name}}) {
        text = value;
        SetChannelField(all, k, field, text);
    }
}

// What the preview lists, one "status|channel|becomes|notes" per row.
QStringList previewRows(const QDialog& dialog)
{
    QStringList rows;
    const auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("tvRows"));
    for (int r = 0; list && r < list->rowCount(); ++r) {
        QStringList cells;
        for (int c : {3, 2, 5, 6})
            cells << list->item(r, c)->text();
        rows << cells.join(u'|');
    }
    return rows;
}

// The dialog's texts a language fragment can replace, by key.
QMap<QString, QString> translatableTexts(QWidget& dialog)
{
    QMap<QString, QString> t;
    t.insert(dialog.objectName() + QStringLiteral(".Caption"), dialog.windowTitle());
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        // The file name and the file notes are data.
        if (label->objectName() == QLatin1String("lFileName") ||
            label->objectName() == QLatin1String("lFileNotes") ||
            label->objectName() == QLatin1String("lSummary"))
            continue;
        t.insert(label->objectName() + QStringLiteral(".Caption"), label->text());
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        t.insert(button->objectName() + QStringLiteral(".Caption"), button->text());
    auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("tvRows"));
    auto* grid = dynamic_cast<TranslatableGrid*>(list);
    for (int c = 1; grid && c < grid->headerColumnCount(); ++c)
        t.insert(QStringLiteral("tvRows.%1").arg(c), grid->headerText(c));
    return t;
}

QAction* menuItem(TfMainFrm& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

} // namespace

class TestCsvCommands : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QGuiApplication::setQuitOnLastWindowClosed(false);
        StartProgramIn(dir.path());
    }

    void init()
    {
        window = OpenMainWindow();
        QVERIFY(window->startupDone());
    }

    void cleanup()
    {
        delete window;
        QCOMPARE(fMainFrm, nullptr);
    }

    void menuItemsCarryTheirCommands()
    {
        QCOMPARE(Tag::of(menuItem(*window, "nImportCsv")), int(Command::ImportCsv));
        QCOMPARE(Tag::of(menuItem(*window, "nExportCsv")), int(Command::ExportCsv));
        QCOMPARE(menuItem(*window, "nImportCsv")->text(), QStringLiteral("&Import CSV..."));
        QCOMPARE(menuItem(*window, "nExportCsv")->text(), QStringLiteral("E&xport CSV..."));
        // Cancelled file dialogs do nothing else.
        ScriptedModal modal;
        modal.openPaths << QString();
        modal.savePaths << QString();
        const QByteArray before = imageBytes();
        menuItem(*window, "nImportCsv")->trigger();
        menuItem(*window, "nExportCsv")->trigger();
        QCOMPARE(modal.fileDialogs, QStringList({"open", "save"}));
        QVERIFY(modal.shown.isEmpty());
        QVERIFY(modal.dialogNames.isEmpty());
        QCOMPARE(imageBytes(), before);
        QVERIFY(!appState().modified);
    }

    // Export from the program, New, import: the same channel list, shown in the grid.
    void exportThenImportIntoANewDocument()
    {
        enter(1, "145.500", "144.900", "", "67.0", "RPT");
        enter(2, "435.0125", "", "D023I", "D023N", "UHF");
        enter(64, "439.000", "434.000", "100.0", "D754N", "X");
        WriteField(appState(), Setting::PriorityChannel, 2);
        QString scan = QStringLiteral("0");
        SetChannelField(appState(), 2, Field::Scan, scan);
        TChannel before[3];
        const int channels[3] = {1, 2, 64};
        for (int i = 0; i < 3; ++i)
            QVERIFY(DecodeChannel(appState(), channels[i], before[i]));

        const QString path = dir.filePath(QStringLiteral("list")); // the extension is added
        ScriptedModal modal;
        modal.savePaths << path;
        menuItem(*window, "nExportCsv")->trigger();
        QVERIFY(modal.unexpected.isEmpty());
        const QString written = path + QStringLiteral(".csv");
        QCOMPARE(readFile(written), ExportChannelsCsv(appState()));
        QCOMPARE(modal.texts(), QStringList{QStringLiteral("3 channels written to ") +
                                            QDir::toNativeSeparators(written) + u'.'});

        appState().modified = false;
        window->DispatchCommand(Command::New);
        for (int k : channels)
            QVERIFY(!IsChannelInUse(appState(), k));
        QVERIFY(fChsInfo);
        QCOMPARE(fChsInfo->gvData->cellText(GridRxColumn, 2), QString());

        modal.openPaths << written;
        QStringList shownRows;
        modal.dialogs << [&](QDialog& dialog) {
            shownRows = previewRows(dialog);
            auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("btnOk"));
            if (!ok || !ok->isEnabled()) return int(QDialog::Rejected);
            ok->click();
            return dialog.result();
        };
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(modal.unexpected.isEmpty());
        QCOMPARE(modal.dialogNames, QStringList{QStringLiteral("fCsvImport")});
        QCOMPARE(shownRows.size(), 3);
        QCOMPARE(shownRows[0], QStringLiteral("Imported|1|1 145.50000 / 144.90000 None / 67.0 High "
                                              "Wide Del RPT|"));
        QVERIFY(appState().modified);
        QCOMPARE(ReadField(appState(), Setting::PriorityChannel), 2);
        for (int i = 0; i < 3; ++i) {
            TChannel after;
            QVERIFY(DecodeChannel(appState(), channels[i], after));
            QCOMPARE(after.rxFreq, before[i].rxFreq);
            QCOMPARE(after.txFreq, before[i].txFreq);
            QCOMPARE(after.rxTone, before[i].rxTone);
            QCOMPARE(after.txTone, before[i].txTone);
            QCOMPARE(after.power, before[i].power);
            QCOMPARE(after.bandwidth, before[i].bandwidth);
            QCOMPARE(after.scanSkip, before[i].scanSkip);
            QCOMPARE(after.name, before[i].name);
        }
        // The open grid shows the imported channels.
        QCOMPARE(fChsInfo->gvData->cellText(GridRxColumn, 1 + 64), QStringLiteral("439.00000"));
        QCOMPARE(fChsInfo->gvData->cellText(GridNameColumn, 1 + 1), QStringLiteral("RPT"));
    }

    void cancelLeavesTheDocument()
    {
        const QString path = dir.filePath(QStringLiteral("cancel.csv"));
        WriteTextFile(path, "Location,Frequency,Name\n1,145.000000,A\n");
        const QByteArray before = imageBytes();
        ScriptedModal modal;
        modal.openPaths << path;
        modal.dialogs << [](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
            return dialog.result();
        };
        menuItem(*window, "nImportCsv")->trigger();
        QCOMPARE(modal.dialogNames, QStringList{QStringLiteral("fCsvImport")});
        QCOMPARE(imageBytes(), before);
        QVERIFY(!appState().modified);
        QCOMPARE(fChsInfo->gvData->cellText(GridRxColumn, 2), QString());
    }

    // A file another program wrote: quoted fields, fewer columns, locations from 0,
    // rows the radio cannot take.
    void foreignFileImportsWithAReport()
    {
        const QString path = dir.filePath(QStringLiteral("foreign.csv"));
        WriteTextFile(
            path, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                  "DtcsPolarity,Mode,TStep,Skip,Comment\r\n"
                  "0,\"Call, 2m\",145.520000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\"simplex\"\r\n"
                  "1,RPT,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,NFM,12.50,P,\r\n"
                  "2,AIR,125.000000,,0.000000,,88.5,88.5,023,NN,AM,25.00,,\r\n"
                  "3,PMR,446.006250,,0.000000,,88.5,88.5,023,NN,NFM,6.25,,\r\n"
                  "4,NOTX,435.000000,off,0.000000,DTCS,88.5,88.5,074,NR,FM,5.00,S,\r\n"
                  "200,HIGH,435.000000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\r\n");
        ScriptedModal modal;
        modal.openPaths << path;
        QStringList shownRows;
        QString notes;
        modal.dialogs << [&](QDialog& dialog) {
            shownRows = previewRows(dialog);
            notes = dialog.findChild<QLabel*>(QStringLiteral("lFileNotes"))->text();
            return int(QDialog::Accepted);
        };
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(modal.unexpected.isEmpty());
        QVERIFY(notes.contains(QStringLiteral("Location + 1")));
        QCOMPARE(shownRows.size(), 6);
        QVERIFY2(shownRows[0].startsWith("Changed|1|1 145.52000 / 145.52000 None / None High Wide "
                                         "Add CALL|Name"),
                 qPrintable(shownRows[0]));
        QVERIFY2(shownRows[1].startsWith("Imported|2|2 145.60000 / 145.00000 None / 88.5 High "
                                         "Narrow Add RPT Priority|"),
                 qPrintable(shownRows[1]));
        QVERIFY(shownRows[2].startsWith("Skipped|3||Mode AM"));
        QVERIFY(shownRows[3].startsWith("Skipped|4||Frequency 446.006250 MHz is outside"));
        QVERIFY(shownRows[4].startsWith("Changed|5|5 435.00000 / 435.00000 D074I / D074N"));
        QVERIFY(shownRows[4].contains("simplex"));
        QVERIFY(shownRows[5].startsWith("Skipped|||Channel 201 does not exist"));

        QVERIFY(appState().modified);
        QVERIFY(IsChannelInUse(appState(), 1));
        QVERIFY(IsChannelInUse(appState(), 2));
        QVERIFY(!IsChannelInUse(appState(), 3));
        QVERIFY(!IsChannelInUse(appState(), 4));
        QVERIFY(IsChannelInUse(appState(), 5));
        QCOMPARE(ReadField(appState(), Setting::PriorityChannel), 2);
    }

    // A file none of whose rows the radio can take: the preview says why, and OK is off.
    void nothingToImport()
    {
        const QString path = dir.filePath(QStringLiteral("nothing.csv"));
        WriteTextFile(path, "Location,Frequency,Mode\n1,145.000000,AM\n2,27.185000,FM\n");
        ScriptedModal modal;
        modal.openPaths << path;
        bool okEnabled = true;
        QStringList shownRows;
        modal.dialogs << [&](QDialog& dialog) {
            okEnabled = dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->isEnabled();
            shownRows = previewRows(dialog);
            return int(QDialog::Rejected);
        };
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(!okEnabled);
        QCOMPARE(shownRows.size(), 2);
        QVERIFY(shownRows[0].startsWith("Skipped|1||Mode AM"));
        QVERIFY(shownRows[1].startsWith("Skipped|2||Frequency 27.185000 MHz is outside"));
        QVERIFY(!appState().modified);
    }

    void unusableFileIsReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::newRow("a data file") << QByteArray(2320, '\0') << "The file is not a text file.";
        QTest::newRow("no header") << QByteArray("1,A,145.000\n") << "names no Frequency column";
    }

    void unusableFileIsReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        const QString path = dir.filePath(QStringLiteral("unusable.csv"));
        WriteTextFile(path, content);
        ScriptedModal modal;
        modal.openPaths << path;
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(modal.dialogNames.isEmpty());
        QCOMPARE(modal.shown.size(), 1);
        QVERIFY(modal.shown[0].text.startsWith(QStringLiteral("The file ") +
                                               QDir::toNativeSeparators(path) +
                                               QStringLiteral(" cannot be imported: ")));
        QVERIFY2(modal.shown[0].text.contains(text), qPrintable(modal.shown[0].text));
        QVERIFY(!appState().modified);
    }

    void missingFileIsReported()
    {
        ScriptedModal modal;
        modal.openPaths << dir.filePath(QStringLiteral("nothing-here.csv"));
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(modal.dialogNames.isEmpty());
        QCOMPARE(modal.shown.size(), 1);
        QVERIFY(modal.shown[0].text.contains(QStringLiteral("nothing-here.csv")));
    }

    void exportAsksBeforeReplacing()
    {
        enter(3, "145.000", "", "", "", "A");
        const QString path = dir.filePath(QStringLiteral("keep.csv"));
        WriteTextFile(path, "old");
        ScriptedModal modal;
        modal.savePaths << path;
        modal.answers << QMessageBox::No;
        menuItem(*window, "nExportCsv")->trigger();
        QCOMPARE(modal.texts(), QStringList{languageTexts().fileExists});
        QCOMPARE(readFile(path), QByteArray("old"));

        modal.savePaths << path;
        modal.answers << QMessageBox::Yes;
        menuItem(*window, "nExportCsv")->trigger();
        QVERIFY(modal.unexpected.isEmpty());
        QCOMPARE(readFile(path), ExportChannelsCsv(appState()));
    }

    void failedExportKeepsTheOldFile()
    {
        // A folder stands where the file would go: the save fails and says so.
        const QString path = dir.filePath(QStringLiteral("folder.csv"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder.csv")));
        ScriptedModal modal;
        modal.savePaths << path;
        modal.answers << QMessageBox::Yes; // "replace it?"
        menuItem(*window, "nExportCsv")->trigger();
        QCOMPARE(modal.shown.size(), 2);
        QVERIFY(modal.shown[1].text.contains(QStringLiteral("folder.csv")));
        QVERIFY(QFileInfo(path).isDir());
    }

    // The scan window open during an import that names a priority channel shows it.
    void scanWindowFollowsThePriorityChannel()
    {
        window->DispatchCommand(Command::ScanFunctions);
        QVERIFY(fScanFun);
        auto* scanSub = qobject_cast<QMdiSubWindow*>(fScanFun->parentWidget());
        scanSub->move(300, 40);
        window->DispatchCommand(Command::MemoryChannels); // the grid is active
        const QString path = dir.filePath(QStringLiteral("priority.csv"));
        WriteTextFile(path, "Location,Frequency,Skip\n7,145.000000,P\n");
        ScriptedModal modal;
        modal.openPaths << path;
        modal.dialogs << [](QDialog&) { return int(QDialog::Accepted); };
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(fScanFun);
        auto* list = fScanFun->findChild<QComboBox*>(QStringLiteral("cxPriCh"));
        QCOMPARE(list->currentText(), QStringLiteral("7"));
        QCOMPARE(fScanFun->parentWidget()->pos(), QPoint(300, 40));
        QCOMPARE(window->mdiArea()->activeSubWindow()->widget(), static_cast<QWidget*>(fChsInfo));
    }

    // With the program's Chinese texts the preview gives its notes and row kinds in Chinese.
    void previewInChinese()
    {
        const QString languageFile = dir.filePath(QStringLiteral("Chinese.Ini"));
        QFile out(languageFile);
        QVERIFY(out.open(QIODevice::WriteOnly));
        for (const char* fragment : {"CsvImport", "fCsvImport"}) {
            QFile part(
                QStringLiteral(QZ_SOURCE_DIR "/lang/Chinese/%1.ini").arg(QLatin1String(fragment)));
            QVERIFY(part.open(QIODevice::ReadOnly));
            out.write(part.readAll() + '\n');
        }
        out.close();
        TALL& all = appState();
        const auto restore =
            qScopeGuard([&all, languageFile, name = all.languageName, index = all.languageIndex] {
                all.languageName = name;
                all.languageIndex = index;
                QFile::remove(languageFile);
            });
        all.languageName = QStringLiteral("Chinese");
        all.languageIndex = 1;

        const QString path = dir.filePath(QStringLiteral("chinese.csv"));
        WriteTextFile(path,
                      "Location,Frequency,Name,Skip\n1,145.000000,abcdefgh,X\n2,27.185000,X,\n");
        ScriptedModal modal;
        modal.openPaths << path;
        QStringList shownRows;
        modal.dialogs << [&](QDialog& dialog) {
            shownRows = previewRows(dialog);
            return int(QDialog::Rejected);
        };
        menuItem(*window, "nImportCsv")->trigger();
        QVERIFY(modal.unexpected.isEmpty());
        QCOMPARE(shownRows.size(), 2);
        QCOMPARE(shownRows[0],
                 QString::fromUtf16(u"已修改|1|1 145.00000 / 145.00000 None / None High Wide Add "
                                    u"ABCDEF|Skip 值“X”既不是 S 也不是 P；该信道加入扫描。"
                                    u"名称“abcdefgh”存为“ABCDEF”：截短为 6 个字符。"));
        QVERIFY2(shownRows[1].startsWith(
                     QString::fromUtf16(u"已跳过|2||频率 27.185000 MHz 超出电台的频段（")),
                 qPrintable(shownRows[1]));
    }

    // The dialog's fragments: English gives back every built-in text, Chinese replaces
    // each one, and neither has a key that names nothing.
    void dialogLanguageFragments_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }

    void dialogLanguageFragments()
    {
        QFETCH(QString, language);
        const CsvImport plan = PlanCsvImport(appState(), "Frequency\n145.0\n");
        TfCsvImport dialog(plan, QStringLiteral("/tmp/x.csv"));
        const QMap<QString, QString> builtIn = translatableTexts(dialog);
        const QString path =
            QStringLiteral(QZ_SOURCE_DIR "/lang/") + language + QStringLiteral("/fCsvImport.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.first(), QStringLiteral("[fCsvImport]"));
        QStringList keys;
        for (const QString& line : lines) {
            const int eq = line.indexOf(u'=');
            if (eq > 0 && !line.startsWith(u';')) keys << line.left(eq);
        }
        for (const QString& key : keys)
            QVERIFY2(builtIn.contains(key), qPrintable(QStringLiteral("unknown key ") + key));
        for (auto it = builtIn.begin(); it != builtIn.end(); ++it)
            QVERIFY2(keys.contains(it.key()),
                     qPrintable(language + QStringLiteral(" lacks ") + it.key()));

        TranslateFormFromFile(&dialog, path, false);
        const QMap<QString, QString> after = translatableTexts(dialog);
        for (auto it = builtIn.begin(); it != builtIn.end(); ++it) {
            if (language == QLatin1String("English"))
                QCOMPARE(after.value(it.key()), it.value());
            else
                QVERIFY2(after.value(it.key()) != it.value(), qPrintable(it.key()));
        }
    }

  private:
    QTemporaryDir dir;
    TfMainFrm* window = nullptr;
};

QTEST_MAIN(TestCsvCommands)
#include "tst_csvcommands.moc"
