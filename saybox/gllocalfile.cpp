#include "gllocalfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX

GLLocalFile::GLLocalFile(const QString &path)
{
    // O_NONBLOCK makes opening a FIFO return at once; it changes nothing for a regular file.
    fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        openStatus = errno == ENOENT || errno == ENOTDIR ? Missing : Unreadable;
        return;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        openStatus = S_ISREG(info.st_mode) ? Unreadable : NotRegular;
        ::close(fd);
        fd = -1;
        return;
    }
    openStatus = Open;
    openedSize = static_cast<qint64>(info.st_size);
}

GLLocalFile::~GLLocalFile()
{
    if (fd >= 0)
        ::close(fd);
}

qint64 GLLocalFile::currentSize() const
{
    struct stat info = {};
    if (fd < 0 || ::fstat(fd, &info) != 0)
        return -1;
    return static_cast<qint64>(info.st_size);
}

qint64 GLLocalFile::read(qint64 offset, char *buffer, qint64 max)
{
    if (fd < 0)
        return -1;
    for (;;) {
        const ssize_t got =
            ::pread(fd, buffer, static_cast<size_t>(max), static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR)
            return static_cast<qint64>(got);
    }
}

#else

GLLocalFile::GLLocalFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        openStatus = Missing;
        return;
    }
    if (!info.isFile()) {
        openStatus = NotRegular;
        return;
    }
    file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        openStatus = Unreadable;
        file.reset();
        return;
    }
    openStatus = Open;
    openedSize = file->size();
}

GLLocalFile::~GLLocalFile() = default;

qint64 GLLocalFile::currentSize() const
{
    return file ? QFileInfo(file->fileName()).size() : -1;
}

qint64 GLLocalFile::read(qint64 offset, char *buffer, qint64 max)
{
    if (!file || !file->seek(offset))
        return -1;
    return file->read(buffer, max);
}

#endif

QByteArray GLLocalFile::readAll(qint64 limit)
{
    if (!isOpen() || openedSize > limit)
        return QByteArray();
    QByteArray bytes;
    bytes.resize(static_cast<int>(openedSize));
    qint64 done = 0;
    while (done < openedSize) {
        const qint64 got = read(done, bytes.data() + done, openedSize - done);
        if (got <= 0)
            break;
        done += got;
    }
    bytes.truncate(static_cast<int>(done));
    return bytes;
}
