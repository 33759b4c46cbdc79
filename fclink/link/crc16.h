#ifndef FCLINK_CRC16_H
#define FCLINK_CRC16_H

#include "fclink/fclink_global.h"

#include <cstddef>

namespace fclink {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final XOR.
// Both frame directions carry it over bytes 0..61, stored high byte first.
FCLINK_EXPORT quint16 crc16(const quint8 *data, std::size_t length);

} // namespace fclink

#endif // FCLINK_CRC16_H
