// The channel list commands of the memory channel grid, driven as a user drives them:
// rows picked on the channel numbers, the commands by their keys and the context menu,
// the answers through the modal seam. Each edit must be one undo step that gives the
// image back byte for byte.
#include "ChannelWindowFixture.h"
#include "LanguageFragments.h"

#include "core/ChannelClipboard.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "core/SettingsMap.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/channels/ChannelSort.h"
#include "files/CsvImportDialog.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>

namespace {

constexpr int ColPower = 6;
constexpr int ColName = 13;

struct ListWindow {
    RecordingHost host;
    ScriptedModal modal;
    std::unique_ptr<TfChsInfo> window;

    ListWindow() { StartFreshDocument(); }

    void show()
    {
        window = std::make_unique<TfChsInfo>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->gvData->setFocus();
    }

    CellGrid* grid() const { return window->gvData; }

    // A click on the number of channel k (Shift or Ctrl held as given).
    void clickNumber(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QHeaderView* numbers = grid()->verticalHeader();
        grid()->scrollTo(grid()->cellModel()->indexOfCell(2, k + 1));
        const int section = k - 1;
        const QPoint at(numbers->width() / 2, numbers->sectionViewportPosition(section) +
                                                  numbers->sectionSize(section) / 2);
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers, at);
    }

    void selectChannels(int first, int last)
    {
        clickNumber(first);
        if (last != first) clickNumber(last, Qt::ShiftModifier);
        QCOMPARE(window->selectedChannels().size(), last - first + 1);
    }

    QPoint centre(int col, int row) const
    {
        grid()->scrollTo(grid()->cellModel()->indexOfCell(col, row));
        return grid()->visualRect(grid()->cellModel()->indexOfCell(col, row)).center();
    }

    void press(const QKeySequence& keys)
    {
        const QKeyCombination combination = keys[0];
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : grid();
        QTest::keyClick(focus, combination.key(), combination.keyboardModifiers());
    }
};

// Channels 1..7 as letters: a channel in use by its name, '.' for an empty one.
QString names(int count = 7)
{
    QString layout;
    for (int k = 1; k <= count; ++k) {
        TChannel ch;
        layout +=
            DecodeChannel(appState(), k, ch) ? NameWithoutPadding(ch.name) : QStringLiteral(".");
    }
    return layout;
}

// A, B, C in use, 4 empty, E, F in use; E the priority channel.
void putLetters()
{
    const char* rx[] = {"145.100", "145.200", "145.300", nullptr, "145.050", "438.600"};
    for (int k = 1; k <= 6; ++k)
        if (rx[k - 1]) PutChannel(k, QString::fromLatin1(rx[k - 1]), QString(QChar(u'A' + k - 1)));
    WriteField(appState(), Setting::PriorityChannel, 5);
    documentEdits().Restart(false);
}

void fillAllChannels()
{
    for (int k = 1; k <= 128; ++k) {
        PutChannel(k, FormatMHz(k % 2 ? 432.0 + k * 0.0125 : 144.6 + k * 0.00625),
                   QStringLiteral("CH%1").arg(k));
        QString scan = k % 3 ? QStringLiteral("0") : QStringLiteral("1");
        SetChannelField(appState(), k, Field::Scan, scan);
        QString tone = k % 2 ? QStringLiteral("D023N") : QStringLiteral("88.5");
        SetChannelField(appState(), k, Field::TxTone, tone);
    }
    documentEdits().Restart(false);
}

void setClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

} // namespace

class TestChannelList : public QObject {
    Q_OBJECT

  private slots:
    void init() { QApplication::clipboard()->clear(); }
    void keysEditTheListInOneStep_data();
    void keysEditTheListInOneStep();
    void contextMenuHoldsTheCommands();
    void insertWithoutRoomSaysSoAndChangesNothing();
    void keysBelongToAnOpenCellEditor();
    void copiedChannelsPasteOverAnOpenCellEditor_data();
    void copiedChannelsPasteOverAnOpenCellEditor();
    void clipboardRoundTripOfAllChannels();
    void spreadsheetTextIsPasted_data();
    void spreadsheetTextIsPasted();
    void pasteOverChannelsInUseAsks_data();
    void pasteOverChannelsInUseAsks();
    void sortDialog_data();
    void sortDialog();
    void listValueGoesToEverySelectedChannel_data();
    void listValueGoesToEverySelectedChannel();
    void draggedNumberMovesTheChannel();
    void sortDialogTranslated();
    void listTextsTranslated();
};

