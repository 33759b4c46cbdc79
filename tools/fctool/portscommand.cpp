#include "portscommand.h"

#include "console.h"
#include "fclink/link/commrt.h"

ExitCode runPortsCommand()
{
    // Enumerating needs no port and no worker thread.
    Commrt *link = Commrt::createClass();
    const QList<QString> names = link->getPortList();
    Commrt::destroyClass(link);
    for (const QString &name : names)
        printLine(name);
    return ExitSuccess;
}
