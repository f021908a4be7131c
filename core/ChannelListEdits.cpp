#include "ChannelListEdits.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "FrequencyCodecs.h"
#include "SettingsMap.h"
#include "ToneCodec.h"

#include <QVector>
#include <algorithm>
#include <cmath>

namespace {

// The bitmaps have room for 128 channels.
constexpr int MaxMemoryChannels = 128;

int listSize(const TALL& all)
{
    return std::clamp(all.channelCount, 0, MaxMemoryChannels);
}

bool inList(const TALL& all, int k)
{
    return k >= 1 && k <= listSize(all);
}

// The channels of a set that the list has, ascending, each once.
QList<int> channelsOf(const TALL& all, const QList<int>& channels)
{
    QList<int> set;
    for (int k : channels)
        if (inList(all, k)) set << k;
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    return set;
}

// A new order of the list: place p (1..count) gets the channel that stood at from[p],
// or an empty channel where from[p] is 0; from[0] is not used. Only places whose value
// changes are written. The priority channel goes to the place its channel goes to, OFF
// when its channel has no place any more. Returns whether the image changed.
bool rearrange(TALL& all, const QVector<int>& from)
{
    const int count = int(from.size()) - 1;
    QVector<ChannelState> before(count + 1);
    for (int k = 1; k <= count; ++k)
        before[k] = SaveChannel(all, k);
    bool changed = false;
    for (int p = 1; p <= count; ++p) {
        const ChannelState next = from[p] > 0 ? before[from[p]] : EmptyChannelState();
        if (next == before[p]) continue;
        RestoreChannel(all, p, next);
        changed = true;
    }
    const int priority = ReadField(all, Setting::PriorityChannel);
    if (priority >= 1 && priority <= count) {
        const int place = int(from.indexOf(priority, 1));
        const int moved = place > 0 ? place : 0;
        if (moved != priority) {
            WriteField(all, Setting::PriorityChannel, moved);
            changed = true;
        }
    }
    return changed;
}

// Every channel in its own place.
QVector<int> unchangedOrder(const TALL& all)
{
    QVector<int> from(listSize(all) + 1);
    for (int k = 0; k < from.size(); ++k)
        from[k] = k;
    return from;
}

// ---------------------------------------------------------------------------------
// Sort keys

qint64 receiveUnits(const ChannelState& c)
{
    return DecodeFrequencyCount(c.record[0], c.record[1], c.record[2]);
}

// A tone in the order of the tone lists: none, CTCSS by frequency, DCS normal by code,
// DCS inverted by code.
int toneOrder(quint8 b0, quint8 b1)
{
    const QString tone = DecodeToneBytes(b0, b1);
    if (tone.isEmpty()) return 0;
    if (tone.startsWith(u'D')) {
        const int code = tone.mid(1, 3).toInt(nullptr, 8);
        return (tone.endsWith(u'I') ? 30000 : 20000) + code;
    }
    return 10000 + int(std::lround(tone.toDouble() * 10.0));
}

QString nameOf(const ChannelState& c)
{
    QString name;
    for (int i = 10; i < 16; ++i)
        name += NameCodeToChar(c.record[size_t(i)]);
    return name.trimmed();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Names compare character by character, a run of digits by its value; unnamed last.
int compareNames(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty()) return int(a.isEmpty()) - int(b.isEmpty());
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            while (i < a.size() && a[i] == u'0')
                ++i;
            while (j < b.size() && b[j] == u'0')
                ++j;
            qsizetype ei = i, ej = j;
            while (ei < a.size() && isDigit(a[ei]))
                ++ei;
            while (ej < b.size() && isDigit(b[ej]))
                ++ej;
            if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
            const int digits = QStringView(a).mid(i, ei - i).compare(QStringView(b).mid(j, ej - j));
            if (digits != 0) return digits;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    return int(a.size() - i > 0) - int(b.size() - j > 0);
}

struct SortItem {
    int channel = 0;
    qint64 first = 0;
    qint64 second = 0;
    QString name;
};

SortItem sortItem(const TALL& all, int k, ChannelSortKey key)
{
    const ChannelState c = SaveChannel(all, k);
    SortItem item;
    item.channel = k;
    switch (key) {
    case ChannelSortKey::RxFrequency:
        item.first = receiveUnits(c);
        break;
    case ChannelSortKey::Name:
        item.name = nameOf(c);
        break;
    case ChannelSortKey::Tone:
        item.first = toneOrder(c.record[7], c.record[8]);
        item.second = toneOrder(c.record[5], c.record[6]);
        break;
    }
    return item;
}

bool sortsBefore(const SortItem& a, const SortItem& b, ChannelSortKey key)
{
    if (key == ChannelSortKey::Name) return compareNames(a.name, b.name) < 0;
    if (a.first != b.first) return a.first < b.first;
    return a.second < b.second;
}

} // namespace

QList<int> AllChannels(const TALL& all)
{
    QList<int> channels;
    for (int k = 1; k <= listSize(all); ++k)
        channels << k;
    return channels;
}

int CountChannelsInUse(const TALL& all, const QList<int>& channels)
{
    int n = 0;
    for (int k : channelsOf(all, channels))
        if (IsChannelInUse(all, k)) ++n;
    return n;
}

