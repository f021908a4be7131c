#include "ProgramFixture.h"

#include "files/LanguageSwitch.h"
#include "files/SetLanguageDialog.h"
#include "files/ToolkitTranslation.h"
#include "tests/support/ScriptedModal.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QByteArray
    English("[Language]\nConfirmation=Confirmation\n"
            "[fSetLanguage]\nbtnOk.Caption=OK!\n"
            "[fMainFrm]\nfMainFrm.Caption=Main\nlbStatus.Caption=Ready\ncxList.0=One\n");
const QByteArray Chinese = QString::fromUtf16(u"[Language]\nConfirmation=确认\n"
                                              u"[fSetLanguage]\nfSetLanguage.Caption=语言文件设置\n"
                                              u"btnOk.Caption=确定(&O)\ncbLanguage.0=not this\n"
                                              u"[fMainFrm]\nfMainFrm.Caption=主窗口\n"
                                              u"lbStatus.Caption=就绪\ncxList.0=一\n")
                               .toUtf8();

QByteArray settings(int index, const char* list = "English|Chinese")
{
    return QString::fromUtf16(u"[SysInfo]\nDefaultLanguage=%1\nLanguage=%2\n"
                              u"English=English|Chinese\nChinese=英文|中文\n")
        .arg(index)
        .arg(QLatin1String(list))
        .toUtf8();
}

void startWith(ProgramFolder& program, const QByteArray& sysInfo)
{
    program.folder.write(QStringLiteral("SysInfo.Ini"), sysInfo);
    program.folder.write(QStringLiteral("English.Ini"), English);
    program.folder.write(QStringLiteral("Chinese.Ini"), Chinese);
    program.start();
}

QStringList items(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

// What a user does in the dialog: pick a line (-2: touch nothing), then OK or Cancel.
std::function<int(QDialog&)> choose(int index, bool ok)
{
    return [=](QDialog& d) {
        d.show();
        auto& dialog = static_cast<TfSetLanguage&>(d);
        if (index > -2) dialog.cbLanguage->setCurrentIndex(index);
        QTest::mouseClick(ok ? dialog.btnOk : dialog.btnCancel, Qt::LeftButton);
        return d.result();
    };
}

// A stand-in main window with a caption, a label and a list.
struct MainWindow {
    QWidget window;
    QLabel* status = new QLabel(QStringLiteral("status"), &window);
    QComboBox* list = new QComboBox(&window);
    MainWindow()
    {
        window.setObjectName(QStringLiteral("fMainFrm"));
        window.setWindowTitle(QStringLiteral("QZ-17"));
        status->setObjectName(QStringLiteral("lbStatus"));
        list->setObjectName(QStringLiteral("cxList"));
        list->addItems({"first", "second"});
    }
};

} // namespace

class TestSetLanguage : public QObject {
    Q_OBJECT

  private slots:
    void whenShown_data();
    void whenShown();
    void okAndCancel_data();
    void okAndCancel();
    void moreDisplayNamesThanFiles();
    void switchTranslatesMainWindow_data();
    void switchTranslatesMainWindow();
    void sameLanguageChangesNothing();
    void toolkitLocaleOfALanguageFile_data();
    void toolkitLocaleOfALanguageFile();
};

void TestSetLanguage::whenShown_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("okText");
    QTest::addColumn<QString>("title");

    const QString zh = QString::fromUtf16(u"中文"), en = QString::fromUtf16(u"英文");
    QTest::newRow("English, index 0 keeps the built-in texts")
        << 0 << QStringList{"English", "Chinese"} << 0 << "&Ok"
        << "Language File Setup";
    QTest::newRow("Chinese, index 1 is translated")
        << 1 << QStringList{en, zh} << 1 << QString::fromUtf16(u"确定(&O)")
        << QString::fromUtf16(u"语言文件设置");
    QTest::newRow("index past the end selects nothing") << 5 << QStringList{zh, en} << -1 << "&Ok"
                                                        << "Language File Setup";
}

void TestSetLanguage::whenShown()
{
    QFETCH(int, index);
    QFETCH(QStringList, names);
    QFETCH(int, selected);
    QFETCH(QString, okText);
    QFETCH(QString, title);
    ProgramFolder program;
    startWith(program, settings(index));
    TfSetLanguage dialog;
    dialog.show();
    QCOMPARE(dialog.objectName(), QStringLiteral("fSetLanguage"));
    QCOMPARE(items(dialog.cbLanguage), names);
    QCOMPARE(dialog.cbLanguage->currentIndex(), selected);
    QCOMPARE(dialog.Language->count(), 2);
    QCOMPARE(dialog.Language->item(1)->text(), QStringLiteral("Chinese"));
    QVERIFY(dialog.Language->isHidden());
    QCOMPARE(dialog.btnOk->text(), okText);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.lbName->text(), QStringLiteral("Language Mode: "));
    QVERIFY(!dialog.changed());
}

