#include "editors/channels/FrequencyChannels.h"

#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "editors/channels/ToneOption.h"
#include "editors/channels/ToneSelector.h"
#include "files/LanguageFile.h"
#include "tests/editors/channels/LanguageFragments.h"
#include "tests/support/ScriptedModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The first document has the bands 430-440 MHz (band 0) and 144-146 MHz (band 1).

namespace {

TALL& all()
{
    return appState();
}

QByteArray recordBytes(int k)
{
    return QByteArray(reinterpret_cast<const char*>(all().image.data() + 16 * k), 16);
}

TChannel decoded(int k)
{
    TChannel ch;
    DecodeChannel(all(), k, ch);
    return ch;
}

void storeField(int k, int code, const QString& value)
{
    QString t = value;
    SetChannelField(all(), k, code, t);
}

void setStep(int index)
{
    SetSettingField(all(), 9, 0x0F, index);
}

// Types into an edit as a user does (replacing what it shows), without committing.
void type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void enter(QLineEdit* edit, const QString& text)
{
    type(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

struct Window {
    std::unique_ptr<TfFreqEdit> w{new TfFreqEdit};
    Window() { w->show(); }
    template <class T> T* get(const char* name) const
    {
        T* c = w->findChild<T*>(QLatin1String(name));
        if (!c) qFatal("no control %s", name);
        return c;
    }
    QLineEdit* eRx() const { return get<QLineEdit>("eRx"); }
    QLineEdit* eTX() const { return get<QLineEdit>("eTX"); }
    QComboBox* step() const { return get<QComboBox>("cxFreqStep"); }
    QTabWidget* tabs() const { return get<QTabWidget>("cxFreq"); }
};

} // namespace

class TestFrequencyChannels : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();

    void showsTheFirstFrequencyChannel();
    void frequencyOnTheStepRaster_data();
    void frequencyOnTheStepRaster();
    void typingStoresOnlyWhenCommitted();
    void badFrequencies_data();
    void badFrequencies();
    void offsetIsCapped_data();
    void offsetIsCapped();
    void stepChangeReStoresBothChannels();
    void tabsShowTheirOwnRecord();
    void controlsStoreTheirFields();
    void uncommittedFrequencyIsCheckedBeforeAStore();
    void tonesTypedAndPicked();
    void translatedTabCaptions();
    void singleInstanceReference();
    void languageFragmentsAreComplete();
};

void TestFrequencyChannels::initTestCase()
{
    Maindb().DataModuleCreate(QStringLiteral("/tmp/qz17-test/qz17"));
    languageTexts() = EnglishMessageTexts();
}

void TestFrequencyChannels::init()
{
    all().languageIndex = 0;
    MakeFirstDocument(all(), modelList());
    StartNewImage(all(), modelList());
    documentEdits().Restart(false);
}

void TestFrequencyChannels::showsTheFirstFrequencyChannel()
{
    storeField(129, Field::RxFreq, QStringLiteral("145.5"));
    storeField(129, Field::Offset, QStringLiteral("0.6"));
    storeField(129, Field::Direction, QStringLiteral("2"));
    storeField(129, Field::RxTone, QStringLiteral("88.5"));
    storeField(129, Field::Power, QStringLiteral("0"));
    storeField(129, Field::BusyLock, QStringLiteral("0"));
    storeField(129, Field::VoiceMode, QStringLiteral("1"));
    setStep(3);

    Window win;
    QCOMPARE(win.w->windowTitle(), QStringLiteral("Channel Edit"));
    QCOMPARE(win.w->objectName(), QStringLiteral("fFreqEdit"));
    QCOMPARE(win.w->recordInEdit(), 129);
    QCOMPARE(win.tabs()->tabText(0), QStringLiteral("Freq_Down"));
    QCOMPARE(win.tabs()->tabText(1), QStringLiteral("Freq_Up"));
    QCOMPARE(win.eRx()->text(), QStringLiteral("145.50000"));
    QCOMPARE(win.eTX()->text(), QStringLiteral("0.60000"));
    QCOMPARE(win.get<QComboBox>("cxDuplex")->currentText(), QStringLiteral("-Dup"));
    QCOMPARE(win.get<ToneSelector>("cxRxDcts")->currentText(), QStringLiteral("88.5"));
    QCOMPARE(win.get<ToneSelector>("cxTxDcts")->currentText(), QStringLiteral("None"));
    QCOMPARE(win.get<QComboBox>("cxPower")->currentText(), QStringLiteral("Low"));
    QCOMPARE(win.get<QComboBox>("cxWn")->currentText(), QStringLiteral("Wide"));
    QCOMPARE(win.get<QComboBox>("cxApro")->currentText(), QStringLiteral("Compander"));
    QCOMPARE(win.get<QComboBox>("cxTail")->currentText(), QStringLiteral("On"));
    QVERIFY(win.get<QCheckBox>("cxBclo")->isChecked());
    QVERIFY(!win.get<QCheckBox>("cxVox_S")->isChecked());

    // The step list comes from the step table, not from the window's design.
    QStringList steps;
    for (int i = 0; i < win.step()->count(); ++i)
        steps << win.step()->itemText(i);
    QCOMPARE(steps,
             (QStringList{"5.00", "6.25", "10.00", "12.50", "25.00", "37.50", "50.00", "100.00"}));
    QCOMPARE(win.step()->currentIndex(), 3);
    // Showing changes nothing the user would have to save.
    QVERIFY(!all().modified);
}

void TestFrequencyChannels::frequencyOnTheStepRaster_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("5.00") << 0 << "145.00625"
                          << "145.00500";
    QTest::newRow("6.25") << 1 << "145.00625"
                          << "145.00625";
    QTest::newRow("12.50") << 3 << "145.00625"
                           << "145.00625";
    QTest::newRow("10.00 rounds up") << 2 << "145.0026"
                                     << "145.00500";
    QTest::newRow("comma typed") << 0 << "435,1"
                                 << "435.10000";
}

