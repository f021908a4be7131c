#include "FilesFixture.h"

#include "files/IniFile.h"

#include <QtTest>

class TestIniFile : public QObject {
    Q_OBJECT

  private slots:
    void readString_data();
    void readString();
    void missingFile();
    void encodings_data();
    void encodings();
    void writeExistingKeyKeepsEveryOtherByte();
    void writeNewKeyGoesIntoItsSection();
    void writeNewSectionAfterLastLine();
    void writeEncodesInTheFilesEncoding_data();
    void writeEncodesInTheFilesEncoding();
    void unchangedValueLeavesFileAlone();
    void lineEndInValueCannotBreakTheFile();
    void updateCreatesFileAndReportsFailure();
};

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString def = QStringLiteral("<default>");
    QTest::newRow("plain") << QByteArray("[SysInfo]\nCom=COM3\n") << "SysInfo"
                           << "Com"
                           << "COM3";
    QTest::newRow("names ignore case") << QByteArray("[sysinfo]\ncOM=COM3\n") << "SYSINFO"
                                       << "Com"
                                       << "COM3";
    QTest::newRow("comma kept") << QByteArray(
                                       "[Language]\nFileExists=The File is exists,replace it?\n")
                                << "Language"
                                << "FileExists"
                                << "The File is exists,replace it?";
    QTest::newRow("quotes and backslashes verbatim") << QByteArray("[S]\nK=\"a\\tb\"\n") << "S"
                                                     << "K"
                                                     << "\"a\\tb\"";
    QTest::newRow("blanks around key and value trimmed")
        << QByteArray("[S]\n  K \t=  two words \t\n") << "S"
        << "K"
        << "two words";
    QTest::newRow("equals sign inside value") << QByteArray("[S]\nK=a=b\n") << "S"
                                              << "K"
                                              << "a=b";
    QTest::newRow("empty value is not the default") << QByteArray("[S]\nK=\n") << "S"
                                                    << "K"
                                                    << "";
    QTest::newRow("missing key") << QByteArray("[S]\nOther=1\n") << "S"
                                 << "K" << def;
    QTest::newRow("key of another section") << QByteArray("[T]\nK=1\n[S]\nX=2\n") << "S"
                                            << "K" << def;
    QTest::newRow("key before any section") << QByteArray("K=1\n[S]\n") << "S"
                                            << "K" << def;
    QTest::newRow("first occurrence wins") << QByteArray("[S]\nK=1\nK=2\n") << "S"
                                           << "K"
                                           << "1";
    QTest::newRow("section given twice") << QByteArray("[S]\nA=1\n[T]\nB=2\n[s]\nB=3\n") << "S"
                                         << "B"
                                         << "3";
    QTest::newRow("CRLF line ends") << QByteArray("[S]\r\nK=v\r\n") << "S"
                                    << "K"
                                    << "v";
    QTest::newRow("no final line end") << QByteArray("[S]\nK=v") << "S"
                                       << "K"
                                       << "v";
    QTest::newRow("comment line") << QByteArray("[S]\n;K=v\n") << "S"
                                  << "K" << def;
    QTest::newRow("blanks inside brackets") << QByteArray("[ S ]\nK=v\n") << "S"
                                            << "K"
                                            << "v";
    QTest::newRow("mark of a joined UTF-8 part")
        << QByteArray("[A]\nX=1\n\xEF\xBB\xBF[S]\nK=v\n") << "S"
        << "K"
        << "v";
    QTest::newRow("line without equals sign") << QByteArray("[S]\nK\nK=v\n") << "S"
                                              << "K"
                                              << "v";
    QTest::newRow("ideographic space is not a blank")
        << utf8(u"[S]\nK=\u3000文\u3000\n") << "S"
        << "K" << QString::fromUtf16(u"\u3000文\u3000");
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TempFolder folder;
    const TIniFile ini(folder.write(QStringLiteral("t.ini"), content));
    QVERIFY(ini.existed());
    QCOMPARE(ini.ReadString(section, key, QStringLiteral("<default>")), expected);
    QCOMPARE(ini.find(section, key).has_value(), expected != QStringLiteral("<default>"));
}

