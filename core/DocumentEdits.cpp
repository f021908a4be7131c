#include "DocumentEdits.h"

#include <algorithm>

namespace {

// Image areas, as the windows show them.
constexpr int FirstRecord = 1;
constexpr int LastRecord = Image::SecondFrequencyChannel;
constexpr int FmArea = Image::FmChannels;             // FM channels and the tuned frequency
constexpr int FmAreaEnd = Image::EmptyBitmap;         // up to the channel bitmaps
constexpr int FmBitsAndLimits = Image::FmEmptyBitmap; // FM bitmap and limits
constexpr int SettingsArea = Image::Settings;
constexpr int ModelArea = Image::ModelBlock;

bool Differs(const quint8* a, const quint8* b, int from, int to)
{
    return !std::equal(a + from, a + to, b + from);
}

bool BitDiffers(const quint8* a, const quint8* b, int bitmap, int slot)
{
    const int byte = bitmap + (slot - 1) / 8;
    const quint8 mask = quint8(1u << ((slot - 1) % 8));
    return (a[byte] & mask) != (b[byte] & mask);
}

} // namespace

bool DocumentChange::any() const
{
    return records.count(true) > 0 || fm || settings || modelBlock;
}

bool DocumentChange::memoryChannels() const
{
    for (int k = FirstRecord; k < Image::FirstFrequencyChannel && k < records.size(); ++k)
        if (records.testBit(k)) return true;
    return false;
}

bool DocumentChange::frequencyChannels() const
{
    return record(Image::FirstFrequencyChannel) || record(Image::SecondFrequencyChannel);
}

TDocumentEdits::TDocumentEdits(TALL& all, QObject* parent) : QObject(parent), doc(all) {}

DocumentChange TDocumentEdits::compare(const Bytes& before, const Bytes& after) const
{
    const quint8* a = before.data();
    const quint8* b = after.data();
    DocumentChange change;
    change.records.resize(LastRecord + 1);
    for (int k = FirstRecord; k <= LastRecord; ++k) {
        bool differs = Differs(a, b, Image::RecordSize * k, Image::RecordSize * (k + 1));
        if (k < Image::FirstFrequencyChannel)
            differs = differs || BitDiffers(a, b, Image::EmptyBitmap, k) ||
                      BitDiffers(a, b, Image::ScanSkipBitmap, k);
        if (differs) change.records.setBit(k);
    }
    change.fm = Differs(a, b, FmArea, FmAreaEnd) || Differs(a, b, FmBitsAndLimits, SettingsArea);
    change.settings = Differs(a, b, SettingsArea, ModelArea);
    change.modelBlock =
        Differs(a, b, ModelArea, Image::Size) || Differs(a, b, 0, Image::RecordSize);
    return change;
}

bool TDocumentEdits::Edit(const QObject* source, const QString& text,
                          const std::function<void()>& change, const QString& mergeKey)
{
    if (depth > 0) {
        // Part of the edit that runs it.
        change();
        return true;
    }
    const Bytes before = doc.image;
    ++depth;
    change();
    --depth;
    DocumentChange what = compare(before, doc.image);
    if (!what.any()) return false;

    const bool merge = mergeable && !mergeKey.isEmpty() && position > 0 &&
                       position == steps.size() && steps.last().mergeKey == mergeKey &&
                       savedAt != position;
    if (merge) {
        steps.last().after = doc.image;
    } else {
        steps.resize(position); // what was undone cannot be redone after a new edit
        if (savedAt > position) savedAt = -1;
        steps.append(Step{before, doc.image, text, mergeKey, doc.currentChannel});
        if (steps.size() > HistoryLimit) {
            steps.removeFirst();
            savedAt = savedAt > 0 ? savedAt - 1 : -1;
        }
        position = int(steps.size());
    }
    mergeable = !mergeKey.isEmpty();
    what.source = source;
    what.channel = doc.currentChannel;
    updateModified();
    emit changed(what);
    emit historyChanged();
    return true;
}

QString TDocumentEdits::undoText() const
{
    return canUndo() ? steps.at(position - 1).text : QString();
}

QString TDocumentEdits::redoText() const
{
    return canRedo() ? steps.at(position).text : QString();
}

void TDocumentEdits::Undo()
{
    if (!canUndo()) return;
    --position;
    restore(steps.at(position).before, steps.at(position).channel);
}

void TDocumentEdits::Redo()
{
    if (!canRedo()) return;
    ++position;
    restore(steps.at(position - 1).after, steps.at(position - 1).channel);
}

void TDocumentEdits::restore(const Bytes& image, int channel)
{
    mergeable = false;
    DocumentChange what = compare(doc.image, image);
    what.fromHistory = true;
    doc.image = image;
    if (channel >= 1 && channel <= doc.channelCount) doc.currentChannel = channel;
    what.channel = doc.currentChannel;
    updateModified();
    emit changed(what);
    emit historyChanged();
}

void TDocumentEdits::SetCurrentChannel(int k, const QObject* source)
{
    if (k == doc.currentChannel) return;
    doc.currentChannel = k;
    emit currentChannelChanged(k, source);
}

void TDocumentEdits::Announce(const DocumentChange& change)
{
    emit changed(change);
}

void TDocumentEdits::Restart(bool unsaved)
{
    steps.clear();
    position = 0;
    savedAt = 0;
    unsavedBase = unsaved;
    mergeable = false;
    updateModified();
    emit historyChanged();
}

void TDocumentEdits::MarkSaved()
{
    savedAt = position;
    unsavedBase = false;
    mergeable = false;
    updateModified();
    emit historyChanged();
}

void TDocumentEdits::updateModified()
{
    doc.modified = unsavedBase || position != savedAt;
}
