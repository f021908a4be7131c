#include "ChannelRecord.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "FrequencyCodecs.h"
#include "NumberText.h"
#include "SettingsFields.h"
#include "ToneCodec.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qint64 MaxOffsetUnits = 9999500;

bool isFrequencyChannel(int k)
{
    return k == Image::FirstFrequencyChannel || k == Image::SecondFrequencyChannel;
}

bool isMemoryChannel(int k)
{
    return k >= 1 && k <= 128;
}

quint8* record(TALL& all, int k)
{
    return all.image.data() + Image::recordOffset(k);
}
const quint8* record(const TALL& all, int k)
{
    return all.image.data() + Image::recordOffset(k);
}

qint64 receiveUnits(const TALL& all, int k)
{
    const quint8* r = record(all, k);
    return DecodeFrequencyCount(r[0], r[1], r[2]);
}

// Offsets above 99.995 MHz read as 0.
qint64 offsetUnits(const TALL& all, int k)
{
    const quint8* r = record(all, k);
    const qint64 o = DecodeFrequencyCount(r[3], r[4], quint8(r[2] & 0x02));
    return o > MaxOffsetUnits ? 0 : o;
}

int direction(const TALL& all, int k)
{
    return KeepInRange(quint8(record(all, k)[2] >> 6), 0, 2, 0);
}

qint64 transmitUnits(const TALL& all, int k)
{
    const qint64 rx = receiveUnits(all, k);
    switch (direction(all, k)) {
    case 1:
        return rx + offsetUnits(all, k);
    case 2:
        return rx - offsetUnits(all, k);
    default:
        return rx;
    }
}

int rasterFlag(const TALL& all, int k)
{
    return (record(all, k)[2] & 0x02) ? 1 : 0;
}

void setBit(TALL& all, int k, int byte, int bit, const QString& text)
{
    SetFlagBit(record(all, k)[byte], bit, text == QLatin1String("1"));
}

int smallValue(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? (v & 3) : 0;
}

QString directionText(qint64 d)
{
    return d > 0 ? QStringLiteral("1") : d < 0 ? QStringLiteral("2") : QStringLiteral("0");
}

void storeReceive(TALL& all, int k, QString& text)
{
    double f = ParseMHzText(text);

    if (isFrequencyChannel(k)) {
        if (f == -1.0) f = LowestBandEdge(all);
        QString offsetText = FormatMHz(UnitsToMHz(DecodeFrequencyCount(
            record(all, k)[3], record(all, k)[4], quint8(record(all, k)[2] & 0x02))));
        int mode = StepRasterFamily(all);
        if (mode == Raster::Auto) mode = FrequencyRasterFamily(offsetText.toDouble());
        const int count = SnapToRaster(all, f, mode);
        StoreReceiveCount(all, k, count, mode);
        SetChannelField(all, k, Field::Offset, offsetText);
        text = FormatMHz(f);
        return;
    }

    if (f == -1.0) {
        // Deleting a memory channel erases its record and takes it out of the scan list.
        RestoreChannel(all, k, EmptyChannelState());
        text.clear();
        return;
    }

    if (IsSlotUsed(all, Image::AreaChannelEmpty, k)) {
        // Keep the transmit frequency; recompute offset and direction.
        const double r = UnitsToMHz(receiveUnits(all, k));
        double t = UnitsToMHz(transmitUnits(all, k));
        int mode = FrequencyRasterFamily(t);
        const int rc = SnapToRaster(all, f, mode);
        const int tc = SnapToRaster(all, t, mode);
        const qint64 d = qint64(tc) - rc;
        const qint64 offset = std::llabs(d) * (mode == Raster::Step625 ? 625 : 500);
        if (offset <= MaxOffsetUnits) {
            StoreReceiveCount(all, k, rc, mode);
            QString offsetText = FormatMHz(UnitsToMHz(offset));
            SetChannelField(all, k, Field::Offset, offsetText);
            QString dir = directionText(d);
            SetChannelField(all, k, Field::Direction, dir);
        } else {
            f = r;
            CheckBandFrequency(all, QString(), f);
        }
        text = FormatMHz(f);
        return;
    }

    // A new channel: the raster that fits the frequency.
    int mode = Raster::Auto;
    const int count = SnapToRaster(all, f, mode);
    StoreReceiveCount(all, k, count, mode);
    SetSlotUsed(all, Image::AreaChannelEmpty, k, true);
    text = FormatMHz(f);
}

