#include "FragmentCheck.h"
#include "SettingsFixture.h"
#include "SettingsWindows.h"

#include "core/BitCodecs.h"
#include "core/FmCodec.h"
#include "core/RadioName.h"
#include "core/SerialNumber.h"
#include "core/SettingsMap.h"

#include <QtTest>
#include <functional>
#include <memory>

using Change = std::function<void(TALL&)>;
Q_DECLARE_METATYPE(Change)

// Every change the setting windows make is one step of the document's history, named
// after the window and the control, that undo and redo take back and give again, in
// the image and in the window. Another source's change shows in an open window at
// once; showing and reloading make no step.
class TestSettingsUndo : public QObject {
    Q_OBJECT

  private slots:
    void editUndoRedo_data();
    void editUndoRedo();
    void stepNamedInTheWindowsLanguage_data();
    void stepNamedInTheWindowsLanguage();
    void typingRunsAreSteps_data();
    void typingRunsAreSteps();
    void otherSourcesReload_data();
    void otherSourcesReload();
    void showingMakesNoStep_data();
    void showingMakesNoStep();
};

namespace {

// What a control shows, named as the tests name it: a list or edit by name, or
// "gvData <col> <row>" for a cell of the FM grid. An edit's text is taken without the
// spaces that pad the stored name and serial number.
QString shown(QWidget& window, const QString& name)
{
    const QStringList cell = name.split(u' ');
    if (cell.size() == 3)
        return control<CellGrid>(window, "gvData")->cellText(cell[1].toInt(), cell[2].toInt());
    if (auto* list = control(window, qPrintable(name))) return list->currentText();
    QString text = control<QLineEdit>(window, qPrintable(name))->text();
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Does what the user does with the control: chooses the item of a list, types into an
// edit or a cell.
void act(QWidget& window, const QString& name, const QString& input)
{
    const QStringList cell = name.split(u' ');
    if (cell.size() == 3)
        typeIntoCell(window, cell[1].toInt(), cell[2].toInt(), input);
    else if (auto* list = control(window, qPrintable(name)))
        choose(list, input);
    else
        typeInto(control<QLineEdit>(window, qPrintable(name)), input);
}

} // namespace

void TestSettingsUndo::editUndoRedo_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("alsoShown"); // another control the edit changes
    const auto row = [](const char* form, const char* name, const char* input, const char* step,
                        const char* also = "") {
        QTest::addRow("%s %s", name, input)
            << QString::fromLatin1(form) << QString::fromLatin1(name) << QString::fromLatin1(input)
            << QString::fromLatin1(step) << QString::fromLatin1(also);
    };
    row("fOptFun", "cxSQL", "9", "Optional Function: Squelch level");
    row("fOptFun", "cxMode", "Chs.", "Optional Function: Mode");
    row("fOptFun", "cx1750", "10s", "Optional Function: 1750Hz");
    row("fOptFun", "cxName", "ab1", "Optional Function: Radio Name");
    row("fVoxFun", "cxVoxDely", "1.0", "Vox Function: VOX Delay Time[s]");
    row("fScanFun", "cxPriCh", "128", "Scan Information: Priority Channel");
    row("fScanFun", "cxScanDely", "3", "Scan Information: Dropout Delay Time[s]");
    row("fKeyFun", "cxKey1", "Tx 1750Hz", "Key Function: Key - 1");
    row("fFmFun", "cxFMStep", "25", "FM Information: FM Step[KHz]");
    row("fFmFun", "cxFMVol", "4", "FM Information: FM VOL");
    row("fFmFun", "cxRx", "99.5", "FM Information: Freq. Channel[MHz]");
    row("fFmFun", "gvData 4 3", "96", "FM Information: Memory Channel 12");
    row("fFmFun", "gvData 2 2", "", "FM Information: Memory Channel 1");
    // A bound moves channel 1 (90 MHz) along, in the same step.
    row("fFmFun", "cxFM_Min", "95", "FM Information: FM Scan bound[MHz]", "gvData 2 2");
    row("fFmFun", "cxFM_Max", "89", "FM Information: FM Scan bound[MHz]", "gvData 2 2");
    row("fInfoMsg", "cxSerial", "ab12", "Radio Information: Serial Number");
}

