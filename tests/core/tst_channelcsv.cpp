// Channel lists as CSV: export columns, import through the channel record, the
// preview's report, and the round trip between the two.
#include "CoreFixture.h"

#include "core/ChannelCsv.h"
#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "core/SettingsMap.h"

#include <QtTest>

namespace {

QString store(TALL& all, int k, int code, const QString& text)
{
    QString t = text;
    SetChannelField(all, k, code, t);
    return t;
}

// A channel entered as the grid enters one.
struct ChannelSpec {
    int k;
    QString rx, tx, rxTone, txTone;
    QString power = QStringLiteral("1"), bandwidth = QStringLiteral("1"),
            scan = QStringLiteral("0");
    QString name;
};

void enter(TALL& all, const ChannelSpec& c)
{
    const bool fresh = !IsChannelInUse(all, c.k);
    store(all, c.k, Field::RxFreq, c.rx);
    if (fresh) StartNewChannel(all, c.k);
    store(all, c.k, Field::TxFreq, c.tx.isEmpty() ? c.rx : c.tx);
    store(all, c.k, Field::RxTone, c.rxTone);
    store(all, c.k, Field::TxTone, c.txTone);
    store(all, c.k, Field::Power, c.power);
    store(all, c.k, Field::Bandwidth, c.bandwidth);
    store(all, c.k, Field::Scan, c.scan);
    store(all, c.k, Field::Name, c.name);
}

QByteArray recordBytes(const TALL& all, int k)
{
    return QByteArray(reinterpret_cast<const char*>(all.image.data() + 16 * k), 16);
}

QByteArray header()
{
    return CsvColumns().join(u',').toLatin1();
}

// One row of the full 21 columns: the fields given, the rest as a typical file has them.
QByteArray fullRow(const QMap<QString, QString>& given)
{
    static const QMap<QString, QString> typical = {
        {"Location", "1"},      {"Name", ""},           {"Frequency", "145.000000"},
        {"Duplex", ""},         {"Offset", "0.000000"}, {"Tone", ""},
        {"rToneFreq", "88.5"},  {"cToneFreq", "88.5"},  {"DtcsCode", "023"},
        {"DtcsPolarity", "NN"}, {"RxDtcsCode", "023"},  {"CrossMode", "Tone->Tone"},
        {"Mode", "FM"},         {"TStep", "5.00"},      {"Skip", ""},
        {"Power", "High"},
    };
    QStringList fields;
    for (const QString& column : CsvColumns()) {
        const QString f = given.value(column, typical.value(column));
        fields << (f.contains(u',') ? u'"' + f + u'"' : f);
    }
    return fields.join(u',').toUtf8();
}

QByteArray fileOf(const QList<QByteArray>& rows)
{
    QByteArray csv = header() + "\r\n";
    for (const QByteArray& row : rows)
        csv += row + "\r\n";
    return csv;
}

// The exported field of a column, for the row of channel k.
QString exportedField(TALL& all, int k, const QString& column)
{
    const QStringList lines =
        QString::fromUtf8(ExportChannelsCsv(all)).split(QStringLiteral("\r\n"));
    const int c = int(CsvColumns().indexOf(column));
    for (const QString& line : lines) {
        const QStringList fields = line.split(u',');
        if (fields.value(0) == QString::number(k)) return fields.value(c);
    }
    return QStringLiteral("<no row>");
}

using Fields = QMap<QString, QString>;

} // namespace

Q_DECLARE_METATYPE(CsvImportRow::Kind)
Q_DECLARE_METATYPE(ChannelSpec)

class TestChannelCsv : public QObject {
    Q_OBJECT

  private slots:
    void exportColumnsAndRows();
    void exportWritesOnlyChannelsInUse();
    void roundTrip();
    void entersChannelsAsTheGridDoes_data();
    void entersChannelsAsTheGridDoes();
    void tones_data();
    void tones();
    void quotedFields();
    void missingColumns();
    void noLocationColumn();
    void locations_data();
    void locations();
    void rows_data();
    void rows();
    void power_data();
    void power();
    void names_data();
    void names();
    void duplicateRowsAndPriority();
    void planLeavesTheDocumentAlone();
    void applyPutsOnlyTheNamedChannels();
    void fileErrors_data();
    void fileErrors();
    void report();
};

void TestChannelCsv::exportColumnsAndRows()
{
    TestDocument doc;
    enter(doc.all, {5, "145.500", "144.900", "", "67.0", "1", "1", "0", "rpt"});
    enter(doc.all, {7, "439.0125", "", "D023I", "D023N", "0", "0", "1", "UHF-1"});
    const QList<QByteArray> lines = ExportChannelsCsv(doc.all).split('\n');
    QCOMPARE(lines.value(0),
             QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                        "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,"
                        "Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r"));
    QCOMPARE(lines.value(1), QByteArray("5,RPT,145.500000,-,0.600000,Tone,67.0,88.5,023,NN,023,"
                                        "Tone->Tone,FM,6.25,,High,,,,,\r"));
    QCOMPARE(lines.value(2), QByteArray("7,UHF-1,439.012500,,0.000000,DTCS,88.5,88.5,023,NR,023,"
                                        "Tone->Tone,NFM,6.25,S,Low,,,,,\r"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.value(3), QByteArray());

    // A channel on the 5 kHz raster only.
    enter(doc.all, {9, "145.005", "", "", "", "1", "1", "0", ""});
    QCOMPARE(exportedField(doc.all, 9, "TStep"), QStringLiteral("5.00"));
}

