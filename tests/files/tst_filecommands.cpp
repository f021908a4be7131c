#include "ProgramFixture.h"

#include "files/DataFile.h"
#include "files/DiskFile.h"
#include "files/FileCommands.h"
#include "tests/support/ScriptedModal.h"

#include <QtTest>

namespace {

const auto Yes = QMessageBox::Yes;
const auto No = QMessageBox::No;

// The program with its document and the main window's side of the flows.
struct Flow {
    ProgramFolder program;
    ScriptedModal modal;
    int statusUpdates = 0;
    QList<int> refreshes;
    FileCommands files{{[this] { ++statusUpdates; }, [this](int reason) { refreshes << reason; }}};

    Flow() { program.start(); }

    QString path(const QString& name) const { return program.folder.file(name); }
    QByteArray read(const QString& name) const { return program.folder.read(name); }

    // An edit the user has not saved: a channel byte a new image would not have.
    void edit()
    {
        appState().image[16] = 0x42;
        appState().modified = true;
    }
    bool stillEdited() const { return appState().image[16] == 0x42 && appState().modified; }

    // A data file of another document, distinguishable by one channel byte.
    QString dataFile(const QString& name, quint8 marker = 0x17)
    {
        TALL other = appState();
        other.image[16] = marker;
        QByteArray bytes = EncodeDataFile(other, QStringLiteral("2010-02-03 04:05"));
        return program.folder.write(name, bytes);
    }
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

  private slots:
    void newWithSaveQuestion_data();
    void newWithSaveQuestion();
    void openWithSaveQuestion_data();
    void openWithSaveQuestion();
    void openCancelled();
    void openAddsDefaultExtension();
    void openRefused_data();
    void openRefused();
    void saveWithFileNameAsksNothing();
    void saveAsksForName_data();
    void saveAsksForName();
    void declinedReplaceForgetsName();
    void failedSaveKeepsNameAndFlag();
    void fullDiskKeepsTheOldFile();
    void saveAsAlwaysAsks();
    void closeQuery_data();
    void closeQuery();
};

// Rows shared by New and Open: what the user answers when asked to save first.
static void saveQuestionRows()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QString>("savePath"); // "-" no save dialog expected, "" cancelled
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("goesOn");

    using Answers = QList<QMessageBox::StandardButton>;
    QTest::newRow("nothing to save") << false << Answers{} << "-" << false << true;
    QTest::newRow("No drops the changes") << true << Answers{No} << "-" << false << true;
    QTest::newRow("Yes saves first") << true << Answers{Yes} << "kept.dat" << true << true;
    QTest::newRow("Yes, dialog cancelled") << true << Answers{Yes} << "" << false << false;
    QTest::newRow("Yes, replace declined")
        << true << Answers{Yes, No} << "exists.dat" << false << false;
    QTest::newRow("Yes, replace accepted")
        << true << Answers{Yes, Yes} << "exists.dat" << true << true;
    QTest::newRow("Yes, write fails") << true << Answers{Yes} << "gone/x.dat" << false << false;
    // The third answer stops the command and keeps the edits.
    QTest::newRow("Cancel") << true << Answers{QMessageBox::Cancel} << "-" << false << false;
    QTest::newRow("Escape") << true << Answers{ScriptedModal::PressEscape} << "-" << false << false;
    QTest::newRow("close button") << true << Answers{ScriptedModal::CloseBox} << "-" << false
                                  << false;
    QTest::newRow("Enter saves") << true << Answers{ScriptedModal::PressEnter} << "kept.dat" << true
                                 << true;
}

void TestFileCommands::newWithSaveQuestion_data()
{
    saveQuestionRows();
}

