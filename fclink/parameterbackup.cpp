#include "parameterbackup.h"

#include "parameterfields.h"
#include "parameterfile.h"
#include "parameterslices.h"

#include "snapshotstore.h"

#include <QFileInfo>

namespace fclink {

QString ParameterBackup::folder()
{
    return SnapshotStore::defaultFolder();
}

ParameterBackup ParameterBackup::save(const quint8 *block, int deviceId, int firmwareVersion,
                                      QString *error)
{
    ParameterBackup backup;
    Snapshot snapshot;
    QString reason;
    if (!SnapshotStore(folder()).take(block, SnapshotReason::BeforeFlash, QString(), deviceId,
                                      firmwareVersion, &snapshot, &reason)) {
        if (error)
            *error = reason;
        return backup;
    }
    backup.m_path = QFileInfo(snapshot.path).absoluteFilePath();
    backup.m_block = QByteArray(reinterpret_cast<const char *>(block), kParameterBlockSize);
    return backup;
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
