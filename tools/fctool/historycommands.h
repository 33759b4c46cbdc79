#ifndef FCTOOL_HISTORYCOMMANDS_H
#define FCTOOL_HISTORYCOMMANDS_H

#include "exitcode.h"

class FctoolOptions;

// The subcommands of the configuration history, which Skydesk shares.

// fctool diff FILE_A FILE_B, or diff --port PORT FILE (A is the controller): one line per field
// that differs, "Name: A -> B" with raw values in block order. Exit 0 when equal, 1 when not.
ExitCode runDiffCommand(const FctoolOptions &options);
// fctool snapshot --port PORT [--note TEXT]: stores the controller's block in the history and
// prints the snapshot's file.
ExitCode runSnapshotCommand(const FctoolOptions &options);
// fctool history [--limit N]: the snapshots, newest first, one line each.
ExitCode runHistoryCommand(const FctoolOptions &options);

#endif // FCTOOL_HISTORYCOMMANDS_H
