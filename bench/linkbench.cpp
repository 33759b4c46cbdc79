// Measures the link against a flight controller (normally the simulator): frames and time from
// opening the port to the end of the parameter read, from an upload request to its last
// acknowledgement, and telemetry cycles per second. Prints one "name value unit" line each.
#include "commrt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>

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
        std::fprintf(stderr, "usage: linkbench PORT [TELEMETRY_SECONDS]\n");
        return 2;
    }
    const int telemetrySeconds = argc > 2 ? std::atoi(argv[2]) : 5;
    Commrt *link = Commrt::createClass();
    link->start();

    bool read = false;
    bool uploaded = false;
    int cycles = 0;
    QObject::connect(link, &Commrt::parametersChanged, [&] { read = true; });
    QObject::connect(link, &Commrt::statusChangedText, [&](quint16 code) {
        if (code == 4)
            uploaded = true;
    });
    QObject::connect(link, &Commrt::telemetryChanged, [&] { ++cycles; });

    QElapsedTimer timer;
    link->setPortName(QString::fromLocal8Bit(argv[1]));
    timer.start();
    link->connectCom();
    if (!waitFor([&] { return read; }, 15000)) {
        std::fprintf(stderr, "linkbench: no parameter read\n");
        return 4;
    }
    print("read: ms open->parameters", timer.elapsed(), "ms");
    print("read: frames", link->framesWritten(), "frames");

    const quint64 beforeUpload = link->framesWritten();
    timer.restart();
    link->setSubframeHead(1);
    if (!waitFor([&] { return uploaded; }, 15000)) {
        std::fprintf(stderr, "linkbench: upload did not finish\n");
        return 4;
    }
    print("upload: ms request->status4", timer.elapsed(), "ms");
    print("upload: frames", link->framesWritten() - beforeUpload, "frames");

    cycles = 0;
    const quint64 beforeTelemetry = link->framesWritten();
    timer.restart();
    waitFor([] { return false; }, telemetrySeconds * 1000);
    const double seconds = timer.elapsed() / 1000.0;
    print("telemetry: cycles per second", cycles / seconds, "cycles/s");
    print("telemetry: frames per second", (link->framesWritten() - beforeTelemetry) / seconds,
          "frames/s");
    print("replies rejected (checksum)", link->repliesRejected(), "frames");

    link->disconnectCom();
    link->stop();
    Commrt::destroyClass(link);
    return 0;
}
