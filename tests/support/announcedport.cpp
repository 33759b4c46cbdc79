#include "announcedport.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>

quint16 readAnnouncedPort(QProcess &process, int timeoutMs)
{
    static const QByteArray kPrefix = QByteArrayLiteral(" on 127.0.0.1:");
    QDeadlineTimer deadline(timeoutMs);
    while (process.state() == QProcess::Running && !deadline.hasExpired()) {
        if (!process.canReadLine()) {
            process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
            continue;
        }
        const QByteArray line = process.readLine().trimmed();
        const int at = line.lastIndexOf(kPrefix);
        if (at < 0)
            continue;
        bool ok = false;
        const uint port = line.mid(at + kPrefix.size()).toUInt(&ok);
        if (ok && port > 0 && port <= 65535)
            return quint16(port);
    }
    return 0;
}