void TestFrequencyChannels::frequencyOnTheStepRaster()
{
    QFETCH(int, step);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    setStep(step);
    Window win;
    ScriptedModal modal;
    enter(win.eRx(), typed);
    QCOMPARE(win.eRx()->text(), shown);
    QCOMPARE(FormatMHz(decoded(129).rxFreq), shown);
    QVERIFY(all().modified);
    QVERIFY(modal.shown.isEmpty());
    // The other frequency channel is not touched.
    QCOMPARE(FormatMHz(decoded(130).rxFreq), QStringLiteral("430.00000"));
}

void TestFrequencyChannels::typingStoresOnlyWhenCommitted()
{
    Window win;
    ScriptedModal modal;
    const QByteArray before = recordBytes(129);
    type(win.eRx(), QStringLiteral("145.5"));
    type(win.eTX(), QStringLiteral("1"));
    QCOMPARE(recordBytes(129), before);
    QVERIFY(!all().modified);
    QVERIFY(modal.shown.isEmpty());

    QTest::keyClick(win.eRx(), Qt::Key_Return);
    QCOMPARE(decoded(129).rxFreq, 145.5);
    QVERIFY(all().modified);
    // Enter again without a change writes nothing more.
    documentEdits().MarkSaved();
    QTest::keyClick(win.eRx(), Qt::Key_Return);
    QVERIFY(!all().modified);
    QCOMPARE(documentEdits().count(), 1);
}

void TestFrequencyChannels::badFrequencies_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // the lowest band edge, or the frequency kept
    QTest::newRow("empty: the lowest band edge") << ""
                                                 << "430.00000";
    QTest::newRow("between the bands") << "150"
                                       << "145.50000";
    QTest::newRow("zero") << "0"
                          << "145.50000";
    QTest::newRow("not a number") << "1..5"
                                  << "145.50000";
}

