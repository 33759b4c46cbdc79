#include "uavparam.h"

UavParam uavParam = {};

namespace fclink {

std::mutex &parameterBlockMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace fclink
