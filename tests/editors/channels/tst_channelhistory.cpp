#include "ChannelWindowFixture.h"

#include "core/ImageLayout.h"
#include "core/SettingsFields.h"
#include "editors/channels/BatchEdit.h"
#include "editors/channels/ChannelEdit.h"
#include "editors/channels/FrequencyChannels.h"
#include "editors/channels/ToneSelector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <memory>

// The channel windows and the document's history: every change the user makes through a
// window's controls is one named step that undo takes back and redo makes again, byte for
// byte, with the window showing the value of each state; changes made elsewhere reload
// the windows; showing a window makes no step.
//
// The first document has the bands 430-440 MHz (band 0) and 144-146 MHz (band 1).

namespace {

enum class Kind { ChannelEdit, FrequencyChannels, Batch };

template <class T = QWidget> T* control(QWidget* window, const char* name)
{
    T* c = window->findChild<T*>(QLatin1String(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

// Replacing what an edit shows by typing, then Enter.
void typeAndEnter(QWidget* window, const char* name, const QString& text)
{
    QWidget* widget = control(window, name);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit) edit = widget->findChild<QLineEdit*>(); // a tone selector or a spin box
    widget->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(widget, text);
    QTest::keyClick(widget, Qt::Key_Return);
}

// A list moved one entry with the arrow keys.
void arrow(QWidget* window, const char* name, Qt::Key key)
{
    QWidget* list = control(window, name);
    list->setFocus();
    QTest::keyClick(list, key);
}

void click(QWidget* window, const char* name)
{
    auto* button = control<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

// A double click on a tone selector, and DCS-I D023 picked in the chart.
void pickFromChart(QWidget* window, const char* name, ScriptedModal& modal)
{
    QueueChartPick(modal);
    QTest::mouseDClick(control<ToneSelector>(window, name)->lineEdit(), Qt::LeftButton);
}

// What a control shows.
QString shown(QWidget* window, const char* name)
{
    if (!name) return QString();
    QWidget* c = control(window, name);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(c)) return list->currentText();
    if (auto* box = qobject_cast<QCheckBox*>(c))
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    qFatal("cannot read %s", name);
}

// The document every case starts from: memory channels 5 (145.00000, receive tone 88.5,
// transmit 144.40000), 12 and 33 in use; frequency channel 129 at 145.50000 with an offset
// of 0.6 MHz, 130 at 435.00000; tuning step 12.50 kHz.
void PrepareDocument()
{
    StartFreshDocument();
    PutChannel(5, QStringLiteral("145.0"), QStringLiteral("five"));
    QString text = QStringLiteral("88.5");
    SetChannelField(appState(), 5, Field::RxTone, text);
    text = QStringLiteral("144.4");
    SetChannelField(appState(), 5, Field::TxFreq, text);
    PutChannel(12, QStringLiteral("438.0"), QStringLiteral("twelve"));
    PutChannel(33, QStringLiteral("439.0"), QStringLiteral("thirty"));
    SetSettingField(appState(), 9, 0x0F, 3);
    for (const auto& [k, rx] : {std::pair{129, "145.5"}, {130, "435.0"}}) {
        text = QLatin1String(rx);
        SetChannelField(appState(), k, Field::RxFreq, text);
    }
    text = QStringLiteral("0.6");
    SetChannelField(appState(), 129, Field::Offset, text);
    // Shown once, as the grid shows every channel: decoding has cleaned the records.
    for (int k : {5, 12, 33, Image::FirstFrequencyChannel, Image::SecondFrequencyChannel}) {
        TChannel ch;
        DecodeChannel(appState(), k, ch);
    }
    appState().currentChannel = 5;
    documentEdits().Restart(false);
}

// The windows as the main window opens them; the channel edit window shows the
// current channel.
struct Windows {
    std::unique_ptr<TfChsEdit> chs;
    std::unique_ptr<TfFreqEdit> freq;
    std::unique_ptr<TfBatch> batch;

    QWidget* open(Kind kind)
    {
        QWidget* w = nullptr;
        switch (kind) {
        case Kind::ChannelEdit:
            chs = std::make_unique<TfChsEdit>();
            w = chs.get();
            break;
        case Kind::FrequencyChannels:
            freq = std::make_unique<TfFreqEdit>();
            w = freq.get();
            break;
        case Kind::Batch:
            batch = std::make_unique<TfBatch>();
            w = batch.get();
            break;
        }
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("window not active");
        if (kind == Kind::ChannelEdit) chs->LoadChannel();
        return w;
    }
};

struct EditCase {
    const char* name;
    Kind window;
    const char* shows; // the control that shows the value edited; none for the batch window
    const char* step;  // the step's text
    std::function<void(QWidget*, ScriptedModal&)> act;
    std::function<void(QWidget*)> prepare = {}; // what the user does first, making no step
};

const QList<EditCase>& editCases()
{
    using W = QWidget*;
    using M = ScriptedModal&;
    static const QList<EditCase> cases = {
        // The channel edit window, channel 5.
        {"edit: receive frequency typed", Kind::ChannelEdit, "eRx", "Channel 5 RX Frequency",
         [](W w, M) { typeAndEnter(w, "eRx", QStringLiteral("145.5")); }},
        {"edit: receive frequency creates a channel", Kind::ChannelEdit, "eRx",
         "Channel 6 RX Frequency", [](W w, M) { typeAndEnter(w, "eRx", QStringLiteral("435.5")); },
         [](W w) { arrow(w, "cxChs", Qt::Key_Down); }},
        {"edit: receive frequency emptied deletes", Kind::ChannelEdit, "eRx",
         "Channel 5 RX Frequency", [](W w, M) { typeAndEnter(w, "eRx", QString()); }},
        {"edit: transmit frequency typed", Kind::ChannelEdit, "eTX", "Channel 5 TX Frequency",
         [](W w, M) { typeAndEnter(w, "eTX", QStringLiteral("145.6")); }},
        {"edit: receive tone typed", Kind::ChannelEdit, "cxRxDcts", "Channel 5 QT/DQT Deconde",
         [](W w, M) { typeAndEnter(w, "cxRxDcts", QStringLiteral("d25")); }},
        {"edit: transmit tone from the chart", Kind::ChannelEdit, "cxTxDcts",
         "Channel 5 QT/DQT Encode", [](W w, M m) { pickFromChart(w, "cxTxDcts", m); }},
        {"edit: bandwidth", Kind::ChannelEdit, "cxWn", "Channel 5 Wide/Narrow",
         [](W w, M) { arrow(w, "cxWn", Qt::Key_Up); }},
        {"edit: power", Kind::ChannelEdit, "cxPower", "Channel 5 TX Power",
         [](W w, M) { arrow(w, "cxPower", Qt::Key_Up); }},
        {"edit: epilogue", Kind::ChannelEdit, "cxTail", "Channel 5 Epilogue",
         [](W w, M) { arrow(w, "cxTail", Qt::Key_Up); }},
        {"edit: voice mode", Kind::ChannelEdit, "cxApro", "Channel 5 Voice Mode",
         [](W w, M) { arrow(w, "cxApro", Qt::Key_Down); }},
        {"edit: busy lock", Kind::ChannelEdit, "cxBclo", "Channel 5 Busy Lock",
         [](W w, M) { click(w, "cxBclo"); }},
        {"edit: scan add", Kind::ChannelEdit, "cxScan", "Channel 5 Scan Add",
         [](W w, M) { click(w, "cxScan"); }},
        {"edit: vox", Kind::ChannelEdit, "cxVox_S", "Channel 5 Vox",
         [](W w, M) { click(w, "cxVox_S"); }},
        {"edit: name", Kind::ChannelEdit, "cxName", "Channel 5 Name",
         [](W w, M) { typeAndEnter(w, "cxName", QStringLiteral("ab-1")); }},

        // The frequency channel window, Freq_Down unless the tab is changed first.
        {"freq: frequency typed", Kind::FrequencyChannels, "eRx", "Freq_Down: Frequency",
         [](W w, M) { typeAndEnter(w, "eRx", QStringLiteral("145.25")); }},
        {"freq: frequency on the second tab", Kind::FrequencyChannels, "eRx", "Freq_Up: Frequency",
         [](W w, M) { typeAndEnter(w, "eRx", QStringLiteral("436.5")); },
         [](W w) {
             QTabBar* bar = control<QTabWidget>(w, "cxFreq")->tabBar();
             QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
         }},
        {"freq: offset typed", Kind::FrequencyChannels, "eTX", "Freq_Down: Offset Freq.",
         [](W w, M) { typeAndEnter(w, "eTX", QStringLiteral("1.2")); }},
        {"freq: duplex", Kind::FrequencyChannels, "cxDuplex", "Freq_Down: Duplex",
         [](W w, M) { arrow(w, "cxDuplex", Qt::Key_Down); }},
        {"freq: tuning step", Kind::FrequencyChannels, "cxFreqStep", "Freq_Down: Freq. Step",
         [](W w, M) { arrow(w, "cxFreqStep", Qt::Key_Up); }},
        {"freq: receive tone typed", Kind::FrequencyChannels, "cxRxDcts",
         "Freq_Down: QT/DQT Deconde",
         [](W w, M) { typeAndEnter(w, "cxRxDcts", QStringLiteral("100")); }},
        {"freq: transmit tone from the chart", Kind::FrequencyChannels, "cxTxDcts",
         "Freq_Down: QT/DQT Encode", [](W w, M m) { pickFromChart(w, "cxTxDcts", m); }},
        {"freq: bandwidth", Kind::FrequencyChannels, "cxWn", "Freq_Down: Wide/Narrow",
         [](W w, M) { arrow(w, "cxWn", Qt::Key_Up); }},
        {"freq: power", Kind::FrequencyChannels, "cxPower", "Freq_Down: TX Power",
         [](W w, M) { arrow(w, "cxPower", Qt::Key_Up); }},
        {"freq: epilogue", Kind::FrequencyChannels, "cxTail", "Freq_Down: Epilogue",
         [](W w, M) { arrow(w, "cxTail", Qt::Key_Up); }},
        {"freq: voice mode", Kind::FrequencyChannels, "cxApro", "Freq_Down: Voice Mode",
         [](W w, M) { arrow(w, "cxApro", Qt::Key_Down); }},
        {"freq: busy lock", Kind::FrequencyChannels, "cxBclo", "Freq_Down: Busy Lock",
         [](W w, M) { click(w, "cxBclo"); }},
        {"freq: vox", Kind::FrequencyChannels, "cxVox_S", "Freq_Down: Vox",
         [](W w, M) { click(w, "cxVox_S"); }},

        // The batch window: a whole fill or clearing is one step.
        {"batch: fill 1-32", Kind::Batch, nullptr, "Batch fill 1-32",
         [](W w, M) { click(w, "btnOk"); },
         [](W w) {
             click(w, "cxChs");
             typeAndEnter(w, "cxTo", QStringLiteral("32"));
             typeAndEnter(w, "cxRx_freq", QStringLiteral("145.1"));
             typeAndEnter(w, "cxRx_Step", QStringLiteral("0.025"));
         }},
        {"batch: all channels", Kind::Batch, nullptr, "Batch fill 1-128",
         [](W w, M) { click(w, "btnOk"); }},
        {"batch: clear 10-40", Kind::Batch, nullptr, "Batch clear 10-40",
         [](W w, M) { click(w, "btnOk"); },
         [](W w) {
             click(w, "cxChs");
             typeAndEnter(w, "cxTo", QStringLiteral("40"));
             typeAndEnter(w, "cxFrom", QStringLiteral("10"));
             click(w, "cxClear");
         }},
    };
    return cases;
}

} // namespace

class TestChannelHistory : public QObject {
    Q_OBJECT

  private slots:
    void editUndoRedo_data();
    void editUndoRedo();
    void changesElsewhereReloadTheWindows_data();
    void changesElsewhereReloadTheWindows();
    void showingMakesNoStep_data();
    void showingMakesNoStep();
};

void TestChannelHistory::editUndoRedo_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < editCases().size(); ++i)
        QTest::newRow(editCases().at(i).name) << i;
}

