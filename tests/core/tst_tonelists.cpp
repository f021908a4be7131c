#include "core/ProgramRandom.h"
#include "core/ToneLists.h"

#include <QtTest>

class TestToneLists : public QObject {
    Q_OBJECT

  private slots:
    void lists_data();
    void lists();
    void chart();
    void randomRepeatsAfterARestart();
};

void TestToneLists::lists_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstDcs");
    QTest::addColumn<QString>("at26"); // the 26th and 27th DCS codes differ in the batch list
    QTest::addColumn<QString>("at27");
    QTest::newRow("full") << FullToneList() << 263 << 51 << "D145N"
                          << "D146N";
    QTest::newRow("batch") << BatchToneList() << 263 << 51 << "D143N"
                           << "D145N";
    QTest::newRow("grid") << GridToneList() << 206 << 40 << "D162N"
                          << "D165N";
}

void TestToneLists::lists()
{
    QFETCH(QStringList, list);
    QFETCH(int, count);
    QFETCH(int, firstDcs);
    QCOMPARE(list.size(), count);
    QCOMPARE(list.first(), QStringLiteral("None"));
    QCOMPARE(list.at(1), QStringLiteral("67.0"));
    QCOMPARE(list.at(firstDcs), QStringLiteral("D023N"));
    QCOMPARE(list.at(firstDcs + (count - firstDcs) / 2), QStringLiteral("D023I"));
    QCOMPARE(list.last(), QStringLiteral("D754I"));
    QTEST(list.at(firstDcs + 25), "at26");
    QTEST(list.at(firstDcs + 26), "at27");
}

void TestToneLists::chart()
{
    const QStringList& items = ToneChartItems();
    QCOMPARE(items.size(), 133);
    QCOMPARE(items.first(), QStringLiteral("01-67.0-XZ"));
    QCOMPARE(items.at(14), QStringLiteral("0F-107.2-1B"));
    QCOMPARE(items.at(41), QStringLiteral("2A-254.1-0Z"));
    QVERIFY(items.at(42).isEmpty() && items.at(44).isEmpty());
    QCOMPARE(items.at(45), QStringLiteral("1-D023"));
    QCOMPARE(items.at(45 + 63), QStringLiteral("64-D525"));
    QCOMPARE(items.at(129), QStringLiteral("85-D754"));
    QVERIFY(items.at(130).isEmpty() && items.at(132).isEmpty());
    // 525 only in the chart; 532 twice in the full list.
    QVERIFY(!FullToneList().contains(QStringLiteral("D525N")));
    QCOMPARE(FullToneList().count(QStringLiteral("D532N")), 2);
    QVERIFY(!GridToneList().contains(QStringLiteral("206.5")));
}

void TestToneLists::randomRepeatsAfterARestart()
{
    ResetProgramRandom();
    QList<int> first;
    for (int i = 0; i < 20; ++i)
        first << ProgramRandom(262);
    ResetProgramRandom();
    QList<int> second;
    for (int i = 0; i < 20; ++i)
        second << ProgramRandom(262);
    QCOMPARE(second, first);
    QVERIFY(std::all_of(first.begin(), first.end(), [](int v) { return v >= 0 && v < 262; }));
    QVERIFY(QSet<int>(first.begin(), first.end()).size() > 5);
    QCOMPARE(ProgramRandom(0), 0);
}

QTEST_GUILESS_MAIN(TestToneLists)
#include "tst_tonelists.moc"
