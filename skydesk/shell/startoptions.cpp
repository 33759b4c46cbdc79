#include "startoptions.h"

#include <QCommandLineParser>

namespace {
const char *const kInternalOption = "internal";
} // namespace

void StartOptions::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("KESTO Tarvel 2 Assistant: reads, changes and uploads the parameters of the "
                       "KESTO Tarvel 2 flight controller on a serial port, shows its telemetry, "
                       "runs its calibrations and upgrades its firmware."));
    parser.addOption(QCommandLineOption(
        QLatin1String(kInternalOption),
        QStringLiteral("Add the internal parameter page for service technicians.")));
}

StartOptions StartOptions::fromArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    // parse() rather than process(): an unknown argument must not end the program.
    parser.parse(arguments);

    StartOptions options;
    options.m_internalPage = parser.isSet(QLatin1String(kInternalOption));
    return options;
}
