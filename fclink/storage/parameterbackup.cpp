#include "parameterbackup.h"

#include "fclink/link/portnaming.h"
#include "parameterfile.h"
#include "snapshotstore.h"

#include <QFileInfo>

namespace fclink {

QString ParameterBackup::folder()
{
    return SnapshotStore::defaultFolder();
}

ParameterBackup ParameterBackup::fromSnapshot(const Snapshot &snapshot, const BlockImage &block)
{
    ParameterBackup backup;
    backup.m_path = QFileInfo(snapshot.path).absoluteFilePath();
    backup.m_block = block;
    backup.m_port = snapshot.port;
    backup.m_time = snapshot.time;
    backup.m_deviceId = snapshot.deviceId;
    backup.m_firmwareVersion = snapshot.firmwareVersion;
    return backup;
}

ParameterBackup ParameterBackup::save(const BlockImage &block, int deviceId, int firmwareVersion,
                                      QString *error)
{
    return save(block, deviceId, firmwareVersion, QString(), error);
}

ParameterBackup ParameterBackup::save(const BlockImage &block, int deviceId, int firmwareVersion,
                                      const QString &port, QString *error)
{
    SnapshotDetails details;
    details.reason = SnapshotReason::BeforeFlash;
    details.deviceId = deviceId;
    details.firmwareVersion = firmwareVersion;
    details.port = port;
    Snapshot snapshot;
    QString reason;
    if (!SnapshotStore(folder()).take(block, details, &snapshot, &reason)) {
        if (error)
            *error = reason;
        return ParameterBackup();
    }
    return fromSnapshot(snapshot, block);
}

ParameterBackup ParameterBackup::load(const QString &path, QString *error)
{
    ParameterBackup backup;
    BlockImage block;
    if (!loadParameterFileStrict(path, &block, error))
        return backup;
    backup.m_path = QFileInfo(path).absoluteFilePath();
    backup.m_block = block;
    return backup;
}

ParameterBackup ParameterBackup::newestFor(const QString &port, int deviceId)
{
    for (const Snapshot &snapshot : SnapshotStore(folder()).list()) {
        if (snapshot.reason != SnapshotReason::BeforeFlash || !snapshot.pinned ||
            snapshot.deviceId != deviceId || !samePort(snapshot.port, port))
            continue;
        if (const std::optional<BlockImage> block = snapshot.readBlock())
            return fromSnapshot(snapshot, *block);
    }
    return ParameterBackup();
}

bool ParameterBackup::samePort(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    if (first == second)
        return true;
    const QString a = QFileInfo(deviceForPortName(first)).canonicalFilePath();
    const QString b = QFileInfo(deviceForPortName(second)).canonicalFilePath();
    return !a.isEmpty() && a == b;
}

int ParameterBackup::differingFields(const BlockImage &block) const
{
    return isValid() ? int(m_block.differingFields(block).size()) : 0;
}

} // namespace fclink
