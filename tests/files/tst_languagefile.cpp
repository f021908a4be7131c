#include "FilesFixture.h"

#include "core/AppState.h"
#include "core/CsvImportTexts.h"
#include "core/LanguageTexts.h"
#include "files/IniFile.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"

#include <QtTest>

namespace {

struct Expected {
    const char* key;
    QString TLanguage::*field;
    const char* english;
};

// The message keys, their fields and English texts as the program must have them.
const Expected Messages[] = {
    {"Confirmation", &TLanguage::confirmation, "Confirmation"},
    {"ExitProgram", &TLanguage::exitProgram, "Do you wish to exit program?"},
    {"SaveProgram", &TLanguage::saveProgram, "Do you wish to save the changes?"},
    {"Channel", &TLanguage::channel, "Channel"},
    {"Info", &TLanguage::info, " Information"},
    {"OutRange", &TLanguage::outRange, "Frequecy is Out of range."},
    {"Caution", &TLanguage::caution, "Caution"},
    {"FileExists", &TLanguage::fileExists, "The File is exists,replace it?"},
    {"Close", &TLanguage::close, "Closed"},
    {"Open", &TLanguage::open, "Opened"},
    {"ComError", &TLanguage::comError,
     "Please check all connections and communication port settings."},
    {"ModError", &TLanguage::modError, "Model Type Wrong."},
    {"PwdError", &TLanguage::pwdError, "Pass Word Wrong."},
    {"ClearData", &TLanguage::clearData, "Do you wish to Clear Data?"},
    {"Modforce", &TLanguage::modforce, "Do you wish to Force write data?"},
    {"All", &TLanguage::all, "All"},
    {"ErrRange", &TLanguage::errRange, "The frequecy number come amiss!"},
    {"ModelType", &TLanguage::modelType, "Model Type"},
    {"Frequency", &TLanguage::frequency, "Frequency"},
    {"ReadOk", &TLanguage::readOk, "Reading Completed."},
    {"WriteOk", &TLanguage::writeOk, "Writing Completed."},
    {"LPortError", &TLanguage::lPortError, "Cannot Open Commcmication Port."},
};

QString bin(const QString& name)
{
    return QStringLiteral(QZ_BIN_DIR "/") + name;
}

// Keys of the sections this layer ships, which both languages must have.
const QStringList SetLanguageKeys{"fSetLanguage.Caption", "lbName.Caption", "btnOk.Caption",
                                  "btnCancel.Caption"};
const QStringList FileMessageKeys{"Caption", "OpenFailed", "TooShort", "WriteFailed",
                                  "SettingsFailed"};

QStringList csvImportKeys()
{
    QStringList keys;
    int count = 0;
    const CsvImportTextKey* table = CsvImportTextKeys(count);
    for (int i = 0; i < count; ++i)
        keys << QString::fromLatin1(table[i].key);
    return keys;
}

// The keys a section of a language file has, in file order.
QStringList sectionKeys(const QString& path, const QString& section)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList keys;
    bool inside = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(u'['))
            inside = t == u'[' + section + u']';
        else if (inside && t.indexOf(u'=') > 0)
            keys << t.left(t.indexOf(u'=')).trimmed();
    }
    return keys;
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

  private slots:
    void missingFileGivesEnglish_data();
    void missingFileGivesEnglish();
    void everyKeyReachesItsField();
    void partialFile();
    void fileNameIgnoresCase();
    void shippedSettingsStartInEnglish();
    void shippedMessageTexts();
    void shippedWindowSections_data();
    void shippedWindowSections();
    void csvImportTexts();
};

void TestLanguageFile::missingFileGivesEnglish_data()
{
    QTest::addColumn<QString>("languageName");
    QTest::newRow("no such file") << "English";
    QTest::newRow("empty language name") << "";
}