void TestChannelList::keysEditTheListInOneStep_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("after"); // channels 1..7
    QTest::addColumn<int>("priority");
    QTest::addColumn<QString>("step");
    const auto keys = [](QKeyCombination k) { return QKeySequence(k); };
    // Before: "ABC.EF." with E (5) the priority channel.
    QTest::newRow("delete") << 2 << 3 << keys(Qt::Key_Delete) << "A...EF." << 5
                            << "Delete channels 2-3";
    QTest::newRow("cut") << 1 << 1 << keys(Qt::SHIFT | Qt::Key_Delete) << ".BC.EF." << 5
                         << "Cut channels 1-1";
    QTest::newRow("insert") << 2 << 2 << keys(Qt::Key_Insert) << "A.BCEF." << 5
                            << "Insert empty channel 2";
    QTest::newRow("insert before the priority channel")
        << 5 << 5 << keys(Qt::Key_Insert) << "ABC..EF" << 6 << "Insert empty channel 5";
    QTest::newRow("remove") << 2 << 2 << keys(Qt::CTRL | Qt::Key_Delete) << "AC.EF.." << 4
                            << "Remove channel 2";
    QTest::newRow("remove the priority channel")
        << 5 << 5 << keys(Qt::CTRL | Qt::Key_Delete) << "ABC.F.." << 0 << "Remove channel 5";
    QTest::newRow("move up") << 5 << 6 << keys(Qt::ALT | Qt::Key_Up) << "ABCEF.." << 4
                             << "Move channels 5-6";
    QTest::newRow("move down") << 1 << 2 << keys(Qt::ALT | Qt::Key_Down) << "CAB.EF." << 5
                               << "Move channels 1-2";
}

void TestChannelList::keysEditTheListInOneStep()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, after);
    QFETCH(int, priority);
    QFETCH(QString, step);
    ListWindow w;
    putLetters();
    w.show();
    const QByteArray before = ImageBytes();
    QCOMPARE(names(), QStringLiteral("ABC.EF."));

    w.selectChannels(first, last);
    w.press(keys);
    QCOMPARE(names(), after);
    QCOMPARE(ReadField(appState(), Setting::PriorityChannel), priority);
    QVERIFY(w.modal.unexpected.isEmpty());
    // The grid shows what the image holds.
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(w.grid()->cellText(ColName, k + 1),
                 after.at(k - 1) == u'.' ? QString() : QString(after.at(k - 1)));
    // One step, named, that gives every byte back.
    QCOMPARE(documentEdits().count(), 1);
    QCOMPARE(documentEdits().undoText(), step);
    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
    QCOMPARE(w.grid()->cellText(ColName, 6), QStringLiteral("E"));
}

void TestChannelList::contextMenuHoldsTheCommands()
{
    ListWindow w;
    putLetters();
    w.show();
    QStringList shown;
    for (QAction* action : w.window->gvMenu->actions())
        if (!action->isSeparator())
            shown << action->text().remove(u'&') + u'|' + action->shortcut().toString();
    QCOMPARE(shown, QStringList({"Cut|Shift+Del", "Copy|Ctrl+C", "Paste|Ctrl+V", "Delete|Del",
                                 "Insert Empty Channel|Ins", "Remove Channel|Ctrl+Del",
                                 "Move Up|Alt+Up", "Move Down|Alt+Down", "Sort...|"}));
    // Chosen from the menu, a command works on the selection like its key.
    w.selectChannels(1, 2);
    w.window->acDelete->trigger();
    QCOMPARE(names(), QStringLiteral("..C.EF."));
}

void TestChannelList::insertWithoutRoomSaysSoAndChangesNothing()
{
    ListWindow w;
    fillAllChannels();
    QString empty;
    SetChannelField(appState(), 9, Field::RxFreq, empty);
    documentEdits().Restart(false);
    w.show();
    const QByteArray before = ImageBytes();
    w.modal.answers << QMessageBox::Ok;
    w.selectChannels(10, 10);
    w.press(QKeySequence(Qt::Key_Insert));
    QCOMPARE(ImageBytes(), before);
    QCOMPARE(documentEdits().count(), 0);
    QCOMPARE(w.modal.shown.size(), 1);
    QVERIFY2(w.modal.shown.first().text.contains("No empty channel follows channel 10"),
             qPrintable(w.modal.shown.first().text));
    // Before the free channel there is room.
    w.selectChannels(5, 5);
    w.press(QKeySequence(Qt::Key_Insert));
    QVERIFY(!IsChannelInUse(appState(), 5));
    QCOMPARE(NameWithoutPadding(ChannelOf(9).name), QStringLiteral("CH8"));
    QCOMPARE(documentEdits().count(), 1);
}

