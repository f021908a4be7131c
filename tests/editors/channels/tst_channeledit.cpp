#include "ChannelWindowFixture.h"
#include "LanguageFragments.h"

#include "core/ImageLayout.h"
#include "core/SettingsFields.h"
#include "editors/channels/ChannelEdit.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/channels/ToneSelector.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct EditWindow {
    RecordingHost host;
    ScriptedModal modal;
    std::unique_ptr<TfChsEdit> window;

    EditWindow() { StartFreshDocument(); }

    // As the channel edit command does: show, then LoadChannel.
    void show(int channel)
    {
        appState().currentChannel = channel;
        window = std::make_unique<TfChsEdit>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->LoadChannel();
        host.reasons.clear();
    }

    // Typing into an edit and pressing Enter.
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        if (!text.isEmpty()) QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QList<QWidget*> editingControls() const
    {
        TfChsEdit* w = window.get();
        return {w->eTX,    w->cxRxDcts, w->cxTxDcts, w->cxWn,   w->cxPower, w->cxName,
                w->cxTail, w->cxApro,   w->cxBclo,   w->cxScan, w->cxVox_S};
    }
};

} // namespace

class TestChannelEdit : public QObject {
    Q_OBJECT

  private slots:
    void showsTheCurrentChannel();
    void channelNotInUseIsBlankAndDisabled();
    void receiveFrequencyCreatesAChannel();
    void emptyingTheReceiveFrequencyDeletesTheChannel();
    void transmitFrequencySetsOffsetAndShift();
    void outOfBandFrequencyIsRefused();
    void controlsWriteTheirField_data();
    void controlsWriteTheirField();
    void typedTones_data();
    void typedTones();
    void toneFromTheChart();
    void choosingAChannel();
    void nameIsUpperCase();
    void gridAndEditWindowFollowEachOther();
    void destroyedOrClosedWithATypedFrequency();
    void languageFragmentsAreComplete();
};

