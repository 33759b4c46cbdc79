#ifndef FIFOUNBLOCKER_H
#define FIFOUNBLOCKER_H

#include <QString>

#include <atomic>
#include <thread>

// A FIFO for tests of code that must never open one in a way that waits: once the given delay
// has passed, a thread of its own opens the FIFO for writing whenever a reader waits on it, so
// that a test of a wrong implementation ends (and fails) instead of hanging for good.
class FifoUnblocker
{
public:
    // Makes the FIFO at path; valid() tells whether that worked.
    FifoUnblocker(const QString &path, int delayMsec);
    ~FifoUnblocker();

    bool valid() const { return made; }
    // How often a reader was found waiting and let go.
    int unblocked() const { return releases; }

private:
    void run(int delayMsec);

    QString fifoPath;
    bool made = false;
    std::atomic<bool> stopping{false};
    std::atomic<int> releases{0};
    std::thread thread;
};

#endif // FIFOUNBLOCKER_H
