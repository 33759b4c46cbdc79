#include "appsettings.h"

#include <QCoreApplication>
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

void AppSettings::setLanguageCode(quint8 code)
{
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.setValue(QLatin1String(kLanguageKey), QString::number(code));
}

QString AppSettings::savedPort()
{
    const QSettings settings(filePath(), QSettings::IniFormat);
    return settings.value(QLatin1String(kPortKey), QString()).toString();
}

void AppSettings::setSavedPort(const QString &portName)
{
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.setValue(QLatin1String(kPortKey), portName);
}

QString AppSettings::translationFile(quint8 code)
{
    static const char *const suffixes[] = {"en", "zh", "ge"};
    if (code > German)
        return QString();
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/language/KestoAssistant_%1.qm").arg(QLatin1String(suffixes[code]));
}
