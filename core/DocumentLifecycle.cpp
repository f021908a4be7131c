#include "DocumentLifecycle.h"

#include "AppState.h"
#include "ModelBlock.h"
#include "ModelTable.h"

void MakeFirstDocument(TALL& all, const TMacList& models)
{
    if (const TMacType* first = models.GetModel(0)) all.modelId = first->identifier;
    NewImage(all);
    LoadModelBands(all, models);
    SelectModel(all, models, all.modelId, true);
    DecodeModelBlock(all, models);
    all.modified = false;
}

void StartNewImage(TALL& all, const TMacList& models)
{
    NewImage(all);
    SelectModel(all, models, all.modelId, true);
    DecodeModelBlock(all, models);
    WriteModelBlock(all);
    all.modified = false;
}

void LoadAfterRead(TALL& all, const TMacList& models, const QString& radioModelId)
{
    CheckSettings(all);
    DecodeModelBlock(all, models);
    SelectModel(all, models, radioModelId, true);
    all.modified = true;
}

void LoadAfterOpen(TALL& all, const TMacList& models, const QString& fileModelId)
{
    CheckSettings(all);
    DecodeModelBlock(all, models);
    SelectModel(all, models, fileModelId, true);
    all.modified = false;
}