void TestChannelEdit::showsTheCurrentChannel()
{
    EditWindow e;
    PutChannel(5, QStringLiteral("438.5"), QStringLiteral("rpt"));
    QString text = QStringLiteral("437.9");
    SetChannelField(appState(), 5, Field::TxFreq, text);
    for (auto [field, value] : {std::pair{Field::RxTone, "D023I"},
                                {Field::TxTone, "88.5"},
                                {Field::Bandwidth, "0"},
                                {Field::Power, "0"},
                                {Field::BusyLock, "0"},
                                {Field::Scan, "0"},
                                {Field::Vox, "1"},
                                {Field::VoiceMode, "2"},
                                {Field::Epilogue, "0"}}) {
        text = QLatin1String(value);
        SetChannelField(appState(), 5, field, text);
    }
    e.show(5);
    TfChsEdit* w = e.window.get();
    QCOMPARE(w->objectName(), QStringLiteral("fChsEdit"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Channel Edit"));
    QCOMPARE(fChsEdit, w);
    QCOMPARE(w->cxChs->count(), 128);
    QCOMPARE(w->cxChs->currentText(), QStringLiteral("5"));
    QCOMPARE(w->eRx->text(), QStringLiteral("438.50000"));
    QCOMPARE(w->eTX->text(), QStringLiteral("437.90000"));
    QCOMPARE(w->cxRxDcts->currentText(), QStringLiteral("D023I"));
    QCOMPARE(w->cxTxDcts->currentText(), QStringLiteral("88.5"));
    QCOMPARE(w->cxWn->currentText(), QStringLiteral("Narrow"));
    QCOMPARE(w->cxPower->currentText(), QStringLiteral("Low"));
    QCOMPARE(w->cxApro->currentText(), QStringLiteral("Scrambler"));
    QCOMPARE(w->cxTail->currentText(), QStringLiteral("Off"));
    // The boxes show the inverse of the stored bit.
    QVERIFY(w->cxBclo->isChecked());
    QVERIFY(w->cxScan->isChecked());
    QVERIFY(!w->cxVox_S->isChecked());
    QCOMPARE(w->cxName->text(), QStringLiteral("RPT"));
    for (QWidget* control : e.editingControls())
        QVERIFY(control->isEnabled());
    QVERIFY(!appState().modified);
    QCOMPARE(documentEdits().count(), 0);
}

void TestChannelEdit::channelNotInUseIsBlankAndDisabled()
{
    EditWindow e;
    PutChannel(6, QStringLiteral("145.0"), QStringLiteral("x"));
    e.show(6);
    TfChsEdit* w = e.window.get();
    w->cxPower->setCurrentIndex(0); // the power list keeps what it showed
    appState().currentChannel = 5;
    w->LoadChannel();
    QCOMPARE(w->eRx->text(), QString());
    QCOMPARE(w->eTX->text(), QString());
    QVERIFY(w->eRx->isEnabled());
    QVERIFY(w->cxChs->isEnabled());
    for (QWidget* control : e.editingControls())
        QVERIFY(!control->isEnabled());
    QCOMPARE(w->cxRxDcts->currentIndex(), 0);
    QCOMPARE(w->cxWn->currentText(), QStringLiteral("Wide"));
    QCOMPARE(w->cxApro->currentText(), QStringLiteral("None"));
    QCOMPARE(w->cxTail->currentText(), QStringLiteral("On"));
    QCOMPARE(w->cxPower->currentText(), QStringLiteral("Low"));
    QVERIFY(!w->cxBclo->isChecked() && !w->cxScan->isChecked() && !w->cxVox_S->isChecked());
    QCOMPARE(w->cxName->text(), QString());
    QVERIFY(!IsChannelInUse(appState(), 5));
}

void TestChannelEdit::receiveFrequencyCreatesAChannel()
{
    EditWindow e;
    e.show(7);
    TfChsEdit* w = e.window.get();
    EditWindow::type(w->eRx, QStringLiteral("145.5"));
    QVERIFY(IsChannelInUse(appState(), 7));
    QCOMPARE(w->eRx->text(), QStringLiteral("145.50000"));
    QCOMPARE(w->eTX->text(), QStringLiteral("145.50000"));
    for (QWidget* control : e.editingControls())
        QVERIFY(control->isEnabled());
    const TChannel ch = ChannelOf(7);
    QCOMPARE(ch.txFreq, 145.5);
    QCOMPARE(ch.rxTone, QString());
    QCOMPARE(ch.txTone, QString());
    QCOMPARE(int(ch.bandwidth), 1);
    QCOMPARE(int(ch.power), 1); // the power list starts on High
    QCOMPARE(int(ch.busyLock), 1);
    QCOMPARE(int(ch.scanSkip), 1);
    QCOMPARE(int(ch.vox), 1);
    QCOMPARE(int(ch.voiceMode), 0);
    QCOMPARE(int(ch.epilogue), 1);
    QCOMPARE(ch.name, QStringLiteral("      "));
    QVERIFY(appState().modified);
    // Created with all its fields in one step.
    QCOMPARE(documentEdits().count(), 1);
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Channel 7 RX Frequency"));
    QVERIFY(e.modal.shown.isEmpty());
}

void TestChannelEdit::emptyingTheReceiveFrequencyDeletesTheChannel()
{
    EditWindow e;
    PutChannel(3, QStringLiteral("435.0"), QStringLiteral("del"));
    SetSlotUsed(appState(), Image::AreaScanSkip, 3, true);
    e.show(3);
    TfChsEdit* w = e.window.get();
    EditWindow::type(w->eRx, QString());
    QVERIFY(!IsChannelInUse(appState(), 3));
    QVERIFY(!IsSlotUsed(appState(), Image::AreaScanSkip, 3));
    QVERIFY(RecordErased(3));
    QCOMPARE(w->eTX->text(), QString());
    QCOMPARE(w->cxName->text(), QString());
    for (QWidget* control : e.editingControls())
        QVERIFY(!control->isEnabled());
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Channel 3 RX Frequency"));
}

void TestChannelEdit::transmitFrequencySetsOffsetAndShift()
{
    EditWindow e;
    PutChannel(2, QStringLiteral("145.0"));
    e.show(2);
    TfChsEdit* w = e.window.get();
    EditWindow::type(w->eTX, QStringLiteral("144.4"));
    QCOMPARE(w->eTX->text(), QStringLiteral("144.40000"));
    QCOMPARE(ChannelOf(2).offset, 0.6);
    QCOMPARE(int(ChannelOf(2).direction), 2);
    QCOMPARE(ChannelOf(2).rxFreq, 145.0);
    QVERIFY(w->cxRxDcts->hasFocus());

    // Refused when more than 99.995 MHz away: the kept value shows.
    EditWindow::type(w->eTX, QStringLiteral("435"));
    QCOMPARE(w->eTX->text(), QStringLiteral("144.40000"));
    QCOMPARE(ChannelOf(2).txFreq, 144.4);

    // Emptied: the receive frequency again.
    EditWindow::type(w->eTX, QString());
    QCOMPARE(w->eTX->text(), QStringLiteral("145.00000"));
    QCOMPARE(int(ChannelOf(2).direction), 0);
}

// A typed frequency outside the bands shows the caution and changes nothing: a channel
// not in use stays so, a channel keeps its frequencies.
void TestChannelEdit::outOfBandFrequencyIsRefused()
{
    EditWindow e;
    PutChannel(4, QStringLiteral("435.0"));
    e.show(9);
    TfChsEdit* w = e.window.get();
    QByteArray before = ImageBytes();
    EditWindow::type(w->eRx, QStringLiteral("146.52"));
    QCOMPARE(e.modal.shown.size(), 1);
    QCOMPARE(e.modal.shown[0].caption, QStringLiteral("Caution"));
    QCOMPARE(e.modal.shown[0].text, QStringLiteral("The frequecy number come amiss!"));
    QCOMPARE(e.modal.shown[0].icon, QMessageBox::Information);
    QCOMPARE(w->eRx->text(), QString());
    QVERIFY(!w->eTX->isEnabled());
    QVERIFY(!IsChannelInUse(appState(), 9));
    QCOMPARE(ImageBytes(), before);

    w->cxChs->setCurrentIndex(3); // channel 4
    before = ImageBytes();
    EditWindow::type(w->eRx, QStringLiteral("500"));
    QCOMPARE(w->eRx->text(), QStringLiteral("435.00000"));
    EditWindow::type(w->eTX, QStringLiteral("1000"));
    QCOMPARE(e.modal.shown.size(), 3);
    QCOMPARE(w->eTX->text(), QStringLiteral("435.00000"));
    QCOMPARE(ImageBytes(), before);
}

void TestChannelEdit::controlsWriteTheirField_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value"); // list entry; for a box 1 = checked
    QTest::addColumn<int>("field"); // offset of the TChannel member
    QTest::addColumn<int>("stored");
    QTest::newRow("narrow") << "cxWn" << 0 << int(offsetof(TChannel, bandwidth)) << 0;
    QTest::newRow("low power") << "cxPower" << 0 << int(offsetof(TChannel, power)) << 0;
    QTest::newRow("scrambler") << "cxApro" << 2 << int(offsetof(TChannel, voiceMode)) << 2;
    QTest::newRow("epilogue off") << "cxTail" << 0 << int(offsetof(TChannel, epilogue)) << 0;
    QTest::newRow("compander") << "cxApro" << 1 << int(offsetof(TChannel, voiceMode)) << 1;
    QTest::newRow("busy lock on") << "cxBclo" << 1 << int(offsetof(TChannel, busyLock)) << 0;
    QTest::newRow("scan add") << "cxScan" << 1 << int(offsetof(TChannel, scanSkip)) << 0;
    QTest::newRow("vox on") << "cxVox_S" << 1 << int(offsetof(TChannel, vox)) << 0;
}

void TestChannelEdit::controlsWriteTheirField()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(int, field);
    EditWindow e;
    e.show(4);
    EditWindow::type(e.window->eRx, QStringLiteral("145.0")); // channel 4 with the blank defaults
    documentEdits().MarkSaved();

    QWidget* widget = e.window->findChild<QWidget*>(control);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QCOMPARE(box->isChecked(), false);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(box->isChecked(), value == 1);
    } else {
        qobject_cast<QComboBox*>(widget)->setCurrentIndex(value);
    }
    const TChannel ch = ChannelOf(4);
    QTEST(int(*(reinterpret_cast<const quint8*>(&ch) + field)), "stored");
    QVERIFY(appState().modified);
    QCOMPARE(documentEdits().count(), 2);
    QCOMPARE(ch.rxFreq, 145.0);
}

