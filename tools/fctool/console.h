#ifndef FCTOOL_CONSOLE_H
#define FCTOOL_CONSOLE_H

#include <QString>

// Standard output carries only what the user asked for; every problem is one line on standard
// error beginning "fctool: ". Both are flushed at once so a reading script sees lines as they
// come (telemetry runs until it is interrupted).
//
// Output that does not reach standard output (a full disk, /dev/full, a closed pipe) is a
// failure: printLine returns false, and finishStandardOutput() says so at the end of the run.
bool printLine(const QString &line);
// Writes bytes to standard output as printLine does, without a line end of its own.
bool printBytes(const QByteArray &bytes);
void printError(const QString &message);

// Whether everything written to standard output got there; otherwise *why is the system's
// reason for the first write that did not.
bool standardOutputWritten(QString *why = nullptr);
// Flushes standard output and checks it: false, after the error line, when something did not
// get there.
bool finishStandardOutput();

#endif // FCTOOL_CONSOLE_H
