#include "DocumentReport.h"

#include "CliEnvironment.h"
#include "core/ChannelListItems.h"
#include "core/ChannelRecord.h"
#include "core/FmBounds.h"
#include "core/FmCodec.h"
#include "core/ImageLayout.h"
#include "core/NumberText.h"
#include "core/RadioName.h"
#include "core/SerialNumber.h"
#include "core/SettingsCatalog.h"
#include "core/TimeStamp.h"
#include "core/ToneLists.h"

#include <QJsonArray>
#include <QMap>

namespace {

// The channel keys that hold a list field's stored value, with their field codes.
struct ChannelKey {
    const char* key;
    int field;
};
constexpr ChannelKey ListKeys[] = {
    {"power", Field::Power},       {"bandwidth", Field::Bandwidth}, {"scan_skip", Field::Scan},
    {"vox", Field::Vox},           {"voice", Field::VoiceMode},     {"busy_lock", Field::BusyLock},
    {"epilogue", Field::Epilogue},
};

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
    for (const ChannelKey& k : ListKeys) {
        if (!memory && k.field == Field::Scan) continue; // the frequency channels have no scan bit
        o[QLatin1String(k.key)] = listValue(ch, k.field);
    }
    if (memory) o[QLatin1String("name")] = ch.name;
    return o;
}

QString hexByte(int v)
{
    return QStringLiteral("0x") +
           QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QString text(const QJsonValue& v)
{
    return v.isDouble() ? QString::number(v.toInt()) : v.toString();
}

} // namespace

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

QString DocumentInfo(const QJsonObject& d)
{
    const QJsonObject model = d[QLatin1String("model")].toObject();
    QString s;
    s += QStringLiteral("model          %1 (%2)\n")
             .arg(model[QLatin1String("name")].toString(), model[QLatin1String("id")].toString());
    s += QStringLiteral("bands          %1\n").arg(model[QLatin1String("band_text")].toString());
    s += QStringLiteral("serial number  %1\n")
             .arg(model[QLatin1String("serial_number")].toString().trimmed());
    s += QStringLiteral("write time     %1\n").arg(model[QLatin1String("write_time")].toString());
    s += QStringLiteral("channels       %1\n").arg(d[QLatin1String("channels")].toArray().size());
    s += QStringLiteral("FM channels    %1\n")
             .arg(d[QLatin1String("fm")].toObject()[QLatin1String("channels")].toArray().size());
    return s;
}

