#include "FilesFixture.h"

#include "core/AppState.h"
#include "files/IniFile.h"
#include "files/SettingsFile.h"
#include "tests/support/SmallFileSystem.h"

#include <QStandardPaths>
#include <QtTest>
#include <climits>
#include <unistd.h>

namespace {

SettingsPlace shippedOnly(const TempFolder& folder)
{
    SettingsPlace place;
    place.shippedPath = folder.file(QStringLiteral("SysInfo.Ini"));
    place.userPath = folder.file(QStringLiteral("user/QZ-17/SysInfo.Ini"));
    return place;
}

QByteArray sysInfo(const QByteArray& lines)
{
    return "[SysInfo]\n" + lines;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void missingFileGivesDefaults();
    void languageChoice_data();
    void languageChoice();
    void pictureNumber_data();
    void pictureNumber();
    void writeCreatesOnlyItsOwnKeys();
    void writeKeepsTheRestOfTheFile();
    void writeDialogChoicesAndRecentFiles();
    void userFileWhenProgramFolderIsNotWritable();
    void installedProgram();
    void neverRewrittenInPlace();
    void locate_data();
    void locate();
    void writeFailureIsReported_data();
    void writeFailureIsReported();
    void listLanguages_data();
    void listLanguages();
};

void TestSettingsFile::missingFileGivesDefaults()
{
    TempFolder folder;
    TALL all;
    ReadSettingsFileAt(all, shippedOnly(folder));
    QCOMPARE(all.portName, QStringLiteral("Com1"));
    QCOMPARE(all.languageIndex, 0);
    QCOMPARE(all.helpPrefix, QStringLiteral("WT"));
    QCOMPARE(all.pictureNumber, 1);
    QCOMPARE(all.languageName, QStringLiteral("Chinese"));
}

void TestSettingsFile::languageChoice_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    QTest::newRow("1 with the default list") << sysInfo("DefaultLanguage=1\n") << 1 << "English";
    QTest::newRow("2 with two entries") << sysInfo("DefaultLanguage=2\n") << 2 << "";
    QTest::newRow("-1 runs no round") << sysInfo("DefaultLanguage=-1\n") << -1 << "";
    QTest::newRow("not a number") << sysInfo("DefaultLanguage=abc\n") << 0 << "Chinese";
    QTest::newRow("empty text") << sysInfo("DefaultLanguage=\n") << 0 << "Chinese";
    QTest::newRow("shipped list") << sysInfo("DefaultLanguage=0\nLanguage=English|Chinese\n") << 0
                                  << "English";
    QTest::newRow("second of the shipped list")
        << sysInfo("DefaultLanguage=1\nLanguage=English|Chinese\n") << 1 << "Chinese";
    QTest::newRow("empty entry") << sysInfo("DefaultLanguage=1\nLanguage=A||B\n") << 1 << "";
    QTest::newRow("after the empty entry")
        << sysInfo("DefaultLanguage=2\nLanguage=A||B\n") << 2 << "B";
    QTest::newRow("single entry") << sysInfo("Language=Deutsch\n") << 0 << "Deutsch";
    QTest::newRow("largest index")
        << sysInfo("DefaultLanguage=2147483647\nLanguage=A|B\n") << INT_MAX << "";
}

void TestSettingsFile::languageChoice()
{
    QFETCH(QByteArray, content);
    QFETCH(int, index);
    QFETCH(QString, name);
    TempFolder folder;
    folder.write(QStringLiteral("SysInfo.Ini"), content);
    TALL all;
    ReadSettingsFileAt(all, shippedOnly(folder));
    QCOMPARE(all.languageIndex, index);
    QCOMPARE(all.languageName, name);
}

void TestSettingsFile::pictureNumber_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("writtenBack");

    QTest::newRow("7") << sysInfo("PicID=7\n") << 8 << "7";
    QTest::newRow("missing") << sysInfo("") << 1 << "0";
    QTest::newRow("unreadable") << sysInfo("PicID=x7\n") << 1 << "0";
    QTest::newRow("negative") << sysInfo("PicID=-1\n") << 0 << "-1";
    QTest::newRow("largest") << sysInfo("PicID=2147483647\n") << INT_MIN << "2147483647";
}

void TestSettingsFile::pictureNumber()
{
    QFETCH(QByteArray, content);
    QFETCH(int, picture);
    QFETCH(QString, writtenBack);
    TempFolder folder;
    folder.write(QStringLiteral("SysInfo.Ini"), content);
    TALL all;
    ReadSettingsFileAt(all, shippedOnly(folder));
    QCOMPARE(all.pictureNumber, picture);
    QVERIFY(WriteSettingsFileAt(all, shippedOnly(folder)));
    const TIniFile written(folder.file(QStringLiteral("SysInfo.Ini")));
    QCOMPARE(written.ReadString(QStringLiteral("SysInfo"), QStringLiteral("PicID"), QString()),
             writtenBack);
}

