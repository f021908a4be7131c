// Comparing two documents field by field, taking differences over, naming image places
// and building the printout: the core routines behind qz17-cli diff, the compare window,
// the verify step of a write and Print.

#include "CoreFixture.h"
#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/DocumentDescription.h"
#include "core/DocumentTakeOver.h"
#include "core/FmCodec.h"
#include "core/ImageLayout.h"
#include "core/ImagePlaces.h"
#include "core/Printout.h"
#include "core/RadioName.h"
#include "core/SerialNumber.h"
#include "core/SettingsCatalog.h"
#include "core/SettingsMap.h"

#include <QtTest>
#include <functional>

using Change = std::function<void(TALL&)>;
Q_DECLARE_METATYPE(Change)

namespace {

void setField(TALL& all, int k, int field, const QString& value)
{
    QString text = value;
    SetChannelField(all, k, field, text);
}

// A channel in use with a frequency, as the grid stores a new one.
void addChannel(TALL& all, int k, const QString& rx, const QString& name)
{
    setField(all, k, Field::RxFreq, rx);
    StartNewChannel(all, k);
    setField(all, k, Field::Name, name);
}

void setFm(TALL& all, int n, const QString& mhz)
{
    QString text = mhz;
    SetFmChannel(all, n, text);
}

QList<DocumentDifference> compare(TALL& a, TALL& b)
{
    return CompareDocuments(DescribeDocument(a), DescribeDocument(b));
}

} // namespace

class TestDocumentCompare : public QObject {
    Q_OBJECT