// Ctrl+C, Ctrl+V and Del typed into an open cell editor edit its text, not the list.
void TestChannelList::keysBelongToAnOpenCellEditor()
{
    ListWindow w;
    putLetters();
    w.show();
    setClipboardText(QStringLiteral("145.55"));
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, w.centre(2, 3));
    QVERIFY(w.grid()->isEditing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("145.20000"));
    QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat(ChannelsMimeType));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QCOMPARE(w.grid()->editor()->text(), QString());
    setClipboardText(QStringLiteral("145.55"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.grid()->editor()->text(), QStringLiteral("145.55"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(names(), QStringLiteral("ABC.EF."));
    QCOMPARE(ChannelOf(2).rxFreq, 145.55);
    QCOMPARE(documentEdits().count(), 1);
}

void TestChannelList::copiedChannelsPasteOverAnOpenCellEditor_data()
{
    QTest::addColumn<bool>("asText");
    QTest::newRow("the program's own channels") << false;
    QTest::newRow("CSV text only") << true;
}

// A click on a cell opens its editor; Ctrl+V with whole channels on the clipboard pastes
// the channels there, and nothing goes into the cell's text.
void TestChannelList::copiedChannelsPasteOverAnOpenCellEditor()
{
    QFETCH(bool, asText);
    ListWindow w;
    putLetters();
    w.show();
    w.selectChannels(1, 2);
    w.press(QKeySequence(Qt::CTRL | Qt::Key_C));
    if (asText) setClipboardText(QApplication::clipboard()->text());
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, w.centre(2, 8));
    QVERIFY(w.grid()->isEditing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!w.grid()->isEditing());
    QCOMPARE(names(8), QStringLiteral("ABC.EFAB"));
    QCOMPARE(w.grid()->cellText(ColName, 9), QStringLiteral("B"));
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Paste 2 channels at 7"));
}

void TestChannelList::clipboardRoundTripOfAllChannels()
{
    QByteArray records, bitmaps;
    {
        ListWindow source;
        fillAllChannels();
        QString empty;
        for (int k : {9, 50, 127})
            SetChannelField(appState(), k, Field::RxFreq, empty);
        source.show();
        source.selectChannels(1, 128);
        source.press(QKeySequence(Qt::CTRL | Qt::Key_C));
        const QByteArray image = ImageBytes();
        records = image.mid(16, 16 * 128);
        bitmaps = image.mid(0x870, 32);
        QCOMPARE(documentEdits().count(), 0);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(ChannelsMimeType));
        // The text for other programs: a header and one line per channel in use.
        QCOMPARE(data->text().count(u'\n'), 1 + 125);
    }
    ListWindow target;
    target.show();
    target.selectChannels(1, 1);
    target.press(QKeySequence(Qt::CTRL | Qt::Key_V));
    QVERIFY(target.modal.shown.isEmpty());
    const QByteArray image = ImageBytes();
    QCOMPARE(image.mid(16, 16 * 128), records);
    QCOMPARE(image.mid(0x870, 32), bitmaps);
    QCOMPARE(documentEdits().undoText(), QStringLiteral("Paste 128 channels at 1"));
    QCOMPARE(target.grid()->cellText(ColName, 129), QStringLiteral("CH128"));
}

void TestChannelList::spreadsheetTextIsPasted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("preview");   // the import's report shown first
    QTest::addColumn<bool>("accept");    // and accepted
    QTest::addColumn<QStringList>("at"); // names of channels 10, 11 after
    QTest::newRow("tab-separated, clean") << "Location\tName\tFrequency\n1\tHOME\t145.500\n"
                                             "2\tWORK\t438.500\n"
                                          << false << true << QStringList{"HOME", "WORK"};
    QTest::newRow("a changed row: report first") << "Name\tFrequency\nHOME\t145.5031\nWORK\t438.5\n"
                                                 << true << true << QStringList{"HOME", "WORK"};
    QTest::newRow("report cancelled") << "Name\tFrequency\nHOME\t145.5\nBAD\t300\n"
                                      << true << false << QStringList{".", "."};
}

