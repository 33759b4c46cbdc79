#include "firmwareimage.h"

#include "crc32.h"

#include <QFile>

#include <algorithm>

namespace fwupgrade {

namespace {

constexpr char kMagic[4] = {'Q', 'M', 'T', 'V'};

quint16 readU16(const QByteArray &bytes, int at)
{
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) |
                                (static_cast<quint8>(bytes[at + 1]) << 8));
}

quint32 readU32(const QByteArray &bytes, int at)
{
    return static_cast<quint32>(readU16(bytes, at)) |
           (static_cast<quint32>(readU16(bytes, at + 2)) << 16);
}

void appendU16(QByteArray *bytes, quint16 value)
{
    bytes->append(static_cast<char>(value & 0xFF));
    bytes->append(static_cast<char>(value >> 8));
}

void appendU32(QByteArray *bytes, quint32 value)
{
    appendU16(bytes, static_cast<quint16>(value & 0xFFFF));
    appendU16(bytes, static_cast<quint16>(value >> 16));
}

} // namespace

FirmwareImage::ParseResult FirmwareImage::parse(const QByteArray &file, FirmwareImage *image)
{
    if (file.size() < kHeaderSize || !file.startsWith(QByteArray(kMagic, 4)))
        return ParseResult::Corrupt;
    if (readU16(file, 4) != kFormatVersion)
        return ParseResult::UnsupportedVersion;
    if (readU16(file, 6) != kHeaderSize || static_cast<quint8>(file[8]) != kDeviceId ||
        file[9] != 0)
        return ParseResult::Corrupt;
    for (int i = 20; i < kHeaderSize; ++i) {
        if (file[i] != 0)
            return ParseResult::Corrupt;
    }
    const quint32 length = readU32(file, 12);
    if (length == 0 || length > kMaxImageLength ||
        static_cast<qint64>(length) != static_cast<qint64>(file.size()) - kHeaderSize)
        return ParseResult::SizeMismatch;
    const QByteArray body = file.mid(kHeaderSize);
    const quint32 crc = readU32(file, 16);
    if (crc32(body) != crc)
        return ParseResult::Corrupt;

    image->m_firmwareVersion = readU16(file, 10);
    image->m_imageCrc = crc;
    image->m_image = body;
    return ParseResult::Ok;
}

FirmwareImage::ParseResult FirmwareImage::parseFile(const QString &path, FirmwareImage *image)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return ParseResult::Unreadable;
    // One byte more than the largest valid file is enough to tell that a file is too big; a
    // plain file is read as far as it goes (and a byte beyond), not into a buffer of that size.
    const qint64 largest = kHeaderSize + qint64(kMaxImageLength) + 1;
    const qint64 wanted = file.isSequential() ? largest : std::min(file.size() + 1, largest);
    const QByteArray contents = file.read(wanted);
    if (file.error() != QFileDevice::NoError)
        return ParseResult::Corrupt;
    return parse(contents, image);
}

int FirmwareImage::targetDeviceId(const QByteArray &file)
{
    if (file.size() < kHeaderSize || !file.startsWith(QByteArray(kMagic, 4)))
        return -1;
    return static_cast<quint8>(file[8]);
}

QByteArray FirmwareImage::buildFile(quint16 firmwareVersion, const QByteArray &image)
{
    QByteArray file(kMagic, 4);
    appendU16(&file, kFormatVersion);
    appendU16(&file, kHeaderSize);
    file.append(static_cast<char>(kDeviceId));
    file.append('\0');
    appendU16(&file, firmwareVersion);
    appendU32(&file, static_cast<quint32>(image.size()));
    appendU32(&file, crc32(image));
    file.append(QByteArray(12, '\0'));
    file.append(image);
    return file;
}

QByteArray buildFirmwareFile(quint16 firmwareVersion, const QByteArray &image)
{
    return FirmwareImage::buildFile(firmwareVersion, image);
}

} // namespace fwupgrade
