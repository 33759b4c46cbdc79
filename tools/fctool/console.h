#ifndef FCTOOL_CONSOLE_H
#define FCTOOL_CONSOLE_H

#include <QString>

// Standard output carries only what the user asked for; every problem is one line on standard
// error beginning "fctool: ". Both are flushed at once so a reading script sees lines as they
// come (telemetry runs until it is interrupted).
void printLine(const QString &line);
void printError(const QString &message);

#endif // FCTOOL_CONSOLE_H
