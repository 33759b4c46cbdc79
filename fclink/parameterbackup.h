#ifndef FCLINK_PARAMETERBACKUP_H
#define FCLINK_PARAMETERBACKUP_H

#include "fclink_global.h"

#include <QByteArray>
#include <QString>

namespace fclink {

// A copy of the controller's parameter block taken before its firmware is upgraded, kept in the
// configuration history (SnapshotStore) as a snapshot of reason "before flash": a parameter file
// in the export format that is never pruned and never overwritten. A new firmware may start with
// other parameters; the backup is what the pilot had.
class FCLINK_EXPORT ParameterBackup
{
public:
    // The folder backups are written to.
    static QString folder();

    // Saves a 210-byte block read from the controller with this device id and firmware version
    // (hundredths). A block equal to the newest snapshot is that snapshot. On failure the backup
    // is not valid and *error says why.
    static ParameterBackup save(const quint8 *block, int deviceId, int firmwareVersion,
                                QString *error);
    // Reads a backup file written by save() (or any complete parameter file).
    static ParameterBackup load(const QString &path, QString *error);

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    // The saved block, 210 bytes.
    const QByteArray &block() const { return m_block; }
    // How many of the 198 fields hold another value in block than in the backup.
    int differingFields(const quint8 *block) const;

private:
    QString m_path;
    QByteArray m_block;
};

} // namespace fclink

#endif // FCLINK_PARAMETERBACKUP_H