void storeTransmit(TALL& all, int k, QString& text)
{
    double s = UnitsToMHz(receiveUnits(all, k));
    double r = ParseMHzText(text);
    if (r == -1.0) r = s;

    if (std::llabs(MHzToUnits(r) - MHzToUnits(s)) <= MaxOffsetUnits) {
        const int g = FrequencyRasterFamily(s);
        int mode = FrequencyRasterFamily(r);
        if (g != mode) {
            if (g == Raster::Auto) {
                const int count = SnapToRaster(all, s, mode);
                StoreReceiveCount(all, k, count, mode);
            } else {
                mode = g;
            }
        }
        SnapToRaster(all, r, mode);
        const qint64 d = MHzToUnits(r) - MHzToUnits(s);
        QString offsetText = FormatMHz(UnitsToMHz(std::llabs(d)));
        SetChannelField(all, k, Field::Offset, offsetText);
        QString dir = directionText(d);
        SetChannelField(all, k, Field::Direction, dir);
    } else {
        r = UnitsToMHz(transmitUnits(all, k));
    }
    text = FormatMHz(r);
}

void storeOffset(TALL& all, int k, QString& text)
{
    double r = ParseMHzText(text);
    if (r < 0.0 || MHzToUnits(r) > MaxOffsetUnits) r = 0.0;

    if (isFrequencyChannel(k)) {
        const int rxFamily = FrequencyRasterFamily(UnitsToMHz(receiveUnits(all, k)));
        int offsetFamily = FrequencyRasterFamily(r);
        if (rxFamily == Raster::Auto && offsetFamily != Raster::Auto) {
            double rx = UnitsToMHz(receiveUnits(all, k));
            const int count = SnapToRaster(all, rx, offsetFamily);
            StoreReceiveCount(all, k, count, offsetFamily);
        }
    }

    int mode = rasterFlag(all, k);
    const int count = SnapToRaster(all, r, mode);
    WriteU16LE(quint16(count), record(all, k) + 3);
    text = FormatMHz(r);
}

void storeName(TALL& all, int k, QString& text)
{
    QString name = (text + QStringLiteral("      ")).left(6);
    for (QChar& c : name)
        c = c.toUpper();
    for (int i = 0; i < 6; ++i)
        record(all, k)[10 + i] = NameCharToCode(name.at(i));
    text = NameWithoutPadding(name);
}

} // namespace

