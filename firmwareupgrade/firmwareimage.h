#ifndef FIRMWAREUPGRADE_FIRMWAREIMAGE_H
#define FIRMWAREUPGRADE_FIRMWAREIMAGE_H

#include "firmwareupgrade_global.h"

#include <QByteArray>
#include <QString>

namespace fwupgrade {

// A firmware file (".qmtvf") is a 32-byte header followed by the image that goes into flash
// from address 0. All header numbers are little-endian:
//
//   offset size  field
//        0    4  magic "QMTV"
//        4    2  format version, 1
//        6    2  header size, 32
//        8    1  target device id, 0x26 (the flight controller)
//        9    1  reserved, 0
//       10    2  firmware version in hundredths (106 is 1.06)
//       12    4  image length in bytes, 1 .. 16 MiB
//       16    4  CRC-32 (zlib) of the image
//       20   12  reserved, 0
//
// How a file is judged, in this order: shorter than a header, a wrong magic, header size or
// device id, or reserved bytes that are not zero: corrupt. Any other format version: not
// supported. An image length that is zero, too big, or differs from the bytes that follow the
// header: size mismatch. A CRC that does not match the image: corrupt.
class FIRMWAREUPGRADE_EXPORT FirmwareImage
{
public:
    static constexpr int kHeaderSize = 32;
    static constexpr quint16 kFormatVersion = 1;
    static constexpr quint8 kDeviceId = 0x26;
    static constexpr quint32 kMaxImageLength = 16U * 1024U * 1024U;

    enum class ParseResult
    {
        Ok,
        Corrupt,            // reported as a file error
        UnsupportedVersion, // reported as a version error
        SizeMismatch,       // reported as a file size error
        Unreadable          // the file cannot be opened: reported as a file open error
    };

    // Checks a whole file; on Ok, *image holds its contents.
    static ParseResult parse(const QByteArray &file, FirmwareImage *image);

    // Reads and checks the file at path, as an upgrade run does before it touches the port.
    static ParseResult parseFile(const QString &path, FirmwareImage *image);

    // The target device id in a file's header, or -1 when the file has no header.
    static int targetDeviceId(const QByteArray &file);

    // A well-formed file for the given firmware version and image.
    static QByteArray buildFile(quint16 firmwareVersion, const QByteArray &image);

    quint16 firmwareVersion() const { return m_firmwareVersion; }
    const QByteArray &image() const { return m_image; }
    quint32 imageCrc() const { return m_imageCrc; }

private:
    quint16 m_firmwareVersion = 0;
    quint32 m_imageCrc = 0;
    QByteArray m_image;
};

// The same as FirmwareImage::buildFile.
FIRMWAREUPGRADE_EXPORT QByteArray buildFirmwareFile(quint16 firmwareVersion,
                                                    const QByteArray &image);

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_FIRMWAREIMAGE_H