void TestChannelHistory::editUndoRedo()
{
    QFETCH(int, index);
    const EditCase& c = editCases().at(index);
    PrepareDocument();
    ScriptedModal modal;
    Windows windows;
    QWidget* w = windows.open(c.window);
    if (c.prepare) c.prepare(w);
    QCOMPARE(documentEdits().count(), 0);
    QVERIFY(!appState().modified);
    const QByteArray before = ImageBytes();
    const QString shownBefore = shown(w, c.shows);

    c.act(w, modal);
    QCOMPARE(documentEdits().count(), 1);
    QCOMPARE(documentEdits().undoText(), QLatin1String(c.step));
    QVERIFY(appState().modified);
    const QByteArray after = ImageBytes();
    const QString shownAfter = shown(w, c.shows);
    QVERIFY(after != before);
    if (c.shows) QVERIFY(shownAfter != shownBefore);

    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
    QCOMPARE(shown(w, c.shows), shownBefore);
    QVERIFY(!appState().modified);

    documentEdits().Redo();
    QCOMPARE(ImageBytes(), after);
    QCOMPARE(shown(w, c.shows), shownAfter);
    QVERIFY(appState().modified);
    // Reloading the window for undo and redo made no step of its own.
    QCOMPARE(documentEdits().count(), 1);
    QVERIFY(modal.shown.isEmpty());
    QVERIFY(modal.unexpected.isEmpty());
}

