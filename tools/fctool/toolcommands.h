#ifndef FCTOOL_TOOLCOMMANDS_H
#define FCTOOL_TOOLCOMMANDS_H

#include <QStringList>

// A flight-controller command as the command line names it. Commands that report a result
// carry the status codes of success and failure; the others only have to reach the controller.
struct ToolCommand
{
    const char *name;
    quint8 code;
    bool reportsResult;
    quint16 okStatus;
    quint16 failStatus;
};

// The command with this name, or null.
const ToolCommand *findToolCommand(const QString &name);

QStringList toolCommandNames();

#endif // FCTOOL_TOOLCOMMANDS_H