void TestSettingsFile::writeCreatesOnlyItsOwnKeys()
{
    TempFolder folder;
    TALL all;
    ReadSettingsFileAt(all, shippedOnly(folder));
    all.portName = all.portName.toUpper(); // as the main window settles it
    QString reason;
    QVERIFY2(WriteSettingsFileAt(all, shippedOnly(folder), &reason), qPrintable(reason));
    QCOMPARE(folder.read(QStringLiteral("SysInfo.Ini")),
             QByteArray("[SysInfo]\nCom=COM1\nDefaultLanguage=0\nPicID=0\n"));

    TALL again;
    ReadSettingsFileAt(again, shippedOnly(folder));
    QCOMPARE(again.portName, QStringLiteral("COM1"));
    QCOMPARE(again.pictureNumber, 1);
}

void TestSettingsFile::writeDialogChoicesAndRecentFiles()
{
    TempFolder folder;
    TALL all;
    ReadSettingsFileAt(all, shippedOnly(folder));
    QVERIFY(!all.backupBeforeWrite && !all.verifyAfterWrite && all.recentFiles.isEmpty());
    all.backupBeforeWrite = true;
    all.verifyAfterWrite = true;
    for (int i = 1; i <= 8; ++i)
        AddRecentFile(all.recentFiles, folder.file(QStringLiteral("f%1.dat").arg(i)));
    QCOMPARE(all.recentFiles.size(), MaxRecentFiles);
    AddRecentFile(all.recentFiles, folder.file(QStringLiteral("f5.dat"))); // moves to the top
    QVERIFY(WriteSettingsFileAt(all, shippedOnly(folder)));

    TALL again;
    ReadSettingsFileAt(again, shippedOnly(folder));
    QVERIFY(again.backupBeforeWrite && again.verifyAfterWrite);
    QCOMPARE(again.recentFiles, all.recentFiles);
    QCOMPARE(again.recentFiles.first(), folder.file(QStringLiteral("f5.dat")));
    QCOMPARE(again.recentFiles.last(), folder.file(QStringLiteral("f3.dat")));

    // Switched off and emptied, the keys say so rather than keep their old values.
    again.backupBeforeWrite = false;
    again.recentFiles.clear();
    QVERIFY(WriteSettingsFileAt(again, shippedOnly(folder)));
    TALL third;
    ReadSettingsFileAt(third, shippedOnly(folder));
    QVERIFY(!third.backupBeforeWrite && third.verifyAfterWrite);
    QVERIFY(third.recentFiles.isEmpty());
}

void TestSettingsFile::writeKeepsTheRestOfTheFile()
{
    const QByteArray before("[SysInfo]\r\n"
                            "Help=WT\r\n"
                            "Com=COM1\r\n"
                            "Language=Chinese|English\r\n"
                            "Chinese=\xD6\xD0\xCE\xC4\x7C\xD3\xA2\xCE\xC4\r\n"
                            "DefaultLanguage=0\r\n"
                            "PicID=7\r\n");
    TempFolder folder;
    folder.write(QStringLiteral("SysInfo.Ini"), before);
    TALL all;
    ReadSettingsFileAt(all, shippedOnly(folder));
    all.portName = QStringLiteral("/dev/ttyUSB0");
    all.languageIndex = 1;
    QVERIFY(WriteSettingsFileAt(all, shippedOnly(folder)));
    QByteArray expected = before;
    expected.replace("Com=COM1", "Com=/dev/ttyUSB0")
        .replace("DefaultLanguage=0", "DefaultLanguage=1");
    QCOMPARE(folder.read(QStringLiteral("SysInfo.Ini")), expected);
}

