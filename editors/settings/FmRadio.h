#pragma once

#include "SettingsWindow.h"

class CellGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// The FM broadcast window: the tuned frequency, the twenty FM memory channels in a
// grid (channels 1-10 in column 2, 11-20 in column 4), FM step and volume, and the
// band bounds the radio scans. Decoding a channel or the tuned frequency puts an
// out-of-bound value back to the lower bound in the image at once; that correction
// is no change of the document and no step of its history. A typed bound is, and
// re-checks every channel against the new bounds in the same step.
class TfFmFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfFmFun(QWidget* parent = nullptr);
    ~TfFmFun() override;

    void SetupGrid();
    void LoadChannels();
    void LoadSettings() override;

    void eRxPropertiesEditValueChanged();
    void gvDataSetForeText(int col, int row, QString& value);
    void gvDataKeyPress(QString& text);
    void gvDataMouseDown();
    void cxFM_MinPropertiesValidate();
    void cxFM_MaxPropertiesValidate();

  protected:
    void Prepare() override;
    bool Shows(const DocumentChange& change) const override;

  private:
    void showBounds();
    // Stores the bound typed into edit with store, which returns what the edit shows.
    void storeBound(QLineEdit* edit, double (*store)(TALL&, double entered, double other),
                    double (*other)(const TALL&));
    QString notANumber(const QString& text) const;
    static int channelOfCell(int col, int row); // 0 for a cell that holds no channel

    QTabWidget* cxChInfo = nullptr;
    QLineEdit* cxRx = nullptr;
    QComboBox* cxFMStep = nullptr;
    QComboBox* cxFMVol = nullptr;
    QLineEdit* cxFM_Min = nullptr;
    QLineEdit* cxFM_Max = nullptr;
    QLineEdit* cxLine = nullptr;
    CellGrid* gvData = nullptr;
    QLabel* LNo = nullptr;
    QLabel* LFreq = nullptr;
    QLabel* lNotNumber = nullptr;
    bool rxBusy = false; // while the tuned frequency edit gets its normalised text back
};

extern TfFmFun* fFmFun;