// An emptied frequency becomes the lowest band edge after the caution; a typed one
// outside the bands is refused after it, and the channel keeps its frequency.
void TestFrequencyChannels::badFrequencies()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    storeField(129, Field::RxFreq, QStringLiteral("145.5"));
    Window win;
    ScriptedModal modal;
    enter(win.eRx(), typed);
    QCOMPARE(modal.shown.size(), 1);
    QCOMPARE(modal.shown[0].caption, QStringLiteral("Caution"));
    QCOMPARE(modal.shown[0].text, QStringLiteral("The frequecy number come amiss!"));
    QCOMPARE(modal.shown[0].icon, QMessageBox::Information);
    QCOMPARE(win.eRx()->text(), shown);
    QCOMPARE(FormatMHz(decoded(129).rxFreq), shown);
    QCOMPARE(all().modified, typed.isEmpty());
}

void TestFrequencyChannels::offsetIsCapped_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("150 on 5 kHz") << 0 << "145.5"
                                  << "150"
                                  << "99.99500";
    QTest::newRow("150 on 6.25 kHz") << 1 << "145.50625"
                                     << "150"
                                     << "99.99375";
    // A receive frequency on both rasters follows the offset onto the 5 kHz one.
    QTest::newRow("150 with 25 kHz step") << 4 << "145.5"
                                          << "150"
                                          << "99.99500";
    QTest::newRow("empty") << 0 << "145.5"
                           << ""
                           << "0.00000";
    QTest::newRow("on the raster") << 0 << "145.5"
                                   << "0.6"
                                   << "0.60000";
    QTest::newRow("snapped") << 1 << "145.50625"
                             << "0.6001"
                             << "0.60000";
}

void TestFrequencyChannels::offsetIsCapped()
{
    QFETCH(int, step);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, rx);
    setStep(step);
    storeField(129, Field::RxFreq, rx);
    storeField(129, Field::Offset, QStringLiteral("5"));
    Window win;
    enter(win.eTX(), typed);
    QCOMPARE(win.eTX()->text(), shown);
    QCOMPARE(FormatMHz(decoded(129).offset), shown);
    QVERIFY(all().modified);
}

void TestFrequencyChannels::stepChangeReStoresBothChannels()
{
    setStep(1); // 6.25 kHz
    storeField(129, Field::RxFreq, QStringLiteral("145.00625"));
    storeField(129, Field::Offset, QStringLiteral("0.00625"));
    storeField(130, Field::RxFreq, QStringLiteral("145.01875"));
    storeField(130, Field::Offset, QStringLiteral("0.6125"));
    QCOMPARE(all().image[0x822] & 0x02, 0x02);
    const quint8 fmBits = quint8(all().image[0x8A1] & 0xF0);

    Window win;
    win.step()->setCurrentIndex(0); // 5.00 kHz
    QCOMPARE(GetSettingField(all(), 9, 0x0F), 0);
    QCOMPARE(all().image[0x8A1] & 0xF0, int(fmBits));
    QVERIFY(all().modified);
    QCOMPARE(win.eRx()->text(), QStringLiteral("145.00500"));
    QCOMPARE(win.eTX()->text(), QStringLiteral("0.00500"));
    QCOMPARE(recordBytes(129)[2] & 0x02, 0);

    // The other record is re-stored at once, before its tab is shown.
    QCOMPARE(all().image[0x822] & 0x02, 0);
    const QByteArray other = recordBytes(130);
    win.tabs()->setCurrentIndex(1);
    QCOMPARE(win.eRx()->text(), QStringLiteral("145.02000"));
    QCOMPARE(win.eTX()->text(), QStringLiteral("0.61500"));
    QCOMPARE(recordBytes(130), other);
    QCOMPARE(win.step()->currentIndex(), 0);

    // And back to 6.25 kHz from the second tab: the first record follows.
    win.step()->setCurrentIndex(1);
    QCOMPARE(recordBytes(129)[2] & 0x02, 0x02);
    win.tabs()->setCurrentIndex(0);
    QCOMPARE(win.eRx()->text(), QStringLiteral("145.00625"));
    QCOMPARE(win.step()->currentIndex(), 1);
}