QString DocumentText(const CliEnvironment& env, const TALL& doc, const QJsonObject& d)
{
    const QString grid = QStringLiteral("fChsInfo");
    const QString none = env.item(grid, QStringLiteral("cxRxDcts"), 0, {GridToneList().value(0)});
    const auto tone = [&](const QJsonValue& v) {
        return v.toString().isEmpty() ? none : v.toString();
    };
    const auto listItem = [&](const QJsonObject& ch, const ChannelKey& k) {
        const ChannelList* list = FindChannelList(k.field);
        return env.item(grid, list->control, ch[QLatin1String(k.key)].toInt(), list->items);
    };
    const auto pad = [](const QString& s, int width) { return s.leftJustified(width); };

    QString s = DocumentInfo(d);
    const QJsonObject model = d[QLatin1String("model")].toObject();
    s += QStringLiteral("band mask      %1 (band source marker %2)\n")
             .arg(hexByte(model[QLatin1String("band_mask")].toInt()),
                  hexByte(model[QLatin1String("band_source_marker")].toInt()));
    const QJsonArray bands = model[QLatin1String("band_limits")].toArray();
    for (int i = 0; i < bands.size(); ++i) {
        const QJsonObject b = bands[i].toObject();
        s += QStringLiteral("band %1         %2 - %3\n")
                 .arg(i + 1)
                 .arg(b[QLatin1String("low")].toString(), b[QLatin1String("high")].toString());
    }

    const auto channelLine = [&](const QString& number, const QJsonObject& ch) {
        QString line =
            QStringLiteral("  ") + pad(number, 5) + pad(ch[QLatin1String("rx")].toString(), 11) +
            pad(ch[QLatin1String("tx")].toString(), 11) +
            pad(tone(ch[QLatin1String("rx_tone")]), 7) + pad(tone(ch[QLatin1String("tx_tone")]), 7);
        for (const ChannelKey& k : ListKeys)
            if (ch.contains(QLatin1String(k.key))) line += pad(listItem(ch, k), 10);
        if (ch.contains(QLatin1String("name")))
            line += NameWithoutPadding(ch[QLatin1String("name")].toString());
        return line.trimmed().prepend(QStringLiteral("  ")) + u'\n';
    };
    s += QStringLiteral("\nmemory channels (No. RX TX Dec Enc, TX power, W/N, scan, VOX, voice, "
                        "busy lock, epilogue, name)\n");
    for (const QJsonValue& v : d[QLatin1String("channels")].toArray()) {
        const QJsonObject ch = v.toObject();
        s += channelLine(QString::number(ch[QLatin1String("number")].toInt()), ch);
    }
    s += QStringLiteral("\nfrequency channels (RX TX Dec Enc, TX power, W/N, VOX, voice, busy "
                        "lock, epilogue; offset, shift)\n");
    for (const QJsonValue& v : d[QLatin1String("frequency_channels")].toArray()) {
        const QJsonObject ch = v.toObject();
        QString line =
            channelLine(QStringLiteral("F%1").arg(ch[QLatin1String("number")].toInt()), ch);
        line.chop(1);
        s += line + QStringLiteral("  offset %1 shift %2\n")
                        .arg(ch[QLatin1String("offset")].toString())
                        .arg(ch[QLatin1String("duplex")].toInt());
    }

    const QJsonObject fm = d[QLatin1String("fm")].toObject();
    s +=
        QStringLiteral("\nFM radio: tuned %1, bounds %2 - %3\n")
            .arg(fm[QLatin1String("tuned")].toString(), fm[QLatin1String("lower_bound")].toString(),
                 fm[QLatin1String("upper_bound")].toString());
    for (const QJsonValue& v : fm[QLatin1String("channels")].toArray()) {
        const QJsonObject c = v.toObject();
        s += QStringLiteral("  FM %1  %2\n")
                 .arg(c[QLatin1String("number")].toInt(), 2)
                 .arg(c[QLatin1String("frequency")].toString());
    }

    s += QStringLiteral("\nsettings (control, stored value, item shown)\n");
    const QJsonObject settings = d[QLatin1String("settings")].toObject();
    for (const SettingDescription& desc : SettingsCatalog(doc)) {
        const QJsonObject f = settings[desc.control].toObject();
        const int index = SettingItemIndex(doc, desc);
        const QString source =
            desc.translationSource.isEmpty() ? desc.control : desc.translationSource;
        const QString shown = index < 0
                                  ? QStringLiteral("(none)")
                                  : env.item(desc.form, source, index, desc.items,
                                             CliEnvironment::Translation(int(desc.translation)));
        s += QStringLiteral("  %1 %2 %3\n")
                 .arg(pad(desc.control, 12), pad(text(f[QLatin1String("value")]), 5), shown);
    }
    s += QStringLiteral("  %1 %2\n")
             .arg(pad(QStringLiteral("cxName"), 12),
                  settings[QLatin1String("cxName")].toObject()[QLatin1String("value")].toString());
    return s;
}

