#include "fieldbytes.h"

#include "parameterfields.h"

#include <cstddef>
#include <cstring>

namespace fclink {

qint32 readField(const quint8 *block, const ParameterField &field)
{
    const quint8 *p = block + field.offset;
    switch (field.type) {
    case FieldType::Int8:
        return static_cast<qint8>(p[0]);
    case FieldType::UInt8:
        return p[0];
    case FieldType::Int16:
        return static_cast<qint16>(static_cast<quint16>(p[0] | (p[1] << 8)));
    case FieldType::UInt16:
        break;
    }
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

qint32 readValue(const quint8 *block, const ParameterField &field)
{
    return field.readsUnsigned() ? block[field.offset] : readField(block, field);
}

void writeField(quint8 *block, const ParameterField &field, qint32 value)
{
    const auto raw = static_cast<quint32>(value);
    block[field.offset] = static_cast<quint8>(raw & 0xFF);
    if (field.size() == 2)
        block[field.offset + 1] = static_cast<quint8>((raw >> 8) & 0xFF);
}

QStringList differingFields(const quint8 *first, const quint8 *second)
{
    QStringList names;
    for (const ParameterField &field : parameterFields()) {
        if (std::memcmp(first + field.offset, second + field.offset,
                        static_cast<std::size_t>(field.size())) != 0)
            names.append(QLatin1String(field.name));
    }
    return names;
}

} // namespace fclink
