#include "transferwatch.h"

#include "skydesk/common/logcategories.h"

#include <QNetworkReply>

namespace {

QString secondsText(int ms)
{
    return QString::number(ms / 1000.0);
}

} // namespace

TransferWatch::TransferWatch(QObject *parent) : QObject(parent)
{
    m_inactivity.setSingleShot(true);
    m_total.setSingleShot(true);
    connect(&m_inactivity, &QTimer::timeout, this, [this] { expire(Expiry::Inactivity); });
    connect(&m_total, &QTimer::timeout, this, [this] { expire(Expiry::Total); });
}

void TransferWatch::watch(QNetworkReply *reply, int inactivityMs, int totalMs)
{
    stop();
    m_reply = reply;
    m_expiry = Expiry::None;
    m_inactivity.setInterval(inactivityMs);
    m_inactivity.start();
    if (totalMs > 0)
        m_total.start(totalMs);
    // Any sign of bytes arriving: the headers, a piece of the body.
    const auto alive = [this, reply] {
        if (reply == m_reply)
            m_inactivity.start();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, alive);
    connect(reply, &QNetworkReply::readyRead, this, alive);
    connect(reply, &QNetworkReply::downloadProgress, this, alive);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply == m_reply)
            stop();
    });
}

void TransferWatch::stop()
{
    m_inactivity.stop();
    m_total.stop();
    if (m_reply)
        m_reply->disconnect(this);
    m_reply = nullptr;
}

void TransferWatch::expire(Expiry why)
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_expiry = why;
    qCWarning(lcUpdate) << reply->url().toString()
                        << (why == Expiry::Inactivity ? "stalled" : "took too long") << "- aborted";
    // Finishes the reply at once, with an error: the view's handler shows reason().
    reply->abort();
}

QString TransferWatch::reason() const
{
    switch (m_expiry) {
    case Expiry::Inactivity:
        return tr("The update server sent nothing for %1 s.")
            .arg(secondsText(m_inactivity.interval()));
    case Expiry::Total:
        return tr("The update server did not send the update information within %1 s.")
            .arg(secondsText(m_total.interval()));
    case Expiry::None:
        break;
    }
    return QString();
}
