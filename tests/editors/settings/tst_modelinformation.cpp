#include "SettingsFixture.h"

#include "../../support/ScriptedModal.h"
#include "core/BitCodecs.h"
#include "core/ModelTable.h"
#include "core/NumberText.h"
#include "editors/settings/ModelInformation.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestModelInformation : public QObject {
    Q_OBJECT

  private slots:
    void builtInModel();
    void imageWithStandardBands();
    void editableModelRows();
    void edgeCorrection_data();
    void edgeCorrection();
    void useBoxes();
    void noBandChosen();
};

namespace {

// Bands 0 to 2 with editable edges; equal masks, so the edges default to the standard limits.
void registerEditableModel()
{
    auto m = std::make_unique<TMacType>(QStringLiteral("TST1"), QStringLiteral("Test-1"), 64);
    m->SetBand(0, 410.0, 470.0);
    m->SetBand(1, 136.0, 174.0);
    m->SetBand(2, 200.0, 260.0);
    m->SetBandMasks(0x15, 0x15);
    modelList().AddModel(std::move(m));
}

QLineEdit* edge(TfModel& dialog, int band, char side)
{
    return dialog.findChild<QLineEdit*>(
        QStringLiteral("cxFreq_%1%2").arg(band + 1).arg(QLatin1Char(side)));
}

QWidget* row(TfModel& dialog, int band)
{
    return dialog.findChild<QWidget*>(QStringLiteral("pRang%1").arg(band + 1));
}

QCheckBox* use(TfModel& dialog, int band)
{
    return dialog.findChild<QCheckBox*>(QStringLiteral("cxUse_%1").arg(band + 1));
}

} // namespace

void TestModelInformation::builtInModel()
{
    SettingsDocument doc;
    const QByteArray before = doc.image();
    TfModel dialog;
    dialog.show();

    QCOMPARE(control(dialog, "cxModel")->currentText(), QStringLiteral("QZ-17"));
    QVERIFY(!row(dialog, 0)->isHidden());
    QVERIFY(!row(dialog, 1)->isHidden());
    QVERIFY(row(dialog, 2)->isHidden());
    QVERIFY(row(dialog, 3)->isHidden());
    for (int band = 0; band < 2; ++band) {
        QVERIFY(use(dialog, band)->isHidden());
        QVERIFY(use(dialog, band)->isChecked());
        QVERIFY(edge(dialog, band, 'L')->isReadOnly());
        QVERIFY(edge(dialog, band, 'H')->isReadOnly());
    }
    // The first document's edges, from the image.
    QCOMPARE(edge(dialog, 0, 'L')->text(), QStringLiteral("430.00000"));
    QCOMPARE(edge(dialog, 0, 'H')->text(), QStringLiteral("440.00000"));
    QCOMPARE(edge(dialog, 1, 'L')->text(), QStringLiteral("144.00000"));
    QCOMPARE(edge(dialog, 1, 'H')->text(), QStringLiteral("146.00000"));
    QCOMPARE(control<QLabel>(dialog, "lFreq_1")->toolTip(), QStringLiteral("430.00000-440.00000"));

    appState().bandMask = 0;
    appState().bandSourceMarker = 0;
    control<QPushButton>(dialog, "btnOk")->click();
    QVERIFY(dialog.isAccepted());
    QCOMPARE(int(appState().bandMask), 0x05);
    QCOMPARE(int(appState().bandSourceMarker), 0xAA);
    QCOMPARE(appState().bandLimits[0].low, 430.0);
    QCOMPARE(appState().bandLimits[1].high, 146.0);
    QCOMPARE(appState().modelId, QStringLiteral("QZ17"));
    QCOMPARE(differences(before, doc.image()), QList<int>());
}

void TestModelInformation::imageWithStandardBands()
{
    SettingsDocument doc;
    // An image whose band source marker says the standard bands; its edges as stored.
    doc.at(0x8C5) = 0xFF;
    const quint32 edges[4] = {41000000, 47000000, 13600000, 17400000};
    for (int i = 0; i < 4; ++i)
        WriteU32LE(edges[i], &doc.at(0x8D0 + 4 * i));
    TfModel dialog;
    dialog.show();
    QVERIFY(use(dialog, 0)->isChecked());
    QVERIFY(use(dialog, 1)->isChecked());
    QCOMPARE(edge(dialog, 0, 'L')->text(), QStringLiteral("410.00000"));
    QCOMPARE(edge(dialog, 0, 'H')->text(), QStringLiteral("470.00000"));
    QCOMPARE(edge(dialog, 1, 'L')->text(), QStringLiteral("136.00000"));
    QCOMPARE(edge(dialog, 1, 'H')->text(), QStringLiteral("174.00000"));
}

void TestModelInformation::editableModelRows()
{
    SettingsDocument doc;
    registerEditableModel();
    TfModel dialog;
    dialog.show();
    const int builtInHeight = dialog.height();
    control(dialog, "cxModel")->setCurrentText(QStringLiteral("Test-1"));

    for (int band = 0; band < 3; ++band) {
        QVERIFY(!row(dialog, band)->isHidden());
        QVERIFY(!use(dialog, band)->isHidden());
        QVERIFY(use(dialog, band)->isChecked());
        QVERIFY(!edge(dialog, band, 'L')->isReadOnly());
    }
    QVERIFY(row(dialog, 3)->isHidden());
    QVERIFY(dialog.height() > builtInHeight);
    // Equal masks: the edges show the standard limits.
    QCOMPARE(edge(dialog, 2, 'L')->text(), QStringLiteral("200.00000"));
    QCOMPARE(edge(dialog, 2, 'H')->text(), QStringLiteral("260.00000"));

    control<QPushButton>(dialog, "btnOk")->click();
    QVERIFY(dialog.isAccepted());
    QCOMPARE(appState().modelId, QStringLiteral("TST1"));
    QCOMPARE(int(appState().bandMask), 0x15);
    QCOMPARE(int(appState().bandSourceMarker), 0xFF);
    QCOMPARE(appState().bandLimits[2].high, 260.0);
}

