#include "updatehelpers.h"

namespace update {

QString versionText(quint16 version)
{
    return QString::number(static_cast<float>(version) / 100.0f, 'f', 2);
}

} // namespace update
