#pragma once

#include "CloneDialog.h"

class ReadSession;

struct TALL;

// "Read data From radio". Run it with Modal::exec; afterwards success() says whether
// the read completed and replaced the document (marked modified, the radio's model).
// Given a target, the read goes there and the document stays as it is (a comparison
// with what the radio holds).
class TfReadRadio : public CloneDialog {
    Q_OBJECT
  public:
    explicit TfReadRadio(QWidget* parent = nullptr, TALL* target = nullptr);
    bool success() const;

  protected:
    bool succeeded() const override { return success(); }

  private:
    ReadSession* reader;
};
