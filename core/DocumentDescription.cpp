#include "DocumentDescription.h"

#include "AppState.h"

#include "ChannelListItems.h"
#include "ChannelRecord.h"
#include "FmBounds.h"
#include "FmCodec.h"
#include "ImageLayout.h"
#include "NumberText.h"
#include "RadioName.h"
#include "SerialNumber.h"
#include "SettingsCatalog.h"
#include "TimeStamp.h"
#include "ToneLists.h"

#include <QJsonArray>
#include <QMap>
#include <algorithm>

const QList<DescriptionListKey>& DescriptionListKeys()
{
    static const QList<DescriptionListKey> keys = {
        {"power", Field::Power},       {"bandwidth", Field::Bandwidth},
        {"scan_skip", Field::Scan},    {"vox", Field::Vox},
        {"voice", Field::VoiceMode},   {"busy_lock", Field::BusyLock},
        {"epilogue", Field::Epilogue},
    };
    return keys;
}

namespace {

int listValue(const TChannel& ch, int field)
{
    switch (field) {
    case Field::Power:
        return ch.power;
    case Field::Bandwidth:
        return ch.bandwidth;
    case Field::Scan:
        return ch.scanSkip;
    case Field::Vox:
        return ch.vox;
    case Field::VoiceMode:
        return ch.voiceMode;
    case Field::BusyLock:
        return ch.busyLock;
    case Field::Epilogue:
        return ch.epilogue;
    default:
        return 0;
    }
}

QJsonObject channelObject(int number, const TChannel& ch, bool memory)
{
    QJsonObject o;
    o[QLatin1String("number")] = number;
    o[QLatin1String("rx")] = FormatMHz(ch.rxFreq);
    o[QLatin1String("tx")] = FormatMHz(ch.txFreq);
    o[QLatin1String("offset")] = FormatMHz(ch.offset);
    o[QLatin1String("duplex")] = ch.direction;
    o[QLatin1String("rx_tone")] = ch.rxTone;
    o[QLatin1String("tx_tone")] = ch.txTone;
    for (const DescriptionListKey& k : DescriptionListKeys()) {
        if (!memory && k.field == Field::Scan) continue; // the frequency channels have no scan bit
        o[QLatin1String(k.key)] = listValue(ch, k.field);
    }
    if (memory) o[QLatin1String("name")] = ch.name;
    return o;
}

} // namespace

QString DescriptionText(const QJsonValue& v)
{
    return v.isDouble() ? QString::number(v.toInt()) : v.toString();
}

QJsonObject DescribeDocument(TALL& doc)
{
    QJsonObject model;
    model[QLatin1String("id")] = doc.modelId;
    model[QLatin1String("name")] = doc.modelName;
    model[QLatin1String("band_text")] = doc.bandText;
    model[QLatin1String("band_mask")] = doc.bandMask;
    model[QLatin1String("band_source_marker")] = doc.bandSourceMarker;
    QJsonArray bands;
    for (const TBandLimits& b : doc.bandLimits)
        bands.append(QJsonObject{{QLatin1String("low"), FormatMHz(b.low)},
                                 {QLatin1String("high"), FormatMHz(b.high)}});
    model[QLatin1String("band_limits")] = bands;
    model[QLatin1String("serial_number")] = SerialNumberText(doc);
    model[QLatin1String("write_time")] = FormatTimeStamp(doc.image.data() + Image::TimeStamp);

    QJsonArray channels;
    for (int k = 1; k <= doc.channelCount; ++k) {
        TChannel ch;
        if (DecodeChannel(doc, k, ch)) channels.append(channelObject(k, ch, true));
    }
    QJsonArray frequencyChannels;
    for (int k : {Image::FirstFrequencyChannel, Image::SecondFrequencyChannel}) {
        TChannel ch;
        DecodeChannel(doc, k, ch);
        frequencyChannels.append(channelObject(k - Image::FirstFrequencyChannel + 1, ch, false));
    }

    QJsonObject fm;
    fm[QLatin1String("tuned")] = FormatMHz(GetFmChannel(doc, Image::FmTunedIndex));
    fm[QLatin1String("lower_bound")] = FormatFixed(FmLowerBound(doc), 3);
    fm[QLatin1String("upper_bound")] = FormatFixed(FmUpperBound(doc), 3);
    QJsonArray fmChannels;
    for (int n = 1; n <= Image::FmSlotCount; ++n) {
        const double mhz = GetFmChannel(doc, n);
        if (mhz > 0)
            fmChannels.append(QJsonObject{{QLatin1String("number"), n},
                                          {QLatin1String("frequency"), FormatMHz(mhz)}});
    }
    fm[QLatin1String("channels")] = fmChannels;

    QJsonObject settings;
    for (const SettingDescription& d : SettingsCatalog(doc)) {
        const int index = SettingItemIndex(doc, d);
        settings[d.control] = QJsonObject{
            {QLatin1String("value"), SettingStoredValue(doc, d)},
            {QLatin1String("item"), index >= 0 ? QJsonValue(d.items.value(index)) : QJsonValue()}};
    }
    settings[QLatin1String("cxName")] = QJsonObject{{QLatin1String("value"), RadioNameText(doc)}};

    return QJsonObject{{QLatin1String("model"), model},
                       {QLatin1String("channels"), channels},
                       {QLatin1String("frequency_channels"), frequencyChannels},
                       {QLatin1String("fm"), fm},
                       {QLatin1String("settings"), settings}};
}

