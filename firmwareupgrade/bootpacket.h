#ifndef FIRMWAREUPGRADE_BOOTPACKET_H
#define FIRMWAREUPGRADE_BOOTPACKET_H

#include "firmwareupgrade_global.h"

#include <QByteArray>

namespace fwupgrade {

// One bootloader packet, the same shape in both directions:
//
//   0xA5 0x5A  type u8  sequence u8  length u16 LE  payload[length]  CRC-16 high  CRC-16 low
//
// The CRC is CRC-16/XMODEM over type .. end of payload. A reply carries the request's type
// with bit 7 set and the request's sequence number. Numbers inside payloads are little-endian.
namespace boot {

constexpr quint8 kStart0 = 0xA5;
constexpr quint8 kStart1 = 0x5A;
constexpr int kHeaderSize = 6;  // start bytes, type, sequence, length
constexpr int kTrailerSize = 2; // CRC
constexpr int kMaxPayload = 512;
constexpr int kMaxWriteData = 256;
constexpr quint8 kReplyBit = 0x80;

// Request types and their payloads (the reply payload follows the arrow).
constexpr quint8 Sync = 0x01;   // {} -> {device id u8, bootloader version u8, max block u16,
                                //      flash size u32, application u8, firmware version u16}
constexpr quint8 Erase = 0x02;  // {image length u32} -> {status u8}
constexpr quint8 Write = 0x03;  // {address u32, data[1..256]} -> {status u8}
constexpr quint8 Verify = 0x04; // {length u32, crc32 u32} -> {status u8}
constexpr quint8 Run = 0x05;    // {firmware version u16} -> {status u8}
constexpr quint8 Leave = 0x06;  // {} -> {status u8}: start the application the flash holds

constexpr int kSyncReplySize = 11;

// The application byte of the SYNC reply: whether the flash holds a whole, verified application
// (whose version follows), or nothing that can run (erased, or left half-written by a run that
// did not finish).
enum Application : quint8
{
    NoApplication = 0,
    IntactApplication = 1
};

// Status byte of the erase, write, verify and run replies.
enum Status : quint8
{
    Ok = 0,
    EraseFailed = 1,
    FlashFailed = 2,
    AddressInvalid = 3,
    LengthInvalid = 4,
    HeadInvalid = 5,
    ChecksumInvalid = 6, // the request the device received failed its CRC
    VerifyMismatch = 7,
    RunFailed = 8,
    UnexpectedState = 9,
    NothingToRun = 10 // LEAVE while the flash holds no intact application
};

} // namespace boot

class FIRMWAREUPGRADE_EXPORT BootPacket
{
public:
    BootPacket() = default;
    BootPacket(quint8 type, quint8 sequence, const QByteArray &payload = QByteArray())
        : m_type(type), m_sequence(sequence), m_payload(payload)
    {
    }

    quint8 type() const { return m_type; }
    quint8 sequence() const { return m_sequence; }
    const QByteArray &payload() const { return m_payload; }

    // The packet as it goes on the line, CRC included.
    QByteArray encode() const;

    // Little-endian helpers for building and reading payloads.
    static void appendU16(QByteArray *bytes, quint16 value);
    static void appendU32(QByteArray *bytes, quint32 value);
    static quint16 readU16(const QByteArray &bytes, int at);
    static quint32 readU32(const QByteArray &bytes, int at);

private:
    quint8 m_type = 0;
    quint8 m_sequence = 0;
    QByteArray m_payload;
};

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_BOOTPACKET_H
