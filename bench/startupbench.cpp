// Start-up of the main window as the program does it, and the memory of the connected, idle
// program. Prints "name value unit" lines. With a port argument it connects there first.
#include "commrt.h"
#include "mainwidget.h"
#include "mysplashscreen.h"
#include "statuswidget.h"
#include "toolwidget.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Six 200 ms pauses let the splash be seen; they are not start-up work.
constexpr qint64 kSplashPausesMs = 6 * 200;

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    MySplashScreen splash(QPixmap(QStringLiteral(":/images/splash.png")));
    splash.show();
    QApplication::processEvents();
    mainWidget window(&splash);
    window.show();
    splash.finish(&window);
    waitUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }, 5000);
    const qint64 shownMs = clock.elapsed();
    std::printf("%-34s %8lld ms\n", "start-up to shown window", static_cast<long long>(shownMs));
    std::printf("%-34s %8lld ms\n", "start-up less the splash pauses",
                static_cast<long long>(shownMs - kSplashPausesMs));
    std::printf("%-34s %8ld kB\n", "RSS after start-up", residentKilobytes());

    if (argc > 1) {
        window.link()->setPortName(QString::fromLocal8Bit(argv[1]));
        window.link()->connectCom();
        waitUntil([&] { return window.statusBar()->connectionText() == "Connected"; }, 10000);
        waitUntil([] { return false; }, 5000); // idle, telemetry flowing
        std::printf("%-34s %8ld kB\n", "RSS connected and idle (5 s)", residentKilobytes());
        std::printf("%-34s %8s\n", "connection", qPrintable(window.statusBar()->connectionText()));
    }
    return 0;
}