// ---------------------------------------------------------------------------------
// Differences

QString DocumentDifference::where() const
{
    const bool whole = key == QLatin1String("in_use");
    switch (group) {
    case Channels:
        return whole ? QStringLiteral("channel %1").arg(number)
                     : QStringLiteral("channel %1 %2").arg(number).arg(key);
    case FrequencyChannels:
        return whole ? QStringLiteral("frequency channel %1").arg(number)
                     : QStringLiteral("frequency channel %1 %2").arg(number).arg(key);
    case Fm:
        if (number == 0) return QStringLiteral("FM ") + QString(key).replace(u'_', u' ');
        return QStringLiteral("FM channel %1").arg(number) +
               (whole ? QString() : QLatin1Char(' ') + key);
    case Settings:
        return QStringLiteral("settings ") + key;
    case ModelBlock:
        if (number > 0) return QStringLiteral("band %1 %2").arg(number).arg(key);
        return QString(key).replace(u'_', u' ');
    }
    return key;
}

namespace {

// A value as a difference line shows it: names without their padding, no tone as "(none)".
QString lineValue(const QString& key, const QJsonValue& v)
{
    if (key == QLatin1String("name")) return NameWithoutPadding(v.toString());
    if (key.endsWith(QLatin1String("_tone")) && v.toString().isEmpty())
        return QStringLiteral("(none)");
    return DescriptionText(v);
}

} // namespace

QString DocumentDifference::line() const
{
    if (key == QLatin1String("in_use"))
        return where() + (mine.toBool() ? QStringLiteral(" removed") : QStringLiteral(" added"));
    return QStringLiteral("%1 %2 → %3").arg(where(), lineValue(key, mine), lineValue(key, other));
}

namespace {

using Group = DocumentDifference::Group;

// Entries of an array of objects by their "number".
QMap<int, QJsonObject> byNumber(const QJsonArray& array)
{
    QMap<int, QJsonObject> map;
    for (const QJsonValue& v : array)
        map.insert(v.toObject()[QLatin1String("number")].toInt(), v.toObject());
    return map;
}

// The keys of a channel (and of a band) in the order the grid shows them; the order in
// which differences are listed and taken over (receive before transmit frequency).
const QStringList& SchemaOrder()
{
    static const QStringList order = {
        QStringLiteral("rx"),       QStringLiteral("tx"),        QStringLiteral("offset"),
        QStringLiteral("duplex"),   QStringLiteral("rx_tone"),   QStringLiteral("tx_tone"),
        QStringLiteral("power"),    QStringLiteral("bandwidth"), QStringLiteral("scan_skip"),
        QStringLiteral("vox"),      QStringLiteral("voice"),     QStringLiteral("busy_lock"),
        QStringLiteral("epilogue"), QStringLiteral("name"),      QStringLiteral("low"),
        QStringLiteral("high")};
    return order;
}

void compareFields(QList<DocumentDifference>& out, Group group, int number, const QJsonObject& a,
                   const QJsonObject& b)
{
    if (a == b) return;
    for (const QString& k : SchemaOrder()) {
        const auto ia = a.constFind(k), ib = b.constFind(k);
        const bool inA = ia != a.constEnd(), inB = ib != b.constEnd();
        if (!inA && !inB) continue;
        const QJsonValue va = inA ? *ia : QJsonValue(), vb = inB ? *ib : QJsonValue();
        if (va != vb) out << DocumentDifference{group, number, k, va, vb};
    }
    // Keys the schema does not order (none today), after the others.
    for (const QJsonObject* o : {&a, &b})
        for (auto it = o->constBegin(); it != o->constEnd(); ++it) {
            const QString k = it.key();
            if (k == QLatin1String("number") || SchemaOrder().contains(k)) continue;
            if (o == &b && a.contains(k)) continue;
            if (a[k] != b[k]) out << DocumentDifference{group, number, k, a[k], b[k]};
        }
}

void compareNumbered(QList<DocumentDifference>& out, Group group, const QJsonArray& a,
                     const QJsonArray& b)
{
    const QMap<int, QJsonObject> left = byNumber(a), right = byNumber(b);
    QList<int> numbers = left.keys();
    for (int n : right.keys())
        if (!left.contains(n)) numbers << n;
    std::sort(numbers.begin(), numbers.end());
    const QString inUse = QStringLiteral("in_use");
    for (int n : std::as_const(numbers)) {
        if (!right.contains(n))
            out << DocumentDifference{group, n, inUse, true, false};
        else if (!left.contains(n))
            out << DocumentDifference{group, n, inUse, false, true};
        else
            compareFields(out, group, n, left[n], right[n]);
    }
}

QJsonObject part(const QJsonObject& d, const char* key)
{
    return d[QLatin1String(key)].toObject();
}

} // namespace

