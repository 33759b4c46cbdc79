#include "updateserver.h"

#include "fclink/link/commrt.h"
#include "firmwareupgrade/firmwareupgradelib.h"
#include "skydesk/common/logcategories.h"

#include <QNetworkReply>

QString updateServerAddress()
{
    const QString configured = qEnvironmentVariable("KESTO_UPDATE_SERVER").trimmed();
    return configured.isEmpty() ? QStringLiteral(KESTO_UPDATE_SERVER_DEFAULT) : configured;
}

QUrl updateServerUrl(const QString &path)
{
    return QUrl(QStringLiteral("http://") + updateServerAddress() + path);
}

bool replySucceeded(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status == 200)
        return true;
    qCWarning(lcUpdate) << reply->url().toString() << "HTTP status" << status << "-"
                        << reply->errorString();
    return false;
}

bool bodyIsWhole(const QNetworkReply *reply, qint64 received)
{
    bool announced = false;
    const qint64 length =
        reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&announced);
    if (!announced || received >= length)
        return true;
    qCWarning(lcUpdate) << reply->url().toString() << "ended after" << received << "of" << length
                        << "bytes";
    return false;
}

quint8 comPortNumber(const QString &portName)
{
    if (!portName.startsWith(QLatin1String("COM")))
        return 0;
    return static_cast<quint8>(portName.mid(3).toInt());
}

void startFirmwareUpgrade(FirmwareUpgradeLib *upgrader, const QString &portName,
                          const QString &file)
{
#ifdef Q_OS_WIN
    upgrader->start(comPortNumber(portName), file);
#else
    upgrader->start(portName, file);
#endif
}

QString portLabel(int portNumber, const Commrt *link)
{
    if (portNumber >= 0 && (!link || link->getPortName().startsWith(QLatin1String("COM"))))
        return QStringLiteral("COM%1").arg(portNumber);
    return link ? link->getPortName() : QString();
}
