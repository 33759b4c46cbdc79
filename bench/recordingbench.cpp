// What the recording viewer costs on a long recording: an 8-hour recording (140,000 rows at 4.8
// cycles a second, every column moving) is written, then opened in a viewer window. Prints the
// time to a shown window with its plots drawn, the memory the recording takes against the file's
// size, the time of a redraw after zooming and moving (with the default channels and with all
// twenty), of a cursor move, and the CPU while nothing moves. Prints "name value unit" lines.
//   recordingbench [ROWS]
//   recordingbench --show FILE SECONDS [en|zh|ge]
// --show opens FILE in the viewer in that language, zoomed in on its middle, with the cursor in
// the middle of the plots, for a look at it (run it on a display).
#include "benchclock.h"
#include "fclink/storage/telemetrycsv.h"
#include "processmemory.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/recordings/recordingplot.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "ui_recordingviewerwindow.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using Channel = ChannelPlot::Channel;

void print(const char *name, double value, const char *unit)
{
    std::printf("%-48s %10.2f %s\n", name, value, unit);
}

// A flight's worth of telemetry: a battery that sags, attitude and rates with noise and now and
// then a gust, the heading going round, switches that change.
fclink::TelemetrySnapshot cycle(int row, QRandomGenerator &random)
{
    const double t = row * 0.206;
    const auto noise = [&random](double size) { return (random.generateDouble() - 0.5) * size; };
    fclink::TelemetrySnapshot snapshot = {};
    for (int i = 0; i < kRcChannelCount; ++i)
        snapshot.rcChannels[i] = qint16(std::lround(600.0 * std::sin(t / (20.0 + 7 * i))));
    snapshot.rcChannels[6] = qint16((row / 600) % 3 * 600 - 600);
    const double gust = row % 5000 < 40 ? 15.0 : 0.0;
    snapshot.roll = std::round((5.0 * std::sin(t / 9.0) + noise(2.0) + gust) * 10.0) / 10.0;
    snapshot.pitch = std::round((4.0 * std::cos(t / 11.0) + noise(2.0)) * 10.0) / 10.0;
    snapshot.heading = std::round(std::fmod(t * 0.7, 360.0) * 10.0) / 10.0;
    snapshot.sensors.gyroX = float(std::round((noise(30.0) + 3 * gust) * 10.0) / 10.0);
    snapshot.sensors.gyroY = float(std::round(noise(30.0) * 10.0) / 10.0);
    snapshot.sensors.gyroZ = float(std::round(noise(10.0) * 10.0) / 10.0);
    snapshot.sensors.accX = float(std::round(noise(1.0) * 100.0) / 100.0);
    snapshot.sensors.accY = float(std::round(noise(1.0) * 100.0) / 100.0);
    snapshot.sensors.accZ = float(std::round((9.81 + noise(0.6)) * 100.0) / 100.0);
    snapshot.sensors.altitude =
        float(std::round((40.0 + 30.0 * std::sin(t / 300.0)) * 10.0) / 10.0);
    snapshot.sensors.compassError = quint8(random.bounded(20));
    snapshot.voltage = qint16(1260 - row * 210 / 140000 + random.bounded(4));
    return snapshot;
}