namespace {

// Entries of an array of objects by their "number".
QMap<int, QJsonObject> byNumber(const QJsonArray& array)
{
    QMap<int, QJsonObject> map;
    for (const QJsonValue& v : array)
        map.insert(v.toObject()[QLatin1String("number")].toInt(), v.toObject());
    return map;
}

// A value as a difference line shows it: names without their padding, no tone as "(none)".
QString shown(const QString& key, const QJsonValue& v)
{
    if (key == QLatin1String("name")) return NameWithoutPadding(v.toString());
    if (key.endsWith(QLatin1String("_tone")) && v.toString().isEmpty())
        return QStringLiteral("(none)");
    return text(v);
}

// Keys in the order of the schema (a channel's fields as the grid shows them), then the rest.
QStringList orderedKeys(const QJsonObject& a, const QJsonObject& b)
{
    static const QStringList order = {
        QStringLiteral("rx"),       QStringLiteral("tx"),        QStringLiteral("offset"),
        QStringLiteral("duplex"),   QStringLiteral("rx_tone"),   QStringLiteral("tx_tone"),
        QStringLiteral("power"),    QStringLiteral("bandwidth"), QStringLiteral("scan_skip"),
        QStringLiteral("vox"),      QStringLiteral("voice"),     QStringLiteral("busy_lock"),
        QStringLiteral("epilogue"), QStringLiteral("name")};
    QStringList keys;
    for (const QString& k : order)
        if (a.contains(k) || b.contains(k)) keys << k;
    for (const QJsonObject* o : {&a, &b})
        for (const QString& k : o->keys())
            if (!keys.contains(k)) keys << k;
    return keys;
}

void compareFields(QStringList& lines, const QString& what, const QJsonObject& a,
                   const QJsonObject& b)
{
    for (const QString& k : orderedKeys(a, b)) {
        if (k == QLatin1String("number") || a[k] == b[k]) continue;
        lines << QStringLiteral("%1 %2 %3 → %4").arg(what, k, shown(k, a[k]), shown(k, b[k]));
    }
}

void compareNumbered(QStringList& lines, const QString& what, const QJsonArray& a,
                     const QJsonArray& b)
{
    const QMap<int, QJsonObject> left = byNumber(a), right = byNumber(b);
    QList<int> numbers = left.keys();
    for (int n : right.keys())
        if (!left.contains(n)) numbers << n;
    std::sort(numbers.begin(), numbers.end());
    for (int n : std::as_const(numbers)) {
        const QString name = QStringLiteral("%1 %2").arg(what).arg(n);
        if (!right.contains(n))
            lines << name + QStringLiteral(" removed");
        else if (!left.contains(n))
            lines << name + QStringLiteral(" added");
        else
            compareFields(lines, name, left[n], right[n]);
    }
}

} // namespace

QStringList DocumentDifferences(const QJsonObject& a, const QJsonObject& b)
{
    QStringList lines;
    const auto part = [](const QJsonObject& d, const char* key) {
        return d[QLatin1String(key)].toObject();
    };
    const QJsonObject ma = part(a, "model"), mb = part(b, "model");
    for (const char* key : {"id", "name", "band_text", "band_mask", "band_source_marker",
                            "serial_number", "write_time"}) {
        const QLatin1String k(key);
        if (ma[k] != mb[k])
            lines << QStringLiteral("%1 %2 → %3")
                         .arg(QString(k).replace(u'_', u' '), text(ma[k]), text(mb[k]));
    }
    const QJsonArray ba = ma[QLatin1String("band_limits")].toArray(),
                     bb = mb[QLatin1String("band_limits")].toArray();
    for (int i = 0; i < std::max(ba.size(), bb.size()); ++i)
        compareFields(lines, QStringLiteral("band %1").arg(i + 1), ba[i].toObject(),
                      bb[i].toObject());

    compareNumbered(lines, QStringLiteral("channel"), a[QLatin1String("channels")].toArray(),
                    b[QLatin1String("channels")].toArray());
    compareNumbered(lines, QStringLiteral("frequency channel"),
                    a[QLatin1String("frequency_channels")].toArray(),
                    b[QLatin1String("frequency_channels")].toArray());

    const QJsonObject fa = part(a, "fm"), fb = part(b, "fm");
    for (const char* key : {"tuned", "lower_bound", "upper_bound"}) {
        const QLatin1String k(key);
        if (fa[k] != fb[k])
            lines << QStringLiteral("FM %1 %2 → %3")
                         .arg(QString(k).replace(u'_', u' '), text(fa[k]), text(fb[k]));
    }
    compareNumbered(lines, QStringLiteral("FM channel"), fa[QLatin1String("channels")].toArray(),
                    fb[QLatin1String("channels")].toArray());

    const QJsonObject sa = part(a, "settings"), sb = part(b, "settings");
    for (const QString& control : sa.keys()) {
        const QJsonValue va = sa[control].toObject()[QLatin1String("value")];
        const QJsonValue vb = sb[control].toObject()[QLatin1String("value")];
        if (va != vb)
            lines << QStringLiteral("settings %1 %2 → %3").arg(control, text(va), text(vb));
    }
    return lines;
}
