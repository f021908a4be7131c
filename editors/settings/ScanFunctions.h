#pragma once

#include "SettingsWindow.h"

class QComboBox;

// The scan window: scan mode and speed, dropout delay and the priority channel,
// whose list offers the memory channels of the current model. A stored speed of 9
// names no item: none is shown, and the field is kept.
class TfScanFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfScanFun(QWidget* parent = nullptr);
    ~TfScanFun() override;

  protected:
    void Prepare() override;

  private:
    QComboBox* cxPriCh = nullptr;
};

extern TfScanFun* fScanFun;
