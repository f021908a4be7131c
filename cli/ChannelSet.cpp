#include "ChannelSet.h"

#include "CliEnvironment.h"
#include "ExitCode.h"
#include "core/ChannelEntry.h"
#include "core/ChannelListItems.h"
#include "core/ChannelRecord.h"
#include "core/ImageLayout.h"
#include "core/NumberText.h"
#include "core/ToneCodec.h"
#include "core/ToneLists.h"

namespace {

struct FieldName {
    const char* name;
    int field;
};
constexpr FieldName FieldNames[] = {
    {"rx", Field::RxFreq},         {"tx", Field::TxFreq},           {"offset", Field::Offset},
    {"duplex", Field::Direction},  {"rx_tone", Field::RxTone},      {"tx_tone", Field::TxTone},
    {"power", Field::Power},       {"bandwidth", Field::Bandwidth}, {"scan", Field::Scan},
    {"vox", Field::Vox},           {"voice", Field::VoiceMode},     {"busy_lock", Field::BusyLock},
    {"epilogue", Field::Epilogue}, {"name", Field::Name},
};

int fieldOfName(const QString& name)
{
    for (const FieldName& f : FieldNames)
        if (name == QLatin1String(f.name)) return f.field;
    return -1;
}

// The record number a --channel value names, or -1.
int recordOfChannel(const TALL& doc, const QString& text)
{
    const QString t = text.trimmed().toUpper();
    if (t == QLatin1String("F1")) return Image::FirstFrequencyChannel;
    if (t == QLatin1String("F2")) return Image::SecondFrequencyChannel;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok) return -1;
    if (n >= 1 && n <= doc.channelCount) return n;
    if (n == Image::FirstFrequencyChannel || n == Image::SecondFrequencyChannel) return n;
    return -1;
}

class Setter {
  public:
    Setter(CliEnvironment& e, TALL& d, int k) : env(e), doc(d), record(k) {}

    // False, after telling why, for a value the field cannot take.
    bool apply(const QString& name, const QString& value);

  private:
    bool frequencyChannel() const { return record >= Image::FirstFrequencyChannel; }
    QString label() const
    {
        return frequencyChannel()
                   ? QStringLiteral("F%1").arg(record - Image::FirstFrequencyChannel + 1)
                   : QString::number(record);
    }
    void show(const QString& name, const QString& value)
    {
        env.out << "channel " << label() << ' ' << name << ' ' << value << Qt::endl;
    }
    bool refuse(const QString& why)
    {
        env.tell(QStringLiteral("channel %1: %2").arg(label(), why));
        return false;
    }
    // A typed frequency as the channel windows take it: one outside every band is
    // refused with their caution.
    bool checked(QString& text)
    {
        bool outOfBand = false;
        const QString stored = BandCheckedFrequency(doc, text, outOfBand);
        if (outOfBand) {
            refuse(
                QStringLiteral("%1: %2 (%3)").arg(env.texts().caution, env.texts().errRange, text));
            return false;
        }
        text = stored;
        return true;
    }
    bool listField(const QString& name, int field, const QString& value);

    CliEnvironment& env;
    TALL& doc;
    int record;
};

