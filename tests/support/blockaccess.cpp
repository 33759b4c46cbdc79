#include "blockaccess.h"

#include "parameterfields.h"
#include "uavparam.h"

#include <cstring>
#include <mutex>

namespace blockaccess {

QVector<quint8> blockNow()
{
    std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
    const quint8 *raw = fclink::parameterBlockBytes(uavParam);
    return QVector<quint8>(raw, raw + sizeof(UavParam));
}

void setBlock(const QVector<quint8> &bytes)
{
    Q_ASSERT(bytes.size() == int(sizeof(UavParam)));
    std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
    std::memcpy(fclink::parameterBlockBytes(uavParam), bytes.constData(), sizeof(UavParam));
}

QVector<quint8> randomBlock(QRandomGenerator &random)
{
    QVector<quint8> bytes(int(sizeof(UavParam)));
    for (quint8 &b : bytes)
        b = static_cast<quint8>(random.bounded(256));
    return bytes;
}

} // namespace blockaccess