void TestChannelCsv::exportWritesOnlyChannelsInUse()
{
    TestDocument doc;
    QCOMPARE(ExportChannelsCsv(doc.all), header() + "\r\n");
    enter(doc.all, {128, "435.000", "", "", "", "1", "1", "0", "LAST"});
    enter(doc.all, {1, "145.000", "", "", "", "1", "1", "0", "FIRST"});
    const QList<QByteArray> lines = ExportChannelsCsv(doc.all).split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.value(1).startsWith("1,FIRST,"));
    QVERIFY(lines.value(2).startsWith("128,LAST,"));
}

// Every field the format carries comes back in a new document; exporting that document
// writes the same file again.
void TestChannelCsv::roundTrip()
{
    TestDocument source;
    TALL& all = source.all;
    const QStringList tones = {"", "67.0", "254.1", "D023N", "D754I", "D023I", "100.0"};
    for (int k = 1; k <= 128; ++k) {
        if (k % 9 == 0) continue; // a few channels stay empty
        // UHF on 25 kHz steps, some on the 5 kHz raster only; VHF on 6.25 kHz steps.
        const bool uhf = k % 2 == 0;
        const double rx =
            uhf ? 432.5 + k * 0.0125 + (k % 10 == 0 ? 0.005 : 0.0) : 144.6 + k * 0.00625;
        const double shift = uhf ? 2.0 : 0.6;
        QString tx;
        if (k % 3 == 1) tx = FormatMHz(rx + shift);
        if (k % 3 == 2) tx = FormatMHz(rx - shift);
        enter(all,
              {k, FormatMHz(rx), tx, tones.at(k % tones.size()), tones.at((k / 7) % tones.size()),
               QString::number(k % 2), QString::number((k / 2) % 2), QString::number((k / 4) % 2),
               QStringLiteral("CH%1").arg(k)});
    }
    store(all, 50, Field::Scan, "0");
    WriteField(all, Setting::PriorityChannel, 50);
    const QByteArray csv = ExportChannelsCsv(all);

    TestDocument target;
    const CsvImport plan = PlanCsvImport(target.all, csv);
    QVERIFY(plan.ok());
    QCOMPARE(plan.count(CsvImportRow::Skipped), 0);
    QCOMPARE(plan.count(CsvImportRow::Changed), 0);
    QVERIFY(ApplyCsvImport(target.all, plan));
    QCOMPARE(ReadField(target.all, Setting::PriorityChannel), 50);

    for (int k = 1; k <= 128; ++k) {
        TChannel a, b;
        const bool inA = DecodeChannel(all, k, a);
        QCOMPARE(DecodeChannel(target.all, k, b), inA);
        if (!inA) continue;
        QCOMPARE(FormatMHz(b.rxFreq), FormatMHz(a.rxFreq));
        QCOMPARE(FormatMHz(b.txFreq), FormatMHz(a.txFreq));
        QCOMPARE(b.rxTone, a.rxTone);
        QCOMPARE(b.txTone, a.txTone);
        QCOMPARE(b.power, a.power);
        QCOMPARE(b.bandwidth, a.bandwidth);
        QCOMPARE(b.scanSkip, a.scanSkip);
        QCOMPARE(b.name, a.name);
        // Receive count, raster, shift, offset, tones, power and name bytes: the
        // record is the same apart from the fields the format does not carry
        // (VOX, busy lock, epilogue and voice mode take the new-channel values).
        const QByteArray ra = recordBytes(all, k), rb = recordBytes(target.all, k);
        QCOMPARE(rb.mid(0, 2), ra.mid(0, 2));
        QCOMPARE(rb[2] & 0xD3, ra[2] & 0xD3);
        QCOMPARE(rb.mid(3, 6), ra.mid(3, 6));
        QCOMPARE(rb[9] & 0x04, ra[9] & 0x04);
        QCOMPARE(rb.mid(10), ra.mid(10));
    }
    QCOMPARE(ExportChannelsCsv(target.all), csv);
}

// The record an imported row gives is the one the grid makes of the same values, down
// to the bits the file does not carry; also over a channel that was in use before.
void TestChannelCsv::entersChannelsAsTheGridDoes_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<ChannelSpec>("grid");
    QTest::newRow("simplex") << Fields{{"Name", "A"}}
                             << ChannelSpec{4, "145.000", "", "", "", "1", "1", "0", "A"};
    QTest::newRow("minus, narrow, low, skipped")
        << Fields{{"Frequency", "439.012500"},
                  {"Duplex", "-"},
                  {"Offset", "5.000000"},
                  {"Mode", "NFM"},
                  {"Power", "Low"},
                  {"Skip", "S"}}
        << ChannelSpec{4, "439.0125", "434.0125", "", "", "0", "0", "1", ""};
    QTest::newRow("5 kHz raster, tones")
        << Fields{{"Frequency", "145.005000"}, {"Duplex", "+"},
                  {"Offset", "0.600000"},      {"Tone", "Cross"},
                  {"rToneFreq", "67.0"},       {"RxDtcsCode", "754"},
                  {"DtcsPolarity", "NR"},      {"CrossMode", "Tone->DTCS"}}
        << ChannelSpec{4, "145.005", "145.605", "D754I", "67.0", "1", "1", "0", ""};
}