void TestFileCommands::newWithSaveQuestion()
{
    QFETCH(bool, modified);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QString, savePath);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);
    Flow f;
    f.edit();
    appState().modified = modified;
    f.program.folder.write(QStringLiteral("exists.dat"), "old");
    for (auto a : answers)
        f.modal.answers << a;
    if (savePath != QStringLiteral("-"))
        f.modal.savePaths << (savePath.isEmpty() ? savePath : f.path(savePath));

    QCOMPARE(f.files.New(), goesOn);
    QVERIFY2(f.modal.unexpected.isEmpty(), qPrintable(f.modal.unexpected.join(", ")));
    QVERIFY(f.modal.answers.isEmpty() && f.modal.savePaths.isEmpty());
    if (modified) {
        QCOMPARE(f.modal.shown.first().text, QStringLiteral("Do you wish to save the changes?"));
        QCOMPARE(f.modal.shown.first().caption, QStringLiteral("Confirmation"));
        QCOMPARE(f.modal.shown.first().icon, QMessageBox::Question);
        QCOMPARE(f.modal.shown.first().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    if (saved) QCOMPARE(f.read(savePath).size(), 2320);
    if (goesOn) {
        QCOMPARE(int(appState().image[16]), 0xFF); // a new image
        QVERIFY(!appState().modified);
        QVERIFY(f.files.currentFileName().isEmpty());
        QCOMPARE(f.refreshes, QList<int>{1});
    } else {
        QVERIFY(f.stillEdited());
        QVERIFY(f.refreshes.isEmpty());
    }
    QVERIFY(f.statusUpdates >= (goesOn || saved ? 1 : 0));
}

void TestFileCommands::openWithSaveQuestion_data()
{
    saveQuestionRows();
}

void TestFileCommands::openWithSaveQuestion()
{
    QFETCH(bool, modified);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QString, savePath);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);
    Flow f;
    f.edit();
    appState().modified = modified;
    f.program.folder.write(QStringLiteral("exists.dat"), "old");
    const QString file = f.dataFile(QStringLiteral("radio.dat"));
    for (auto a : answers)
        f.modal.answers << a;
    if (savePath != QStringLiteral("-"))
        f.modal.savePaths << (savePath.isEmpty() ? savePath : f.path(savePath));
    if (goesOn) f.modal.openPaths << file;

    QCOMPARE(f.files.Open(), goesOn);
    QVERIFY2(f.modal.unexpected.isEmpty(), qPrintable(f.modal.unexpected.join(", ")));
    QVERIFY(f.modal.openPaths.isEmpty() && f.modal.answers.isEmpty());
    QCOMPARE(f.modal.fileDialogs.contains(QStringLiteral("open")), goesOn);
    if (saved) QCOMPARE(f.read(savePath).size(), 2320);
    if (goesOn) {
        QCOMPARE(int(appState().image[16]), 0x17);
        QVERIFY(!appState().modified);
        QCOMPARE(f.files.currentFileName(), file);
        QCOMPARE(appState().fileDateText, QStringLiteral("2010-02-03 04:05"));
        QCOMPARE(f.refreshes, QList<int>{1});
        QVERIFY(f.statusUpdates >= 2);
    } else {
        QVERIFY(f.stillEdited());
        QVERIFY(f.refreshes.isEmpty());
    }
}

void TestFileCommands::openCancelled()
{
    Flow f;
    f.edit();
    f.files.setCurrentFileName(f.path(QStringLiteral("before.dat")));
    f.modal.answers << No;
    f.modal.openPaths << QString();
    QVERIFY(!f.files.Open());
    QVERIFY(f.stillEdited());
    QCOMPARE(f.files.currentFileName(), f.path(QStringLiteral("before.dat")));
    QVERIFY(f.refreshes.isEmpty());
    QVERIFY(f.modal.unexpected.isEmpty());
}

void TestFileCommands::openAddsDefaultExtension()
{
    Flow f;
    const QString file = f.dataFile(QStringLiteral("radio.dat"));
    f.modal.openPaths << f.path(QStringLiteral("radio"));
    QVERIFY(f.files.Open());
    QCOMPARE(f.files.currentFileName(), file);
}

void TestFileCommands::openRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QString>("message"); // what the box says, %1 the file

    QTest::newRow("unknown model") << QByteArray("PQZ99" + QByteArray(2315, '\0'))
                                   << QMessageBox::Information << "Model Type Wrong.";
    QTest::newRow("too short") << QByteArray(2000, '\xFF') << QMessageBox::Critical
                               << "The file %1 is not a data file of this program: it holds 2000 "
                                  "bytes, a data file holds 2320 bytes.";
    QTest::newRow("cannot be opened") << QByteArray() << QMessageBox::Critical
                                      << "Cannot open the file %1.\nNo such file or directory";
}