// Another source changes what an open window shows: a change through the door from
// elsewhere (here the test), the batch window, undo, or the current channel moved
// elsewhere. The window shows the new state at once and writes nothing back.
void TestChannelHistory::changesElsewhereReloadTheWindows_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shows");
    const int edit = int(Kind::ChannelEdit);
    const int freq = int(Kind::FrequencyChannels);
    QTest::newRow("edit window, door") << edit << "door"
                                       << "eRx"
                                       << "146.00000";
    QTest::newRow("edit window, batch window") << edit << "batch"
                                               << "eRx"
                                               << "144.00000";
    QTest::newRow("edit window, undo") << edit << "undo"
                                       << "eRx"
                                       << "145.00000";
    QTest::newRow("edit window, channel moved") << edit << "move"
                                                << "cxName"
                                                << "TWELVE";
    QTest::newRow("edit window, undo moves back") << edit << "move and undo"
                                                  << "eRx"
                                                  << "145.00000";
    QTest::newRow("frequency window, door") << freq << "door"
                                            << "eRx"
                                            << "144.00000";
    QTest::newRow("frequency window, undo") << freq << "undo"
                                            << "eRx"
                                            << "145.50000";
    QTest::newRow("frequency window, step") << freq << "step"
                                            << "cxFreqStep"
                                            << "6.25";
}

