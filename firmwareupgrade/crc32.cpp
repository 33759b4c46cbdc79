#include "crc32.h"

#include <array>

namespace fwupgrade {

namespace {

std::array<quint32, 256> makeTable()
{
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1U) ? (value >> 1) ^ 0xEDB88320U : value >> 1;
        table[i] = value;
    }
    return table;
}

} // namespace

quint32 crc32(const quint8 *data, std::size_t length)
{
    static const std::array<quint32, 256> table = makeTable();
    quint32 crc = 0xFFFFFFFFU;
    for (std::size_t i = 0; i < length; ++i)
        crc = table[(crc ^ data[i]) & 0xFFU] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

quint32 crc32(const QByteArray &data)
{
    return crc32(reinterpret_cast<const quint8 *>(data.constData()),
                 static_cast<std::size_t>(data.size()));
}

} // namespace fwupgrade
