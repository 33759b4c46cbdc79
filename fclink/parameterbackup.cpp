#include "parameterbackup.h"

#include "parameterfields.h"
#include "parameterfile.h"
#include "parameterslices.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fclink {

namespace {

// A name no earlier backup has: the time of the backup, numbered when that is taken.
QString freeFileName(const QDir &folder)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = QStringLiteral("parameters-%1.conf").arg(stamp);
    for (int number = 2; folder.exists(name); ++number)
        name = QStringLiteral("parameters-%1-%2.conf").arg(stamp).arg(number);
    return folder.filePath(name);
}

} // namespace

QString ParameterBackup::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

ParameterBackup ParameterBackup::save(const quint8 *block, QString *error)
{
    ParameterBackup backup;
    const QString location = folder();
    if (!QDir().mkpath(location)) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(location);
        return backup;
    }
    const QString path = freeFileName(QDir(location));
    if (!saveParameterFile(path, block, error))
        return backup;
    backup.m_path = QFileInfo(path).absoluteFilePath();
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
