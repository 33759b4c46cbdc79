#ifndef SKYDESK_SNAPSHOTRECORDER_H
#define SKYDESK_SNAPSHOTRECORDER_H

#include "fclink/storage/snapshotstore.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class Commrt;

// Keeps the configuration history: a snapshot of the parameter block after the first read of
// every connection, before a parameter file replaces it, after a restore has been verified, and
// whenever the pilot asks. Snapshots equal to the newest one are not stored again (the store
// sees to that), so reconnecting to an unchanged controller adds nothing. Each snapshot carries
// the controller's whole firmware version: the replies hold only its low 8 bits, so the block
// read after a connection is stored once the firmware info has told the rest (or has not come
// within a short while).
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

    // How long the snapshot of a connection waits for the firmware info.
    static constexpr int kFirmwareInfoWaitMs = 1500;

signals:
    void snapshotTaken(const fclink::Snapshot &snapshot);
    void snapshotFailed(const QString &message);

private:
    void onUploadVerified(bool ok);
    void onBlockReadAfterOpen();
    void takeConnectSnapshot();
    bool store(const fclink::BlockImage &block, fclink::SnapshotReason reason, const QString &note);

    Commrt *m_link;
    fclink::SnapshotStore m_store;
    bool m_restorePending = false;
    // The block as read after the connection, until its snapshot is taken.
    std::optional<fclink::BlockImage> m_connectBlock;
    QTimer m_versionWait;
};

#endif // SKYDESK_SNAPSHOTRECORDER_H
