#ifndef FCTOOL_DEVICECOMMAND_H
#define FCTOOL_DEVICECOMMAND_H

#include "exitcode.h"

class FctoolOptions;

// fctool command NAME: send one of the flight controller's commands. Commands that report a
// result print its text and succeed or fail with it; the others succeed once sent.
ExitCode runDeviceCommand(const FctoolOptions &options);

#endif // FCTOOL_DEVICECOMMAND_H
