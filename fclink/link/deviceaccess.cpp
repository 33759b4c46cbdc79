#include "deviceaccess.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/file.h>
#endif

namespace fclink {

bool lockDevice(qintptr handle)
{
#ifdef Q_OS_UNIX
    return ::flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) == 0;
#else
    Q_UNUSED(handle);
    return true; // Windows opens a COM port for one program only
#endif
}

bool deviceHungUp(qintptr handle, const QString &device)
{
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(device))
        return true;
    pollfd watched{static_cast<int>(handle), POLLIN | POLLOUT, 0};
    if (::poll(&watched, 1, 0) < 0)
        return true;
    return (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    Q_UNUSED(handle);
    Q_UNUSED(device);
    return true;
#endif
}

bool isFolderOrPlainFile(const QString &device)
{
    const QFileInfo info(device);
    return info.exists() && (info.isDir() || info.isFile());
}

} // namespace fclink
