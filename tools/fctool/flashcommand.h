#ifndef FCTOOL_FLASHCOMMAND_H
#define FCTOOL_FLASHCOMMAND_H

#include "exitcode.h"

class FctoolOptions;

// Flashes a firmware file through the upgrade library, which opens the port itself (no link
// connection is made first), and prints every report of the run. Success only when the run
// ended after "Upgraded OK".
ExitCode runFlashCommand(const FctoolOptions &options);

#endif // FCTOOL_FLASHCOMMAND_H
