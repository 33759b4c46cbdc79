// A long run of the main window against a simulated controller on a faulty line: the program as
// it is built (with the internal page), connected to the simulator's port, a telemetry recording
// running, the page and the tabs changing every few seconds, and the simulator unplugged (ended)
// and plugged in again (started on the same port name) once a minute. Prints, each minute, the
// process's memory, its CPU over that minute, the replugs and the reconnections so far and the
// rows recorded; at the end each recording's rows against the time it recorded.
//   guisoak FCSIM PORT MINUTES [FCSIM OPTION...]
#include "benchclock.h"
#include "fclink/link/commrt.h"
#include "fclink/storage/telemetryrecording.h"
#include "processmemory.h"
#include "skydesk/pages/telemetryrecorder.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/toolwidget.h"
#include "ui_toolsettingpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kPageChangeMs = 3000;
constexpr int kMinuteMs = 60 * 1000;
constexpr int kUnpluggedMs = 3000;

// The simulator as a device that can be unplugged and plugged in again.
class Simulator
{
public:
    Simulator(const QString &program, const QString &port, const QStringList &options)
        : m_program(program), m_arguments(QStringList{QStringLiteral("--pty"), port} + options)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Simulator() { unplug(); }

    bool plugIn()
    {
        m_process.start(m_program, m_arguments);
        // Ready once it prints its device.
        return m_process.waitForStarted(5000) && m_process.waitForReadyRead(10000);
    }
    void unplug()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate(); // it removes its port's link on SIGTERM
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QString m_program;
    QStringList m_arguments;
    QProcess m_process;
};

struct RecordingFigures
{
    int rows = 0;
    qint64 spanMs = 0;
    qint64 longestGapMs = 0;
};

RecordingFigures figuresOf(const QString &path)
{
    RecordingFigures figures;
    fclink::TelemetryRecording recording;
    QString error;
    if (!fclink::readTelemetryRecording(path, &recording, &error)) {
        std::printf("  %s: %s\n", qPrintable(path), qPrintable(error));
        return figures;
    }
    figures.rows = recording.rowCount();
    if (figures.rows > 0)
        figures.spanMs = recording.timeMs.last() - recording.timeMs.first();
    for (int i = 1; i < figures.rows; ++i)
        figures.longestGapMs =
            std::max(figures.longestGapMs, recording.timeMs.at(i) - recording.timeMs.at(i - 1));
    return figures;
}

// Shows the next page, and on it the next tab of each tab widget it has.
void changePage(mainWidget *window)
{
    QListWidget *pages = window->connectionBar()->pageList();
    pages->setCurrentRow((pages->currentRow() + 1) % pages->count());
    QWidget *page = window->pageArea()->pageStack()->currentWidget();
    for (QTabWidget *tabs : page->findChildren<QTabWidget *>()) {
        if (tabs->count() > 0)
            tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: guisoak FCSIM PORT MINUTES [FCSIM OPTION...]\n");
        return 2;
    }
    const QString port = QString::fromLocal8Bit(argv[2]);
    const int minutes = QString::fromLocal8Bit(argv[3]).toInt();
    QStringList options;
    for (int i = 4; i < argc; ++i)
        options.append(QString::fromLocal8Bit(argv[i]));
    Simulator simulator(QString::fromLocal8Bit(argv[1]), port, options);
    if (!simulator.plugIn()) {
        std::fprintf(stderr, "guisoak: the simulator does not start\n");
        return 1;
    }

    mainWidget window(nullptr, nullptr, true);
    window.show();
    Commrt *link = window.link();
    ToolSettingPage *tools = window.pageArea()->toolSettingPage();
    QPushButton *record = tools->form()->pushButtonRecord;
    int reads = 0, lost = 0, reopened = 0, replugs = 0;
    QStringList recordings;
    QObject::connect(link, &Commrt::portLost, [&] { ++lost; });
    QObject::connect(link, &Commrt::portReopened, [&] { ++reopened; });
    QObject::connect(link, &Commrt::blockReadAfterOpen, [&] { ++reads; });
    // A lost connection ends a recording; as a pilot would, a new one is started as soon as the
    // connection is back.
    QTimer keepRecording;
    QObject::connect(&keepRecording, &QTimer::timeout, [&] {
        if (record->isEnabled() && !record->isChecked()) {
            record->setChecked(true);
            if (tools->recorder()->isRecording())
                recordings.append(tools->recorder()->filePath());
        }
    });
    keepRecording.start(1000);
    link->setPortName(port);
    link->connectCom();
    runFor(15000, [&] { return reads > 0; });
    if (reads == 0) {
        std::fprintf(stderr, "guisoak: no parameter read from %s\n", qPrintable(port));
        return 1;
    }

    QTimer pageTimer;
    QObject::connect(&pageTimer, &QTimer::timeout, [&] { changePage(&window); });
    pageTimer.start(kPageChangeMs);

    std::printf("%6s %10s %10s %8s %8s %8s %10s\n", "minute", "RSS kB", "CPU %", "replugs", "lost",
                "reopened", "rows");
    long firstMinuteRss = -1;
    long lastRss = -1;
    for (int minute = 1; minute <= minutes; ++minute) {
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        // Unplugged for a moment at the start of each minute after the first.
        if (minute > 1) {
            simulator.unplug();
            runFor(kUnpluggedMs);
            if (!simulator.plugIn())
                std::fprintf(stderr, "guisoak: the simulator does not start again\n");
            ++replugs;
        }
        runFor(int(std::max<qint64>(0, kMinuteMs - wall.elapsed())));
        const double cpu = 100.0 * (cpuSeconds() - cpuBefore) / (wall.elapsed() / 1000.0);
        lastRss = ProcessMemory::totals().rssKb;
        if (minute == 1)
            firstMinuteRss = lastRss;
        int rows = 0;
        for (const QString &path : recordings)
            rows += path == tools->recorder()->filePath() ? tools->recorder()->rowCount()
                                                          : figuresOf(path).rows;
        std::printf("%6d %10ld %10.1f %8d %8d %8d %10d\n", minute, lastRss, cpu, replugs, lost,
                    reopened, rows);
        std::fflush(stdout);
    }
    pageTimer.stop();
    keepRecording.stop();
    record->setChecked(false);

    std::printf("RSS growth after the first minute: %ld kB\n", lastRss - firstMinuteRss);
    std::printf("replugs %d, reconnected %d, connection lost %d times\n", replugs, reopened, lost);
    int rows = 0;
    qint64 spanMs = 0;
    for (const QString &path : recordings) {
        const RecordingFigures figures = figuresOf(path);
        rows += figures.rows;
        spanMs += figures.spanMs;
        std::printf("recording %s: %d rows over %.1f s (%.2f rows/s), longest gap %lld ms\n",
                    qPrintable(path.section(QLatin1Char('/'), -1)), figures.rows,
                    figures.spanMs / 1000.0,
                    figures.spanMs > 0 ? figures.rows * 1000.0 / figures.spanMs : 0.0,
                    static_cast<long long>(figures.longestGapMs));
    }
    std::printf("recordings: %d, %d rows over %.1f s recorded (%.2f rows/s)\n",
                int(recordings.size()), rows, spanMs / 1000.0,
                spanMs > 0 ? rows * 1000.0 / spanMs : 0.0);
    return 0;
}