void TestFileCommands::openRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QString, message);
    Flow f;
    f.edit();
    f.files.setCurrentFileName(f.path(QStringLiteral("before.dat")));
    const QString file = f.path(QStringLiteral("bad.dat"));
    if (!content.isEmpty()) f.program.folder.write(QStringLiteral("bad.dat"), content);
    const auto image = appState().image;
    f.modal.answers << No;
    f.modal.openPaths << file;

    QVERIFY(!f.files.Open());
    QCOMPARE(f.modal.shown.size(), 2);
    QCOMPARE(f.modal.shown[1].icon, icon);
    QCOMPARE(f.modal.shown[1].text,
             message.contains(QStringLiteral("%1")) ? message.arg(file) : message);
    QVERIFY(appState().image == image);
    QVERIFY(appState().modified);
    QVERIFY(f.files.currentFileName().isEmpty());
    QVERIFY(f.refreshes.isEmpty());
    QVERIFY(f.modal.unexpected.isEmpty());
}

void TestFileCommands::saveWithFileNameAsksNothing()
{
    Flow f;
    f.edit();
    const QString file = f.program.folder.write(QStringLiteral("radio.dat"), "previous");
    f.files.setCurrentFileName(file);
    QVERIFY(f.files.Save());
    QVERIFY(f.modal.shown.isEmpty() && f.modal.fileDialogs.isEmpty());
    QVERIFY(!appState().modified);
    QCOMPARE(f.read(QStringLiteral("radio.dat")).mid(16),
             EncodeDataFile(appState(), QString()).mid(16));
    QCOMPARE(f.statusUpdates, 1);
}

void TestFileCommands::saveAsksForName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("with extension") << "a.dat"
                                    << "a.dat";
    QTest::newRow("default extension") << "a"
                                       << "a.dat";
    QTest::newRow("other extension kept") << "a.bin"
                                          << "a.bin";
}

void TestFileCommands::saveAsksForName()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Flow f;
    f.edit();
    f.modal.savePaths << f.path(typed);
    QVERIFY(f.files.Save());
    QCOMPARE(f.modal.fileDialogs, QStringList{"save"});
    QVERIFY(f.modal.shown.isEmpty()); // a new file: no question
    QCOMPARE(f.files.currentFileName(), f.path(written));
    QCOMPARE(f.read(written).size(), 2320);
    QVERIFY(!appState().modified);

    // Cancelled: nothing written, the flag stays.
    Flow g;
    g.edit();
    g.modal.savePaths << QString();
    QVERIFY(!g.files.Save());
    QVERIFY(g.stillEdited());
    QCOMPARE(g.statusUpdates, 1);
}

void TestFileCommands::declinedReplaceForgetsName()
{
    Flow f;
    f.edit();
    f.program.folder.write(QStringLiteral("exists.dat"), "old");
    f.modal.savePaths << f.path(QStringLiteral("exists.dat"));
    f.modal.answers << No;
    QVERIFY(!f.files.Save());
    QCOMPARE(f.modal.texts(), QStringList{"The File is exists,replace it?"});
    QCOMPARE(f.read(QStringLiteral("exists.dat")), QByteArray("old"));
    QVERIFY(f.files.currentFileName().isEmpty());
    QVERIFY(appState().modified);

    // So the next Save asks again.
    f.modal.savePaths << f.path(QStringLiteral("exists.dat"));
    f.modal.answers << Yes;
    QVERIFY(f.files.Save());
    QCOMPARE(f.modal.fileDialogs, (QStringList{"save", "save"}));
    QCOMPARE(f.read(QStringLiteral("exists.dat")).size(), 2320);
}

void TestFileCommands::failedSaveKeepsNameAndFlag()
{
    Flow f;
    f.edit();
    const QString file = f.path(QStringLiteral("gone/radio.dat"));
    f.modal.savePaths << file;
    QVERIFY(!f.files.Save());
    QCOMPARE(f.modal.shown.size(), 1);
    QCOMPARE(f.modal.shown[0].icon, QMessageBox::Critical);
    QVERIFY2(
        f.modal.shown[0].text.startsWith(QStringLiteral("Cannot save the file %1.\n").arg(file)),
        qPrintable(f.modal.shown[0].text));
    QVERIFY(f.modal.shown[0].text.size() >
            QStringLiteral("Cannot save the file %1.\n").arg(file).size());
    QCOMPARE(f.files.currentFileName(), file);
    QVERIFY(f.stillEdited());
}

