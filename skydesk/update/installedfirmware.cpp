#include "installedfirmware.h"

void InstalledFirmware::noteVersion(quint16 version)
{
    m_known = true;
    m_version = version;
    m_noFirmware = false;
}

void InstalledFirmware::noteNoFirmware()
{
    m_known = false;
    m_noFirmware = true;
}

quint16 InstalledFirmware::versionFor(quint8 linkByte) const
{
    if (m_known && (m_version & 0xFF) == linkByte)
        return m_version;
    return linkByte;
}