void TestLanguageFile::missingFileGivesEnglish()
{
    QFETCH(QString, languageName);
    TempFolder folder;
    TALL all;
    all.appFolder = folder.path();
    all.languageName = languageName;
    TLanguage texts;
    texts.confirmation = QStringLiteral("stale");
    LoadLanguage(all, texts);
    for (const Expected& m : Messages)
        QCOMPARE(texts.*m.field, QString::fromLatin1(m.english));
    int count = 0;
    MessageKeys(count);
    QCOMPARE(count, 22);
}

void TestLanguageFile::everyKeyReachesItsField()
{
    QByteArray content("[Language]\n");
    for (const Expected& m : Messages)
        content += QByteArray(m.key) + "=<" + m.key + ">\n";
    TempFolder folder;
    TLanguage texts;
    LoadLanguageFile(folder.write(QStringLiteral("X.Ini"), content), texts);
    for (const Expected& m : Messages)
        QCOMPARE(texts.*m.field, QStringLiteral("<%1>").arg(QLatin1String(m.key)));
}

void TestLanguageFile::partialFile()
{
    // GBK, as the original language files are; a comma; an empty value; keys in other case.
    const QByteArray content("[language]\r\n"
                             "CONFIRMATION=\xC8\xB7\xC8\xCF\r\n"
                             "FileExists=Exists, replace?\r\n"
                             "ReadOk=\r\n"
                             "[Other]\r\n"
                             "ModError=not this one\r\n");
    TempFolder folder;
    TALL all;
    all.appFolder = folder.path();
    all.languageName = QStringLiteral("Chinese");
    folder.write(QStringLiteral("Chinese.Ini"), content);
    TLanguage texts;
    LoadLanguage(all, texts);
    QCOMPARE(texts.confirmation, QString::fromUtf16(u"确认"));
    QCOMPARE(texts.fileExists, QStringLiteral("Exists, replace?"));
    QCOMPARE(texts.readOk, QString());
    QCOMPARE(texts.modError, QStringLiteral("Model Type Wrong."));
    QCOMPARE(texts.writeOk, QStringLiteral("Writing Completed."));
}

void TestLanguageFile::fileNameIgnoresCase()
{
    TempFolder folder;
    folder.write(QStringLiteral("english.ini"), "[Language]\nAll=Every\n");
    TALL all;
    all.appFolder = folder.path();
    all.languageName = QStringLiteral("English");
    QCOMPARE(LanguageFilePath(all.appFolder, all.languageName),
             folder.file(QStringLiteral("english.ini")));
    TLanguage texts;
    LoadLanguage(all, texts);
    QCOMPARE(texts.all, QStringLiteral("Every"));
}

void TestLanguageFile::shippedSettingsStartInEnglish()
{
    SettingsPlace place;
    place.shippedPath = bin(QStringLiteral("SysInfo.Ini"));
    TALL all;
    ReadSettingsFileAt(all, place);
    QCOMPARE(all.languageIndex, 0);
    QCOMPARE(all.languageName, QStringLiteral("English"));
    QCOMPARE(all.helpPrefix, QStringLiteral("WT"));

    QStringList display, files;
    ListLanguagesAt(all, place, display, files);
    QCOMPARE(files, (QStringList{QStringLiteral("English"), QStringLiteral("Chinese")}));
    QCOMPARE(display, (QStringList{QStringLiteral("English"), QStringLiteral("Chinese")}));
    all.languageName = QStringLiteral("Chinese");
    ListLanguagesAt(all, place, display, files);
    QCOMPARE(display, (QStringList{QString::fromUtf16(u"英文"), QString::fromUtf16(u"中文")}));

    for (const QString& f : files)
        QVERIFY2(QFileInfo::exists(bin(f + ".Ini")), qPrintable(f));
}