void TestChannelCsv::entersChannelsAsTheGridDoes()
{
    QFETCH(Fields, fields);
    QFETCH(ChannelSpec, grid);
    for (bool usedBefore : {false, true}) {
        TestDocument byGrid, byFile;
        if (usedBefore) {
            // Receive, transmit, voice mode and the record's spare bits all set otherwise.
            enter(byFile.all, {4, "435.550", "430.000", "D023N", "100.0", "0", "0", "1", "OLD"});
            store(byFile.all, 4, Field::VoiceMode, "2");
            store(byFile.all, 4, Field::Vox, "0");
            byFile.rec(4)[9] &= 0x07;
        }
        enter(byGrid.all, grid);
        Fields row = fields;
        row.insert("Location", "4");
        const CsvImport plan = PlanCsvImport(byFile.all, fileOf({fullRow(row)}));
        QCOMPARE(plan.rows.size(), 1);
        QCOMPARE(plan.rows[0].notes, QStringList());
        ApplyCsvImport(byFile.all, plan);
        QCOMPARE(recordBytes(byFile.all, 4).toHex(' '), recordBytes(byGrid.all, 4).toHex(' '));
        QCOMPARE(IsChannelInUse(byFile.all, 4), true);
        QCOMPARE(IsSlotUsed(byFile.all, Image::AreaScanSkip, 4),
                 IsSlotUsed(byGrid.all, Image::AreaScanSkip, 4));
    }
}

void TestChannelCsv::tones_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("rTone");
    QTest::addColumn<QString>("cTone");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("polarity");
    QTest::addColumn<QString>("rxCode");
    QTest::addColumn<QString>("cross");
    QTest::addColumn<QString>("rxTone");    // decode, as the grid shows it
    QTest::addColumn<QString>("txTone");    // encode
    QTest::addColumn<bool>("exportsAlike"); // export writes these columns back

    const QString ph = QStringLiteral("88.5"), pc = QStringLiteral("023"),
                  pn = QStringLiteral("NN"), px = QStringLiteral("Tone->Tone");
    QTest::newRow("none") << "" << ph << ph << pc << pn << pc << px << ""
                          << "" << true;
    QTest::newRow("Tone") << "Tone"
                          << "67.0" << ph << pc << pn << pc << px << ""
                          << "67.0" << true;
    QTest::newRow("TSQL") << "TSQL" << ph << "100.0" << pc << pn << pc << px << "100.0"
                          << "100.0" << true;
    QTest::newRow("TSQL ignores rToneFreq") << "TSQL"
                                            << "67.0"
                                            << "100.0" << pc << pn << pc << px << "100.0"
                                            << "100.0" << false;
    const struct {
        const char* polarity;
        char tx, rx;
    } polarities[] = {{"NN", 'N', 'N'}, {"NR", 'N', 'I'}, {"RN", 'I', 'N'}, {"RR", 'I', 'I'}};
    for (const auto& p : polarities) {
        const QString txSuffix(QChar::fromLatin1(p.tx)), rxSuffix(QChar::fromLatin1(p.rx));
        QTest::addRow("DTCS %s", p.polarity)
            << "DTCS" << ph << ph << "754" << p.polarity << pc << px << "D754" + rxSuffix
            << "D754" + txSuffix << true;
        QTest::addRow("DTCS->DTCS %s", p.polarity)
            << "Cross" << ph << ph << "023" << p.polarity << "754"
            << "DTCS->DTCS"
            << "D754" + rxSuffix << "D023" + txSuffix << true;
    }
    QTest::newRow("Tone->Tone") << "Cross"
                                << "67.0"
                                << "254.1" << pc << pn << pc << "Tone->Tone"
                                << "254.1"
                                << "67.0" << true;
    QTest::newRow("Tone->DTCS NR") << "Cross"
                                   << "67.0" << ph << pc << "NR"
                                   << "025"
                                   << "Tone->DTCS"
                                   << "D025I"
                                   << "67.0" << true;
    QTest::newRow("Tone->DTCS NN") << "Cross"
                                   << "67.0" << ph << pc << "NN"
                                   << "025"
                                   << "Tone->DTCS"
                                   << "D025N"
                                   << "67.0" << true;
    QTest::newRow("DTCS->Tone RN") << "Cross" << ph << "123.0"
                                   << "631"
                                   << "RN" << pc << "DTCS->Tone"
                                   << "123.0"
                                   << "D631I" << true;
    QTest::newRow("DTCS->Tone NN") << "Cross" << ph << "123.0"
                                   << "631"
                                   << "NN" << pc << "DTCS->Tone"
                                   << "123.0"
                                   << "D631N" << true;
    QTest::newRow("->Tone") << "Cross" << ph << "131.8" << pc << pn << pc << "->Tone"
                            << "131.8"
                            << "" << true;
    QTest::newRow("->DTCS NR") << "Cross" << ph << ph << pc << "NR"
                               << "432"
                               << "->DTCS"
                               << "D432I"
                               << "" << true;
    QTest::newRow("->DTCS NN") << "Cross" << ph << ph << pc << pn << "432"
                               << "->DTCS"
                               << "D432N"
                               << "" << true;
    QTest::newRow("DTCS-> RN") << "Cross" << ph << ph << "115"
                               << "RN" << pc << "DTCS->"
                               << ""
                               << "D115I" << true;
    QTest::newRow("DTCS-> NN") << "Cross" << ph << ph << "115" << pn << pc << "DTCS->"
                               << ""
                               << "D115N" << true;
    // Written back as plain Tone.
    QTest::newRow("Tone->") << "Cross"
                            << "77.0" << ph << pc << pn << pc << "Tone->"
                            << ""
                            << "77.0" << false;
    QTest::newRow("same tone both ways as Cross") << "Cross"
                                                  << "77.0"
                                                  << "77.0" << pc << pn << pc << "Tone->Tone"
                                                  << "77.0"
                                                  << "77.0" << false;
    QTest::newRow("code without leading zero")
        << "DTCS" << ph << ph << "23" << pn << pc << px << "D023N"
        << "D023N" << false;
    QTest::newRow("lower case") << "dtcs" << ph << ph << "023"
                                << "nr" << pc << px << "D023I"
                                << "D023N" << false;
}

