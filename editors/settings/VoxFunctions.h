#pragma once

#include "SettingsWindow.h"

class QComboBox;

// The VOX window: gain, delay and inhibit on receive in settings byte 8.
class TfVoxFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfVoxFun(QWidget* parent = nullptr);
    ~TfVoxFun() override;

    void InitForm();
    void LoadSettings();
    void StoreSettings();
    void ComborPropertiesChange();

  protected:
    void FormShow() override;

  private:
    QComboBox* cxVox = nullptr;
    QComboBox* cxVoxDely = nullptr;
    QComboBox* cxRxDis = nullptr;
};

extern TfVoxFun* fVoxFun;