void TestLanguageFile::shippedMessageTexts()
{
    TLanguage english, chinese;
    LoadLanguageFile(bin(QStringLiteral("English.Ini")), english);
    LoadLanguageFile(bin(QStringLiteral("Chinese.Ini")), chinese);
    const TIniFile en(bin(QStringLiteral("English.Ini")));
    const TIniFile zh(bin(QStringLiteral("Chinese.Ini")));
    for (const Expected& m : Messages) {
        const QString key = QString::fromLatin1(m.key);
        QVERIFY2(en.find(QStringLiteral("Language"), key), m.key);
        QVERIFY2(zh.find(QStringLiteral("Language"), key), m.key);
        // The file cannot keep the leading blank of " Information".
        QCOMPARE(english.*m.field, QString::fromLatin1(m.english).trimmed());
        QVERIFY2(!(chinese.*m.field).isEmpty() && chinese.*m.field != english.*m.field, m.key);
    }
}

void TestLanguageFile::shippedWindowSections_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("language dialog") << "fSetLanguage" << SetLanguageKeys;
    QTest::newRow("file messages") << "FileMessages" << FileMessageKeys;
    QTest::newRow("csv import") << "CsvImport" << csvImportKeys();
}

void TestLanguageFile::shippedWindowSections()
{
    QFETCH(QString, section);
    QFETCH(QStringList, keys);
    const TIniFile en(bin(QStringLiteral("English.Ini")));
    const TIniFile zh(bin(QStringLiteral("Chinese.Ini")));
    for (const QString& key : keys) {
        const auto e = en.find(section, key);
        const auto z = zh.find(section, key);
        QVERIFY2(e && !e->isEmpty(), qPrintable(key));
        QVERIFY2(z && !z->isEmpty() && *z != *e, qPrintable(key));
        // Placeholders and accelerators survive the translation.
        for (const QString& mark :
             {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3"),
              QStringLiteral("%4"), QStringLiteral("&")})
            QCOMPARE(z->contains(mark), e->contains(mark));
    }
}

// Every text of a channel list import has one key of its own; the shipped English file
// gives back the built-in texts, the Chinese one is what the loader hands out, and
// neither has a key the program does not know.
void TestLanguageFile::csvImportTexts()
{
    int count = 0;
    const CsvImportTextKey* table = CsvImportTextKeys(count);
    const CsvImportTexts builtIn;
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < i; ++j) {
            QVERIFY2(QByteArray(table[i].key) != table[j].key, table[i].key);
            QVERIFY2(table[i].member != table[j].member, table[i].key);
        }
    }

    TempFolder folder;
    TALL all;
    all.appFolder = folder.path();
    all.languageName = QStringLiteral("Chinese");
    folder.write(QStringLiteral("Chinese.Ini"), "[CsvImport]\nSkipped=<skipped>\n");
    const CsvImportTexts partial = LoadCsvImportTexts(all);
    const CsvImportTexts english = LoadCsvImportTextsFile(bin(QStringLiteral("English.Ini")));
    const CsvImportTexts chinese = LoadCsvImportTextsFile(bin(QStringLiteral("Chinese.Ini")));
    const TIniFile zh(bin(QStringLiteral("Chinese.Ini")));
    for (int i = 0; i < count; ++i) {
        const auto member = table[i].member;
        QCOMPARE(english.*member, builtIn.*member);
        QCOMPARE(chinese.*member, zh.ReadString(QStringLiteral("CsvImport"),
                                                QString::fromLatin1(table[i].key), QString()));
        if (member != &CsvImportTexts::skipped) QCOMPARE(partial.*member, builtIn.*member);
    }
    QCOMPARE(partial.skipped, QStringLiteral("<skipped>"));
    QStringList keys = csvImportKeys();
    keys.sort();
    for (const char* language : {"English.Ini", "Chinese.Ini"}) {
        QStringList shipped =
            sectionKeys(bin(QLatin1String(language)), QStringLiteral("CsvImport"));
        shipped.sort();
        QCOMPARE(shipped, keys);
    }
}

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
