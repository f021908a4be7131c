#include "SettingsFixture.h"
#include "tests/support/Elision.h"

#include "../../support/ScriptedModal.h"
#include "../channels/LanguageFragments.h"
#include "core/BitCodecs.h"
#include "core/FmCodec.h"
#include "core/SettingsFields.h"
#include "editors/settings/FmRadio.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QLineEdit>
#include <QtTest>

class TestFmRadio : public QObject {
    Q_OBJECT

  private slots:
    void newImageShows();
    void outOfBoundChannelCorrectedOnOpening();
    void channelEntry_data();
    void channelEntry();
    void clearingAChannel();
    void notANumberChangesNothing_data();
    void notANumberChangesNothing();
    void tunedFrequency();
    void bounds_data();
    void bounds();
    void raisedBoundMovesChannels();
    void stepAndVolumeWriteOnlyTheirBits();
    void clickOnANumberEditsItsChannel();
    void headerFollowsTheTranslation();
    void nothingIsCutShort_data();
    void nothingIsCutShort();
};

namespace {

quint16 word(int k)
{
    return ReadU16LE(&SettingsDocument::at(0x830 + 2 * (k - 1)));
}
bool used(int k)
{
    return IsSlotUsed(appState(), 32, k);
}

CellGrid* grid(TfFmFun& window)
{
    return control<CellGrid>(window, "gvData");
}

} // namespace

void TestFmRadio::newImageShows()
{
    SettingsDocument doc;
    QCOMPARE(word(31), quint16(0xFFFF));
    TfFmFun window;
    window.show();
    for (int row = 2; row < 12; ++row) {
        QCOMPARE(grid(window)->cellText(2, row), QString());
        QCOMPARE(grid(window)->cellText(4, row), QString());
        QCOMPARE(grid(window)->cellText(1, row), QString::number(row - 1));
        QCOMPARE(grid(window)->cellText(3, row), QString::number(row + 9));
    }
    QCOMPARE(grid(window)->cellText(2, 1), QStringLiteral("Frequancy[MHz]"));
    QCOMPARE(grid(window)->cellText(3, 1), QStringLiteral("No."));
    QCOMPARE(control(window, "cxFMStep")->currentText(), QStringLiteral("100"));
    QCOMPARE(control(window, "cxFMVol")->currentText(), QStringLiteral("16"));
    QCOMPARE(control<QLineEdit>(window, "cxFM_Min")->text(), QStringLiteral("88.000"));
    QCOMPARE(control<QLineEdit>(window, "cxFM_Max")->text(), QStringLiteral("108.000"));
    QCOMPARE(control<QLineEdit>(window, "cxRx")->text(), QStringLiteral("88.00000"));
    // The tuned frequency was out of bounds: corrected in the image, not a change.
    QCOMPARE(word(31), quint16(3520));
    QVERIFY(!appState().modified);
}

void TestFmRadio::outOfBoundChannelCorrectedOnOpening()
{
    SettingsDocument doc;
    SetSlotUsed(appState(), 32, 5, true);
    WriteU16LE(4400, &doc.at(0x830 + 2 * 4)); // 110 MHz, above the upper bound
    SetSlotUsed(appState(), 32, 6, true);
    WriteU16LE(4000, &doc.at(0x830 + 2 * 5)); // 100 MHz, inside
    TfFmFun window;
    window.show();
    QCOMPARE(grid(window)->cellText(2, 6), QStringLiteral("88.00000"));
    QCOMPARE(int(word(5)), 3520);
    QCOMPARE(grid(window)->cellText(2, 7), QStringLiteral("100.00000"));
    QCOMPARE(int(word(6)), 4000);
    QVERIFY(!appState().modified);
}

void TestFmRadio::channelEntry_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("100.1") << 2 << 2 << 1 << "100.1"
                           << "100.10000" << 4004;
    QTest::newRow("100.02 rounds up") << 2 << 5 << 4 << "100.02"
                                      << "100.02500" << 4001;
    QTest::newRow("100.01 rounds down") << 4 << 2 << 11 << "100.01"
                                        << "100.00000" << 4000;
    QTest::newRow("above the upper bound") << 4 << 11 << 20 << "120"
                                           << "108.00000" << 4320;
    QTest::newRow("below the lower bound") << 2 << 11 << 10 << "50"
                                           << "88.00000" << 3520;
    QTest::newRow("comma typed") << 4 << 6 << 15 << "99,5"
                                 << "99.50000" << 3980;
    QTest::newRow("letters discarded") << 2 << 3 << 2 << "9x5-a"
                                       << "95.00000" << 3800;
}

