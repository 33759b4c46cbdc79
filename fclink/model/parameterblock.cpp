#include "parameterblock.h"

#include "fclink/model/uavparam.h"
#include "parameterfields.h"
#include "uavparam.h"

#include <cstring>
#include <mutex>

namespace fclink {

QByteArray ParameterBlock::copy()
{
    QByteArray block(kParameterBlockSize, '\0');
    copyTo(reinterpret_cast<quint8 *>(block.data()));
    return block;
}

void ParameterBlock::copyTo(quint8 *out)
{
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    std::memcpy(out, parameterBlockBytes(uavParam), kParameterBlockSize);
}

void ParameterBlock::replace(const quint8 *block)
{
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    std::memcpy(parameterBlockBytes(uavParam), block, kParameterBlockSize);
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
