#pragma once

#include "CloneDialog.h"

// "Write data to radio". Run it with Modal::exec; it reports nothing back. A write
// changes the document's time stamp only.
class TfWriteRadio : public CloneDialog {
    Q_OBJECT
  public:
    explicit TfWriteRadio(QWidget* parent = nullptr);
};
