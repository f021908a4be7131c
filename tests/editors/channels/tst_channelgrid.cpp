#include "ChannelWindowFixture.h"
#include "tests/support/Elision.h"

#include "core/ImageLayout.h"
#include "core/SettingsFields.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/channels/ToneOption.h"
#include "editors/channels/ToneSelector.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

namespace {

// The grid window shown as the main window shows it, over a fresh document.
struct GridWindow {
    RecordingHost host;
    ScriptedModal modal;
    std::unique_ptr<TfChsInfo> window;

    explicit GridWindow(int channelCount = 0)
    {
        StartFreshDocument();
        if (channelCount > 0) appState().channelCount = channelCount;
    }

    void show()
    {
        window = std::make_unique<TfChsInfo>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        host.reasons.clear();
    }

    CellGrid* grid() const { return window->gvData; }

    QPoint centre(int col, int row) const
    {
        grid()->scrollTo(grid()->cellModel()->indexOfCell(col, row));
        return grid()->visualRect(grid()->cellModel()->indexOfCell(col, row)).center();
    }

    void click(int col, int row)
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre(col, row));
    }

    // Types into the cell as a user does: a click opens the editor with the text
    // selected, typing replaces it (Delete empties it), Enter commits.
    void typeInto(int col, int row, const QString& text)
    {
        click(col, row);
        QVERIFY(grid()->isEditing());
        QCOMPARE(grid()->editor()->selectedText(), grid()->cellText(col, row));
        if (text.isEmpty())
            QTest::keyClick(grid(), Qt::Key_Delete);
        else
            QTest::keyClicks(grid(), text);
        QTest::keyClick(grid(), Qt::Key_Return);
    }

    // Clicks a selector cell and returns the selector laid over it.
    QComboBox* openSelector(int col, int row)
    {
        click(col, row);
        QComboBox* selector = window->selectorOf(col);
        return selector && selector->isVisible() ? selector : nullptr;
    }
};

QString text(GridWindow& g, int col, int row)
{
    return g.grid()->cellText(col, row);
}

QStringList rowTexts(GridWindow& g, int row)
{
    QStringList texts;
    for (int col = 2; col <= 13; ++col)
        texts << g.grid()->cellText(col, row);
    return texts;
}

} // namespace

class TestChannelGrid : public QObject {
    Q_OBJECT

  private slots:
    void showBuildsTheGrid();
    void nothingIsCutShort();
    void fewChannelsMakeALowWindow();
    void showsChannelsOfTheImage();
    void receiveFrequencyCreatesAChannel();
    void outOfBandFrequencyIsRefused_data();
    void outOfBandFrequencyIsRefused();
    void transmitFrequency();
    void listColumnsWriteTheirField_data();
    void listColumnsWriteTheirField();
    void typedTones_data();
    void typedTones();
    void openingACellAndPressingEnterChangesNothing_data();
    void openingACellAndPressingEnterChangesNothing();
    void escapeKeepsTheTone();
    void toneTypedThenClickingElsewhereStaysInItsCell();
    void toneDialog();
    void deletingTheReceiveFrequencyDeletesTheChannel();
    void nameIsUpperCaseAndShort();
    void emptyRowsOfferNoEditing();
    void selectingARowMakesItTheCurrentChannel();
    void keyboardMovesBetweenCellsAndSelectors();
    void deactivateEndsEditing();
    void destroyedWindowStoresNothing();
    void closingKeepsTheEdit();
    void everyEditUndoesAndRedoes_data();
    void everyEditUndoesAndRedoes();
    void showingAndLookingMakeNoStep();
    void undoGoesToTheStepChannel();
};

