#include "ImagePlaces.h"

#include "AppState.h"
#include "ImageLayout.h"
#include "SettingsCatalog.h"

namespace {

int lowestSetBit(quint8 bits)
{
    for (int i = 0; i < 8; ++i)
        if (bits & (1u << i)) return i;
    return 0;
}

// The slot whose bit differs in a bitmap byte: slot n lives in byte (n-1)/8, bit (n-1)%8.
int slotOfBitmapByte(int byteIndex, quint8 changedBits)
{
    return byteIndex * 8 + lowestSetBit(changedBits ? changedBits : 1) + 1;
}

} // namespace

QString ImagePlace::text() const
{
    switch (kind) {
    case Block0:
        return QStringLiteral("block 0");
    case Channel:
        return QStringLiteral("channel %1").arg(number);
    case FrequencyChannel:
        return QStringLiteral("frequency channel %1").arg(number);
    case FmChannel:
        return QStringLiteral("FM channel %1").arg(number);
    case FmTuned:
        return QStringLiteral("FM tuning frequency");
    case FmLimits:
        return QStringLiteral("FM limits");
    case Setting:
        return QStringLiteral("setting %1 (%2)").arg(control, form);
    case RadioName:
        return QStringLiteral("radio name");
    case SettingsByte:
        return QStringLiteral("settings byte %1").arg(number);
    case ModelBlock:
        return QStringLiteral("model block");
    case SerialNumber:
        return QStringLiteral("serial number");
    case TimeStamp:
        return QStringLiteral("time stamp");
    case Unused:
        break;
    }
    return QStringLiteral("unused bytes");
}

int FirstDifferentOffset(const quint8* a, const quint8* b, int count)
{
    for (int i = 0; i < count; ++i)
        if (a[i] != b[i]) return i;
    return -1;
}

ImagePlace PlaceOfOffset(const TALL& doc, int offset, quint8 changedBits)
{
    ImagePlace p;
    const auto is = [&](ImagePlace::Kind kind, int number = 0) {
        p.kind = kind;
        p.number = number;
        return p;
    };
    if (offset < 0 || offset >= Image::Size) return p;
    if (offset < Image::recordOffset(1)) return is(ImagePlace::Block0);
    if (offset < Image::FreqChannel1) return is(ImagePlace::Channel, offset / Image::RecordSize);
    if (offset < Image::FmChannels)
        return is(ImagePlace::FrequencyChannel,
                  (offset - Image::FreqChannel1) / Image::RecordSize + 1);
    if (offset < Image::FmTuned)
        return is(ImagePlace::FmChannel, (offset - Image::FmChannels) / 2 + 1);
    if (offset < Image::EmptyBitmap) return is(ImagePlace::FmTuned);
    if (offset < Image::FmEmptyBitmap) {
        const int area =
            offset < Image::ScanSkipBitmap ? Image::EmptyBitmap : Image::ScanSkipBitmap;
        return is(ImagePlace::Channel, slotOfBitmapByte(offset - area, changedBits));
    }
    if (offset < Image::FmLowerLimit)
        return is(ImagePlace::FmChannel,
                  slotOfBitmapByte(offset - Image::FmEmptyBitmap, changedBits));
    if (offset < Image::Settings) return is(ImagePlace::FmLimits);
    if (offset < Image::ModelBlock) {
        const int n = offset - Image::Settings;
        if (n >= Setting::RadioNameByte && n < Setting::RadioNameByte + Setting::RadioNameLength)
            return is(ImagePlace::RadioName);
        for (const SettingDescription& d : SettingsCatalog(doc)) {
            if (d.field.byte == n && (d.field.mask & changedBits)) {
                p.form = d.form;
                p.control = d.control;
                return is(ImagePlace::Setting, n);
            }
        }
        return is(ImagePlace::SettingsByte, n);
    }
    if (offset < Image::SerialNumber) return is(ImagePlace::ModelBlock);
    if (offset < Image::TimeStamp) return is(ImagePlace::SerialNumber);
    if (offset < Image::TimeStamp + Image::TimeStampLength) return is(ImagePlace::TimeStamp);
    return is(ImagePlace::Unused);
}
