#pragma once

#include "SettingsWindow.h"

class QComboBox;
class QListWidget;

// The key window: the functions of the two programmable keys. The hidden list
// cxKey_List names the functions by code; both key lists are rebuilt from it each
// time the window is shown, so they show its translated names, and a key's text is
// looked up among them to find the code to store.
class TfKeyFun : public TSettingsWindow {
    Q_OBJECT

  public:
    explicit TfKeyFun(QWidget* parent = nullptr);
    ~TfKeyFun() override;

  protected:
    void Prepare() override;

  private:
    QComboBox* cxKey1 = nullptr;
    QComboBox* cxKey2 = nullptr;
    QListWidget* cxKey_List = nullptr;
};

extern TfKeyFun* fKeyFun;
