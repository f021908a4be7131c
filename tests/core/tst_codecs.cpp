#include "CoreFixture.h"

#include "core/BitCodecs.h"
#include "core/FmCodec.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "core/TimeStamp.h"
#include "core/ToneCodec.h"

#include <QLocale>
#include <QtTest>

class TestCodecs : public QObject {
    Q_OBJECT

  private slots:
    void nameCodes();
    void bitsAndBytes();
    void settingsFieldsTouchOnlyTheirBits();
    void slotBitmaps();

    void snapToRaster_data();
    void snapToRaster();
    void stepRasterFamily();
    void frequencyRasterFamily_data();
    void frequencyRasterFamily();
    void parseMHzText_data();
    void parseMHzText();
    void checkBandFrequency_data();
    void checkBandFrequency();
    void nearestBandEdge();
    void storeReceiveCountKeepsUpperBits();

    void decodeTone_data();
    void decodeTone();
    void encodeTone_data();
    void encodeTone();
    void normaliseTone_data();
    void normaliseTone();

    void timeStamp();
    void fmChannels_data();
    void fmChannels();
    void fmEmptyAndOutOfBound();

    void numbersIgnoreTheLocale();
};

void TestCodecs::nameCodes()
{
    const QString table = QStringLiteral("0123456789 -*+ABCDEFGHIJKLMNOPQRSTUVWXYZ_/");
    for (int code = 0; code < table.size(); ++code) {
        QCOMPARE(NameCodeToChar(quint8(code)), QString(table.at(code)));
        QCOMPARE(int(NameCharToCode(table.at(code))), code);
    }
    QCOMPARE(NameCodeToChar(42), QStringLiteral(" "));
    QCOMPARE(NameCodeToChar(0xFF), QStringLiteral(" "));
    // Not upper-cased first: lower case letters are not in the table.
    const QString ab = QStringLiteral("Ab-1");
    QList<int> codes;
    for (QChar c : ab)
        codes << NameCharToCode(c);
    QCOMPARE(codes, (QList<int>{14, 10, 11, 1}));
    QCOMPARE(int(NameCharToCode(QChar(0x00E9))), 10);
}

void TestCodecs::bitsAndBytes()
{
    quint8 b = 0x00;
    SetFlagBit(b, 3, true);
    SetFlagBit(b, 8, true); // outside 0..7: nothing
    QCOMPARE(b, quint8(0x08));
    QCOMPARE(GetFlagBit(b, 3), 1);
    SetFlagBit(b, 3, false);
    QCOMPARE(b, quint8(0x00));

    QCOMPARE(KeepInRange(3, 0, 2, 0), quint8(0));
    QCOMPARE(KeepInRange(2, 0, 2, 0), quint8(2));

    quint8 four[4];
    WriteU32LE(43000000, four);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(four), 4), QByteArray::fromHex("c0209002"));
    QCOMPARE(ReadU32LE(four), quint32(43000000));

    QCOMPARE(HexPairToByte(QStringLiteral("aF")), quint8(0xAF));
    QCOMPARE(HexTextToInt(QStringLiteral("000000")), 0);

    const quint8 raw[] = {'Q', 0, 'Z'};
    QCOMPARE(BytesToText(raw, 3).size(), 3);
    QCOMPARE(BytesToText(raw, 3).at(1), QChar(0));

    quint8 buf[6] = {};
    FillFF(buf, 4); // n + 1 bytes
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 6), QByteArray::fromHex("ffffffffff00"));

    QCOMPARE(SerialCharFilter('a'), QStringLiteral("a"));
    QCOMPARE(SerialCharFilter('-'), QStringLiteral(" "));
    QCOMPARE(SerialCharFilter(0xFF), QStringLiteral(" "));
}

