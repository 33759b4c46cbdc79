#include "fifounblocker.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FifoUnblocker::FifoUnblocker(const QString &path, int delayMsec) : fifoPath(path)
{
    made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (made)
        thread = std::thread([this, delayMsec] { run(delayMsec); });
}

FifoUnblocker::~FifoUnblocker()
{
    stopping = true;
    if (thread.joinable())
        thread.join();
}

void FifoUnblocker::run(int delayMsec)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMsec);
    while (!stopping && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const QByteArray name = QFile::encodeName(fifoPath);
    while (!stopping) {
        // Succeeds only while a reader has the FIFO open, or waits to.
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ++releases;
            ::close(fd); // the reader sees the end of the data
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
