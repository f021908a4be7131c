#include "DocumentTakeOver.h"

#include "AppState.h"
#include "ChannelRecord.h"
#include "FmCodec.h"
#include "ImageLayout.h"
#include "RadioName.h"
#include "SettingsCatalog.h"
#include "SettingsFields.h"

namespace {

using Group = DocumentDifference::Group;

const QString InUse = QStringLiteral("in_use");

// The channel record number of a difference.
int recordOf(const DocumentDifference& d)
{
    return d.group == Group::FrequencyChannels ? Image::FirstFrequencyChannel + d.number - 1
                                               : d.number;
}

int channelFieldOf(const QString& key)
{
    static const QList<QPair<QString, int>> fields = {
        {QStringLiteral("rx"), Field::RxFreq},
        {QStringLiteral("tx"), Field::TxFreq},
        {QStringLiteral("offset"), Field::Offset},
        {QStringLiteral("duplex"), Field::Direction},
        {QStringLiteral("rx_tone"), Field::RxTone},
        {QStringLiteral("tx_tone"), Field::TxTone},
        {QStringLiteral("power"), Field::Power},
        {QStringLiteral("bandwidth"), Field::Bandwidth},
        {QStringLiteral("scan_skip"), Field::Scan},
        {QStringLiteral("vox"), Field::Vox},
        {QStringLiteral("voice"), Field::VoiceMode},
        {QStringLiteral("busy_lock"), Field::BusyLock},
        {QStringLiteral("epilogue"), Field::Epilogue},
        {QStringLiteral("name"), Field::Name},
    };
    for (const auto& [name, field] : fields)
        if (name == key) return field;
    return -1;
}

bool takeOne(TALL& doc, const TALL& other, const DocumentDifference& d)
{
    switch (d.group) {
    case Group::Channels:
    case Group::FrequencyChannels: {
        const int k = recordOf(d);
        if (d.key == InUse) {
            if (d.other.toBool()) {
                RestoreChannel(doc, k, SaveChannel(other, k));
            } else {
                ChannelState gone = SaveChannel(doc, k);
                gone.used = false;
                RestoreChannel(doc, k, gone);
            }
            return true;
        }
        const int field = channelFieldOf(d.key);
        if (field < 0) return false;
        QString text = DescriptionText(d.other);
        SetChannelField(doc, k, field, text);
        return true;
    }
    case Group::Fm: {
        const int n = d.number > 0 ? d.number : Image::FmTunedIndex;
        QString text = d.key == InUse && !d.other.toBool() ? QString() : d.other.toString();
        if (d.key == InUse && d.other.toBool()) {
            TALL copy = other;
            text = QString::number(GetFmChannel(copy, n), 'f', 5);
        }
        return SetFmChannel(doc, n, text);
    }
    case Group::Settings:
        if (d.key == QLatin1String("cxName")) {
            StoreRadioName(doc, d.other.toString());
            return true;
        }
        for (const SettingDescription& s : SettingsCatalog(doc)) {
            if (s.control != d.key) continue;
            WriteField(doc, s.field, d.other.toInt());
            return true;
        }
        return false;
    case Group::ModelBlock:
        break;
    }
    return false;
}

} // namespace

bool CanTakeDifference(const DocumentDifference& d)
{
    switch (d.group) {
    case Group::Channels:
    case Group::FrequencyChannels:
    case Group::Settings:
        return true;
    case Group::Fm:
        return d.number > 0 || d.key == QLatin1String("tuned");
    case Group::ModelBlock:
        break;
    }
    return false;
}

int TakeDifferences(TALL& doc, const TALL& other, const QList<DocumentDifference>& differences)
{
    int taken = 0;
    for (const DocumentDifference& d : differences)
        if (CanTakeDifference(d) && takeOne(doc, other, d)) ++taken;
    return taken;
}
