#include "editors/channels/BatchEdit.h"

#include "core/BatchFill.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/NumberText.h"
#include "core/ProgramRandom.h"
#include "files/LanguageFile.h"
#include "tests/editors/channels/LanguageFragments.h"
#include "tests/support/ScriptedModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <memory>

// The first document has the bands 430-440 MHz (band 0) and 144-146 MHz (band 1).

namespace {

TALL& all()
{
    return appState();
}

TChannel decoded(int k)
{
    TChannel ch;
    if (!DecodeChannel(all(), k, ch)) ch.name = QStringLiteral("<empty>");
    return ch;
}

void enter(QWidget* edit, const QString& text)
{
    QLineEdit* line = qobject_cast<QLineEdit*>(edit);
    if (!line) line = edit->findChild<QLineEdit*>();
    line->selectAll();
    if (text.isEmpty())
        QTest::keyClick(line, Qt::Key_Backspace);
    else
        QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

struct Window {
    std::unique_ptr<TfBatch> w{new TfBatch};
    Window() { w->show(); }
    template <class T = QWidget> T* get(const char* name) const
    {
        T* c = w->findChild<T*>(QLatin1String(name));
        if (!c) qFatal("no control %s", name);
        return c;
    }
    QString text(const char* name) const { return get<QLineEdit>(name)->text(); }
    bool enabled(const char* name) const { return get(name)->isEnabled(); }
    void ok() const { QTest::mouseClick(get<QPushButton>("btnOk"), Qt::LeftButton); }
};

} // namespace

class TestBatchEdit : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState();
    void enablingRules();
    void editsAreCorrectedWhenCommitted_data();
    void editsAreCorrectedWhenCommitted();
    void rangeLimits();
    void optionsFollowTheControls();
    void okFillsAsOneStep();
    void excursionBelowReceive();
    void clearingAndEmptyRanges();
    void randomTonesFromTheProgramGenerator();
    void languageFragmentsAreComplete();
};

void TestBatchEdit::initTestCase()
{
    Maindb().DataModuleCreate(QStringLiteral("/tmp/qz17-test/qz17"));
    languageTexts() = EnglishMessageTexts();
}

void TestBatchEdit::init()
{
    MakeFirstDocument(all(), modelList());
    StartNewImage(all(), modelList());
    documentEdits().Restart(false);
}

void TestBatchEdit::cleanup()
{
    QCOMPARE(fBatch, nullptr);
}

void TestBatchEdit::startState()
{
    Window win;
    QCOMPARE(fBatch, win.w.get());
    QCOMPARE(win.w->objectName(), QStringLiteral("fBatch"));
    QCOMPARE(win.w->windowTitle(), QStringLiteral("Batch Channel Edit"));
    QVERIFY(win.get<QRadioButton>("cxAll")->isChecked());
    QCOMPARE(win.get<QSpinBox>("cxFrom")->value(), 1);
    QCOMPARE(win.get<QSpinBox>("cxTo")->value(), 128);
    QCOMPARE(win.get<QSpinBox>("cxTo")->maximum(), 128);
    QVERIFY(!win.get<QCheckBox>("cxClear")->isChecked());
    QCOMPARE(win.text("cxRx_freq"), QStringLiteral("144.00000"));
    QCOMPARE(win.text("cxTx_Freq"), QStringLiteral("144.00000"));
    QCOMPARE(win.text("cxRx_Step"), QStringLiteral("0.00000"));
    QCOMPARE(win.text("cxTx_step"), QStringLiteral("0.00000"));
    QCOMPARE(win.text("cxExc_Freq"), QStringLiteral("0.00000"));
    QCOMPARE(win.text("cxRx_Dcts_step"), QStringLiteral("0"));
    for (const char* name : {"cxRx_asc", "cxTx_def", "cxDup_add", "cxTx_asc", "cxRx_Dcts_asc",
                             "cxTx_Dcts_def", "cxTx_Dcts_asc", "cxTxRev"})
        QVERIFY2(win.get<QAbstractButton>(name)->isChecked(), name);
    for (const char* name : {"cxRx_Ran", "cxTx_ran", "cxUse_Chs", "cxBclo", "cxVox", "cxScan"})
        QVERIFY2(!win.get<QAbstractButton>(name)->isChecked(), name);
    QCOMPARE(win.get<QComboBox>("cxRx_Dcts")->currentText(), QStringLiteral("None"));
    QCOMPARE(win.get<QComboBox>("cxRx_Dcts")->count(), 263);
    QCOMPARE(win.get<QComboBox>("cxTx_Dcts")->currentText(), QStringLiteral("None"));
    QCOMPARE(win.get<QComboBox>("cxPower")->currentText(), QStringLiteral("High"));
    QCOMPARE(win.get<QComboBox>("cxWn")->currentText(), QStringLiteral("Wide"));
    QCOMPARE(win.get<QComboBox>("cxApro")->currentText(), QStringLiteral("None"));
    QCOMPARE(win.get<QLineEdit>("cxName")->maxLength(), 6);
}

