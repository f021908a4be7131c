#include "FilesFixture.h"

#include "core/DataModule.h"
#include "files/TranslateForm.h"
#include "widgets/Tag.h"
#include "widgets/TranslatableGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Stands in for the grid control: four columns, header texts in row 1.
class FakeGrid : public QWidget, public TranslatableGrid {
  public:
    explicit FakeGrid(QWidget* parent) : QWidget(parent) {}
    QStringList headers{"#", "Col A", "Col B", "Col C"};
    int headerColumnCount() const override { return int(headers.size()); }
    QString headerText(int column) const override { return headers.value(column); }
    void setHeaderText(int column, const QString& text) override { headers[column] = text; }
};

template <typename W> W* add(QWidget* parent, const char* name, int tag = 0)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    if (tag) Tag::set(w, tag);
    parent->layout()->addWidget(w);
    return w;
}

// A small window with one control of every kind the translation knows.
struct TestWindow {
    QWidget window;
    QLabel* label;
    QLabel* nested;
    QLabel* emptied;
    QLabel* untouched;
    QPushButton* button;
    QCheckBox* check;
    QRadioButton* radio;
    QGroupBox* group;
    QTabWidget* tabs;
    QAction* action;
    QMenu* menu;
    QToolButton* tool;
    FakeGrid* grid;
    FakeGrid* dataGrid;
    QComboBox* combo;
    QComboBox* toneCombo;
    QComboBox* dataCombo;
    QListWidget* list;
    QListWidget* dataList;

    TestWindow()
    {
        window.setObjectName(QStringLiteral("fTest"));
        window.setWindowTitle(QStringLiteral("Test"));
        new QVBoxLayout(&window);
        label = add<QLabel>(&window, "lbA");
        label->setText(QStringLiteral("Label"));
        emptied = add<QLabel>(&window, "lbEmpty");
        emptied->setText(QStringLiteral("Not empty"));
        untouched = add<QLabel>(&window, "lbNoKey");
        untouched->setText(QStringLiteral("Stays"));
        button = add<QPushButton>(&window, "btnB");
        check = add<QCheckBox>(&window, "cbC");
        radio = add<QRadioButton>(&window, "rbD");
        group = add<QGroupBox>(&window, "gbE");
        group->setLayout(new QVBoxLayout);
        nested = add<QLabel>(group, "lbNested");
        tabs = add<QTabWidget>(&window, "pcTabs");
        auto* pageF = new QWidget;
        pageF->setObjectName(QStringLiteral("tsF"));
        tabs->addTab(pageF, QStringLiteral("Page F"));
        tabs->addTab(new QWidget, QStringLiteral("Unnamed page"));
        auto* pageG = new QWidget;
        pageG->setObjectName(QStringLiteral("tsG"));
        tabs->addTab(pageG, QStringLiteral("Page G"));
        action = new QAction(QStringLiteral("Action"), &window);
        action->setObjectName(QStringLiteral("nH"));
        menu = new QMenu(QStringLiteral("Menu"), &window);
        menu->setObjectName(QStringLiteral("nMenu"));
        menu->addAction(action);
        tool = add<QToolButton>(&window, "tbI");
        grid = add<FakeGrid>(&window, "gvJ");
        dataGrid = add<FakeGrid>(&window, "gvK", Tag::NeverTranslate);
        combo = add<QComboBox>(&window, "cxL");
        combo->addItems({"a", "b", "c", "d"});
        combo->setCurrentIndex(2);
        toneCombo = add<QComboBox>(&window, "cxRxDcts", Tag::FirstItemOnly);
        toneCombo->addItems({"None", "67.0", "69.3", "71.9", "74.4", "77.0"});
        toneCombo->setCurrentIndex(0);
        dataCombo = add<QComboBox>(&window, "cbCom", Tag::NeverTranslate);
        dataCombo->addItems({"COM1", "COM2"});
        list = add<QListWidget>(&window, "lsO");
        list->addItems({"x", "y", "z"});
        dataList = add<QListWidget>(&window, "lsP", Tag::NeverTranslate);
        dataList->addItems({"English", "Chinese"});
    }
};

const QByteArray LanguageFile = QString::fromUtf16(u"[Language]\n"
                                                   u"Confirmation=确认\n"
                                                   u"[fTest]\n"
                                                   u"fTest.Caption=测试窗口\n"
                                                   u"lbA.Caption=Label, with comma\n"
                                                   u"lbEmpty.Caption=\n"
                                                   u"btnB.Caption=&Button!\n"
                                                   u"cbC.Caption=Check!\n"
                                                   u"rbD.Caption=Radio!\n"
                                                   u"gbE.Caption=Group!\n"
                                                   u"lbNested.Caption=Nested!\n"
                                                   u"tsF.Caption=Page F!\n"
                                                   u"nH.Caption=Action!\n"
                                                   u"nH.Hint=Action hint\n"
                                                   u"nMenu.Caption=&Menu!\n"
                                                   u"tbI.Caption=Tool!\n"
                                                   u"tbI.Hint=Tool hint\n"
                                                   u"gvJ.0=not column 0\n"
                                                   u"gvJ.1=First\n"
                                                   u"gvJ.3=Third\n"
                                                   u"gvJ.4=past the last column\n"
                                                   u"gvK.1=not this\n"
                                                   u"cxL.0=zero\n"
                                                   u"cxL.1=one\n"
                                                   u"cxL.3=three\n"
                                                   u"cxRxDcts.0=关\n"
                                                   u"cxRxDcts.5=not this\n"
                                                   u"cbCom.0=not this\n"
                                                   u"lsO.0=item zero\n"
                                                   u"lsO.2=item two\n"
                                                   u"lsP.0=not this\n"
                                                   u"[fOther]\n"
                                                   u"lbNoKey.Caption=another window's\n")
                                    .toUtf8();

} // namespace