void TestIniFile::missingFile()
{
    TempFolder folder;
    const TIniFile ini(folder.file(QStringLiteral("none.ini")));
    QVERIFY(!ini.existed());
    QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")),
             QStringLiteral("d"));
    QVERIFY(ini.bytes().isEmpty());
}

void TestIniFile::encodings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("encoding");

    const int u8 = int(TIniFile::Encoding::Utf8), bom = int(TIniFile::Encoding::Utf8Bom),
              gbk = int(TIniFile::Encoding::Gbk);
    QTest::newRow("UTF-8") << utf8(u"[Language]\nK=确认\n") << "Language"
                           << QString::fromUtf16(u"确认") << u8;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + utf8(u"[Language]\nK=确认\n")
                                     << "Language" << QString::fromUtf16(u"确认") << bom;
    QTest::newRow("GBK") << QByteArray("[Language]\r\nK=\xC8\xB7\xC8\xCF\r\n") << "Language"
                         << QString::fromUtf16(u"确认") << gbk;
    // The original program's built-in display names, in GBK.
    QTest::newRow("GBK display names")
        << QByteArray("[SysInfo]\nK=\xD6\xD0\xCE\xC4\x7C\xD3\xA2\xCE\xC4\n") << "SysInfo"
        << QString::fromUtf16(u"中文|英文") << gbk;
    // 0x5D is "]" and 0x5B "[" as single bytes, but trail bytes inside GBK characters.
    QTest::newRow("GBK bracket trail bytes")
        << QByteArray("[\x81\x5D\x81\x5B]\nK=\x81\x5D=\n") << QString::fromUtf16(u"乚乕")
        << QString::fromUtf16(u"乚=") << gbk;
    QTest::newRow("ASCII") << QByteArray("[S]\nK=v\n") << "S"
                           << "v" << u8;
}

void TestIniFile::encodings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, expected);
    QFETCH(int, encoding);
    TempFolder folder;
    const TIniFile ini(folder.write(QStringLiteral("t.ini"), content));
    QCOMPARE(int(ini.encoding()), encoding);
    QCOMPARE(ini.ReadString(section, QStringLiteral("K"), QString()), expected);
    QCOMPARE(ini.bytes(), content); // read alone never changes a byte
}

void TestIniFile::writeExistingKeyKeepsEveryOtherByte()
{
    // GBK, CRLF, a comment, odd spacing, no final line end: all of it must survive.
    const QByteArray before("; \xD6\xD0\xCE\xC4 settings\r\n"
                            "[SysInfo]\r\n"
                            "  Com = COM1  \r\n"
                            "Chinese=\xD6\xD0\xCE\xC4\x7C\xD3\xA2\xCE\xC4\r\n"
                            "\r\n"
                            "[Other]\r\n"
                            "Com=keep");
    TempFolder folder;
    TIniFile ini(folder.write(QStringLiteral("SysInfo.Ini"), before));
    ini.WriteString(QStringLiteral("SYSINFO"), QStringLiteral("com"), QStringLiteral("COM4"));
    QVERIFY(ini.changed());
    QByteArray expected = before;
    expected.replace("  Com = COM1  \r\n", "  Com =COM4\r\n");
    QCOMPARE(ini.bytes(), expected);

    QString reason;
    QVERIFY(ini.UpdateFile(&reason));
    QCOMPARE(folder.read(QStringLiteral("SysInfo.Ini")), expected);
    const TIniFile again(folder.file(QStringLiteral("SysInfo.Ini")));
    QCOMPARE(again.ReadString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QString()),
             QStringLiteral("COM4"));
    QCOMPARE(again.ReadString(QStringLiteral("Other"), QStringLiteral("Com"), QString()),
             QStringLiteral("keep"));
}

