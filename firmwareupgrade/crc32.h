#ifndef FIRMWAREUPGRADE_CRC32_H
#define FIRMWAREUPGRADE_CRC32_H

#include "firmwareupgrade_global.h"

#include <QByteArray>

#include <cstddef>

namespace fwupgrade {

// CRC-32 as zlib and IEEE 802.3 compute it: reflected polynomial 0xEDB88320, initial value
// 0xFFFFFFFF, final XOR 0xFFFFFFFF. crc32("123456789") is 0xCBF43926.
FIRMWAREUPGRADE_EXPORT quint32 crc32(const quint8 *data, std::size_t length);
FIRMWAREUPGRADE_EXPORT quint32 crc32(const QByteArray &data);

} // namespace fwupgrade

#endif // FIRMWAREUPGRADE_CRC32_H
