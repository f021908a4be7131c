#pragma once

#include <QString>

struct TALL;
class TMacList;

// The model information block and the processing run after every load.
//
//   0x8C0      marker 0x50 ("P")
//   0x8C1-4    model identifier, 4 characters
//   0x8C5      band source marker: 0xFF the band mask is the model's own, 0xAA it differs
//   0x8C6      band mask, two bits per band (band i in bits 2i, 2i+1)
//   0x8C7      reserved, written as 0
//   0x8C8-F    never written
//   0x8D0+8i   lower edge of band i, uint32 in 10 Hz units
//   0x8D4+8i   upper edge of band i

void NewImage(TALL& all);
void SelectModel(TALL& all, const TMacList& models, const QString& identifier, bool writeBlock);
void LoadModelBands(TALL& all, const TMacList& models);
void WriteModelBlock(TALL& all);
void DecodeModelBlock(TALL& all, const TMacList& models);
void CheckSettings(TALL& all);

// The 48 bytes a new image gets at 0x890..0x8BF, before CheckSettings.
extern const quint8 DefaultSettingsBlock[48];
