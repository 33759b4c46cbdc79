#include "lzwencoder.h"

#include <algorithm>

namespace {

constexpr int maxCodeBits = 12;
constexpr int maxCodes = 1 << maxCodeBits;
constexpr int maxBlockSize = 255;

} // namespace

QByteArray LzwEncoder::encode(const QByteArray &indices, int minCodeSize)
{
    LzwEncoder encoder(minCodeSize);
    encoder.compress(indices);
    encoder.finish();
    return encoder.m_out;
}

LzwEncoder::LzwEncoder(int minCodeSize)
    : m_minCodeSize(minCodeSize), m_clearCode(1 << minCodeSize), m_endCode(m_clearCode + 1),
      m_child(size_t(maxCodes) * 256, 0)
{
    m_out.append(char(minCodeSize));
    resetDictionary();
}

void LzwEncoder::compress(const QByteArray &indices)
{
    writeCode(m_clearCode);
    int current = -1;
    for (const char byte : indices) {
        const int index = quint8(byte);
        if (current < 0) {
            current = index;
            continue;
        }
        quint16 &extended = m_child[size_t(current) * 256 + size_t(index)];
        if (extended != 0) {
            current = extended;
            continue;
        }
        writeCode(current);
        extended = quint16(++m_lastCode);
        // The decoder adds the same entry one code later and widens its codes at the same
        // point, so both sides agree on every code's width.
        if (m_lastCode >= (1 << m_codeBits) && m_codeBits < maxCodeBits)
            ++m_codeBits;
        if (m_lastCode == maxCodes - 1) {
            writeCode(m_clearCode);
            resetDictionary();
        }
        current = index;
    }
    if (current >= 0)
        writeCode(current);
    writeCode(m_endCode);
}

void LzwEncoder::resetDictionary()
{
    std::fill(m_child.begin(), m_child.end(), quint16(0));
    m_codeBits = m_minCodeSize + 1;
    m_lastCode = m_endCode;
}

// Codes are packed least significant bit first.
void LzwEncoder::writeCode(int code)
{
    m_bits |= quint32(code) << m_bitCount;
    m_bitCount += m_codeBits;
    while (m_bitCount >= 8) {
        putByte(char(m_bits & 0xff));
        m_bits >>= 8;
        m_bitCount -= 8;
    }
}

void LzwEncoder::putByte(char byte)
{
    m_block.append(byte);
    if (m_block.size() == maxBlockSize)
        flushBlock();
}

void LzwEncoder::flushBlock()
{
    if (m_block.isEmpty())
        return;
    m_out.append(char(m_block.size()));
    m_out.append(m_block);
    m_block.clear();
}

void LzwEncoder::finish()
{
    if (m_bitCount > 0)
        putByte(char(m_bits & 0xff));
    m_bits = 0;
    m_bitCount = 0;
    flushBlock();
    m_out.append('\0');
}
