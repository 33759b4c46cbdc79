#include "bootpacket.h"

#include "fclink/link/crc16.h"

namespace fwupgrade {

QByteArray BootPacket::encode() const
{
    QByteArray bytes;
    bytes.reserve(boot::kHeaderSize + m_payload.size() + boot::kTrailerSize);
    bytes.append(static_cast<char>(boot::kStart0));
    bytes.append(static_cast<char>(boot::kStart1));
    bytes.append(static_cast<char>(m_type));
    bytes.append(static_cast<char>(m_sequence));
    appendU16(&bytes, static_cast<quint16>(m_payload.size()));
    bytes.append(m_payload);
    const quint16 crc = fclink::crc16(reinterpret_cast<const quint8 *>(bytes.constData()) + 2,
                                      static_cast<std::size_t>(bytes.size() - 2));
    bytes.append(static_cast<char>(crc >> 8));
    bytes.append(static_cast<char>(crc & 0xFF));
    return bytes;
}

void BootPacket::appendU16(QByteArray *bytes, quint16 value)
{
    bytes->append(static_cast<char>(value & 0xFF));
    bytes->append(static_cast<char>(value >> 8));
}

void BootPacket::appendU32(QByteArray *bytes, quint32 value)
{
    appendU16(bytes, static_cast<quint16>(value & 0xFFFF));
    appendU16(bytes, static_cast<quint16>(value >> 16));
}

quint16 BootPacket::readU16(const QByteArray &bytes, int at)
{
    if (at < 0 || at + 2 > bytes.size())
        return 0;
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) |
                                (static_cast<quint8>(bytes[at + 1]) << 8));
}

quint32 BootPacket::readU32(const QByteArray &bytes, int at)
{
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    return static_cast<quint32>(readU16(bytes, at)) |
           (static_cast<quint32>(readU16(bytes, at + 2)) << 16);
}

} // namespace fwupgrade