void TestFrequencyChannels::tabsShowTheirOwnRecord()
{
    storeField(129, Field::RxFreq, QStringLiteral("435.5"));
    storeField(130, Field::RxFreq, QStringLiteral("145.25"));
    Window win;
    QCOMPARE(win.eRx()->text(), QStringLiteral("435.50000"));
    win.tabs()->setCurrentIndex(1);
    QCOMPARE(win.w->recordInEdit(), 130);
    QCOMPARE(win.eRx()->text(), QStringLiteral("145.25000"));
    // The controls moved along into the shown tab.
    QVERIFY(win.eRx()->isVisible());
    QVERIFY(win.tabs()->widget(1)->isAncestorOf(win.eRx()));

    enter(win.eRx(), QStringLiteral("144.5"));
    QCOMPARE(decoded(130).rxFreq, 144.5);
    QCOMPARE(decoded(129).rxFreq, 435.5);
    win.tabs()->setCurrentIndex(0);
    QCOMPARE(win.eRx()->text(), QStringLiteral("435.50000"));
}

void TestFrequencyChannels::controlsStoreTheirFields()
{
    storeField(130, Field::RxFreq, QStringLiteral("145.25"));
    Window win;
    win.tabs()->setCurrentIndex(1);
    const QByteArray nameBytes = recordBytes(130).mid(10);
    struct Change {
        const char* name;
        std::function<void()> act;
        std::function<bool(const TChannel&)> holds;
    };
    const QList<Change> changes = {
        {"cxWn", [&] { win.get<QComboBox>("cxWn")->setCurrentIndex(0); },
         [](const TChannel& c) { return c.bandwidth == 0; }},
        {"cxPower", [&] { win.get<QComboBox>("cxPower")->setCurrentIndex(0); },
         [](const TChannel& c) { return c.power == 0; }},
        {"cxDuplex", [&] { win.get<QComboBox>("cxDuplex")->setCurrentIndex(1); },
         [](const TChannel& c) { return c.direction == 1; }},
        {"cxTail", [&] { win.get<QComboBox>("cxTail")->setCurrentIndex(0); },
         [](const TChannel& c) { return c.epilogue == 0; }},
        {"cxApro", [&] { win.get<QComboBox>("cxApro")->setCurrentIndex(2); },
         [](const TChannel& c) { return c.voiceMode == 2; }},
        {"cxBclo", [&] { win.get<QCheckBox>("cxBclo")->click(); },
         [](const TChannel& c) { return c.busyLock == 0; }},
        {"cxVox_S", [&] { win.get<QCheckBox>("cxVox_S")->click(); },
         [](const TChannel& c) { return c.vox == 0; }},
    };
    for (const Change& change : changes) {
        documentEdits().MarkSaved();
        change.act();
        QVERIFY2(all().modified, change.name);
        QVERIFY2(change.holds(decoded(130)), change.name);
    }
    // The name bytes of a frequency channel are never written.
    QCOMPARE(recordBytes(130).mid(10), nameBytes);
    QCOMPARE(decoded(129).power, quint8(1));
}

void TestFrequencyChannels::uncommittedFrequencyIsCheckedBeforeAStore()
{
    // A list turned by the mouse wheel does not take the focus from the edit; the typed,
    // uncommitted frequency must not reach the record unchecked.
    storeField(129, Field::RxFreq, QStringLiteral("145.5"));
    Window win;
    ScriptedModal modal;
    type(win.eRx(), QStringLiteral("150"));
    QComboBox* wn = win.get<QComboBox>("cxWn");
    QCOMPARE(wn->currentIndex(), 1);
    wn->setCurrentIndex(0);
    QCOMPARE(modal.texts(), QStringList{"The frequecy number come amiss!"});
    QCOMPARE(win.eRx()->text(), QStringLiteral("145.50000"));
    QCOMPARE(decoded(129).rxFreq, 145.5);
    QCOMPARE(decoded(129).bandwidth, quint8(0));
}