void TestSetLanguage::okAndCancel_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    QTest::newRow("English to Chinese") << 0 << 1 << true << true << 1 << "Chinese";
    QTest::newRow("Chinese to English") << 1 << 0 << true << true << 0 << "English";
    QTest::newRow("same language") << 1 << 1 << true << false << 1 << "Chinese";
    QTest::newRow("cancel") << 0 << 1 << false << false << 0 << "English";
    QTest::newRow("nothing selected") << 5 << -2 << true << false << 5 << "";
}

void TestSetLanguage::okAndCancel()
{
    QFETCH(int, start);
    QFETCH(int, choice);
    QFETCH(bool, ok);
    QFETCH(bool, changed);
    QFETCH(int, index);
    QFETCH(QString, name);
    ProgramFolder program;
    startWith(program, settings(start));
    TfSetLanguage dialog;
    const int result = choose(choice, ok)(dialog);
    QCOMPARE(result, int(ok ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.changed(), changed);
    QCOMPARE(appState().languageIndex, index);
    QCOMPARE(appState().languageName, name);
}

void TestSetLanguage::moreDisplayNamesThanFiles()
{
    ProgramFolder program;
    startWith(program, settings(0, "English"));
    TfSetLanguage dialog;
    choose(1, true)(dialog);
    QCOMPARE(dialog.cbLanguage->count(), 2);
    QVERIFY(!dialog.changed());
    QCOMPARE(appState().languageName, QStringLiteral("English"));
}

void TestSetLanguage::switchTranslatesMainWindow_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("item0");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("yes"); // Qt's own standard button follows the language

    const QString zhYes = QString::fromUtf16(u"是(&Y)");
    const QString zhTitle = QString::fromUtf16(u"主窗口"), zhStatus = QString::fromUtf16(u"就绪"),
                  zhItem = QString::fromUtf16(u"一"), zhConfirm = QString::fromUtf16(u"确认");
    QTest::newRow("to Chinese, unsaved changes")
        << 0 << 1 << true << zhTitle << zhStatus << zhItem << zhConfirm << zhYes;
    QTest::newRow("to Chinese, saved")
        << 0 << 1 << false << zhTitle << zhStatus << zhItem << zhConfirm << zhYes;
    // Index 0 as well: the main window takes the English file's texts.
    QTest::newRow("back to English") << 1 << 0 << true << "Main"
                                     << "Ready"
                                     << "One"
                                     << "Confirmation"
                                     << "&Yes";
}

void TestSetLanguage::switchTranslatesMainWindow()
{
    QFETCH(int, start);
    QFETCH(int, choice);
    QFETCH(bool, modified);
    QFETCH(QString, title);
    QFETCH(QString, status);
    QFETCH(QString, item0);
    QFETCH(QString, confirmation);
    ProgramFolder program;
    startWith(program, settings(start));
    appState().modified = modified;
    const auto image = appState().image;
    MainWindow main;
    ScriptedModal modal;
    modal.dialogs << choose(choice, true);

    QVERIFY(RunLanguageSwitch(&main.window));
    QCOMPARE(modal.dialogNames, QStringList{"fSetLanguage"});
    QCOMPARE(languageTexts().confirmation, confirmation);
    QCOMPARE(main.window.windowTitle(), title);
    QCOMPARE(main.status->text(), status);
    QCOMPARE(main.list->itemText(0), item0);
    QCOMPARE(appState().modified, modified); // unsaved edits still count as unsaved
    QVERIFY(appState().image == image);
    const auto box = Modal::makeMessageBox(nullptr, QMessageBox::Question, confirmation, title,
                                           QMessageBox::Yes | QMessageBox::No);
    QTEST(box->button(QMessageBox::Yes)->text(), "yes");
    QVERIFY(modal.unexpected.isEmpty());
}

void TestSetLanguage::sameLanguageChangesNothing()
{
    ProgramFolder program;
    startWith(program, settings(1));
    languageTexts().confirmation = QStringLiteral("as loaded");
    MainWindow main;
    ScriptedModal modal;
    modal.dialogs << choose(1, true) << choose(0, false);
    QVERIFY(!RunLanguageSwitch(&main.window)); // OK on the current language
    QVERIFY(!RunLanguageSwitch(&main.window)); // another one, then Cancel
    QCOMPARE(main.window.windowTitle(), QStringLiteral("QZ-17"));
    QCOMPARE(main.list->itemText(0), QStringLiteral("first"));
    QCOMPARE(languageTexts().confirmation, QStringLiteral("as loaded"));
    QCOMPARE(appState().languageName, QStringLiteral("Chinese"));
}

void TestSetLanguage::toolkitLocaleOfALanguageFile_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::newRow("Chinese") << "Chinese"
                             << "zh_CN";
    QTest::newRow("German") << "German"
                            << "de_DE";
    QTest::newRow("English: Qt's own texts") << "English"
                                             << "";
    QTest::newRow("no language") << "Radio"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSetLanguage::toolkitLocaleOfALanguageFile()
{
    QFETCH(QString, language);
    QTEST(ToolkitLocaleName(language), "locale");
}

QTEST_MAIN(TestSetLanguage)
#include "tst_setlanguage.moc"