void TestChannelList::spreadsheetTextIsPasted()
{
    QFETCH(QString, text);
    QFETCH(bool, preview);
    QFETCH(bool, accept);
    QFETCH(QStringList, at);
    ListWindow w;
    w.show();
    const QByteArray before = ImageBytes();
    setClipboardText(text);
    if (preview)
        w.modal.dialogs <<
            [accept](QDialog&) { return int(accept ? QDialog::Accepted : QDialog::Rejected); };
    w.selectChannels(10, 10);
    w.press(QKeySequence(Qt::CTRL | Qt::Key_V));
    QCOMPARE(w.modal.dialogNames, preview ? QStringList{"fCsvImport"} : QStringList());
    QVERIFY(w.modal.unexpected.isEmpty());
    for (int i = 0; i < 2; ++i) {
        TChannel ch;
        const bool used = DecodeChannel(appState(), 10 + i, ch);
        QCOMPARE(used ? NameWithoutPadding(ch.name) : QStringLiteral("."), at.at(i));
    }
    if (!accept) {
        QCOMPARE(ImageBytes(), before);
        return;
    }
    QCOMPARE(w.grid()->cellText(ColName, 11), at.at(0));
    QCOMPARE(documentEdits().count(), 1);
    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
}

void TestChannelList::pasteOverChannelsInUseAsks_data()
{
    QTest::addColumn<bool>("ownFormat");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("own channels, Yes") << true << int(QMessageBox::Yes) << true;
    QTest::newRow("own channels, No") << true << int(QMessageBox::No) << false;
    QTest::newRow("own channels, Escape") << true << int(ScriptedModal::PressEscape) << false;
    QTest::newRow("text, Yes") << false << int(QMessageBox::Yes) << true;
    QTest::newRow("text, Escape") << false << int(ScriptedModal::PressEscape) << false;
}

void TestChannelList::pasteOverChannelsInUseAsks()
{
    QFETCH(bool, ownFormat);
    QFETCH(int, answer);
    QFETCH(bool, pasted);
    ListWindow w;
    putLetters();
    w.show();
    if (ownFormat) {
        w.selectChannels(5, 6);
        w.press(QKeySequence(Qt::CTRL | Qt::Key_C));
    } else {
        setClipboardText(QStringLiteral("Name,Frequency\nX,145.5\nY,145.55\n"));
    }
    const QByteArray before = ImageBytes();
    w.modal.answers << QMessageBox::StandardButton(answer);
    // Channels 2 and 3 are in use; 4 is empty.
    w.selectChannels(3, 3);
    w.press(QKeySequence(Qt::CTRL | Qt::Key_V));
    QVERIFY2(w.modal.unexpected.isEmpty(), qPrintable(w.modal.unexpected.join(' ')));
    QCOMPARE(w.modal.shown.size(), 1);
    QVERIFY2(w.modal.shown.first().text.contains("replaces 1 channels in use from channel 3"),
             qPrintable(w.modal.shown.first().text));
    if (!pasted) {
        QCOMPARE(ImageBytes(), before);
        QCOMPARE(documentEdits().count(), 0);
        return;
    }
    QCOMPARE(names(), ownFormat ? QStringLiteral("ABEFEF.") : QStringLiteral("ABXYEF."));
    QCOMPARE(documentEdits().count(), 1);
    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
}

void TestChannelList::sortDialog_data()
{
    QTest::addColumn<int>("first"); // 0: nothing selected, every channel
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("by");
    QTest::addColumn<bool>("closeGaps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("priority");
    // Frequencies: A 145.1, B 145.2, C 145.3, E 145.05, F 438.6.
    QTest::newRow("all by frequency") << 0 << 0 << "rbRxFrequency" << false << "EAB.CF." << 1;
    QTest::newRow("all by frequency, gaps closed")
        << 0 << 0 << "rbRxFrequency" << true << "EABCF.." << 1;
    QTest::newRow("selection by name") << 3 << 6 << "rbName" << true << "ABCEF.." << 4;
}

void TestChannelList::sortDialog()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, by);
    QFETCH(bool, closeGaps);
    QFETCH(QString, after);
    QFETCH(int, priority);
    ListWindow w;
    putLetters();
    w.show();
    const QByteArray before = ImageBytes();
    if (first > 0) w.selectChannels(first, last);
    w.modal.dialogs << [&](QDialog& d) {
        d.findChild<QRadioButton*>(by)->click();
        d.findChild<QCheckBox*>("cbCloseGaps")->setChecked(closeGaps);
        return int(QDialog::Accepted);
    };
    w.window->acSort->trigger();
    QCOMPARE(w.modal.dialogNames, QStringList{"fChsSort"});
    QCOMPARE(names(), after);
    QCOMPARE(ReadField(appState(), Setting::PriorityChannel), priority);
    QCOMPARE(documentEdits().count(), 1);
    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);

    // Cancelled, nothing happens.
    w.modal.dialogs << [](QDialog&) { return int(QDialog::Rejected); };
    w.window->acSort->trigger();
    QCOMPARE(ImageBytes(), before);
}

