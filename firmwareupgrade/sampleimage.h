#ifndef FIRMWAREUPGRADE_SAMPLEIMAGE_H
#define FIRMWAREUPGRADE_SAMPLEIMAGE_H

#include <QByteArray>

namespace fwupgrade {

// A repeatable run of pseudo-random bytes that stands in for a firmware image: the same bytes
// for the same size and seed on every host (a linear congruential sequence). mkfirmware writes
// the demo's firmware with it, and the tests their sample files.
QByteArray sampleFirmwareImage(int size, quint32 seed = 1);

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_SAMPLEIMAGE_H
