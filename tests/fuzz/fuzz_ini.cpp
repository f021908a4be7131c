// SysInfo.Ini and language files as the programs read and write them: the settings,
// the language lists, the 22 message texts, then one key written back through the
// save routine. Oracle: the written key reads back as written and a key not written
// reads back as before.

#include "FuzzProgram.h"

#include "core/LanguageTexts.h"
#include "files/IniFile.h"
#include "files/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// On a memory file system where there is one: every input is written to a file.
const QTemporaryDir& folder()
{
    static const QTemporaryDir dir(
        QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/qz17-fuzz-ini-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/qz17-fuzz-ini-XXXXXX"));
    return dir;
}

// What the reader takes away around a value.
QString withoutBlanks(QString s)
{
    const auto blank = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == QChar(0xFEFF);
    };
    while (!s.isEmpty() && blank(s.front()))
        s.remove(0, 1);
    while (!s.isEmpty() && blank(s.back()))
        s.chop(1);
    return s;
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzProgram();
    const QByteArray bytes = FuzzBytes(data, size);
    const QString path = folder().filePath(QStringLiteral("SysInfo.Ini"));
    put(path, bytes);

    SettingsPlace place;
    place.shippedPath = path;
    place.userPath = folder().filePath(QStringLiteral("user.Ini"));
    TALL all;
    ReadSettingsFileAt(all, place);
    QStringList display, files;
    ListLanguagesAt(all, place, display, files);
    TLanguage texts;
    LoadLanguageFile(path, texts);

    // The value written comes from the input too, line ends and all.
    const QString value = QString::fromUtf8(bytes.left(40));
    TIniFile ini(path);
    const auto untouched = ini.find(QStringLiteral("Language"), QStringLiteral("Confirmation"));
    ini.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"), value);
    FUZZ_CHECK(ini.UpdateFile());

    const TIniFile reread(path);
    QString expected = value;
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    const auto written = reread.find(QStringLiteral("SysInfo"), QStringLiteral("Com"));
    FUZZ_CHECK(written.has_value());
    // A GBK file takes only what GBK can hold; in UTF-8 every text comes back.
    if (ini.encoding() != TIniFile::Encoding::Gbk) FUZZ_CHECK(*written == withoutBlanks(expected));
    FUZZ_CHECK(reread.find(QStringLiteral("Language"), QStringLiteral("Confirmation")) ==
               untouched);
    return 0;
}
