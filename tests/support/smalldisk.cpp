#include "smalldisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

SmallDisk::SmallDisk(const QString &folder, int sizeKiB) : m_folder(folder)
{
    if (!QDir().mkpath(folder)) {
        m_failure = QStringLiteral("cannot create %1").arg(folder);
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(sizeKiB) + "k";
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) !=
        0) {
        m_failure = QStringLiteral("mounting a tmpfs failed: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

bool SmallDisk::fillUp()
{
    QFile filler(QDir(m_folder).filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    return filler.write("x", 1) != 1;
}
