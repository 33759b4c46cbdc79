#ifndef FCLINK_SNAPSHOTSTORE_H
#define FCLINK_SNAPSHOTSTORE_H

#include "fclink/fclink_global.h"
#include "fclink/model/blockimage.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QVector>

#include <optional>

class QLockFile;

namespace fclink {

// Why a snapshot of the parameter block was taken.
enum class SnapshotReason
{
    Connect,      // the block as read after a connection
    BeforeImport, // the controller's block before a parameter file replaced it
    BeforeFlash,  // the controller's block before a firmware upgrade; never pruned
    AfterRestore, // the block after a snapshot (or part of one) was restored
    OnDemand,     // the pilot's own, usually with a note
    Unknown       // a file of an older version, which did not say why
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
    QString port;            // the port the controller was on (backups before a flash)

    // The block, read from its file; empty (and *error set) when the file cannot be read.
    std::optional<BlockImage> readBlock(QString *error = nullptr) const;
};

// What a snapshot is taken with, besides the block.
struct FCLINK_EXPORT SnapshotDetails
{
    SnapshotReason reason = SnapshotReason::OnDemand;
    QString note;
    int deviceId = 0;
    int firmwareVersion = 0; // hundredths
    QString port;
};

// Every configuration the assistant has seen: each snapshot is a parameter file in the export
// format in one folder, with an index (index.json) that carries the time, device, firmware,
// reason, note, port and pinned flag. Each file carries the same details in a comment line at
// its head,
//
//   ; kesto-snapshot {"device":38,"firmware":300,"note":"","pinned":true,...}
//
// which parameter file readers skip, so a missing or damaged index is rebuilt from the files
// without losing anything (files of older versions, without that line, come back unpinned and
// of unknown reason). Skydesk and fctool share the folder. A snapshot equal to the newest one is
// not stored again, except a backup before a flash, which is always an entry of its own; only
// the newest kMaxSnapshots are kept, except those taken before a flash, and never at the cost
// of the one just taken. A damaged or foreign file is skipped with a log line. Writers take a
// lock file, so two programs can take snapshots at the same time.
class FCLINK_EXPORT SnapshotStore
{
public:
    static constexpr int kMaxSnapshots = 200;

    enum class TakeOutcome
    {
        Stored,          // a new snapshot
        SameAsNewest,    // the block equals the newest snapshot, which is *taken
        NoteAdded,       // the same, and the note was added to that snapshot
        StoredForItsNote // the same, but that one has another note: stored anew with this one
    };

    // The shared folder in the user's data location.
    static QString defaultFolder();

    explicit SnapshotStore(const QString &folder = defaultFolder());

    QString folder() const { return m_folder; }

    // Stores a block. When it equals the newest snapshot's block (and this is no
    // backup before a flash), nothing new is written and *taken is that snapshot; a note is
    // then added to it when it has none, and stored as a snapshot of its own when it has
    // another. *outcome says which. Returns false with *error naming the cause when the folder
    // or a file cannot be written.
    bool take(const BlockImage &block, const SnapshotDetails &details, Snapshot *taken,
              QString *error, TakeOutcome *outcome = nullptr);
    bool take(const BlockImage &block, SnapshotReason reason, const QString &note, int deviceId,
              int firmwareVersion, Snapshot *taken, QString *error);

    // All snapshots, newest first. *rebuilt: the index was missing or damaged and has been
    // rebuilt from the files (and written again where the folder allows).
    QVector<Snapshot> list(bool *rebuilt = nullptr) const;

private:
    QString indexPath() const;
    QVector<Snapshot> readIndex(bool *damaged) const;
    // The index, or what the files say when it is missing or damaged (*rebuilt).
    QVector<Snapshot> readOrRebuild(bool *rebuilt) const;
    QVector<Snapshot> rebuildFromFiles() const;
    bool writeIndex(const QVector<Snapshot> &snapshots, QString *error) const;
    QString newFilePath(const QDateTime &time) const;
    void prune(QVector<Snapshot> *snapshots, const QString &keep) const;
    bool lockFolder(QLockFile *lock, QString *error) const;

    QString m_folder;
};

} // namespace fclink

Q_DECLARE_METATYPE(fclink::Snapshot)

#endif // FCLINK_SNAPSHOTSTORE_H
