#include "uavparam.h"

#include "parameterfields.h"

UavParam uavParam = {};

namespace fclink {

std::mutex &parameterBlockMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace fclink

namespace fclink {

namespace {
const ParameterField &fieldNamed(const char *name)
{
    const ParameterField *field = findParameterField(QLatin1String(name));
    if (!field)
        qFatal("unknown parameter field %s", name); // a programming error, never data
    return *field;
}
} // namespace

qint32 readParameter(const char *name)
{
    const ParameterField &field = fieldNamed(name);
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    return readField(parameterBlockBytes(uavParam), field);
}

void writeParameter(const char *name, qint32 value)
{
    const ParameterField &field = fieldNamed(name);
    std::lock_guard<std::mutex> lock(parameterBlockMutex());
    writeField(parameterBlockBytes(uavParam), field, value);
}

} // namespace fclink
