#ifndef FCTOOL_EXITCODE_H
#define FCTOOL_EXITCODE_H

// What fctool's exit status tells a calling script.
enum ExitCode : int
{
    ExitSuccess = 0,
    ExitControllerFailure = 1, // the flight controller reported a failed command
    ExitUsage = 2,             // bad command line or bad input (names, values, files)
    ExitPortError = 3,         // the port name opens nothing or the port could not be opened
    ExitTimeout = 4,           // no connection, parameter read or result in time
    ExitInterrupted = 5        // stopped by Ctrl+C (SIGINT) or SIGTERM
};

#endif // FCTOOL_EXITCODE_H
