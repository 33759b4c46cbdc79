#ifndef FCTOOL_TELEMETRYCOMMAND_H
#define FCTOOL_TELEMETRYCOMMAND_H

#include "exitcode.h"

class FctoolOptions;

// fctool telemetry: one line per telemetry cycle, --count lines or until SIGINT/SIGTERM.
ExitCode runTelemetryCommand(const FctoolOptions &options);

#endif // FCTOOL_TELEMETRYCOMMAND_H