void TestChannelHistory::changesElsewhereReloadTheWindows()
{
    QFETCH(int, window);
    QFETCH(QString, source);
    QFETCH(QString, control);
    const bool freq = Kind(window) == Kind::FrequencyChannels;
    PrepareDocument();
    ScriptedModal modal;
    // The image and the history as each announcement of another source leaves them,
    // before the window (connected after this) reloads.
    QByteArray announced = ImageBytes();
    int steps = 0;
    QWidget* w = nullptr;
    const auto record = [&](const QObject* source) {
        if (source == w) return;
        announced = ImageBytes();
        steps = documentEdits().count();
    };
    QObject recorder;
    QObject::connect(&documentEdits(), &TDocumentEdits::changed, &recorder,
                     [&](const DocumentChange& change) { record(change.source); });
    QObject::connect(&documentEdits(), &TDocumentEdits::currentChannelChanged, &recorder,
                     [&](int, const QObject* source) { record(source); });
    Windows windows;
    w = windows.open(Kind(window));
    QObject elsewhere;
    const int k = freq ? Image::FirstFrequencyChannel : 5;
    const auto storeElsewhere = [&](const QString& rx) {
        documentEdits().Edit(&elsewhere, QStringLiteral("elsewhere"), [&] {
            QString text = rx;
            SetChannelField(appState(), k, Field::RxFreq, text);
        });
    };

    if (source == QLatin1String("door")) {
        storeElsewhere(freq ? QStringLiteral("144.0") : QStringLiteral("146.0"));
    } else if (source == QLatin1String("batch")) {
        QWidget* batch = windows.open(Kind::Batch);
        click(batch, "btnOk");
    } else if (source == QLatin1String("undo")) {
        storeElsewhere(QStringLiteral("145.3"));
        QCOMPARE(shown(w, "eRx"), QStringLiteral("145.30000"));
        documentEdits().Undo();
    } else if (source == QLatin1String("move")) {
        documentEdits().SetCurrentChannel(12, &elsewhere);
    } else if (source == QLatin1String("move and undo")) {
        storeElsewhere(QStringLiteral("145.3"));
        documentEdits().SetCurrentChannel(12, &elsewhere);
        QCOMPARE(shown(w, "eRx"), QStringLiteral("438.00000"));
        // Undo goes back to the step's channel.
        documentEdits().Undo();
        QCOMPARE(shown(w, "cxChs"), QStringLiteral("5"));
    } else if (source == QLatin1String("step")) {
        // 6.25 kHz, the same raster as 12.50 kHz: the records stay as they are.
        documentEdits().Edit(&elsewhere, QStringLiteral("elsewhere"),
                             [] { SetSettingField(appState(), 9, 0x0F, 1); });
    }
    QTEST(shown(w, qPrintable(control)), "shows");
    // Nothing written back, no step of the window's own.
    QCOMPARE(ImageBytes(), announced);
    QCOMPARE(documentEdits().count(), steps);
    QVERIFY(modal.unexpected.isEmpty());
}

