#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ToneSelector;

// The frequency (VFO) channel window: records 129 ("Freq_Down") and 130 ("Freq_Up")
// in one tab control, plus the tuning step both share. Every change is written into
// the image at once.
//
// The step decides the raster both frequency channels are stored on, so a step change
// re-stores the shown channel from its edits and decodes the other one, which puts it
// on the new raster too.
class TfFreqEdit : public QWidget {
    Q_OBJECT

  public:
    explicit TfFreqEdit(QWidget* parent = nullptr);
    ~TfFreqEdit() override;

    // Shows the record in edit in the controls.
    void LoadFrequencyChannel();
    // Writes all controls into the record in edit.
    void StoreFrequencyChannel();

    int recordInEdit() const { return record; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnCloseClick();
    void cxFreq_TabChange(int index);
    void eReceivePropertiesEditValueChanged();
    void eTXPropertiesEditValueChanged();
    void cxFreqStepPropertiesEditValueChanged(int index);
    void cxRxDctsExit();
    void cxTxDctsExit();
    void cxRxDctsDblClick();
    void cxTxDctsDblClick();
    void cbkzChange();
    void cxBcloClick();

    // Runs the change handler of a frequency edit the user typed into but did not
    // commit (a list changed by the mouse wheel does not take the focus from it).
    void commitPendingEdits();
    void pickTone(ToneSelector* selector);

    QTabWidget* cxFreq = nullptr;
    QWidget* page = nullptr; // the controls, moved into the selected tab
    QLabel* Ldown = nullptr;
    QLabel* Lup = nullptr;
    QLineEdit* eRx = nullptr;
    QLineEdit* eTX = nullptr;
    QComboBox* cxDuplex = nullptr;
    QComboBox* cxFreqStep = nullptr;
    ToneSelector* cxRxDcts = nullptr;
    ToneSelector* cxTxDcts = nullptr;
    QComboBox* cxWn = nullptr;
    QComboBox* cxPower = nullptr;
    QComboBox* cxTail = nullptr;
    QComboBox* cxApro = nullptr;
    QCheckBox* cxBclo = nullptr;
    QCheckBox* cxVox_S = nullptr;
    QPushButton* btnClose = nullptr;

    int record = 129;
    bool busy = false;
    bool shown = false;
    bool rxGuard = false; // re-entry guards of the frequency edits
    bool txGuard = false;
};

extern TfFreqEdit* fFreqEdit;
