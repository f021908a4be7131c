// The door every edit passes: steps, undo and redo, the modified flag and what each
// change announces.

#include "CoreFixture.h"

#include "core/ChannelRecord.h"
#include "core/DocumentEdits.h"
#include "core/FmCodec.h"
#include "core/ImageLayout.h"
#include "core/SettingsFields.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray imageOf(const TALL& all)
{
    return QByteArray(reinterpret_cast<const char*>(all.image.data()), int(all.image.size()));
}

void setField(TALL& all, int k, int field, const QString& value)
{
    QString text = value;
    SetChannelField(all, k, field, text);
}

} // namespace

Q_DECLARE_METATYPE(DocumentChange)

class TestDocumentEdits : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoRestoreTheImage();
    void modifiedFollowsTheHistory_data();
    void modifiedFollowsTheHistory();
    void anEditThatChangesNothingIsNoStep();
    void editsInsideAnEditAreOneStep();
    void typingIntoOneControlIsOneStep();
    void aNewEditDropsWhatWasUndone();
    void restartClearsTheHistory();
    void changesNameWhatTheyTouched_data();
    void changesNameWhatTheyTouched();
    void historyKeepsTheLastThousandSteps();
};

void TestDocumentEdits::undoAndRedoRestoreTheImage()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    const QByteArray start = imageOf(d.all);
    d.all.currentChannel = 5;
    QVERIFY(edits.Edit(nullptr, QStringLiteral("Channel 5 RX frequency"),
                       [&] { setField(d.all, 5, Field::RxFreq, QStringLiteral("145.5")); }));
    const QByteArray afterFirst = imageOf(d.all);
    d.all.currentChannel = 9;
    QVERIFY(edits.Edit(nullptr, QStringLiteral("Channel 9 RX frequency"),
                       [&] { setField(d.all, 9, Field::RxFreq, QStringLiteral("435")); }));
    const QByteArray afterSecond = imageOf(d.all);
    QCOMPARE(edits.undoText(), QStringLiteral("Channel 9 RX frequency"));

    edits.Undo();
    QCOMPARE(imageOf(d.all), afterFirst);
    QCOMPARE(d.all.currentChannel, 9);
    QCOMPARE(edits.undoText(), QStringLiteral("Channel 5 RX frequency"));
    QCOMPARE(edits.redoText(), QStringLiteral("Channel 9 RX frequency"));
    edits.Undo();
    QCOMPARE(imageOf(d.all), start);
    QCOMPARE(d.all.currentChannel, 5); // the current channel follows the step
    QVERIFY(!edits.canUndo());
    edits.Undo(); // nothing left: nothing happens
    QCOMPARE(imageOf(d.all), start);

    edits.Redo();
    edits.Redo();
    QCOMPARE(imageOf(d.all), afterSecond);
    QVERIFY(!edits.canRedo());
}

void TestDocumentEdits::modifiedFollowsTheHistory_data()
{
    // e: edit, u: undo, r: redo, s: save; the flag after each.
    QTest::addColumn<bool>("read"); // the document came from the radio, never saved
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("flags");
    QTest::newRow("edit and undo") << false << "eu"
                                   << "10";
    QTest::newRow("undo and redo") << false << "eur"
                                   << "101";
    QTest::newRow("saved, then undone past it") << false << "esu"
                                                << "101";
    QTest::newRow("back to the save") << false << "eseuur"
                                      << "101010";
    QTest::newRow("saved after an undo") << false << "eeusr"
                                         << "11101";
    QTest::newRow("save, undo, new edit: the saved state is gone") << false << "esueu"
                                                                   << "10111";
    QTest::newRow("read: unsaved until saved") << true << "eus"
                                               << "110";
}

