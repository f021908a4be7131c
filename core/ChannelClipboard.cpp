#include "ChannelClipboard.h"

#include "BitCodecs.h"
#include "ImageLayout.h"

#include <algorithm>

namespace {

constexpr char Magic[] = "QZ17CH";
constexpr int MagicSize = 6;
constexpr quint8 Version = 1;
constexpr int HeaderSize = 10;
constexpr int ChannelSize = Image::RecordSize + 1;
constexpr int MaxChannels = 128;

constexpr quint8 EmptyBit = 0x01;
constexpr quint8 SkipBit = 0x02;

} // namespace

QByteArray ChannelsPayload(const QList<ChannelState>& channels)
{
    if (channels.isEmpty() || channels.size() > MaxChannels) return QByteArray();
    QByteArray payload(HeaderSize + ChannelSize * channels.size(), '\0');
    auto* bytes = reinterpret_cast<quint8*>(payload.data());
    std::copy(Magic, Magic + MagicSize, bytes);
    bytes[6] = Version;
    bytes[7] = Image::RecordSize;
    WriteU16LE(quint16(channels.size()), bytes + 8);
    quint8* at = bytes + HeaderSize;
    for (const ChannelState& c : channels) {
        std::copy(c.record.begin(), c.record.end(), at);
        at[Image::RecordSize] = quint8((c.used ? 0 : EmptyBit) | (c.scanned ? 0 : SkipBit));
        at += ChannelSize;
    }
    return payload;
}

bool ReadChannelsPayload(const QByteArray& payload, QList<ChannelState>& channels)
{
    channels.clear();
    if (payload.size() < HeaderSize) return false;
    const auto* bytes = reinterpret_cast<const quint8*>(payload.constData());
    if (!std::equal(Magic, Magic + MagicSize, bytes) || bytes[6] != Version ||
        bytes[7] != Image::RecordSize)
        return false;
    const int count = ReadU16LE(bytes + 8);
    if (count < 1 || count > MaxChannels || payload.size() != HeaderSize + ChannelSize * count)
        return false;
    QList<ChannelState> read;
    const quint8* at = bytes + HeaderSize;
    for (int i = 0; i < count; ++i, at += ChannelSize) {
        const quint8 bits = at[Image::RecordSize];
        if (bits & ~(EmptyBit | SkipBit)) return false;
        ChannelState c;
        std::copy(at, at + Image::RecordSize, c.record.begin());
        c.used = !(bits & EmptyBit);
        c.scanned = !(bits & SkipBit);
        read << c;
    }
    channels = read;
    return true;
}
