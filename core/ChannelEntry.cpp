#include "ChannelEntry.h"

#include "ChannelRecord.h"
#include "FrequencyCodecs.h"
#include "NumberText.h"

namespace {

struct ListDefault {
    int field;
    int value;
};
// Power high, wide, not scanned, VOX off, no voice mode, busy lock off, epilogue on.
constexpr ListDefault NewChannelValues[] = {
    {Field::Power, 1},     {Field::Bandwidth, 1}, {Field::Scan, 1},     {Field::Vox, 1},
    {Field::VoiceMode, 0}, {Field::BusyLock, 1},  {Field::Epilogue, 1},
};

} // namespace

QString BandCheckedFrequency(const TALL& all, const QString& text, bool& outOfBand)
{
    double value = 0.0;
    outOfBand = CheckBandFrequency(all, text, value);
    return FormatMHz(value);
}

int NewChannelValue(int fieldCode)
{
    for (const ListDefault& d : NewChannelValues)
        if (d.field == fieldCode) return d.value;
    return -1;
}

void StartNewChannel(TALL& all, int k)
{
    if (!IsChannelInUse(all, k)) return;
    // An empty transmit text means "the receive frequency". Decoding first would store
    // the receive frequency again, and with no transmit frequency yet to follow that
    // could move the channel to the other raster.
    QString text;
    SetChannelField(all, k, Field::TxFreq, text);
    for (int field : {Field::RxTone, Field::TxTone, Field::Name}) {
        text.clear();
        SetChannelField(all, k, field, text);
    }
    for (const ListDefault& d : NewChannelValues) {
        text = QString::number(d.value);
        SetChannelField(all, k, d.field, text);
    }
}
