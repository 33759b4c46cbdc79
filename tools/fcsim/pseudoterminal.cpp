#include "pseudoterminal.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The target of a symlink, or an empty string if path is not a readable symlink.
QByteArray symlinkTarget(const QByteArray &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(path.constData(), buffer, sizeof buffer - 1);
    if (length < 0)
        return QByteArray();
    return QByteArray(buffer, static_cast<int>(length));
}

} // namespace

PseudoTerminal::~PseudoTerminal()
{
    removeLink();
    if (m_slaveFd >= 0)
        ::close(m_slaveFd);
    if (m_masterFd >= 0)
        ::close(m_masterFd);
}

bool PseudoTerminal::open(QString *error)
{
    m_masterFd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_masterFd < 0) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(systemError());
        return false;
    }
    if (::grantpt(m_masterFd) != 0 || ::unlockpt(m_masterFd) != 0) {
        *error = QStringLiteral("cannot unlock the pseudo-terminal: %1").arg(systemError());
        return false;
    }
    const char *name = ::ptsname(m_masterFd);
    if (!name) {
        *error = QStringLiteral("cannot name the pseudo-terminal: %1").arg(systemError());
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);

    m_slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveFd < 0) {
        *error = QStringLiteral("cannot open %1: %2").arg(m_slavePath, systemError());
        return false;
    }

    // Raw bytes both ways: no echo, no line editing, no CR/LF translation. The client sets its
    // own serial parameters when it opens the port; these hold until then.
    struct termios settings;
    if (::tcgetattr(m_slaveFd, &settings) != 0) {
        *error =
            QStringLiteral("cannot read the settings of %1: %2").arg(m_slavePath, systemError());
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(m_slaveFd, TCSANOW, &settings) != 0) {
        *error = QStringLiteral("cannot set %1 to raw mode: %2").arg(m_slavePath, systemError());
        return false;
    }

    const int flags = ::fcntl(m_masterFd, F_GETFL);
    if (flags < 0 || ::fcntl(m_masterFd, F_SETFL, flags | O_NONBLOCK) < 0 ||
        ::fcntl(m_masterFd, F_SETFD, FD_CLOEXEC) < 0) {
        *error = QStringLiteral("cannot configure the pseudo-terminal: %1").arg(systemError());
        return false;
    }
    return true;
}

bool PseudoTerminal::createLink(const QString &linkPath, QString *error)
{
    const QByteArray link = QFile::encodeName(linkPath);
    const QByteArray target = QFile::encodeName(m_slavePath);

    struct stat status;
    if (::lstat(link.constData(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        *error = QStringLiteral("%1 exists and is not a symlink; not replacing it").arg(linkPath);
        return false;
    }

    // Make the new link under a temporary name beside it and rename it over the old one, so the
    // name never dangles and never points at a half-made link.
    const QByteArray temporary = link + ".fcsim-" + QByteArray::number(::getpid());
    ::unlink(temporary.constData());
    if (::symlink(target.constData(), temporary.constData()) != 0) {
        *error = QStringLiteral("cannot create the symlink %1: %2").arg(linkPath, systemError());
        return false;
    }
    if (::rename(temporary.constData(), link.constData()) != 0) {
        *error = QStringLiteral("cannot create the symlink %1: %2").arg(linkPath, systemError());
        ::unlink(temporary.constData());
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

bool PseudoTerminal::holdClientOutput(bool hold)
{
    // Flow control belongs to the terminal, not to a descriptor: stopping the output of the
    // slave held here stops the client's descriptor of the same slave too.
    return ::tcflow(m_slaveFd, hold ? TCOOFF : TCOON) == 0;
}

void PseudoTerminal::removeLink()
{
    if (m_linkPath.isEmpty())
        return;
    const QByteArray link = QFile::encodeName(m_linkPath);
    // Another simulator may have taken the name over since; its link stays.
    if (symlinkTarget(link) == QFile::encodeName(m_slavePath))
        ::unlink(link.constData());
    m_linkPath.clear();
}
