#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

struct TALL;
struct TLanguage;
class TMacList;
class LinkPort;

// How a clone transfer ended.
enum class CloneResult {
    Done,                 // every block went through
    PortError,            // the port could not be opened, or a transfer not started
    NoAnswer,             // no answer, or a wrong one (timeout, line error, key echo)
    WrongModel,           // the radio is of a model this document cannot go into
    RelatedModelDeclined, // a related model, and the user did not force the write
    Cancelled,            // the dialog was closed (or the program stopped) mid-transfer
    VerifyMismatch,       // read back, the radio holds something else than was written
    BackupNotSaved,       // the radio was read, but its memory could not be saved
};

// One clone transfer with the radio, as the read and write dialogs run it.
//
// Chain: LinkPort (bytes) -> CloneSession (states, receive buffer, timers, outcomes)
// -> the document (TALL). The session never touches a widget: it shows its messages
// and does its fixed waits through the host callbacks and reports progress, the Ok
// button and the wish to close as signals. Everything runs on one thread; the port's
// notifications and the timers arrive through its event loop, and a message box
// shown from a handler runs a nested loop in which further notifications may arrive.
//
// States: 0 idle, 1 waiting for the wake-up acknowledgement, 2 waiting for the
// identification, 3 block phase. Within one transfer only the first error box shows.
class CloneSession : public QObject {
    Q_OBJECT
  public:
    enum class Message { ComError, ModError, ReadOk, WriteOk, LPortError, Modforce };

    struct Host {
        // Shows a text with ShowMessageBox's kind (1 information, 2 Yes/No) and returns
        // its answer (1, or 6 for Yes and 7 for No).
        std::function<int(const QString& text, int kind)> showMessage;
        // A fixed wait that blocks the thread.
        std::function<void(int ms)> sleep;
    };

    static constexpr int BufferSize = 49;  // indices 0..48
    static constexpr int BufferBound = 48; // an exchange completes only up to here
    static constexpr int ProgressMaximum = 144;

    CloneSession(LinkPort& port, TALL& all, const TMacList& models, const TLanguage& texts,
                 QObject* parent = nullptr);
    ~CloneSession() override;

    void setHost(Host host);
    // A message that is recorded (messagesShown) but not shown, e.g. ReadOk while a
    // read is one step of a longer job.
    void setSilenced(Message m, bool on)
    {
        silenced.removeAll(m);
        if (on) silenced << m;
    }
    // Whether the port's notifications reach this session (on from the start). Two
    // sessions on one port take turns: only one may listen.
    void listen(bool on);

    // The dialog's events.
    virtual void FormShow() = 0;
    virtual void btnOkClick() = 0;
    // Closing the dialog closes the port; nothing runs after it.
    void FormClose();

    // The port's notifications.
    void OnTriggerAvail(int count);
    virtual void OnTriggerLineError() = 0;

    // Timer handlers; public so that a test can let a timer expire at once.
    void HeadTimeTimer(); // the handshake timeout is the same both ways
    virtual void TryTimeTimer() = 0;
    void CloseTimeTimer();

    int state() const { return currentState; }
    int progress() const { return progressValue; }
    bool okEnabled() const { return okButtonEnabled; }
    bool errorShown() const { return errorWasShown; }
    quint8 transferKey() const { return key; }
    int blockIndex() const { return block; }
    // Every message shown so far, in order: what a caller without windows tells the
    // outcome of a transfer by.
    const QList<Message>& messagesShown() const { return shown; }
    // Timers by name: "CloseTime", "TryTime", "HeadTime" (and "ReTime" on read).
    QTimer* timer(const QString& name) const;
    // The outcome of the last transfer; valid once finished was emitted.
    CloneResult result() const { return outcome; }
    bool hasFinished() const { return concluded; }

  signals:
    // Once per transfer, after its last message box: how it ended. A read's closing
    // (closeRequested) and a write's second transfer follow independently.
    void finished(CloneResult result);
    void progressChanged(int value);
    void okEnabledChanged(bool enabled);
    void closeRequested();

  protected:
    // SendFrame: the only way a frame leaves. With acknowledge set the first byte goes
    // out as 0x06. Waits in drain steps until the bytes have left. False when the port
    // would not take the frame.
    bool SendFrame(const QByteArray& bytes, int expected, bool acknowledge);
    bool sendEnd();
    bool sendWakeUp();
    // State 1, both ways: an acknowledgement in byte 0 or 1 asks for the identification.
    void wakeUpAnswered();

    void addTimer(QTimer& t, const char* name, int ms, std::function<void()> handler);
    virtual void step() = 0;
    virtual int drainStepMs() const = 0;
    virtual int drainSteps() const = 0;

    // Port set-up when the dialog is shown; on failure LPortError (once) and close.
    void setUpPort(bool closeFirst, bool flush);
    // LPortError for a transfer that could not be started, once per transfer.
    void startFailed();
    // An error box, unless one was shown in this transfer already.
    void showErrorOnce(Message m, const QString& detail = QString());
    // A new transfer starts: no outcome yet.
    void beginTransfer();
    // Reports the outcome, once per transfer.
    void conclude(CloneResult r);
    int message(Message m, const QString& detail = QString());
    void wait(int ms);

    bool receivedAck(int index) const;
    QString identModel() const;
    bool keyEchoMatches() const;

    void setState(int s) { currentState = s; }
    void setProgress(int value);
    void setOkEnabled(bool enabled);

    LinkPort& port;
    TALL& all;
    const TMacList& models;
    const TLanguage& texts;
    Host host;

    std::array<quint8, BufferSize> buffer{};
    int receivedCount = 0;
    int expectedLength = 0;
    bool acknowledgeMode = false;
    int block = -1;
    quint8 key = 0;
    bool errorWasShown = false;

    QTimer CloseTime;
    QTimer TryTime;
    QTimer HeadTime;

  private:
    void lineErrorNotified();

    std::vector<QTimer*> timers;
    QList<Message> shown;
    QList<Message> silenced;
    CloneResult outcome = CloneResult::Cancelled;
    bool concluded = false;
    bool listening = false;
    int currentState = 0;
    int progressValue = 0;
    bool okButtonEnabled = true;
};
