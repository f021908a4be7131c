#pragma once

#include <QString>

struct TALL;
class TMacList;

// The fixed sequences that make or replace the document. Each caller runs one of them.

// When the main window is first shown. The caller runs StartNewImage afterwards,
// as the New command does.
void MakeFirstDocument(TALL& all, const TMacList& models);

// The New command, also after the model dialog was accepted. Keeps the band limits
// the document already has and writes them into the new image.
void StartNewImage(TALL& all, const TMacList& models);

// Once the radio's blocks are in the image; the document counts as modified.
void LoadAfterRead(TALL& all, const TMacList& models, const QString& radioModelId);

// Once a data file's blocks are in the image.
void LoadAfterOpen(TALL& all, const TMacList& models, const QString& fileModelId);
