#pragma once

#include "AppState.h"

#include <QString>
#include <array>

class TMacType;

// What the model dialog offers and what its confirmation hands to the document.
// Band masks have two bits per band (band i in bits 2i and 2i+1); a band is in a
// mask when its two bits are not both 0. A chosen band is written as its lower bit.

bool BandInMask(quint8 mask, int band);

// The model's standard limits of a band: the range its edges may take.
TBandLimits StandardRange(const TMacType& model, int band);
// What a band's edges show by default: the alternative limits when the model's two
// masks differ, else the standard ones.
TBandLimits DefaultRange(const TMacType& model, int band);

// The bands the image has chosen: the stored mask when the band source marker at
// 0x8C5 is 0xAA, else the model band mask of the document.
quint8 ImageBandSelection(const TALL& all);
// The edges of a band as stored in the model information block, in MHz.
TBandLimits ImageBandEdges(const TALL& all, int band);

// Hands the chosen model and bands to the document: band mask, band source marker,
// band limits (0, 0 for every band not chosen) and model identifier. Bands outside
// the model's standard mask are dropped. Returns false, changing nothing, when no
// band remains.
bool ApplyModelChoice(TALL& all, const TMacType& model, const std::array<bool, 4>& use,
                      const std::array<TBandLimits, 4>& edges);

// The part of the document a model choice changes, to put back when the choice
// is not followed by a new image.
struct TModelSelection {
    QString modelId;
    quint8 bandSourceMarker = 0;
    quint8 bandMask = 0;
    std::array<TBandLimits, 4> bandLimits{};
};
TModelSelection CurrentModelSelection(const TALL& all);
void RestoreModelSelection(TALL& all, const TModelSelection& selection);
