#pragma once

#include "SettingsWindow.h"

class QComboBox;

// The scan window: scan mode and speed, dropout delay and the priority channel,
// whose list offers the memory channels of the current model.
class TfScanFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfScanFun(QWidget* parent = nullptr);
    ~TfScanFun() override;

    void InitForm();
    void LoadSettings();
    void StoreSettings();
    void ComborPropertiesChange();

  protected:
    void FormShow() override;

  private:
    QComboBox* cxScanMode = nullptr;
    QComboBox* cxScanRate = nullptr;
    QComboBox* cxScanDely = nullptr;
    QComboBox* cxPriCh = nullptr;
};

extern TfScanFun* fScanFun;
