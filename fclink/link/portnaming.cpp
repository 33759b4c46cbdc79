#include "portnaming.h"

#include <QRegularExpression>

namespace fclink {

PortNamingRule hostPortNamingRule()
{
#ifdef Q_OS_WIN
    return PortNamingRule::Windows;
#else
    return PortNamingRule::Unix;
#endif
}

namespace {

QString windowsDevice(const QString &portName)
{
    if (!portName.startsWith(QLatin1String("COM")))
        return QString();
    // The number is kept as an unsigned byte, so only its low 8 bits decide the form.
    const auto number = static_cast<quint8>(portName.mid(3).toInt());
    if (number <= 9)
        return portName;
    return QStringLiteral("\\\\.\\") + portName;
}

// Any name the system lists is a device in /dev: ttyUSB0, rfcomm0 (Bluetooth), cu.usbserial
// (macOS). A name that is no single file name there (a path, "." or "..") names nothing.
QString unixDevice(const QString &portName)
{
    if (portName.startsWith(QLatin1Char('/')))
        return portName;
    static const QRegularExpression systemName(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.:+-]*$"));
    if (systemName.match(portName).hasMatch())
        return QStringLiteral("/dev/") + portName;
    return QString();
}

} // namespace

QString deviceForPortName(const QString &portName, PortNamingRule rule)
{
    return rule == PortNamingRule::Windows ? windowsDevice(portName) : unixDevice(portName);
}

QStringList extraPortNames(const QString &variableValue, PortNamingRule rule)
{
    const QChar separator = rule == PortNamingRule::Windows ? QLatin1Char(';') : QLatin1Char(':');
    QStringList names;
    for (const QString &entry : variableValue.split(separator, Qt::SkipEmptyParts)) {
        const QString name = entry.trimmed();
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

} // namespace fclink
