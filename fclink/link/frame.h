#ifndef FCLINK_FRAME_H
#define FCLINK_FRAME_H

#include "fclink/fclink_global.h"

namespace fclink {

// Both directions use frames of exactly 64 bytes: two start bytes, a command byte at 4, a
// subframe head at 45 with a 16-byte payload behind it, and a CRC over bytes 0..61 stored high
// byte first in 62..63. Values inside payloads are little-endian.
constexpr int kFrameSize = 64;
constexpr int kChecksummedLength = 62;

constexpr quint8 kRequestStart0 = 0xCF;
constexpr quint8 kRequestStart1 = 0x70;
constexpr quint8 kReplyStart0 = 0xBF;
constexpr quint8 kReplyStart1 = 0x90;

namespace offset {
constexpr int Command = 4;
constexpr int DeviceId = 11;
constexpr int FirmwareVersion = 12;
constexpr int Head = 45;
constexpr int Payload = 46;
constexpr int ChecksumHigh = 62;
constexpr int ChecksumLow = 63;
} // namespace offset

// The head byte a request carries for the link's current head: the head itself for the write
// slices 1..14, the read slices 129..142 and the telemetry requests 192..196; 0 for any other
// value, which names no request kind.
FCLINK_EXPORT quint8 requestHeadByte(quint8 head);

// Builds a complete request frame into frame[0..63]. For write heads 1..14 the payload is the
// slice taken from block (210 bytes); block is not read for any other head and may be null then.
FCLINK_EXPORT void buildRequestFrame(quint8 command, quint8 head, const quint8 *block,
                                     quint8 *frame);

// Builds a reply frame as the flight controller sends it; payload may be null for all zeros.
FCLINK_EXPORT void buildReplyFrame(quint8 commandResult, quint8 deviceId, quint8 firmwareVersion,
                                   quint8 head, const quint8 *payload, quint8 *frame);

// Computes the CRC over bytes 0..61 and stores it in 62..63.
FCLINK_EXPORT void storeChecksum(quint8 *frame);
FCLINK_EXPORT bool checksumValid(const quint8 *frame);

inline qint16 readInt16(const quint8 *p)
{
    return static_cast<qint16>(static_cast<quint16>(p[0] | (p[1] << 8)));
}

inline void writeInt16(quint8 *p, qint16 value)
{
    const auto raw = static_cast<quint16>(value);
    p[0] = static_cast<quint8>(raw & 0xFF);
    p[1] = static_cast<quint8>(raw >> 8);
}

} // namespace fclink

#endif // FCLINK_FRAME_H