void TestCodecs::settingsFieldsTouchOnlyTheirBits()
{
    TestDocument doc;
    doc.at(0x898 + 7) = 0x65;
    QCOMPARE(GetSettingField(doc.all, 7, 0x0F), 5);
    QCOMPARE(GetSettingField(doc.all, 7, 0xF0), 6);
    QCOMPARE(GetSettingField(doc.all, 7, 0x00), 0);
    SetSettingField(doc.all, 7, 0xF0, 12);
    QCOMPARE(doc.at(0x898 + 7), quint8(0xC5));
    // A value too wide for its mask leaves the neighbouring field alone.
    SetSettingField(doc.all, 7, 0x0F, 0x1F);
    QCOMPARE(doc.at(0x898 + 7), quint8(0xCF));

    doc.at(0x898 + 6) = 0xEF; // lamp bits 0x0C = 3
    ClampSettingField(doc.all, 6, 0x0C, 0, 2, 2);
    QCOMPARE(doc.at(0x898 + 6), quint8(0xEB));
    ClampSettingField(doc.all, 6, 0x0C, 0, 0, 2); // in range: unchanged
    QCOMPARE(doc.at(0x898 + 6), quint8(0xEB));
}

void TestCodecs::slotBitmaps()
{
    TestDocument doc;
    std::fill(doc.all.image.begin() + 0x870, doc.all.image.begin() + 0x894, quint8(0xFF));
    SetSlotUsed(doc.all, 0, 1, true);
    SetSlotUsed(doc.all, 0, 128, true);
    SetSlotUsed(doc.all, 16, 9, true);
    SetSlotUsed(doc.all, 32, 20, true);
    QCOMPARE(doc.at(0x870), quint8(0xFE));
    QCOMPARE(doc.at(0x87F), quint8(0x7F));
    QCOMPARE(doc.at(0x881), quint8(0xFE));
    QCOMPARE(doc.at(0x892), quint8(0xF7));
    QVERIFY(IsSlotUsed(doc.all, 0, 128));
    QVERIFY(!IsSlotUsed(doc.all, 0, 2));
    // Slots past a bitmap have no bit: nothing outside it changes.
    SetSlotUsed(doc.all, 0, 129, true);
    SetSlotUsed(doc.all, 32, 33, true);
    QCOMPARE(doc.at(0x880), quint8(0xFF));
    QCOMPARE(doc.at(0x894), quint8(0xC0));
}

void TestCodecs::snapToRaster_data()
{
    QTest::addColumn<double>("in");
    QTest::addColumn<int>("modeIn");
    QTest::addColumn<double>("out");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("modeOut");

    QTest::newRow("auto, 5 kHz closer") << 145.0055 << 2 << 145.005 << 29001 << 0;
    QTest::newRow("auto, 6.25 kHz closer") << 145.007 << 2 << 145.00625 << 23201 << 1;
    QTest::newRow("auto, tie to 6.25 kHz") << 145.0031 << 2 << 145.0 << 23200 << 1;
    QTest::newRow("auto, on 6.25 kHz") << 145.00625 << 2 << 145.00625 << 23201 << 1;
    QTest::newRow("auto, on both") << 145.0 << 2 << 145.0 << 23200 << 1;
    QTest::newRow("auto, on 5 kHz only") << 145.005 << 2 << 145.005 << 29001 << 0;
    QTest::newRow("5 kHz, half rounds up") << 145.0025 << 0 << 145.005 << 29001 << 0;
    QTest::newRow("5 kHz, below half") << 145.00249 << 0 << 145.0 << 29000 << 0;
    QTest::newRow("6.25 kHz") << 145.00625 << 1 << 145.00625 << 23201 << 1;
    QTest::newRow("6.25 kHz of offset 99.995") << 99.995 << 1 << 99.99375 << 15999 << 1;
    QTest::newRow("25 kHz") << 100.0125 << 4 << 100.025 << 4001 << 4;
    QTest::newRow("auto, mode kept at 5") << 145.007 << 5 << 145.00625 << 23201 << 5;
    QTest::newRow("step family: 25 kHz step is auto") << 145.007 << 3 << 145.00625 << 23201 << 1;
    QTest::newRow("unknown mode") << 145.007 << 9 << 145.007 << 0 << 9;
}

