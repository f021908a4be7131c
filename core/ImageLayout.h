#pragma once

// Where things live in the radio's memory image.
//
// The image is 145 blocks of 16 bytes (2320 bytes, offsets 0x000-0x90F), exchanged
// with the radio block by block. All multi-byte numbers are little-endian.
//
//   0x000-0x00F  block 0, not interpreted (exchanged with the radio, not saved in files)
//   0x010-0x80F  memory channel records 1..128, record k at 16*k
//   0x810-0x82F  frequency channel records 129 and 130
//   0x830-0x86B  FM memory channel words 1..30 (25 kHz units)
//   0x86C-0x86D  FM tuning frequency (FM index 31)
//   0x870-0x87F  channel-empty bitmap
//   0x880-0x88F  scan-skip bitmap
//   0x890-0x893  FM-empty bitmap
//   0x894-0x897  FM lower and upper limit (25 kHz units)
//   0x898-0x8BF  settings bytes 0..39
//   0x8C0-0x8CF  model information block
//   0x8D0-0x8EF  band limits, 4 x (low, high) uint32 in 10 Hz units
//   0x8F0-0x8FF  serial number, 16 characters
//   0x900-0x906  time stamp of the last write to the radio

namespace Image {

constexpr int BlockSize = 16;
constexpr int BlockCount = 145;              // blocks 0..144 make up the image
constexpr int Size = BlockSize * BlockCount; // 2320 bytes in use
constexpr int BufferSize = 2338;             // bytes 2320..2337 are never touched

constexpr int RecordSize = 16;
constexpr int FirstFrequencyChannel = 129; // records 129 and 130
constexpr int SecondFrequencyChannel = 130;

constexpr int FreqChannel1 = 0x810;
constexpr int FreqChannel2 = 0x820;
constexpr int FmChannels = 0x830;
constexpr int FmTuned = 0x86C;
constexpr int FmTunedIndex = 31;
constexpr int FmSlotCount = 30;
constexpr int EmptyBitmap = 0x870;
constexpr int ScanSkipBitmap = 0x880;
constexpr int FmEmptyBitmap = 0x890;
constexpr int FmLowerLimit = 0x894;
constexpr int FmUpperLimit = 0x896;
constexpr int Settings = 0x898;
constexpr int SettingsCount = 40;
constexpr int ModelBlock = 0x8C0;
constexpr int ModelMarker = 0x8C0;
constexpr int ModelId = 0x8C1;
constexpr int BandSourceMarker = 0x8C5;
constexpr int BandMask = 0x8C6;
constexpr int ModelReserved = 0x8C7;
constexpr int BandLimits = 0x8D0;
constexpr int SerialNumber = 0x8F0;
constexpr int SerialLength = 16;
constexpr int TimeStamp = 0x900;
constexpr int TimeStampLength = 7;

// Slot bitmaps are addressed by their distance from the channel-empty bitmap.
constexpr int AreaChannelEmpty = 0;
constexpr int AreaScanSkip = 16;
constexpr int AreaFmEmpty = 32;

constexpr int recordOffset(int k)
{
    return RecordSize * k;
}
constexpr int settingsOffset(int n)
{
    return Settings + n;
}

} // namespace Image
