#ifndef SKYDESK_SINGLEINSTANCEGUARD_H
#define SKYDESK_SINGLEINSTANCEGUARD_H

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps a second copy of the same program file from running for the same user: a lock file in
// the user's runtime folder, named after a hash of the program's path. The lock of a copy that
// crashed is recognised as stale (its process is gone) and taken over.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString &programPath);

    // True when this process now holds the lock (no other copy runs).
    bool tryAcquire();

    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

#endif // SKYDESK_SINGLEINSTANCEGUARD_H