void TestCodecs::snapToRaster()
{
    QFETCH(double, in);
    QFETCH(int, modeIn);
    QFETCH(double, out);
    TestDocument doc; // step index 4 (25 kHz) after a new image
    double f = in;
    int mode = modeIn;
    QTEST(SnapToRaster(doc.all, f, mode), "count");
    QTEST(mode, "modeOut");
    QCOMPARE(FormatMHz(f), FormatMHz(out));
}

void TestCodecs::stepRasterFamily()
{
    TestDocument doc;
    const int expected[] = {0, 1, 0, 1, 2, 1, 2, 2};
    for (int i = 0; i < 8; ++i) {
        SetSettingField(doc.all, 9, 0x0F, i);
        QCOMPARE(StepRasterFamily(doc.all), expected[i]);
    }
    SetSettingField(doc.all, 9, 0x0F, 0); // 5 kHz step
    double f = 145.007;
    int mode = 3;
    QCOMPARE(SnapToRaster(doc.all, f, mode), 29001);
    QCOMPARE(mode, 0);
}

void TestCodecs::frequencyRasterFamily_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<int>("family");
    QTest::newRow("both") << 145.0 << 2;
    QTest::newRow("neither") << 145.0031 << 2;
    QTest::newRow("5 kHz") << 145.005 << 0;
    QTest::newRow("6.25 kHz") << 145.00625 << 1;
    QTest::newRow("zero") << 0.0 << 2;
}

void TestCodecs::frequencyRasterFamily()
{
    QFETCH(double, mhz);
    QTEST(FrequencyRasterFamily(mhz), "family");
}

void TestCodecs::parseMHzText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("mhz");
    QTest::newRow("plain") << "145.5" << 145.5;
    QTest::newRow("with unit") << "145.5MHz" << 145.5;
    QTest::newRow("unit and more") << "430 MHz xyz" << 430.0;
    QTest::newRow("empty") << "" << -1.0;
    QTest::newRow("unit only") << "MHz" << -1.0;
    QTest::newRow("not a number is no band, not a delete") << "abc" << 0.0;
}

void TestCodecs::parseMHzText()
{
    QFETCH(QString, text);
    QTEST(ParseMHzText(text), "mhz");
}

void TestCodecs::checkBandFrequency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("valueIn");
    QTest::addColumn<bool>("out");
    QTest::addColumn<double>("valueOut");
    QTest::newRow("text in band") << "435.5" << 0.0 << false << 435.5;
    QTest::newRow("upper edge") << "440" << 0.0 << false << 440.0;
    QTest::newRow("between bands") << "300" << 0.0 << true << 430.0;
    QTest::newRow("not a number") << "1.2.3" << 0.0 << true << 430.0;
    QTest::newRow("negative") << "-145" << 0.0 << true << 430.0;
    QTest::newRow("empty text checks the value") << "" << 145.0 << false << 145.0;
    QTest::newRow("empty text, value out") << "" << 819.19375 << true << 430.0;
    QTest::newRow("zero") << "" << 0.0 << true << 430.0;
}

void TestCodecs::checkBandFrequency()
{
    QFETCH(QString, text);
    QFETCH(double, valueIn);
    TestDocument doc;
    double v = valueIn;
    QTEST(CheckBandFrequency(doc.all, text, v), "out");
    QTEST(v, "valueOut");
}

void TestCodecs::nearestBandEdge()
{
    TestDocument doc; // 430-440 and 144-146
    QCOMPARE(NearestBandEdge(doc.all, false, -1.0), 144.0);
    QCOMPARE(NearestBandEdge(doc.all, true, 150.0), 146.0);
    QCOMPARE(NearestBandEdge(doc.all, true, 441.0), 440.0);
    QCOMPARE(NearestBandEdge(doc.all, false, 300.0), 430.0);
    doc.all.bandLimits = {};
    QCOMPARE(NearestBandEdge(doc.all, false, 145.0), 0.0);
}