void TestChannelGrid::showBuildsTheGrid()
{
    GridWindow g;
    g.show();
    CellGrid* grid = g.grid();
    QCOMPARE(g.window->objectName(), QStringLiteral("fChsInfo"));
    QCOMPARE(g.window->windowTitle(), QStringLiteral("Channel Information"));
    QCOMPARE(fChsInfo, g.window.get());
    QCOMPARE(grid->colCount(), 14);
    QCOMPARE(grid->rowCount(), 130);
    QCOMPARE(grid->fixedCols(), 1);
    QCOMPARE(grid->fixedRows(), 1);
    QCOMPARE(grid->rowHeight(1), 35);
    QCOMPARE(grid->rowHeight(50), 20);
    // The defined widths are the least; the window is their sum and 50 pixels.
    int width = 0;
    for (int col = 1; col <= 13; ++col)
        width += grid->colWidth(col);
    QCOMPARE(g.window->width(), width + 50);
    QCOMPARE(g.window->lNone->text(), QStringLiteral("None"));

    QCOMPARE(text(g, 1, 1), QStringLiteral("Channel\nNo."));
    QCOMPARE(text(g, 2, 1), QStringLiteral("RX\nFrequency"));
    QCOMPARE(text(g, 6, 1), QStringLiteral("TX Power"));
    QCOMPARE(text(g, 13, 1), QStringLiteral("Name"));
    QCOMPARE(text(g, 1, 2), QStringLiteral("1"));
    QCOMPARE(text(g, 1, 129), QStringLiteral("128"));
    QVERIFY(grid->colWidth(2) >= 80);
    QVERIFY(grid->colWidth(13) >= 60);
    const auto horizontal = [&](int col) {
        return grid->alignment(col, 10) & Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(horizontal(2), Qt::AlignRight);
    QCOMPARE(horizontal(4), Qt::AlignRight);
    QCOMPARE(horizontal(5), Qt::AlignHCenter);
    QCOMPARE(horizontal(13), Qt::AlignRight);
    QCOMPARE(grid->alignment(2, 1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // Channels 16, 32, ... mark groups of sixteen.
    QVERIFY(grid->color(5, 17) != grid->color(5, 16));
    QCOMPARE(grid->color(5, 17), grid->color(5, 33));
    QCOMPARE(grid->color(5, 16), grid->color(5, 18));
    QCOMPARE(grid->color(5, 16), QColor());

    QVERIFY(!grid->isReadOnly(2, 40));
    QVERIFY(grid->isReadOnly(3, 40));
    QVERIFY(grid->isReadOnly(13, 40));
    QVERIFY(grid->isReadOnly(2, 1));
    QVERIFY(!appState().updateSuppressed);
    QVERIFY(!appState().modified);
}

// Every text a cell or a selector of the grid can show is shown whole.
void TestChannelGrid::nothingIsCutShort()
{
    GridWindow g;
    PutWidestChannels();
    g.show();
    QVERIFY_NOTHING_CUT(g.grid());
    for (int col = 4; col <= 12; ++col) {
        QComboBox* selector = g.openSelector(col, 2);
        QVERIFY(selector);
        QVERIFY2(!Elision::clipsItsEntries(selector), qPrintable(selector->objectName()));
    }
}

void TestChannelGrid::fewChannelsMakeALowWindow()
{
    GridWindow g(5);
    g.show();
    QCOMPARE(g.grid()->rowCount(), 7);
    QVERIFY(g.window->height() <= 150);
}

void TestChannelGrid::showsChannelsOfTheImage()
{
    GridWindow g;
    PutChannel(3, QStringLiteral("145.5"), QStringLiteral("rep"));
    QString tone = QStringLiteral("D023I");
    SetChannelField(appState(), 3, Field::RxTone, tone);
    QString offset = QStringLiteral("0.6");
    SetChannelField(appState(), 3, Field::Offset, offset);
    QString minus = QStringLiteral("2");
    SetChannelField(appState(), 3, Field::Direction, minus);
    g.show();
    QCOMPARE(text(g, 2, 4), QStringLiteral("145.50000"));
    QCOMPARE(text(g, 3, 4), QStringLiteral("144.90000"));
    QCOMPARE(text(g, 4, 4), QStringLiteral("D023I"));
    QCOMPARE(text(g, 5, 4), QStringLiteral("None"));
    QCOMPARE(text(g, 13, 4), QStringLiteral("REP"));
    QCOMPARE(g.grid()->cellValue(1, 4), QStringLiteral("1"));
    QCOMPARE(g.grid()->cellValue(1, 5), QString());
    QCOMPARE(text(g, 2, 5), QString());

    // A change made elsewhere shows after FillRow.
    PutChannel(3, QStringLiteral(""));
    g.window->FillRow(3);
    QCOMPARE(text(g, 2, 4), QString());
    QCOMPARE(text(g, 13, 4), QString());
    QVERIFY(g.grid()->isReadOnly(13, 4));
}

void TestChannelGrid::receiveFrequencyCreatesAChannel()
{
    GridWindow g;
    g.show();
    g.typeInto(2, 8, QStringLiteral("145.5"));
    QVERIFY(g.modal.shown.isEmpty());

    const TChannel ch = ChannelOf(7);
    QVERIFY(IsChannelInUse(appState(), 7));
    QCOMPARE(ch.rxFreq, 145.5);
    QCOMPARE(ch.txFreq, 145.5);
    QCOMPARE(ch.rxTone, QString());
    QCOMPARE(ch.txTone, QString());
    QCOMPARE(int(ch.power), 1);
    QCOMPARE(int(ch.bandwidth), 1);
    QCOMPARE(int(ch.scanSkip), 1);
    QCOMPARE(int(ch.vox), 1);
    QCOMPARE(int(ch.voiceMode), 0);
    QCOMPARE(int(ch.busyLock), 1);
    QCOMPARE(int(ch.epilogue), 1);
    QCOMPARE(ch.name, QStringLiteral("      "));
    // The record bytes themselves: flags of byte 2 (raster flag aside), no tones,
    // power high and no voice mode in byte 9, a name of spaces.
    const quint8* rec = appState().image.data() + 16 * 7;
    QCOMPARE(rec[2] & 0xFC, 0x3C);
    QCOMPARE(rec[5] & rec[6] & rec[7] & rec[8], 0xFF);
    QCOMPARE(rec[9] & 0x07, 0x04);
    for (int i = 10; i < 16; ++i)
        QCOMPARE(int(rec[i]), 10);

    const QStringList shown = {text(g, 2, 8),  text(g, 3, 8),  text(g, 4, 8),  text(g, 5, 8),
                               text(g, 6, 8),  text(g, 7, 8),  text(g, 8, 8),  text(g, 9, 8),
                               text(g, 10, 8), text(g, 11, 8), text(g, 12, 8), text(g, 13, 8)};
    QCOMPARE(shown, (QStringList{"145.50000", "145.50000", "None", "None", "High", "Wide", "Del",
                                 "No", "None", "No", "ON", ""}));
    QCOMPARE(g.grid()->cellValue(1, 8), QStringLiteral("1"));
    QVERIFY(!g.grid()->isReadOnly(3, 8));
    QVERIFY(!g.grid()->isReadOnly(13, 8));
    QVERIFY(appState().modified);
    // One step, the whole new row.
    QCOMPARE(documentEdits().count(), 1);
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Channel 7 RX Frequency"));

    // A new receive frequency keeps the transmit frequency: offset and shift follow.
    g.typeInto(2, 8, QStringLiteral("146"));
    QCOMPARE(text(g, 2, 8), QStringLiteral("146.00000"));
    QCOMPARE(text(g, 3, 8), QStringLiteral("145.50000"));
    QCOMPARE(ChannelOf(7).txFreq, 145.5);
    QCOMPARE(int(ChannelOf(7).direction), 2);
}

void TestChannelGrid::outOfBandFrequencyIsRefused_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // what the cell keeps
    QTest::newRow("empty row, between the bands") << 2 << 3 << "146.52"
                                                  << "";
    QTest::newRow("empty row, outside every band") << 2 << 3 << "500"
                                                   << "";
    QTest::newRow("empty row, zero") << 2 << 3 << "0"
                                     << "";
    QTest::newRow("empty row, not a number") << 2 << 3 << "1.4.5"
                                             << "";
    QTest::newRow("receive of a channel") << 2 << 11 << "146.52"
                                          << "435.00000";
    QTest::newRow("transmit of a channel") << 3 << 11 << "150000"
                                           << "435.00000";
}

// A typed frequency outside the bands shows the caution and changes nothing: an empty
// row stays empty, a channel keeps its frequency.
void TestChannelGrid::outOfBandFrequencyIsRefused()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, typed);
    GridWindow g;
    PutChannel(10, QStringLiteral("435.0"));
    g.show();
    const QByteArray before = ImageBytes();
    g.typeInto(col, row, typed);
    QCOMPARE(g.modal.shown.size(), 1);
    QCOMPARE(g.modal.shown[0].caption, QStringLiteral("Caution"));
    QCOMPARE(g.modal.shown[0].text, QStringLiteral("The frequecy number come amiss!"));
    QCOMPARE(g.modal.shown[0].icon, QMessageBox::Information);
    QCOMPARE(g.modal.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QTEST(text(g, col, row), "shown");
    QTEST(text(g, 3, row), "shown");
    QCOMPARE(g.grid()->cellValue(1, row).isEmpty(), row == 3);
    QCOMPARE(ImageBytes(), before);
    QVERIFY(!appState().modified);
    QVERIFY(!g.grid()->isEditing());
}

void TestChannelGrid::transmitFrequency()
{
    GridWindow g;
    PutChannel(10, QStringLiteral("435.0"));
    g.show();
    g.typeInto(3, 11, QStringLiteral("438"));
    QCOMPARE(text(g, 3, 11), QStringLiteral("438.00000"));
    QCOMPARE(ChannelOf(10).offset, 3.0);
    QCOMPARE(int(ChannelOf(10).direction), 1);

    // Empty means the receive frequency again.
    g.typeInto(3, 11, QString());
    QCOMPARE(text(g, 3, 11), QStringLiteral("435.00000"));
    QCOMPARE(int(ChannelOf(10).direction), 0);

    // More than 99.995 MHz from the receive frequency: refused, the old value shows.
    g.typeInto(3, 11, QStringLiteral("432"));
    g.typeInto(3, 11, QStringLiteral("145"));
    QCOMPARE(text(g, 3, 11), QStringLiteral("432.00000"));
    QCOMPARE(ChannelOf(10).txFreq, 432.0);
}

void TestChannelGrid::listColumnsWriteTheirField_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("field"); // offset of the TChannel member
    QTest::newRow("power low") << 6 << 0 << "Low" << int(offsetof(TChannel, power));
    QTest::newRow("narrow") << 7 << 0 << "Narrow" << int(offsetof(TChannel, bandwidth));
    QTest::newRow("scan add") << 8 << 0 << "Add" << int(offsetof(TChannel, scanSkip));
    QTest::newRow("vox yes") << 9 << 0 << "Yes" << int(offsetof(TChannel, vox));
    QTest::newRow("scrambler") << 10 << 2 << "Scrambler" << int(offsetof(TChannel, voiceMode));
    QTest::newRow("compander") << 10 << 1 << "Compander" << int(offsetof(TChannel, voiceMode));
    QTest::newRow("busy lock yes") << 11 << 0 << "Yes" << int(offsetof(TChannel, busyLock));
    QTest::newRow("epilogue off") << 12 << 0 << "OFF" << int(offsetof(TChannel, epilogue));
}

