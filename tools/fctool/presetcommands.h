#ifndef FCTOOL_PRESETCOMMANDS_H
#define FCTOOL_PRESETCOMMANDS_H

#include "exitcode.h"

class FctoolOptions;

// Presets: parameter files that hold only some keys. The preset and any file are checked
// before a port is opened or a file written.

// fctool apply --port PORT PRESET [--dry-run]: the fields the preset changes as "Name: A -> B"
// lines in block order, then one verified upload of them. Exit 0 applied and verified (or
// nothing to change), 1 when the controller did not take some (named), 2 bad input (file and
// line named), 3 and 4 port errors.
// fctool apply --file TARGET PRESET [--dry-run]: the same lines, then the target file changed
// in the values of those fields only.
ExitCode runApplyCommand(const FctoolOptions &options);
// fctool preset --from FILE --fields NAME,NAME... --out PRESET: the named fields of a complete
// parameter file, written as a preset.
ExitCode runPresetCommand(const FctoolOptions &options);

#endif // FCTOOL_PRESETCOMMANDS_H