void TestBatchEdit::enablingRules()
{
    Window win;
    auto check = [&](const QStringList& on, const QStringList& off) {
        for (const QString& n : on)
            QVERIFY2(win.enabled(n.toLatin1()), qPrintable(n + " should be enabled"));
        for (const QString& n : off)
            QVERIFY2(!win.enabled(n.toLatin1()), qPrintable(n + " should be disabled"));
    };
    const QStringList range{"cxFrom", "cxTo"};
    const QStringList excursion{"cxExc_Freq", "cxDup_add", "cxDup_Dec"};
    const QStringList ownTx{"cxTx_Freq", "cxTx_step", "cxTx_asc", "cxTx_dec"};
    const QStringList rxTone{"cxRx_Dcts", "cxRx_Dcts_step", "cxRx_Dcts_asc", "cxRx_Dcts_dec"};
    const QStringList txTone{"cxTx_Dcts", "cxTx_Dcts_step", "cxTx_Dcts_asc", "cxTx_Dcts_dec"};

    check(rxTone, range + excursion + ownTx + txTone + QStringList{"cxTx_ran"});

    win.get<QRadioButton>("cxChs")->click();
    check(range, {});
    win.get<QRadioButton>("cxAll")->click();
    check({}, range);

    win.get<QRadioButton>("cxTx_Exc")->click();
    check(excursion, ownTx);
    win.get<QRadioButton>("cxTx_Self")->click();
    check(ownTx, excursion);
    win.get<QRadioButton>("cxTx_def")->click();
    check({}, excursion + ownTx);

    win.get<QCheckBox>("cxRx_Ran")->click();
    check({}, rxTone);
    win.get<QCheckBox>("cxRx_Ran")->click();
    check(rxTone, {});

    win.get<QRadioButton>("cxTx_Dcts_self")->click();
    check(txTone + QStringList{"cxTx_ran"}, {});
    win.get<QCheckBox>("cxTx_ran")->click();
    check({"cxTx_ran"}, txTone);
    // Back to "Default": the random box keeps its mark but cannot be used.
    win.get<QRadioButton>("cxTx_Dcts_def")->click();
    check({}, txTone + QStringList{"cxTx_ran"});
    QVERIFY(win.get<QCheckBox>("cxTx_ran")->isChecked());
    win.get<QRadioButton>("cxTx_Dcts_self")->click();
    check({"cxTx_ran"}, txTone);

    // "Clear Data" changes no enabling.
    win.get<QCheckBox>("cxClear")->click();
    check(rxTone, {});
}

