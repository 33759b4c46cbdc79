#ifndef SKYDESK_DOWNLOADEDFIRMWARE_H
#define SKYDESK_DOWNLOADEDFIRMWARE_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Judges a firmware file fetched from the update server before it is kept: it must be a whole,
// undamaged image for this flight controller, of the version the server announced. A server
// that cuts, pads or swaps the file (or a proxy that does) is caught here, not at the flash.
class DownloadedFirmware
{
    Q_DECLARE_TR_FUNCTIONS(DownloadedFirmware)

public:
    // Where downloaded firmware files are kept: the user's cache folder
    // (~/.cache/KestoTarvel2Assistant/firmware on Linux, where XDG_CACHE_HOME moves it), never
    // the working folder. The files can be fetched again, and an installed program has no
    // other folder it may write.
    static QString folder();

    // Why the file may not be kept, or an empty string when it may.
    static QString problem(const QByteArray &file, quint16 announcedVersion);
};

#endif // SKYDESK_DOWNLOADEDFIRMWARE_H
