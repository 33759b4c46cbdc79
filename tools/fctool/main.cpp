#include "bootloadercommand.h"
#include "console.h"
#include "devicecommand.h"
#include "exitcode.h"
#include "fctooloptions.h"
#include "flashcommand.h"
#include "historycommands.h"
#include "parametercommands.h"
#include "portscommand.h"
#include "presetcommands.h"
#include "product/programinformation.h"
#include "telemetrycommand.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

ExitCode dispatch(const FctoolOptions &options)
{
    using Subcommand = FctoolOptions::Subcommand;
    switch (options.subcommand()) {
    case Subcommand::Help:
        printLine(FctoolOptions::usage());
        return ExitSuccess;
    case Subcommand::Version:
        printLine(QStringLiteral("fctool ") + ProgramInformation::version());
        return ExitSuccess;
    case Subcommand::Ports:
        return runPortsCommand();
    case Subcommand::Read:
        return runReadCommand(options);
    case Subcommand::Write:
        return runWriteCommand(options);
    case Subcommand::Get:
        return runGetCommand(options);
    case Subcommand::Set:
        return runSetCommand(options);
    case Subcommand::Telemetry:
        return runTelemetryCommand(options);
    case Subcommand::Command:
        return runDeviceCommand(options);
    case Subcommand::Flash:
        return runFlashCommand(options);
    case Subcommand::Bootloader:
        return runBootloaderCommand(options);
    case Subcommand::Describe:
        return runDescribeCommand(options);
    case Subcommand::Diff:
        return runDiffCommand(options);
    case Subcommand::Snapshot:
        return runSnapshotCommand(options);
    case Subcommand::History:
        return runHistoryCommand(options);
    case Subcommand::Apply:
        return runApplyCommand(options);
    case Subcommand::Preset:
        return runPresetCommand(options);
    }
    return ExitUsage;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The libraries' log lines would break the rule of one error line on stderr; the
    // QT_LOGGING_RULES variable still turns them on ("fclink.*=true").
    QLoggingCategory::setFilterRules(QStringLiteral("fclink.*=false\nupgrade=false"));
    FctoolOptions options;
    QString error;
    if (!options.parse(app.arguments().mid(1), &error)) {
        printError(error);
        return ExitUsage;
    }
    const ExitCode code = dispatch(options);
    // What was asked for and did not reach standard output makes the run a failure.
    if (!finishStandardOutput() && code == ExitSuccess)
        return ExitUsage;
    return code;
}
