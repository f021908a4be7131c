#pragma once

#include "CloneSession.h"

// Writing the document into the radio: handshake, the model outcome (wrong, same,
// related with a question, key mismatch), the time stamp, 145 block writes, end byte.
// The time stamp is the only change a write makes to the document.
class WriteSession : public CloneSession {
    Q_OBJECT
  public:
    using CloneSession::CloneSession;

    void FormShow() override;
    void btnOkClick() override;
    void OnTriggerLineError() override;
    void TryTimeTimer() override;

  protected:
    void step() override;
    int drainStepMs() const override { return 50; }
    int drainSteps() const override { return 100; }

  private:
    void identified();
    void stampAndStart();
    void finish();
};
