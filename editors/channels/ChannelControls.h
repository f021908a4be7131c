#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class ToneSelector;
struct TALL;
struct TChannel;

// The controls the channel edit window and the frequency channel window share: a
// channel record's two frequency edits, its tones, bandwidth, power, epilogue, voice
// mode, busy lock and VOX. Each window lays them out under its own labels and adds its
// own controls; making them, filling them from a decoded channel and storing them into
// a record are the same for both.
class ChannelControls {
  public:
    QLineEdit* eRx = nullptr;
    QLineEdit* eTX = nullptr; // the transmit frequency, or a frequency channel's offset
    ToneSelector* cxRxDcts = nullptr;
    ToneSelector* cxTxDcts = nullptr;
    QComboBox* cxWn = nullptr;
    QComboBox* cxPower = nullptr;
    QComboBox* cxTail = nullptr;
    QComboBox* cxApro = nullptr;
    QCheckBox* cxBclo = nullptr;
    QCheckBox* cxVox_S = nullptr;

  protected:
    // Makes the controls inside page. A double click on a tone selector opens the tone
    // chart over window; the tone picked there is committed as if typed.
    void CreateChannelControls(QWidget* window, QWidget* page);

    // Shows a decoded channel; eTX shows second (the transmit frequency or the offset).
    void ShowChannel(const TChannel& ch, double second) const;

    // Writes the tones, bandwidth, power, busy lock, voice mode, VOX and epilogue the
    // controls show into record k.
    void StoreCommonFields(TALL& all, int k) const;

    // Commits tones typed but not yet committed (a list turned by the mouse wheel does
    // not take the focus from them): each selector that changes emits toneCommitted.
    void CommitTypedTones() const;
};

// A check box's field text: "0" when checked (busy lock on, VOX on, in the scan list).
QString BoxFieldText(const QCheckBox* box);

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text);
QComboBox* NamedList(QWidget* parent, const char* name, const QStringList& items);

// The name an undo step gives a control: the caption of the label beside it whose buddy it
// is, or else its own caption; without the accelerator mark, a trailing unit or accelerator
// in brackets and a trailing colon ("RX Frequency[MHz]" names "RX Frequency").
QString StepName(const QWidget* control);
