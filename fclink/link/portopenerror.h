#ifndef FCLINK_PORTOPENERROR_H
#define FCLINK_PORTOPENERROR_H

#include "fclink/fclink_global.h"

#include <QMetaType>
#include <QString>

namespace fclink {

// Why a serial port did not open, in the terms a pilot can act on.
enum class PortOpenError
{
    None = 0,
    NoSuchDevice = 1,
    PermissionDenied = 2,
    InUse = 3,
    Other = 4,
    NotASerialPort = 5, // a folder or a plain file
    NotAPortName = 6    // no name, or a name that names no device
};

// Tells the causes apart from the serial port's error (a QSerialPort::SerialPortError) and the
// device file itself: the port library reports a device the user may not open and one that
// another program holds with the same error, and only a look at the file separates them.
FCLINK_EXPORT PortOpenError classifyPortOpenError(int serialPortError, const QString &device);

// The cause as a short English phrase, for command-line tools and logs; given the device, a
// port that is no serial port says whether it is a folder or a plain file.
FCLINK_EXPORT QString portOpenErrorText(PortOpenError error, const QString &device = QString());

} // namespace fclink

Q_DECLARE_METATYPE(fclink::PortOpenError)

#endif // FCLINK_PORTOPENERROR_H
