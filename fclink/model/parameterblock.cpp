#include "parameterblock.h"

#include "fieldbytes.h"
#include "parameterfields.h"
#include "uavparam.h"

#include <cstring>
#include <mutex>

namespace fclink {

BlockImage ParameterBlock::copy()
{
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    return BlockImage(uavParam);
}

void ParameterBlock::replace(const BlockImage &block)
{
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    std::memcpy(parameterBlockBytes(uavParam), block.bytes(), kParameterBlockSize);
}

QVector<FieldChange> ParameterBlock::write(const QVector<FieldValue> &values)
{
    QVector<FieldChange> changes;
    changes.reserve(values.size());
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    quint8 *block = parameterBlockBytes(uavParam);
    for (const FieldValue &value : values) {
        FieldChange change;
        change.before = readValue(block, *value.field);
        writeField(block, *value.field, value.value);
        change.after = readValue(block, *value.field);
        changes.append(change);
    }
    return changes;
}

} // namespace fclink
