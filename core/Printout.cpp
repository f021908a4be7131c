#include "Printout.h"

#include "ChannelListItems.h"
#include "SettingsCatalog.h"

#include <QJsonArray>

namespace {

using Group = DocumentDifference::Group;

QString lookup(const LanguageLookup& language, const QString& section, const QString& key,
               const QString& fallback)
{
    return language ? language(section, key, fallback) : fallback;
}

// The grid's column titles in the program's language.
QStringList gridTitles(const LanguageLookup& language)
{
    QStringList titles;
    const QStringList& definitions = GridColumnDefinitions();
    for (int i = 0; i < definitions.size(); ++i)
        titles << GridColumnTitle(lookup(language, QStringLiteral("fChsInfo"),
                                         QStringLiteral("BColText.%1").arg(i), definitions[i]));
    return titles;
}

// Grid column indices.
enum Column { No, Rx, Tx, Dec, Enc, Power, Wn, Scan, Vox, Voice, BusyLock, Epilogue, Name };

QStringList channelCells(const TALL& doc, Group group, const QJsonObject& ch,
                         const LanguageLookup& language, const QStringList& keys)
{
    QStringList cells;
    for (const QString& key : keys)
        cells << ShownValue(doc, group, key, ch[key], language);
    return cells;
}

} // namespace

Printout BuildPrintout(const TALL& doc, const QJsonObject& d, const QString& source,
                       const LanguageLookup& language, const PrintLabels& labels)
{
    Printout out;
    const QJsonObject model = d[QLatin1String("model")].toObject();
    out.model = model[QLatin1String("name")].toString();
    out.source = source;
    out.writeTime = labels.writeTime.arg(model[QLatin1String("write_time")].toString());

    const QStringList titles = gridTitles(language);
    const QStringList listKeys = [] {
        QStringList k;
        for (const DescriptionListKey& key : DescriptionListKeys())
            k << QLatin1String(key.key);
        return k;
    }();
    const QStringList toneKeys = {QStringLiteral("rx_tone"), QStringLiteral("tx_tone")};

    // Memory channels: every column of the grid, in its order.
    PrintTable memory;
    const QJsonArray channels = d[QLatin1String("channels")].toArray();
    memory.title = labels.memoryChannels.arg(channels.size());
    memory.headers = titles;
    if (channels.isEmpty()) memory.notes << labels.noChannels;
    for (const QJsonValue& v : channels) {
        const QJsonObject ch = v.toObject();
        QStringList row{QString::number(ch[QLatin1String("number")].toInt()),
                        ch[QLatin1String("rx")].toString(), ch[QLatin1String("tx")].toString()};
        row << channelCells(doc, Group::Channels, ch, language,
                            toneKeys + listKeys + QStringList{QStringLiteral("name")});
        memory.rows << row;
    }
    out.tables << memory;

    // Frequency channels: the grid's columns without scan and name, with offset and shift
    // as the frequency channel window names them.
    PrintTable frequency;
    frequency.title = labels.frequencyChannels;
    const QString freqForm = QStringLiteral("fFreqEdit");
    frequency.headers =
        QStringList{titles[No], titles[Rx], titles[Tx]}
        << lookup(language, freqForm, QStringLiteral("lbTX.Caption"),
                  QStringLiteral("Offset Freq.[MHz]"))
        << lookup(language, freqForm, QStringLiteral("lbDuplex.Caption"), QStringLiteral("Duplex"))
        << titles[Dec] << titles[Enc] << titles[Power] << titles[Wn] << titles[Vox] << titles[Voice]
        << titles[BusyLock] << titles[Epilogue];
    QStringList freqListKeys = listKeys;
    freqListKeys.removeAll(QStringLiteral("scan_skip"));
    for (const QJsonValue& v : d[QLatin1String("frequency_channels")].toArray()) {
        const QJsonObject ch = v.toObject();
        const int duplex = ch[QLatin1String("duplex")].toInt();
        QStringList row{QStringLiteral("F%1").arg(ch[QLatin1String("number")].toInt()),
                        ch[QLatin1String("rx")].toString(), ch[QLatin1String("tx")].toString(),
                        ch[QLatin1String("offset")].toString(),
                        lookup(language, freqForm, QStringLiteral("cxDuplex.%1").arg(duplex),
                               DuplexItems().value(duplex))};
        row << channelCells(doc, Group::FrequencyChannels, ch, language, toneKeys + freqListKeys);
        frequency.rows << row;
    }
    out.tables << frequency;

    // FM channels.
    PrintTable fm;
    const QJsonObject fmPart = d[QLatin1String("fm")].toObject();
    fm.title = labels.fmChannels;
    fm.notes << labels.fmTuned.arg(fmPart[QLatin1String("tuned")].toString());
    fm.headers = QStringList{labels.number, labels.frequency};
    for (const QJsonValue& v : fmPart[QLatin1String("channels")].toArray()) {
        const QJsonObject c = v.toObject();
        fm.rows << QStringList{QString::number(c[QLatin1String("number")].toInt()),
                               c[QLatin1String("frequency")].toString()};
    }
    out.tables << fm;

    // Settings: the lists of the settings windows as the dump names them, with the
    // item each window shows.
    PrintTable settings;
    settings.title = labels.settings;
    settings.headers = QStringList{labels.window, labels.setting, labels.value};
    const QJsonObject values = d[QLatin1String("settings")].toObject();
    for (const SettingDescription& desc : SettingsCatalog(doc)) {
        if (!desc.shown) continue;
        const QJsonValue value = values[desc.control].toObject()[QLatin1String("value")];
        settings.rows << QStringList{
            lookup(language, desc.form, desc.form + QStringLiteral(".Caption"), desc.form),
            desc.control, ShownValue(doc, Group::Settings, desc.control, value, language)};
    }
    settings.rows << QStringList{
        lookup(language, QStringLiteral("fInfoMsg"), QStringLiteral("fInfoMsg.Caption"),
               QStringLiteral("fInfoMsg")),
        labels.radioName,
        values[QLatin1String("cxName")].toObject()[QLatin1String("value")].toString().trimmed()};
    out.tables << settings;
    return out;
}
