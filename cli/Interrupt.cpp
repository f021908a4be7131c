#include "Interrupt.h"

#include <QTimer>

#include <csignal>

namespace {

volatile std::sig_atomic_t signalled = 0;

void onSignal(int)
{
    // Only a flag is safe here; the event loop looks at it.
    signalled = 1;
}

} // namespace

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

void Interrupt::request()
{
    wasRequested = true;
    emit requestedNow();
}