void TestChannelEdit::typedTones_data()
{
    QTest::addColumn<bool>("receive");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("D9") << true << "D9"
                        << "D700N";
    QTest::newRow("25") << false << "25"
                        << "30.0";
    QTest::newRow("emptied") << true << ""
                             << "";
}

void TestChannelEdit::typedTones()
{
    QFETCH(bool, receive);
    QFETCH(QString, typed);
    EditWindow e;
    PutChannel(8, QStringLiteral("145.0"));
    QString start = QStringLiteral("100.0");
    SetChannelField(appState(), 8, receive ? Field::RxTone : Field::TxTone, start);
    e.show(8);
    ToneSelector* tone = receive ? e.window->cxRxDcts : e.window->cxTxDcts;
    tone->setFocus();
    tone->lineEdit()->clear();
    QTest::keyClicks(tone, typed);
    QTest::keyClick(tone, Qt::Key_Return);
    const TChannel ch = ChannelOf(8);
    QTEST(receive ? ch.rxTone : ch.txTone, "stored");
    QCOMPARE(tone->storedTone(), receive ? ch.rxTone : ch.txTone);
}

void TestChannelEdit::toneFromTheChart()
{
    EditWindow e;
    PutChannel(8, QStringLiteral("145.0"));
    e.show(8);
    ToneSelector* tone = e.window->cxTxDcts;
    e.modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
    QTest::mouseDClick(tone->lineEdit(), Qt::LeftButton);
    QCOMPARE(ChannelOf(8).txTone, QString());
    QVERIFY(!appState().modified);

    QueueChartPick(e.modal);
    QTest::mouseDClick(tone->lineEdit(), Qt::LeftButton);
    QCOMPARE(tone->currentText(), QStringLiteral("D023I"));
    QCOMPARE(ChannelOf(8).txTone, QStringLiteral("D023I"));
    QVERIFY(appState().modified);
}