void TestChannelGrid::listColumnsWriteTheirField()
{
    QFETCH(int, col);
    QFETCH(int, index);
    QFETCH(int, field);
    GridWindow g;
    g.show();
    g.typeInto(2, 6, QStringLiteral("144.5")); // a new channel 5 with its defaults
    const TChannel before = ChannelOf(5);
    appState().modified = false;

    QComboBox* selector = g.openSelector(col, 6);
    QVERIFY(selector);
    QCOMPARE(selector->geometry().topLeft(), g.grid()->cellRect(col, 6).topLeft());
    selector->setCurrentIndex(index); // the user's choice

    QTEST(text(g, col, 6), "shown");
    QCOMPARE(g.grid()->cellValue(col, 6), QString::number(index));
    const TChannel after = ChannelOf(5);
    const auto member = [field](const TChannel& ch) {
        return int(*(reinterpret_cast<const quint8*>(&ch) + field));
    };
    QCOMPARE(member(after), index);
    QVERIFY(member(before) != index);
    QVERIFY(appState().modified);
    // Nothing else of the channel moved.
    QCOMPARE(after.rxFreq, before.rxFreq);
    QCOMPARE(after.name, before.name);
}

void TestChannelGrid::typedTones_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("byKeyboard"); // Tab from the cell before, or a click
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    for (bool keyboard : {false, true}) {
        const char* by = keyboard ? "Tab" : "click";
        QTest::addRow("D9 receive, %s", by) << 4 << keyboard << "D9"
                                            << "D700N"
                                            << "D700N";
        QTest::addRow("D9 transmit, %s", by) << 5 << keyboard << "D9"
                                             << "D700N"
                                             << "D700N";
        QTest::addRow("25, %s", by) << 4 << keyboard << "25"
                                    << "30.0"
                                    << "30.0";
        QTest::addRow("300, %s", by) << 5 << keyboard << "300"
                                     << "290.0"
                                     << "290.0";
        QTest::addRow("lower-case dcs, %s", by) << 4 << keyboard << "d754i"
                                                << "D754I"
                                                << "D754I";
        QTest::addRow("emptied, %s", by) << 5 << keyboard << ""
                                         << "None"
                                         << "";
    }
}