void TestDocumentEdits::modifiedFollowsTheHistory()
{
    QFETCH(bool, read);
    QFETCH(QString, actions);
    TestDocument d;
    TDocumentEdits edits(d.all);
    edits.Restart(read);
    QCOMPARE(d.all.modified, read);
    QString flags;
    int n = 0;
    for (QChar a : actions) {
        if (a == u'e') {
            ++n;
            edits.Edit(nullptr, QStringLiteral("name"), [&] {
                setField(d.all, 1, Field::RxFreq, QStringLiteral("145.5"));
                setField(d.all, 1, Field::Name, QStringLiteral("N%1").arg(n));
            });
        } else if (a == u'u') {
            edits.Undo();
        } else if (a == u'r') {
            edits.Redo();
        } else if (a == u's') {
            edits.MarkSaved();
        }
        flags += d.all.modified ? u'1' : u'0';
    }
    QTEST(flags, "flags");
}

void TestDocumentEdits::anEditThatChangesNothingIsNoStep()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    QSignalSpy changed(&edits, &TDocumentEdits::changed);
    setField(d.all, 3, Field::RxFreq, QStringLiteral("145.5"));
    TChannel shown; // as the window that shows it has decoded it
    DecodeChannel(d.all, 3, shown);
    // Storing what is stored already, as Enter on an unchanged cell does.
    QVERIFY(!edits.Edit(nullptr, QStringLiteral("again"),
                        [&] { setField(d.all, 3, Field::RxFreq, QStringLiteral("145.5")); }));
    QVERIFY(!edits.canUndo());
    QVERIFY(!d.all.modified);
    QCOMPARE(changed.count(), 0);
}

void TestDocumentEdits::editsInsideAnEditAreOneStep()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    const QByteArray start = imageOf(d.all);
    edits.Edit(nullptr, QStringLiteral("Batch fill 1-3"), [&] {
        for (int k = 1; k <= 3; ++k)
            edits.Edit(nullptr, QStringLiteral("inner"),
                       [&] { setField(d.all, k, Field::RxFreq, QStringLiteral("435")); });
    });
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.undoText(), QStringLiteral("Batch fill 1-3"));
    edits.Undo();
    QCOMPARE(imageOf(d.all), start);
}

void TestDocumentEdits::typingIntoOneControlIsOneStep()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    setField(d.all, 2, Field::RxFreq, QStringLiteral("145.5"));
    const QByteArray start = imageOf(d.all);
    const QString key = QStringLiteral("fChsEdit.cxName");
    for (const char* typed : {"A", "AB", "ABC"})
        edits.Edit(
            nullptr, QStringLiteral("Channel 2 Name"),
            [&] { setField(d.all, 2, Field::Name, QLatin1String(typed)); }, key);
    QCOMPARE(edits.count(), 1);
    // Another control ends the run; the same control after it is a step of its own.
    edits.Edit(nullptr, QStringLiteral("Channel 2 Power"),
               [&] { setField(d.all, 2, Field::Power, QStringLiteral("0")); });
    edits.Edit(
        nullptr, QStringLiteral("Channel 2 Name"),
        [&] { setField(d.all, 2, Field::Name, QStringLiteral("ABCD")); }, key);
    QCOMPARE(edits.count(), 3);
    edits.Undo();
    edits.Undo();
    edits.Undo();
    QCOMPARE(imageOf(d.all), start);
}

void TestDocumentEdits::aNewEditDropsWhatWasUndone()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    for (const char* f : {"145.1", "145.2", "145.3"})
        edits.Edit(nullptr, QLatin1String(f),
                   [&] { setField(d.all, 1, Field::RxFreq, QLatin1String(f)); });
    edits.Undo();
    edits.Undo();
    edits.Edit(nullptr, QStringLiteral("145.4"),
               [&] { setField(d.all, 1, Field::RxFreq, QStringLiteral("145.4")); });
    QCOMPARE(edits.count(), 2);
    QVERIFY(!edits.canRedo());
    QCOMPARE(edits.undoText(), QStringLiteral("145.4"));
}

