#include "interruptwatcher.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_interruptFlag = 0;

extern "C" void noteInterrupt(int)
{
    g_interruptFlag = 1;
}

constexpr int kPollMs = 50;

} // namespace

InterruptWatcher::InterruptWatcher(QObject *parent) : QObject(parent)
{
    g_interruptFlag = 0;
    std::signal(SIGINT, noteInterrupt);
    std::signal(SIGTERM, noteInterrupt);
    connect(&m_poll, &QTimer::timeout, this, &InterruptWatcher::poll);
    m_poll.start(kPollMs);
}

InterruptWatcher::~InterruptWatcher()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool InterruptWatcher::wasInterrupted() const
{
    return g_interruptFlag != 0;
}

void InterruptWatcher::poll()
{
    if (m_reported || !wasInterrupted())
        return;
    m_reported = true;
    emit interrupted();
}
