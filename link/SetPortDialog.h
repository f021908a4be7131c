#pragma once

#include "PortNames.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// "Communication Port": twenty COM buttons, of which only the detected ports are
// enabled; on Linux also the other detected devices by name and a path field for
// any device (a pseudo-terminal, a udev symlink). Ok stores the choice as the port
// name; Cancel changes nothing. Detection never opens a device.
class TfSetPort : public QDialog {
    Q_OBJECT
  public:
    using Detector = std::function<QList<DetectedPort>()>;
    explicit TfSetPort(QWidget* parent = nullptr, Detector detect = DetectSerialPorts);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnOkClick();
    void portButtonToggled(bool checked);
    void deviceChosen();
    void pathEdited();
    void uncheckPortButtons();

    Detector detect;
    QGroupBox* cxPort;
    std::array<QRadioButton*, 20> portButtons{};
    QGroupBox* cxDevice;
    QListWidget* cxDeviceList;
    QLabel* lPath;
    QLineEdit* ePath;
    QComboBox* cbCom;
    QLabel* lbName;
    bool shown = false;
};
