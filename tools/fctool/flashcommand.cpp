#include "flashcommand.h"

#include "console.h"
#include "fclink/link/commrt.h"
#include "fclink/model/parameterblock.h"
#include "fclink/storage/parameterbackup.h"
#include "fctooloptions.h"
#include "firmwareupgrade/firmwareimage.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "interruptwatcher.h"
#include "linksession.h"
#include "upgradereporter.h"
#include "versiontext.h"

#include <QCoreApplication>

namespace {

// How long the controller gets to answer on the link before the upgrade goes on without a
// backup (one waiting in its bootloader never answers).
constexpr int kLinkAnswerTimeoutMs = 3000;

using fclink::ParameterBackup;

void reportStoppedBeforeErase()
{
    printError(QStringLiteral("interrupted: stopped before anything was erased; the flight "
                              "controller keeps its firmware"));
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

// Saves the parameters of a controller that answers on the link. A controller that does not
// answer is flashed without a new backup, with the newest one taken before a flash of the same
// port and device (if any) as the one to restore; one that answers but cannot be read, or a backup
// that cannot be written, stops everything before the port is handed to the upgrade.
ExitCode backUpParameters(const FctoolOptions &options, InterruptWatcher *watcher,
                          ParameterBackup *backup)
{
    LinkSession session(options.port(), qMin(options.timeoutMs(), 10000));
    QObject::connect(watcher, &InterruptWatcher::interrupted, &session, &LinkSession::interrupt);
    bool answered = false;
    const ExitCode opened = session.openIfAnswering(kLinkAnswerTimeoutMs, &answered);
    if (opened != ExitSuccess || session.isInterrupted()) {
        session.close();
        return opened == ExitPortError ? ExitSuccess : opened; // the upgrade names the port
    }
    if (!answered) {
        session.close();
        // A controller left waiting in its bootloader by a flash that did not finish still has
        // the backup taken before that flash.
        *backup = ParameterBackup::newestFor(options.port(), fwupgrade::FirmwareImage::kDeviceId);
        if (!backup->isValid()) {
            printLine(QStringLiteral("No answer on the link: the parameters were not saved"));
            return ExitSuccess;
        }
        printLine(QStringLiteral("No answer on the link: the parameters were not saved; the "
                                 "parameters saved from it at %1 (firmware %2) are the ones to "
                                 "restore: %3")
                      .arg(localTimeText(backup->time()), firmwareText(backup->firmwareVersion()),
                           backup->path()));
        return ExitSuccess;
    }
    const fclink::BlockImage block = fclink::ParameterBlock::copy();
    const int deviceId = session.link()->getDeviceId();
    const int version = session.firmwareVersion();
    session.close();
    QString error;
    *backup = ParameterBackup::save(block, deviceId, version, options.port(), &error);
    if (!backup->isValid()) {
        printError(QStringLiteral("cannot save the parameters before the upgrade (%1); nothing "
                                  "was flashed")
                       .arg(error));
        return ExitControllerFailure;
    }
    printLine(QStringLiteral("Parameters saved to %1").arg(backup->path()));
    return ExitSuccess;
}

// Uploads the backup into the controller that runs the new firmware and reads it back.
ExitCode restoreParameters(const FctoolOptions &options, const ParameterBackup &backup)
{
    if (!backup.isValid()) {
        printError(QStringLiteral("upgraded, but there is nothing to restore: the parameters "
                                  "were not saved before the upgrade"));
        return ExitControllerFailure;
    }
    LinkSession session(options.port(), qMin(options.timeoutMs(), 10000));
    ExitCode code = session.open();
    if (code != ExitSuccess || session.isInterrupted()) {
        session.close();
        return code;
    }
    const int changed = backup.differingFields(fclink::ParameterBlock::copy());
    // The link reads the block back after the upload and names what the controller did not
    // take.
    code = session.uploadBlock(backup.block(), true);
    const fclink::BlockImage after = fclink::ParameterBlock::copy();
    session.close();
    if (code != ExitSuccess)
        return code;
    const int differing = backup.differingFields(after);
    if (differing != 0) {
        printError(QStringLiteral("restore failed: %1 parameters read back differ from %2")
                       .arg(differing)
                       .arg(backup.path()));
        return ExitControllerFailure;
    }
    printLine(QStringLiteral("Parameters restored from %1 (%2 changed by the upgrade)")
                  .arg(backup.path())
                  .arg(changed));
    return ExitSuccess;
}

ExitCode flash(const FctoolOptions &options, InterruptWatcher *watcher, bool *erased)
{
    UpgradeReporter reporter(options.port());
    FirmwareUpgradeLib *upgrade = FirmwareUpgradeLib::createClass();
    // From the erase on a stop would leave the controller without firmware: the run goes on.
    QObject::connect(watcher, &InterruptWatcher::interrupted, &reporter,
                     [upgrade] { upgrade->stopBeforeErase(); });

    upgrade->init(&reporter);
    upgrade->allowDowngrade(options.allowDowngrade());
    upgrade->start(options.port(), options.positional().first());
    if (watcher->wasInterrupted())
        upgrade->stopBeforeErase();
    reporter.waitForEnd(options.timeoutMs());

    const bool ended = reporter.hasEnded();
    // Stops a run that is still going and waits for its thread; its last reports are dropped.
    FirmwareUpgradeLib::destroyClass(upgrade);
    QCoreApplication::removePostedEvents(&reporter);
    *erased = reporter.erased();
    if (!ended) {
        const QString idle = QStringLiteral("the upgrade made no progress for %1 s")
                                 .arg(options.timeoutMs() / 1000.0);
        if (reporter.erased())
            printError(idle + QStringLiteral(": the flight controller now waits in its "
                                             "bootloader without firmware; run 'fctool flash "
                                             "--port %1 FILE' again to repair it")
                                  .arg(options.port()));
        else
            printError(idle + QStringLiteral("; nothing was erased"));
        return ExitTimeout;
    }
    if (watcher->wasInterrupted() && !reporter.erased() && !reporter.completed()) {
        reportStoppedBeforeErase();
        return ExitInterrupted;
    }
    return outcome(reporter, options.port(), watcher->wasInterrupted());
}

} // namespace

ExitCode runFlashCommand(const FctoolOptions &options)
{
    InterruptWatcher watcher;
    ParameterBackup backup;
    // A file the upgrade would refuse is reported by the upgrade itself, without a backup and
    // without touching the port.
    fwupgrade::FirmwareImage image;
    if (fwupgrade::FirmwareImage::parseFile(options.positional().first(), &image) ==
        fwupgrade::FirmwareImage::ParseResult::Ok) {
        const ExitCode saved = backUpParameters(options, &watcher, &backup);
        if (saved != ExitSuccess)
            return saved;
        if (watcher.wasInterrupted()) {
            reportStoppedBeforeErase();
            return ExitInterrupted;
        }
    }
    bool erased = false;
    const ExitCode flashed = flash(options, &watcher, &erased);
    const bool interrupted = watcher.wasInterrupted();
    if (flashed != ExitSuccess) {
        if (options.restore() && flashed != ExitInterrupted)
            printError(backup.isValid()
                           ? QStringLiteral("the parameters were not restored (the upgrade did "
                                            "not complete); they are saved in %1")
                                 .arg(backup.path())
                           : QStringLiteral("the parameters were not restored (the upgrade did "
                                            "not complete)"));
        return flashed;
    }
    const ExitCode restored = options.restore() ? restoreParameters(options, backup) : ExitSuccess;
    if (interrupted) {
        // The flash had begun to erase when Ctrl+C came: it was finished first.
        printError(QStringLiteral("interrupted after the erase: the flash was finished first"));
        return ExitInterrupted;
    }
    return restored;
}
