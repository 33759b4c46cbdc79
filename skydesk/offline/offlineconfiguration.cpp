#include "offlineconfiguration.h"

#include "fclink/storage/parameterfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool readFile(const QString &path, QByteArray *contents)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *contents = file.readAll();
    return true;
}

} // namespace

OfflineConfiguration OfflineConfiguration::fromDefaults()
{
    return fromBlock(fclink::BlockImage::defaults(), tr("Defaults"));
}

OfflineConfiguration OfflineConfiguration::fromBlock(const fclink::BlockImage &block,
                                                     const QString &name)
{
    OfflineConfiguration configuration;
    configuration.m_name = name;
    configuration.m_saved = block;
    configuration.m_block = block;
    return configuration;
}

bool OfflineConfiguration::fromFile(const QString &path, OfflineConfiguration *configuration,
                                    QString *error)
{
    OfflineConfiguration loaded;
    QString reason;
    // The bytes are read first: the block is then checked from the same file, and a file that
    // changes between the two would at worst be refused.
    if (!readFile(path, &loaded.m_contents) ||
        !fclink::loadParameterFileStrict(path, &loaded.m_saved, &reason)) {
        if (error)
            *error = tr("Invalid parameter file: %1\n%2")
                         .arg(QDir::toNativeSeparators(path),
                              reason.isEmpty() ? tr("it cannot be read") : reason);
        return false;
    }
    loaded.m_block = loaded.m_saved;
    loaded.m_path = path;
    loaded.m_name = QFileInfo(path).fileName();
    *configuration = loaded;
    return true;
}

QVector<fclink::FieldChange> OfflineConfiguration::write(const QVector<fclink::FieldValue> &values)
{
    QVector<fclink::FieldChange> changes;
    for (const fclink::FieldValue &value : values) {
        const qint32 before = m_block.value(*value.field);
        m_block.setValue(*value.field, value.value);
        changes.append({before, m_block.value(*value.field)});
    }
    m_edited = true;
    return changes;
}

void OfflineConfiguration::revert()
{
    m_block = m_saved;
    m_edited = false;
}

bool OfflineConfiguration::save(QString *error)
{
    return saveAs(m_path, error);
}

bool OfflineConfiguration::saveAs(const QString &path, QString *error)
{
    QString reason;
    QByteArray written;
    bool saved = false;
    if (m_contents.isEmpty()) {
        // Without a file of its own, it is written whole, as an export writes the block.
        saved = fclink::saveParameterFile(path, m_block, &reason) && readFile(path, &written);
    } else {
        written = fclink::changedParameterFile(m_contents, m_saved, m_block);
        saved = fclink::saveFileContents(path, written, &reason);
    }
    if (!saved) {
        if (error)
            *error = tr("Cannot save the parameter file: %1")
                         .arg(reason.isEmpty() ? QDir::toNativeSeparators(path) : reason);
        return false;
    }
    m_contents = written;
    m_saved = m_block;
    m_path = path;
    m_name = QFileInfo(path).fileName();
    m_edited = false;
    return true;
}