void TestChannelCsv::tones()
{
    QFETCH(QString, mode);
    QFETCH(QString, rTone);
    QFETCH(QString, cTone);
    QFETCH(QString, code);
    QFETCH(QString, polarity);
    QFETCH(QString, rxCode);
    QFETCH(QString, cross);
    QFETCH(QString, rxTone);
    QFETCH(QString, txTone);
    QFETCH(bool, exportsAlike);

    // File -> channel.
    TestDocument doc;
    const CsvImport plan = PlanCsvImport(doc.all, fileOf({fullRow({{"Location", "3"},
                                                                   {"Tone", mode},
                                                                   {"rToneFreq", rTone},
                                                                   {"cToneFreq", cTone},
                                                                   {"DtcsCode", code},
                                                                   {"DtcsPolarity", polarity},
                                                                   {"RxDtcsCode", rxCode},
                                                                   {"CrossMode", cross}})}));
    QVERIFY(plan.ok());
    QCOMPARE(plan.rows.size(), 1);
    QCOMPARE(plan.rows[0].notes, QStringList());
    QCOMPARE(plan.rows[0].kind, CsvImportRow::Imported);
    ApplyCsvImport(doc.all, plan);
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 3, ch));
    QCOMPARE(ch.rxTone, rxTone);
    QCOMPARE(ch.txTone, txTone);

    // Channel -> file.
    if (!exportsAlike) return;
    TestDocument other;
    enter(other.all, {3, "145.000", "", rxTone, txTone, "1", "1", "0", ""});
    QCOMPARE(exportedField(other.all, 3, "Tone"), mode);
    QCOMPARE(exportedField(other.all, 3, "rToneFreq"), rTone);
    QCOMPARE(exportedField(other.all, 3, "cToneFreq"), cTone);
    QCOMPARE(exportedField(other.all, 3, "DtcsCode"), code);
    QCOMPARE(exportedField(other.all, 3, "DtcsPolarity"), polarity);
    QCOMPARE(exportedField(other.all, 3, "RxDtcsCode"), rxCode);
    QCOMPARE(exportedField(other.all, 3, "CrossMode"), cross);
}

void TestChannelCsv::quotedFields()
{
    TestDocument doc;
    // Every field quoted, a comma and a doubled quote inside, a comment over two lines,
    // and "\n" line ends.
    QByteArray csv =
        "\"Location\",\"Name\",\"Frequency\",\"Duplex\",\"Offset\",\"Tone\",\"rToneFreq\","
        "\"cToneFreq\",\"DtcsCode\",\"DtcsPolarity\",\"Mode\",\"Skip\",\"Comment\"\n"
        "\"1\",\"AB\",\"145.500000\",\"-\",\"0.600000\",\"DTCS\",\"88.5\",\"88.5\","
        "\"074\",\"NR\",\"FM\",\"\",\"first, \"\"club\"\"\nrepeater\"\n"
        "2, \"C,D\" ,435.000000,,0,,88.5,88.5,023,NN,NFM,S,\n";
    const CsvImport plan = PlanCsvImport(doc.all, csv);
    QVERIFY(plan.ok());
    QCOMPARE(plan.rows.size(), 2);
    QCOMPARE(plan.rows[0].line, 2);
    QCOMPARE(plan.rows[0].kind, CsvImportRow::Imported);
    QCOMPARE(plan.rows[1].line, 4);                     // the comment took line 3 too
    QCOMPARE(plan.rows[1].kind, CsvImportRow::Changed); // "," is no name character
    ApplyCsvImport(doc.all, plan);

    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.name, QStringLiteral("AB    "));
    QCOMPARE(FormatMHz(ch.txFreq), QStringLiteral("144.90000"));
    QCOMPARE(ch.txTone, QStringLiteral("D074N"));
    QCOMPARE(ch.rxTone, QStringLiteral("D074I"));
    QVERIFY(DecodeChannel(doc.all, 2, ch));
    QCOMPARE(ch.name, QStringLiteral("C D   "));
    QCOMPARE(ch.bandwidth, quint8(0));
    QCOMPARE(ch.scanSkip, quint8(1));
}

