#include "downloadedfirmware.h"

#include "firmwareupgrade/firmwareimage.h"
#include "updatehelpers.h"

#include <QStandardPaths>

using fwupgrade::FirmwareImage;

QString DownloadedFirmware::folder()
{
    // One folder for every program of the assistant, whatever each one calls itself.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/KestoTarvel2Assistant/firmware");
}

QString DownloadedFirmware::problem(const QByteArray &file, quint16 announcedVersion)
{
    const int device = FirmwareImage::targetDeviceId(file);
    if (device >= 0 && device != FirmwareImage::kDeviceId)
        return tr("The downloaded firmware is made for another device (id 0x%1).")
            .arg(device, 2, 16, QLatin1Char('0'));
    FirmwareImage image;
    switch (FirmwareImage::parse(file, &image)) {
    case FirmwareImage::ParseResult::Ok:
        break;
    case FirmwareImage::ParseResult::UnsupportedVersion:
        return tr("The downloaded file has a firmware format this program does not know.");
    case FirmwareImage::ParseResult::SizeMismatch:
        return tr("The downloaded file is incomplete or too long: its %1 bytes do not match "
                  "the size its header gives.")
            .arg(file.size());
    default:
        return tr("The downloaded file is no valid firmware file (its header or checksum is "
                  "wrong).");
    }
    if (image.firmwareVersion() != announcedVersion)
        return tr("The downloaded firmware is version %1, but the update server announced %2.")
            .arg(update::versionText(image.firmwareVersion()),
                 update::versionText(announcedVersion));
    return QString();
}
