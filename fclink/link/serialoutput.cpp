#include "serialoutput.h"

#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace fclink {

namespace {

// On Windows the port object keeps every byte until the driver has taken it, so bytesToWrite()
// tells it all; pseudo-terminals report an empty queue whatever they hold.
qint64 driverOutputQueue(QSerialPort &port)
{
#ifdef Q_OS_UNIX
    int queued = 0;
    if (::ioctl(static_cast<int>(port.handle()), TIOCOUTQ, &queued) == 0 && queued > 0)
        return queued;
#else
    Q_UNUSED(port);
#endif
    return 0;
}

} // namespace

qint64 bytesNotYetSent(QSerialPort &port)
{
    return port.bytesToWrite() + driverOutputQueue(port);
}

} // namespace fclink
