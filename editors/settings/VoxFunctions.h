#pragma once

#include "SettingsWindow.h"

// The VOX window: gain, delay and inhibit on receive in settings byte 8.
class TfVoxFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfVoxFun(QWidget* parent = nullptr);
    ~TfVoxFun() override;
};

extern TfVoxFun* fVoxFun;
