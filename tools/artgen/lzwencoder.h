#ifndef ARTGEN_LZWENCODER_H
#define ARTGEN_LZWENCODER_H

#include <QByteArray>

#include <vector>

// The image data of a GIF frame: the colour indices compressed with variable-width LZW and cut
// into length-prefixed sub-blocks. Codes start one bit wider than the minimum code size and grow
// to 12 bits; when the dictionary is full a clear code starts it again.
class LzwEncoder
{
public:
    // indices hold one colour index per pixel, each below 2^minCodeSize (2 to 8). The result
    // starts with the minimum code size and ends with the empty block.
    static QByteArray encode(const QByteArray &indices, int minCodeSize);

private:
    explicit LzwEncoder(int minCodeSize);

    void compress(const QByteArray &indices);
    void resetDictionary();
    void writeCode(int code);
    void putByte(char byte);
    void flushBlock();
    void finish();

    const int m_minCodeSize;
    const int m_clearCode;
    const int m_endCode;
    // The dictionary as a trie: m_child[code * 256 + index] is the code of that string
    // extended by index, 0 while there is none (0 is never a child).
    std::vector<quint16> m_child;
    int m_codeBits = 0;
    int m_lastCode = 0;

    QByteArray m_out;
    QByteArray m_block;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

#endif // ARTGEN_LZWENCODER_H
