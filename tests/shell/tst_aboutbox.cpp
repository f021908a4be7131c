// The about box: texts from the language file (placeholders without them), the icon,
// and which clicks close it.
#include "shell/AboutBox.h"
#include "tests/shell/ShellFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

class TestAboutBox : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        StartProgramIn(dir.path());
        WriteTextFile(dir.filePath(QStringLiteral("Plain.Ini")),
                      "[Language]\nConfirmation=OK?\n[fMainFrm]\nLabel1.Caption=wrong section\n");
        WriteTextFile(dir.filePath(QStringLiteral("Told.Ini")),
                      "[fFrmAbout]\nfFrmAbout.Caption=About\nLabel1.Caption=First line\n"
                      "Label9.Caption=Sixth line\nLabel5.Caption=Memo one\n"
                      "Label6.Caption=Memo two\nLabel7.Caption=Memo three\n");
    }

    void texts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("memo");
        QTest::newRow("no about texts")
            << "Plain" << QStringList{"1", "2", "3", "4", "5", "6"} << "7\n8\n\n9";
        QTest::newRow("no language file")
            << "Missing" << QStringList{"1", "2", "3", "4", "5", "6"} << "7\n8\n\n9";
        QTest::newRow("about texts")
            << "Told" << QStringList{"First line", "2", "3", "4", "5", "Sixth line"}
            << "Memo one\nMemo two\n\nMemo three";
    }

    void texts()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, lines);
        QFETCH(QString, memo);
        appState().languageName = language;
        appState().languageIndex = 0; // the about box translates whatever the index is

        TfFrmAbout about;
        about.show();
        QStringList shown;
        for (const char* name : {"Label1", "Label2", "Label3", "Label8", "Label4", "Label9"})
            shown << about.findChild<QLabel*>(QLatin1String(name))->text();
        QCOMPARE(shown, lines);
        QCOMPARE(about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(), memo);
        QCOMPARE(about.windowTitle(), QStringLiteral("QZ-17")); // the title text, always
        QVERIFY(!about.findChild<QLabel*>(QStringLiteral("ImApp"))->pixmap().isNull());
        QCOMPARE(about.size(), QSize(408, 269));
    }

    // The shipped fragments give every line of the box a real text.
    void shippedTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }

    void shippedTexts()
    {
        QFETCH(QString, language);
        const QString path =
            QStringLiteral(QZ_SOURCE_DIR "/lang/") + language + QStringLiteral("/fFrmAbout.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("[fFrmAbout]"));
        TfFrmAbout about;
        for (const QString& line : lines.mid(1)) {
            const QString name = line.section(u'=', 0, 0).section(u'.', 0, 0);
            QVERIFY2(name == QLatin1String("fFrmAbout") || about.findChild<QLabel*>(name),
                     qPrintable(QStringLiteral("unknown key ") + line));
        }
        const QString shipped = dir.filePath(language + QStringLiteral(".Ini"));
        QFile::remove(shipped);
        QVERIFY(QFile::copy(path, shipped));
        appState().languageName = language;
        about.show();
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (label->objectName() == QLatin1String("ImApp")) continue;
            QVERIFY2(label->text().size() > 1, qPrintable(label->objectName()));
        }
        QVERIFY(about.findChild<QPlainTextEdit*>()->toPlainText().size() > 20);
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("target"); // "" the dialog itself
        QTest::addColumn<bool>("closes");
        QTest::newRow("background") << "" << true;
        QTest::newRow("first line") << "Label1" << true;
        QTest::newRow("last line") << "Label9" << true;
        QTest::newRow("icon") << "ImApp" << false;
        QTest::newRow("memo") << "Memo1" << false;
    }

    void clicks()
    {
        QFETCH(QString, target);
        QFETCH(bool, closes);
        appState().languageName = QStringLiteral("Plain");
        TfFrmAbout about;
        about.show();
        QWidget* widget = &about;
        QPoint at(30, 100); // below the icon, left of the lines
        if (!target.isEmpty()) {
            widget = about.findChild<QWidget*>(target);
            if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) widget = memo->viewport();
            at = widget->rect().center();
        }
        QVERIFY(about.childAt(QPoint(30, 100)) == nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QCOMPARE(about.isVisible(), !closes);
    }

  private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