// The selector opens with its text selected, so what the user types replaces the tone
// shown instead of being added to it.
void TestChannelGrid::typedTones()
{
    QFETCH(int, col);
    QFETCH(bool, byKeyboard);
    QFETCH(QString, typed);
    GridWindow g;
    PutChannel(20, QStringLiteral("145.0"));
    QString start = QStringLiteral("88.5");
    SetChannelField(appState(), 20, col == 4 ? Field::RxTone : Field::TxTone, start);
    g.show();

    QComboBox* selector = nullptr;
    if (byKeyboard) {
        g.click(col - 1, 21);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        selector = g.window->selectorOf(col);
        QVERIFY(selector->isVisible());
    } else {
        selector = g.openSelector(col, 21);
        QVERIFY(selector);
    }
    QCOMPARE(selector->currentText(), QStringLiteral("88.5"));
    QVERIFY(selector->hasFocus());
    QWidget* typingInto = QApplication::focusWidget();
    if (typed.isEmpty())
        QTest::keyClick(typingInto, Qt::Key_Delete);
    else
        QTest::keyClicks(typingInto, typed + QStringLiteral("x")); // "x" cannot be typed
    QTest::keyClick(typingInto, Qt::Key_Return);

    QVERIFY(!selector->isVisible());
    QVERIFY(g.grid()->hasFocus());
    QTEST(text(g, col, 21), "shown");
    const TChannel ch = ChannelOf(20);
    QTEST(col == 4 ? ch.rxTone : ch.txTone, "stored");
}

