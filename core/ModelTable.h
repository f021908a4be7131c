#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

struct TALL;

// One radio model: identifier, display name, channel count and two sets of band
// limits with their masks. A band's two-bit value in a mask: 0 not used,
// 1 limits from the image, 2 or 3 the model's own limits.
class TMacType {
  public:
    TMacType(const QString& identifier, const QString& name, int channelCount);

    void SetBand(int i, double low, double high);
    void SetAltBand(int i, bool lowEditable, bool highEditable, double low, double high);
    void SetBandMasks(quint8 standardMask, quint8 alternativeMask);

    void GetBand(int i, double& low, double& high) const;
    void GetAltBand(int i, double& low, double& high) const;
    void GetBandEditable(int i, bool& lowEditable, bool& highEditable) const;
    void GetBandSet(int i, bool useStandard, double& low, double& high) const;

    QString identifier;
    QString name;
    int channelCount = 0;
    std::array<double, 8> standardLimits{}; // (low, high) per band
    std::array<double, 8> alternativeLimits{};
    std::array<quint8, 8> editFlags{}; // (low editable, high editable) per band
    quint8 standardMask = 0;
    quint8 alternativeMask = 0;
};

// All models in registration order. Lookups are linear and exact; the first match wins.
class TMacList {
  public:
    void AddModel(std::unique_ptr<TMacType> model);
    const TMacType* GetModel(int index) const;
    const TMacType* FindByIdentifier(const QString& identifier) const;
    const TMacType* FindByName(const QString& name) const;
    void ListNames(QStringList& names) const;
    int count() const { return int(models.size()); }

  private:
    std::vector<std::unique_ptr<TMacType>> models;
};

// Registers the built-in models and sets what registration owns in the state
// (title text, serial-editable flag, baud rate, FM edit limits).
void RegisterModels(TALL& all, TMacList& list);
