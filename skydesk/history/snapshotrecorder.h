#ifndef SKYDESK_SNAPSHOTRECORDER_H
#define SKYDESK_SNAPSHOTRECORDER_H

#include "fclink/storage/snapshotstore.h"

#include <QObject>
#include <QString>

class Commrt;

// Keeps the configuration history: a snapshot of the parameter block after the first read of
// every connection, before a parameter file replaces it, after a restore has been verified, and
// whenever the pilot asks. Snapshots equal to the newest one are not stored again (the store
// sees to that), so reconnecting to an unchanged controller adds nothing.
class SnapshotRecorder : public QObject
{
    Q_OBJECT

public:
    SnapshotRecorder(Commrt *link, QObject *parent = nullptr,
                     const QString &folder = fclink::SnapshotStore::defaultFolder());

    fclink::SnapshotStore &store() { return m_store; }

    // Takes one of the block as it is now; false (and snapshotFailed) when it cannot be stored.
    bool take(fclink::SnapshotReason reason, const QString &note = QString());
    // A restore was uploaded: the snapshot follows its verification.
    void expectRestore();

signals:
    void snapshotTaken(const fclink::Snapshot &snapshot);
    void snapshotFailed(const QString &message);

private:
    void onUploadVerified(bool ok);

    Commrt *m_link;
    fclink::SnapshotStore m_store;
    bool m_restorePending = false;
};

#endif // SKYDESK_SNAPSHOTRECORDER_H