void TestSettingsUndo::editUndoRedo()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, input);
    QFETCH(QString, alsoShown);
    SettingsDocument doc;
    QString channel = QStringLiteral("90");
    SetFmChannel(appState(), 1, channel);
    auto window = makeSettingsWindow(form);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    TDocumentEdits& edits = documentEdits();
    const QStringList watched =
        QStringList{name} + (alsoShown.isEmpty() ? QStringList() : QStringList{alsoShown});
    const auto shownNow = [&] {
        QStringList texts;
        for (const QString& w : watched)
            texts << shown(*window, w);
        return texts;
    };
    const QByteArray before = doc.image();
    const QStringList shownBefore = shownNow();
    QVERIFY(!appState().modified);

    act(*window, name, input);
    const QByteArray after = doc.image();
    const QStringList shownAfter = shownNow();
    QVERIFY(after != before);
    QVERIFY(shownAfter.first() != shownBefore.first());
    QCOMPARE(edits.count(), 1); // typed key by key or not, one step
    QTEST(edits.undoText(), "step");
    QVERIFY(appState().modified);

    edits.Undo();
    QCOMPARE(differences(before, doc.image()), QList<int>());
    QCOMPARE(shownNow(), shownBefore);
    QVERIFY(!appState().modified);
    QVERIFY(!edits.canUndo());

    edits.Redo();
    QCOMPARE(differences(after, doc.image()), QList<int>());
    QCOMPARE(shownNow(), shownAfter);
    QVERIFY(appState().modified);
    QCOMPARE(edits.count(), 1); // reloading made no step
}

void TestSettingsUndo::stepNamedInTheWindowsLanguage_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("label"); // the key of the text that names the control
    QTest::addColumn<QString>("suffix");
    QTest::newRow("list") << "fVoxFun"
                          << "cxRxDis" << QString::fromUtf16(u"否") << "lRxDis.Caption"
                          << "";
    QTest::newRow("FM channel") << "fFmFun"
                                << "gvData 4 11"
                                << "101"
                                << "cxChannel.Caption"
                                << " 20";
}

void TestSettingsUndo::stepNamedInTheWindowsLanguage()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, input);
    QFETCH(QString, label);
    QFETCH(QString, suffix);
    SettingsDocument doc;
    QFile fragment(LanguageFragments::path("Chinese", form));
    QVERIFY(fragment.open(QIODevice::ReadOnly));
    doc.useLanguage(fragment.readAll());
    const auto chinese = FragmentCheck::fragment("Chinese", form);
    auto window = makeSettingsWindow(form);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    act(*window, name, input);
    const QString expected =
        chinese.value(QStringLiteral("lStep.Caption"))
            .arg(chinese.value(form + QStringLiteral(".Caption")), chinese.value(label) + suffix);
    QCOMPARE(documentEdits().undoText(), expected);
    QVERIFY(expected.contains(QString::fromUtf16(u"：")));
}

void TestSettingsUndo::typingRunsAreSteps_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::newRow("radio name") << "fOptFun"
                                << "cxName";
    QTest::newRow("serial number") << "fInfoMsg"
                                   << "cxSerial";
}

// Keystrokes are one step up to Enter or leaving the edit; then typing starts another.
void TestSettingsUndo::typingRunsAreSteps()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    SettingsDocument doc;
    auto window = makeSettingsWindow(form);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* edit = control<QLineEdit>(*window, qPrintable(name));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    const QByteArray firstRun = doc.image();
    QCOMPARE(documentEdits().count(), 1);

    QTest::keyClicks(edit, "c9");
    QCOMPARE(edit->text().left(4), QStringLiteral("ABC9"));
    QCOMPARE(documentEdits().count(), 2);
    documentEdits().Undo();
    QCOMPARE(differences(firstRun, doc.image()), QList<int>());
    QCOMPARE(edit->text().trimmed(), QStringLiteral("AB"));
    QCOMPARE(documentEdits().count(), 2);
}

