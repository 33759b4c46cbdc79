#include "parameterfile.h"

#include "parameterfields.h"
#include "parameterslices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <cstring>

namespace fclink {

namespace {

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

bool checkValue(const ParameterField &field, const QVariant &stored, qint32 *value, QString *error)
{
    const QString key = field.fileKeyName();
    if (!stored.isValid()) {
        setError(error, QStringLiteral("missing key %1 (%2)").arg(key, QLatin1String(field.name)));
        return false;
    }
    bool ok = false;
    const qint64 number = stored.toString().trimmed().toLongLong(&ok, 10);
    if (!ok) {
        setError(error, QStringLiteral("%1 (%2): '%3' is not a whole number")
                            .arg(key, QLatin1String(field.name), stored.toString()));
        return false;
    }
    if (!valueFitsField(field.type, number)) {
        setError(error, QStringLiteral("%1 (%2): %3 is outside %4 (%5..%6)")
                            .arg(key, QLatin1String(field.name))
                            .arg(number)
                            .arg(fieldTypeName(field.type))
                            .arg(fieldMinimum(field.type))
                            .arg(fieldMaximum(field.type)));
        return false;
    }
    *value = static_cast<qint32>(number);
    return true;
}

// Moves source over target. POSIX rename replaces the target in one step, so a reader never
// finds the file missing; where rename refuses an existing target, remove it first.
bool replaceFile(const QString &source, const QString &target)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0)
        return true;
    return (!QFileInfo::exists(target) || QFile::remove(target)) && QFile::rename(source, target);
}

} // namespace

bool saveParameterFile(const QString &path, const quint8 *block, QString *error)
{
    // QSettings would create missing folders on its own; a mistyped path should fail instead.
    if (!QFileInfo(path).absoluteDir().exists()) {
        setError(error, QStringLiteral("cannot write %1: no such folder").arg(path));
        return false;
    }
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QSettings settings(partial, QSettings::IniFormat);
        for (const ParameterField &field : parameterFields())
            settings.setValue(field.fileKeyName(), QString::number(readField(block, field)));
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            QFile::remove(partial);
            setError(error, QStringLiteral("cannot write %1").arg(path));
            return false;
        }
    }
    if (!replaceFile(partial, path)) {
        QFile::remove(partial);
        setError(error, QStringLiteral("cannot replace %1").arg(path));
        return false;
    }
    return true;
}

bool loadParameterFileStrict(const QString &path, quint8 *block, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    file.close();

    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        setError(error, QStringLiteral("%1 is not a parameter file").arg(path));
        return false;
    }
    quint8 loaded[kParameterBlockSize] = {};
    for (const ParameterField &field : parameterFields()) {
        qint32 value = 0;
        if (!checkValue(field, settings.value(field.fileKeyName()), &value, error))
            return false;
        writeField(loaded, field, value);
    }
    std::memcpy(block, loaded, kParameterBlockSize);
    return true;
}

} // namespace fclink