void TestDocumentEdits::restartClearsTheHistory()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    QSignalSpy history(&edits, &TDocumentEdits::historyChanged);
    edits.Edit(nullptr, QStringLiteral("x"),
               [&] { setField(d.all, 1, Field::RxFreq, QStringLiteral("145.5")); });
    edits.Restart(false);
    QVERIFY(!edits.canUndo() && !edits.canRedo());
    QVERIFY(!d.all.modified);
    QCOMPARE(history.count(), 2);
}

void TestDocumentEdits::changesNameWhatTheyTouched_data()
{
    QTest::addColumn<int>("what"); // the kind of edit
    QTest::addColumn<QList<int>>("records");
    QTest::addColumn<bool>("fm");
    QTest::addColumn<bool>("settings");
    QTest::addColumn<bool>("model");
    QTest::newRow("a channel's name") << 0 << QList<int>{7} << false << false << false;
    QTest::newRow("a scan bit only") << 1 << QList<int>{7} << false << false << false;
    QTest::newRow("a frequency channel") << 2 << QList<int>{130} << false << false << false;
    QTest::newRow("an FM channel") << 3 << QList<int>{} << true << false << false;
    QTest::newRow("a setting") << 4 << QList<int>{} << false << true << false;
    QTest::newRow("the serial number") << 5 << QList<int>{} << false << false << true;
}

void TestDocumentEdits::changesNameWhatTheyTouched()
{
    QFETCH(int, what);
    QFETCH(QList<int>, records);
    TestDocument d;
    setField(d.all, 7, Field::RxFreq, QStringLiteral("145.5"));
    TDocumentEdits edits(d.all);
    QSignalSpy changed(&edits, &TDocumentEdits::changed);
    const QObject source;
    edits.Edit(&source, QStringLiteral("x"), [&] {
        switch (what) {
        case 0:
            setField(d.all, 7, Field::Name, QStringLiteral("SEVEN"));
            break;
        case 1:
            setField(d.all, 7, Field::Scan, QStringLiteral("0"));
            break;
        case 2:
            setField(d.all, 130, Field::RxFreq, QStringLiteral("145.25"));
            break;
        case 3: {
            QString fm = QStringLiteral("99.5");
            SetFmChannel(d.all, 4, fm);
            break;
        }
        case 4:
            d.at(Image::Settings + 2) ^= 0x01;
            break;
        case 5:
            d.at(Image::SerialNumber) = 'Z';
            break;
        }
    });
    QCOMPARE(changed.count(), 1);
    const auto change = changed.first().first().value<DocumentChange>();
    QList<int> touched;
    for (int k = 0; k < change.records.size(); ++k)
        if (change.record(k)) touched << k;
    QCOMPARE(touched, records);
    QTEST(change.fm, "fm");
    QTEST(change.settings, "settings");
    QTEST(change.modelBlock, "model");
    QCOMPARE(change.source, &source);
}

void TestDocumentEdits::historyKeepsTheLastThousandSteps()
{
    TestDocument d;
    TDocumentEdits edits(d.all);
    setField(d.all, 1, Field::RxFreq, QStringLiteral("145.5"));
    for (int i = 0; i < TDocumentEdits::HistoryLimit + 5; ++i)
        edits.Edit(nullptr, QString::number(i), [&] {
            setField(d.all, 1, Field::Name, QString::number(i % 2 ? 1 : 2) + QString::number(i));
        });
    QCOMPARE(edits.count(), TDocumentEdits::HistoryLimit);
    while (edits.canUndo())
        edits.Undo();
    // The oldest steps are gone: undoing stops after the fifth edit, and the state the
    // document started from is out of reach, so it stays modified.
    TChannel ch;
    QVERIFY(DecodeChannel(d.all, 1, ch));
    QCOMPARE(NameWithoutPadding(ch.name), QStringLiteral("24"));
    QVERIFY(d.all.modified);
}

QTEST_GUILESS_MAIN(TestDocumentEdits)
#include "tst_documentedits.moc"
