#pragma once

#include <QObject>

// Ctrl+C (and SIGTERM). While a transfer or a save is under way (a Hold is alive), a
// signal becomes a notification of the event loop and a request the save routine looks
// at, so that a transfer stops between two exchanges and a save is cancelled before it
// replaces the old file. At any other moment (a question waiting for its answer, a pause
// between two transfers) nothing is half done and the program ends at once with exit
// code 130. A second signal during a Hold ends it at once too.
class Interrupt : public QObject {
    Q_OBJECT
  public:
    static Interrupt& instance();
    // Installs the signal handlers; the program entry calls it once.
    void catchSignals();
    // A signal arrived (or a test asked) and was not yet dealt with by a reset.
    bool requested() const;
    // What a signal does during a Hold; tests call it directly.
    void request();
    void reset();

    // Marks a transfer or a save as under way for as long as it lives.
    class Hold {
      public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    };

  signals:
    void requestedNow();

  private:
    Interrupt();
    bool wasRequested = false;
};