void TestModelInformation::edgeCorrection_data()
{
    // Each step is band, edge (L or H) and the typed text.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::newRow("lower above the band") << QStringList{"0L480"} << "470.00000"
                                          << "470.00000";
    QTest::newRow("lower 0") << QStringList{"0L0"} << "410.00000"
                             << "470.00000";
    QTest::newRow("lower empty") << QStringList{"0L"} << "410.00000"
                                 << "470.00000";
    QTest::newRow("lower above the upper edge") << QStringList{"0H440", "0L450"} << "440.00000"
                                                << "440.00000";
    QTest::newRow("upper below the lower edge") << QStringList{"0L430", "0H420"} << "430.00000"
                                                << "430.00000";
    QTest::newRow("upper above the band") << QStringList{"0H480"} << "410.00000"
                                          << "470.00000";
    QTest::newRow("lower to 6.25 kHz") << QStringList{"1H146", "1L145.008"} << "145.00625"
                                       << "146.00000";
    QTest::newRow("lower to 5 kHz") << QStringList{"1H146", "1L145.006"} << "145.00500"
                                    << "146.00000";
    QTest::newRow("comma typed as point") << QStringList{"1L140,5"} << "140.50000"
                                          << "174.00000";
}

void TestModelInformation::edgeCorrection()
{
    QFETCH(QStringList, steps);
    SettingsDocument doc;
    registerEditableModel();
    TfModel dialog;
    dialog.show();
    control(dialog, "cxModel")->setCurrentText(QStringLiteral("Test-1"));
    int band = 0;
    for (const QString& step : steps) {
        band = step.at(0).digitValue();
        typeInto(edge(dialog, band, step.at(1).toLatin1()), step.mid(2));
    }
    QTEST(edge(dialog, band, 'L')->text(), "low");
    QTEST(edge(dialog, band, 'H')->text(), "high");

    control<QPushButton>(dialog, "btnOk")->click();
    QVERIFY(dialog.isAccepted());
    double low = 0.0;
    QVERIFY(TextToNumber(edge(dialog, band, 'L')->text(), low));
    QCOMPARE(appState().bandLimits[size_t(band)].low, low);
}

void TestModelInformation::useBoxes()
{
    SettingsDocument doc;
    registerEditableModel();
    TfModel dialog;
    dialog.show();
    control(dialog, "cxModel")->setCurrentText(QStringLiteral("Test-1"));
    typeInto(edge(dialog, 1, 'L'), QStringLiteral("140"));
    QCOMPARE(edge(dialog, 1, 'L')->text(), QStringLiteral("140.00000"));

    use(dialog, 1)->click();
    QVERIFY(!use(dialog, 1)->isChecked());
    QVERIFY(!edge(dialog, 1, 'L')->isEnabled());
    QVERIFY(!edge(dialog, 1, 'H')->isEnabled());
    QCOMPARE(edge(dialog, 1, 'L')->text(), QStringLiteral("136.00000"));

    typeInto(edge(dialog, 0, 'L'), QStringLiteral("420"));
    use(dialog, 0)->click();
    use(dialog, 0)->click();
    QVERIFY(edge(dialog, 0, 'L')->isEnabled());
    QCOMPARE(edge(dialog, 0, 'L')->text(), QStringLiteral("410.00000")); // reset when unchecked

    control<QPushButton>(dialog, "btnOk")->click();
    QCOMPARE(int(appState().bandMask), 0x11);
    QCOMPARE(int(appState().bandSourceMarker), 0xAA);
    QCOMPARE(appState().bandLimits[1].low, 0.0);
    QCOMPARE(appState().bandLimits[1].high, 0.0);
}

void TestModelInformation::noBandChosen()
{
    SettingsDocument doc;
    registerEditableModel();
    ScriptedModal modal;
    TfModel dialog;
    dialog.show();
    control(dialog, "cxModel")->setCurrentText(QStringLiteral("Test-1"));
    for (int band = 0; band < 3; ++band)
        use(dialog, band)->click();
    const auto before = appState().bandLimits;

    control<QPushButton>(dialog, "btnOk")->click();
    QCOMPARE(modal.shown.size(), 1);
    QCOMPARE(modal.shown[0].caption, QStringLiteral("Caution"));
    QCOMPARE(modal.shown[0].text, QStringLiteral("The frequecy number come amiss!"));
    QVERIFY(!dialog.isAccepted());
    QVERIFY(dialog.isVisible());
    QCOMPARE(appState().modelId, QStringLiteral("QZ17"));
    QCOMPARE(int(appState().bandMask), 0x05);
    QCOMPARE(appState().bandLimits[0].low, before[0].low);
}

QTEST_MAIN(TestModelInformation)
#include "tst_modelinformation.moc"
