#pragma once

#include "ChannelControls.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;
struct DocumentChange;

// One memory channel in a form: always the document's current channel, chosen in
// cxChs. Every change is written into the image at once, as one step of the document's
// history named after the control ("Channel 5 RX Frequency"). Changes made elsewhere
// (the grid, undo and redo, an import) and a current channel moved elsewhere reload
// the form. A channel not in use offers only its receive frequency; typing one creates
// it with what the other controls show.
class TfChsEdit : public QWidget, public ChannelControls {
    Q_OBJECT

  public:
    explicit TfChsEdit(QWidget* parent = nullptr);
    ~TfChsEdit() override;

    // Shows the current channel.
    void LoadChannel();
    // Writes all controls into the current channel (part of the step that runs it).
    void StoreChannel();
    // Blank defaults: no frequencies, no tones, Wide, boxes unchecked, None, On, no name.
    void ResetControls();
    // Every editing control except eRx and cxChs.
    void EnableControls(bool on);

    // The shared channel controls come from ChannelControls.
    QComboBox* cxChs = nullptr;
    QTabWidget* cxChInfo = nullptr;
    QLineEdit* cxName = nullptr;
    QCheckBox* cxScan = nullptr;
    QPushButton* btnClose = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormShow();
    void btnCloseClick();
    void cxChsPropertiesEditValueChanged(int index);
    void eReceivePropertiesEditValueChanged();
    void eSendPropertiesEditValueChanged();
    void cbkzChange(const QWidget* control);
    void cxNamePropertiesEditValueChanged();
    void documentChanged(const DocumentChange& change);

    // Stores the controls as the step of the user's change of control.
    void storeChange(const QWidget* control);
    // Runs the handlers of edits the user typed into but did not commit, before a
    // list changed without taking the focus (the mouse wheel) acts.
    void commitPendingEdits();
    QString storedFrequency(int field) const;

    QLabel* lStep = nullptr; // the step text: channel number, control name

    bool busy = false;
    bool shown = false;
    bool channelGuard = false; // set while LoadChannel selects the channel entry
    bool rxGuard = false;      // re-entry guards of the frequency edits
    bool txGuard = false;
};

// The open channel edit window, or nullptr.
extern TfChsEdit* fChsEdit;
