#include "updatehelpers.h"

#include "firmwareupgrade/upgrademessages.h"
#include "skydesk/common/messagestyle.h"

namespace update {

QString versionText(quint16 version)
{
    return QString::number(static_cast<float>(version) / 100.0f, 'f', 2);
}

QString reportLine(quint32 code, const QString &portLabel)
{
    const QString text = UpgradeMessages::text(code, portLabel);
    if (text.isNull())
        return QString();
    return MessageStyle::logLine(text, UpgradeMessages::severity(code));
}

} // namespace update
