#include "DocumentReport.h"

#include "CliEnvironment.h"
#include "core/SettingsCatalog.h"

#include <QJsonArray>

namespace {

QString hexByte(int v)
{
    return QStringLiteral("0x") +
           QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

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
    const LanguageLookup language = env.language();
    using Group = DocumentDifference::Group;
    const auto shown = [&](const QJsonObject& ch, const QString& key) {
        return ShownValue(doc, Group::Channels, key, ch[key], language);
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
        QString line = QStringLiteral("  ") + pad(number, 5) +
                       pad(ch[QLatin1String("rx")].toString(), 11) +
                       pad(ch[QLatin1String("tx")].toString(), 11) +
                       pad(shown(ch, QStringLiteral("rx_tone")), 7) +
                       pad(shown(ch, QStringLiteral("tx_tone")), 7);
        for (const DescriptionListKey& k : DescriptionListKeys())
            if (ch.contains(QLatin1String(k.key))) line += pad(shown(ch, QLatin1String(k.key)), 10);
        if (ch.contains(QLatin1String("name"))) line += shown(ch, QStringLiteral("name"));
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
        const QJsonValue value = f[QLatin1String("value")];
        const QString item = f[QLatin1String("item")].isNull()
                                 ? QStringLiteral("(none)")
                                 : ShownValue(doc, Group::Settings, desc.control, value, language);
        s += QStringLiteral("  %1 %2 %3\n")
                 .arg(pad(desc.control, 12), pad(DescriptionText(value), 5), item);
    }
    s += QStringLiteral("  %1 %2\n")
             .arg(pad(QStringLiteral("cxName"), 12),
                  settings[QLatin1String("cxName")].toObject()[QLatin1String("value")].toString());
    return s;
}
