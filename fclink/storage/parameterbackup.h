#ifndef FCLINK_PARAMETERBACKUP_H
#define FCLINK_PARAMETERBACKUP_H

#include "fclink/fclink_global.h"
#include "fclink/model/blockimage.h"

#include <QDateTime>
#include <QString>

namespace fclink {

struct Snapshot;

// A copy of the controller's parameter block taken before its firmware is upgraded, kept in the
// configuration history (SnapshotStore) as a snapshot of reason "before flash": a parameter file
// in the export format that is never pruned and never overwritten, with the port, device and
// firmware it came from. A new firmware may start with other parameters; the backup is what the
// pilot had, and it belongs to that controller only.
class FCLINK_EXPORT ParameterBackup
{
public:
    // The folder backups are written to.
    static QString folder();

    // Saves a block read from the controller on port with this device id and firmware
    // version (hundredths), always as a history entry of its own. On failure the backup is not
    // valid and *error says why.
    static ParameterBackup save(const BlockImage &block, int deviceId, int firmwareVersion,
                                const QString &port, QString *error);
    static ParameterBackup save(const BlockImage &block, int deviceId, int firmwareVersion,
                                QString *error);
    // Reads a backup file written by save() (or any complete parameter file).
    static ParameterBackup load(const QString &path, QString *error);
    // The newest backup taken before a flash of the controller with this device id on port
    // (the same name, or a name of the same device); not valid when there is none.
    static ParameterBackup newestFor(const QString &port, int deviceId);
    // Whether two port names reach the same device: equal, or resolving to one device node.
    static bool samePort(const QString &first, const QString &second);

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    const BlockImage &block() const { return m_block; }
    // Where and when it was taken, and from which firmware (hundredths); the port is empty and
    // the time invalid for a file loaded by path.
    QString port() const { return m_port; }
    QDateTime time() const { return m_time; }
    int deviceId() const { return m_deviceId; }
    int firmwareVersion() const { return m_firmwareVersion; }
    // How many of the 198 fields hold another value in block than in the backup.
    int differingFields(const BlockImage &block) const;

private:
    static ParameterBackup fromSnapshot(const Snapshot &snapshot, const BlockImage &block);

    QString m_path;
    BlockImage m_block;
    QString m_port;
    QDateTime m_time;
    int m_deviceId = 0;
    int m_firmwareVersion = 0;
};

} // namespace fclink

#endif // FCLINK_PARAMETERBACKUP_H