void TestBatchEdit::editsAreCorrectedWhenCommitted_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("start empty") << "cxRx_freq"
                                 << ""
                                 << "144.00000";
    QTest::newRow("start between the bands") << "cxRx_freq"
                                             << "150"
                                             << "430.00000";
    QTest::newRow("start not a number") << "cxRx_freq"
                                        << "1..4"
                                        << "430.00000";
    QTest::newRow("start on 6.25 kHz") << "cxRx_freq"
                                       << "145.0063"
                                       << "145.00625";
    QTest::newRow("start on 5 kHz") << "cxRx_freq"
                                    << "145.0055"
                                    << "145.00500";
    QTest::newRow("start with a comma") << "cxRx_freq"
                                        << "438,5"
                                        << "438.50000";
    QTest::newRow("transmit start") << "cxTx_Freq"
                                    << "145.6"
                                    << "145.60000";
    QTest::newRow("transmit start too far") << "cxTx_Freq"
                                            << "435"
                                            << "144.00000";
    QTest::newRow("receive step") << "cxRx_Step"
                                  << "0.025"
                                  << "0.02500";
    QTest::newRow("receive step too big") << "cxRx_Step"
                                          << "100"
                                          << "0.00000";
    QTest::newRow("transmit step largest") << "cxTx_step"
                                           << "99.995"
                                           << "99.99500";
    QTest::newRow("excursion too big") << "cxExc_Freq"
                                       << "150"
                                       << "0.00000";
    QTest::newRow("excursion empty") << "cxExc_Freq"
                                     << ""
                                     << "0.00000";
    QTest::newRow("space") << "cxRx_Dcts_step"
                           << "3"
                           << "3";
    QTest::newRow("space with a fraction") << "cxTx_Dcts_step"
                                           << "2.7"
                                           << "2";
    QTest::newRow("space empty") << "cxTx_Dcts_step"
                                 << ""
                                 << "0";
}

void TestBatchEdit::editsAreCorrectedWhenCommitted()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    Window win;
    ScriptedModal modal;
    // Enable the edit under test.
    win.get<QRadioButton>(edit == QLatin1String("cxExc_Freq") ? "cxTx_Exc" : "cxTx_Self")->click();
    win.get<QRadioButton>("cxTx_Dcts_self")->click();
    enter(win.get(edit.toLatin1()), typed);
    QTEST(win.text(edit.toLatin1()), "shown");
    // Corrections are silent and do not touch the document.
    QVERIFY(modal.shown.isEmpty());
    QVERIFY(!all().modified);
}

void TestBatchEdit::rangeLimits()
{
    Window win;
    win.get<QRadioButton>("cxChs")->click();
    auto* from = win.get<QSpinBox>("cxFrom");
    auto* to = win.get<QSpinBox>("cxTo");

    enter(from, QStringLiteral("200"));
    QCOMPARE(from->value(), 128);
    enter(to, QStringLiteral("0"));
    QCOMPARE(to->value(), 1);
    enter(to, QStringLiteral("999"));
    QCOMPARE(to->value(), 128);
    enter(to, QStringLiteral("20"));
    // From is kept at or below To.
    QCOMPARE(from->value(), 128);
    enter(from, QStringLiteral("30"));
    QCOMPARE(from->value(), 20);
    enter(from, QStringLiteral("0"));
    QCOMPARE(from->value(), 1);
    // To may go below From; the fill then writes nothing.
    enter(from, QStringLiteral("15"));
    enter(to, QStringLiteral("10"));
    QCOMPARE(from->value(), 15);
    QCOMPARE(to->value(), 10);
    const auto before = all().image;
    win.ok();
    QVERIFY(all().image == before);
    QVERIFY(!all().modified);
    QCOMPARE(documentEdits().count(), 0);
}

