#pragma once

#include "CloneDialog.h"

class ReadSession;

// "Read data From radio". Run it with Modal::exec; afterwards success() says whether
// the read completed and replaced the document (marked modified, the radio's model).
class TfReadRadio : public CloneDialog {
    Q_OBJECT
  public:
    explicit TfReadRadio(QWidget* parent = nullptr);
    bool success() const;

  protected:
    bool succeeded() const override { return success(); }

  private:
    ReadSession* reader;
};
