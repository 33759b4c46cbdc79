#include "blockaccess.h"

#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"

namespace blockaccess {

QVector<quint8> blockNow()
{
    QVector<quint8> bytes(int(sizeof(UavParam)));
    fclink::ParameterBlock::copyTo(bytes.data());
    return bytes;
}

void setBlock(const QVector<quint8> &bytes)
{
    Q_ASSERT(bytes.size() == int(sizeof(UavParam)));
    fclink::ParameterBlock::replace(bytes.constData());
}

QVector<quint8> randomBlock(QRandomGenerator &random)
{
    QVector<quint8> bytes(int(sizeof(UavParam)));
    for (quint8 &b : bytes)
        b = static_cast<quint8>(random.bounded(256));
    return bytes;
}

} // namespace blockaccess
