#ifndef FCTOOL_PARAMETERCOMMANDS_H
#define FCTOOL_PARAMETERCOMMANDS_H

#include "exitcode.h"

class FctoolOptions;

// The subcommands that read or change the parameter block. Names, values and files are checked
// before the port is opened, so bad input never reaches the flight controller.

// fctool read: all 198 fields as Name=value lines in offset order, or a parameter file.
ExitCode runReadCommand(const FctoolOptions &options);
// fctool write FILE: upload a complete, valid parameter file.
ExitCode runWriteCommand(const FctoolOptions &options);
// fctool get NAME...: the named fields as Name=value lines, in the order given, each value as it
// is meant (gains up to 255 unsigned) followed by its unit or choice.
ExitCode runGetCommand(const FctoolOptions &options);
// fctool set NAME=VALUE...: change the named fields and upload the block. Values must make sense
// for their fields (range or choices) unless --raw allows any value of the type.
ExitCode runSetCommand(const FctoolOptions &options);
// fctool describe [NAME...]: what the field table says of the named fields, or of all.
ExitCode runDescribeCommand(const FctoolOptions &options);

#endif // FCTOOL_PARAMETERCOMMANDS_H
