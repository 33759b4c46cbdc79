#include "blockimage.h"

#include "fieldbytes.h"
#include "parameterfields.h"

#include <cstring>

namespace fclink {

namespace {
const ParameterField &fieldNamed(const char *name)
{
    const ParameterField *field = findParameterField(QLatin1String(name));
    if (!field)
        qFatal("no parameter field is named %s", name); // a mistake in the code, never data
    return *field;
}
} // namespace

BlockImage::BlockImage(const quint8 *bytes)
{
    std::memcpy(m_bytes.data(), bytes, m_bytes.size());
}

BlockImage::BlockImage(const UavParam &block) : BlockImage(parameterBlockBytes(block)) {}

BlockImage BlockImage::defaults()
{
    BlockImage block;
    for (const ParameterField &field : parameterFields())
        block.setValue(field, field.defaultValue);
    return block;
}

qint32 BlockImage::value(const ParameterField &field) const
{
    return readValue(bytes(), field);
}

qint32 BlockImage::fileValue(const ParameterField &field) const
{
    return readField(bytes(), field);
}

void BlockImage::setValue(const ParameterField &field, qint32 value)
{
    writeField(bytes(), field, value);
}

qint32 BlockImage::value(const char *fieldName) const
{
    return value(fieldNamed(fieldName));
}

void BlockImage::setValue(const char *fieldName, qint32 value)
{
    setValue(fieldNamed(fieldName), value);
}

QStringList BlockImage::differingFields(const BlockImage &other) const
{
    return fclink::differingFields(bytes(), other.bytes());
}

QByteArray BlockImage::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char *>(bytes()), kParameterBlockSize);
}

UavParam BlockImage::toStruct() const
{
    UavParam block;
    std::memcpy(parameterBlockBytes(block), bytes(), kParameterBlockSize);
    return block;
}

} // namespace fclink
