#pragma once

#include "ChannelControls.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
struct DocumentChange;

// The frequency (VFO) channel window: records 129 ("Freq_Down") and 130 ("Freq_Up")
// in one tab control, plus the tuning step both share. Every change is written into
// the image at once, as one step of the document's history named after the tab and
// the control ("Freq_Down: Offset Freq."). Changes made elsewhere (undo and redo, an
// import) reload the record shown.
//
// The step decides the raster both frequency channels are stored on, so a step change
// re-stores the shown channel from its edits and decodes the other one, which puts it
// on the new raster too.
class TfFreqEdit : public QWidget, private ChannelControls {
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
    // cbkzChange, cxBcloClick and the tone selectors' exit: the controls are stored.
    void storeChange(const QWidget* control);
    void documentChanged(const DocumentChange& change);

    // Runs the change handlers of edits the user typed into but did not commit (a list
    // changed by the mouse wheel does not take the focus from them).
    void commitPendingEdits();
    // Runs change as the step of the user's change of control.
    void edit(const QWidget* control, const std::function<void()>& change);

    QTabWidget* cxFreq = nullptr;
    QWidget* page = nullptr; // the controls, moved into the selected tab
    QLabel* Ldown = nullptr;
    QLabel* Lup = nullptr;
    QLabel* lStep = nullptr; // the step text: tab caption, control name
    QComboBox* cxDuplex = nullptr;
    QComboBox* cxFreqStep = nullptr;
    QPushButton* btnClose = nullptr;

    int record = 129;
    bool busy = false;
    bool shown = false;
    bool rxGuard = false; // re-entry guards of the frequency edits
    bool txGuard = false;
};

extern TfFreqEdit* fFreqEdit;
