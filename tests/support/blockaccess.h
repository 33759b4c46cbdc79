#ifndef BLOCKACCESS_H
#define BLOCKACCESS_H

#include "fclink/model/blockimage.h"
#include "fclink/model/parameterblock.h"

#include <QRandomGenerator>

// The shared parameter block as the tests see it: copied out and written in under its lock.
// Header-only, so that suites without the rest of the support library can use it.
namespace blockaccess {

inline fclink::BlockImage blockNow()
{
    return fclink::ParameterBlock::copy();
}

inline void setBlock(const fclink::BlockImage &block)
{
    fclink::ParameterBlock::replace(block);
}

// One field of the shared block, as its meaning reads it.
inline qint32 valueNow(const char *fieldName)
{
    return blockNow().value(fieldName);
}

// Writes one field of the shared block (cut to its width), without an upload.
inline void setValueNow(const char *fieldName, qint32 value)
{
    fclink::BlockImage block = blockNow();
    block.setValue(fieldName, value);
    setBlock(block);
}

// A block of random bytes, for checks that must hold whatever the block holds.
inline fclink::BlockImage randomBlock(QRandomGenerator &random)
{
    fclink::BlockImage block;
    for (int i = 0; i < fclink::kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>(random.bounded(256));
    return block;
}

} // namespace blockaccess

namespace fclink {
// What QCOMPARE shows of a block that differs: its bytes in hexadecimal.
inline char *toString(const BlockImage &block)
{
    return qstrdup(block.toByteArray().toHex(' ').constData());
}
} // namespace fclink

#endif // BLOCKACCESS_H
