#include "portopenerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace fclink {

namespace {

bool mayReadAndWrite(const QString &device)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device);
    return true; // a COM port that refuses access is held by another program
#endif
}

} // namespace

PortOpenError classifyPortOpenError(int serialPortError, const QString &device)
{
    switch (serialPortError) {
    case QSerialPort::NoError:
        return PortOpenError::None;
    case QSerialPort::DeviceNotFoundError:
        return PortOpenError::NoSuchDevice;
    case QSerialPort::PermissionError:
        break;
    default:
        return PortOpenError::Other;
    }
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(device))
        return PortOpenError::NoSuchDevice;
#endif
    return mayReadAndWrite(device) ? PortOpenError::InUse : PortOpenError::PermissionDenied;
}

QString portOpenErrorText(PortOpenError error, const QString &device)
{
    switch (error) {
    case PortOpenError::None:
        break;
    case PortOpenError::NoSuchDevice:
        return QStringLiteral("no such device");
    case PortOpenError::PermissionDenied:
        return QStringLiteral("permission denied (on Linux: add your user to the dialout group "
                              "and log in again)");
    case PortOpenError::InUse:
        return QStringLiteral("in use by another program");
    case PortOpenError::Other:
        return QStringLiteral("the serial port reported an error");
    case PortOpenError::NotASerialPort:
        if (QFileInfo(device).isDir())
            return QStringLiteral("it is a folder, not a serial port");
        if (QFileInfo(device).isFile())
            return QStringLiteral("it is a plain file, not a serial port");
        return QStringLiteral("not a serial port");
    case PortOpenError::NotAPortName:
        return QStringLiteral("not a port name");
    }
    return QString();
}

} // namespace fclink