  private slots:
    void oneFieldOfEachKind_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("takeable");
        using G = DocumentDifference::Group;
        QTest::newRow("channel receive frequency")
            << Change([](TALL& d) { setField(d, 5, Field::RxFreq, "145.70000"); })
            << int(G::Channels) << "channel 5 rx 145.50000 → 145.70000" << true;
        QTest::newRow("channel name")
            << Change([](TALL& d) { setField(d, 5, Field::Name, "BASE"); }) << int(G::Channels)
            << "channel 5 name CALL → BASE" << true;
        QTest::newRow("channel power") << Change([](TALL& d) { setField(d, 5, Field::Power, "0"); })
                                       << int(G::Channels) << "channel 5 power 1 → 0" << true;
        QTest::newRow("channel only in the other")
            << Change([](TALL& d) { addChannel(d, 9, "145.60000", "NEW"); }) << int(G::Channels)
            << "channel 9 added" << true;
        QTest::newRow("channel only in this one")
            << Change([](TALL& d) { SetSlotUsed(d, Image::AreaChannelEmpty, 5, false); })
            << int(G::Channels) << "channel 5 removed" << true;
        QTest::newRow("frequency channel") << Change([](TALL& d) {
            setField(d, Image::SecondFrequencyChannel, Field::TxTone, "88.5");
        }) << int(G::FrequencyChannels) << "frequency channel 2 tx_tone (none) → 88.5"
                                           << true;
        QTest::newRow("FM channel frequency")
            << Change([](TALL& d) { setFm(d, 3, "99.00000"); }) << int(G::Fm)
            << "FM channel 3 frequency 90.00000 → 99.00000" << true;
        QTest::newRow("FM channel only in the other")
            << Change([](TALL& d) { setFm(d, 4, "101.50000"); }) << int(G::Fm)
            << "FM channel 4 added" << true;
        QTest::newRow("FM tuned frequency")
            << Change([](TALL& d) { setFm(d, Image::FmTunedIndex, "100.00000"); }) << int(G::Fm)
            << "FM tuned" << true;
        QTest::newRow("setting") << Change([](TALL& d) { WriteField(d, Setting::Squelch, 7); })
                                 << int(G::Settings) << "settings cxSQL" << true;
        QTest::newRow("radio name") << Change([](TALL& d) { StoreRadioName(d, "HAM"); })
                                    << int(G::Settings) << "settings cxName" << true;
        QTest::newRow("serial number") << Change([](TALL& d) { StoreSerialNumber(d, "SN42"); })
                                       << int(G::ModelBlock) << "serial number" << false;
    }
    void oneFieldOfEachKind()
    {
        QFETCH(Change, change);
        QFETCH(int, group);
        QFETCH(QString, line);
        QFETCH(bool, takeable);
        // Two documents alike but for the one change: channel 5 and FM channel 3 in use.
        TestDocument mine, theirs;
        for (TestDocument* t : {&mine, &theirs}) {
            addChannel(t->all, 5, "145.50000", "CALL");
            setFm(t->all, 3, "90.00000");
        }
        QVERIFY(compare(mine.all, theirs.all).isEmpty());
        change(theirs.all);

        const QList<DocumentDifference> found = compare(mine.all, theirs.all);
        // The grid keeps a channel's transmit frequency when the receive frequency
        // changes, so offset and shift follow it.
        QCOMPARE(found.size(),
                 QTest::currentDataTag() == QLatin1String("channel receive frequency") ? 3 : 1);
        QCOMPARE(int(found.first().group), group);
        QVERIFY2(found.first().line().startsWith(line), qPrintable(found.first().line()));
        QCOMPARE(CanTakeDifference(found.first()), takeable);

        // Taken over, the documents agree; what cannot be taken stays as it was.
        QCOMPARE(TakeDifferences(mine.all, theirs.all, found), takeable ? found.size() : 0);
        QCOMPARE(compare(mine.all, theirs.all).size(), takeable ? 0 : 1);
    }

    void takingSomeLeavesTheRest()
    {
        TestDocument mine, theirs;
        addChannel(theirs.all, 1, "145.50000", "ONE");
        addChannel(theirs.all, 2, "438.50000", "TWO");
        WriteField(theirs.all, Setting::Squelch, 2);
        QList<DocumentDifference> found = compare(mine.all, theirs.all);
        QCOMPARE(found.size(), 3);
        // Only the second channel and the squelch.
        QCOMPARE(TakeDifferences(mine.all, theirs.all, {found[1], found[2]}), 2);
        found = compare(mine.all, theirs.all);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().line(), QStringLiteral("channel 1 added"));
        TChannel ch;
        QVERIFY(DecodeChannel(mine.all, 2, ch));
        QCOMPARE(NameWithoutPadding(ch.name), QStringLiteral("TWO"));
    }

    void shownValuesFollowTheLanguage()
    {
        TestDocument doc;
        const LanguageLookup chinese = [](const QString& section, const QString& key,
                                          const QString& fallback) {
            if (section == QLatin1String("fChsInfo") && key == QLatin1String("cxPower.1"))
                return QStringLiteral("高");
            if (section == QLatin1String("fChsInfo") && key == QLatin1String("cxRxDcts.0"))
                return QStringLiteral("无");
            return fallback;
        };
        using G = DocumentDifference::Group;
        QCOMPARE(ShownValue(doc.all, G::Channels, "power", 1, chinese), QStringLiteral("高"));
        QCOMPARE(ShownValue(doc.all, G::Channels, "power", 0, chinese), QStringLiteral("Low"));
        QCOMPARE(ShownValue(doc.all, G::Channels, "rx_tone", "", chinese), QStringLiteral("无"));
        QCOMPARE(ShownValue(doc.all, G::Channels, "rx_tone", "D023N", chinese),
                 QStringLiteral("D023N"));
        QCOMPARE(ShownValue(doc.all, G::Channels, "name", "AB    ", {}), QStringLiteral("AB"));
        const SettingDescription squelch = *FindSetting(doc.all, "fOptFun", "cxSQL");
        QCOMPARE(ShownValue(doc.all, G::Settings, "cxSQL", 3, {}), squelch.items.value(3));
    }

    void imagePlaces_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("place");
        QTest::newRow("block 0") << 0x005 << 0xFF << "block 0";
        QTest::newRow("first channel") << 0x010 << 0xFF << "channel 1";
        QTest::newRow("last channel") << 0x80F << 0xFF << "channel 128";
        QTest::newRow("frequency channel") << 0x825 << 0xFF << "frequency channel 2";
        QTest::newRow("FM channel word") << 0x832 << 0xFF << "FM channel 2";
        QTest::newRow("FM tuning") << 0x86C << 0xFF << "FM tuning frequency";
        QTest::newRow("in-use bit of channel 11") << 0x871 << 0x04 << "channel 11";
        QTest::newRow("scan bit of channel 17") << 0x882 << 0x01 << "channel 17";
        QTest::newRow("FM in-use bit") << 0x891 << 0x80 << "FM channel 16";
        QTest::newRow("squelch") << 0x898 + 7 << 0x0F << "setting cxSQL (fOptFun)";
        QTest::newRow("radio name") << 0x898 + 17 << 0xFF << "radio name";
        QTest::newRow("model block") << 0x8C3 << 0xFF << "model block";
        QTest::newRow("serial number") << 0x8F4 << 0xFF << "serial number";
        QTest::newRow("time stamp") << 0x903 << 0xFF << "time stamp";
    }
    void imagePlaces()
    {
        QFETCH(int, offset);
        QFETCH(int, bits);
        QFETCH(QString, place);
        TestDocument doc;
        QCOMPARE(PlaceOfOffset(doc.all, offset, quint8(bits)).text(), place);
    }

    void printoutHoldsEveryChannel()
    {
        TestDocument doc;
        for (int k = 1; k <= doc.all.channelCount; ++k)
            addChannel(doc.all, k, QStringLiteral("%1").arg(144.0 + k * 0.0125, 0, 'f', 5),
                       QStringLiteral("CH%1").arg(k));
        const QJsonObject d = DescribeDocument(doc.all);
        const Printout p = BuildPrintout(doc.all, d, "a.dat", {});
        QCOMPARE(p.tables.size(), 4);
        const PrintTable& memory = p.tables[0];
        QCOMPARE(memory.headers.size(), 13);
        QCOMPARE(memory.headers[1], QStringLiteral("RX Frequency"));
        QCOMPARE(memory.rows.size(), doc.all.channelCount);
        for (int k = 1; k <= doc.all.channelCount; ++k) {
            const QStringList& row = memory.rows[k - 1];
            QCOMPARE(row.size(), 13);
            QCOMPARE(row[0], QString::number(k));
            QCOMPARE(row[1], d["channels"].toArray()[k - 1].toObject()["rx"].toString());
            QCOMPARE(row[12], QStringLiteral("CH%1").arg(k)); // without its padding
        }
        QCOMPARE(p.tables[1].rows.size(), 2); // F1 and F2
        QCOMPARE(p.tables[1].rows[0].size(), p.tables[1].headers.size());
        QVERIFY(p.tables[3].rows.size() > 20); // the settings windows' lists
        QCOMPARE(p.tables[3].rows.last()[1], QStringLiteral("Radio name"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentCompare)
#include "tst_documentcompare.moc"