void TestCodecs::storeReceiveCountKeepsUpperBits()
{
    TestDocument doc;
    quint8* r = doc.rec(3);
    r[2] = 0xFC;
    StoreReceiveCount(doc.all, 3, 70242, 1); // 439.0125 on the 6.25 kHz raster
    QCOMPARE(r[0], quint8(70242 & 0xFF));
    QCOMPARE(r[1], quint8((70242 >> 8) & 0xFF));
    QCOMPARE(r[2], quint8(0xFF)); // bit 16 of the count, raster flag, upper bits kept
    StoreReceiveCount(doc.all, 3, 29000, 0);
    QCOMPARE(r[2], quint8(0xFC));
    QCOMPARE(DecodeFrequencyCount(r[0], r[1], r[2]), qint64(14500000));
}

void TestCodecs::decodeTone_data()
{
    QTest::addColumn<int>("b0");
    QTest::addColumn<int>("b1");
    QTest::addColumn<QString>("text");
    QTest::newRow("DCS normal") << 0x23 << 0x80 << "D023N";
    QTest::newRow("DCS inverted") << 0x23 << 0xC0 << "D023I";
    QTest::newRow("DCS digits masked to octal") << 0xFF << 0xCF << "D777I";
    QTest::newRow("CTCSS") << 0x70 << 0x06 << "67.0";
    QTest::newRow("CTCSS 250.3") << 0x03 << 0x25 << "250.3";
    QTest::newRow("none") << 0x12 << 0xFF << "";
    QTest::newRow("packed digit above 9 is no tone") << 0x7A << 0x06 << "";
}

void TestCodecs::decodeTone()
{
    QFETCH(int, b0);
    QFETCH(int, b1);
    QTEST(DecodeToneBytes(quint8(b0), quint8(b1)), "text");
}

void TestCodecs::encodeTone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("b0");
    QTest::addColumn<int>("b1");
    QTest::newRow("DCS inverted") << "D754I" << 0x54 << 0xC7;
    QTest::newRow("DCS normal") << "D023N" << 0x23 << 0x80;
    QTest::newRow("other polarity letter is N") << "D023X" << 0x23 << 0x80;
    QTest::newRow("CTCSS") << "250.3" << 0x03 << 0x25;
    QTest::newRow("CTCSS 67") << "67.0" << 0x70 << 0x06;
    QTest::newRow("empty") << "" << 0xFF << 0xFF;
    QTest::newRow("malformed DCS") << "D02" << 0xFF << 0xFF;
}

void TestCodecs::encodeTone()
{
    QFETCH(QString, text);
    quint8 b0 = 0, b1 = 0;
    QCOMPARE(EncodeToneText(text, b0, b1), text);
    QTEST(int(b0), "b0");
    QTEST(int(b1), "b1");
}

void TestCodecs::normaliseTone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("below range") << "12"
                                 << "30.0";
    QTest::newRow("above range") << "300"
                                 << "290.0";
    QTest::newRow("one decimal") << "88.5"
                                 << "88.5";
    QTest::newRow("two decimal points") << "8.8.5"
                                        << "67.0";
    QTest::newRow("word") << "abc"
                          << "67.0";
    QTest::newRow("short DCS") << "D8"
                               << "D700N";
    QTest::newRow("grid example") << "D9"
                                  << "D700N";
    QTest::newRow("lower case") << "d12"
                                << "D120N";
    QTest::newRow("bad digits and polarity") << "D089X"
                                             << "D077N";
    QTest::newRow("long DCS cut") << "d023ixyz"
                                  << "D023I";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCodecs::normaliseTone()
{
    QFETCH(QString, typed);
    QTEST(NormaliseToneText(typed), "text");
}