void TestSettingsFile::userFileWhenProgramFolderIsNotWritable()
{
    TempFolder folder;
    const QByteArray shipped = utf8(u"[SysInfo]\nCom=COM1\nDefaultLanguage=0\nHelp=XY\n"
                                    u"Language=English|Chinese\nChinese=英文|中文\n");
    folder.write(QStringLiteral("SysInfo.Ini"), shipped);
    SettingsPlace place = shippedOnly(folder);
    place.useUserFile = true;

    TALL all;
    ReadSettingsFileAt(all, place);
    QCOMPARE(all.languageName, QStringLiteral("English"));
    all.portName = QStringLiteral("COM5");
    all.languageIndex = 1;
    all.languageName = QStringLiteral("Chinese");
    QString reason;
    QVERIFY2(WriteSettingsFileAt(all, place, &reason), qPrintable(reason));
    QCOMPARE(folder.read(QStringLiteral("SysInfo.Ini")), shipped);
    QCOMPARE(folder.read(QStringLiteral("user/QZ-17/SysInfo.Ini")),
             QByteArray("[SysInfo]\nCom=COM5\nDefaultLanguage=1\nPicID=0\n"));

    // The next start finds what was written, and still the shipped lists and help.
    TALL next;
    ReadSettingsFileAt(next, place);
    QCOMPARE(next.portName, QStringLiteral("COM5"));
    QCOMPARE(next.languageIndex, 1);
    QCOMPARE(next.languageName, QStringLiteral("Chinese"));
    QCOMPARE(next.helpPrefix, QStringLiteral("XY"));
    QStringList display, files;
    ListLanguagesAt(next, place, display, files);
    QCOMPARE(files, (QStringList{QStringLiteral("English"), QStringLiteral("Chinese")}));
    QCOMPARE(display, (QStringList{QString::fromUtf16(u"英文"), QString::fromUtf16(u"中文")}));

    // While the program folder is writable again, its own file counts.
    TALL writable;
    ReadSettingsFileAt(writable, shippedOnly(folder));
    QCOMPARE(writable.portName, QStringLiteral("COM1"));
}

void TestSettingsFile::installedProgram()
{
    if (geteuid() == 0) QSKIP("permissions do not bind the superuser");
    QFile::remove(UserSettingsPath());
    TempFolder folder;
    const QByteArray shipped = sysInfo("DefaultLanguage=0\nLanguage=English|Chinese\n");
    // As installed: neither the folder nor the file can be written.
    QFile::setPermissions(folder.write(QStringLiteral("SysInfo.Ini"), shipped), QFile::ReadOwner);
    QFile::setPermissions(folder.dir.path(), QFile::ReadOwner | QFile::ExeOwner);

    TALL all;
    all.appFolder = folder.path();
    ReadSettingsFile(all);
    all.portName = QStringLiteral("COM7");
    all.languageIndex = 1;
    QString reason;
    QVERIFY2(WriteSettingsFile(all, &reason), qPrintable(reason));
    TALL next;
    next.appFolder = folder.path();
    ReadSettingsFile(next);
    QFile::setPermissions(folder.dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(folder.read(QStringLiteral("SysInfo.Ini")), shipped);
    QCOMPARE(next.portName, QStringLiteral("COM7"));
    QCOMPARE(next.languageName, QStringLiteral("Chinese"));
    QVERIFY(QFile::remove(UserSettingsPath()));
}

// A program folder that cannot take a new file while its SysInfo.Ini can be written:
// the file is never truncated and rewritten where it is (a kill at that moment would
// leave it empty, its language lists gone); the user's file takes the settings.
void TestSettingsFile::neverRewrittenInPlace()
{
    SmallFileSystem programFolder(64);
    if (!programFolder.mounted()) QSKIP(programFolder.why());
    QFile::remove(UserSettingsPath());
    TempFolder elsewhere;
    const QByteArray shipped = sysInfo("Com=COM1\nDefaultLanguage=0\nHelp=XY\n"
                                       "Language=English|Chinese\n");
    const QString writable = elsewhere.write(QStringLiteral("SysInfo.Ini"), shipped);
    QFile placeholder(programFolder.file(QStringLiteral("SysInfo.Ini")));
    QVERIFY(placeholder.open(QIODevice::WriteOnly));
    placeholder.close();
    QVERIFY(programFolder.makeReadOnly());
    QVERIFY(programFolder.bindFile(writable, QStringLiteral("SysInfo.Ini")));

    TALL all;
    all.appFolder = programFolder.path();
    ReadSettingsFile(all);
    QCOMPARE(all.helpPrefix, QStringLiteral("XY"));
    all.portName = QStringLiteral("COM4");
    QString reason;
    QVERIFY2(WriteSettingsFile(all, &reason), qPrintable(reason));
    QCOMPARE(elsewhere.read(QStringLiteral("SysInfo.Ini")), shipped);

    TALL next;
    next.appFolder = programFolder.path();
    ReadSettingsFile(next);
    QCOMPARE(next.portName, QStringLiteral("COM4"));
    QCOMPARE(next.languageName, QStringLiteral("English"));
    QVERIFY(QFile::remove(UserSettingsPath()));
}

void TestSettingsFile::locate_data()
{
    QTest::addColumn<QString>("existing"); // file put into the program folder first
    QTest::addColumn<int>("folderMode");   // 0 writable, 1 missing, 2 read-only
    QTest::addColumn<bool>("useUserFile");
    QTest::addColumn<QString>("shippedName");

    QTest::newRow("writable, no file yet") << "" << 0 << false << "SysInfo.Ini";
    QTest::newRow("writable with file") << "SysInfo.Ini" << 0 << false << "SysInfo.Ini";
    QTest::newRow("file named in other case") << "sysinfo.ini" << 0 << false << "sysinfo.ini";
    QTest::newRow("folder missing") << "" << 1 << true << "SysInfo.Ini";
    QTest::newRow("read-only folder") << "" << 2 << true << "SysInfo.Ini";
    // The file could be overwritten, but not replaced: the user's file takes the settings.
    QTest::newRow("writable file in a read-only folder")
        << "SysInfo.Ini" << 2 << true << "SysInfo.Ini";
}

void TestSettingsFile::locate()
{
    QFETCH(QString, existing);
    QFETCH(int, folderMode);
    QFETCH(bool, useUserFile);
    QFETCH(QString, shippedName);
    if (folderMode == 2 && geteuid() == 0) QSKIP("permissions do not bind the superuser");
    TempFolder folder;
    const QString programFolder = folder.path() + QStringLiteral("bin/");
    if (folderMode != 1) QDir().mkpath(programFolder);
    if (!existing.isEmpty()) folder.write(QStringLiteral("bin/") + existing, sysInfo(""));
    if (folderMode == 2) QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::ExeOwner);

    const SettingsPlace place = LocateSettingsFile(programFolder);
    QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(place.useUserFile, useUserFile);
    QCOMPARE(place.shippedPath, programFolder + shippedName);
    QCOMPARE(place.userPath, UserSettingsPath());
    QVERIFY(place.userPath.endsWith(QStringLiteral("/QZ-17/SysInfo.Ini")));
    // Finding out leaves nothing behind.
    QCOMPARE(QDir(programFolder).entryList(QDir::Files | QDir::Hidden).size(),
             existing.isEmpty() ? 0 : 1);
}

