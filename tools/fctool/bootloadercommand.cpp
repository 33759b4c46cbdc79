#include "bootloadercommand.h"

#include "console.h"
#include "fctooloptions.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "firmwareupgrade/upgradeevent.h"
#include "upgradereporter.h"
#include "versiontext.h"

#include <QCoreApplication>

namespace {

using Finding = UpgradeReporter::Finding;

void printBootloader(const Finding &found)
{
    printLine(QStringLiteral("Bootloader: waiting"));
    printLine(QStringLiteral("Device: 0x%1").arg(found.deviceId, 2, 16, QLatin1Char('0')));
    printLine(QStringLiteral("Bootloader version: %1").arg(found.bootloaderVersion));
    printLine(found.firmwareVersion >= 0
                  ? QStringLiteral("Firmware: %1").arg(firmwareText(found.firmwareVersion))
                  : QStringLiteral("Firmware: none"));
}

ExitCode reportFinding(const FctoolOptions &options, const Finding &found)
{
    switch (found.code) {
    case UpgradeEvent::NoBootloader:
        printLine(QStringLiteral("Bootloader: not answering"));
        return ExitSuccess;
    case UpgradeEvent::DeviceError:
        printBootloader(found);
        printError(QStringLiteral("the device on %1 is not a Kesto-Tarvel 2 flight controller "
                                  "(device 0x%2)")
                       .arg(options.port())
                       .arg(found.deviceId, 2, 16, QLatin1Char('0')));
        return ExitControllerFailure;
    case UpgradeEvent::FirmwareIntact:
        printBootloader(found);
        return ExitSuccess;
    case UpgradeEvent::ApplicationResumed:
        printBootloader(found);
        printLine(QStringLiteral("Left the bootloader: firmware %1 runs again")
                      .arg(firmwareText(found.firmwareVersion)));
        return ExitSuccess;
    case UpgradeEvent::WaitingForFirmware:
        printBootloader(found);
        if (!options.leave())
            return ExitSuccess;
        printError(found.firmwareVersion >= 0
                       ? QStringLiteral("the bootloader did not start the firmware it holds")
                       : QStringLiteral("the flight controller has no firmware that can run: "
                                        "flash one with 'fctool flash --port %1 FILE'")
                             .arg(options.port()));
        return ExitControllerFailure;
    default:
        printError(QStringLiteral("the probe of %1 ended without an answer").arg(options.port()));
        return ExitControllerFailure;
    }
}

} // namespace

ExitCode runBootloaderCommand(const FctoolOptions &options)
{
    UpgradeReporter reporter(options.port(), false);
    FirmwareUpgradeLib *probe = FirmwareUpgradeLib::createClass();
    probe->init(&reporter);
    probe->probe(options.port(), options.leave());
    reporter.waitForEnd(options.timeoutMs());
    const bool ended = reporter.hasEnded();
    FirmwareUpgradeLib::destroyClass(probe);
    QCoreApplication::removePostedEvents(&reporter);
    if (reporter.portFailed()) {
        printError(QStringLiteral("cannot open port '%1'").arg(options.port()));
        return ExitPortError;
    }
    if (!ended) {
        printError(QStringLiteral("the probe of %1 made no progress for %2 s")
                       .arg(options.port())
                       .arg(options.timeoutMs() / 1000.0));
        return ExitTimeout;
    }
    return reportFinding(options, reporter.finding());
}