QList<ChannelState> CopyChannels(const TALL& all, const QList<int>& channels)
{
    QList<ChannelState> values;
    for (int k : channelsOf(all, channels))
        values << SaveChannel(all, k);
    return values;
}

ChannelPaste PlanChannelPaste(const TALL& all, int first, const QList<ChannelState>& values)
{
    ChannelPaste plan;
    plan.first = first;
    if (inList(all, first)) plan.pasted = std::min(int(values.size()), listSize(all) - first + 1);
    plan.leftOut = int(values.size()) - plan.pasted;
    for (int i = 0; i < plan.pasted; ++i)
        if (ReplacesChannelInUse(SaveChannel(all, first + i), values.at(i))) ++plan.replaced;
    return plan;
}

ChannelPaste PasteChannels(TALL& all, int first, const QList<ChannelState>& values)
{
    const ChannelPaste plan = PlanChannelPaste(all, first, values);
    for (int i = 0; i < plan.pasted; ++i)
        if (SaveChannel(all, first + i) != values.at(i))
            RestoreChannel(all, first + i, values.at(i));
    return plan;
}

int DeleteChannels(TALL& all, const QList<int>& channels)
{
    int deleted = 0;
    for (int k : channelsOf(all, channels)) {
        if (IsChannelInUse(all, k)) ++deleted;
        QString text; // an empty receive frequency deletes the channel
        SetChannelField(all, k, Field::RxFreq, text);
    }
    return deleted;
}

bool InsertEmptyChannel(TALL& all, int k)
{
    if (!inList(all, k)) return false;
    int empty = k;
    while (empty <= listSize(all) && IsChannelInUse(all, empty))
        ++empty;
    if (empty > listSize(all)) return false;
    if (empty == k) return true;
    QVector<int> from = unchangedOrder(all);
    from[k] = 0;
    for (int p = k + 1; p <= empty; ++p)
        from[p] = p - 1;
    rearrange(all, from);
    return true;
}

bool RemoveChannel(TALL& all, int k)
{
    if (!inList(all, k)) return false;
    QVector<int> from = unchangedOrder(all);
    for (int p = k; p < listSize(all); ++p)
        from[p] = p + 1;
    from[listSize(all)] = 0;
    rearrange(all, from);
    return true;
}

bool MoveChannels(TALL& all, const QList<int>& channels, int delta)
{
    const QList<int> set = channelsOf(all, channels);
    if (set.isEmpty() || delta == 0) return false;
    // Widened: a delta near the limits of int must not wrap.
    if (qint64(set.first()) + delta < 1 || qint64(set.last()) + delta > listSize(all)) return false;
    QVector<int> from(listSize(all) + 1, 0);
    QVector<bool> selected(listSize(all) + 1, false);
    for (int k : set) {
        from[k + delta] = k;
        selected[k] = true;
    }
    // The channels passed over keep their order in the places left.
    int place = 1;
    for (int k = 1; k <= listSize(all); ++k) {
        if (selected[k]) continue;
        while (from[place] != 0)
            ++place;
        from[place] = k;
    }
    rearrange(all, from);
    return true;
}

bool SortChannels(TALL& all, const QList<int>& channels, ChannelSortKey key, bool closeGaps)
{
    const QList<int> set = channelsOf(all, channels);
    QList<SortItem> items;
    QList<int> usedPlaces, emptyChannels;
    for (int k : set) {
        if (IsChannelInUse(all, k)) {
            items << sortItem(all, k, key);
            usedPlaces << k;
        } else {
            emptyChannels << k;
        }
    }
    std::stable_sort(items.begin(), items.end(), [key](const SortItem& a, const SortItem& b) {
        return sortsBefore(a, b, key);
    });

    QVector<int> from = unchangedOrder(all);
    // With closeGaps the channels in use take the first places of the set, the empty
    // ones the rest; without, each keeps to the kind of place it had.
    const QList<int>& places = closeGaps ? set : usedPlaces;
    for (int i = 0; i < items.size(); ++i)
        from[places.at(i)] = items.at(i).channel;
    if (closeGaps) {
        for (int i = 0; i < emptyChannels.size(); ++i)
            from[set.at(int(items.size()) + i)] = emptyChannels.at(i);
    }
    return rearrange(all, from);
}

bool CanSetOnManyChannels(int fieldCode)
{
    switch (fieldCode) {
    case Field::Power:
    case Field::Bandwidth:
    case Field::Scan:
    case Field::Vox:
    case Field::VoiceMode:
    case Field::BusyLock:
    case Field::Epilogue:
    case Field::RxTone:
    case Field::TxTone:
        return true;
    default:
        return false;
    }
}

int SetChannelsField(TALL& all, const QList<int>& channels, int fieldCode, const QString& text)
{
    if (!CanSetOnManyChannels(fieldCode)) return 0;
    int stored = 0;
    for (int k : channelsOf(all, channels)) {
        if (!IsChannelInUse(all, k)) continue;
        QString t = text;
        SetChannelField(all, k, fieldCode, t);
        ++stored;
    }
    return stored;
}
