#ifndef FCTOOL_TOOLCOMMANDS_H
#define FCTOOL_TOOLCOMMANDS_H

#include <QStringList>

class Commrt;

// A flight-controller command as the command line names it, and the link intent that gives it.
// Commands that report a result carry the status codes of success and failure; the others only
// have to reach the controller.
struct ToolCommand
{
    const char *name;
    void (*send)(Commrt &link);
    bool reportsResult;
    quint16 okStatus;
    quint16 failStatus;
};

// The command with this name, or null.
const ToolCommand *findToolCommand(const QString &name);

QStringList toolCommandNames();

#endif // FCTOOL_TOOLCOMMANDS_H
