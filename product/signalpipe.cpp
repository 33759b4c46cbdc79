#include "signalpipe.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the one active pipe; the handler may only touch async-signal-safe things.
volatile sig_atomic_t g_writeFd = -1;

extern "C" void forwardSignal(int signalNumber)
{
    const int savedErrno = errno;
    const int fd = g_writeFd;
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        // A full pipe only loses a repeat of a signal that is already waiting to be handled.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

bool setFlags(int fd, QString *error)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0 ||
        ::fcntl(fd, F_SETFD, FD_CLOEXEC) < 0) {
        *error = QStringLiteral("cannot set up the signal pipe: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

} // namespace

SignalPipe::~SignalPipe()
{
    restoreHandlers();
    g_writeFd = -1;
    if (m_readFd >= 0)
        ::close(m_readFd);
    if (m_writeFd >= 0)
        ::close(m_writeFd);
}

bool SignalPipe::install(const std::vector<int> &signalNumbers, QString *error)
{
    int fds[2];
    if (::pipe(fds) != 0) {
        *error = QStringLiteral("cannot create the signal pipe: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    if (!setFlags(m_readFd, error) || !setFlags(m_writeFd, error))
        return false;
    g_writeFd = m_writeFd;

    for (const int signalNumber : signalNumbers) {
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = forwardSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (::sigaction(signalNumber, &action, nullptr) != 0) {
            *error = QStringLiteral("cannot handle signal %1: %2")
                         .arg(signalNumber)
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        m_installed.push_back(signalNumber);
    }
    return true;
}

std::vector<int> SignalPipe::takeSignals()
{
    std::vector<int> received;
    unsigned char buffer[64];
    for (;;) {
        const ssize_t count = ::read(m_readFd, buffer, sizeof buffer);
        if (count > 0) {
            received.insert(received.end(), buffer, buffer + count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        break; // empty (EAGAIN) or closed
    }
    return received;
}

void SignalPipe::restoreHandlers()
{
    for (const int signalNumber : m_installed)
        ::signal(signalNumber, SIG_DFL);
    m_installed.clear();
}