void TestChannelGrid::openingACellAndPressingEnterChangesNothing_data()
{
    QTest::addColumn<int>("edited");
    QTest::addColumn<int>("opened");
    for (int a = 2; a <= 13; ++a)
        for (int b = 2; b <= 13; ++b)
            QTest::addRow("edit %d, open %d", a, b) << a << b;
}

// Whatever cell the user edited before, opening a cell and pressing Enter keeps its
// value: the editor shows the whole text, and the selector the value it had.
void TestChannelGrid::openingACellAndPressingEnterChangesNothing()
{
    QFETCH(int, edited);
    QFETCH(int, opened);
    GridWindow g;
    TALL& all = appState();
    PutChannel(1, QStringLiteral("145.5125"));
    const QStringList fields = {"145.0125", "D023N", "123.0", "0", "0",     "0",
                                "0",        "1",     "0",     "0", "ABCDEF"};
    const int codes[] = {Field::TxFreq,    Field::RxTone,   Field::TxTone, Field::Power,
                         Field::Bandwidth, Field::Scan,     Field::Vox,    Field::VoiceMode,
                         Field::BusyLock,  Field::Epilogue, Field::Name};
    for (int i = 0; i < fields.size(); ++i) {
        QString text = fields[i];
        SetChannelField(all, 1, codes[i], text);
    }
    PutChannel(3, QStringLiteral("145.0"));
    g.show();

    // The edit before, as a user makes it: typed into the grid's editor or the selector.
    static const QMap<int, QString> typed = {
        {2, "145.0125"}, {3, "145.6"}, {4, "D9"}, {5, "88.5"}, {6, "L"},    {7, "N"},
        {8, "A"},        {9, "Y"},     {10, "S"}, {11, "Y"},   {12, "OFF"}, {13, "ZZTOP"}};
    const QByteArray otherBefore = ImageBytes();
    g.click(edited, 4);
    QTest::keyClicks(QApplication::focusWidget(), typed[edited]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY2(ImageBytes() != otherBefore, "the edit before did not happen");

    const QByteArray before = ImageBytes();
    const QString shown = text(g, opened, 2);
    g.click(opened, 2);
    if (opened == 2 || opened == 3 || opened == 13) {
        QVERIFY(g.grid()->isEditing());
        QCOMPARE(g.grid()->editor()->text(), shown);
    } else {
        QVERIFY(g.window->selectorOf(opened)->isVisible());
        QCOMPARE(g.window->selectorOf(opened)->currentText(), shown);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(text(g, opened, 2), shown);
    QCOMPARE(ImageBytes(), before);
}

void TestChannelGrid::escapeKeepsTheTone()
{
    GridWindow g;
    PutChannel(2, QStringLiteral("145.0"));
    g.show();
    QComboBox* selector = g.openSelector(4, 3);
    QVERIFY(selector);
    selector->lineEdit()->clear();
    QTest::keyClicks(selector, "d23");
    QTest::keyClick(selector, Qt::Key_Escape);
    QVERIFY(!selector->isVisible());
    QCOMPARE(text(g, 4, 3), QStringLiteral("None"));
    QCOMPARE(ChannelOf(2).rxTone, QString());
}

// A tone typed into one row must land in that row even when the user's next click
// moves the selectors to another row.
void TestChannelGrid::toneTypedThenClickingElsewhereStaysInItsCell()
{
    GridWindow g;
    PutChannel(2, QStringLiteral("145.0"));
    PutChannel(6, QStringLiteral("146.0"));
    g.show();
    QComboBox* selector = g.openSelector(5, 3);
    QVERIFY(selector);
    selector->lineEdit()->clear();
    QTest::keyClicks(selector, "d754");
    g.click(5, 7);
    QCOMPARE(text(g, 5, 3), QStringLiteral("D754N"));
    QCOMPARE(ChannelOf(2).txTone, QStringLiteral("D754N"));
    QCOMPARE(text(g, 5, 7), QStringLiteral("None"));
    QCOMPARE(ChannelOf(6).txTone, QString());
    QVERIFY(g.window->cxTxDcts->isVisible());
    QCOMPARE(g.window->cxTxDcts->currentText(), QStringLiteral("None"));
}

void TestChannelGrid::toneDialog()
{
    GridWindow g;
    PutChannel(4, QStringLiteral("145.0"));
    g.show();
    auto* selector = qobject_cast<ToneSelector*>(g.openSelector(4, 5));
    QVERIFY(selector);

    // Closed without a choice: nothing changes.
    g.modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
    QTest::mouseDClick(selector->lineEdit(), Qt::LeftButton);
    QCOMPARE(g.modal.dialogNames, QStringList{QStringLiteral("fToneOption")});
    QCOMPARE(text(g, 4, 5), QStringLiteral("None"));
    QVERIFY(!appState().modified);

    // 206.5 is in the chart, not in the grid's list; it is shown and stored all the same.
    g.modal.dialogs << [](QDialog& d) {
        auto& chart = static_cast<TfToneOption&>(d);
        chart.show();
        chart.gvCtcssDblClick(11, 7);
        chart.hide();
        return chart.result();
    };
    QTest::mouseDClick(selector->lineEdit(), Qt::LeftButton);
    QCOMPARE(text(g, 4, 5), QStringLiteral("206.5"));
    QCOMPARE(ChannelOf(4).rxTone, QStringLiteral("206.5"));
    QCOMPARE(selector->currentText(), QStringLiteral("206.5"));
    QVERIFY(appState().modified);
    QVERIFY(g.modal.unexpected.isEmpty());
}

void TestChannelGrid::deletingTheReceiveFrequencyDeletesTheChannel()
{
    GridWindow g;
    PutChannel(9, QStringLiteral("145.0"), QStringLiteral("gone"));
    SetSlotUsed(appState(), Image::AreaScanSkip, 9, true);
    g.show();
    QCOMPARE(text(g, 13, 10), QStringLiteral("GONE"));
    g.typeInto(2, 10, QString());

    for (int c = 2; c <= 13; ++c)
        QCOMPARE(text(g, c, 10), QString());
    QCOMPARE(g.grid()->cellValue(1, 10), QString());
    QCOMPARE(g.grid()->cellValue(6, 10), QString());
    QVERIFY(g.grid()->isReadOnly(3, 10));
    QVERIFY(g.grid()->isReadOnly(13, 10));
    QVERIFY(!IsChannelInUse(appState(), 9));
    QVERIFY(!IsSlotUsed(appState(), Image::AreaScanSkip, 9));
    QVERIFY(RecordErased(9));
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Channel 9 RX Frequency"));
    // The emptied row offers no selector.
    QVERIFY(!g.openSelector(6, 10));
}

void TestChannelGrid::nameIsUpperCaseAndShort()
{
    GridWindow g;
    PutChannel(1, QStringLiteral("145.0"));
    g.show();
    g.click(13, 2);
    QVERIFY(g.grid()->isEditing());
    g.grid()->editor()->clear();
    QTest::keyClicks(g.grid(), "ab-1_.#xyz");
    QCOMPARE(g.grid()->editor()->text(), QStringLiteral("AB-1_X"));
    QTest::keyClick(g.grid(), Qt::Key_Return);
    QCOMPARE(text(g, 13, 2), QStringLiteral("AB-1_X"));
    QCOMPARE(ChannelOf(1).name, QStringLiteral("AB-1_X"));

    g.typeInto(13, 2, QStringLiteral("q "));
    QCOMPARE(text(g, 13, 2), QStringLiteral("Q"));
    QCOMPARE(ChannelOf(1).name, QStringLiteral("Q     "));
}

void TestChannelGrid::emptyRowsOfferNoEditing()
{
    GridWindow g;
    g.show();
    g.click(3, 4);
    QVERIFY(!g.grid()->isEditing());
    g.click(13, 4);
    QVERIFY(!g.grid()->isEditing());
    QVERIFY(!g.openSelector(4, 4));
    QVERIFY(!g.openSelector(9, 4));
    QCOMPARE(appState().modified, false);
    QVERIFY(!IsChannelInUse(appState(), 3));
}

void TestChannelGrid::selectingARowMakesItTheCurrentChannel()
{
    GridWindow g;
    g.show();
    QSignalSpy moved(&documentEdits(), &TDocumentEdits::currentChannelChanged);
    g.click(6, 41);
    QCOMPARE(appState().currentChannel, 40);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.last().at(1).value<const QObject*>(), g.window.get());
    g.click(7, 41); // same row: the channel windows need not follow
    QCOMPARE(moved.count(), 1);
    QTest::keyClick(g.grid(), Qt::Key_Down);
    QCOMPARE(appState().currentChannel, 41);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(documentEdits().count(), 0); // moving is no edit
}

void TestChannelGrid::keyboardMovesBetweenCellsAndSelectors()
{
    GridWindow g;
    PutChannel(1, QStringLiteral("145.0"));
    PutChannel(2, QStringLiteral("145.5"));
    g.show();
    CellGrid* grid = g.grid();
    grid->setFocus();
    grid->setCurrentCell(2, 2);

    // Typing into a frequency cell starts editing, Tab commits and moves on.
    QTest::keyClicks(grid, "144,8");
    QVERIFY(grid->isEditing());
    QCOMPARE(grid->editor()->text(), QStringLiteral("144.8"));
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(text(g, 2, 2), QStringLiteral("144.80000"));
    QCOMPARE(ChannelOf(1).rxFreq, 144.8);
    QCOMPARE(grid->col(), 3);

    // Tab into the tone column: its selector opens over the cell with the focus.
    QTest::keyClick(grid, Qt::Key_Tab);
    QComboBox* tone = g.window->cxRxDcts;
    QVERIFY(tone->isVisible());
    QVERIFY(tone->hasFocus());
    QCOMPARE(tone->geometry().topLeft(), grid->cellRect(4, 2).topLeft());
    QCOMPARE(g.window->currentCol(), 4);

    // Down leaves the selector and opens the one of the next row.
    QTest::keyClick(tone, Qt::Key_Down);
    QCOMPARE(grid->row(), 3);
    QVERIFY(tone->isVisible());
    QCOMPARE(tone->geometry().topLeft(), grid->cellRect(4, 3).topLeft());

    // Right on a list selector moves on as well; Escape gives the grid the focus.
    QTest::keyClick(tone, Qt::Key_Tab);
    QTest::keyClick(tone, Qt::Key_Tab);
    QComboBox* power = g.window->cxPower;
    QVERIFY(power->isVisible());
    QTest::keyClick(power, Qt::Key_Right);
    QVERIFY(!power->isVisible());
    QVERIFY(g.window->cxWn->isVisible());
    QTest::keyClick(g.window->cxWn, Qt::Key_Escape);
    QVERIFY(grid->hasFocus());
    QVERIFY(!g.window->cxWn->isVisible());
    QCOMPARE(ChannelOf(2).bandwidth, quint8(1)); // nothing was chosen
    QCOMPARE(ChannelOf(2).power, quint8(1));
}

void TestChannelGrid::deactivateEndsEditing()
{
    GridWindow g;
    PutChannel(1, QStringLiteral("145.0"));
    g.show();
    g.click(2, 3);
    QTest::keyClicks(g.grid(), "435");
    g.window->FormDeactivate();
    QVERIFY(!g.grid()->isEditing());
    QCOMPARE(ChannelOf(2).rxFreq, 435.0); // what was typed is kept

    QComboBox* selector = g.openSelector(6, 2);
    QVERIFY(selector);
    g.window->FormDeactivate();
    QVERIFY(!selector->isVisible());
}

// The main window destroys editors without asking when the document is replaced;
// an edit in progress must not reach the (new) image.
void TestChannelGrid::destroyedWindowStoresNothing()
{
    GridWindow g;
    PutChannel(1, QStringLiteral("145.0"));
    g.show();
    g.click(2, 2);
    QTest::keyClicks(g.grid(), "146");
    QComboBox* selector = nullptr;
    g.window.reset();
    QCOMPARE(fChsInfo, static_cast<TfChsInfo*>(nullptr));
    QCOMPARE(ChannelOf(1).rxFreq, 145.0);

    g.show();
    selector = g.openSelector(5, 2);
    QVERIFY(selector);
    selector->lineEdit()->clear();
    QTest::keyClicks(selector, "d23");
    g.window.reset();
    QCOMPARE(ChannelOf(1).txTone, QString());
}

void TestChannelGrid::closingKeepsTheEdit()
{
    GridWindow g;
    PutChannel(1, QStringLiteral("145.0"));
    g.show();
    g.window->setAttribute(Qt::WA_DeleteOnClose, false);
    g.click(2, 2);
    QTest::keyClicks(g.grid(), "146");
    QVERIFY(g.window->close());
    QCOMPARE(ChannelOf(1).rxFreq, 146.0);
}

void TestChannelGrid::everyEditUndoesAndRedoes_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("typed"); // into the grid's editor, or the selector
    QTest::addColumn<QString>("step");
    QTest::newRow("a new channel") << 2 << 4 << "146.0"
                                   << "Channel 4 RX Frequency";
    QTest::newRow("receive of a channel") << 2 << 3 << "145.5125"
                                          << "Channel 3 RX Frequency";
    QTest::newRow("deleting a channel") << 2 << 3 << ""
                                        << "Channel 3 RX Frequency";
    QTest::newRow("transmit") << 3 << 3 << "144.9"
                              << "Channel 3 TX Frequency";
    QTest::newRow("name") << 13 << 3 << "home"
                          << "Channel 3 Name";
    QTest::newRow("receive tone") << 4 << 3 << "D9"
                                  << "Channel 3 QT/DQT Dec";
    QTest::newRow("transmit tone") << 5 << 3 << "88.5"
                                   << "Channel 3 QT/DQT Enc";
    QTest::newRow("power") << 6 << 3 << "L"
                           << "Channel 3 TX Power";
    QTest::newRow("voice mode") << 10 << 3 << "S"
                                << "Channel 3 Voice Mode";
    QTest::newRow("epilogue") << 12 << 3 << "OFF"
                              << "Channel 3 Epilogue";
}

