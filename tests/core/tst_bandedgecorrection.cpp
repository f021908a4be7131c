#include "CoreFixture.h"

#include "core/BandEdgeCorrection.h"

#include <QtTest>

class TestBandEdgeCorrection : public QObject {
    Q_OBJECT

  private slots:
    void correct_data();
    void correct();
};

void TestBandEdgeCorrection::correct_data()
{
    QTest::addColumn<bool>("upper"); // which edge the user changed
    QTest::addColumn<double>("limitLow");
    QTest::addColumn<double>("limitHigh");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("expectedLow");
    QTest::addColumn<double>("expectedHigh");

    QTest::newRow("lower above the band")
        << false << 410.0 << 470.0 << 480.0 << 470.0 << 470.0 << 470.0;
    QTest::newRow("lower empty") << false << 410.0 << 470.0 << 0.0 << 470.0 << 410.0 << 470.0;
    QTest::newRow("lower above the upper edge")
        << false << 410.0 << 470.0 << 450.0 << 440.0 << 440.0 << 440.0;
    QTest::newRow("lower below the band")
        << false << 410.0 << 470.0 << 400.0 << 440.0 << 410.0 << 440.0;
    QTest::newRow("lower with empty upper")
        << false << 410.0 << 470.0 << 420.0 << 0.0 << 420.0 << 420.0;
    QTest::newRow("lower to 6.25 kHz")
        << false << 136.0 << 174.0 << 145.008 << 146.0 << 145.00625 << 146.0;
    QTest::newRow("lower to 5 kHz")
        << false << 136.0 << 174.0 << 145.006 << 146.0 << 145.005 << 146.0;
    QTest::newRow("lower on a raster")
        << false << 136.0 << 174.0 << 145.0125 << 146.0 << 145.0125 << 146.0;

    QTest::newRow("upper below the lower edge")
        << true << 410.0 << 470.0 << 430.0 << 420.0 << 430.0 << 430.0;
    QTest::newRow("upper empty") << true << 410.0 << 470.0 << 430.0 << 0.0 << 430.0 << 470.0;
    QTest::newRow("upper above the band")
        << true << 410.0 << 470.0 << 430.0 << 500.0 << 430.0 << 470.0;
    QTest::newRow("upper below the band, lower empty")
        << true << 410.0 << 470.0 << 0.0 << 100.0 << 410.0 << 410.0;
    QTest::newRow("upper to a raster")
        << true << 136.0 << 174.0 << 144.0 << 146.0071 << 144.0 << 146.00625;
}

void TestBandEdgeCorrection::correct()
{
    QFETCH(bool, upper);
    QFETCH(double, limitLow);
    QFETCH(double, limitHigh);
    QFETCH(double, low);
    QFETCH(double, high);
    TestDocument doc;
    TBandLimits edges{low, high};
    if (upper)
        CorrectUpperEdge(doc.all, {limitLow, limitHigh}, edges);
    else
        CorrectLowerEdge(doc.all, {limitLow, limitHigh}, edges);
    QTEST(edges.low, "expectedLow");
    QTEST(edges.high, "expectedHigh");
}

QTEST_GUILESS_MAIN(TestBandEdgeCorrection)
#include "tst_bandedgecorrection.moc"
