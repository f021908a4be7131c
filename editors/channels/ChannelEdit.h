#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ToneSelector;

// One memory channel in a form: always the document's current channel, chosen in
// cxChs. Every change is written into the image at once; the grid follows through the
// main window (refresh reason 0), and the grid's changes reload this form (reason 2).
// A channel not in use offers only its receive frequency; typing one creates it with
// what the other controls show.
class TfChsEdit : public QWidget {
    Q_OBJECT

  public:
    explicit TfChsEdit(QWidget* parent = nullptr);
    ~TfChsEdit() override;

    // Shows the current channel.
    void LoadChannel();
    // Writes all controls into the current channel.
    void StoreChannel();
    // Blank defaults: no frequencies, no tones, Wide, boxes unchecked, None, On, no name.
    void ResetControls();
    // Every editing control except eRx and cxChs.
    void EnableControls(bool on);

    QComboBox* cxChs = nullptr;
    QTabWidget* cxChInfo = nullptr;
    QLineEdit* eRx = nullptr;
    QLineEdit* eTX = nullptr;
    ToneSelector* cxRxDcts = nullptr;
    ToneSelector* cxTxDcts = nullptr;
    QComboBox* cxWn = nullptr;
    QComboBox* cxPower = nullptr;
    QLineEdit* cxName = nullptr;
    QComboBox* cxTail = nullptr;
    QComboBox* cxApro = nullptr;
    QCheckBox* cxBclo = nullptr;
    QCheckBox* cxScan = nullptr;
    QCheckBox* cxVox_S = nullptr;
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
    void cxRxDctsDblClick(ToneSelector* selector);
    void cbkzChange();
    void cxNamePropertiesEditValueChanged();

    // Runs the handlers of edits the user typed into but did not commit, before a
    // list changed without taking the focus (the mouse wheel) acts.
    void commitPendingEdits();
    QString storedFrequency(int field) const;

    bool busy = false;
    bool shown = false;
    bool channelGuard = false; // set while LoadChannel selects the channel entry
    bool rxGuard = false;      // re-entry guards of the frequency edits
    bool txGuard = false;
};

// The open channel edit window, or nullptr.
extern TfChsEdit* fChsEdit;
