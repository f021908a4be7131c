// Where the program finds its language files, help and settings: beside the executable
// (a build, an unpacked copy), then in the installed data folder found from the
// executable's folder, and where it keeps the settings it writes: beside the executable,
// or in the user's configuration folder. Each case lays out a program in a temporary
// folder as the install rules would.

#include "core/DataModule.h"
#include "files/LanguageFile.h"
#include "files/SettingsFile.h"
#include "shell/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// What lies in a folder: L the language file, H the help, S the settings file.
bool has(const QString& files, QChar kind)
{
    return files.contains(kind);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(bytes);
}

// Takes the write permission of a folder and its settings file away for its lifetime.
struct ReadOnlyFolder {
    QString path;
    explicit ReadOnlyFolder(const QString& folder, bool active) : path(active ? folder : QString())
    {
        if (!active) return;
        QFile::setPermissions(path + QStringLiteral("SysInfo.Ini"), QFile::ReadOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (path.isEmpty()) return;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path + QStringLiteral("SysInfo.Ini"),
                              QFile::ReadOwner | QFile::WriteOwner);
    }
};

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file names the place it lies in, so what was read shows where it came from.
void layOut(const QString& folder, const QString& files, const QByteArray& place)
{
    if (has(files, u'L'))
        writeFile(folder + QStringLiteral("English.Ini"),
                  "[Language]\nConfirmation=" + place + "\n");
    if (has(files, u'H'))
        writeFile(folder + QStringLiteral("WT_English.html"), "<html>" + place + "</html>");
    if (has(files, u'S'))
        writeFile(folder + QStringLiteral("SysInfo.Ini"),
                  "[SysInfo]\nCom=" + place +
                      "\nDefaultLanguage=0\nHelp=WT\nLanguage=English|Chinese\n");
}

} // namespace

class TestProgramFiles : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { qunsetenv("XDG_CONFIG_HOME"); }

    void lookUpOrder_data()
    {
        // Files beside the executable, "/", files in the installed data folder.
        QTest::addColumn<QString>("files");
        QTest::addColumn<bool>("userFile"); // settings a former run left for the user
        QTest::addColumn<bool>("readOnly"); // the executable's folder and files cannot be written
        // Where the language file, the help and the settings were found (beside, share,
        // user, or empty: nowhere), and where the settings are written.
        QTest::addColumn<QStringList>("found");

        QTest::newRow("build tree")
            << "LHS/" << false << false << QStringList{"beside", "beside", "beside", "beside"};
        QTest::newRow("beside comes first")
            << "LHS/LHS" << false << false << QStringList{"beside", "beside", "beside", "beside"};
        QTest::newRow("installed")
            << "/LHS" << false << false << QStringList{"share", "share", "share", "user"};
        QTest::newRow("installed, settings of a former run")
            << "/LHS" << true << false << QStringList{"share", "share", "user", "user"};
        QTest::newRow("each file on its own")
            << "L/HS" << false << false << QStringList{"beside", "share", "share", "user"};
        QTest::newRow("read-only program folder")
            << "LHS/LHS" << false << true << QStringList{"beside", "beside", "beside", "user"};
        QTest::newRow("nothing anywhere")
            << "/" << false << false << QStringList{"", "", "", "beside"};
    }

    void lookUpOrder()
    {
        QFETCH(QString, files);
        QFETCH(bool, userFile);
        QFETCH(bool, readOnly);
        QFETCH(QStringList, found);
        const QString beside = files.section(u'/', 0, 0), share = files.section(u'/', 1);
        const QString language = found[0], help = found[1], settings = found[2], written = found[3];
        if (readOnly && geteuid() == 0) QSKIP("permissions do not bind the superuser");

        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath(QStringLiteral(QZ_INSTALL_BINDIR)) + u'/';
        const QString data = root.filePath(QStringLiteral(QZ_DATA_INSTALL_DIR)) + u'/';
        const QString config = root.filePath(QStringLiteral("config"));
        const QString userPath = config + QStringLiteral("/QZ-17/SysInfo.Ini");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QDir().mkpath(bin);
        layOut(bin, beside, "beside");
        layOut(data, share, "share");
        if (userFile) writeFile(userPath, "[SysInfo]\nCom=user\n");
        const QString where[] = {QStringLiteral("beside"), QStringLiteral("share")};
        const QString folders[] = {bin, data};
        QMap<QString, QByteArray> before;
        for (const QString& folder : folders)
            before[folder] = readFile(folder + QStringLiteral("SysInfo.Ini"));
        const ReadOnlyFolder guard(bin, readOnly);

        StartupReaders readers;
        readers.readSettingsFile = [](TALL& all) { ReadSettingsFile(all); };
        readers.loadLanguage = [](const TALL& all, TLanguage& texts) { LoadLanguage(all, texts); };
        TfMaindb db;
        db.DataModuleCreate(bin + QStringLiteral("qz17"), readers);

        QCOMPARE(db.language.confirmation,
                 language.isEmpty() ? QStringLiteral("Confirmation") : language);
        QCOMPARE(db.all.portName, settings.isEmpty() ? QStringLiteral("Com1") : settings);
        QString helpFile;
        for (int i = 0; i < 2; ++i)
            if (help == where[i]) helpFile = folders[i] + QStringLiteral("WT_English.html");
        QCOMPARE(FindHelpFile(db.all), helpFile);

        db.all.portName = QStringLiteral("COM5");
        QString reason;
        QVERIFY2(WriteSettingsFile(db.all, &reason), qPrintable(reason));
        const QString target =
            written == QLatin1String("user") ? userPath : bin + QStringLiteral("SysInfo.Ini");
        QVERIFY2(readFile(target).contains("Com=COM5\n"), qPrintable(target));
        // No other settings file changed, and the user's folder only when it is the place.
        for (const QString& folder : folders)
            if (folder + QStringLiteral("SysInfo.Ini") != target)
                QCOMPARE(readFile(folder + QStringLiteral("SysInfo.Ini")), before[folder]);
        if (target != userPath) QCOMPARE(QFile::exists(userPath), userFile);

        // The next start finds what this one wrote.
        TfMaindb next;
        next.DataModuleCreate(bin + QStringLiteral("qz17"), readers);
        QCOMPARE(next.all.portName, QStringLiteral("COM5"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
