#include "ModelTable.h"

#include "AppState.h"

TMacType::TMacType(const QString& identifier, const QString& name, int channelCount)
    : identifier(identifier), name(name), channelCount(channelCount)
{
}

void TMacType::SetBand(int i, double low, double high)
{
    if (i < 0 || i > 3) return;
    standardLimits[2 * i] = low;
    standardLimits[2 * i + 1] = high;
    editFlags[2 * i] = 1;
    editFlags[2 * i + 1] = 1;
}

void TMacType::SetAltBand(int i, bool lowEditable, bool highEditable, double low, double high)
{
    if (i < 0 || i > 3) return;
    alternativeLimits[2 * i] = low;
    alternativeLimits[2 * i + 1] = high;
    editFlags[2 * i] = lowEditable ? 1 : 0;
    editFlags[2 * i + 1] = highEditable ? 1 : 0;
}

void TMacType::SetBandMasks(quint8 standard, quint8 alternative)
{
    standardMask = standard;
    alternativeMask = alternative;
}

void TMacType::GetBand(int i, double& low, double& high) const
{
    low = high = 0.0;
    if (i < 0 || i > 3) return;
    low = standardLimits[2 * i];
    high = standardLimits[2 * i + 1];
}

void TMacType::GetAltBand(int i, double& low, double& high) const
{
    low = high = 0.0;
    if (i < 0 || i > 3) return;
    low = alternativeLimits[2 * i];
    high = alternativeLimits[2 * i + 1];
}

void TMacType::GetBandEditable(int i, bool& lowEditable, bool& highEditable) const
{
    lowEditable = highEditable = false;
    if (i < 0 || i > 3) return;
    lowEditable = editFlags[2 * i] == 1;
    highEditable = editFlags[2 * i + 1] == 1;
}

void TMacType::GetBandSet(int i, bool useStandard, double& low, double& high) const
{
    if (useStandard)
        GetBand(i, low, high);
    else
        GetAltBand(i, low, high);
}

void TMacList::AddModel(std::unique_ptr<TMacType> model)
{
    if (model) models.push_back(std::move(model));
}

const TMacType* TMacList::GetModel(int index) const
{
    if (index < 0 || index >= count()) return nullptr;
    return models[size_t(index)].get();
}

const TMacType* TMacList::FindByIdentifier(const QString& identifier) const
{
    for (const auto& m : models)
        if (m->identifier == identifier) return m.get();
    return nullptr;
}

const TMacType* TMacList::FindByName(const QString& name) const
{
    for (const auto& m : models)
        if (m->name == name) return m.get();
    return nullptr;
}

void TMacList::ListNames(QStringList& names) const
{
    names.clear();
    for (const auto& m : models)
        names.append(m->name);
}

void RegisterModels(TALL& all, TMacList& list)
{
    all.serialEditable = true;
    all.titleText = QStringLiteral("QZ-17");

    auto qz17 = std::make_unique<TMacType>(QStringLiteral("QZ17"), QStringLiteral("QZ-17"), 128);
    qz17->SetBand(0, 410.0, 470.0);
    qz17->SetBand(1, 136.0, 174.0);
    qz17->SetBand(2, 200.0, 260.0);
    qz17->SetBand(3, 320.0, 400.0);
    // The alternative set is what a new image uses; none of its edges may be edited.
    qz17->SetAltBand(0, false, false, 430.0, 440.0);
    qz17->SetAltBand(1, false, false, 144.0, 146.0);
    qz17->SetAltBand(2, false, false, 245.0, 246.0);
    qz17->SetAltBand(3, false, false, 320.0, 400.0);
    qz17->SetBandMasks(0x0F, 0x05);
    list.AddModel(std::move(qz17));

    all.baudRate = 2400;
    all.fmLowerEditLimit = 76.0;
    all.fmUpperEditLimit = 108.0;
}
