#include "updatehelpers.h"

#include "messagestyle.h"

#include <upgrademessages.h>

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

QString pushButtonStyle()
{
    return QStringLiteral(
        "QPushButton{border:1px solid #222222;"
        "background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #ffffff,stop:0.4 #eeeeee,"
        "stop:0.5 #dddddd,stop:1.0 #aaaaaa);min-width:80px;color:black;}"
        "QPushButton:hover{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #ffffff,"
        "stop:0.4 #eeeeee,stop:0.5 #dddddd,stop:1.0 #cccccc);}"
        "QPushButton:pressed{border:2px solid #000000;background:qlineargradient(x1:0,y1:0,x2:0,"
        "y2:1,stop:0 #aaaaaa,stop:0.4 #dddddd,stop:0.5 #eeeeee,stop:1.0 #ffffff);}");
}

} // namespace update
