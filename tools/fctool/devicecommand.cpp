#include "devicecommand.h"

#include "console.h"
#include "fctooloptions.h"
#include "linksession.h"
#include "toolcommands.h"

ExitCode runDeviceCommand(const FctoolOptions &options)
{
    const QString name = options.positional().first();
    const ToolCommand *command = findToolCommand(name);
    if (!command) {
        printError(QStringLiteral("unknown command '%1' (one of %2)")
                       .arg(name, toolCommandNames().join(QLatin1String(", "))));
        return ExitUsage;
    }
    LinkSession session(options.port(), options.timeoutMs());
    ExitCode code = session.open();
    if (code == ExitSuccess) {
        code = command->reportsResult ? session.runCommandWithResult(*command)
                                      : session.sendCommand(*command);
    }
    session.close();
    return code;
}