bool writeRecording(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator random(27);
    QByteArray csv = fclink::telemetryCsvHeader();
    for (int row = 0; row < rows; ++row)
        csv += fclink::telemetryCsvRow(qint64(row) * 206, cycle(row, random));
    return file.write(csv) == csv.size();
}

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void movePointer(QWidget *widget, const QPointF &at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at.toPoint()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

int timersOf(QObject *root)
{
    QList<QObject *> objects = root->findChildren<QObject *>();
    objects.prepend(root);
    int timers = 0;
    for (QObject *object : objects) {
        for (const auto &timer : QAbstractEventDispatcher::instance()->registeredTimers(object)) {
            std::printf("  timer of %s %s: every %d ms\n", object->metaObject()->className(),
                        qPrintable(object->objectName()), timer.interval);
            ++timers;
        }
    }
    return timers;
}

RecordingViewerWindow *openAndWait(const QString &path)
{
    RecordingViewerWindow *window = RecordingViewerWindow::open(path, nullptr);
    window->resize(1180, 680);
    runFor(60000, [window] { return !window->isReading() && window->isVisible(); });
    return window;
}

struct Timings
{
    double median = 0.0;
    double longest = 0.0;
};

// The time of each step with the synchronous repaint after it (and the window's table of figures
// for the span), over several steps.
template <typename Step> Timings repaintsAfter(RecordingPlot *plot, int steps, Step step)
{
    QVector<double> ms;
    for (int i = 0; i < steps; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        plot->repaint();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.last()};
}

void printTimings(const char *name, const Timings &timings)
{
    char label[96];
    std::snprintf(label, sizeof label, "%s, median", name);
    print(label, timings.median, "ms");
    std::snprintf(label, sizeof label, "%s, longest", name);
    print(label, timings.longest, "ms");
}

void measureRedraws(RecordingPlot *plot, const char *choice)
{
    const double middle = (plot->view().firstMs() + plot->view().lastMs()) / 2.0;
    char name[96];
    plot->fit();
    std::snprintf(name, sizeof name, "zoom in, whole to 1 min (%s)", choice);
    printTimings(name, repaintsAfter(plot, 24, [&](int) { plot->zoom(0.8, middle); }));
    std::snprintf(name, sizeof name, "move by a tenth at 1 min (%s)", choice);
    printTimings(name, repaintsAfter(plot, 20, [&](int) { plot->move(plot->view().span() / 10); }));
    plot->fit();
    std::snprintf(name, sizeof name, "move at half the recording (%s)", choice);
    plot->zoom(0.5, middle);
    printTimings(name, repaintsAfter(plot, 20, [&](int i) {
                     plot->move((i % 2 ? -1 : 1) * plot->view().span() / 10);
                 }));
    plot->fit();
    std::snprintf(name, sizeof name, "whole recording, zoom out to it (%s)", choice);
    printTimings(name, repaintsAfter(plot, 10, [&](int i) {
                     if (i % 2)
                         plot->fit();
                     else
                         plot->zoom(0.95, middle);
                 }));
}

int bench(int rows)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("telemetry_8h.csv"));
    if (!writeRecording(path, rows)) {
        std::fprintf(stderr, "recordingbench: cannot write %s\n", qPrintable(path));
        return 2;
    }
    const double fileKb = QFileInfo(path).size() / 1024.0;
    print("rows", rows, "");
    print("file size", fileKb / 1024.0, "MiB");

    // What any first window costs (fonts, style, help document) is not the recording's.
    const QString small = folder.filePath(QStringLiteral("telemetry_1min.csv"));
    if (writeRecording(small, 300))
        delete openAndWait(small);
    runFor(500);

    const long residentBefore = ProcessMemory::totals().rssKb;
    const long peakBefore = peakResidentKb();
    QElapsedTimer timer;
    timer.start();
    RecordingViewerWindow *window = openAndWait(path);
    const double readMs = timer.nsecsElapsed() / 1e6;
    window->plot()->repaint();
    const double openMs = timer.nsecsElapsed() / 1e6;
    if (window->plot()->recording().rowCount() != rows) {
        std::fprintf(stderr, "recordingbench: read %d rows of %d\n",
                     window->plot()->recording().rowCount(), rows);
        return 1;
    }
    print("open: read, until the window is shown", readMs, "ms");
    print("open: until its plots are drawn", openMs, "ms");
    const long residentAfter = ProcessMemory::totals().rssKb;
    print("memory held for the recording", (residentAfter - residentBefore) / 1024.0, "MiB");
    print("  against the file's size", (residentAfter - residentBefore) / fileKb, "x");
    if (peakBefore > 0) {
        const long peak = peakResidentKb();
        print("peak while reading, against the file's size",
              (std::max(peak, peakBefore) - residentBefore) / fileKb, "x");
    }

    RecordingPlot *plot = window->plot();
    std::printf("plots %d x %d pixels\n", plot->width(), plot->height());
    measureRedraws(plot, "4 channels");
    QVector<Channel> every;
    for (int channel = 0; channel < fclink::kTelemetryChannelCount; ++channel)
        every.append(Channel(channel));
    window->form()->treeWidgetChannels->setChosen(every);
    measureRedraws(plot, "20 channels");

    plot->fit();
    plot->repaint();
    const Timings cursor = repaintsAfter(plot, 50, [plot](int i) {
        movePointer(plot, QPointF(100 + i * 10, plot->height() / 2.0));
    });
    printTimings("cursor move (20 channels)", cursor);

    runFor(500); // what the views put off until the event loop runs
    print("timers running in the viewer", timersOf(window), "");
    // A bare event loop: runFor() would wake it every 50 ms itself.
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop idle;
    QTimer::singleShot(5000, &idle, &QEventLoop::quit);
    idle.exec();
    print("CPU while nothing moves (5 s)",
          100.0 * (cpuSeconds() - before) / (wall.elapsed() / 1000.0), "% of one core");
    delete window;
    return 0;
}

int show(const QStringList &arguments)
{
    const QString path = arguments.value(2);
    const int seconds = std::max(1, arguments.value(3).toInt());
    const QString language = arguments.value(4, QStringLiteral("en"));
    const quint8 code = language == QLatin1String("zh")   ? AppSettings::Chinese
                        : language == QLatin1String("ge") ? AppSettings::German
                                                          : AppSettings::English;
    QTranslator translator;
    if (translator.load(AppSettings::translationFile(code)))
        QCoreApplication::installTranslator(&translator);
    RecordingViewerWindow *window = openAndWait(path);
    if (!window->isVisible())
        return 1;
    window->move(0, 0);
    using C = Channel;
    window->form()->treeWidgetChannels->setChosen(
        {C::Roll, C::Pitch, C::GyroX, C::GyroY, C::GyroZ, C::Altitude, C::Voltage});
    RecordingPlot *plot = window->plot();
    const double middle = (plot->view().firstMs() + plot->view().lastMs()) / 2.0;
    plot->showSpan(middle - 30000.0, middle + 30000.0);
    runFor(300);
    movePointer(plot, QPointF(plot->width() * 0.55, plot->height() / 2.0));
    std::printf("holding\n");
    std::fflush(stdout);
    runFor(seconds * 1000);
    delete window;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--show"))
        return show(arguments);
    const int rows = arguments.value(1).toInt() > 0 ? arguments.value(1).toInt() : 140000;
    return bench(rows);
}
