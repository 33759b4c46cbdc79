#include "crc16.h"

namespace fclink {

namespace {
// CRC of each 4-bit value; the checksum is computed a nibble at a time, high nibble first.
constexpr quint16 kNibbleTable[16] = {0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5,
                                      0x60C6, 0x70E7, 0x8108, 0x9129, 0xA14A, 0xB16B,
                                      0xC18C, 0xD1AD, 0xE1CE, 0xF1EF};

inline quint16 feedNibble(quint16 crc, quint8 nibble)
{
    return static_cast<quint16>((crc << 4) ^ kNibbleTable[(crc >> 12) ^ nibble]);
}
} // namespace

quint16 crc16(const quint8 *data, std::size_t length)
{
    quint16 crc = 0;
    for (std::size_t i = 0; i < length; ++i) {
        crc = feedNibble(crc, data[i] >> 4);
        crc = feedNibble(crc, data[i] & 0x0F);
    }
    return crc;
}

} // namespace fclink
