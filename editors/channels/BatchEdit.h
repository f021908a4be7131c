#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct BatchFillOptions;

// The batch channel editor: fills (or clears) a range of memory channels in one run
// with "&Ok", one step of the document's history ("Batch fill 1-32"), and keeps its
// settings while open so a fill can be repeated. The fill itself is FillChannels in the
// core; this window only gathers its options and applies the enabling rules and value
// corrections of its edits. It shows nothing of the document, so changes made elsewhere
// leave it as it is.
class TfBatch : public QWidget {
    Q_OBJECT

  public:
    explicit TfBatch(QWidget* parent = nullptr);
    ~TfBatch() override;

    // The options the controls describe, as "&Ok" passes them to the fill.
    BatchFillOptions FillOptions() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnOkClick();
    void btnCancelClick();
    void cxAllClick();
    void cxTx_defClick();
    void cxTx_Dcts_defClick();
    void cxRx_RanClick();
    void cxRx_freqPropertiesEditValueChanged();
    void cxTx_FreqPropertiesEditValueChanged();
    void stepPropertiesEditValueChanged(QLineEdit* edit);
    void spacePropertiesEditValueChanged(QLineEdit* edit);
    void cxFromPropertiesValidate();

    // Runs the commit handler of every edit typed into but not yet committed.
    void commitPendingEdits();

    QRadioButton* cxAll = nullptr;
    QRadioButton* cxChs = nullptr;
    QSpinBox* cxFrom = nullptr;
    QSpinBox* cxTo = nullptr;
    QCheckBox* cxClear = nullptr;

    QLineEdit* cxRx_freq = nullptr;
    QLineEdit* cxRx_Step = nullptr;
    QRadioButton* cxRx_asc = nullptr;
    QRadioButton* cxRx_dec = nullptr;

    QRadioButton* cxTx_def = nullptr;
    QRadioButton* cxTx_Exc = nullptr;
    QLineEdit* cxExc_Freq = nullptr;
    QRadioButton* cxDup_add = nullptr;
    QRadioButton* cxDup_Dec = nullptr;
    QRadioButton* cxTx_Self = nullptr;
    QLineEdit* cxTx_Freq = nullptr;
    QLineEdit* cxTx_step = nullptr;
    QRadioButton* cxTx_asc = nullptr;
    QRadioButton* cxTx_dec = nullptr;

    QComboBox* cxRx_Dcts = nullptr;
    QCheckBox* cxRx_Ran = nullptr;
    QLineEdit* cxRx_Dcts_step = nullptr;
    QRadioButton* cxRx_Dcts_asc = nullptr;
    QRadioButton* cxRx_Dcts_dec = nullptr;

    QRadioButton* cxTx_Dcts_def = nullptr;
    QRadioButton* cxTx_Dcts_self = nullptr;
    QComboBox* cxTx_Dcts = nullptr;
    QCheckBox* cxTx_ran = nullptr;
    QLineEdit* cxTx_Dcts_step = nullptr;
    QRadioButton* cxTx_Dcts_asc = nullptr;
    QRadioButton* cxTx_Dcts_dec = nullptr;

    QComboBox* cxPower = nullptr;
    QComboBox* cxWn = nullptr;
    QComboBox* cxApro = nullptr;
    QLineEdit* cxName = nullptr;
    QCheckBox* cxUse_Chs = nullptr;
    QCheckBox* cxBclo = nullptr;
    QCheckBox* cxVox = nullptr;
    QCheckBox* cxScan = nullptr;
    QCheckBox* cxTxRev = nullptr;

    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    // The step texts of a fill and of a clearing: first and last channel.
    QLabel* lStepFill = nullptr;
    QLabel* lStepClear = nullptr;

    bool shown = false;
};

extern TfBatch* fBatch;
