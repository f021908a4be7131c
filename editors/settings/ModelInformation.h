#pragma once

#include "core/AppState.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TMacType;

// The model information dialog: the radio model and the bands a new image is to
// use. Which band rows show, which edges may be changed and the values offered come
// from the model table; the chosen model and bands go into the document's state on
// confirmation (the main window then starts a new image). The dialog never writes
// the memory image. Created for one use, run through Modal::exec.
class TfModel : public QDialog {
    Q_OBJECT

  public:
    explicit TfModel(QWidget* parent = nullptr);

    // Read by the main window after the dialog closed.
    bool isAccepted() const { return accepted; }

    void cxModelPropertiesChange();
    void cxUse_1PropertiesChange(QCheckBox* box);
    void LowerEdgeChanged(int band); // cxFreq_1LPropertiesEditValueChanged .. 4L
    void UpperEdgeChanged(int band); // cxFreq_1HPropertiesEditValueChanged .. 4H
    void btnOkClick();
    void btnCancelClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void layOutRows();
    TBandLimits edgesOf(int band) const;
    void showEdges(int band, const TBandLimits& edges);
    void commitPendingEdges();

    struct BandRow {
        QWidget* panel = nullptr;
        QLabel* label = nullptr;
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
        QCheckBox* use = nullptr;
        TBandLimits limits;       // the model's standard limits: the edges' range
        TBandLimits defaultRange; // what the edges show by default
    };

    QComboBox* cxModel = nullptr;
    std::array<BandRow, 4> rows;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    const TMacType* model = nullptr; // the model selected in the list
    quint8 bandMask = 0;             // its standard band mask
    bool loading = false;
    bool accepted = false;
    bool shown = false;
};
