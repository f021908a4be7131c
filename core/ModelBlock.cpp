#include "ModelBlock.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "FrequencyCodecs.h"
#include "ModelTable.h"
#include "NumberText.h"
#include "SettingsFields.h"
#include "TimeStamp.h"

#include <algorithm>

const quint8 DefaultSettingsBlock[48] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xB2, 0xEF, 0x65,
    0xF4, 0x24, 0x00, 0x0C, 0x00, 0x21, 0xF0, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
};

namespace {

struct SettingsRule {
    int byte;
    quint8 mask;
    int low, high, reset;
};

// Fields reset after a load when out of range, in this order.
const SettingsRule settingsRules[] = {
    {1, 0xFF, 0, 127, 0},  {2, 0xFF, 0, 127, 0},
    {3, 0xFF, 0, 19, 0},   {5, 0x0F, 0, 4, 4}, // battery save
    {6, 0x0C, 0, 2, 2},                        // lamp
    {7, 0x0F, 0, 9, 5},                        // squelch level
    {7, 0xF0, 0, 12, 6},                       // transmit time-out
    {8, 0x0F, 0, 8, 4},                        // VOX gain
    {9, 0x0F, 0, 7, 4},                        // frequency channel step
    {9, 0xF0, 0, 3, 1},                        // FM step
    {10, 0x0F, 0, 2, 0},                       // scan mode
    {10, 0xF0, 0, 9, 1},                       // scan speed
    {11, 0xFF, 0, 27, 12},                     // scan dropout delay
    {12, 0xFF, 0, 128, 0},                     // priority channel
    {13, 0x0F, 0, 3, 1},                       // key 1
    {13, 0xF0, 0, 3, 2},                       // key 2
    {14, 0x0F, 0, 6, 0},                       // automatic power-off
    {15, 0x0F, 0, 8, 0},                       // group
    {15, 0x30, 0, 2, 2},                       // power-on display
};

constexpr int FmLowest = 2800;  // 70.000 MHz in 25 kHz units
constexpr int FmHighest = 4560; // 114.000 MHz
constexpr int FmDefaultLow = 3520;
constexpr int FmDefaultHigh = 4320;

quint8* bandEdge(TALL& all, int i, bool upper)
{
    return all.image.data() + Image::BandLimits + 8 * i + (upper ? 4 : 0);
}

} // namespace

void NewImage(TALL& all)
{
    std::fill(all.image.begin(), all.image.begin() + Image::Size, quint8(0xFF));
    std::copy(std::begin(DefaultSettingsBlock), std::end(DefaultSettingsBlock),
              all.image.begin() + Image::FmEmptyBitmap);
    CheckSettings(all);
    WriteTimeStamp(all.image.data() + Image::TimeStamp, CurrentTimeStampText());
}

void SelectModel(TALL& all, const TMacList& models, const QString& identifier, bool writeBlock)
{
    const TMacType* m = models.FindByIdentifier(identifier);
    if (!m) return;
    all.modelName = m->name;
    all.modelId = m->identifier;
    all.channelCount = m->channelCount;
    all.modelBandMask = m->standardMask;
    if (writeBlock) WriteModelBlock(all);
}

void LoadModelBands(TALL& all, const TMacList& models)
{
    const TMacType* m = models.FindByIdentifier(all.modelId);
    if (!m) return;
    const bool same = m->alternativeMask == m->standardMask;
    for (int i = 0; i < 4; ++i)
        m->GetBandSet(i, same, all.bandLimits[size_t(i)].low, all.bandLimits[size_t(i)].high);
    all.bandSourceMarker = same ? 0xFF : 0xAA;
    all.bandMask = same ? m->standardMask : m->alternativeMask;
}

void WriteModelBlock(TALL& all)
{
    quint8* img = all.image.data();
    img[Image::ModelMarker] = 0x50;
    const QByteArray id = all.modelId.toLatin1().leftJustified(4, ' ', true);
    for (int i = 0; i < 4; ++i)
        img[Image::ModelId + i] = quint8(id.at(i));
    img[Image::BandSourceMarker] = all.bandSourceMarker;
    img[Image::BandMask] = all.bandMask;
    img[Image::ModelReserved] = 0;
    for (int i = 0; i < 4; ++i) {
        const TBandLimits& b = all.bandLimits[size_t(i)];
        WriteU32LE(quint32(MHzToUnits(b.low)), bandEdge(all, i, false));
        WriteU32LE(quint32(MHzToUnits(b.high)), bandEdge(all, i, true));
    }
}

void DecodeModelBlock(TALL& all, const TMacList& models)
{
    const quint8* img = all.image.data();
    quint8 mask = img[Image::BandSourceMarker] == 0xAA
                      ? quint8(img[Image::BandMask] & all.modelBandMask)
                      : all.modelBandMask;
    if (mask == 0) mask = all.modelBandMask;

    const TMacType* m = models.FindByIdentifier(all.modelId);
    if (!m) return;

    for (int i = 0; i < 4; ++i) {
        int v = (mask >> (2 * i)) & 3;
        double lo = 0.0, hi = 0.0;
        m->GetBand(i, lo, hi);
        TBandLimits& band = all.bandLimits[size_t(i)];
        if (v == 0) {
            band = {0.0, 0.0};
            continue;
        }
        if (v == 1) {
            double a = UnitsToMHz(ReadU32LE(bandEdge(all, i, false)));
            double b = UnitsToMHz(ReadU32LE(bandEdge(all, i, true)));
            int mode = Raster::AutoKeep;
            SnapToRaster(all, a, mode);
            SnapToRaster(all, b, mode);
            if (a <= b && lo <= a && a <= hi && lo <= b && b <= hi) {
                band = {a, b};
                continue;
            }
            v = 3;
        }
        // The model's own limits, also for a user-defined band outside them.
        band = {lo, hi};
        mask = quint8(mask | (3 << (2 * i)));
    }

    all.bandSourceMarker = mask == all.modelBandMask ? 0xFF : 0xAA;
    all.bandMask = mask;

    QString text;
    for (const TBandLimits& b : all.bandLimits) {
        if (b.low == 0.0) continue;
        text += FormatMHz(b.low) + QStringLiteral(" - ") + FormatMHz(b.high) + QStringLiteral("/");
    }
    text.chop(1);
    all.bandText = text + QStringLiteral("MHz");
}

void CheckSettings(TALL& all)
{
    for (const SettingsRule& r : settingsRules)
        ClampSettingField(all, r.byte, r.mask, r.low, r.reset, r.high);

    quint8* low = all.image.data() + Image::FmLowerLimit;
    quint8* high = all.image.data() + Image::FmUpperLimit;
    const int lo = ReadU16LE(low);
    const int hi = ReadU16LE(high);
    const bool keep =
        lo >= FmLowest && lo <= FmHighest && hi >= FmLowest && hi <= FmHighest && hi > lo;
    if (!keep) {
        WriteU16LE(FmDefaultLow, low);
        WriteU16LE(FmDefaultHigh, high);
    }
}