// One edit through the cell the user types into is one step; its undo gives back the
// image and the cell as they were, its redo the edit.
void TestChannelGrid::everyEditUndoesAndRedoes()
{
    QFETCH(int, col);
    QFETCH(int, channel);
    QFETCH(QString, typed);
    GridWindow g;
    PutChannel(3, QStringLiteral("145.0"));
    g.show();
    documentEdits().Restart(false);
    const QByteArray before = ImageBytes();
    const QStringList rowBefore = rowTexts(g, channel + 1);

    g.click(col, channel + 1);
    QWidget* typingInto = QApplication::focusWidget();
    if (typed.isEmpty())
        QTest::keyClick(typingInto, Qt::Key_Delete);
    else
        QTest::keyClicks(typingInto, typed);
    QTest::keyClick(typingInto, Qt::Key_Return);
    const QByteArray after = ImageBytes();
    const QStringList rowAfter = rowTexts(g, channel + 1);
    QVERIFY(after != before);
    QVERIFY(appState().modified);
    QCOMPARE(documentEdits().count(), 1);
    QTEST(documentEdits().undoText(), "step");

    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
    QCOMPARE(rowTexts(g, channel + 1), rowBefore);
    QVERIFY(!appState().modified);
    documentEdits().Redo();
    QCOMPARE(ImageBytes(), after);
    QCOMPARE(rowTexts(g, channel + 1), rowAfter);
    QVERIFY(appState().modified);
}