bool Setter::apply(const QString& name, const QString& value)
{
    const int field = fieldOfName(name);
    if (field < 0) return refuse(QStringLiteral("unknown field \"%1\"").arg(name));
    const bool inUse = IsChannelInUse(doc, record);
    if (!inUse && field != Field::RxFreq)
        return refuse(QStringLiteral("not in use; give rx= first to make it"));
    QString text = value.trimmed();

    switch (field) {
    case Field::RxFreq:
        if (frequencyChannel() && text.isEmpty()) {
            // The frequency channel window stores the lowest band edge for an empty edit.
            bool outOfBand = false;
            text = BandCheckedFrequency(doc, QStringLiteral("-1"), outOfBand);
            env.tell(env.texts().caution + QLatin1String(": ") + env.texts().errRange);
        } else if (text.isEmpty()) {
            SetChannelField(doc, record, Field::RxFreq, text);
            env.out << "channel " << label() << " deleted" << Qt::endl;
            return true;
        } else if (!checked(text)) {
            return false;
        }
        SetChannelField(doc, record, Field::RxFreq, text);
        if (!inUse) StartNewChannel(doc, record);
        show(name, text);
        return true;
    case Field::TxFreq: {
        if (frequencyChannel())
            return refuse(QStringLiteral("a frequency channel takes offset= and duplex=, not tx="));
        TChannel ch;
        DecodeChannel(doc, record, ch);
        if (text.isEmpty()) text = FormatMHz(ch.rxFreq);
        if (!checked(text)) return false;
        const QString wanted = text;
        SetChannelField(doc, record, Field::TxFreq, text);
        if (text != wanted)
            env.tell(QStringLiteral("channel %1: tx %2 lies more than %3 MHz from rx; tx stays %4")
                         .arg(label(), wanted, FormatMHz(MaxOffsetMHz), text));
        show(name, text);
        return true;
    }
    case Field::Offset: {
        if (!frequencyChannel())
            return refuse(QStringLiteral("a memory channel's offset follows from tx="));
        // The frequency channel window's rule: no number or below 0 is 0, above the largest 99.995.
        double v = 0.0;
        if (!TextToNumber(text, v) || v < 0.0) v = 0.0;
        if (v > MaxOffsetMHz) v = MaxOffsetMHz;
        text = FormatMHz(v);
        SetChannelField(doc, record, Field::Offset, text);
        show(name, text);
        return true;
    }
    case Field::Direction: {
        if (!frequencyChannel())
            return refuse(QStringLiteral("a memory channel's shift follows from tx="));
        static const QStringList shifts = {QStringLiteral("none"), QStringLiteral("+"),
                                           QStringLiteral("-")};
        int v = text.isEmpty() ? 0 : shifts.indexOf(text.toLower());
        if (v < 0) {
            bool ok = false;
            const int n = text.toInt(&ok);
            if (ok && n >= 0 && n <= 2) v = n;
        }
        if (v < 0) return refuse(QStringLiteral("duplex is none, + or - (0, 1, 2)"));
        text = QString::number(v);
        SetChannelField(doc, record, Field::Direction, text);
        show(name, shifts.at(v));
        return true;
    }
    case Field::RxTone:
    case Field::TxTone: {
        const QString none = GridToneList().value(0);
        if (text.compare(none, Qt::CaseInsensitive) == 0)
            text.clear();
        else
            text = NormaliseToneText(text);
        SetChannelField(doc, record, field, text);
        show(name, text.isEmpty() ? none : text);
        return true;
    }
    case Field::Name:
        if (frequencyChannel()) return refuse(QStringLiteral("a frequency channel has no name"));
        SetChannelField(doc, record, Field::Name, text);
        show(name, text);
        return true;
    default:
        return listField(name, field, text);
    }
}

bool Setter::listField(const QString& name, int field, const QString& value)
{
    if (field == Field::Scan && frequencyChannel())
        return refuse(QStringLiteral("a frequency channel has no scan setting"));
    const ChannelList* list = FindChannelList(field);
    const QString form = QStringLiteral("fChsInfo");
    // A stored value, or an item as the grid shows it (English or the current language).
    int v = -1;
    for (int i = 0; i < list->items.size() && v < 0; ++i) {
        if (value.compare(list->items.at(i), Qt::CaseInsensitive) == 0 ||
            value.compare(env.item(form, list->control, i, list->items), Qt::CaseInsensitive) == 0)
            v = i;
    }
    if (v < 0) {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (ok && n >= 0 && n < list->items.size()) v = n;
    }
    if (v < 0)
        return refuse(QStringLiteral("%1 is one of %2 (or 0 to %3)")
                          .arg(name, list->items.join(QLatin1String(", ")))
                          .arg(list->items.size() - 1));
    QString text = QString::number(v);
    SetChannelField(doc, record, field, text);
    show(name, env.item(form, list->control, v, list->items));
    return true;
}

} // namespace

int SetChannelFields(CliEnvironment& env, TALL& doc, const QString& channel,
                     const QStringList& assignments, bool deleteChannel)
{
    const int record = recordOfChannel(doc, channel);
    if (record < 0) {
        env.tell(QStringLiteral(
                     "no channel \"%1\": memory channels are 1 to %2, frequency channels F1 and F2")
                     .arg(channel)
                     .arg(doc.channelCount));
        return ExitCode::Usage;
    }
    Setter setter(env, doc, record);
    if (deleteChannel) {
        if (record >= Image::FirstFrequencyChannel || !assignments.isEmpty()) {
            env.tell(QStringLiteral("--delete takes a memory channel and no fields"));
            return ExitCode::Usage;
        }
        return setter.apply(QStringLiteral("rx"), QString()) ? ExitCode::Ok : ExitCode::Usage;
    }
    if (assignments.isEmpty()) {
        env.tell(QStringLiteral("set needs FIELD=VALUE or --delete"));
        return ExitCode::Usage;
    }
    for (const QString& a : assignments) {
        const int eq = a.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            env.tell(QStringLiteral("\"%1\" is not FIELD=VALUE").arg(a));
            return ExitCode::Usage;
        }
        if (!setter.apply(a.left(eq).trimmed().toLower(), a.mid(eq + 1))) return ExitCode::Usage;
    }
    return ExitCode::Ok;
}
