// Open-or-raise of editor windows in the MDI area, and the windows registered per command.
#include "core/DocumentLifecycle.h"
#include "shell/CommandNumbers.h"
#include "shell/EditorWindows.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/ScriptedModal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

// A window that asks for no frame, as the memory channel grid does.
class Frameless : public QWidget {
  public:
    static inline Frameless* instance = nullptr;
    explicit Frameless(QWidget* parent = nullptr) : QWidget(parent)
    {
        setWindowFlags(Qt::FramelessWindowHint);
        instance = this;
    }
    ~Frameless() override { instance = nullptr; }
};

class TestEditorWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        StartProgramIn(dir.path());
        MakeFirstDocument(appState(), modelList());
        StartNewImage(appState(), modelList());
    }

    void init()
    {
        area = new QMdiArea;
        area->resize(900, 600);
        area->show();
    }

    void cleanup()
    {
        DestroyEditorWindows(area);
        delete area;
        QCOMPARE(StandInA::instance, nullptr);
        QCOMPARE(StandInB::instance, nullptr);
    }

    void opensOnceThenRaises()
    {
        StandInA* first = ShowEditorWindow(area, StandInA::instance);
        QVERIFY(first);
        QCOMPARE(StandInA::instance, first);
        QCOMPARE(area->subWindowList().size(), 1);
        QVERIFY(first->isVisible());

        ShowEditorWindow(area, StandInB::instance);
        QCOMPARE(area->activeSubWindow()->widget(), StandInB::instance);

        QCOMPARE(ShowEditorWindow(area, StandInA::instance), first);
        QCOMPARE(area->subWindowList().size(), 2);
        QCOMPARE(area->activeSubWindow()->widget(), first);
    }

    void restoresMinimised()
    {
        StandInA* window = ShowEditorWindow(area, StandInA::instance);
        QMdiSubWindow* sub = area->subWindowList().first();
        sub->showMinimized();
        QVERIFY(sub->isMinimized());

        QCOMPARE(ShowEditorWindow(area, StandInA::instance), window);
        QVERIFY(!sub->isMinimized());
        QVERIFY(window->isVisible());
        QCOMPARE(area->subWindowList().size(), 1);
    }

    void closingDestroysAndReopensFresh()
    {
        QPointer<StandInA> first = ShowEditorWindow(area, StandInA::instance);
        area->subWindowList().first()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(StandInA::instance, nullptr);
        QVERIFY(area->subWindowList().isEmpty());

        StandInA* second = ShowEditorWindow(area, StandInA::instance);
        QVERIFY(second);
        QCOMPARE(area->subWindowList().size(), 1);
    }

    void destroyAllAtOnce()
    {
        ShowEditorWindow(area, StandInA::instance);
        ShowEditorWindow(area, StandInB::instance);
        DestroyEditorWindows(area);
        // Gone at once, not later: a reopening right after must make a new window.
        QCOMPARE(StandInA::instance, nullptr);
        QCOMPARE(StandInB::instance, nullptr);
        QVERIFY(area->subWindowList().isEmpty());
    }

    void keepsTheWindowsOwnFrameFlags()
    {
        ShowEditorWindow(area, Frameless::instance);
        QMdiSubWindow* sub = area->subWindowList().first();
        QVERIFY(sub->windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    // Every window registered for a command opens once and is raised, not duplicated,
    // when its command comes again.
    void registeredWindowsOpenOnce_data()
    {
        QTest::addColumn<int>("command");
        const QList<int> commands = EditorCommands();
        for (int command : commands)
            QTest::addRow("command %d", command) << command;
        QVERIFY(!commands.isEmpty());
    }

    void registeredWindowsOpenOnce()
    {
        QFETCH(int, command);
        ScriptedModal modal;
        QVERIFY(ShowEditorForCommand(area, command));
        QCOMPARE(area->subWindowList().size(), 1);
        QWidget* window = area->subWindowList().first()->widget();
        QVERIFY(!window->objectName().isEmpty());
        QVERIFY(window->isVisible());

        QVERIFY(ShowEditorForCommand(area, command));
        QCOMPARE(area->subWindowList().size(), 1);
        QCOMPARE(area->subWindowList().first()->widget(), window);
        QVERIFY(modal.unexpected.isEmpty());
    }

    void unknownCommandsOpenNothing_data()
    {
        QTest::addColumn<int>("command");
        for (int command : {0, Command::New, Command::ReadFromRadio, 18, 99})
            QTest::addRow("command %d", command) << command;
    }

    void unknownCommandsOpenNothing()
    {
        QFETCH(int, command);
        QVERIFY(!ShowEditorForCommand(area, command));
        QVERIFY(area->subWindowList().isEmpty());
    }

  private:
    QTemporaryDir dir;
    QMdiArea* area = nullptr;
};

QTEST_MAIN(TestEditorWindows)
#include "tst_editorwindows.moc"