void TestChannelEdit::choosingAChannel()
{
    EditWindow e;
    PutChannel(1, QStringLiteral("145.0"));
    e.show(1);
    TfChsEdit* w = e.window.get();
    QList<const QObject*> movedBy;
    QObject::connect(&documentEdits(), &TDocumentEdits::currentChannelChanged, w,
                     [&movedBy](int, const QObject* source) { movedBy << source; });
    w->cxChs->setCurrentIndex(4);
    QCOMPARE(appState().currentChannel, 5);
    // The other windows are told; moving is no edit.
    QCOMPARE(movedBy, QList<const QObject*>{w});
    QCOMPARE(documentEdits().count(), 0);
    QCOMPARE(w->eRx->text(), QString());
    QVERIFY(!w->eTX->isEnabled());

    // What was typed but not committed goes to the channel it was typed for.
    w->cxChs->setCurrentIndex(0);
    w->eRx->setFocus();
    w->eRx->selectAll();
    QTest::keyClicks(w->eRx, "146");
    w->cxChs->setCurrentIndex(2); // the mouse wheel over the list
    QCOMPARE(ChannelOf(1).rxFreq, 146.0);
    QVERIFY(!IsChannelInUse(appState(), 3));
    QCOMPARE(w->eRx->text(), QString());
}

void TestChannelEdit::nameIsUpperCase()
{
    EditWindow e;
    PutChannel(1, QStringLiteral("145.0"));
    e.show(1);
    TfChsEdit* w = e.window.get();
    QCOMPARE(w->cxName->contextMenuPolicy(), Qt::NoContextMenu);
    w->cxName->setFocus();
    QTest::keyClicks(w->cxName, "ab-1_2345");
    QCOMPARE(w->cxName->text(), QStringLiteral("AB-123"));
    QTest::keyClick(w->cxName, Qt::Key_Return);
    QCOMPARE(ChannelOf(1).name, QStringLiteral("AB-123"));
}

