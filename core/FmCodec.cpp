#include "FmCodec.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "NumberText.h"
#include "SettingsFields.h"

namespace {

bool validIndex(int n)
{
    return (n >= 1 && n <= Image::FmSlotCount) || n == Image::FmTunedIndex;
}

quint8* word(TALL& all, int n)
{
    return all.image.data() + Image::FmChannels + 2 * (n - 1);
}

int limit(const TALL& all, int offset)
{
    return ReadU16LE(all.image.data() + offset);
}

} // namespace

double GetFmChannel(TALL& all, int n)
{
    if (!validIndex(n)) return -1.0;
    const int low = limit(all, Image::FmLowerLimit);
    const int high = limit(all, Image::FmUpperLimit);
    if (n != Image::FmTunedIndex && !IsSlotUsed(all, Image::AreaFmEmpty, n)) return -1.0;

    int v = ReadU16LE(word(all, n));
    if (v > high || v < low) v = low;
    const double f = FmCountToMHz(v);
    QString text = FormatMHz(f);
    SetFmChannel(all, n, text);
    return f;
}

bool SetFmChannel(TALL& all, int n, QString& text)
{
    if (!validIndex(n)) return false;
    const int low = limit(all, Image::FmLowerLimit);
    const int high = limit(all, Image::FmUpperLimit);

    if (text.isEmpty()) {
        if (n != Image::FmTunedIndex) {
            SetSlotUsed(all, Image::AreaFmEmpty, n, false);
            return true;
        }
        text = FormatMHz(FmCountToMHz(low));
    }

    double mhz = 0.0;
    if (!TextToNumber(text, mhz)) return false;
    if (n != Image::FmTunedIndex) SetSlotUsed(all, Image::AreaFmEmpty, n, true);

    // Round to the nearest 25 kHz, halves up, working in 10 Hz units.
    const qint64 units = MHzToUnits(mhz);
    qint64 v = units >= 0 ? (units + 1250) / 2500 : -((-units + 1250) / 2500);
    if (v > high) v = high;
    if (v < low) v = low;
    WriteU16LE(quint16(v), word(all, n));
    text = FormatMHz(FmCountToMHz(int(v)));
    return true;
}
