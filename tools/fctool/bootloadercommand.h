#ifndef FCTOOL_BOOTLOADERCOMMAND_H
#define FCTOOL_BOOTLOADERCOMMAND_H

#include "exitcode.h"

class FctoolOptions;

// fctool bootloader --port PORT [--leave]: asks the port whether a bootloader waits there
// (through the upgrade library, which opens the port itself) and prints what it says: its
// device, its version and the firmware it holds. With --leave a waiting controller whose
// firmware is intact is sent back to it.
ExitCode runBootloaderCommand(const FctoolOptions &options);

#endif // FCTOOL_BOOTLOADERCOMMAND_H
