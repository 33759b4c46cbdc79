#ifndef FCLINK_SNAPSHOTSTORE_H
#define FCLINK_SNAPSHOTSTORE_H

#include "fclink_global.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

namespace fclink {

// Why a snapshot of the parameter block was taken.
enum class SnapshotReason
{
    Connect,      // the block as read after a connection
    BeforeImport, // the controller's block before a parameter file replaced it
    BeforeFlash,  // the controller's block before a firmware upgrade; never pruned
    AfterRestore, // the block after a snapshot (or part of one) was restored
    OnDemand      // the pilot's own, usually with a note
};

FCLINK_EXPORT QString snapshotReasonKey(SnapshotReason reason);
// False for a key no version of the program writes.
FCLINK_EXPORT bool snapshotReasonFromKey(const QString &key, SnapshotReason *reason);

struct FCLINK_EXPORT Snapshot
{
    QString path; // the parameter file that holds the block
    QDateTime time;
    SnapshotReason reason = SnapshotReason::OnDemand;
    QString note;
    int deviceId = 0;
    int firmwareVersion = 0; // hundredths: 105 is 1.05
    bool pinned = false;     // kept however many snapshots follow (taken before a flash)

    // The block, read from its file; empty (and *error set) when the file cannot be read.
    QByteArray readBlock(QString *error = nullptr) const;
};

// Every configuration the assistant has seen: each snapshot is a parameter file in the export
// format in one folder, with an index (index.json) that carries the time, device, firmware,
// reason and note. Skydesk and fctool share the folder. A snapshot equal to the newest one is
// not stored again; only the newest kMaxSnapshots are kept, except those taken before a flash.
// A damaged index is rebuilt from the files, and a damaged or foreign file is skipped with a log
// line. Writers take a lock file, so two programs can take snapshots at the same time.
class FCLINK_EXPORT SnapshotStore
{
public:
    static constexpr int kMaxSnapshots = 200;

    // The shared folder in the user's data location.
    static QString defaultFolder();

    explicit SnapshotStore(const QString &folder = defaultFolder());

    QString folder() const { return m_folder; }

    // Stores a 210-byte block. When it equals the newest snapshot's block, nothing new is
    // written and *taken is that snapshot (pinned now if this one would have been). Returns
    // false with *error set when the folder or file cannot be written.
    bool take(const quint8 *block, SnapshotReason reason, const QString &note, int deviceId,
              int firmwareVersion, Snapshot *taken, QString *error);

    // All snapshots, newest first.
    QVector<Snapshot> list() const;

private:
    QString indexPath() const;
    QVector<Snapshot> readIndex(bool *damaged) const;
    QVector<Snapshot> rebuildFromFiles() const;
    bool writeIndex(const QVector<Snapshot> &snapshots, QString *error) const;
    QString newFilePath(const QDateTime &time) const;
    void prune(QVector<Snapshot> *snapshots) const;

    QString m_folder;
};

} // namespace fclink

#endif // FCLINK_SNAPSHOTSTORE_H
