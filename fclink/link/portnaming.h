#ifndef FCLINK_PORTNAMING_H
#define FCLINK_PORTNAMING_H

#include "fclink/fclink_global.h"

#include <QString>
#include <QStringList>

namespace fclink {

// How port names turn into devices. On Windows only "COM<n>" names open anything: COM1..COM9 by
// name, COM10 and above through the "\\.\" device namespace. Elsewhere a name is either a
// system port name (ttyUSB0, rfcomm0, cu.usbserial → /dev/ttyUSB0) or an absolute device path
// (/dev/pts/7, a simulator's symlink); any other name opens nothing.
enum class PortNamingRule
{
    Windows,
    Unix
};

FCLINK_EXPORT PortNamingRule hostPortNamingRule();

// The device to open for a port name, or an empty string when the name opens nothing.
FCLINK_EXPORT QString deviceForPortName(const QString &portName,
                                        PortNamingRule rule = hostPortNamingRule());

// Device paths listed in FCLINK_EXTRA_PORTS (":"-separated, ";" on Windows), empty entries
// dropped; they join every port enumeration (the simulator's pseudo-terminal is not enumerated
// by the system).
FCLINK_EXPORT QStringList extraPortNames(const QString &variableValue,
                                         PortNamingRule rule = hostPortNamingRule());

constexpr const char *kExtraPortsVariable = "FCLINK_EXTRA_PORTS";

} // namespace fclink

#endif // FCLINK_PORTNAMING_H
