#include "CoreFixture.h"

#include "core/BitCodecs.h"
#include "core/FmBounds.h"

#include <QtTest>

class TestFmBounds : public QObject {
    Q_OBJECT

  private slots:
    void newImageBounds();
    void lowerBound_data();
    void lowerBound();
    void upperBound_data();
    void upperBound();
    void fallbacksIgnoreTheEditLimits();
};

void TestFmBounds::newImageBounds()
{
    TestDocument doc;
    QCOMPARE(FmLowerBound(doc.all), 88.0);
    QCOMPARE(FmUpperBound(doc.all), 108.0);
}

void TestFmBounds::lowerBound_data()
{
    QTest::addColumn<double>("entered");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("shown");
    QTest::addColumn<int>("count");
    QTest::newRow("below the edit limit") << 70.0 << 108.0 << 88.0 << 3520;
    QTest::newRow("at the edit limit") << 76.0 << 108.0 << 76.0 << 3040;
    QTest::newRow("just below the edit limit") << 75.99 << 108.0 << 88.0 << 3520;
    QTest::newRow("above the upper bound") << 100.0 << 95.0 << 95.0 << 3800;
    QTest::newRow("equal to the upper bound") << 95.0 << 95.0 << 95.0 << 3800;
    QTest::newRow("rounded down") << 87.51 << 108.0 << 87.5 << 3500;
    QTest::newRow("just under a step") << 90.0249 << 108.0 << 90.0 << 3600;
    QTest::newRow("on a step") << 90.025 << 108.0 << 90.025 << 3601;
}

void TestFmBounds::lowerBound()
{
    QFETCH(double, entered);
    QFETCH(double, upper);
    TestDocument doc;
    const quint16 upperWord = ReadU16LE(&doc.at(0x896));
    QTEST(StoreFmLowerBound(doc.all, entered, upper), "shown");
    QTEST(int(ReadU16LE(&doc.at(0x894))), "count");
    QCOMPARE(ReadU16LE(&doc.at(0x896)), upperWord);
}

void TestFmBounds::upperBound_data()
{
    QTest::addColumn<double>("entered");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("shown");
    QTest::addColumn<int>("count");
    QTest::newRow("above the edit limit") << 110.0 << 88.0 << 108.0 << 4320;
    QTest::newRow("below the lower bound") << 80.0 << 88.0 << 88.0 << 3520;
    QTest::newRow("rounded down") << 95.0125 << 88.0 << 95.0 << 3800;
    QTest::newRow("inside") << 100.0 << 88.0 << 100.0 << 4000;
}

void TestFmBounds::upperBound()
{
    QFETCH(double, entered);
    QFETCH(double, lower);
    TestDocument doc;
    const quint16 lowerWord = ReadU16LE(&doc.at(0x894));
    QTEST(StoreFmUpperBound(doc.all, entered, lower), "shown");
    QTEST(int(ReadU16LE(&doc.at(0x896))), "count");
    QCOMPARE(ReadU16LE(&doc.at(0x894)), lowerWord);
}

void TestFmBounds::fallbacksIgnoreTheEditLimits()
{
    TestDocument doc;
    doc.all.fmUpperEditLimit = 112.0;
    doc.all.fmLowerEditLimit = 80.0;
    QCOMPARE(StoreFmUpperBound(doc.all, 111.0, 88.0), 111.0);
    // Past the limit the bound falls back to 108.000, not to the limit.
    QCOMPARE(StoreFmUpperBound(doc.all, 113.0, 88.0), 108.0);
    QCOMPARE(StoreFmLowerBound(doc.all, 79.0, 108.0), 88.0);
    QCOMPARE(StoreFmLowerBound(doc.all, 81.0, 108.0), 81.0);
}

QTEST_GUILESS_MAIN(TestFmBounds)
#include "tst_fmbounds.moc"