void TestCodecs::timeStamp()
{
    quint8 stamp[7];
    WriteTimeStamp(stamp, QStringLiteral("2022-03-15 09:05:00"));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(stamp), 7), QByteArray::fromHex("e607030f090500"));
    QCOMPARE(FormatTimeStamp(stamp), QStringLiteral("2022-03-15 09:05:00"));
    std::fill(std::begin(stamp), std::end(stamp), quint8(0xFF));
    QCOMPARE(FormatTimeStamp(stamp), QStringLiteral("65535-255-255 255:255:255"));
}

void TestCodecs::fmChannels_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("shown");
    QTest::newRow("on raster") << "100.1" << 4004 << "100.10000";
    QTest::newRow("rounds up") << "100.02" << 4001 << "100.02500";
    QTest::newRow("rounds down") << "100.01" << 4000 << "100.00000";
    QTest::newRow("half rounds up") << "100.0125" << 4001 << "100.02500";
    QTest::newRow("above upper bound") << "120" << 4320 << "108.00000";
    QTest::newRow("below lower bound") << "50" << 3520 << "88.00000";
}

void TestCodecs::fmChannels()
{
    QFETCH(QString, typed);
    TestDocument doc;
    QString text = typed;
    QVERIFY(SetFmChannel(doc.all, 5, text));
    QTEST(text, "shown");
    QTEST(int(ReadU16LE(doc.all.image.data() + 0x830 + 8)), "word");
    QVERIFY(IsSlotUsed(doc.all, 32, 5));
}

void TestCodecs::fmEmptyAndOutOfBound()
{
    TestDocument doc;
    // New image: all empty, tuning word 0xFFFF shows and stores the lower bound.
    QCOMPARE(GetFmChannel(doc.all, 1), -1.0);
    QCOMPARE(GetFmChannel(doc.all, 31), 88.0);
    QCOMPARE(ReadU16LE(doc.all.image.data() + 0x86C), quint16(3520));

    QString text = QStringLiteral("100.1");
    SetFmChannel(doc.all, 2, text);
    text.clear();
    QVERIFY(SetFmChannel(doc.all, 2, text)); // empties, the word stays
    QVERIFY(!IsSlotUsed(doc.all, 32, 2));
    QCOMPARE(ReadU16LE(doc.all.image.data() + 0x832), quint16(4004));
    QCOMPARE(GetFmChannel(doc.all, 2), -1.0);

    text.clear();
    SetFmChannel(doc.all, 31, text); // empty tuning frequency: lower bound
    QCOMPARE(text, QStringLiteral("88.00000"));

    text = QStringLiteral(".");
    QVERIFY(!SetFmChannel(doc.all, 3, text)); // not a number: nothing changes
    QVERIFY(!IsSlotUsed(doc.all, 32, 3));

    // Bounds crossed: the lower bound wins.
    WriteU16LE(4000, doc.all.image.data() + 0x894);
    WriteU16LE(3600, doc.all.image.data() + 0x896);
    text = QStringLiteral("95");
    SetFmChannel(doc.all, 4, text);
    QCOMPARE(text, QStringLiteral("100.00000"));
}

void TestCodecs::numbersIgnoreTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QCOMPARE(FormatMHz(145.0), QStringLiteral("145.00000"));
    double v = 0.0;
    QVERIFY(TextToNumber(QStringLiteral("145.5"), v));
    QCOMPARE(v, 145.5);
    QVERIFY(!TextToNumber(QStringLiteral("145,5"), v));
    QCOMPARE(NormaliseToneText(QStringLiteral("88.5")), QStringLiteral("88.5"));
    FixDecimalSeparator();
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
    QCOMPARE(QLocale().toString(145.5, 'f', 5), QStringLiteral("145.50000"));
}

QTEST_GUILESS_MAIN(TestCodecs)
#include "tst_codecs.moc"
