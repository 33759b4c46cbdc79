// The CPU the connected, idle program costs with each page shown: the main window as the program
// builds it (with the internal page), connected to the controller at the given port, each page
// shown in turn for the given seconds with telemetry flowing and nobody touching anything.
// Prints one line per page: its CPU as a share of one core (all threads of the process), and the
// telemetry cycles per second that reached it.
//   pagecpubench PORT [SECONDS [PAGE ROW...]]   (rows 0 Setting, 1 Tool, 2 Info, 3 Internal)
#include "benchclock.h"
#include "fclink/link/commrt.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/toolwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QStackedWidget>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pagecpubench PORT [SECONDS [PAGE ROW...]]\n");
        return 2;
    }
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 20;
    mainWidget window(nullptr, nullptr, true);
    window.show();
    window.link()->setPortName(QString::fromLocal8Bit(argv[1]));
    window.link()->connectCom();
    int reads = 0;
    QObject::connect(window.link(), &Commrt::parametersChanged, [&] { ++reads; });
    runFor(10000, [&] { return reads > 0; });
    if (reads == 0) {
        std::fprintf(stderr, "pagecpubench: no parameter read from %s\n", argv[1]);
        return 1;
    }
    int cycles = 0;
    QObject::connect(window.link(), &Commrt::telemetryChanged, [&] { ++cycles; });

    QListWidget *pages = window.connectionBar()->pageList();
    QList<int> rows;
    for (int i = 3; i < argc; ++i)
        rows.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (rows.isEmpty()) {
        for (int page = 0; page < pages->count(); ++page)
            rows.append(page);
    }
    for (int page : qAsConst(rows)) {
        pages->setCurrentRow(page);
        runFor(2000); // settle: first paint of the page, the plot filling
        cycles = 0;
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(seconds * 1000);
        const double elapsed = wall.elapsed() / 1000.0;
        const double cpu = cpuSeconds() - cpuBefore;
        std::printf("%-10s %6.2f %% of one core  (%4.1f telemetry cycles/s, %d s)\n",
                    qPrintable(pages->item(page)->text()), 100.0 * cpu / elapsed, cycles / elapsed,
                    seconds);
        std::fflush(stdout);
    }
    std::printf("%-10s %s\n", "connection", qPrintable(window.statusBar()->connectionText()));
    return 0;
}