// Files without RxDtcsCode, CrossMode and Power: the fields come from the older
// columns or the new-channel values.
void TestChannelCsv::missingColumns()
{
    TestDocument doc;
    const QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
        "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\r\n"
        "1,SIMPLE,145.500000,,0.000000,,88.5,88.5,023,NN,FM,12.50,,,,,\r\n"
        "2,DCS,435.000000,+,5.000000,DTCS,88.5,88.5,074,RN,NFM,12.50,S,,,,\r\n"
        "3,CROSS,435.100000,,0.000000,Cross,67.0,100.0,023,NN,FM,12.50,,,,,\r\n"
        "4,TODCS,435.200000,,0.000000,Cross,67.0,88.5,065,NR,FM,12.50,,,,,\r\n";
    const CsvImport plan = PlanCsvImport(doc.all, csv);
    QVERIFY(plan.ok());
    QCOMPARE(plan.rows.size(), 4);
    QCOMPARE(plan.rows[0].kind, CsvImportRow::Imported);
    QCOMPARE(plan.rows[1].kind, CsvImportRow::Imported);
    // Cross without a CrossMode column: read as Tone->Tone, with a note.
    QCOMPARE(plan.rows[2].kind, CsvImportRow::Changed);
    QVERIFY(plan.rows[2].notes.join(' ').contains("CrossMode"));
    ApplyCsvImport(doc.all, plan);

    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 1, ch));
    QCOMPARE(ch.power, quint8(NewChannelValue(Field::Power)));
    QCOMPARE(ch.rxTone, QString());
    QVERIFY(DecodeChannel(doc.all, 2, ch));
    QCOMPARE(FormatMHz(ch.txFreq), QStringLiteral("440.00000"));
    QCOMPARE(ch.txTone, QStringLiteral("D074I"));
    QCOMPARE(ch.rxTone, QStringLiteral("D074N"));
    QVERIFY(DecodeChannel(doc.all, 3, ch));
    QCOMPARE(ch.txTone, QStringLiteral("67.0"));
    QCOMPARE(ch.rxTone, QStringLiteral("100.0"));
    QVERIFY(DecodeChannel(doc.all, 4, ch));
    QCOMPARE(ch.txTone, QStringLiteral("67.0"));
    QCOMPARE(ch.rxTone, QStringLiteral("88.5"));

    // Tone->DTCS without RxDtcsCode takes DtcsCode, and says so.
    const QByteArray cross = "Location,Frequency,Tone,rToneFreq,DtcsCode,DtcsPolarity,CrossMode\n"
                             "6,435.300000,Cross,67.0,065,NR,Tone->DTCS\n";
    const CsvImport crossPlan = PlanCsvImport(doc.all, cross);
    QCOMPARE(crossPlan.rows.size(), 1);
    QCOMPARE(crossPlan.rows[0].kind, CsvImportRow::Changed);
    QVERIFY(crossPlan.rows[0].notes.join(' ').contains("RxDtcsCode"));
    ApplyCsvImport(doc.all, crossPlan);
    QVERIFY(DecodeChannel(doc.all, 6, ch));
    QCOMPARE(ch.rxTone, QStringLiteral("D065I"));
    QCOMPARE(ch.txTone, QStringLiteral("67.0"));
}

void TestChannelCsv::noLocationColumn()
{
    TestDocument doc;
    const CsvImport plan = PlanCsvImport(doc.all, "Frequency,Name\n145.1,A\n145.2,B\n");
    QVERIFY(plan.ok());
    QCOMPARE(plan.rows.size(), 2);
    QCOMPARE(plan.rows[0].channel, 1);
    QCOMPARE(plan.rows[1].channel, 2);
    QCOMPARE(plan.fileNotes.size(), 1);
    // Fields the file does not carry take the new-channel values.
    ApplyCsvImport(doc.all, plan);
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 2, ch));
    QCOMPARE(FormatMHz(ch.rxFreq), QStringLiteral("145.20000"));
    QCOMPARE(ch.name, QStringLiteral("B     "));
    QCOMPARE(ch.scanSkip, quint8(NewChannelValue(Field::Scan)));
    QCOMPARE(ch.bandwidth, quint8(NewChannelValue(Field::Bandwidth)));
    QCOMPARE(ch.power, quint8(NewChannelValue(Field::Power)));
    QCOMPARE(ch.vox, quint8(NewChannelValue(Field::Vox)));
}

void TestChannelCsv::locations_data()
{
    QTest::addColumn<QStringList>("locations");
    QTest::addColumn<QList<int>>("channels");
    QTest::addColumn<bool>("noted");
    QTest::newRow("from 1") << QStringList{"1", "2", "128"} << QList<int>{1, 2, 128} << false;
    QTest::newRow("from 0") << QStringList{"0", "1", "127"} << QList<int>{1, 2, 128} << true;
    // One 0 anywhere makes the whole file 0-based.
    QTest::newRow("0 last") << QStringList{"5", "0"} << QList<int>{6, 1} << true;
    QTest::newRow("0-based beyond 128") << QStringList{"0", "128"} << QList<int>{1, -1} << true;
    QTest::newRow("beyond 128") << QStringList{"129", "1000"} << QList<int>{-1, -1} << false;
    QTest::newRow("negative and no number")
        << QStringList{"-1", "x", "3"} << QList<int>{-1, -1, 3} << false;
    // Location + 1 must not overflow.
    QTest::newRow("0-based at the limit of int")
        << QStringList{"0", "2147483647", "-2147483648"} << QList<int>{1, -1, -1} << true;
    QTest::newRow("beyond int") << QStringList{"2147483648", "99999999999999999999"}
                                << QList<int>{-1, -1} << false;
}

void TestChannelCsv::locations()
{
    QFETCH(QStringList, locations);
    QFETCH(QList<int>, channels);
    QFETCH(bool, noted);
    TestDocument doc;
    QList<QByteArray> rows;
    for (const QString& location : locations)
        rows << fullRow({{"Location", location}});
    const CsvImport plan = PlanCsvImport(doc.all, fileOf(rows));
    QVERIFY(plan.ok());
    QCOMPARE(plan.rows.size(), locations.size());
    QCOMPARE(plan.fileNotes.join(' ').contains("Location + 1"), noted);
    for (int i = 0; i < locations.size(); ++i) {
        const CsvImportRow& row = plan.rows.at(i);
        QCOMPARE(row.location, locations.at(i));
        QCOMPARE(row.line, i + 2);
        if (channels.at(i) < 0) {
            QCOMPARE(row.kind, CsvImportRow::Skipped);
            QCOMPARE(row.notes.size(), 1);
            // A number names the channel it would be, counted without wrapping.
            bool isInt = false;
            const qint64 location = locations.at(i).toInt(&isInt);
            if (isInt)
                QVERIFY2(row.notes.at(0).contains(
                             QStringLiteral("Channel %1 ").arg(location + (noted ? 1 : 0))),
                         qPrintable(row.notes.at(0)));
        } else {
            QCOMPARE(row.kind, CsvImportRow::Imported);
            QCOMPARE(row.channel, channels.at(i));
            QVERIFY(IsChannelInUse(plan.image, channels.at(i)));
        }
    }
}

