#ifndef SKYDESK_TRANSFERWATCH_H
#define SKYDESK_TRANSFERWATCH_H

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QNetworkReply;

// How long a request to the update server may go on: a request that receives no byte for
// inactivityMs has stalled; the update-config document, a few hundred bytes, must have arrived
// within configTotalMs however slowly it trickles in. Tests give short ones.
struct NetworkTimeouts
{
    int inactivityMs = 15000;
    int configTotalMs = 30000;
};

// Ends a request to the update server that stalls: it is aborted (so it finishes with an error)
// when no byte arrives for the inactivity time, or when it has not finished within its total
// time. expiry() and reason() then say which, for the message the view shows.
class TransferWatch : public QObject
{
    Q_OBJECT

public:
    enum class Expiry
    {
        None,
        Inactivity,
        Total
    };

    explicit TransferWatch(QObject *parent = nullptr);

    // Watches reply until it finishes: no byte for inactivityMs aborts it, and so does totalMs
    // (0: no limit) after now.
    void watch(QNetworkReply *reply, int inactivityMs, int totalMs = 0);
    void stop();

    Expiry expiry() const { return m_expiry; }
    // Why the request was ended, for the user; empty when it was not.
    QString reason() const;

private:
    void expire(Expiry why);

    QPointer<QNetworkReply> m_reply;
    QTimer m_inactivity;
    QTimer m_total;
    Expiry m_expiry = Expiry::None;
};

#endif // SKYDESK_TRANSFERWATCH_H
