#ifndef FCLINK_PORTINFO_H
#define FCLINK_PORTINFO_H

#include "fclink/fclink_global.h"

#include <QString>

// One serial port as the link lists it. portName is what the user picks and what the link is
// told to open (COM3, ttyUSB0, or an absolute device path); systemLocation is the device itself.
struct PortInfo
{
    QString portName;
    QString systemLocation;
    QString description;
    QString manufacturer;
    quint16 vendorId = 0;
    quint16 productId = 0;
};

#endif // FCLINK_PORTINFO_H
