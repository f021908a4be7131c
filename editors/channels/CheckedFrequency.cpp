#include "CheckedFrequency.h"

#include "core/ChannelEntry.h"
#include "core/DataModule.h"
#include "files/MessageBox.h"

QString CheckedFrequencyText(const QString& text)
{
    bool outOfBand = false;
    const QString stored = BandCheckedFrequency(appState(), text, outOfBand);
    if (outOfBand)
        ShowMessageBox(languageTexts().caution, languageTexts().errRange, MessageKind::Information);
    return stored;
}
