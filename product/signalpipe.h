#ifndef PRODUCT_SIGNALPIPE_H
#define PRODUCT_SIGNALPIPE_H

#include <QString>

#include <vector>

// Turns asynchronous signals into bytes on a pipe (the self-pipe trick), so the main loop can
// wait for them in poll() together with the serial line and handle them outside the handler.
// Only one instance may exist at a time.
class SignalPipe
{
public:
    SignalPipe() = default;
    ~SignalPipe();
    SignalPipe(const SignalPipe &) = delete;
    SignalPipe &operator=(const SignalPipe &) = delete;

    // Creates the pipe and installs a handler for each signal.
    bool install(const std::vector<int> &signalNumbers, QString *error);

    // Becomes readable when a signal has arrived.
    int readFd() const { return m_readFd; }

    // The signals received since the last call, oldest first.
    std::vector<int> takeSignals();

private:
    void restoreHandlers();

    int m_readFd = -1;
    int m_writeFd = -1;
    std::vector<int> m_installed;
};

#endif // PRODUCT_SIGNALPIPE_H
