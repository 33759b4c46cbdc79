#include "appsettings.h"

#include "logcategories.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace {
const char *const kLanguageKey = "System/lang";
const char *const kPortKey = "System/Port";
} // namespace

QString AppSettings::filePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sys.ini");
}

quint8 AppSettings::languageCode()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return static_cast<quint8>(settings.value(QLatin1String(kLanguageKey), 0).toInt());
}

bool AppSettings::setLanguageCode(quint8 code)
{
    return write(kLanguageKey, QString::number(code));
}

QString AppSettings::savedPort()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return settings.value(QLatin1String(kPortKey), QString()).toString();
}

bool AppSettings::setSavedPort(const QString &portName)
{
    return write(kPortKey, portName);
}

bool AppSettings::write(const char *key, const QString &value)
{
    // QSettings writes back every key it read; keep only the program's own two.
    QVariantMap kept;
    bool damaged = false;
    {
        const QSettings reader(filePath(), QSettings::IniFormat);
        for (const char *own : {kLanguageKey, kPortKey}) {
            const QVariant stored = reader.value(QLatin1String(own));
            if (stored.isValid())
                kept.insert(QLatin1String(own), stored);
        }
        damaged = reader.status() == QSettings::FormatError;
    }
    // QSettings reports only its first error: a file it could not read would hide a failed
    // write. Such a file is replaced as a whole.
    if (damaged && !QFile::remove(filePath())) {
        qCWarning(lcShell) << "cannot replace the damaged" << filePath();
        return false;
    }
    const QVariantMap before = kept;
    kept.insert(QLatin1String(key), value);
    QSettings settings(filePath(), QSettings::IniFormat);
    const auto replaceAllWith = [&settings](const QVariantMap &values) {
        settings.clear();
        for (auto entry = values.cbegin(); entry != values.cend(); ++entry)
            settings.setValue(entry.key(), entry.value());
    };
    replaceAllWith(kept);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // QSettings keeps a change it could not write and goes on reading it back in this process;
    // put back what the file holds, so that nothing claims a value that is not stored.
    qCWarning(lcShell) << "cannot write" << key << "to" << filePath();
    replaceAllWith(before);
    return false;
}

QString AppSettings::translationFile(quint8 code)
{
    static const char *const suffixes[] = {"en", "zh", "ge"};
    if (code > German)
        return QString();
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/language/KestoAssistant_%1.qm").arg(QLatin1String(suffixes[code]));
}
