#include "serialdevice.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

SerialDevice::~SerialDevice()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SerialDevice::open(const QString &path, QString *error)
{
    m_path = path;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        *error = QStringLiteral("cannot open %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    struct termios settings;
    if (::tcgetattr(m_fd, &settings) != 0) {
        *error = QStringLiteral("%1 is not a serial device: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // With VMIN 0 a terminal read returns 0 when no data is waiting, which looks like the end
    // of the device; with VMIN 1 a non-blocking read fails with EAGAIN instead, and 0 keeps
    // meaning that the device has hung up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(m_fd, TCSANOW, &settings) != 0) {
        *error = QStringLiteral("cannot configure %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::tcflush(m_fd, TCIOFLUSH);
    return true;
}