void TestSettingsUndo::otherSourcesReload_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("shownAfter");
    const auto field = [](SettingsFieldRef f, int value) {
        return Change([f, value](TALL& all) { WriteField(all, f, value); });
    };
    QTest::newRow("squelch") << "fOptFun"
                             << "cxSQL" << field(Setting::Squelch, 2) << "2";
    QTest::newRow("radio name") << "fOptFun"
                                << "cxName" << Change([](TALL& all) {
                                       StoreRadioName(all, QStringLiteral("HELLO"));
                                   })
                                << "HELLO";
    QTest::newRow("vox gain") << "fVoxFun"
                              << "cxVox" << field(Setting::VoxGain, 0) << "1";
    QTest::newRow("priority channel") << "fScanFun"
                                      << "cxPriCh" << field(Setting::PriorityChannel, 7) << "7";
    QTest::newRow("key 2") << "fKeyFun"
                           << "cxKey2" << field(Setting::Key2, 3) << "Tx 1750Hz";
    QTest::newRow("FM volume") << "fFmFun"
                               << "cxFMVol" << field(Setting::FmVolume, 3) << "4";
    QTest::newRow("FM channel") << "fFmFun"
                                << "gvData 2 4" << Change([](TALL& all) {
                                       QString text = QStringLiteral("101.5");
                                       SetFmChannel(all, 3, text);
                                   })
                                << "101.50000";
    QTest::newRow("FM bound") << "fFmFun"
                              << "cxFM_Max" << Change([](TALL& all) {
                                     WriteU16LE(4000, &all.image[Image::FmUpperLimit]);
                                 })
                              << "100.000";
    QTest::newRow("serial number")
        << "fInfoMsg"
        << "cxSerial" << Change([](TALL& all) { StoreSerialNumber(all, QStringLiteral("XYZ")); })
        << "XYZ";
}

void TestSettingsUndo::otherSourcesReload()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(Change, change);
    SettingsDocument doc;
    auto window = makeSettingsWindow(form);
    window->show();
    const QString shownBefore = shown(*window, name);
    TALL expected = appState();
    change(expected);

    // Another source, as the import or the compare window's take-over.
    QObject other;
    documentEdits().Edit(&other, QStringLiteral("elsewhere"), [&] { change(appState()); });
    QTEST(shown(*window, name), "shownAfter");
    // Showing it wrote nothing back and made no step.
    QCOMPARE(differences(QByteArray(reinterpret_cast<const char*>(expected.image.data()),
                                    int(expected.image.size())),
                         doc.image()),
             QList<int>());
    QCOMPARE(documentEdits().count(), 1);

    documentEdits().Undo();
    QCOMPARE(shown(*window, name), shownBefore);
    documentEdits().Redo();
    QTEST(shown(*window, name), "shownAfter");
    QCOMPARE(documentEdits().count(), 1);
}

void TestSettingsUndo::showingMakesNoStep_data()
{
    QTest::addColumn<QString>("form");
    for (const char* form : {"fOptFun", "fVoxFun", "fScanFun", "fKeyFun", "fFmFun", "fInfoMsg"})
        QTest::newRow(form) << QString::fromLatin1(form);
}

// Decoding shows values that another item stands for, and corrects FM frequencies
// out of bounds in the image: none of it is a step or marks the document modified.
void TestSettingsUndo::showingMakesNoStep()
{
    QFETCH(QString, form);
    SettingsDocument doc;
    WriteField(appState(), Setting::DisplayMode, 0);
    WriteField(appState(), Setting::KeyTone, 2);
    WriteField(appState(), Setting::ScanSpeed, 9);
    SetSlotUsed(appState(), Image::AreaFmEmpty, 5, true);
    WriteU16LE(4400, &doc.at(Image::FmChannels + 2 * 4)); // 110 MHz, above the bound
    auto window = makeSettingsWindow(form);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(documentEdits().count(), 0);
    QVERIFY(!appState().modified);
}

QTEST_MAIN(TestSettingsUndo)
#include "tst_settingsundo.moc"