// Showing a window, choosing what it shows and the cleaning that decoding writes into a
// record make no step and leave the document unmodified.
void TestChannelHistory::showingMakesNoStep_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("choose");
    QTest::addColumn<int>("cleaned"); // the record decoding rewrites; 0: none
    const int edit = int(Kind::ChannelEdit);
    const int freq = int(Kind::FrequencyChannels);
    QTest::newRow("edit window") << edit << "" << 5;
    QTest::newRow("edit window, another channel") << edit << "cxChs" << 6;
    QTest::newRow("frequency window") << freq << "" << 129;
    QTest::newRow("frequency window, other tab") << freq << "cxFreq" << 130;
    QTest::newRow("batch window") << int(Kind::Batch) << "" << 0;
}

void TestChannelHistory::showingMakesNoStep()
{
    QFETCH(int, window);
    QFETCH(QString, choose);
    QFETCH(int, cleaned);
    PrepareDocument();
    // Records as a radio may hold them: channel 5 with shift bits 3 (read as none, and
    // stored so when shown), channel 6 likewise; both frequency channels at 0 MHz, below
    // every band (replaced by the first band's low limit when shown).
    for (int k : {5, 6}) {
        if (k == 6) PutChannel(6, QStringLiteral("435.0"));
        appState().image[size_t(Image::recordOffset(k) + 2)] |= 0xC0;
    }
    for (int k : {Image::FirstFrequencyChannel, Image::SecondFrequencyChannel})
        for (int i = 0; i < 3; ++i)
            appState().image[size_t(Image::recordOffset(k) + i)] = 0;
    const auto recordBytes = [](int k) { return ImageBytes().mid(Image::recordOffset(k), 16); };
    const QByteArray before = ImageBytes();
    const QByteArray dirty = cleaned ? recordBytes(cleaned) : QByteArray();

    Windows windows;
    QWidget* w = windows.open(Kind(window));
    if (choose == QLatin1String("cxChs")) {
        arrow(w, "cxChs", Qt::Key_Down);
        QCOMPARE(appState().currentChannel, 6);
    } else if (choose == QLatin1String("cxFreq")) {
        QTabBar* bar = control<QTabWidget>(w, "cxFreq")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    }
    if (cleaned)
        QVERIFY(recordBytes(cleaned) != dirty);
    else
        QCOMPARE(ImageBytes(), before);
    QCOMPARE(documentEdits().count(), 0);
    QVERIFY(!appState().modified);
    QVERIFY(!documentEdits().canUndo());
}

QTEST_MAIN(TestChannelHistory)
#include "tst_channelhistory.moc"
