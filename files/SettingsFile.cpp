#include "SettingsFile.h"

#include "IniFile.h"
#include "ProgramFolders.h"
#include "core/AppState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString Section = QStringLiteral("SysInfo");
const QString SettingsFileName = QStringLiteral("SysInfo.Ini");
const QString DefaultLanguageList = QStringLiteral("Chinese|English");
// The Chinese words for Chinese and English (GBK D6 D0 CE C4 7C D3 A2 CE C4 in the
// original program).
const QString DefaultDisplayNames = QStringLiteral(u"中文|英文");

// Each key from the per-user file when it is in use and has the key, else from the
// shipped file, else the default.
class SettingsReader {
  public:
    explicit SettingsReader(const SettingsPlace& place)
        : shipped(place.shippedPath), user(place.useUserFile ? place.userPath : QString())
    {
    }
    QString read(const QString& key, const QString& def) const
    {
        if (const auto v = user.find(Section, key)) return *v;
        return shipped.ReadString(Section, key, def);
    }

  private:
    TIniFile shipped;
    TIniFile user;
};

int toIntOr(const QString& text, int fallback, bool* ok = nullptr)
{
    bool good = false;
    const int v = text.toInt(&good, 10);
    if (ok) *ok = good;
    return good ? v : fallback;
}

} // namespace

QString FindFileNoCase(const QString& folder, const QString& fileName)
{
    const QString exact = folder + fileName;
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& e : entries)
        if (e.compare(fileName, Qt::CaseInsensitive) == 0) return folder + e;
    return exact;
}

QString UserSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/QZ-17/") + SettingsFileName;
}

bool CanWriteFile(const QString& path)
{
    const QFileInfo info(path);
    // Looked at, never opened: a named pipe in the file's place would hold an open.
    if (info.exists() && (!info.isFile() || !info.isWritable())) return false;
    if (!info.absoluteDir().exists()) return false;
    // A save writes the new file beside the old one and renames it; a folder that
    // cannot take that file cannot take the settings, even when the file itself could
    // be overwritten in place (a kill during that would leave it empty).
    QTemporaryFile probe(info.absolutePath() + QStringLiteral("/.SysInfo-XXXXXX"));
    return probe.open();
}

SettingsPlace LocateSettingsFile(const QString& appFolder)
{
    SettingsPlace place;
    place.shippedPath = FindProgramFile(appFolder, SettingsFileName);
    place.userPath = UserSettingsPath();
    // The shipped file of an installed program is everyone's and the package manager's;
    // its settings never go there, nor beside it into bin/, even when root runs it.
    const bool installed = place.shippedPath.startsWith(InstalledDataFolder(appFolder));
    place.useUserFile = installed || !CanWriteFile(place.shippedPath);
    return place;
}

QString ChooseListEntry(const QString& list, qint64 index)
{
    QString remaining = list;
    QString choice;
    for (qint64 round = 0; round <= index; ++round) {
        // Once the text is used up every later round chooses the empty text.
        if (remaining.isEmpty()) return QString();
        const qsizetype bar = remaining.indexOf(u'|');
        if (bar >= 0) {
            choice = remaining.left(bar);
            remaining = remaining.mid(bar + 1);
        } else {
            choice = remaining;
            remaining.clear();
        }
    }
    return choice;
}

QStringList SplitList(const QString& list)
{
    QStringList parts;
    QString remaining = list;
    while (!remaining.isEmpty()) {
        const qsizetype bar = remaining.indexOf(u'|');
        if (bar >= 0) {
            parts << remaining.left(bar);
            remaining = remaining.mid(bar + 1);
        } else {
            parts << remaining;
            remaining.clear();
        }
    }
    return parts;
}

void ReadSettingsFile(TALL& all)
{
    ReadSettingsFileAt(all, LocateSettingsFile(all.appFolder));
}

