#ifndef LINKPROBE_H
#define LINKPROBE_H

#include <QString>

// Asks the controller on the link protocol for one reply and returns the firmware version byte
// it carries, or -1 when no valid reply comes (a few attempts of half a second each).
int firmwareVersionOnLink(const QString &device);

#endif // LINKPROBE_H