QList<DocumentDifference> CompareDocuments(const QJsonObject& a, const QJsonObject& b)
{
    QList<DocumentDifference> out;
    const QJsonObject ma = part(a, "model"), mb = part(b, "model");
    for (const char* key : {"id", "name", "band_text", "band_mask", "band_source_marker",
                            "serial_number", "write_time"}) {
        const QLatin1String k(key);
        if (ma[k] != mb[k]) out << DocumentDifference{Group::ModelBlock, 0, k, ma[k], mb[k]};
    }
    const QJsonArray ba = ma[QLatin1String("band_limits")].toArray(),
                     bb = mb[QLatin1String("band_limits")].toArray();
    for (int i = 0; i < std::max(ba.size(), bb.size()); ++i)
        compareFields(out, Group::ModelBlock, i + 1, ba[i].toObject(), bb[i].toObject());

    compareNumbered(out, Group::Channels, a[QLatin1String("channels")].toArray(),
                    b[QLatin1String("channels")].toArray());
    compareNumbered(out, Group::FrequencyChannels, a[QLatin1String("frequency_channels")].toArray(),
                    b[QLatin1String("frequency_channels")].toArray());

    const QJsonObject fa = part(a, "fm"), fb = part(b, "fm");
    for (const char* key : {"tuned", "lower_bound", "upper_bound"}) {
        const QLatin1String k(key);
        if (fa[k] != fb[k]) out << DocumentDifference{Group::Fm, 0, k, fa[k], fb[k]};
    }
    compareNumbered(out, Group::Fm, fa[QLatin1String("channels")].toArray(),
                    fb[QLatin1String("channels")].toArray());

    const QJsonObject sa = part(a, "settings"), sb = part(b, "settings");
    QStringList controls = sa.keys();
    for (const QString& c : sb.keys())
        if (!sa.contains(c)) controls << c;
    for (const QString& control : std::as_const(controls)) {
        const QJsonValue va = sa[control].toObject()[QLatin1String("value")];
        const QJsonValue vb = sb[control].toObject()[QLatin1String("value")];
        if (va != vb) out << DocumentDifference{Group::Settings, 0, control, va, vb};
    }
    return out;
}

QStringList DocumentDifferences(const QJsonObject& a, const QJsonObject& b)
{
    QStringList lines;
    for (const DocumentDifference& d : CompareDocuments(a, b))
        lines << d.line();
    return lines;
}

// ---------------------------------------------------------------------------------
// Values as the windows show them

QString ShownValue(const TALL& doc, DocumentDifference::Group group, const QString& key,
                   const QJsonValue& value, const LanguageLookup& language)
{
    const auto translated = [&](const QString& form, const QString& control, int index,
                                const QStringList& english) {
        const QString fallback = english.value(index);
        if (!language || index < 0) return fallback;
        return language(form, control + QLatin1Char('.') + QString::number(index), fallback);
    };
    const QString grid = QStringLiteral("fChsInfo");

    if (group == Group::Channels || group == Group::FrequencyChannels) {
        if (key == QLatin1String("name")) return NameWithoutPadding(value.toString());
        if (key.endsWith(QLatin1String("_tone")))
            return value.toString().isEmpty()
                       ? translated(grid, QStringLiteral("cxRxDcts"), 0, GridToneList())
                       : value.toString();
        for (const DescriptionListKey& k : DescriptionListKeys()) {
            if (key != QLatin1String(k.key)) continue;
            const ChannelList* list = FindChannelList(k.field);
            return translated(grid, list->control, value.toInt(), list->items);
        }
        return DescriptionText(value);
    }
    if (group == Group::Settings) {
        for (const SettingDescription& d : SettingsCatalog(doc)) {
            if (d.control != key) continue;
            const int index = SettingItemForValue(d, value.toInt(), d.items);
            if (index < 0) return DescriptionText(value);
            if (d.translation == SettingDescription::NeverTranslate ||
                (d.translation == SettingDescription::FirstItemOnly && index > 0))
                return d.items.value(index);
            const QString source = d.translationSource.isEmpty() ? d.control : d.translationSource;
            return translated(d.form, source, index, d.items);
        }
    }
    return DescriptionText(value);
}