void TestSettingsFile::writeFailureIsReported_data()
{
    QTest::addColumn<bool>("useUserFile");
    QTest::newRow("program folder gone") << false;
    QTest::newRow("user folder cannot be made") << true;
}

void TestSettingsFile::writeFailureIsReported()
{
    QFETCH(bool, useUserFile);
    TempFolder folder;
    // A plain file where a folder would have to be.
    folder.write(QStringLiteral("blocker"), "x");
    SettingsPlace place;
    place.shippedPath = folder.file(QStringLiteral("gone/SysInfo.Ini"));
    place.userPath = folder.file(QStringLiteral("blocker/QZ-17/SysInfo.Ini"));
    place.useUserFile = useUserFile;
    TALL all;
    ReadSettingsFileAt(all, place);
    QString reason;
    QVERIFY(!WriteSettingsFileAt(all, place, &reason));
    QVERIFY2(reason.contains(useUserFile ? place.userPath : place.shippedPath), qPrintable(reason));
    QVERIFY(reason.size() > (useUserFile ? place.userPath : place.shippedPath).size() + 2);
}

void TestSettingsFile::listLanguages_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<QStringList>("display");
    QTest::addColumn<QStringList>("files");

    const QString zh = QString::fromUtf16(u"中文"), en = QString::fromUtf16(u"英文");
    QTest::newRow("no file") << QByteArray() << "Chinese" << QStringList{zh, en}
                             << QStringList{"Chinese", "English"};
    const QByteArray shipped = utf8(u"[SysInfo]\nLanguage=English|Chinese\n"
                                    u"English=English|Chinese\nChinese=英文|中文\n");
    QTest::newRow("shipped, in English")
        << shipped << "English" << QStringList{"English", "Chinese"}
        << QStringList{"English", "Chinese"};
    QTest::newRow("shipped, in Chinese")
        << shipped << "Chinese" << QStringList{en, zh} << QStringList{"English", "Chinese"};
    QTest::newRow("key in other case")
        << shipped << "chinese" << QStringList{en, zh} << QStringList{"English", "Chinese"};
    QTest::newRow("no display names for the language")
        << shipped << "" << QStringList{zh, en} << QStringList{"English", "Chinese"};
    QTest::newRow("empty entry and trailing bar")
        << sysInfo("Language=A||B|\nA=a||b\n") << "A" << QStringList{"a", "", "b"}
        << QStringList{"A", "", "B"};
    QTest::newRow("commas are part of a name")
        << sysInfo("Language=Chinese, simplified|English\nX=1,2\n") << "X" << QStringList{"1,2"}
        << QStringList{"Chinese, simplified", "English"};
}

void TestSettingsFile::listLanguages()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, languageName);
    QFETCH(QStringList, display);
    QFETCH(QStringList, files);
    TempFolder folder;
    if (!content.isEmpty()) folder.write(QStringLiteral("SysInfo.Ini"), content);
    TALL all;
    all.languageName = languageName;
    QStringList d{QStringLiteral("old")}, f{QStringLiteral("old")};
    ListLanguagesAt(all, shippedOnly(folder), d, f);
    QCOMPARE(d, display);
    QCOMPARE(f, files);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
