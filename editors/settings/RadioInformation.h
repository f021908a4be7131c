#pragma once

#include "SettingsWindow.h"

class QLineEdit;
class QPushButton;

// The radio information window: model, bands and write time for reading, and the
// serial number, which is stored keystroke by keystroke when the document permits
// editing it.
class TfInfoMsg : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfInfoMsg(QWidget* parent = nullptr);
    ~TfInfoMsg() override;

    void InitForm();
    void LoadSettings();
    void StoreSerial();

    void cxSerialPropertiesChange();
    void btnOkClick();

  protected:
    void FormShow() override;

  private:
    // Setting the serial text while loading must not store it.
    enum class SerialState { Initial, Loading, Ready };

    QLineEdit* cxModel = nullptr;
    QLineEdit* cxFreq = nullptr;
    QLineEdit* cxSerial = nullptr;
    QLineEdit* cxRadioTime = nullptr;
    QPushButton* btnOk = nullptr;
    SerialState serialState = SerialState::Initial;
};

extern TfInfoMsg* fInfoMsg;
