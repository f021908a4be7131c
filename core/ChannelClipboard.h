#pragma once

#include "ChannelRecord.h"

#include <QByteArray>
#include <QList>

// The program's own clipboard format for memory channels, for exact copies between
// documents: each channel's record bytes and bits as they are. The grid puts it on the
// clipboard beside the CSV text of the same channels (ExportChannelsCsv).
//
//   offset  size  what
//   0       6     "QZ17CH"
//   6       1     format version, 1
//   7       1     record size, 16
//   8       2     number of channels n, 1 to 128, little-endian
//   10      17n   per channel: its 16 record bytes, then one byte of bits:
//                 bit 0 the channel-empty bit (1 = empty), bit 1 the scan-skip bit
//                 (1 = not scanned); bits 2-7 are 0
//
// A payload of any other length, header, count or bits is refused whole.

constexpr char ChannelsMimeType[] = "application/x-qz17-channels";

// The payload of 1 to 128 channels; empty for none or more than 128.
QByteArray ChannelsPayload(const QList<ChannelState>& channels);

// The channels of a payload. False, with channels empty, for anything that is not a
// whole payload of this format.
bool ReadChannelsPayload(const QByteArray& payload, QList<ChannelState>& channels);
