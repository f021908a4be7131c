#pragma once

#include "SettingsWindow.h"

class QComboBox;
class QLineEdit;

// The optional functions window: the radio's general settings in the settings area
// and the six-character radio name. Any change rewrites every field of the window
// from its control, each field into its own bits only.
class TfOptFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfOptFun(QWidget* parent = nullptr);
    ~TfOptFun() override; // FormDestroy

    void InitForm();
    void LoadSettings();
    void StoreSettings();

    void ComborPropertiesChange();
    void cxNamePropertiesEditValueChanged();

  protected:
    void FormShow() override;

  private:
    QComboBox* cxMode = nullptr;
    QComboBox* cxShow = nullptr;
    QComboBox* cxSQL = nullptr;
    QComboBox* cxTOT = nullptr;
    QComboBox* cxGroup = nullptr;
    QComboBox* cxRate = nullptr;
    QComboBox* cxKeyTone = nullptr;
    QComboBox* cxAlt = nullptr;
    QComboBox* cxLamp = nullptr;
    QComboBox* cxOpens = nullptr;
    QComboBox* cx1750 = nullptr;
    QComboBox* cxKeyLock = nullptr;
    QComboBox* cxBatTx = nullptr;
    QComboBox* cxVol = nullptr;
    QComboBox* cxAPO = nullptr;
    QLineEdit* cxName = nullptr;
};

extern TfOptFun* fOptFun;