void TestFrequencyChannels::tonesTypedAndPicked()
{
    Window win;
    ScriptedModal modal;
    auto* rx = win.get<ToneSelector>("cxRxDcts");
    auto* tx = win.get<ToneSelector>("cxTxDcts");

    rx->lineEdit()->selectAll();
    QTest::keyClicks(rx->lineEdit(), QStringLiteral("d12"));
    QTest::keyClick(rx->lineEdit(), Qt::Key_Return);
    QCOMPARE(rx->currentText(), QStringLiteral("D120N"));
    QCOMPARE(decoded(129).rxTone, QStringLiteral("D120N"));
    QVERIFY(all().modified);

    // A double click opens the tone chart; the picked tone is stored.
    modal.dialogs << [](QDialog& d) {
        auto& chart = static_cast<TfToneOption&>(d);
        chart.FormShow();
        chart.gvDcsIDblClick(2, 1);
        return int(QDialog::Accepted);
    };
    emit tx->doubleClicked();
    QCOMPARE(modal.dialogNames.size(), 1);
    QCOMPARE(tx->currentText(), QStringLiteral("D023I"));
    QCOMPARE(decoded(129).txTone, QStringLiteral("D023I"));

    // Closing the chart without a pick changes nothing.
    modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
    emit tx->doubleClicked();
    QCOMPARE(decoded(129).txTone, QStringLiteral("D023I"));

    // Back to no tone: the first entry stores none.
    rx->setCurrentIndex(0);
    emit rx->activated(0);
    QCOMPARE(decoded(129).rxTone, QString());
    QVERIFY(modal.unexpected.isEmpty());
}

void TestFrequencyChannels::translatedTabCaptions()
{
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Test.Ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[fFreqEdit]\nfFreqEdit.Caption=Kanal\nLdown.Caption=Unten\nLup.Caption=Oben\n"
              "cxWn.0=Schmal\ncxRxDcts.0=Kein\ncxRxDcts.5=ignored\n");
    ini.close();
    const QString folder = all().appFolder;
    all().appFolder = dir.path() + QLatin1Char('/');
    all().languageName = QStringLiteral("Test");
    all().languageIndex = 1;

    Window win;
    all().appFolder = folder;
    QCOMPARE(win.w->windowTitle(), QStringLiteral("Kanal"));
    QCOMPARE(win.tabs()->tabText(0), QStringLiteral("Unten"));
    // Steps are named after the translated tab.
    enter(win.eRx(), QStringLiteral("145.5"));
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Unten: Frequency"));
    QCOMPARE(win.tabs()->tabText(1), QStringLiteral("Oben"));
    QCOMPARE(win.get<QComboBox>("cxWn")->itemText(0), QStringLiteral("Schmal"));
    auto* rx = win.get<ToneSelector>("cxRxDcts");
    QCOMPARE(rx->itemText(0), QStringLiteral("Kein"));
    QCOMPARE(rx->itemText(5), QStringLiteral("77.0"));
    // The translated first entry still means no tone.
    QCOMPARE(rx->currentText(), QStringLiteral("Kein"));
    QCOMPARE(rx->storedTone(), QString());
}

void TestFrequencyChannels::singleInstanceReference()
{
    {
        Window win;
        QCOMPARE(fFreqEdit, win.w.get());
    }
    QCOMPARE(fFreqEdit, nullptr);

    // "&Close" frees a window that stands on its own.
    auto* w = new TfFreqEdit;
    w->show();
    QPointer<TfFreqEdit> alive(w);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    QCOMPARE(fFreqEdit, nullptr);
}

void TestFrequencyChannels::languageFragmentsAreComplete()
{
    QCOMPARE(LanguageFragments::problems<TfFreqEdit>(), QStringList());
}

QTEST_MAIN(TestFrequencyChannels)
#include "tst_frequencychannels.moc"