class TestTranslateForm : public QObject {
    Q_OBJECT

  private slots:
    void captionsAndHints();
    void lists_data();
    void lists();
    void missingFileChangesNothing();
    void languageFileFromTheProgramFolder();
};

void TestTranslateForm::captionsAndHints()
{
    TempFolder folder;
    TestWindow w;
    const QString before = w.button->text();
    TranslateFormFromFile(&w.window, folder.write(QStringLiteral("T.Ini"), LanguageFile), false);
    QCOMPARE(w.window.windowTitle(), QString::fromUtf16(u"测试窗口"));
    QCOMPARE(w.label->text(), QStringLiteral("Label, with comma"));
    QCOMPARE(w.emptied->text(), QString());
    QCOMPARE(w.untouched->text(), QStringLiteral("Stays"));
    QCOMPARE(w.button->text(), QStringLiteral("&Button!"));
    QVERIFY(w.button->text() != before);
    QCOMPARE(w.check->text(), QStringLiteral("Check!"));
    QCOMPARE(w.radio->text(), QStringLiteral("Radio!"));
    QCOMPARE(w.group->title(), QStringLiteral("Group!"));
    QCOMPARE(w.nested->text(), QStringLiteral("Nested!"));
    QCOMPARE(w.tabs->tabText(0), QStringLiteral("Page F!"));
    QCOMPARE(w.tabs->tabText(1), QStringLiteral("Unnamed page"));
    QCOMPARE(w.tabs->tabText(2), QStringLiteral("Page G"));
    QCOMPARE(w.action->text(), QStringLiteral("Action!"));
    QCOMPARE(w.action->toolTip(), QStringLiteral("Action hint"));
    QCOMPARE(w.action->statusTip(), QStringLiteral("Action hint"));
    QCOMPARE(w.menu->title(), QStringLiteral("&Menu!"));
    QCOMPARE(w.tool->text(), QStringLiteral("Tool!"));
    QCOMPARE(w.tool->toolTip(), QStringLiteral("Tool hint"));
    QCOMPARE(w.grid->headers, (QStringList{"#", "First", "Col B", "Third"}));
    QCOMPARE(w.dataGrid->headers, (QStringList{"#", "Col A", "Col B", "Col C"}));
}

void TestTranslateForm::lists_data()
{
    QTest::addColumn<bool>("translateLists");
    QTest::newRow("with lists") << true;
    QTest::newRow("without lists") << false;
}

void TestTranslateForm::lists()
{
    QFETCH(bool, translateLists);
    TempFolder folder;
    TestWindow w;
    w.toneCombo->setCurrentIndex(4);
    TranslateFormFromFile(&w.window, folder.write(QStringLiteral("T.Ini"), LanguageFile),
                          translateLists);

    auto items = [](const QComboBox* c) {
        QStringList t;
        for (int i = 0; i < c->count(); ++i)
            t << c->itemText(i);
        return t;
    };
    if (translateLists) {
        QCOMPARE(items(w.combo), (QStringList{"zero", "one", "c", "three"}));
        QCOMPARE(items(w.toneCombo),
                 (QStringList{QString::fromUtf16(u"关"), "67.0", "69.3", "71.9", "74.4", "77.0"}));
    } else {
        QCOMPARE(items(w.combo), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(items(w.toneCombo)[0], QStringLiteral("None"));
    }
    // The selection stays where it was, whatever happened to the items.
    QCOMPARE(w.combo->currentIndex(), 2);
    QCOMPARE(w.toneCombo->currentIndex(), 4);
    QCOMPARE(items(w.dataCombo), (QStringList{"COM1", "COM2"}));

    // List boxes are translated whatever translateLists says; tag -2 never.
    QCOMPARE(w.list->item(0)->text(), QStringLiteral("item zero"));
    QCOMPARE(w.list->item(1)->text(), QStringLiteral("y"));
    QCOMPARE(w.list->item(2)->text(), QStringLiteral("item two"));
    QCOMPARE(w.dataList->item(0)->text(), QStringLiteral("English"));
}

void TestTranslateForm::missingFileChangesNothing()
{
    TempFolder folder;
    TestWindow w;
    TranslateFormFromFile(&w.window, folder.file(QStringLiteral("None.Ini")), true);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Test"));
    QCOMPARE(w.label->text(), QStringLiteral("Label"));
    QCOMPARE(w.combo->itemText(0), QStringLiteral("a"));
    QCOMPARE(w.grid->headers[1], QStringLiteral("Col A"));
}

void TestTranslateForm::languageFileFromTheProgramFolder()
{
    TempFolder folder;
    folder.write(QStringLiteral("Chinese.Ini"), LanguageFile);
    appState().appFolder = folder.path();
    TestWindow w;
    TranslateForm(&w.window, QStringLiteral("Chinese"), true);
    QCOMPARE(w.window.windowTitle(), QString::fromUtf16(u"测试窗口"));
    QCOMPARE(w.combo->itemText(0), QStringLiteral("zero"));
}

QTEST_MAIN(TestTranslateForm)
#include "tst_translateform.moc"
