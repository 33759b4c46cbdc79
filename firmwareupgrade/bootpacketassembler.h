#ifndef FIRMWAREUPGRADE_BOOTPACKETASSEMBLER_H
#define FIRMWAREUPGRADE_BOOTPACKETASSEMBLER_H

#include "bootpacket.h"
#include "firmwareupgrade_global.h"

#include <QByteArray>

#include <functional>

namespace fwupgrade {

// Cuts bootloader packets out of a byte stream. It hunts for 0xA5 0x5A, reads the header and
// takes length + 2 more bytes. A length above boot::kMaxPayload cannot be a packet: the hunt
// restarts one byte after the false start. A complete packet is handed on with whether its CRC
// holds; bytes may arrive in any number of pieces.
class FIRMWAREUPGRADE_EXPORT BootPacketAssembler
{
public:
    using PacketHandler = std::function<void(const BootPacket &packet, bool crcValid)>;

    void feed(const QByteArray &bytes, const PacketHandler &onPacket);
    void clear() { m_buffer.clear(); }

private:
    QByteArray m_buffer;
};

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_BOOTPACKETASSEMBLER_H