// The two windows side by side. The form follows the grid's changes and its current
// channel; the grid follows what the door announces of the form's changes (here through
// a stand-in, as it does not listen to the door itself yet), and the grid's own requests
// reach the form through a main window stand-in.
void TestChannelEdit::gridAndEditWindowFollowEachOther()
{
    EditWindow e;
    e.host.answer = [](int reason) {
        if (reason == RefreshReason::GridStored && fChsEdit) fChsEdit->LoadChannel();
    };
    PutChannel(2, QStringLiteral("145.0"));
    e.show(2);
    TfChsInfo grid;
    grid.show();
    grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    QObject::connect(&documentEdits(), &TDocumentEdits::changed, &grid,
                     [&grid](const DocumentChange& change) {
                         for (int k = 1; k <= appState().channelCount; ++k)
                             if (change.record(k)) grid.FillRow(k);
                     });
    CellGrid* g = grid.gvData;
    const auto click = [g](int col, int row) {
        g->scrollTo(g->cellModel()->indexOfCell(col, row));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->cellModel()->indexOfCell(col, row)).center());
    };

    // Selecting a row in the grid shows its channel in the form.
    click(7, 5);
    QCOMPARE(appState().currentChannel, 4);
    QCOMPARE(e.window->cxChs->currentText(), QStringLiteral("4"));
    QVERIFY(!e.window->eTX->isEnabled());

    // A channel typed into the grid appears in the form.
    click(2, 5);
    QTest::keyClicks(g, "435.5");
    QTest::keyClick(g, Qt::Key_Return);
    QCOMPARE(e.window->eRx->text(), QStringLiteral("435.50000"));
    QCOMPARE(e.window->cxWn->currentText(), QStringLiteral("Wide"));
    QVERIFY(e.window->eTX->isEnabled());

    // A change in the form appears in the grid row.
    e.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
    EditWindow::type(e.window->eTX, QStringLiteral("430.5"));
    e.window->cxPower->setCurrentIndex(0);
    QCOMPARE(g->cellText(3, 5), QStringLiteral("430.50000"));
    QCOMPARE(g->cellText(6, 5), QStringLiteral("Low"));
    QCOMPARE(g->cellValue(6, 5), QStringLiteral("0"));

    // Choosing a channel in the form refreshes that grid row, deleting in the form empties it.
    e.window->cxChs->setCurrentIndex(1);
    QCOMPARE(appState().currentChannel, 2);
    EditWindow::type(e.window->eRx, QString());
    QCOMPARE(g->cellText(2, 3), QString());
    QCOMPARE(g->cellValue(1, 3), QString());
}

// Destroyed without asking (a new document) the typed text is dropped; closed by the
// user it is stored.
void TestChannelEdit::destroyedOrClosedWithATypedFrequency()
{
    EditWindow e;
    PutChannel(1, QStringLiteral("145.0"));
    e.show(1);
    e.window->eRx->setFocus();
    e.window->eRx->selectAll();
    QTest::keyClicks(e.window->eRx, "146");
    e.window.reset();
    QCOMPARE(fChsEdit, static_cast<TfChsEdit*>(nullptr));
    QCOMPARE(ChannelOf(1).rxFreq, 145.0);

    e.show(1);
    e.window->setAttribute(Qt::WA_DeleteOnClose, false);
    e.window->eRx->setFocus();
    e.window->eRx->selectAll();
    QTest::keyClicks(e.window->eRx, "146");
    QTest::mouseClick(e.window->btnClose, Qt::LeftButton);
    QVERIFY(!e.window->isVisible());
    QCOMPARE(ChannelOf(1).rxFreq, 146.0);
}

void TestChannelEdit::languageFragmentsAreComplete()
{
    StartFreshDocument();
    QCOMPARE(LanguageFragments::problems<TfChsEdit>(), QStringList());
}

QTEST_MAIN(TestChannelEdit)
#include "tst_channeledit.moc"
