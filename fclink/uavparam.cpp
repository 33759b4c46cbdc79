#include "uavparam.h"

UavParam uavParam = {};

namespace fclink {

QMutex &parameterBlockMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace fclink
