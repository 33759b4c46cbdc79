#include "parameterbackup.h"

#include "fclink/link/portnaming.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"
#include "parameterfile.h"
#include "snapshotstore.h"

#include <QFileInfo>

namespace fclink {

QString ParameterBackup::folder()
{
    return SnapshotStore::defaultFolder();
}

ParameterBackup ParameterBackup::fromSnapshot(const Snapshot &snapshot, const QByteArray &block)
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

ParameterBackup ParameterBackup::save(const quint8 *block, int deviceId, int firmwareVersion,
                                      QString *error)
{
    return save(block, deviceId, firmwareVersion, QString(), error);
}

ParameterBackup ParameterBackup::save(const quint8 *block, int deviceId, int firmwareVersion,
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
    return fromSnapshot(snapshot,
                        QByteArray(reinterpret_cast<const char *>(block), kParameterBlockSize));
}

ParameterBackup ParameterBackup::load(const QString &path, QString *error)
{
    ParameterBackup backup;
    QByteArray block(kParameterBlockSize, '\0');
    if (!loadParameterFileStrict(path, reinterpret_cast<quint8 *>(block.data()), error))
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
        const QByteArray block = snapshot.readBlock();
        if (!block.isEmpty())
            return fromSnapshot(snapshot, block);
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

int ParameterBackup::differingFields(const quint8 *block) const
{
    if (m_block.size() != kParameterBlockSize)
        return 0;
    const auto *saved = reinterpret_cast<const quint8 *>(m_block.constData());
    int count = 0;
    for (const ParameterField &field : parameterFields()) {
        if (readField(saved, field) != readField(block, field))
            ++count;
    }
    return count;
}

} // namespace fclink
