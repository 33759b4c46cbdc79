#include "flashcommand.h"

#include "console.h"
#include "fctooloptions.h"
#include "interruptwatcher.h"
#include "upgradereporter.h"

#include <firmwareupgradelib.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// Runs the event loop until the run reports its end or the time-out passes.
void waitForEnd(const UpgradeReporter &reporter, int timeoutMs)
{
    if (reporter.hasEnded())
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&reporter, &UpgradeReporter::runEnded, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    loop.exec();
}

ExitCode outcome(const UpgradeReporter &reporter, const QString &port, bool interrupted)
{
    if (reporter.completed())
        return ExitSuccess;
    if (reporter.portFailed()) {
        printError(QStringLiteral("cannot open port '%1'").arg(port));
        return ExitPortError;
    }
    if (!reporter.firstError().isEmpty())
        printError(QStringLiteral("upgrade failed: %1").arg(reporter.firstError()));
    else if (interrupted)
        printError(QStringLiteral("upgrade interrupted"));
    else
        printError(QStringLiteral("upgrade ended without completing"));
    return ExitControllerFailure;
}

} // namespace

ExitCode runFlashCommand(const FctoolOptions &options)
{
    InterruptWatcher watcher;
    UpgradeReporter reporter(options.port());
    FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
    QObject::connect(&watcher, &InterruptWatcher::interrupted, &reporter,
                     [upgrade] { upgrade->stop(); });

    upgrade->init(&reporter);
    upgrade->start(options.port(), options.positional().first());
    waitForEnd(reporter, options.timeoutMs());

    const bool ended = reporter.hasEnded();
    // Stops a run that is still going and waits for its thread; its last reports are dropped.
    FirmwareUpgradeLib::destroyClass(upgrade);
    QCoreApplication::removePostedEvents(&reporter);
    if (!ended) {
        printError(QStringLiteral("the upgrade did not end within %1 s")
                       .arg(options.timeoutMs() / 1000.0));
        return ExitTimeout;
    }
    return outcome(reporter, options.port(), watcher.wasInterrupted());
}
