#pragma once

#include <QObject>

// Ctrl+C (and SIGTERM) as a notification of the event loop, so that a transfer can
// stop between two exchanges instead of dying in the middle of one.
class Interrupt : public QObject {
    Q_OBJECT
  public:
    static Interrupt& instance();
    // Installs the signal handlers; the program entry calls it once.
    void catchSignals();
    bool requested() const { return wasRequested; }
    // What a signal does; tests call it directly.
    void request();
    void reset() { wasRequested = false; }

  signals:
    void requestedNow();

  private:
    Interrupt() = default;
    bool wasRequested = false;
};
