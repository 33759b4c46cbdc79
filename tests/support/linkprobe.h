#ifndef LINKPROBE_H
#define LINKPROBE_H

#include <QString>

// Asks the controller on the link protocol for one reply and returns the firmware version byte
// it carries, or -1 when no valid reply comes (a few attempts of half a second each).
int firmwareVersionOnLink(const QString &device);

// Sends the controller's application the link request to restart into its bootloader (its
// firmware stays whole); false when the request could not be written.
bool requestBootloader(const QString &device);

#endif // LINKPROBE_H