void TestChannelList::listValueGoesToEverySelectedChannel_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("index"); // the entry chosen
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value"); // as the channel record gives it
    QTest::newRow("power low") << ColPower << 0 << Field::Power << "0";
    QTest::newRow("narrow") << 7 << 0 << Field::Bandwidth << "0";
    QTest::newRow("scan Add") << 8 << 0 << Field::Scan << "0";
}

void TestChannelList::listValueGoesToEverySelectedChannel()
{
    QFETCH(int, col);
    QFETCH(int, index);
    QFETCH(int, field);
    QFETCH(QString, value);
    ListWindow w;
    putLetters();
    w.show();
    const QByteArray before = ImageBytes();
    // Channels 2 .. 5 on the numbers, then the cell of 5 with Shift: the selection stays.
    w.selectChannels(2, 5);
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, w.centre(col, 6));
    QComboBox* selector = w.window->selectorOf(col);
    QVERIFY(selector->isVisible());
    QCOMPARE(w.window->selectedChannels(), QList<int>({2, 3, 4, 5}));
    const auto valueOf = [field](int k) {
        TChannel ch;
        DecodeChannel(appState(), k, ch);
        switch (field) {
        case Field::Power:
            return QString::number(ch.power);
        case Field::Bandwidth:
            return QString::number(ch.bandwidth);
        default:
            return QString::number(ch.scanSkip);
        }
    };
    const QString outside[] = {valueOf(1), valueOf(6)};
    QVERIFY(valueOf(2) != value && valueOf(5) != value);
    selector->setCurrentIndex(index); // the user's choice
    for (int k : {2, 3, 5})
        QCOMPARE(valueOf(k), value);
    QCOMPARE(valueOf(1), outside[0]);
    QCOMPARE(valueOf(6), outside[1]);
    QVERIFY(!IsChannelInUse(appState(), 4)); // an empty channel stays empty
    QCOMPARE(documentEdits().count(), 1);
    QVERIFY2(documentEdits().undoText().endsWith(" on 3 channels"),
             qPrintable(documentEdits().undoText()));
    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
}

void TestChannelList::draggedNumberMovesTheChannel()
{
    ListWindow w;
    putLetters();
    w.show();
    const QByteArray before = ImageBytes();
    QHeaderView* numbers = w.grid()->verticalHeader();
    // The header reports a drag as a moved section; the channel moves, the numbers stay.
    w.clickNumber(1);
    numbers->moveSection(0, 2);
    QCOMPARE(names(), QStringLiteral("BCA.EF."));
    QCOMPARE(numbers->visualIndex(0), 0);
    QCOMPARE(documentEdits().count(), 1);
    documentEdits().Undo();
    QCOMPARE(ImageBytes(), before);
}

void TestChannelList::sortDialogTranslated()
{
    QCOMPARE(LanguageFragments::problems<TfChsSort>(), QStringList());
}

// The grid's commands, step names and messages: English gives each back as built in,
// Chinese replaces each.
void TestChannelList::listTextsTranslated()
{
    StartFreshDocument();
    const auto texts = [](TfChsInfo& window) {
        QMap<QString, QString> t;
        for (QAction* a : window.findChildren<QAction*>())
            if (!a->objectName().isEmpty()) t.insert(a->objectName(), a->text());
        for (QLabel* l : window.findChildren<QLabel*>())
            if (!l->objectName().isEmpty() && !l->text().isEmpty())
                t.insert(l->objectName(), l->text());
        return t;
    };
    TfChsInfo english, chinese;
    const QMap<QString, QString> builtIn = texts(english);
    QVERIFY(builtIn.contains("acSort") && builtIn.contains("lStepMove"));
    TranslateFormFromFile(&english, LanguageFragments::path("English", "fChsInfo"), true);
    const QMap<QString, QString> back = texts(english);
    for (auto it = builtIn.begin(); it != builtIn.end(); ++it)
        QCOMPARE(back.value(it.key()), it.value());
    TranslateFormFromFile(&chinese, LanguageFragments::path("Chinese", "fChsInfo"), true);
    const QMap<QString, QString> translated = texts(chinese);
    for (auto it = builtIn.begin(); it != builtIn.end(); ++it)
        QVERIFY2(translated.value(it.key()) != it.value(), qPrintable(it.key()));
}

QTEST_MAIN(TestChannelList)
#include "tst_channellist.moc"
