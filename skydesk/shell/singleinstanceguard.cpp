#include "singleinstanceguard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

QString lockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &programPath)
{
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(programPath).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    m_path = lockFolder() + QStringLiteral("/skydesk-") + QString::fromLatin1(key) +
             QStringLiteral(".lock");
}

bool SingleInstanceGuard::tryAcquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // A running copy may hold the lock for days; only a lock whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
