#include "Interrupt.h"

#include "ExitCode.h"
#include "files/DiskFile.h"

#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t signalled = 0;   // taken by the event loop's poll
volatile std::sig_atomic_t signalCount = 0; // signals since the last reset
volatile std::sig_atomic_t holds = 0;       // transfers and saves under way

void onSignal(int)
{
    // Only flags, write and _exit are safe here.
    if (holds > 0 && signalCount == 0) {
        signalCount = 1;
        signalled = 1;
        return;
    }
    static const char text[] = "\nqz17-cli: interrupted\n";
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, text, sizeof text - 1);
    ::_exit(ExitCode::Interrupted);
}

} // namespace

Interrupt::Interrupt()
{
    SetSaveInterruptCheck([] { return Interrupt::instance().requested(); });
}

Interrupt& Interrupt::instance()
{
    static Interrupt interrupt;
    return interrupt;
}

void Interrupt::catchSignals()
{
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        if (!signalled) return;
        signalled = 0;
        request();
    });
    poll->start(50);
}

bool Interrupt::requested() const
{
    return wasRequested || signalled;
}

void Interrupt::request()
{
    wasRequested = true;
    emit requestedNow();
}

void Interrupt::reset()
{
    wasRequested = false;
    signalled = 0;
    signalCount = 0;
}

Interrupt::Hold::Hold()
{
    holds = holds + 1;
}

Interrupt::Hold::~Hold()
{
    holds = holds - 1;
}
