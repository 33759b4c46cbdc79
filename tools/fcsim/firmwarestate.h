#ifndef FCSIM_FIRMWARESTATE_H
#define FCSIM_FIRMWARESTATE_H

#include <QString>

// The firmware the simulated controller's flash holds, kept in a small INI file across
// restarts:
//
//   [firmware]
//   version=120
//   intact=true
//
// A flash that an upgrade erased or left half-written is not intact: the controller then
// starts in its bootloader.
struct FirmwareState
{
    quint16 version = 0;
    bool intact = true;

    // Reads path; false with a message when it is not a complete, valid state file.
    bool load(const QString &path, QString *error);
    bool save(const QString &path, QString *error) const;
};

#endif // FCSIM_FIRMWARESTATE_H
