#include "upgradeevent.h"

UpgradeEvent::UpgradeEvent(quint32 code, qint32 portNumber, qint32 progress)
    : QEvent(QEvent::User), code(code), portNumber(portNumber), progress(progress)
{
}
