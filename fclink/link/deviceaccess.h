#ifndef FCLINK_DEVICEACCESS_H
#define FCLINK_DEVICEACCESS_H

#include "fclink/fclink_global.h"

#include <QString>
#include <QtGlobal>

namespace fclink {

// What the serial port library does not tell about the device behind a port: whether another
// program holds it under another name, whether a failed read means the device went away, and
// whether a path names a serial device at all.

// Takes the device's own lock on an open port's handle: an advisory lock on the device itself,
// so two names of one device (a symlink and its target, /dev/serial/by-id/... and ttyUSB0) are
// one lock. False when another open of the device holds it. The lock goes with the handle.
FCLINK_EXPORT bool lockDevice(qintptr handle);

// After a read that found nothing: true when the device went away (unplugged, the other end of
// a pseudo-terminal closed), false when it is still there, so something else took the bytes.
FCLINK_EXPORT bool deviceHungUp(qintptr handle, const QString &device);

// A path that exists but is a folder or a plain file, which no serial port is.
FCLINK_EXPORT bool isFolderOrPlainFile(const QString &device);

} // namespace fclink

#endif // FCLINK_DEVICEACCESS_H