QString NameWithoutPadding(QString name)
{
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

bool UsesFineRaster(const TALL& all, int k)
{
    return rasterFlag(all, k) == 1;
}

bool IsChannelInUse(const TALL& all, int k)
{
    if (isFrequencyChannel(k)) return true;
    return isMemoryChannel(k) && IsSlotUsed(all, Image::AreaChannelEmpty, k);
}

bool DecodeChannel(TALL& all, int k, TChannel& ch)
{
    if (!IsChannelInUse(all, k)) return false;

    double f = UnitsToMHz(receiveUnits(all, k));
    CheckBandFrequency(all, QString(), f);
    QString text = FormatMHz(f);
    SetChannelField(all, k, Field::RxFreq, text);
    ch.rxFreq = text.toDouble();

    text = FormatMHz(UnitsToMHz(offsetUnits(all, k)));
    SetChannelField(all, k, Field::Offset, text);
    ch.offset = text.toDouble();

    const quint8* r = record(all, k);
    ch.direction = quint8(direction(all, k));
    ch.txFreq = ch.direction == 1   ? ch.rxFreq + ch.offset
                : ch.direction == 2 ? ch.rxFreq - ch.offset
                                    : ch.rxFreq;

    ch.rxTone = DecodeToneBytes(r[5], r[6]);
    SetChannelField(all, k, Field::RxTone, ch.rxTone);
    ch.txTone = DecodeToneBytes(r[7], r[8]);
    SetChannelField(all, k, Field::TxTone, ch.txTone);

    ch.bandwidth = quint8(GetFlagBit(r[2], 4));
    ch.power = quint8(GetFlagBit(r[9], 2));
    ch.epilogue = quint8(GetFlagBit(r[2], 2));
    ch.busyLock = quint8(GetFlagBit(r[2], 5));
    ch.vox = quint8(GetFlagBit(r[2], 3));
    ch.voiceMode = KeepInRange(quint8(r[9] & 3), 0, 2, 0);

    ch.name.clear();
    for (int i = 10; i < 16; ++i)
        ch.name += NameCodeToChar(r[i]);

    if (isMemoryChannel(k)) ch.scanSkip = IsSlotUsed(all, Image::AreaScanSkip, k) ? 0 : 1;
    return true;
}

void SetChannelField(TALL& all, int k, int code, QString& text)
{
    if (!isMemoryChannel(k) && !isFrequencyChannel(k)) return;
    quint8* r = record(all, k);
    quint8 b0 = 0, b1 = 0;

    switch (code) {
    case Field::RxFreq:
        storeReceive(all, k, text);
        break;
    case Field::TxFreq:
        storeTransmit(all, k, text);
        break;
    case Field::Offset:
        storeOffset(all, k, text);
        break;
    case Field::Direction:
        r[2] = quint8((r[2] & 0x3F) | (smallValue(text) << 6));
        break;
    case Field::RxTone:
        EncodeToneText(text, b0, b1);
        r[5] = b0;
        r[6] = b1;
        break;
    case Field::TxTone:
        EncodeToneText(text, b0, b1);
        r[7] = b0;
        r[8] = b1;
        break;
    case Field::BusyLock:
        setBit(all, k, 2, 5, text);
        break;
    case Field::Bandwidth:
        setBit(all, k, 2, 4, text);
        break;
    case Field::Power:
        setBit(all, k, 9, 2, text);
        break;
    case Field::Vox:
        setBit(all, k, 2, 3, text);
        break;
    case Field::VoiceMode:
        r[9] = quint8((r[9] & 0xFC) | smallValue(text));
        break;
    case Field::Scan:
        // The frequency channels have no scan bit.
        if (isMemoryChannel(k))
            SetSlotUsed(all, Image::AreaScanSkip, k, text == QLatin1String("0"));
        break;
    case Field::Name:
        storeName(all, k, text);
        break;
    case Field::Epilogue:
        setBit(all, k, 2, 2, text);
        break;
    default:
        break;
    }
}

ChannelState EmptyChannelState()
{
    ChannelState s;
    s.record.fill(0xFF);
    return s;
}

ChannelState SaveChannel(const TALL& all, int k)
{
    if (!isMemoryChannel(k) && !isFrequencyChannel(k)) return EmptyChannelState();
    ChannelState s;
    const quint8* r = record(all, k);
    std::copy(r, r + Image::RecordSize, s.record.begin());
    s.used = IsSlotUsed(all, Image::AreaChannelEmpty, k);
    s.scanned = IsSlotUsed(all, Image::AreaScanSkip, k);
    return s;
}

void RestoreChannel(TALL& all, int k, const ChannelState& s)
{
    if (!isMemoryChannel(k) && !isFrequencyChannel(k)) return;
    std::copy(s.record.begin(), s.record.end(), record(all, k));
    SetSlotUsed(all, Image::AreaChannelEmpty, k, s.used);
    SetSlotUsed(all, Image::AreaScanSkip, k, s.scanned);
}
