#ifndef SKYDESK_INSTALLEDFIRMWARE_H
#define SKYDESK_INSTALLEDFIRMWARE_H

#include <QtGlobal>

// What is known about the firmware installed on the controller beyond the link's version byte,
// which holds only the low 8 bits of a version (3.00 arrives as 44): the version the upgrade
// library reported whole (from the image header it flashed, or from the bootloader it sent back
// to the firmware it had), and whether the controller has no firmware at all.
class InstalledFirmware
{
public:
    void noteVersion(quint16 version);
    // The bootloader waits with a flash that holds no firmware that can run.
    void noteNoFirmware();
    bool hasNoFirmware() const { return m_noFirmware; }

    // The installed version for the byte the link reports: the noted version when its low 8
    // bits are that byte, else the byte itself.
    quint16 versionFor(quint8 linkByte) const;

private:
    bool m_known = false;
    quint16 m_version = 0;
    bool m_noFirmware = false;
};

#endif // SKYDESK_INSTALLEDFIRMWARE_H
