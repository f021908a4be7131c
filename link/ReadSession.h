#pragma once

#include "CloneFrames.h"
#include "CloneSession.h"

#include <array>

// Reading the radio's memory: handshake, 146 block requests, end byte. The blocks
// gather in a copy; only a complete transfer puts blocks 0..144 into the document
// and runs the load processing. One automatic restart follows a first line error.
class ReadSession : public CloneSession {
    Q_OBJECT
  public:
    ReadSession(LinkPort& port, TALL& all, const TMacList& models, const TLanguage& texts,
                QObject* parent = nullptr);

    void FormShow() override;
    void btnOkClick() override;
    void OnTriggerLineError() override;
    void TryTimeTimer() override;
    void ReTimeTimer();

    // The transfer completed and the document was replaced.
    bool success() const { return succeeded; }
    QString radioModelId() const { return radioModel; }
    // The blocks as the radio sent them, before the load processing; complete only
    // after a successful transfer.
    const quint8* blocksRead() const { return readCopy.data(); }

  protected:
    void step() override;
    int drainStepMs() const override { return 20; }
    int drainSteps() const override { return 50; }

  private:
    void finish();

    QTimer ReTime;
    bool retryAllowed = false;
    bool succeeded = false;
    QString radioModel;
    std::array<quint8, 16 * Clone::ReadBlockCount> readCopy{};
};
