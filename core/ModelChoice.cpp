#include "ModelChoice.h"

#include "BitCodecs.h"
#include "ModelTable.h"
#include "NumberText.h"

bool BandInMask(quint8 mask, int band)
{
    if (band < 0 || band > 3) return false;
    return ((mask >> (2 * band)) & 0x03) != 0;
}

TBandLimits StandardRange(const TMacType& model, int band)
{
    TBandLimits r;
    model.GetBand(band, r.low, r.high);
    return r;
}

TBandLimits DefaultRange(const TMacType& model, int band)
{
    TBandLimits r;
    model.GetBandSet(band, model.alternativeMask == model.standardMask, r.low, r.high);
    return r;
}

quint8 ImageBandSelection(const TALL& all)
{
    return all.image[Image::BandSourceMarker] == 0xAA ? all.image[Image::BandMask]
                                                      : all.modelBandMask;
}

TBandLimits ImageBandEdges(const TALL& all, int band)
{
    TBandLimits r;
    if (band < 0 || band > 3) return r;
    const quint8* edge = all.image.data() + Image::BandLimits + 8 * band;
    r.low = UnitsToMHz(ReadU32LE(edge));
    r.high = UnitsToMHz(ReadU32LE(edge + 4));
    return r;
}

bool ApplyModelChoice(TALL& all, const TMacType& model, const std::array<bool, 4>& use,
                      const std::array<TBandLimits, 4>& edges)
{
    quint8 selection = 0;
    for (int i = 0; i < 4; ++i)
        if (use[size_t(i)]) selection |= quint8(1u << (2 * i));
    selection &= model.standardMask;
    if (selection == 0) return false;

    all.bandSourceMarker = selection == model.standardMask ? 0xFF : 0xAA;
    all.bandMask = selection;
    for (int i = 0; i < 4; ++i)
        all.bandLimits[size_t(i)] = BandInMask(selection, i) ? edges[size_t(i)] : TBandLimits{};
    all.modelId = model.identifier;
    return true;
}

TModelSelection CurrentModelSelection(const TALL& all)
{
    return {all.modelId, all.bandSourceMarker, all.bandMask, all.bandLimits};
}

void RestoreModelSelection(TALL& all, const TModelSelection& s)
{
    all.modelId = s.modelId;
    all.bandSourceMarker = s.bandSourceMarker;
    all.bandMask = s.bandMask;
    all.bandLimits = s.bandLimits;
}
