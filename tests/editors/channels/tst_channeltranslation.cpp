#include "ChannelWindowFixture.h"
#include "tests/support/Elision.h"

#include "editors/channels/ChannelEdit.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/channels/ToneOption.h"
#include "editors/channels/ToneSelector.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

// The channel windows in Chinese, with the program's own Chinese fragments as the
// language file.
class TestChannelTranslation : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void gridInChinese();
    void gridInChineseCutsNothing();
    void editWindowInChinese();
    void toneChartInChinese();
};

void TestChannelTranslation::init()
{
    StartFreshDocument();
    const QString fragments = QStringLiteral(QZ_SOURCE_DIR "/lang/Chinese");
    QDir().mkpath(appState().appFolder);
    QFile out(appState().appFolder + QStringLiteral("Chinese.Ini"));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const char* form : {"fChsInfo", "fChsEdit", "fToneOption"}) {
        QFile part(fragments + QStringLiteral("/%1.ini").arg(QLatin1String(form)));
        QVERIFY2(part.open(QIODevice::ReadOnly), qPrintable(part.fileName()));
        out.write(part.readAll());
        out.write("\n");
    }
    out.close();
    appState().languageName = QStringLiteral("Chinese");
    appState().languageIndex = 1;
}

void TestChannelTranslation::gridInChinese()
{
    RecordingHost host;
    ScriptedModal modal;
    PutChannel(2, QStringLiteral("145.0"));
    TfChsInfo window;
    window.show();
    CellGrid* grid = window.gvData;
    QCOMPARE(window.windowTitle(), QStringLiteral("信道信息"));
    QCOMPARE(grid->cellText(2, 1), QStringLiteral("接收\n频率"));
    QCOMPARE(grid->cellText(13, 1), QStringLiteral("信道名称"));
    // The translated definitions keep alignments, and widths as the least.
    QVERIFY(grid->colWidth(2) >= 80);
    QCOMPARE(grid->alignment(4, 5) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(window.lNone->text(), QStringLiteral("无"));
    QCOMPARE(window.cxRxDcts->itemText(0), QStringLiteral("无"));
    QCOMPARE(window.cxRxDcts->itemText(1), QStringLiteral("67.0"));
    QCOMPARE(grid->cellText(4, 3), QStringLiteral("无"));
    QCOMPARE(grid->cellText(6, 3), QStringLiteral("高"));

    // A new channel gets the translated entries and the same stored values.
    grid->setFocus();
    grid->setCurrentCell(2, 6);
    QTest::keyClicks(grid, "435");
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->cellText(7, 6), QStringLiteral("宽带"));
    QCOMPARE(grid->cellText(8, 6), QStringLiteral("删除"));
    QCOMPARE(grid->cellText(12, 6), QStringLiteral("开"));
    const TChannel ch = ChannelOf(5);
    QCOMPARE(ch.rxTone, QString());
    QCOMPARE(int(ch.bandwidth), 1);
    QCOMPARE(int(ch.scanSkip), 1);
    QCOMPARE(int(ch.epilogue), 1);
}

// Translated titles and entries are shown whole, in the cells and the selectors.
void TestChannelTranslation::gridInChineseCutsNothing()
{
    RecordingHost host;
    ScriptedModal modal;
    PutWidestChannels();
    TfChsInfo window;
    window.show();
    QVERIFY_NOTHING_CUT(window.gvData);
    for (int col = 4; col <= 12; ++col) {
        window.gvData->setCurrentCell(col, 2);
        QComboBox* selector = window.selectorOf(col);
        QVERIFY(selector->isVisible());
        QVERIFY2(!Elision::clipsItsEntries(selector), qPrintable(selector->objectName()));
    }
}

void TestChannelTranslation::editWindowInChinese()
{
    RecordingHost host;
    PutChannel(1, QStringLiteral("145.0"));
    appState().currentChannel = 1;
    TfChsEdit window;
    window.show();
    window.LoadChannel();
    QCOMPARE(window.windowTitle(), QStringLiteral("信道编辑"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lRx"))->text(),
             QStringLiteral("接收频率[MHz]"));
    QCOMPARE(window.cxChInfo->tabText(0), QStringLiteral("信息"));
    QCOMPARE(window.cxRxDcts->currentText(), QStringLiteral("无"));
    QCOMPARE(window.cxRxDcts->itemText(51), QStringLiteral("D023N"));
    QCOMPARE(window.cxWn->currentText(), QStringLiteral("宽带"));
    QCOMPARE(window.cxChs->itemText(4), QStringLiteral("5"));

    window.cxRxDcts->setFocus();
    window.cxRxDcts->lineEdit()->clear();
    QTest::keyClicks(window.cxRxDcts, "d9");
    QTest::keyClick(window.cxRxDcts, Qt::Key_Return);
    QCOMPARE(ChannelOf(1).rxTone, QStringLiteral("D700N"));
    // The step is named in Chinese, after the translated label.
    QCOMPARE(documentEdits().undoText(), QStringLiteral("信道 1 亚音解码"));
    window.cxRxDcts->setCurrentIndex(0);
    emit window.cxRxDcts->activated(0);
    QCOMPARE(ChannelOf(1).rxTone, QString());
}

void TestChannelTranslation::toneChartInChinese()
{
    TfToneOption dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("信道亚音设置"));
    QCOMPARE(dialog.gvCtcss->cellText(2, 1), QStringLiteral("67.0"));
    for (CellGrid* chart : {dialog.gvCtcss, dialog.gvDcsN, dialog.gvDcsI})
        QVERIFY_NOTHING_CUT(chart);
}

QTEST_MAIN(TestChannelTranslation)
#include "tst_channeltranslation.moc"