// Rows the radio cannot take as they are: skipped, or imported with a stated change.
void TestChannelCsv::rows_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<CsvImportRow::Kind>("kind");
    QTest::addColumn<QString>("note");   // a word of the note
    QTest::addColumn<QString>("result"); // the channel's line, for rows not skipped

    using F = Fields;
    const auto skipped = CsvImportRow::Skipped;
    const auto changed = CsvImportRow::Changed;
    const auto imported = CsvImportRow::Imported;
    QTest::newRow("out of band") << F{{"Frequency", "446.000000"}} << skipped << "bands"
                                 << "";
    QTest::newRow("below every band") << F{{"Frequency", "27.185000"}} << skipped << "bands"
                                      << "";
    QTest::newRow("no frequency") << F{{"Frequency", ""}} << skipped << "no frequency"
                                  << "";
    QTest::newRow("frequency no number") << F{{"Frequency", "145,5"}} << skipped << "no number"
                                         << "";
    QTest::newRow("beyond channel 128") << F{{"Location", "129"}} << skipped << "does not exist"
                                        << "";
    for (const char* mode : {"AM", "WFM", "DV", "DMR", "Auto"})
        QTest::addRow("mode %s", mode) << F{{"Mode", mode}} << skipped << "Mode"
                                       << "";
    QTest::newRow("NFM lower case") << F{{"Mode", "nfm"}} << imported << ""
                                    << "1 145.00000 / 145.00000 None / None High Narrow Add";
    QTest::newRow("transmit off") << F{{"Duplex", "off"}, {"Offset", "0.600000"}} << changed
                                  << "simplex"
                                  << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("duplex unknown") << F{{"Duplex", "x"}} << skipped << "Duplex"
                                    << "";
    QTest::newRow("offset no number")
        << F{{"Duplex", "+"}, {"Offset", "abc"}} << skipped << "Offset"
        << "";
    QTest::newRow("minus") << F{{"Duplex", "-"}, {"Offset", "0.600000"}} << imported << ""
                           << "1 145.00000 / 144.40000 None / None High Wide Add";
    QTest::newRow("split") << F{{"Duplex", "split"}, {"Offset", "144.200000"}} << imported << ""
                           << "1 145.00000 / 144.20000 None / None High Wide Add";
    // Both frequencies lie in a band, but the record holds at most 99.995 MHz of offset.
    QTest::newRow("split too far")
        << F{{"Duplex", "split"}, {"Offset", "435.000000"}} << skipped << "99.995"
        << "";
    QTest::newRow("transmit out of band")
        << F{{"Frequency", "145.900000"}, {"Duplex", "+"}, {"Offset", "0.600000"}} << skipped
        << "Transmit frequency"
        << "";
    QTest::newRow("off the raster") << F{{"Frequency", "145.005200"}} << changed << "raster"
                                    << "1 145.00500 / 145.00500 None / None High Wide Add";
    QTest::newRow("tone near a listed one")
        << F{{"Tone", "Tone"}, {"rToneFreq", "69.4"}} << changed << "69.3"
        << "1 145.00000 / 145.00000 None / 69.3 High Wide Add";
    QTest::newRow("tone far from every one")
        << F{{"Tone", "TSQL"}, {"cToneFreq", "300.0"}} << changed << "no tone"
        << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("code not listed") << F{{"Tone", "DTCS"}, {"DtcsCode", "017"}} << changed << "017"
                                     << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("code not octal") << F{{"Tone", "DTCS"}, {"DtcsCode", "089"}} << changed << "089"
                                    << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("tone mode unknown") << F{{"Tone", "DCS"}} << changed << "Tone mode"
                                       << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("cross mode unknown")
        << F{{"Tone", "Cross"}, {"CrossMode", "DTCS->Tone->Tone"}} << changed << "CrossMode"
        << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("polarity unknown")
        << F{{"Tone", "DTCS"}, {"DtcsPolarity", "NX"}} << changed << "DtcsPolarity"
        << "1 145.00000 / 145.00000 D023N / D023N High Wide Add";
    QTest::newRow("skip S") << F{{"Skip", "S"}, {"Name", "x1"}} << imported << ""
                            << "1 145.00000 / 145.00000 None / None High Wide Del X1";
    QTest::newRow("skip unknown") << F{{"Skip", "Q"}} << changed << "Skip"
                                  << "1 145.00000 / 145.00000 None / None High Wide Add";
    QTest::newRow("priority") << F{{"Skip", "P"}} << imported << ""
                              << "1 145.00000 / 145.00000 None / None High Wide Add Priority";
}

void TestChannelCsv::rows()
{
    QFETCH(Fields, fields);
    QFETCH(CsvImportRow::Kind, kind);
    QFETCH(QString, note);
    QFETCH(QString, result);

    TestDocument doc;
    enter(doc.all, {1, "435.000", "", "", "", "0", "0", "1", "OLD"});
    enter(doc.all, {128, "435.500", "", "", "", "0", "0", "1", "OLD"});
    const TALL before = doc.all;
    const CsvImport plan = PlanCsvImport(doc.all, fileOf({fullRow(fields)}));
    QVERIFY(plan.ok());
    QCOMPARE(plan.rows.size(), 1);
    const CsvImportRow& row = plan.rows[0];
    QCOMPARE(row.kind, kind);
    QCOMPARE(row.result, result);
    if (kind == CsvImportRow::Imported) {
        QCOMPARE(row.notes, QStringList());
    } else {
        QVERIFY(!row.notes.isEmpty());
        QVERIFY2(row.notes.join(' ').contains(note), qPrintable(row.notes.join(' ')));
    }
    const bool applied = ApplyCsvImport(doc.all, plan);
    if (kind == CsvImportRow::Skipped) {
        // A skipped row leaves the channel it names as it was.
        QVERIFY(doc.all.image == before.image);
        QVERIFY(!applied);
    } else {
        QVERIFY(applied);
        QCOMPARE(recordBytes(doc.all, 128), recordBytes(before, 128));
    }
}

