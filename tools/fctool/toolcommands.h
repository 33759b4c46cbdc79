#ifndef FCTOOL_TOOLCOMMANDS_H
#define FCTOOL_TOOLCOMMANDS_H

#include "fclink/link/linkoutcome.h"

#include <QStringList>

class Commrt;

// A flight-controller command as the command line names it, and the link intent that gives it.
// Commands that report a result carry the outcomes of success and failure; the others only have
// to reach the controller.
struct ToolCommand
{
    const char *name;
    void (*send)(Commrt &link);
    bool reportsResult;
    fclink::LinkOutcome succeeded; // where it reports a result
    fclink::LinkOutcome failed;
};

// The command with this name, or null.
const ToolCommand *findToolCommand(const QString &name);

QStringList toolCommandNames();

#endif // FCTOOL_TOOLCOMMANDS_H
