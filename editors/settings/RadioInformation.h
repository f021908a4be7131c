#pragma once

#include "SettingsWindow.h"

class QLineEdit;
class QPushButton;

// The radio information window: model, bands and write time for reading, and the
// serial number, which is stored keystroke by keystroke when the document permits
// editing it. The loading flag keeps the serial field from storing until the window
// has decoded and while it fills the field.
class TfInfoMsg : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfInfoMsg(QWidget* parent = nullptr);
    ~TfInfoMsg() override;

    void LoadSettings() override;
    void StoreSerial();

    void cxSerialPropertiesChange();
    void btnOkClick();

  protected:
    bool Shows(const DocumentChange& change) const override;

  private:
    QLineEdit* cxModel = nullptr;
    QLineEdit* cxFreq = nullptr;
    QLineEdit* cxSerial = nullptr;
    QLineEdit* cxRadioTime = nullptr;
    QPushButton* btnOk = nullptr;
};

extern TfInfoMsg* fInfoMsg;
