#ifndef FCTOOL_PORTSCOMMAND_H
#define FCTOOL_PORTSCOMMAND_H

#include "exitcode.h"

// fctool ports: the link's port enumeration, one name per line in the link's order.
ExitCode runPortsCommand();

#endif // FCTOOL_PORTSCOMMAND_H
