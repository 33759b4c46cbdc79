// Measures the link against a flight controller (normally the simulator): frames and time from
// opening the port to the end of the parameter read, from an upload request to its last
// acknowledgement and to the end of its verification, whether the edit is still there a second
// later, telemetry cycles per second, and, given the simulator's process id, the time a silence
// takes to be reported as a lost connection (about 2.7 s on the link's real clock) and the frames
// it takes to read the block again after it. Prints one "name value unit" line each.
#include "fclink/link/commrt.h"
#include "fclink/model/uavparam.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>
#include <mutex>
#include <sys/types.h>

namespace {

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%-28s %10.1f %s\n", name, value, unit);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: linkbench PORT [TELEMETRY_SECONDS [FCSIM_PID]]\n");
        return 2;
    }
    const int telemetrySeconds = argc > 2 ? std::atoi(argv[2]) : 5;
    const pid_t simulator = argc > 3 ? static_cast<pid_t>(std::atol(argv[3])) : 0;
    Commrt *link = Commrt::createClass();
    link->start();

    bool read = false;
    bool uploaded = false;
    bool verified = false;
    bool verifiedOk = false;
    int cycles = 0;
    QObject::connect(link, &Commrt::parametersChanged, [&] { read = true; });
    QObject::connect(link, &Commrt::statusChangedText, [&](quint16 code) {
        if (code == 4)
            uploaded = true;
    });
    QObject::connect(link, &Commrt::telemetryChanged, [&] { ++cycles; });
    QObject::connect(link, &Commrt::uploadVerified, [&](bool ok) {
        verified = true;
        verifiedOk = ok;
    });

    QElapsedTimer timer;
    link->setPortName(QString::fromLocal8Bit(argv[1]));
    timer.start();
    link->connectCom();
    if (!waitFor([&] { return read; }, 15000)) {
        std::fprintf(stderr, "linkbench: no parameter read\n");
        return 4;
    }
    print("read: ms open->parameters", timer.elapsed(), "ms");
    print("read: frames", link->counters().framesWritten, "frames");

    const quint64 beforeUpload = link->counters().framesWritten;
    quint16 edited = 0;
    {
        std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
        uavParam.LimitAlt = static_cast<quint16>(uavParam.LimitAlt + 7);
        uavParam.spare98 = static_cast<quint8>(uavParam.spare98 + 1);
        edited = uavParam.LimitAlt;
    }
    timer.restart();
    link->setSubframeHead(1);
    if (!waitFor([&] { return uploaded; }, 15000)) {
        std::fprintf(stderr, "linkbench: upload did not finish\n");
        return 4;
    }
    print("upload: ms request->status4", timer.elapsed(), "ms");
    print("upload: frames", link->counters().framesWritten - beforeUpload, "frames");
    if (!waitFor([&] { return verified; }, 15000)) {
        std::fprintf(stderr, "linkbench: the upload was not verified\n");
        return 4;
    }
    print("upload+verify: ms", timer.elapsed(), "ms");
    print("upload+verify: frames", link->counters().framesWritten - beforeUpload, "frames");
    print("upload+verify: controller holds it", verifiedOk ? 1 : 0, "(1 yes, 0 no)");
    waitFor([] { return false; }, 1000);
    {
        std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
        print("edit kept a second later", uavParam.LimitAlt == edited ? 1 : 0, "(1 yes, 0 no)");
    }

    cycles = 0;
    const quint64 beforeTelemetry = link->counters().framesWritten;
    timer.restart();
    waitFor([] { return false; }, telemetrySeconds * 1000);
    const double seconds = timer.elapsed() / 1000.0;
    print("telemetry: cycles per second", cycles / seconds, "cycles/s");
    print("telemetry: frames per second",
          (link->counters().framesWritten - beforeTelemetry) / seconds, "frames/s");
    print("replies rejected (checksum)", link->counters().repliesRejected, "frames");

    if (simulator > 0) {
        // The controller falls silent for longer than the time-out, then answers again.
        bool lost = false;
        QObject::connect(link, &Commrt::connectionChanged, [&](bool connected) {
            if (!connected)
                lost = true;
        });
        timer.restart();
        ::kill(simulator, SIGUSR1);
        if (waitFor([&] { return lost; }, 10000))
            print("loss: ms to the report", timer.elapsed(), "ms");
        waitFor([] { return false; }, 300);
        read = false;
        const quint64 beforeRecovery = link->counters().framesWritten;
        timer.restart();
        ::kill(simulator, SIGUSR2);
        if (waitFor([&] { return read; }, 15000)) {
            print("recovery: frames to the new read",
                  link->counters().framesWritten - beforeRecovery, "frames");
            print("recovery: ms", timer.elapsed(), "ms");
        }
    }

    link->disconnectCom();
    link->stop();
    Commrt::destroyClass(link);
    return 0;
}