// Save on a disk that fills up halfway through: the box gives the system's reason and
// the file on disk is still the one saved before.
void TestFileCommands::fullDiskKeepsTheOldFile()
{
    Flow f;
    const QString file = f.dataFile(QStringLiteral("radio.dat"));
    const QByteArray old = f.read(QStringLiteral("radio.dat"));
    f.files.setCurrentFileName(file);
    f.edit();
    FailSavesAfterBytesForTests(1000);
    const bool saved = f.files.Save();
    FailSavesAfterBytesForTests(-1);
    QVERIFY(!saved);
    QCOMPARE(f.modal.shown.size(), 1);
    QCOMPARE(f.modal.shown[0].icon, QMessageBox::Critical);
    QCOMPARE(f.modal.shown[0].text,
             QStringLiteral("Cannot save the file %1.\nNo space left on device").arg(file));
    QCOMPARE(f.read(QStringLiteral("radio.dat")), old);
    QCOMPARE(f.files.currentFileName(), file);
    QVERIFY(f.stillEdited());
}

void TestFileCommands::saveAsAlwaysAsks()
{
    Flow f;
    f.edit();
    const QString first = f.program.folder.write(QStringLiteral("first.dat"), "first");
    f.files.setCurrentFileName(first);
    f.modal.savePaths << f.path(QStringLiteral("second.dat"));
    QVERIFY(f.files.SaveAs());
    QCOMPARE(f.modal.fileDialogs, QStringList{"save"});
    QCOMPARE(f.files.currentFileName(), f.path(QStringLiteral("second.dat")));
    QCOMPARE(f.read(QStringLiteral("first.dat")), QByteArray("first"));
    QCOMPARE(f.read(QStringLiteral("second.dat")).size(), 2320);
}

void TestFileCommands::closeQuery_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<bool>("mayClose");
    QTest::addColumn<QStringList>("questions");

    using Answers = QList<QMessageBox::StandardButton>;
    const QString exit = QStringLiteral("Do you wish to exit program?");
    const QString save = QStringLiteral("Do you wish to save the changes?");
    QTest::newRow("No to exit") << true << Answers{No} << "-" << false << QStringList{exit};
    QTest::newRow("Yes, nothing to save")
        << false << Answers{Yes} << "-" << true << QStringList{exit};
    QTest::newRow("Yes, No to saving")
        << true << Answers{Yes, No} << "-" << true << QStringList{exit, save};
    QTest::newRow("Yes, saved") << true << Answers{Yes, Yes} << "out.dat" << true
                                << QStringList{exit, save};
    QTest::newRow("Yes, save dialog cancelled")
        << true << Answers{Yes, Yes} << "" << false << QStringList{exit, save};
    QTest::newRow("Escape to exit")
        << true << Answers{ScriptedModal::PressEscape} << "-" << false << QStringList{exit};
    QTest::newRow("Yes, Escape to saving") << true << Answers{Yes, ScriptedModal::PressEscape}
                                           << "-" << false << QStringList{exit, save};
    QTest::newRow("Yes, saving closed by its title bar")
        << true << Answers{Yes, ScriptedModal::CloseBox} << "-" << false << QStringList{exit, save};
}

void TestFileCommands::closeQuery()
{
    QFETCH(bool, modified);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QString, savePath);
    QFETCH(bool, mayClose);
    QFETCH(QStringList, questions);
    Flow f;
    f.edit();
    appState().modified = modified;
    for (auto a : answers)
        f.modal.answers << a;
    if (savePath != QStringLiteral("-"))
        f.modal.savePaths << (savePath.isEmpty() ? savePath : f.path(savePath));
    QCOMPARE(f.files.CloseQuery(), mayClose);
    QCOMPARE(f.modal.texts(), questions);
    QVERIFY(f.modal.unexpected.isEmpty() && f.modal.savePaths.isEmpty());
    if (savePath == QStringLiteral("out.dat")) QCOMPARE(f.read(savePath).size(), 2320);
    QCOMPARE(appState().image[16], quint8(0x42));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