void TestChannelCsv::power_data()
{
    QTest::addColumn<QString>("power");
    QTest::addColumn<int>("high");
    QTest::addColumn<bool>("noted");
    QTest::newRow("High") << "High" << 1 << false;
    QTest::newRow("low lower case") << "low" << 0 << false;
    QTest::newRow("HIGH") << "HIGH" << 1 << false;
    QTest::newRow("4.0W") << "4.0W" << 1 << false;
    QTest::newRow("50W") << "50W" << 1 << false;
    QTest::newRow("0.5W") << "0.5W" << 0 << false;
    QTest::newRow("1W") << "1W" << 0 << false;
    QTest::newRow("3W ties to High") << "3W" << 1 << false;
    QTest::newRow("2.9W") << "2.9W" << 0 << false;
    QTest::newRow("number only") << "5" << 1 << false;
    QTest::newRow("Mid") << "Mid" << 1 << true;
    QTest::newRow("Med") << "Med" << 1 << true;
    QTest::newRow("Low2") << "Low2" << 0 << true;
    QTest::newRow("unknown") << "Turbo+" << 1 << true;
    QTest::newRow("empty is the new-channel value") << "" << NewChannelValue(Field::Power) << false;
}

void TestChannelCsv::power()
{
    QFETCH(QString, power);
    QFETCH(int, high);
    QFETCH(bool, noted);
    TestDocument doc;
    const CsvImport plan = PlanCsvImport(doc.all, fileOf({fullRow({{"Power", power}})}));
    QCOMPARE(plan.rows.size(), 1);
    QCOMPARE(plan.rows[0].kind, noted ? CsvImportRow::Changed : CsvImportRow::Imported);
    if (noted) QVERIFY(plan.rows[0].notes.join(' ').contains(power));
    TChannel ch;
    TALL image = plan.image;
    QVERIFY(DecodeChannel(image, 1, ch));
    QCOMPARE(int(ch.power), high);
}

void TestChannelCsv::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("note"); // empty: none
    QTest::newRow("upper-cased") << "call"
                                 << "CALL  "
                                 << "";
    QTest::newRow("symbols") << "a_b/+"
                             << "A_B/+ "
                             << "";
    QTest::newRow("cut") << "LONGNAME"
                         << "LONGNA"
                         << "Name \"LONGNAME\" stored as \"LONGNA\": cut to 6 characters.";
    QTest::newRow("outside the characters")
        << "Café.1"
        << "CAF  1"
        << "Name \"Café.1\" stored as \"CAF  1\": characters the radio cannot show become "
           "blanks.";
    QTest::newRow("outside and cut")
        << "Call, 2m"
        << "CALL  "
        << "Name \"Call, 2m\" stored as \"CALL\": characters the radio cannot show become "
           "blanks; cut to 6 characters.";
    QTest::newRow("blank") << "  "
                           << "      "
                           << "";
}

void TestChannelCsv::names()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, note);
    TestDocument doc;
    const CsvImport plan = PlanCsvImport(doc.all, fileOf({fullRow({{"Name", name}})}));
    QCOMPARE(plan.rows.size(), 1);
    QCOMPARE(plan.rows[0].kind, note.isEmpty() ? CsvImportRow::Imported : CsvImportRow::Changed);
    QCOMPARE(plan.rows[0].notes, note.isEmpty() ? QStringList() : QStringList{note});
    TChannel ch;
    TALL image = plan.image;
    QVERIFY(DecodeChannel(image, 1, ch));
    QCOMPARE(ch.name, stored);
}

void TestChannelCsv::duplicateRowsAndPriority()
{
    TestDocument doc;
    WriteField(doc.all, Setting::PriorityChannel, 9);
    const CsvImport plan = PlanCsvImport(
        doc.all, fileOf({fullRow({{"Location", "3"}, {"Name", "FIRST"}, {"Skip", "P"}}),
                         fullRow({{"Location", "4"}, {"Skip", "P"}}),
                         fullRow({{"Location", "3"}, {"Name", "SECOND"}}),
                         fullRow({{"Location", "5"}, {"Skip", "P"}}),
                         fullRow({{"Location", "6"}, {"Skip", "P"}, {"Mode", "AM"}})}));
    QCOMPARE(plan.rows.size(), 5);
    QCOMPARE(plan.rows[0].kind, CsvImportRow::Skipped);
    QVERIFY(plan.rows[0].notes.join(' ').contains("Line 4"));
    QCOMPARE(plan.rows[1].kind, CsvImportRow::Changed);
    QVERIFY(plan.rows[1].notes.join(' ').contains("Line 5"));
    QCOMPARE(plan.rows[2].kind, CsvImportRow::Imported);
    QCOMPARE(plan.rows[3].kind, CsvImportRow::Imported);
    QCOMPARE(plan.rows[4].kind, CsvImportRow::Skipped);
    // The last row with P that is imported.
    QCOMPARE(plan.priorityChannel, 5);
    QCOMPARE(ReadField(doc.all, Setting::PriorityChannel), 9);

    ApplyCsvImport(doc.all, plan);
    QCOMPARE(ReadField(doc.all, Setting::PriorityChannel), 5);
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 3, ch));
    QCOMPARE(ch.name, QStringLiteral("SECOND"));
    QCOMPARE(ch.scanSkip, quint8(0));

    // A file without P leaves the priority channel as it is.
    const CsvImport none = PlanCsvImport(doc.all, fileOf({fullRow({{"Location", "7"}})}));
    QCOMPARE(none.priorityChannel, 0);
    ApplyCsvImport(doc.all, none);
    QCOMPARE(ReadField(doc.all, Setting::PriorityChannel), 5);
}