// Opening the grid decodes every channel, which cleans records; that is no step. Nor is a
// refused frequency, nor a cell opened and left with Enter.
void TestChannelGrid::showingAndLookingMakeNoStep()
{
    GridWindow g;
    PutChannel(3, QStringLiteral("145.0")); // its offset bytes are still those of an empty record
    documentEdits().Restart(false);
    g.show();
    g.typeInto(2, 5, QStringLiteral("150"));
    g.click(2, 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    g.click(6, 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(documentEdits().count(), 0);
    QVERIFY(!appState().modified);
}

// After an undo the grid goes to the channel the step was made at, in the user's column.
void TestChannelGrid::undoGoesToTheStepChannel()
{
    GridWindow g;
    PutChannel(3, QStringLiteral("145.0"));
    PutChannel(40, QStringLiteral("435.0"));
    g.show();
    g.typeInto(13, 4, QStringLiteral("three"));
    g.click(3, 41);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(appState().currentChannel, 40);
    documentEdits().Undo();
    QCOMPARE(appState().currentChannel, 3);
    QCOMPARE(g.grid()->row(), 4);
    QCOMPARE(g.grid()->col(), 3);
    QCOMPARE(text(g, 13, 4), QString());
}

QTEST_MAIN(TestChannelGrid)
#include "tst_channelgrid.moc"
