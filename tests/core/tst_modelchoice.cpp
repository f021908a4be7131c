#include "CoreFixture.h"

#include "core/ModelChoice.h"
#include "core/ModelTable.h"

#include <QtTest>

class TestModelChoice : public QObject {
    Q_OBJECT

  private slots:
    void bandInMask();
    void defaultRange();
    void imageSelectionAndEdges();
    void confirmKeepsChosenBands();
    void confirmWithTheStandardMask();
    void confirmWithoutBandChangesNothing();
    void restoreSelection();
};

namespace {
// A model whose two masks are the same, so its default ranges are its standard limits.
std::unique_ptr<TMacType> sameMaskModel()
{
    auto m = std::make_unique<TMacType>(QStringLiteral("TST1"), QStringLiteral("Test-1"), 64);
    m->SetBand(0, 400.0, 480.0);
    m->SetBand(1, 136.0, 174.0);
    m->SetAltBand(1, true, true, 144.0, 148.0);
    m->SetBandMasks(0x05, 0x05);
    return m;
}
} // namespace

void TestModelChoice::bandInMask()
{
    QVERIFY(BandInMask(0x05, 0));
    QVERIFY(BandInMask(0x05, 1));
    QVERIFY(!BandInMask(0x05, 2));
    QVERIFY(BandInMask(0x80, 3));
    QVERIFY(BandInMask(0x02, 0));
    QVERIFY(!BandInMask(0xFF, 4));
}

void TestModelChoice::defaultRange()
{
    TestDocument doc;
    const TMacType& qz17 = *doc.models.FindByIdentifier(QStringLiteral("QZ17"));
    // The built-in model's masks differ: the alternative limits are the default.
    QCOMPARE(DefaultRange(qz17, 0).low, 430.0);
    QCOMPARE(DefaultRange(qz17, 0).high, 440.0);
    QCOMPARE(StandardRange(qz17, 0).low, 410.0);
    QCOMPARE(StandardRange(qz17, 1).high, 174.0);

    const auto test = sameMaskModel();
    QCOMPARE(DefaultRange(*test, 1).low, 136.0);
    QCOMPARE(DefaultRange(*test, 1).high, 174.0);
}

void TestModelChoice::imageSelectionAndEdges()
{
    TestDocument doc;
    QCOMPARE(int(ImageBandSelection(doc.all)), 0x05);
    QCOMPARE(ImageBandEdges(doc.all, 0).low, 430.0);
    QCOMPARE(ImageBandEdges(doc.all, 0).high, 440.0);
    QCOMPARE(ImageBandEdges(doc.all, 1).low, 144.0);
    QCOMPARE(ImageBandEdges(doc.all, 1).high, 146.0);
    QCOMPARE(ImageBandEdges(doc.all, 2).low, 0.0);

    doc.at(0x8C5) = 0xFF;
    doc.at(0x8C6) = 0x01;
    QCOMPARE(int(ImageBandSelection(doc.all)), 0x0F);
}

void TestModelChoice::confirmKeepsChosenBands()
{
    TestDocument doc;
    const TMacType& qz17 = *doc.models.FindByIdentifier(QStringLiteral("QZ17"));
    doc.all.modelId = QStringLiteral("XXXX");
    const std::array<TBandLimits, 4> edges{
        {{420.0, 450.0}, {144.0, 148.0}, {200.0, 210.0}, {0, 0}}};

    QVERIFY(ApplyModelChoice(doc.all, qz17, {true, false, true, false}, edges));
    // Band 2 is not a band of the model: dropped, with its limits.
    QCOMPARE(int(doc.all.bandMask), 0x01);
    QCOMPARE(int(doc.all.bandSourceMarker), 0xAA);
    QCOMPARE(doc.all.bandLimits[0].low, 420.0);
    QCOMPARE(doc.all.bandLimits[0].high, 450.0);
    QCOMPARE(doc.all.bandLimits[1].low, 0.0);
    QCOMPARE(doc.all.bandLimits[2].low, 0.0);
    QCOMPARE(doc.all.bandLimits[2].high, 0.0);
    QCOMPARE(doc.all.modelId, QStringLiteral("QZ17"));

    QVERIFY(ApplyModelChoice(doc.all, qz17, {true, true, false, false}, edges));
    QCOMPARE(int(doc.all.bandMask), 0x05);
    QCOMPARE(int(doc.all.bandSourceMarker), 0xAA); // 0x05 is not the model's 0x0F
    QCOMPARE(doc.all.bandLimits[1].high, 148.0);
}

void TestModelChoice::confirmWithTheStandardMask()
{
    TestDocument doc;
    const auto test = sameMaskModel();
    const std::array<TBandLimits, 4> edges{{{400.0, 480.0}, {136.0, 174.0}, {0, 0}, {0, 0}}};
    QVERIFY(ApplyModelChoice(doc.all, *test, {true, true, false, false}, edges));
    QCOMPARE(int(doc.all.bandMask), 0x05);
    QCOMPARE(int(doc.all.bandSourceMarker), 0xFF);
    QCOMPARE(doc.all.modelId, QStringLiteral("TST1"));
}

void TestModelChoice::confirmWithoutBandChangesNothing()
{
    TestDocument doc;
    const TMacType& qz17 = *doc.models.FindByIdentifier(QStringLiteral("QZ17"));
    const TModelSelection before = CurrentModelSelection(doc.all);
    const std::array<TBandLimits, 4> edges{
        {{420.0, 450.0}, {144.0, 148.0}, {200.0, 210.0}, {330.0, 340.0}}};
    QVERIFY(!ApplyModelChoice(doc.all, qz17, {false, false, false, false}, edges));
    QVERIFY(!ApplyModelChoice(doc.all, qz17, {false, false, true, true}, edges));
    QCOMPARE(int(doc.all.bandMask), int(before.bandMask));
    QCOMPARE(int(doc.all.bandSourceMarker), int(before.bandSourceMarker));
    QCOMPARE(doc.all.bandLimits[0].low, before.bandLimits[0].low);
    QCOMPARE(doc.all.modelId, before.modelId);
}

void TestModelChoice::restoreSelection()
{
    TestDocument doc;
    const TModelSelection before = CurrentModelSelection(doc.all);
    const auto test = sameMaskModel();
    const std::array<TBandLimits, 4> edges{{{400.0, 480.0}, {0, 0}, {0, 0}, {0, 0}}};
    QVERIFY(ApplyModelChoice(doc.all, *test, {true, false, false, false}, edges));
    RestoreModelSelection(doc.all, before);
    QCOMPARE(doc.all.modelId, QStringLiteral("QZ17"));
    QCOMPARE(int(doc.all.bandMask), 0x05);
    QCOMPARE(int(doc.all.bandSourceMarker), 0xAA);
    QCOMPARE(doc.all.bandLimits[0].low, 430.0);
    QCOMPARE(doc.all.bandLimits[1].high, 146.0);
}

QTEST_GUILESS_MAIN(TestModelChoice)
#include "tst_modelchoice.moc"
