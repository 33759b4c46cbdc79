#include "appsettings.h"

#include "logcategories.h"
#include "product/installlayout.h"
#include "product/usersettingsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

QString AppSettings::filePath()
{
    return UserSettingsFile::path();
}

quint8 AppSettings::languageCode()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return static_cast<quint8>(
        settings.value(QLatin1String(UserSettingsFile::LanguageKey), 0).toInt());
}

bool AppSettings::setLanguageCode(quint8 code)
{
    return write(UserSettingsFile::LanguageKey, QString::number(code));
}

QString AppSettings::savedPort()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return settings.value(QLatin1String(UserSettingsFile::PortKey), QString()).toString();
}

bool AppSettings::setSavedPort(const QString &portName)
{
    return write(UserSettingsFile::PortKey, portName);
}

namespace {

// QSettings parses a group only when it is first asked for a key in it and reports only its
// first error, so a file is judged by its bytes and by reading every key.
bool isDamaged(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // missing or unreadable: the defaults hold, nothing to replace
    if (UserSettingsFile::holdsForeignBytes(file.readAll()))
        return true;
    const QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

void replaceAllWith(QSettings &settings, const QVariantMap &values)
{
    settings.clear();
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry)
        settings.setValue(entry.key(), entry.value());
}

// Writes exactly these values; on failure puts back what the file held before, because
// QSettings keeps a change it could not write and goes on reading it back in this process.
bool store(const QString &path, const QVariantMap &values, const QVariantMap &before)
{
    QSettings settings(path, QSettings::IniFormat);
    replaceAllWith(settings, values);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    replaceAllWith(settings, before);
    return false;
}

// A damaged file is removed so that QSettings writes a fresh one; a file the user made
// read-only is left as it is.
bool removeDamaged(const QString &path)
{
    if (!QFileInfo(path).isWritable() || !QFile::remove(path)) {
        qCWarning(lcShell) << "cannot replace the damaged" << path;
        return false;
    }
    return true;
}

} // namespace

bool AppSettings::write(const char *key, const QString &value)
{
    const QString path = filePath();
    const QVariantMap before = UserSettingsFile::readKnownValues(path);
    const bool damaged = isDamaged(path);
    const QVariant stored = before.value(QLatin1String(key));
    // What is stored already is not written again: a read-only file then warns only for a real
    // change, and a file the user keeps by hand keeps its comments.
    if (!damaged && stored.isValid() && stored.toString() == value)
        return true;
    if (damaged && !removeDamaged(path))
        return false;
    QVariantMap values = before;
    values.insert(QLatin1String(key), value);
    if (store(path, values, damaged ? QVariantMap() : before))
        return true;
    qCWarning(lcShell) << "cannot write" << key << "to" << path;
    return false;
}

bool AppSettings::replaceIfDamaged()
{
    const QString path = filePath();
    if (!isDamaged(path))
        return false;
    const QVariantMap kept = UserSettingsFile::readKnownValues(path);
    if (!removeDamaged(path))
        return false;
    if (!store(path, kept, QVariantMap())) {
        qCWarning(lcShell) << "cannot write the replaced" << path;
        return false;
    }
    qCInfo(lcShell) << "replaced the damaged" << path << "keeping" << kept.keys();
    return true;
}

QString AppSettings::translationFile(quint8 code)
{
    static const char *const suffixes[] = {"en", "zh", "ge"};
    if (code > German)
        return QString();
    return InstallLayout::dataFolder() +
           QStringLiteral("/language/KestoAssistant_%1.qm").arg(QLatin1String(suffixes[code]));
}
