#pragma once

#include "SettingsWindow.h"

class QLineEdit;

// The optional functions window: the radio's general settings in the settings area
// and the six-character radio name. Any change rewrites every field of the window
// from its control, each field into its own bits only.
class TfOptFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfOptFun(QWidget* parent = nullptr);
    ~TfOptFun() override; // FormDestroy

    void LoadSettings() override;
    void StoreSettings() override;

    void cxNamePropertiesEditValueChanged();

  private:
    QLineEdit* cxName = nullptr;
};

extern TfOptFun* fOptFun;
