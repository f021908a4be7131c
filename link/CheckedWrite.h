#pragma once

#include "CloneSession.h"

#include <QPointer>
#include <functional>
#include <memory>

class ReadSession;
class WriteSession;

// A write with its safety steps, run by the write dialog and the command-line tool:
//
//   backup (optional)  read the radio with the same engine into a copy of the document
//                      and hand it over to be saved; any failure stops the job before
//                      anything is written
//   write              the write session's own transfer
//   verify (optional)  read the radio back and compare blocks 0..144 with what was
//                      sent; the first place that differs is kept
//
// The reads run on the writer's port, one session listening at a time, after a pause in
// which the radio comes back from the last transfer. The job ends with finished once.
class CheckedWrite : public QObject {
    Q_OBJECT
  public:
    enum class Stage { Idle, Backup, Write, Verify };
    struct Options {
        bool backup = false;
        bool verify = false;
    };
    // Saves the radio's memory that the backup read; false (after telling the user why)
    // stops the job.
    using SaveBackup = std::function<bool(TALL& radio)>;

    // The pause between two transfers, in milliseconds.
    static constexpr int SettleMs = 1000;

    CheckedWrite(LinkPort& port, WriteSession& writer, TALL& doc, const TMacList& models,
                 const TLanguage& texts, QObject* parent = nullptr);
    ~CheckedWrite() override;

    // The host of the reads (messages and waits), as the writer has it.
    void setHost(CloneSession::Host host);
    void setSettleMs(int ms) { settleMs = ms; }

    // Starts the job on the writer's open port.
    void start(Options options, SaveBackup saveBackup = {});
    // Closing mid-job: the running read stops (its outcome is Cancelled).
    void stop();

    Stage stage() const { return current; }
    CloneResult result() const { return outcome; }
    // Verify: the first image offset at which the radio differs, else -1; radioImage()
    // holds what was read back.
    int mismatchOffset() const { return mismatch; }
    const quint8* radioImage() const;

  signals:
    void stageChanged(CheckedWrite::Stage stage);
    void progressChanged(int value);
    // A failed read asks to close as the read dialog would.
    void closeRequested();
    void finished(CloneResult result);

  private:
    void startRead(Stage stage);
    void readFinished(CloneResult r);
    void written(CloneResult r);
    void startWrite();
    void end(CloneResult r);
    void setStage(Stage s);

    LinkPort& port;
    WriteSession& writer;
    TALL& doc;
    const TMacList& models;
    const TLanguage& texts;
    CloneSession::Host host;
    Options options;
    SaveBackup saveBackup;
    std::unique_ptr<TALL> radio;
    std::unique_ptr<ReadSession> reader;
    Stage current = Stage::Idle;
    CloneResult outcome = CloneResult::Cancelled;
    int mismatch = -1;
    int settleMs = SettleMs;
};
