// The help command: the .chm of the help prefix and language, else the HTML help of the
// same base name, else a message naming the file.
#include "shell/HelpFile.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/ScriptedModal.h"

#include <QDesktopServices>
#include <QUrl>
#include <QtTest>

// Stands in for the desktop: records what it was asked to open.
class DesktopRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestHelp : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        StartProgramIn(dir.path());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        desktop.opened.clear();
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
    }

    void opensTheFileThere_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("opened"); // empty: nothing opened, the user is told
        QTest::newRow("chm") << "WT"
                             << "English" << QStringList{"WT_English.chm"} << "WT_English.chm";
        QTest::newRow("html stands in")
            << "WT"
            << "English" << QStringList{"WT_English.html"} << "WT_English.html";
        QTest::newRow("chm first")
            << "WT"
            << "English" << QStringList{"WT_English.html", "WT_English.chm"} << "WT_English.chm";
        QTest::newRow("prefix and language")
            << "XY"
            << "Chinese" << QStringList{"WT_Chinese.html", "XY_Chinese.html"} << "XY_Chinese.html";
        QTest::newRow("other language only") << "WT"
                                             << "English" << QStringList{"WT_Chinese.html"} << "";
        QTest::newRow("none") << "WT"
                              << "English" << QStringList{} << "";
        // A folder of that name is no help file.
        QTest::newRow("folder") << "WT"
                                << "English" << QStringList{"WT_English.chm/"} << "";
    }

    void opensTheFileThere()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, language);
        QFETCH(QStringList, present);
        QFETCH(QString, opened);
        for (const QString& name : present) {
            if (name.endsWith(u'/'))
                QDir(dir.path()).mkdir(name.chopped(1));
            else
                WriteTextFile(dir.filePath(name), "<html></html>");
        }
        TALL all = appState();
        all.helpPrefix = prefix;
        all.languageName = language;

        ScriptedModal modal;
        ShowHelp(all, QStringLiteral("missing: %1"), QStringLiteral("failed: %1"));

        if (opened.isEmpty()) {
            QVERIFY(desktop.opened.isEmpty());
            const QString base = QDir::toNativeSeparators(dir.filePath(prefix + u'_' + language));
            QCOMPARE(modal.texts(), QStringList{QStringLiteral("missing: ") + base +
                                                QStringLiteral(".chm (.html)")});
            QCOMPARE(modal.shown.first().icon, QMessageBox::Information);
        } else {
            QVERIFY(modal.shown.isEmpty());
            QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(dir.filePath(opened))});
        }
        QDir(dir.path()).rmdir(prefix + u'_' + language + QStringLiteral(".chm"));
    }

  private:
    QTemporaryDir dir;
    DesktopRecorder desktop;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