void TestFmRadio::channelEntry()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, channel);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    const QByteArray before = doc.image();
    typeIntoCell(window, col, row, typed);
    QTEST(grid(window)->cellText(col, row), "shown");
    QCOMPARE(int(word(channel)), stored);
    QVERIFY(used(channel));
    QVERIFY(appState().modified);
    // Only that channel's word and its empty flag changed.
    for (int offset : differences(before, doc.image()))
        QVERIFY(offset == 0x830 + 2 * (channel - 1) || offset == 0x831 + 2 * (channel - 1) ||
                offset == 0x890 + (channel - 1) / 8);
}

void TestFmRadio::clearingAChannel()
{
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    typeIntoCell(window, 2, 4, QStringLiteral("101.5"));
    QCOMPARE(int(word(3)), 4060);
    appState().modified = false;

    typeIntoCell(window, 2, 4, QString());
    QCOMPARE(grid(window)->cellText(2, 4), QString());
    QVERIFY(!used(3));
    QCOMPARE(int(word(3)), 4060); // the word stays
    QVERIFY(appState().modified);
}

void TestFmRadio::notANumberChangesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("language"); // the program's fragment of that language, if any
    QTest::addColumn<QString>("message");
    const QString english = QStringLiteral("'%1' is not a valid floating point value");
    QTest::newRow("lone point") << "."
                                << "" << english.arg(QStringLiteral("."));
    QTest::newRow("two points") << "1.2.3"
                                << "" << english.arg(QStringLiteral("1.2.3"));
    QTest::newRow("Chinese") << "1.2.3"
                             << "Chinese" << QString::fromUtf16(u"“1.2.3”不是有效的浮点数。");
}

void TestFmRadio::notANumberChangesNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, language);
    QFETCH(QString, message);
    SettingsDocument doc;
    if (!language.isEmpty()) {
        QFile fragment(LanguageFragments::path(qPrintable(language), QStringLiteral("fFmFun")));
        QVERIFY(fragment.open(QIODevice::ReadOnly));
        doc.useLanguage(fragment.readAll());
    }
    TfFmFun window;
    window.show();
    typeIntoCell(window, 4, 3, QStringLiteral("96")); // channel 12
    typeIntoCell(window, 4, 4, QString());            // channel 13 is empty
    appState().modified = false;
    const QByteArray before = doc.image();

    ScriptedModal modal;
    typeIntoCell(window, 4, 3, typed);
    typeIntoCell(window, 4, 4, typed);
    QCOMPARE(modal.texts(), QStringList(2, message));
    QCOMPARE(differences(before, doc.image()), QList<int>());
    QCOMPARE(grid(window)->cellText(4, 3), QStringLiteral("96.00000"));
    QCOMPARE(grid(window)->cellText(4, 4), QString());
    QVERIFY(!appState().modified);
}

void TestFmRadio::tunedFrequency()
{
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    auto* rx = control<QLineEdit>(window, "cxRx");
    typeInto(rx, QStringLiteral("99.99"));
    QCOMPARE(rx->text(), QStringLiteral("100.00000"));
    QCOMPARE(int(word(31)), 4000);
    QVERIFY(appState().modified);

    typeInto(rx, QString());
    QCOMPARE(rx->text(), QStringLiteral("88.00000"));
    QCOMPARE(int(word(31)), 3520);
}

void TestFmRadio::bounds_data()
{
    // Each step is an edit (L or H) and the typed text.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<int>("lowCount");
    QTest::addColumn<int>("highCount");
    QTest::newRow("lower below the edit limit") << QStringList{"L70"} << "88.000"
                                                << "108.000" << 3520 << 4320;
    QTest::newRow("lower at the edit limit") << QStringList{"L76"} << "76.000"
                                             << "108.000" << 3040 << 4320;
    QTest::newRow("lower above the upper") << QStringList{"H95", "L100"} << "95.000"
                                           << "95.000" << 3800 << 3800;
    QTest::newRow("lower rounded down") << QStringList{"L87.51"} << "87.500"
                                        << "108.000" << 3500 << 4320;
    QTest::newRow("upper above the edit limit") << QStringList{"H110"} << "88.000"
                                                << "108.000" << 3520 << 4320;
    QTest::newRow("upper below the lower") << QStringList{"L90", "H80"} << "90.000"
                                           << "90.000" << 3600 << 3600;
    QTest::newRow("emptied keeps the bound") << QStringList{"H100", "H"} << "88.000"
                                             << "100.000" << 3520 << 4000;
}

