// What the sensor scope costs while it is open: the CPU of the connected main window on the tools
// page with the scope closed, then open on its first choice (three gyro rates over 10 seconds),
// then open on every channel over 60 seconds (the heaviest choice); and the time of one repaint
// of the heaviest picture. Prints "name value unit" lines.
//   scopebench PORT [SECONDS] [--record] [--hold SECONDS]
// --record also records telemetry meanwhile (into the documents folder); --hold keeps the windows
// open at the end, after printing "holding", for a screenshot.
#include "benchclock.h"
#include "fclink/link/commrt.h"
#include "skydesk/pages/scopeplot.h"
#include "skydesk/pages/sensorscopewindow.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/toolwidget.h"
#include "ui_sensorscopewindow.h"
#include "ui_toolsettingpage.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

// The share of one core used while the event loop runs for the given time, and the telemetry
// cycles seen meanwhile.
double cpuShare(Commrt *link, int seconds, int *cycles)
{
    int seen = 0;
    const auto counter = QObject::connect(link, &Commrt::telemetryChanged, [&seen] { ++seen; });
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    runFor(seconds * 1000);
    const double used = cpuSeconds() - before;
    QObject::disconnect(counter);
    *cycles = seen;
    return 100.0 * used / (wall.elapsed() / 1000.0);
}

void chooseEveryChannel(SensorScopeWindow *scope)
{
    QTreeWidget *tree = scope->form()->treeWidgetChannels;
    for (int g = 0; g < tree->topLevelItemCount(); ++g)
        tree->topLevelItem(g)->setCheckState(0, Qt::Checked);
    scope->form()->comboBoxWindow->setCurrentIndex(1); // 60 s
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: scopebench PORT [SECONDS] [--record] [--hold SECONDS]\n");
        return 2;
    }
    const int seconds = arguments.value(2).toInt() > 0 ? arguments.value(2).toInt() : 20;
    const bool record = arguments.contains(QStringLiteral("--record"));
    const int hold = arguments.indexOf(QStringLiteral("--hold")) > 0
                         ? arguments.value(arguments.indexOf(QStringLiteral("--hold")) + 1).toInt()
                         : 0;

    mainWidget window(nullptr);
    window.move(0, 0);
    window.show();
    // As the user does it: pick the port, press Connect.
    QComboBox *ports = window.connectionBar()->portSelector();
    ports->setCurrentIndex(ports->findText(arguments.at(1)));
    window.connectionBar()->connectButton()->click();
    runFor(10000, [&] { return window.link()->isConnected(); });
    if (!window.link()->isConnected()) {
        std::fprintf(stderr, "scopebench: no connection on %s\n", qPrintable(arguments.at(1)));
        return 3;
    }
    window.connectionBar()->pageList()->setCurrentRow(contentWidget::ToolPage);
    ToolSettingPage *page = window.pageArea()->toolSettingPage();
    runFor(3000); // the parameter read and the first cycles

    int cycles = 0;
    const double closed = cpuShare(window.link(), seconds, &cycles);
    std::printf("%-44s %8.2f %% of one core\n", "tools page, scope closed", closed);
    std::printf("%-44s %8.2f per second\n", "telemetry cycles", double(cycles) / seconds);

    if (record)
        page->form()->pushButtonRecord->click();
    page->openSensorScope();
    SensorScopeWindow *scope = page->sensorScope();
    scope->setGeometry(860, 0, 1000, 640);
    runFor(2000);
    const double gyros = cpuShare(window.link(), seconds, &cycles);
    std::printf("%-44s %8.2f %% of one core\n", "tools page, scope open (3 gyro rates, 10 s)",
                gyros);
    std::printf("%-44s %8.2f %% of one core\n", "the scope's share", gyros - closed);
    chooseEveryChannel(scope);
    runFor(2000);
    const double open = cpuShare(window.link(), seconds, &cycles);
    std::printf("%-44s %8.2f %% of one core\n", "tools page, scope open (20 channels, 60 s)", open);
    std::printf("%-44s %8.2f %% of one core\n", "the scope's share", open - closed);

    // The repaint alone, with a full minute of samples behind it.
    ScopePlot *plot = scope->plot();
    for (int i = plot->sampleCount(); i < 300; ++i)
        plot->addSnapshot(i * 0.2, fclink::telemetryNow());
    QImage canvas(plot->size(), QImage::Format_ARGB32_Premultiplied);
    constexpr int kRepaints = 100;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRepaints; ++i)
        plot->render(&canvas);
    const double msPerRepaint = double(timer.nsecsElapsed()) / 1e6 / kRepaints;
    std::printf("%-44s %8.3f ms (%dx%d)\n", "one repaint of the scope's plots", msPerRepaint,
                plot->width(), plot->height());
    std::printf("%-44s %8.2f %% of one core\n", "repaints at the telemetry rate",
                msPerRepaint * (double(cycles) / seconds) / 10.0);

    if (hold > 0) {
        std::printf("holding\n");
        std::fflush(stdout);
        runFor(hold * 1000);
    }
    return 0;
}
