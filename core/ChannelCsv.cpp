#include "ChannelCsv.h"

#include "BitCodecs.h"
#include "ChannelEntry.h"
#include "ChannelListItems.h"
#include "ChannelRecord.h"
#include "FrequencyCodecs.h"
#include "NumberText.h"
#include "SettingsMap.h"
#include "ToneLists.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The levels as watts, for files that give watts.
constexpr double HighWatts = 5.0;
constexpr double LowWatts = 1.0;

// A CTCSS tone within this share of a listed tone goes to that tone.
constexpr double ToneTolerance = 0.03;

const QString PlaceholderTone = QStringLiteral("88.5");
const QString PlaceholderCode = QStringLiteral("023");
const QString PlaceholderPolarity = QStringLiteral("NN");
const QString PlaceholderCross = QStringLiteral("Tone->Tone");

// ---------------------------------------------------------------------------------
// CSV text

struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// The field separator of a text: a tab when its first line holds more tabs than
// commas (what spreadsheets put on the clipboard), else a comma. Quoted parts of the
// line do not count.
QChar FieldSeparator(const QString& text)
{
    int tabs = 0, commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') quoted = !quoted;
        if (quoted) continue;
        if (c == u'\r' || c == u'\n') {
            if (tabs + commas > 0) break;
            continue; // blank lines before the header
        }
        if (c == u'\t') ++tabs;
        if (c == u',') ++commas;
    }
    return tabs > commas ? QChar(u'\t') : QChar(u',');
}