void TestFmRadio::bounds()
{
    QFETCH(QStringList, steps);
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    auto* low = control<QLineEdit>(window, "cxFM_Min");
    auto* high = control<QLineEdit>(window, "cxFM_Max");
    for (const QString& step : steps)
        typeInto(step.startsWith(QLatin1Char('L')) ? low : high, step.mid(1));
    QTEST(low->text(), "low");
    QTEST(high->text(), "high");
    QTEST(int(ReadU16LE(&doc.at(0x894))), "lowCount");
    QTEST(int(ReadU16LE(&doc.at(0x896))), "highCount");
    // A bound that changes is a change of the document; one corrected back to what was
    // stored is none.
    QCOMPARE(appState().modified,
             ReadU16LE(&doc.at(0x894)) != 3520 || ReadU16LE(&doc.at(0x896)) != 4320);
}

void TestFmRadio::raisedBoundMovesChannels()
{
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    typeIntoCell(window, 2, 2, QStringLiteral("90"));
    typeIntoCell(window, 2, 3, QStringLiteral("100"));
    typeInto(control<QLineEdit>(window, "cxRx"), QStringLiteral("91"));

    typeInto(control<QLineEdit>(window, "cxFM_Min"), QStringLiteral("95"));
    QCOMPARE(grid(window)->cellText(2, 2), QStringLiteral("95.00000"));
    QCOMPARE(int(word(1)), 3800);
    QCOMPARE(grid(window)->cellText(2, 3), QStringLiteral("100.00000"));
    QCOMPARE(control<QLineEdit>(window, "cxRx")->text(), QStringLiteral("95.00000"));
    QCOMPARE(int(word(31)), 3800);
    QVERIFY(!used(4)); // empty channels stay empty
}

void TestFmRadio::stepAndVolumeWriteOnlyTheirBits()
{
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    const QByteArray before = doc.image();
    control(window, "cxFMStep")->setCurrentIndex(0);
    control(window, "cxFMVol")->setCurrentIndex(3);
    QCOMPARE(differences(before, doc.image()), (QList<int>{0x89C, 0x8A1}));
    QCOMPARE(doc.at(0x8A1), quint8((before[0x8A1] & 0x0F) | 0x00));
    QCOMPARE(doc.at(0x89C), quint8((before[0x89C] & 0x0F) | 0x30));
    QVERIFY(appState().modified);
}

void TestFmRadio::clickOnANumberEditsItsChannel()
{
    SettingsDocument doc;
    TfFmFun window;
    window.show();
    control<QTabWidget>(window, "cxChInfo")->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CellGrid* g = grid(window);
    typeIntoCell(window, 4, 6, QStringLiteral("104.5")); // channel 15

    const QRect number = g->visualRect(g->cellModel()->indexOfCell(3, 6));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, number.center());
    QVERIFY(g->isEditing());
    QCOMPARE(g->col(), 4);
    QCOMPARE(g->row(), 6);
    QCOMPARE(g->editor()->selectedText(), QStringLiteral("104.50000"));
}

void TestFmRadio::headerFollowsTheTranslation()
{
    SettingsDocument doc;
    doc.useLanguage("[fFmFun]\nLNo.Caption=Nr.\nLFreq.Caption=Frequenz\ngvData.2=never\n"
                    "cxChannel.Caption=Kanaele\n");
    TfFmFun window;
    window.show();
    QCOMPARE(grid(window)->cellText(1, 1), QStringLiteral("Nr."));
    QCOMPARE(grid(window)->cellText(4, 1), QStringLiteral("Frequenz"));
    QCOMPARE(grid(window)->cellText(2, 1), QStringLiteral("Frequenz"));
    QCOMPARE(control<QTabWidget>(window, "cxChInfo")->tabText(1), QStringLiteral("Kanaele"));
}

// Titles, numbers and frequencies show whole, in English and with a long translation.
void TestFmRadio::nothingIsCutShort_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("English") << QByteArray();
    QTest::newRow("long titles") << QByteArray(
        "[fFmFun]\nLNo.Caption=Speicherplatz\nLFreq.Caption=Empfangsfrequenz\n");
}

void TestFmRadio::nothingIsCutShort()
{
    QFETCH(QByteArray, language);
    SettingsDocument doc;
    if (!language.isEmpty()) doc.useLanguage(language);
    for (int n = 1; n <= 20; ++n) {
        QString text = QStringLiteral("107.95");
        SetFmChannel(appState(), n, text);
    }
    TfFmFun window;
    window.show();
    QVERIFY_NOTHING_CUT(grid(window));
}

QTEST_MAIN(TestFmRadio)
#include "tst_fmradio.moc"
