#include "editors/channels/ToneSelector.h"

#include "core/ToneLists.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestToneSelector : public QObject {
    Q_OBJECT

  private slots:
    void typedTextIsNormalisedOnEnter_data();
    void typedTextIsNormalisedOnEnter();
    void leavingCommitsOnlyAChange();
    void pickingAnEntryCommits();
    void showToneDoesNotCommit();
    void pickToneFromChart();
    void doubleClickIsReported();
};

void TestToneSelector::typedTextIsNormalisedOnEnter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("short dcs") << "D9"
                               << "D700N"
                               << "D700N";
    QTest::newRow("lower-case dcs") << "d023i"
                                    << "D023I"
                                    << "D023I";
    QTest::newRow("low ctcss") << "25"
                               << "30.0"
                               << "30.0";
    QTest::newRow("high ctcss") << "300"
                                << "290.0"
                                << "290.0";
    QTest::newRow("unreadable number") << "6.7.1"
                                       << "67.0"
                                       << "67.0";
    QTest::newRow("filtered letters") << "xq"
                                      << "None"
                                      << "";
    QTest::newRow("letters among digits") << "1x00"
                                          << "100.0"
                                          << "100.0";
    QTest::newRow("empty") << ""
                           << "None"
                           << "";
}

void TestToneSelector::typedTextIsNormalisedOnEnter()
{
    QFETCH(QString, typed);
    ToneSelector selector(FullToneList());
    selector.showTone(QStringLiteral("88.5"));
    QSignalSpy committed(&selector, &ToneSelector::toneCommitted);

    // Keys reach the focused combo box itself, not its line edit.
    selector.lineEdit()->clear();
    QTest::keyClicks(&selector, typed);
    QTest::keyClick(&selector, Qt::Key_Return);

    QTEST(selector.currentText(), "shown");
    QTEST(selector.storedTone(), "stored");
    QCOMPARE(committed.count(), 1);
}

void TestToneSelector::leavingCommitsOnlyAChange()
{
    QWidget window;
    auto* selector = new ToneSelector(FullToneList(), &window);
    auto* other = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy committed(selector, &ToneSelector::toneCommitted);

    selector->setFocus();
    other->setFocus();
    QCOMPARE(committed.count(), 0);

    selector->setFocus();
    selector->lineEdit()->clear();
    QTest::keyClicks(selector, "d754");
    other->setFocus();
    QCOMPARE(committed.count(), 1);
    QCOMPARE(selector->storedTone(), QStringLiteral("D754N"));
}

void TestToneSelector::pickingAnEntryCommits()
{
    ToneSelector selector(GridToneList());
    QSignalSpy committed(&selector, &ToneSelector::toneCommitted);
    const int i = selector.findText(QStringLiteral("D023I"));
    QVERIFY(i > 0);
    selector.setCurrentIndex(i);
    emit selector.activated(i);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(selector.storedTone(), QStringLiteral("D023I"));

    selector.setCurrentIndex(0);
    emit selector.activated(0);
    QCOMPARE(committed.count(), 2);
    QCOMPARE(selector.storedTone(), QString());
}

void TestToneSelector::showToneDoesNotCommit()
{
    ToneSelector selector(FullToneList());
    QSignalSpy committed(&selector, &ToneSelector::toneCommitted);
    selector.showTone(QStringLiteral("D525N")); // in no list, shown all the same
    QCOMPARE(selector.currentText(), QStringLiteral("D525N"));
    selector.showTone(QString());
    QCOMPARE(selector.currentIndex(), 0);
    QCOMPARE(selector.storedTone(), QString());
    QCOMPARE(committed.count(), 0);
}

void TestToneSelector::pickToneFromChart()
{
    ToneSelector selector(GridToneList());
    QSignalSpy committed(&selector, &ToneSelector::toneCommitted);
    selector.pickTone(QString()); // nothing picked: nothing changes
    QCOMPARE(committed.count(), 0);
    selector.pickTone(QStringLiteral("206.5")); // not in the grid's list
    QCOMPARE(committed.count(), 1);
    QCOMPARE(selector.storedTone(), QStringLiteral("206.5"));
}

void TestToneSelector::doubleClickIsReported()
{
    ToneSelector selector(FullToneList());
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy clicked(&selector, &ToneSelector::doubleClicked);
    QTest::mouseDClick(selector.lineEdit(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestToneSelector)
#include "tst_toneselector.moc"
