#include "BatchFill.h"

#include "AppState.h"
#include "ChannelRecord.h"
#include "FrequencyCodecs.h"
#include "NumberText.h"
#include "ProgramRandom.h"
#include "ToneLists.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int LastMemoryChannel = Image::FirstFrequencyChannel - 1;
constexpr qint64 MaxOffsetUnits = 9999500; // 99.995 MHz

// Frequencies are stepped in 10 Hz units so that a long run does not drift off the
// raster or past a band edge by a rounding error.
bool inBand(const TALL& all, qint64 units)
{
    double f = UnitsToMHz(units);
    return !CheckBandFrequency(all, QString(), f);
}

QString flagText(bool checked)
{
    return checked ? QStringLiteral("0") : QStringLiteral("1");
}

void store(TALL& all, int ch, int field, QString text)
{
    SetChannelField(all, ch, field, text);
}

// An in-use channel keeps its transmit frequency when the receive frequency changes and
// refuses a change that would need an offset above 99.995 MHz. The fill overwrites the
// channel all the same: it is made anew, keeping its epilogue and its unused bits.
void remakeWhenTooFar(TALL& all, int ch, qint64 rxUnits)
{
    if (!IsChannelInUse(all, ch)) return;
    TChannel present;
    DecodeChannel(all, ch, present);
    // Near the limit the raster snap could tip the offset over it; making anew is harmless.
    if (std::llabs(MHzToUnits(present.txFreq) - rxUnits) < MaxOffsetUnits - 625) return;

    const size_t spareByte = size_t(Image::recordOffset(ch) + 9);
    const quint8 spare = all.image[spareByte] & 0xF8;
    store(all, ch, Field::RxFreq, QString()); // deletes the channel
    QString rx = FormatMHz(UnitsToMHz(rxUnits));
    SetChannelField(all, ch, Field::RxFreq, rx);
    all.image[spareByte] = quint8((all.image[spareByte] & 0x07) | spare);
    store(all, ch, Field::Epilogue, present.epilogue ? QStringLiteral("1") : QStringLiteral("0"));
}

int stepTone(int position, int space, bool ascending, int last)
{
    const int next = ascending ? position + space : position - space;
    return std::clamp(next, 0, last);
}

} // namespace

BatchRange BatchFillRange(const TALL& all, const BatchFillOptions& o)
{
    const int count = std::min(all.channelCount, LastMemoryChannel);
    if (o.allChannels) return {1, count};
    return {std::max(o.from, 1), std::min(o.to, count)};
}

bool FillChannels(TALL& all, const BatchFillOptions& o)
{
    const auto [from, to] = BatchFillRange(all, o);
    if (to < from) return false;

    const QStringList& tones = BatchToneList();
    const int lastTone = int(tones.size()) - 1;
    auto toneText = [&](int position) { return position == 0 ? QString() : tones.at(position); };

    qint64 rx = MHzToUnits(o.rxStart);
    qint64 tx = MHzToUnits(o.txStart);
    const qint64 rxStep = MHzToUnits(o.rxStep);
    const qint64 txStep = MHzToUnits(o.txStep);
    const qint64 excursion = MHzToUnits(o.excursion);
    int rxTone = std::clamp(o.rxTonePosition, 0, lastTone);
    int txTone = std::clamp(o.txTonePosition, 0, lastTone);

    for (int ch = from; ch <= to; ++ch) {
        if (o.clear) {
            store(all, ch, Field::RxFreq, QString());
            continue;
        }

        remakeWhenTooFar(all, ch, rx);
        QString rxText = FormatMHz(UnitsToMHz(rx));
        SetChannelField(all, ch, Field::RxFreq, rxText);

        switch (o.transmit) {
        case BatchTransmit::SameAsReceive:
            tx = rx;
            break;
        case BatchTransmit::Excursion:
            tx = o.excursionPlus ? rx + excursion : rx - excursion;
            if (!inBand(all, tx))
                tx = MHzToUnits(NearestBandEdge(all, o.excursionPlus, UnitsToMHz(tx)));
            break;
        case BatchTransmit::OwnStart:
            break;
        }
        // A transmit frequency the record would refuse must not leave the channel's
        // previous one in place: the channel then transmits on its receive frequency.
        const bool txTooFar = std::llabs(tx - MHzToUnits(rxText.toDouble())) > MaxOffsetUnits;
        store(all, ch, Field::TxFreq, txTooFar ? QString() : FormatMHz(UnitsToMHz(tx)));

        if (o.rxToneRandom) rxTone = ProgramRandom(lastTone);
        store(all, ch, Field::RxTone, toneText(rxTone));

        if (o.txToneSameAsReceive)
            txTone = rxTone;
        else if (o.txToneRandom)
            txTone = ProgramRandom(lastTone);
        store(all, ch, Field::TxTone, toneText(txTone));

        store(all, ch, Field::Bandwidth, QString::number(o.bandwidth));
        store(all, ch, Field::Power, QString::number(o.power));
        store(all, ch, Field::BusyLock, flagText(o.busyLock));
        store(all, ch, Field::Scan, flagText(o.scanAdd));
        store(all, ch, Field::VoiceMode, QString::number(o.voiceMode));
        store(all, ch, Field::Vox, flagText(o.vox));
        store(all, ch, Field::Name, o.nameIsChannelNumber ? QString::number(ch) : o.name);

        const qint64 nextRx = o.rxAscending ? rx + rxStep : rx - rxStep;
        if (inBand(all, nextRx)) rx = nextRx;
        if (o.transmit == BatchTransmit::OwnStart) {
            const qint64 nextTx = o.txAscending ? tx + txStep : tx - txStep;
            if (inBand(all, nextTx)) tx = nextTx;
        }
        if (!o.rxToneRandom) rxTone = stepTone(rxTone, o.rxToneSpace, o.rxToneAscending, lastTone);
        if (!o.txToneRandom && !o.txToneSameAsReceive)
            txTone = stepTone(txTone, o.txToneSpace, o.txToneAscending, lastTone);
    }
    return true;
}

double BatchStartFrequency(const TALL& all, const QString& text)
{
    const QString t = text.trimmed();
    double f = t.isEmpty() ? LowestBandEdge(all) : 0.0;
    CheckBandFrequency(all, t, f);
    int mode = Raster::Auto;
    SnapToRaster(all, f, mode);
    return f;
}

double BatchTransmitStart(const TALL& all, const QString& text, double rxStart)
{
    const double f = BatchStartFrequency(all, text);
    return std::llabs(MHzToUnits(f) - MHzToUnits(rxStart)) > MaxOffsetUnits ? rxStart : f;
}

double BatchStepValue(const QString& text)
{
    double v = 0.0;
    if (!TextToNumber(text.trimmed(), v) || v < 0.0 || MHzToUnits(v) > MaxOffsetUnits) return 0.0;
    return v;
}

int BatchSpaceValue(const QString& text)
{
    double v = 0.0;
    if (!TextToNumber(text.trimmed(), v) || v < 0.0 || v > 1000000.0) return 0;
    return int(std::floor(v));
}