void TestChannelCsv::planLeavesTheDocumentAlone()
{
    TestDocument doc;
    enter(doc.all, {2, "435.000", "", "", "", "0", "0", "1", "KEEP"});
    const TALL before = doc.all;
    const CsvImport plan = PlanCsvImport(
        doc.all,
        fileOf({fullRow({{"Location", "2"}}), fullRow({{"Location", "3"}, {"Skip", "P"}})}));
    QCOMPARE(plan.rows.size(), 2);
    QVERIFY(doc.all.image == before.image);
    QVERIFY(!doc.all.modified);
    // The plan's image is the document after the import.
    TChannel ch;
    TALL after = plan.image;
    QVERIFY(DecodeChannel(after, 2, ch));
    QCOMPARE(FormatMHz(ch.rxFreq), QStringLiteral("145.00000"));
    QCOMPARE(ReadField(after, Setting::PriorityChannel), 3);
}

void TestChannelCsv::applyPutsOnlyTheNamedChannels()
{
    TestDocument doc;
    enter(doc.all, {2, "435.000", "", "67.0", "", "0", "0", "1", "OTHER"});
    enter(doc.all, {10, "435.100", "", "", "D023N", "0", "0", "1", "NAMED"});
    const CsvImport plan = PlanCsvImport(
        doc.all, fileOf({fullRow({{"Location", "10"}}), fullRow({{"Location", "11"}})}));
    // Something else changes the document between plan and apply: it stays.
    store(doc.all, 40, Field::RxFreq, "145.250");
    const TALL before = doc.all;
    QVERIFY(ApplyCsvImport(doc.all, plan));
    for (int k = 1; k <= 128; ++k) {
        if (k == 10 || k == 11) continue;
        QCOMPARE(recordBytes(doc.all, k), recordBytes(before, k));
        QCOMPARE(IsChannelInUse(doc.all, k), IsChannelInUse(before, k));
    }
    QCOMPARE(recordBytes(doc.all, 10), recordBytes(plan.image, 10));
    QVERIFY(IsChannelInUse(doc.all, 11));
    // The plan's scan state comes with the channel.
    TChannel ch;
    QVERIFY(DecodeChannel(doc.all, 11, ch));
    QCOMPARE(ch.scanSkip, quint8(0));
}

void TestChannelCsv::fileErrors_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error"); // a word of it; empty: usable
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n") << "empty";
    QByteArray binary(2320, '\0');
    binary[0] = 'P';
    QTest::newRow("a data file") << binary << "not a text file";
    QTest::newRow("no header") << QByteArray("1,A,145.000000\n") << "Frequency";
    QTest::newRow("another table") << QByteArray("Date,Amount\n2024-01-01,5\n") << "Frequency";
    QTest::newRow("header only") << header() << "";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + header() << "";
}

void TestChannelCsv::fileErrors()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    TestDocument doc;
    const CsvImport plan = PlanCsvImport(doc.all, csv);
    QCOMPARE(plan.ok(), error.isEmpty());
    QVERIFY2(plan.error.contains(error), qPrintable(plan.error));
    if (!plan.ok()) QCOMPARE(CsvImportReport(plan), QStringList{plan.error});
    QCOMPARE(plan.rows.size(), 0);
    const TALL before = doc.all;
    QVERIFY(!ApplyCsvImport(doc.all, plan));
    QVERIFY(doc.all.image == before.image);
}

void TestChannelCsv::report()
{
    TestDocument doc;
    const CsvImport plan = PlanCsvImport(
        doc.all,
        fileOf({fullRow({{"Location", "0"}, {"Name", "Calling"}}),
                fullRow({{"Location", "1"}, {"Mode", "AM"}}), fullRow({{"Location", "300"}}),
                fullRow({{"Location", "3"}, {"Duplex", "-"}, {"Offset", "0.600000"}})}));
    const QStringList report = CsvImportReport(plan);
    QCOMPARE(report.size(), 1 + 4 + 1);
    QCOMPARE(report[0], plan.fileNotes.value(0));
    QCOMPARE(report[1],
             QStringLiteral("line 2, Location 0 -> channel 1: changed: 1 145.00000 / "
                            "145.00000 None / None High Wide Add CALLIN (Name \"Calling\" "
                            "stored as \"CALLIN\": cut to 6 characters.)"));
    QVERIFY(report[2].startsWith("line 3, Location 1: skipped ("));
    QVERIFY(report[2].contains("AM"));
    QVERIFY(report[3].startsWith("line 4, Location 300: skipped ("));
    QCOMPARE(report[4], QStringLiteral("line 5, Location 3 -> channel 4: imported: 4 145.00000 / "
                                       "144.40000 None / None High Wide Add"));
    QCOMPARE(report[5], QStringLiteral("4 rows: 1 imported, 1 imported with changes, 2 skipped; "
                                       "channels the file does not name stay as they are."));
}

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "tst_channelcsv.moc"