void TestIniFile::writeNewKeyGoesIntoItsSection()
{
    const QByteArray before("[SysInfo]\nCom=COM1\n; note\n\n[Other]\nX=1\n");
    TempFolder folder;
    TIniFile ini(folder.write(QStringLiteral("t.ini"), before));
    ini.WriteString(QStringLiteral("SysInfo"), QStringLiteral("PicID"), QStringLiteral("0"));
    QCOMPARE(ini.bytes(), QByteArray("[SysInfo]\nCom=COM1\n; note\nPicID=0\n\n[Other]\nX=1\n"));
    QCOMPARE(ini.ReadString(QStringLiteral("SysInfo"), QStringLiteral("PicID"), QString()),
             QStringLiteral("0"));
    QVERIFY(!ini.find(QStringLiteral("Other"), QStringLiteral("PicID")));
}

void TestIniFile::writeNewSectionAfterLastLine()
{
    TempFolder folder;
    TIniFile ini(folder.write(QStringLiteral("t.ini"), QByteArray("[A]\r\nX=1")));
    ini.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QStringLiteral("COM2"));
    ini.WriteString(QStringLiteral("SysInfo"), QStringLiteral("PicID"), QStringLiteral("3"));
    // The file's own line end is used for what is added.
    QCOMPARE(ini.bytes(), QByteArray("[A]\r\nX=1\r\n[SysInfo]\r\nCom=COM2\r\nPicID=3\r\n"));
}

void TestIniFile::writeEncodesInTheFilesEncoding_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("GBK file gets a GBK line")
        << QByteArray("[S]\nA=\xD6\xD0\xCE\xC4\nK=x\n")
        << QByteArray("[S]\nA=\xD6\xD0\xCE\xC4\nK=\xB6\xCB\xBF\xDA\n");
    QTest::newRow("UTF-8 file gets a UTF-8 line")
        << utf8(u"[S]\nA=中文\nK=x\n") << utf8(u"[S]\nA=中文\nK=端口\n");
    QTest::newRow("mark stays in front") << QByteArray("\xEF\xBB\xBF[S]\nK=x\n")
                                         << QByteArray("\xEF\xBB\xBF") + utf8(u"[S]\nK=端口\n");
}

void TestIniFile::writeEncodesInTheFilesEncoding()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TempFolder folder;
    TIniFile ini(folder.write(QStringLiteral("t.ini"), before));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QString::fromUtf16(u"端口"));
    QCOMPARE(ini.bytes(), after);
}

void TestIniFile::unchangedValueLeavesFileAlone()
{
    const QByteArray before("[S]\nK = v\n");
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("t.ini"), before);
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    TIniFile ini(path);
    ini.WriteString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    QVERIFY(!ini.changed());
    QVERIFY(ini.UpdateFile());
    QCOMPARE(folder.read(QStringLiteral("t.ini")), before);
    QCOMPARE(QFileInfo(path).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
}

void TestIniFile::lineEndInValueCannotBreakTheFile()
{
    TempFolder folder;
    TIniFile ini(folder.write(QStringLiteral("t.ini"), QByteArray("[S]\nK=1\n")));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a\r\n[T]\nX=1"));
    QCOMPARE(ini.bytes(), QByteArray("[S]\nK=a  [T] X=1\n"));
    QVERIFY(!ini.find(QStringLiteral("T"), QStringLiteral("X")));
}

void TestIniFile::updateCreatesFileAndReportsFailure()
{
    TempFolder folder;
    TIniFile fresh(folder.file(QStringLiteral("new.ini")));
    fresh.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QStringLiteral("COM1"));
    QVERIFY(fresh.UpdateFile());
    QCOMPARE(folder.read(QStringLiteral("new.ini")), QByteArray("[SysInfo]\nCom=COM1\n"));

    TIniFile nowhere(folder.file(QStringLiteral("no/such/folder/x.ini")));
    nowhere.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    QString reason;
    QVERIFY(!nowhere.UpdateFile(&reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(nowhere.changed()); // still to be written
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