void TestBatchEdit::optionsFollowTheControls()
{
    Window win;
    win.get<QRadioButton>("cxChs")->click();
    enter(win.get("cxFrom"), QStringLiteral("3"));
    enter(win.get("cxTo"), QStringLiteral("9"));
    win.get<QCheckBox>("cxClear")->click();
    enter(win.get("cxRx_freq"), QStringLiteral("145.5"));
    enter(win.get("cxRx_Step"), QStringLiteral("0.0125"));
    win.get<QRadioButton>("cxRx_dec")->click();
    win.get<QRadioButton>("cxTx_Self")->click();
    enter(win.get("cxTx_Freq"), QStringLiteral("145.1"));
    enter(win.get("cxTx_step"), QStringLiteral("0.05"));
    win.get<QRadioButton>("cxTx_dec")->click();
    win.get<QComboBox>("cxRx_Dcts")->setCurrentIndex(7);
    enter(win.get("cxRx_Dcts_step"), QStringLiteral("2"));
    win.get<QRadioButton>("cxRx_Dcts_dec")->click();
    win.get<QRadioButton>("cxTx_Dcts_self")->click();
    win.get<QComboBox>("cxTx_Dcts")->setCurrentIndex(60);
    enter(win.get("cxTx_Dcts_step"), QStringLiteral("4"));
    win.get<QCheckBox>("cxTx_ran")->click();
    win.get<QComboBox>("cxPower")->setCurrentIndex(0);
    win.get<QComboBox>("cxWn")->setCurrentIndex(0);
    win.get<QComboBox>("cxApro")->setCurrentIndex(2);
    QTest::keyClicks(win.get<QLineEdit>("cxName"), QStringLiteral("ab_1.cdefg"));
    for (const char* name : {"cxUse_Chs", "cxBclo", "cxVox", "cxScan"})
        win.get<QCheckBox>(name)->click();

    const BatchFillOptions o = win.w->FillOptions();
    QVERIFY(!o.allChannels);
    QCOMPARE(o.from, 3);
    QCOMPARE(o.to, 9);
    QVERIFY(o.clear);
    QCOMPARE(o.rxStart, 145.5);
    QCOMPARE(o.rxStep, 0.0125);
    QVERIFY(!o.rxAscending);
    QCOMPARE(int(o.transmit), int(BatchTransmit::OwnStart));
    QCOMPARE(o.txStart, 145.1);
    QCOMPARE(o.txStep, 0.05);
    QVERIFY(!o.txAscending);
    QCOMPARE(o.rxTonePosition, 7);
    QCOMPARE(o.rxToneSpace, 2);
    QVERIFY(!o.rxToneAscending);
    QVERIFY(!o.rxToneRandom);
    QVERIFY(!o.txToneSameAsReceive);
    QCOMPARE(o.txTonePosition, 60);
    QCOMPARE(o.txToneSpace, 4);
    QVERIFY(o.txToneRandom);
    QCOMPARE(o.power, 0);
    QCOMPARE(o.bandwidth, 0);
    QCOMPARE(o.voiceMode, 2);
    // Only name characters pass, upper-cased, six at most.
    QCOMPARE(o.name, QStringLiteral("AB_1CD"));
    QVERIFY(o.nameIsChannelNumber);
    QVERIFY(o.busyLock);
    QVERIFY(o.vox);
    QVERIFY(o.scanAdd);

    win.get<QRadioButton>("cxTx_Exc")->click();
    enter(win.get("cxExc_Freq"), QStringLiteral("5"));
    win.get<QRadioButton>("cxDup_Dec")->click();
    const BatchFillOptions e = win.w->FillOptions();
    QCOMPARE(int(e.transmit), int(BatchTransmit::Excursion));
    QCOMPARE(e.excursion, 5.0);
    QVERIFY(!e.excursionPlus);
}

