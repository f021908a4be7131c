#include "CheckedFrequency.h"

#include "core/ChannelEntry.h"
#include "core/DataModule.h"
#include "files/MessageBox.h"

std::optional<QString> TypedFrequency(const QString& text)
{
    bool outOfBand = false;
    const QString stored = BandCheckedFrequency(appState(), text, outOfBand);
    if (!outOfBand) return stored;
    ShowFrequencyRefused();
    return std::nullopt;
}

void ShowFrequencyRefused()
{
    ShowMessageBox(languageTexts().caution, languageTexts().errRange, MessageKind::Information);
}
