// Start-up of the main window as the program does it, the memory of the connected, idle program
// and how fast the help panels show their documents. Prints "name value unit" lines. With a
// port argument it connects there first; with --mappings it also lists where the memory goes;
// --start-only ends after the start-up (for a profiler).
#include "fclink/link/commrt.h"
#include "processmemory.h"
#include "skydesk/common/hidpipixmap.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/shell/applicationsetup.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/mysplashscreen.h"
#include "skydesk/shell/statuswidget.h"
#include "ui_advancesettingpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTabWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <sys/resource.h>

namespace {

// Six 200 ms pauses let the splash be seen; they are not start-up work.
constexpr qint64 kSplashPausesMs = 6 * 200;
constexpr int kMappingsListed = 14;

void waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// User plus system CPU milliseconds so far of this process (all threads) or of the calling
// thread: unlike the wall clock they hardly depend on what else the machine is doing. The main
// thread's share is what the pilot waits for; work on other threads overlaps the splash pauses.
double cpuMilliseconds(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void printLine(const char *name, double value, const char *unit)
{
    std::printf("%-40s %9.1f %s\n", name, value, unit);
}

// Notes when a widget, or anything inside it (a scroll area's viewport), is painted.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget *watched) : m_watched(watched) { qApp->installEventFilter(this); }
    ~PaintWatcher() override { qApp->removeEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(object);
            if (widget == m_watched || m_watched->isAncestorOf(widget))
                m_painted = true;
        }
        return false;
    }

private:
    QWidget *m_watched;
    bool m_painted = false;
};

// Milliseconds from change() until the help view has painted.
double msUntilPainted(QWidget *view, const std::function<void()> &change)
{
    PaintWatcher watcher(view);
    QElapsedTimer timer;
    timer.start();
    change();
    waitUntil([&] { return watcher.painted(); }, 2000);
    return timer.nsecsElapsed() / 1e6;
}

// The help view on a tab of the settings page.
QWidget *helpViewOn(QWidget *tab)
{
    for (QWidget *child : tab->findChildren<QWidget *>()) {
        if (child->objectName().startsWith(QLatin1String("webView")))
            return child;
    }
    return nullptr;
}

void printSpread(const char *name, QList<double> values)
{
    std::sort(values.begin(), values.end());
    const double median = values.at(values.size() / 2);
    std::printf("%-40s %9.1f ms (median of %d, max %.1f)\n", name, median, int(values.size()),
                values.last());
}

