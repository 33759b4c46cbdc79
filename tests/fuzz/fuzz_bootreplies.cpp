// libFuzzer target for the bootloader's replies: arbitrary bytes from the port through the packet
// assembler an upgrade reads them with. The first input byte seeds how the rest is cut into the
// pieces the port delivers. What must hold for any bytes:
// - the packets handed on do not depend on how the bytes arrive: in one piece or in many;
// - no packet carries more than the largest payload;
// - every packet whose CRC holds stands in the bytes exactly as it encodes, each after the last.
#include "firmwareupgrade/bootpacket.h"
#include "firmwareupgrade/bootpacketassembler.h"
#include "fuzzsupport.h"

#include <vector>

using fwupgrade::BootPacket;
using fwupgrade::BootPacketAssembler;

namespace {

struct Received
{
    BootPacket packet;
    bool crcValid;

    bool operator==(const Received &other) const
    {
        return crcValid == other.crcValid && packet.type() == other.packet.type() &&
               packet.sequence() == other.packet.sequence() &&
               packet.payload() == other.packet.payload();
    }
};

std::vector<Received> assemble(const QByteArray &bytes, quint8 seed)
{
    std::vector<Received> received;
    const auto collect = [&](const BootPacket &packet, bool crcValid) {
        received.push_back({packet, crcValid});
    };
    BootPacketAssembler assembler;
    if (seed == 0) {
        assembler.feed(bytes, collect);
        return received;
    }
    // Pieces of 1 to 32 bytes, a repeatable sequence for each seed.
    quint32 state = seed;
    for (int at = 0; at < bytes.size();) {
        state = state * 1103515245u + 12345u;
        const int piece = 1 + int((state >> 16) % 32);
        assembler.feed(bytes.mid(at, piece), collect);
        at += piece;
    }
    return received;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes = fuzzInput(data + 1, size - 1);
    const std::vector<Received> whole = assemble(bytes, 0);
    FUZZ_REQUIRE(assemble(bytes, data[0] | 1) == whole);

    int after = 0;
    for (const Received &received : whole) {
        FUZZ_REQUIRE(received.packet.payload().size() <= fwupgrade::boot::kMaxPayload);
        if (!received.crcValid)
            continue;
        const QByteArray encoded = received.packet.encode();
        const int at = bytes.indexOf(encoded, after);
        FUZZ_REQUIRE(at >= after);
        after = at + encoded.size();
    }
    return 0;
}