void TestBatchEdit::okFillsAsOneStep()
{
    Window win;
    win.get<QRadioButton>("cxChs")->click();
    enter(win.get("cxTo"), QStringLiteral("4"));
    enter(win.get("cxRx_freq"), QStringLiteral("145"));
    enter(win.get("cxRx_Step"), QStringLiteral("0.025"));
    win.get<QComboBox>("cxRx_Dcts")->setCurrentIndex(1); // 67.0
    enter(win.get("cxRx_Dcts_step"), QStringLiteral("1"));
    win.get<QCheckBox>("cxUse_Chs")->click();
    win.ok();

    QCOMPARE(documentEdits().count(), 1);
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Batch fill 1-4"));
    QVERIFY(all().modified);
    const QStringList rx{"145.00000", "145.02500", "145.05000", "145.07500"};
    const QStringList tones{"67.0", "69.3", "71.9", "74.4"};
    for (int k = 1; k <= 4; ++k) {
        const TChannel ch = decoded(k);
        QCOMPARE(FormatMHz(ch.rxFreq), rx[k - 1]);
        QCOMPARE(ch.txFreq, ch.rxFreq);
        QCOMPARE(ch.rxTone, tones[k - 1]);
        QCOMPARE(ch.txTone, tones[k - 1]);
        QCOMPARE(ch.name.trimmed(), QString::number(k));
    }
    QCOMPARE(decoded(5).name, QStringLiteral("<empty>"));

    // The window stays open with its settings; a second Ok fills the same way.
    QVERIFY(win.w->isVisible());
    win.get<QComboBox>("cxRx_Dcts")->setCurrentIndex(2);
    win.ok();
    QCOMPARE(documentEdits().count(), 2);
    QCOMPARE(decoded(1).rxTone, QStringLiteral("69.3"));
    QCOMPARE(FormatMHz(decoded(4).rxFreq), rx[3]);

    // A value typed but not committed when Ok is clicked counts as committed.
    QLineEdit* start = win.get<QLineEdit>("cxRx_freq");
    start->selectAll();
    QTest::keyClicks(start, QStringLiteral("150"));
    win.w->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
    QCOMPARE(start->text(), QStringLiteral("430.00000"));
    QCOMPARE(decoded(1).rxFreq, 430.0);
}

void TestBatchEdit::excursionBelowReceive()
{
    Window win;
    enter(win.get("cxRx_freq"), QStringLiteral("145.5"));
    win.get<QRadioButton>("cxTx_Exc")->click();
    enter(win.get("cxExc_Freq"), QStringLiteral("0.6"));
    win.get<QRadioButton>("cxDup_Dec")->click();
    win.ok();
    for (int k : {1, 64, 128}) {
        const TChannel ch = decoded(k);
        QCOMPARE(FormatMHz(ch.txFreq), QStringLiteral("144.90000"));
        QCOMPARE(FormatMHz(ch.offset), QStringLiteral("0.60000"));
        QCOMPARE(ch.direction, quint8(2));
    }
}

void TestBatchEdit::clearingAndEmptyRanges()
{
    Window win;
    win.ok(); // every channel in use
    for (int k = 1; k <= 128; ++k)
        QVERIFY(IsChannelInUse(all(), k));

    win.get<QRadioButton>("cxChs")->click();
    enter(win.get("cxFrom"), QStringLiteral("10"));
    enter(win.get("cxTo"), QStringLiteral("20"));
    win.get<QCheckBox>("cxClear")->click();
    win.ok();
    for (int k = 1; k <= 128; ++k)
        QCOMPARE(IsChannelInUse(all(), k), k < 10 || k > 20);
    QCOMPARE(documentEdits().count(), 2);
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Batch clear 10-20"));
}

void TestBatchEdit::randomTonesFromTheProgramGenerator()
{
    auto run = [] {
        Window win;
        win.get<QCheckBox>("cxRx_Ran")->click();
        win.get<QRadioButton>("cxTx_Dcts_self")->click();
        win.get<QCheckBox>("cxTx_ran")->click();
        win.ok();
        QStringList tones;
        for (int k = 1; k <= 128; ++k)
            tones << decoded(k).rxTone + QLatin1Char('/') + decoded(k).txTone;
        return tones;
    };
    ResetProgramRandom();
    const QStringList first = run();
    QVERIFY(first != run()); // the generator goes on between runs
    // After a restart the same runs give the same tones.
    ResetProgramRandom();
    MakeFirstDocument(all(), modelList());
    StartNewImage(all(), modelList());
    QCOMPARE(run(), first);
    // Receive and transmit tones are drawn one after the other.
    int differ = 0;
    for (const QString& pair : first)
        differ += pair.section(u'/', 0, 0) != pair.section(u'/', 1);
    QVERIFY(differ > 100);
}

void TestBatchEdit::languageFragmentsAreComplete()
{
    QCOMPARE(LanguageFragments::problems<TfBatch>(), QStringList());
}

QTEST_MAIN(TestBatchEdit)
#include "tst_batchedit.moc"