// Each tab of the settings page in turn, then each topic group under the pointer.
void benchHelpPanels(AdvanceSettingPage *page)
{
    QTabWidget *tabs = page->form()->tabWidget;
    QList<double> tabTimes;
    for (int round = 0; round < 3; ++round) {
        for (int index : {1, 2, 3, 4, 0}) {
            QWidget *view = helpViewOn(tabs->widget(index));
            tabTimes << msUntilPainted(view, [&] { tabs->setCurrentIndex(index); });
        }
    }
    printSpread("help shown after a tab change", tabTimes);

    const struct
    {
        int tab;
        const char *group;
    } topics[] = {{0, "groupBoxMotorIdelSpeed"}, {1, "groupBoxEnhancedFailsafeMethods"},
                  {1, "groupBoxGoHomeHeading"},  {2, "groupBoxIOC"},
                  {3, "groupBoxVoltage"},        {4, "groupBoxAltitudeLimit"},
                  {4, "groupBoxDistanceLimit"},  {4, "groupBoxForbidenAeraLimit"}};
    QList<double> topicTimes;
    for (const auto &topic : topics) {
        tabs->setCurrentIndex(topic.tab);
        waitUntil([] { return false; }, 50);
        auto *group = page->findChild<QGroupBox *>(QLatin1String(topic.group));
        const QPoint centre = group->rect().center();
        QMouseEvent move(QEvent::MouseMove, centre, group->mapToGlobal(centre), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        topicTimes << msUntilPainted(helpViewOn(tabs->widget(topic.tab)),
                                     [&] { QCoreApplication::sendEvent(group, &move); });
    }
    printSpread("help topic shown after the pointer", topicTimes);
    tabs->setCurrentIndex(0);
}

void printMemory(const char *when)
{
    const MemoryTotals totals = ProcessMemory::totals();
    std::printf("%-40s %9ld kB\n", qPrintable(QStringLiteral("RSS %1").arg(when)), totals.rssKb);
    std::printf("%-40s %9ld kB\n", qPrintable(QStringLiteral("PSS %1").arg(when)), totals.pssKb);
    std::printf("%-40s %9ld kB (anonymous %ld, files %ld)\n",
                qPrintable(QStringLiteral("private %1").arg(when)), totals.privateKb,
                totals.pssAnonKb, totals.pssFileKb);
}

void printMappings()
{
    const QList<MappingUse> uses = ProcessMemory::byMapping();
    std::printf("-- resident memory by mapping (RSS kB, PSS kB)\n");
    for (int i = 0; i < std::min(kMappingsListed, int(uses.size())); ++i)
        std::printf("   %-37s %9ld %9ld\n", qPrintable(uses.at(i).name), uses.at(i).rssKb,
                    uses.at(i).pssKb);
    const QStringList qt{QStringLiteral("libQt5"), QStringLiteral("libQt6")};
    const QStringList fonts{QStringLiteral(".ttf"), QStringLiteral(".ttc"), QStringLiteral(".otf"),
                            QStringLiteral("fontconfig")};
    const QStringList anonymous{QStringLiteral("[heap]"), QStringLiteral("[anonymous]")};
    long all = 0;
    for (const MappingUse &use : uses)
        all += use.rssKb;
    const long qtKb = ProcessMemory::residentOf(uses, qt);
    const long fontKb = ProcessMemory::residentOf(uses, fonts);
    const long anonymousKb = ProcessMemory::residentOf(uses, anonymous);
    std::printf("   %-37s %9ld\n", "Qt libraries", qtKb);
    std::printf("   %-37s %9ld\n", "fonts and their caches", fontKb);
    std::printf("   %-37s %9ld\n", "heap and anonymous", anonymousKb);
    std::printf("   %-37s %9ld\n", "everything else", all - qtKb - fontKb - anonymousKb);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool listMappings = arguments.removeAll(QStringLiteral("--mappings")) > 0;
    const bool startOnly = arguments.removeAll(QStringLiteral("--start-only")) > 0;

    // As the program starts.
    prepareApplicationStart();
    QApplication application(argc, argv);
    auto *splash = new MySplashScreen(HiDpiPixmap::load(QStringLiteral(":/images/splash.png")));
    splash->show();
    QApplication::processEvents();
    const qint64 splashMs = clock.elapsed();
    mainWidget window(splash);
    const qint64 builtMs = clock.elapsed();
    window.show();
    splash->finish(&window);
    delete splash;
    waitUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }, 5000);
    const qint64 shownMs = clock.elapsed();
    printLine("start-up to shown window", shownMs, "ms");
    printLine("start-up less the splash pauses", shownMs - kSplashPausesMs, "ms");
    printLine("  application and splash shown", splashMs, "ms");
    printLine("  main window built, less the pauses", builtMs - splashMs - kSplashPausesMs, "ms");
    printLine("  main window shown", shownMs - builtMs, "ms");
    printLine("CPU time of the start-up", cpuMilliseconds(), "ms");
    printLine("  of it on the main thread", cpuMilliseconds(RUSAGE_THREAD), "ms");
    printMemory("after start-up");
    if (startOnly)
        return 0;

    if (!arguments.isEmpty()) {
        window.link()->setPortName(arguments.first());
        window.link()->connectCom();
        waitUntil([&] { return window.statusBar()->connectionText() == "Connected"; }, 10000);
        std::printf("%-40s %9s\n", "connection", qPrintable(window.statusBar()->connectionText()));
        waitUntil([] { return false; }, 5000); // idle, telemetry flowing
        printMemory("connected and idle (5 s)");
        if (listMappings)
            printMappings();
    }
    benchHelpPanels(window.pageArea()->advanceSettingPage());
    return 0;
}
