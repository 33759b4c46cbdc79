#include "bootpacketassembler.h"

#include "fclink/link/crc16.h"

namespace fwupgrade {

void BootPacketAssembler::feed(const QByteArray &bytes, const PacketHandler &onPacket)
{
    m_buffer.append(bytes);
    for (;;) {
        // Drop everything before the next start pair (a lone 0xA5 at the end is kept).
        int start = 0;
        while (start < m_buffer.size()) {
            if (static_cast<quint8>(m_buffer[start]) == boot::kStart0 &&
                (start + 1 == m_buffer.size() ||
                 static_cast<quint8>(m_buffer[start + 1]) == boot::kStart1))
                break;
            ++start;
        }
        m_buffer.remove(0, start);
        if (m_buffer.size() < boot::kHeaderSize)
            return;

        const int length = BootPacket::readU16(m_buffer, 4);
        if (length > boot::kMaxPayload) {
            m_buffer.remove(0, 1);
            continue;
        }
        const int total = boot::kHeaderSize + length + boot::kTrailerSize;
        if (m_buffer.size() < total)
            return;

        const auto *raw = reinterpret_cast<const quint8 *>(m_buffer.constData());
        const quint16 expected = fclink::crc16(raw + 2, static_cast<std::size_t>(4 + length));
        const quint16 stored = static_cast<quint16>((raw[total - 2] << 8) | raw[total - 1]);
        const BootPacket packet(raw[2], raw[3], m_buffer.mid(boot::kHeaderSize, length));
        m_buffer.remove(0, total);
        onPacket(packet, expected == stored);
    }
}

} // namespace fwupgrade
