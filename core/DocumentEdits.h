#pragma once

#include "AppState.h"
#include "ImageLayout.h"

#include <QBitArray>
#include <QObject>
#include <QString>
#include <QVector>
#include <functional>

// What an edit, an undo or a redo changed, found by comparing the image before and after.
// The windows that show any of it reload it.
struct DocumentChange {
    QBitArray records;       // bit k: channel record k (1..130), its bytes or its bitmap bits
    bool fm = false;         // FM channels, their bitmap, their limits or the tuned frequency
    bool settings = false;   // the settings bytes
    bool modelBlock = false; // model information block: model, bands, serial number, time
    const QObject* source = nullptr; // the window that made the edit, if a window did
    bool fromHistory = false;        // an undo or a redo
    int channel = 0;                 // the memory channel the step was made at

    bool any() const;
    bool record(int k) const { return k >= 0 && k < records.size() && records.testBit(k); }
    bool memoryChannels() const; // any of records 1..128
    bool frequencyChannels() const;
};

// The one door every change of the document passes through. An edit runs its change on
// the document, and the door compares the image before and after: a change that leaves
// the image as it was records nothing. Otherwise the door keeps both images as one step
// of the history, marks the document modified and announces what changed, so that every
// open window showing it reloads.
//
// The modified flag follows the history: it is set exactly when the document differs
// from the state last saved, opened or made new, or when that state itself was never
// saved (a read from the radio). Undoing back to the saved state clears it.
//
// Edits made inside another edit's change belong to that edit. Consecutive edits with
// the same non-empty merge key (a text typed key by key into one control) are one step.
// Decoding for display cleans records without passing the door: that records no step
// and leaves the flag alone.
class TDocumentEdits : public QObject {
    Q_OBJECT

  public:
    static constexpr int HistoryLimit = 1000;

    explicit TDocumentEdits(TALL& all, QObject* parent = nullptr);

    // Runs change as one step named text. Returns true when the document changed.
    bool Edit(const QObject* source, const QString& text, const std::function<void()>& change,
              const QString& mergeKey = QString());

    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position < steps.size(); }
    QString undoText() const;
    QString redoText() const;
    int count() const { return int(steps.size()); }
    void Undo();
    void Redo();

    // Makes k the current memory channel, as the channel windows select it, and tells the
    // windows that follow it.
    void SetCurrentChannel(int k, const QObject* source);
    // Asks the windows showing what change names to show it again, without a step.
    void Announce(const DocumentChange& change);

    // The document was replaced (new, opened, read): the history starts afresh, and the
    // document counts as modified exactly when unsaved is set.
    void Restart(bool unsaved);
    // The document was saved: its state now is the saved one.
    void MarkSaved();

  signals:
    void changed(const DocumentChange& change);
    void currentChannelChanged(int channel, const QObject* source);
    // The history or the modified flag changed: menus and captions follow.
    void historyChanged();

  private:
    using Bytes = std::array<quint8, Image::BufferSize>;
    struct Step {
        Bytes before;
        Bytes after;
        QString text;
        QString mergeKey;
        int channel = 0;
    };

    void restore(const Bytes& image, int channel);
    void updateModified();
    DocumentChange compare(const Bytes& before, const Bytes& after) const;

    TALL& doc;
    QVector<Step> steps;
    int position = 0; // steps before it are done
    int savedAt = 0;  // the position of the saved state; -1: no longer reachable
    bool unsavedBase = false;
    int depth = 0;          // edits running inside one another
    bool mergeable = false; // the last step may take the next edit of its merge key
};