// Fields between separators (comma or tab, see FieldSeparator); fields in double quotes
// may hold separators, line ends and doubled quotes; blanks around a field do not
// count. Records with nothing in them are left out.
QVector<CsvRecord> ParseCsv(const QString& text)
{
    const QChar separator = FieldSeparator(text);
    // Between tab-separated fields a tab is the separator, not a blank.
    const auto blank = [separator](QChar c) {
        return c == u' ' || (c == u'\t' && separator != u'\t');
    };
    QVector<CsvRecord> records;
    const QChar* const data = text.constData();
    const qsizetype size = text.size();
    qsizetype i = 0;
    int line = 1;
    while (i < size) {
        CsvRecord record;
        record.line = line;
        bool empty = true;
        bool recordEnds = false;
        while (!recordEnds) {
            while (i < size && blank(data[i]))
                ++i;
            QString field;
            if (i < size && data[i] == u'"') {
                ++i;
                while (i < size) {
                    if (data[i] == u'"') {
                        if (i + 1 < size && data[i + 1] == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    const qsizetype start = i;
                    while (i < size && data[i] != u'"') {
                        if (data[i] == u'\n') ++line;
                        ++i;
                    }
                    field.append(data + start, i - start);
                }
                // Whatever follows the closing quote up to the next separator is dropped.
                while (i < size && data[i] != separator && data[i] != u'\r' && data[i] != u'\n')
                    ++i;
            } else {
                const qsizetype start = i;
                while (i < size && data[i] != separator && data[i] != u'\r' && data[i] != u'\n')
                    ++i;
                field = QString(data + start, i - start);
            }
            field = field.trimmed();
            if (!field.isEmpty()) empty = false;
            record.fields << field;
            if (i < size && data[i] == separator) {
                ++i;
                continue;
            }
            // A line end or the end of the text.
            if (i < size && data[i] == u'\r') ++i;
            if (i < size && data[i] == u'\n') ++i;
            ++line;
            recordEnds = true;
        }
        if (!empty) records << record;
    }
    return records;
}

QString CsvField(const QString& text)
{
    bool special = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
    for (QChar c : text)
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') special = true;
    if (!special) return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

// ---------------------------------------------------------------------------------
// Tones

bool IsDcs(const QString& tone)
{
    return tone.startsWith(u'D');
}
QString DcsCode(const QString& tone)
{
    return tone.mid(1, 3);
}
QChar DcsPolarity(const QString& tone)
{
    return tone.endsWith(u'I') ? u'R' : u'N';
}

// The CTCSS tones of the list, in tenths of Hz.
const QVector<int>& ListedTones()
{
    static const QVector<int> tones = [] {
        QVector<int> t;
        for (const QString& item : FullToneList()) {
            double hz = 0.0;
            if (!IsDcs(item) && TextToNumber(item, hz)) t << int(std::lround(hz * 10.0));
        }
        return t;
    }();
    return tones;
}

bool IsListedCode(const QString& code)
{
    static const QSet<QString> codes = [] {
        QSet<QString> c;
        for (const QString& item : FullToneList())
            if (IsDcs(item)) c.insert(DcsCode(item));
        return c;
    }();
    return codes.contains(code);
}

// The columns export writes for a channel's tones.
struct ToneColumns {
    QString mode;
    QString rTone = PlaceholderTone;
    QString cTone = PlaceholderTone;
    QString code = PlaceholderCode;
    QString polarity = PlaceholderPolarity;
    QString rxCode = PlaceholderCode;
    QString cross = PlaceholderCross;
};

ToneColumns ExportTones(const QString& tx, const QString& rx)
{
    ToneColumns t;
    if (tx.isEmpty() && rx.isEmpty()) return t;
    if (!tx.isEmpty() && !IsDcs(tx) && rx.isEmpty()) {
        t.mode = QStringLiteral("Tone");
        t.rTone = tx;
        return t;
    }
    if (!tx.isEmpty() && !IsDcs(tx) && tx == rx) {
        t.mode = QStringLiteral("TSQL");
        t.cTone = tx;
        return t;
    }
    if (IsDcs(tx) && IsDcs(rx) && DcsCode(tx) == DcsCode(rx)) {
        t.mode = QStringLiteral("DTCS");
        t.code = DcsCode(tx);
        t.polarity = QString(DcsPolarity(tx)) + DcsPolarity(rx);
        return t;
    }
    t.mode = QStringLiteral("Cross");
    QChar txPolarity = u'N', rxPolarity = u'N';
    QString txSide, rxSide;
    if (IsDcs(tx)) {
        txSide = QStringLiteral("DTCS");
        t.code = DcsCode(tx);
        txPolarity = DcsPolarity(tx);
    } else if (!tx.isEmpty()) {
        txSide = QStringLiteral("Tone");
        t.rTone = tx;
    }
    if (IsDcs(rx)) {
        rxSide = QStringLiteral("DTCS");
        t.rxCode = DcsCode(rx);
        rxPolarity = DcsPolarity(rx);
    } else if (!rx.isEmpty()) {
        rxSide = QStringLiteral("Tone");
        t.cTone = rx;
    }
    t.polarity = QString(txPolarity) + rxPolarity;
    t.cross = txSide + QStringLiteral("->") + rxSide;
    return t;
}

// ---------------------------------------------------------------------------------
// One row of the file

// The columns by their place in CsvColumns().
namespace Col {
enum : int {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    rToneFreq,
    cToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    URCALL,
    RPT1CALL,
    RPT2CALL,
    DVCODE,
    Count
};
} // namespace Col

// Where each column stands in the file, -1 for a column the file lacks.
using ColumnPlaces = std::array<int, Col::Count>;

class RowFields {
  public:
    RowFields(const ColumnPlaces& places, const CsvRecord& record) : places(places), record(record)
    {
    }
    bool has(int column) const { return places[size_t(column)] >= 0; }
    QString operator[](int column) const
    {
        const int i = places[size_t(column)];
        return i >= 0 ? record.fields.value(i) : QString();
    }

  private:
    const ColumnPlaces& places;
    const CsvRecord& record;
};

// Reads a CTCSS field as a tone of the list; empty with a note when there is none.
QString ReadCtcss(const QString& field, int column, const CsvImportTexts& texts, QStringList& notes)
{
    double hz = 0.0;
    if (!TextToNumber(field, hz)) {
        notes << texts.toneNotNumber.arg(CsvColumns().at(column), field);
        return QString();
    }
    const QString exact = FormatFixed(hz, 1);
    const int tenths = int(std::lround(std::clamp(hz, 0.0, 10000.0) * 10.0));
    int best = -1;
    for (int t : ListedTones()) {
        if (t == tenths) return exact;
        if (best < 0 || std::abs(t - tenths) < std::abs(best - tenths)) best = t;
    }
    if (best > 0 && std::abs(best - tenths) <= best * ToneTolerance) {
        const QString listed = FormatFixed(best / 10.0, 1);
        notes << texts.toneNearest.arg(exact, listed);
        return listed;
    }
    notes << texts.toneDropped.arg(exact);
    return QString();
}

// Reads a DCS code field ("023", "23") with its polarity letter into "D023N"/"D023I".
QString ReadDcs(const QString& field, QChar polarity, const CsvImportTexts& texts,
                QStringList& notes)
{
    bool octal = !field.isEmpty() && field.size() <= 3;
    for (QChar c : field)
        if (c < u'0' || c > u'7') octal = false;
    if (!octal) {
        notes << texts.dcsNotCode.arg(field);
        return QString();
    }
    const QString code = field.rightJustified(3, u'0');
    if (!IsListedCode(code)) {
        notes << texts.dcsNotOffered.arg(code);
        return QString();
    }
    return QStringLiteral("D") + code + (polarity == u'R' ? u'I' : u'N');
}

struct WantedTones {
    QString rx; // decode
    QString tx; // encode
};

WantedTones ReadTones(const RowFields& row, const CsvImportTexts& texts, QStringList& notes)
{
    WantedTones w;
    const QString mode = row[Col::Tone];
    if (mode.isEmpty()) return w;

    QString polarity = row[Col::DtcsPolarity].toUpper();
    if (polarity.isEmpty()) polarity = PlaceholderPolarity;
    const auto letter = [&](int i) { return polarity.at(i) == u'N' || polarity.at(i) == u'R'; };
    if (polarity.size() != 2 || !letter(0) || !letter(1)) {
        notes << texts.polarityUnknown.arg(row[Col::DtcsPolarity]);
        polarity = PlaceholderPolarity;
    }
    const QChar txPolarity = polarity.at(0);
    const QChar rxPolarity = polarity.at(1);

    // Older files have no RxDtcsCode: their receive code is DtcsCode.
    const auto rxCode = [&] {
        if (row.has(Col::RxDtcsCode)) return row[Col::RxDtcsCode];
        notes << texts.noRxDtcsCode;
        return row[Col::DtcsCode];
    };

    const QString m = mode.toLower();
    if (m == QLatin1String("tone")) {
        w.tx = ReadCtcss(row[Col::rToneFreq], Col::rToneFreq, texts, notes);
    } else if (m == QLatin1String("tsql")) {
        w.tx = w.rx = ReadCtcss(row[Col::cToneFreq], Col::cToneFreq, texts, notes);
    } else if (m == QLatin1String("dtcs")) {
        w.tx = ReadDcs(row[Col::DtcsCode], txPolarity, texts, notes);
        w.rx = w.tx.isEmpty() ? QString() : w.tx.left(4) + (rxPolarity == u'R' ? u'I' : u'N');
    } else if (m == QLatin1String("cross")) {
        QString cross = row[Col::CrossMode];
        if (!row.has(Col::CrossMode)) {
            notes << texts.noCrossMode;
            cross = PlaceholderCross;
        }
        const int arrow = cross.indexOf(QLatin1String("->"));
        const QString txSide = arrow < 0 ? QString() : cross.left(arrow).trimmed().toLower();
        const QString rxSide = arrow < 0 ? QString() : cross.mid(arrow + 2).trimmed().toLower();
        const auto known = [](const QString& side) {
            return side.isEmpty() || side == QLatin1String("tone") || side == QLatin1String("dtcs");
        };
        if (arrow < 0 || !known(txSide) || !known(rxSide) ||
            (txSide.isEmpty() && rxSide.isEmpty())) {
            notes << texts.crossModeUnknown.arg(cross);
            return w;
        }
        if (txSide == QLatin1String("tone"))
            w.tx = ReadCtcss(row[Col::rToneFreq], Col::rToneFreq, texts, notes);
        if (txSide == QLatin1String("dtcs"))
            w.tx = ReadDcs(row[Col::DtcsCode], txPolarity, texts, notes);
        if (rxSide == QLatin1String("tone"))
            w.rx = ReadCtcss(row[Col::cToneFreq], Col::cToneFreq, texts, notes);
        if (rxSide == QLatin1String("dtcs")) w.rx = ReadDcs(rxCode(), rxPolarity, texts, notes);
    } else {
        notes << texts.toneModeUnknown.arg(mode);
    }
    return w;
}

// "1" high, "0" low.
QString ReadPower(const QString& field, const CsvImportTexts& texts, QStringList& notes)
{
    const QString high = QStringLiteral("1"), low = QStringLiteral("0");
    if (field.isEmpty()) return QString::number(NewChannelValue(Field::Power));
    if (field.compare(QLatin1String("High"), Qt::CaseInsensitive) == 0) return high;
    if (field.compare(QLatin1String("Low"), Qt::CaseInsensitive) == 0) return low;

    static const QRegularExpression watts(QStringLiteral("^([0-9]+(?:\\.[0-9]*)?)\\s*W?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = watts.match(field);
    double w = 0.0;
    if (m.hasMatch() && TextToNumber(m.captured(1), w))
        return std::fabs(w - HighWatts) <= std::fabs(w - LowWatts) ? high : low;

    // Other level names: low ones go to Low, the middle and the high ones to High.
    const QString name = field.toLower();
    const bool lowName = name.startsWith(u'l');
    const bool known = lowName || name.startsWith(u'h') || name.startsWith(u'm') ||
                       name == QLatin1String("turbo") || name == QLatin1String("max");
    const QString level = lowName ? texts.levelLow : texts.levelHigh;
    notes << (known ? texts.powerNotLevel : texts.powerUnknown).arg(field, level);
    return lowName ? low : high;
}

bool IsNameCharacter(QChar c)
{
    return c == u' ' || NameCharToCode(c) != NameCharToCode(u' ');
}

QString ReadName(const QString& field, const CsvImportTexts& texts, QStringList& notes)
{
    const QString upper = field.trimmed().toUpper();
    QString name;
    bool replaced = false;
    for (QChar c : upper) {
        if (IsNameCharacter(c)) {
            name += c;
        } else {
            name += u' ';
            replaced = true;
        }
    }
    const QString stored = NameWithoutPadding(name.left(6));
    const bool cut = name.size() > 6;
    if (replaced || cut) {
        const QString& format = !cut       ? texts.nameBlanks
                                : replaced ? texts.nameBlanksCut
                                           : texts.nameCut;
        notes << format.arg(field.trimmed(), stored);
    }
    return stored;
}

// ---------------------------------------------------------------------------------
// Channels in the image

QString ToneShown(const QString& tone)
{
    return tone.isEmpty() ? GridToneList().value(0) : tone;
}

// A list field as the grid shows it.
QString ItemShown(int field, int value)
{
    return FindChannelList(field)->items.value(value);
}

QString ChannelLine(int k, const TChannel& ch)
{
    QString line =
        QStringLiteral("%1 %2 / %3 %4 / %5 %6 %7 %8")
            .arg(k)
            .arg(FormatMHz(ch.rxFreq), FormatMHz(ch.txFreq), ToneShown(ch.rxTone),
                 ToneShown(ch.txTone), ItemShown(Field::Power, ch.power),
                 ItemShown(Field::Bandwidth, ch.bandwidth), ItemShown(Field::Scan, ch.scanSkip));
    const QString name = NameWithoutPadding(ch.name);
    if (!name.isEmpty()) line += u' ' + name;
    return line;
}

QString MHzText(double mhz)
{
    return FormatFixed(mhz, 6);
}

// Everything a row asks of its channel, read and checked before the channel is touched.
struct WantedChannel {
    double rx = 0.0;
    double tx = 0.0;
    WantedTones tones;
    QString power;
    QString bandwidth;
    QString scan;
    bool priority = false;
    QString name;
};

// Fills wanted from the row; false when the row is to be skipped (the reason in notes).
bool ReadChannel(const TALL& all, const RowFields& row, const CsvImportTexts& texts,
                 WantedChannel& w, QStringList& notes)
{
    const QString frequency = row[Col::Frequency];
    if (frequency.isEmpty()) {
        notes << texts.noFrequency;
        return false;
    }
    if (!TextToNumber(frequency, w.rx)) {
        notes << texts.frequencyNotNumber.arg(frequency);
        return false;
    }

    const QString mode = row[Col::Mode];
    if (mode.isEmpty()) {
        w.bandwidth = QString::number(NewChannelValue(Field::Bandwidth));
    } else if (mode.compare(QLatin1String("FM"), Qt::CaseInsensitive) == 0) {
        w.bandwidth = QStringLiteral("1");
    } else if (mode.compare(QLatin1String("NFM"), Qt::CaseInsensitive) == 0) {
        w.bandwidth = QStringLiteral("0");
    } else {
        notes << texts.modeUnknown.arg(mode);
        return false;
    }

    // The band check of BandCheckedFrequency, on the number already read.
    double checked = w.rx;
    if (CheckBandFrequency(all, QString(), checked)) {
        notes << texts.outsideBands.arg(MHzText(w.rx), all.bandText);
        return false;
    }

    const QString duplex = row[Col::Duplex].toLower();
    const QString offsetField = row[Col::Offset];
    double offset = 0.0;
    if (duplex == QLatin1String("+") || duplex == QLatin1String("-") ||
        duplex == QLatin1String("split")) {
        if (!offsetField.isEmpty() && !TextToNumber(offsetField, offset)) {
            notes << texts.offsetNotNumber.arg(offsetField);
            return false;
        }
    }
    if (duplex.isEmpty()) {
        w.tx = w.rx;
    } else if (duplex == QLatin1String("+")) {
        w.tx = w.rx + offset;
    } else if (duplex == QLatin1String("-")) {
        w.tx = w.rx - offset;
    } else if (duplex == QLatin1String("split")) {
        if (offsetField.isEmpty()) {
            notes << texts.splitWithoutTx;
            return false;
        }
        w.tx = offset;
    } else if (duplex == QLatin1String("off")) {
        w.tx = w.rx;
        notes << texts.transmitOff;
    } else {
        notes << texts.duplexUnknown.arg(row[Col::Duplex]);
        return false;
    }
    if (w.tx != w.rx) {
        checked = w.tx;
        if (CheckBandFrequency(all, QString(), checked)) {
            notes << texts.txOutsideBands.arg(MHzText(w.tx), all.bandText);
            return false;
        }
        const double apart = UnitsToMHz(std::llabs(MHzToUnits(w.tx) - MHzToUnits(w.rx)));
        if (apart > MaxOffsetMHz) {
            notes << texts.txTooFar.arg(MHzText(w.tx), FormatMHz(apart),
                                        FormatFixed(MaxOffsetMHz, 3));
            return false;
        }
    }

    w.tones = ReadTones(row, texts, notes);
    w.power = row.has(Col::Power) ? ReadPower(row[Col::Power], texts, notes)
                                  : QString::number(NewChannelValue(Field::Power));

    if (!row.has(Col::Skip)) {
        w.scan = QString::number(NewChannelValue(Field::Scan));
    } else {
        const QString skip = row[Col::Skip].toUpper();
        w.scan = QStringLiteral("0"); // scanned
        if (skip == QLatin1String("S")) {
            w.scan = QStringLiteral("1");
        } else if (skip == QLatin1String("P")) {
            w.priority = true;
        } else if (!skip.isEmpty()) {
            notes << texts.skipUnknown.arg(row[Col::Skip]);
        }
    }
    w.name = ReadName(row[Col::Name], texts, notes);
    return true;
}

// Enters the channel the grid's way and says what the record did not keep.
// False when the record refused the row; the channel is then as it was.
bool StoreChannel(TALL& all, int k, const WantedChannel& w, const CsvImportTexts& texts,
                  QStringList& notes, TChannel& ch)
{
    const ChannelState before = SaveChannel(all, k);
    QString text;
    SetChannelField(all, k, Field::RxFreq, text); // empty: the channel starts afresh
    text = FormatMHz(w.rx);                       // in a band: ReadChannel checked it
    SetChannelField(all, k, Field::RxFreq, text);
    // What StartNewChannel gives a new channel, without first storing the transmit
    // frequency, tones and name the row sets anyway (each store parses its number text
    // again, and import is to stay fast over a full list).
    for (int field = 0; field <= Field::Epilogue; ++field) {
        if (NewChannelValue(field) < 0) continue;
        text = QString::number(NewChannelValue(field));
        SetChannelField(all, k, field, text);
    }
    text = FormatMHz(w.tx);
    SetChannelField(all, k, Field::TxFreq, text);
    text = w.tones.rx;
    SetChannelField(all, k, Field::RxTone, text);
    text = w.tones.tx;
    SetChannelField(all, k, Field::TxTone, text);
    text = w.power;
    SetChannelField(all, k, Field::Power, text);
    text = w.bandwidth;
    SetChannelField(all, k, Field::Bandwidth, text);
    text = w.scan;
    SetChannelField(all, k, Field::Scan, text);
    text = w.name;
    SetChannelField(all, k, Field::Name, text);

    if (!DecodeChannel(all, k, ch)) {
        RestoreChannel(all, k, before);
        notes << texts.recordRefusedRx;
        return false;
    }
    const qint64 rxWanted = MHzToUnits(w.rx), txWanted = MHzToUnits(w.tx);
    const qint64 rxStored = MHzToUnits(ch.rxFreq), txStored = MHzToUnits(ch.txFreq);
    if (txStored - rxStored != txWanted - rxWanted && txStored == rxStored) {
        RestoreChannel(all, k, before);
        notes << texts.recordRefusedTx.arg(MHzText(w.tx));
        return false;
    }
    if (rxStored != rxWanted) notes << texts.rxOffRaster.arg(MHzText(w.rx), FormatMHz(ch.rxFreq));
    // A simplex row whose frequency moved needs no second note.
    if (txStored != txWanted && !(txWanted == rxWanted && txStored == rxStored))
        notes << texts.txOffRaster.arg(MHzText(w.tx), FormatMHz(ch.txFreq));
    if (ch.rxTone != w.tones.rx)
        notes << texts.rxToneStored.arg(ToneShown(w.tones.rx), ToneShown(ch.rxTone));
    if (ch.txTone != w.tones.tx)
        notes << texts.txToneStored.arg(ToneShown(w.tones.tx), ToneShown(ch.txTone));
    return true;
}

QString RowSource(const RowFields& row)
{
    QStringList parts;
    for (int column : {Col::Frequency, Col::Duplex, Col::Offset, Col::Name}) {
        const QString f = row[column];
        if (f.isEmpty()) continue;
        if (column == Col::Offset && row[Col::Duplex].isEmpty()) continue;
        parts << f;
    }
    return parts.join(u' ');
}

QString KindText(CsvImportRow::Kind kind, const CsvImportTexts& texts)
{
    switch (kind) {
    case CsvImportRow::Imported:
        return texts.imported;
    case CsvImportRow::Changed:
        return texts.changed;
    case CsvImportRow::Skipped:
        return texts.skipped;
    }
    return QString();
}

} // namespace

const QStringList& CsvColumns()
{
    static const QStringList columns = {
        QStringLiteral("Location"),     QStringLiteral("Name"),       QStringLiteral("Frequency"),
        QStringLiteral("Duplex"),       QStringLiteral("Offset"),     QStringLiteral("Tone"),
        QStringLiteral("rToneFreq"),    QStringLiteral("cToneFreq"),  QStringLiteral("DtcsCode"),
        QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
        QStringLiteral("Mode"),         QStringLiteral("TStep"),      QStringLiteral("Skip"),
        QStringLiteral("Power"),        QStringLiteral("Comment"),    QStringLiteral("URCALL"),
        QStringLiteral("RPT1CALL"),     QStringLiteral("RPT2CALL"),   QStringLiteral("DVCODE"),
    };
    return columns;
}

QByteArray ExportChannelsCsv(TALL& all)
{
    QList<int> channels;
    for (int k = 1; k <= all.channelCount; ++k)
        channels << k;
    return ExportChannelsCsv(all, channels);
}

QByteArray ExportChannelsCsv(TALL& all, const QList<int>& channels)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString out = CsvColumns().join(u',') + lineEnd;
    const int priority = ReadField(all, Setting::PriorityChannel);
    const int count = std::min(all.channelCount, 128);
    std::array<bool, 129> wanted{};
    for (int k : channels)
        if (k >= 1 && k <= count) wanted[size_t(k)] = true;
    TChannel ch;
    for (int k = 1; k <= count; ++k) {
        if (!wanted[size_t(k)] || !DecodeChannel(all, k, ch)) continue;
        const bool fineRaster = UsesFineRaster(all, k);
        const ToneColumns tones = ExportTones(ch.txTone, ch.rxTone);
        QString skip;
        if (ch.scanSkip)
            skip = QStringLiteral("S");
        else if (k == priority)
            skip = QStringLiteral("P");
        const QStringList fields = {
            QString::number(k),
            NameWithoutPadding(ch.name),
            MHzText(ch.rxFreq),
            ch.direction == 1   ? QStringLiteral("+")
            : ch.direction == 2 ? QStringLiteral("-")
                                : QString(),
            MHzText(ch.direction ? ch.offset : 0.0),
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.code,
            tones.polarity,
            tones.rxCode,
            tones.cross,
            ch.bandwidth ? QStringLiteral("FM") : QStringLiteral("NFM"),
            fineRaster ? QStringLiteral("6.25") : QStringLiteral("5.00"),
            skip,
            ch.power ? QStringLiteral("High") : QStringLiteral("Low"),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
        };
        QStringList quoted;
        for (const QString& f : fields)
            quoted << CsvField(f);
        out += quoted.join(u',') + lineEnd;
    }
    return out.toUtf8();
}

int CsvImport::count(CsvImportRow::Kind kind) const
{
    int n = 0;
    for (const CsvImportRow& row : rows)
        if (row.kind == kind) ++n;
    return n;
}

namespace {

// The plan of an import (pasteAt 0: each row to the channel its Location names) or of a
// paste (the rows that can be taken go to channels pasteAt, pasteAt + 1, ... in their
// order; a skipped row takes no channel).
CsvImport PlanRows(const TALL& all, const QByteArray& csv, const CsvImportTexts& texts, int pasteAt)
{
    CsvImport plan;
    plan.image = all;
    TALL& image = plan.image;

    if (csv.contains('\0')) {
        plan.error = texts.notText;
        return plan;
    }
    QByteArray bytes = csv;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = QString::fromLatin1(bytes);
        plan.fileNotes << texts.notUtf8;
    }

    const QVector<CsvRecord> records = ParseCsv(text);
    if (records.isEmpty()) {
        plan.error = texts.empty;
        return plan;
    }
    ColumnPlaces columns;
    columns.fill(-1);
    const QStringList& header = records.first().fields;
    for (int c = 0; c < Col::Count; ++c) {
        for (int i = 0; i < header.size(); ++i) {
            if (header.at(i).trimmed().compare(CsvColumns().at(c), Qt::CaseInsensitive) == 0) {
                columns[size_t(c)] = i;
                break;
            }
        }
    }
    if (columns[Col::Frequency] < 0) {
        plan.error = texts.noFrequencyColumn;
        return plan;
    }

    const bool hasLocation = columns[Col::Location] >= 0;
    const bool numbered = hasLocation && pasteAt == 0;
    bool zeroBased = false;
    if (numbered) {
        for (int i = 1; i < records.size(); ++i) {
            bool ok = false;
            const int location = RowFields(columns, records.at(i))[Col::Location].toInt(&ok);
            if (ok && location == 0) zeroBased = true;
        }
    }
    if (pasteAt > 0)
        plan.fileNotes << texts.pasteOrder.arg(pasteAt);
    else if (!numbered)
        plan.fileNotes << texts.noLocationColumn;
    else if (zeroBased)
        plan.fileNotes << texts.zeroBased;

    QHash<int, int> rowOfChannel; // channel -> index into plan.rows
    QVector<bool> wantsPriority;
    int nextPasted = pasteAt;
    for (int i = 1; i < records.size(); ++i) {
        const RowFields fields(columns, records.at(i));
        CsvImportRow row;
        row.line = records.at(i).line;
        row.location = hasLocation ? fields[Col::Location] : QString();
        row.source = RowSource(fields);
        wantsPriority << false;

        qint64 number = pasteAt > 0 ? nextPasted : i;
        bool known = true;
        if (numbered) {
            bool ok = false;
            // Widened first: a Location at the limit of int must not overflow.
            number = qint64(row.location.toInt(&ok)) + (zeroBased ? 1 : 0);
            if (!ok) {
                row.notes << texts.locationNotNumber.arg(row.location);
                known = false;
            }
        }
        if (known && (number < 1 || number > image.channelCount)) {
            row.notes << texts.noSuchChannel.arg(number).arg(image.channelCount);
            known = false;
        }
        if (!known) {
            row.kind = CsvImportRow::Skipped;
            plan.rows << row;
            continue;
        }
        const int k = int(number);
        row.channel = k;

        WantedChannel wanted;
        TChannel ch;
        if (!ReadChannel(image, fields, texts, wanted, row.notes) ||
            !StoreChannel(image, k, wanted, texts, row.notes, ch)) {
            row.kind = CsvImportRow::Skipped;
            plan.rows << row;
            continue;
        }
        row.result = ChannelLine(k, ch);
        row.kind = row.notes.isEmpty() ? CsvImportRow::Imported : CsvImportRow::Changed;
        wantsPriority.last() = wanted.priority;
        ++nextPasted;

        if (const auto earlier = rowOfChannel.find(k); earlier != rowOfChannel.end()) {
            CsvImportRow& replaced = plan.rows[*earlier];
            replaced.kind = CsvImportRow::Skipped;
            replaced.result.clear();
            replaced.notes << texts.sameChannel.arg(row.line);
            wantsPriority[*earlier] = false;
        }
        rowOfChannel.insert(k, int(plan.rows.size()));
        plan.rows << row;
    }

    int last = -1;
    for (int i = 0; i < plan.rows.size(); ++i)
        if (wantsPriority.at(i)) last = i;
    if (last >= 0) {
        plan.priorityChannel = plan.rows.at(last).channel;
        WriteField(image, Setting::PriorityChannel, plan.priorityChannel);
        plan.rows[last].result = texts.priorityMark.arg(plan.rows.at(last).result);
        for (int i = 0; i < last; ++i) {
            if (!wantsPriority.at(i)) continue;
            CsvImportRow& other = plan.rows[i];
            other.notes << texts.onePriority.arg(plan.rows.at(last).line);
            other.kind = CsvImportRow::Changed;
        }
    }
    return plan;
}

} // namespace

CsvImport PlanCsvImport(const TALL& all, const QByteArray& csv, const CsvImportTexts& texts)
{
    return PlanRows(all, csv, texts, 0);
}

CsvImport PlanCsvPaste(const TALL& all, const QByteArray& text, int first,
                       const CsvImportTexts& texts)
{
    return PlanRows(all, text, texts, std::clamp(first, 1, std::max(all.channelCount, 1)));
}

int CsvImportReplaces(const TALL& all, const CsvImport& plan)
{
    if (!plan.ok()) return 0;
    int replaced = 0;
    for (const CsvImportRow& row : plan.rows) {
        if (row.kind == CsvImportRow::Skipped || row.channel < 1) continue;
        if (ReplacesChannelInUse(SaveChannel(all, row.channel),
                                 SaveChannel(plan.image, row.channel)))
            ++replaced;
    }
    return replaced;
}

bool ApplyCsvImport(TALL& all, const CsvImport& plan)
{
    if (!plan.ok()) return false;
    bool applied = false;
    for (const CsvImportRow& row : plan.rows) {
        if (row.kind == CsvImportRow::Skipped || row.channel < 1) continue;
        RestoreChannel(all, row.channel, SaveChannel(plan.image, row.channel));
        applied = true;
    }
    if (plan.priorityChannel > 0) WriteField(all, Setting::PriorityChannel, plan.priorityChannel);
    return applied;
}

QString CsvRowNotes(const CsvImportRow& row, const CsvImportTexts& texts)
{
    QString text = row.notes.value(0);
    for (int i = 1; i < row.notes.size(); ++i)
        text = texts.notesJoin.arg(text, row.notes.at(i));
    return text;
}

QStringList CsvImportReport(const CsvImport& plan, const CsvImportTexts& texts)
{
    if (!plan.ok()) return {plan.error};
    QStringList lines = plan.fileNotes;
    // Each step wraps the line so far in one pass of arg(), so a location or note that
    // holds a %1 of its own stays as it is.
    for (const CsvImportRow& row : plan.rows) {
        QString line = texts.reportLine.arg(row.line);
        if (!row.location.isEmpty()) line = texts.reportLocation.arg(line, row.location);
        if (row.channel > 0 && row.kind != CsvImportRow::Skipped)
            line = texts.reportChannel.arg(line, QString::number(row.channel));
        line = texts.reportPart.arg(line, KindText(row.kind, texts));
        if (!row.result.isEmpty()) line = texts.reportPart.arg(line, row.result);
        if (!row.notes.isEmpty()) line = texts.reportNotes.arg(line, CsvRowNotes(row, texts));
        lines << line;
    }
    lines << texts.reportSummary.arg(plan.rows.size())
                 .arg(plan.count(CsvImportRow::Imported))
                 .arg(plan.count(CsvImportRow::Changed))
                 .arg(plan.count(CsvImportRow::Skipped));
    return lines;
}
