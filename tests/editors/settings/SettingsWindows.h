#pragma once

#include "editors/settings/FmRadio.h"
#include "editors/settings/KeyFunctions.h"
#include "editors/settings/OptionalFunctions.h"
#include "editors/settings/RadioInformation.h"
#include "editors/settings/ScanFunctions.h"
#include "editors/settings/VoxFunctions.h"

#include <memory>

// A new setting window of that form name; nothing for another name.
inline std::unique_ptr<QWidget> makeSettingsWindow(const QString& form)
{
    if (form == QLatin1String("fOptFun")) return std::make_unique<TfOptFun>();
    if (form == QLatin1String("fVoxFun")) return std::make_unique<TfVoxFun>();
    if (form == QLatin1String("fScanFun")) return std::make_unique<TfScanFun>();
    if (form == QLatin1String("fKeyFun")) return std::make_unique<TfKeyFun>();
    if (form == QLatin1String("fFmFun")) return std::make_unique<TfFmFun>();
    if (form == QLatin1String("fInfoMsg")) return std::make_unique<TfInfoMsg>();
    return nullptr;
}