void ReadSettingsFileAt(TALL& all, const SettingsPlace& place)
{
    const SettingsReader ini(place);
    all.portName = ini.read(QStringLiteral("Com"), QStringLiteral("Com1"));
    const QString defaultLanguage =
        ini.read(QStringLiteral("DefaultLanguage"), QStringLiteral("0"));
    all.helpPrefix = ini.read(QStringLiteral("Help"), QStringLiteral("WT"));
    all.languageIndex = toIntOr(defaultLanguage, 0);

    bool ok = false;
    const int picId = toIntOr(ini.read(QStringLiteral("PicID"), QStringLiteral("0")), 0, &ok);
    // Wraps like the 32-bit arithmetic of the file's other readers, so any stored
    // number is written back unchanged.
    all.pictureNumber = ok ? qint32(quint32(picId) + 1u) : 1;

    all.languageName = ChooseListEntry(ini.read(QStringLiteral("Language"), DefaultLanguageList),
                                       all.languageIndex);

    all.backupBeforeWrite =
        ini.read(QStringLiteral("BackupFirst"), QStringLiteral("0")) == QLatin1String("1");
    all.verifyAfterWrite =
        ini.read(QStringLiteral("VerifyWrite"), QStringLiteral("0")) == QLatin1String("1");
    all.recentFiles.clear();
    for (int i = 1; i <= MaxRecentFiles; ++i) {
        const QString path = ini.read(QStringLiteral("RecentFile%1").arg(i), QString());
        if (!path.isEmpty() && !all.recentFiles.contains(path)) all.recentFiles << path;
    }
}

bool WriteSettingsFile(const TALL& all, QString* reason)
{
    return WriteSettingsFileAt(all, LocateSettingsFile(all.appFolder), reason);
}

bool WriteSettingsFileAt(const TALL& all, const SettingsPlace& place, QString* reason)
{
    const QString path = place.useUserFile ? place.userPath : place.shippedPath;
    if (place.useUserFile && !QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (reason)
            *reason = QStringLiteral("%1: %2").arg(
                path, QStringLiteral("the folder %1 cannot be created")
                          .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
        return false;
    }
    TIniFile ini(path);
    ini.WriteString(Section, QStringLiteral("Com"), all.portName);
    ini.WriteString(Section, QStringLiteral("DefaultLanguage"), QString::number(all.languageIndex));
    ini.WriteString(Section, QStringLiteral("PicID"),
                    QString::number(qint32(quint32(all.pictureNumber) - 1u)));
    // The program's additions go in only once they differ from their defaults, so a
    // file that never needed them stays as it was shipped.
    const auto writeAddition = [&](const QString& key, const QString& value,
                                   const QString& defaultValue) {
        if (value != defaultValue || ini.find(Section, key)) ini.WriteString(Section, key, value);
    };
    const QString off = QStringLiteral("0");
    writeAddition(QStringLiteral("BackupFirst"), all.backupBeforeWrite ? QStringLiteral("1") : off,
                  off);
    writeAddition(QStringLiteral("VerifyWrite"), all.verifyAfterWrite ? QStringLiteral("1") : off,
                  off);
    for (int i = 1; i <= MaxRecentFiles; ++i)
        writeAddition(QStringLiteral("RecentFile%1").arg(i), all.recentFiles.value(i - 1),
                      QString());
    QString why;
    if (ini.UpdateFile(&why)) return true;
    if (reason) *reason = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
    return false;
}

void ListLanguages(const TALL& all, QStringList& displayNames, QStringList& fileNames)
{
    ListLanguagesAt(all, LocateSettingsFile(all.appFolder), displayNames, fileNames);
}

void ListLanguagesAt(const TALL& all, const SettingsPlace& place, QStringList& displayNames,
                     QStringList& fileNames)
{
    const SettingsReader ini(place);
    fileNames = SplitList(ini.read(QStringLiteral("Language"), DefaultLanguageList));
    displayNames = SplitList(ini.read(all.languageName, DefaultDisplayNames));
}

void AddRecentFile(QStringList& recent, const QString& path)
{
    if (path.isEmpty()) return;
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > MaxRecentFiles)
        recent.removeLast();
}
