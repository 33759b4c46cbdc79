#include "scratchmount.h"

#include <QDir>
#include <QFile>
#include <QProcess>

ScratchMount::ScratchMount(const QString &folder) : m_folder(folder) {}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_folder});
}

bool ScratchMount::mount(int sizeKiB, bool readOnly, QString *why)
{
    if (!QDir().mkpath(m_folder)) {
        *why = QStringLiteral("cannot create %1").arg(m_folder);
        return false;
    }
    QString options = QStringLiteral("size=%1k").arg(sizeKiB);
    if (readOnly)
        options += QStringLiteral(",ro");
    QProcess process;
    process.start(QStringLiteral("mount"),
                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                   QStringLiteral("tmpfs"), m_folder});
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *why = QStringLiteral("mounting a tmpfs is not allowed here: %1")
                   .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return false;
    }
    m_mounted = true;
    return true;
}

bool ScratchMount::fill()
{
    QFile filler(QDir(m_folder).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    const QByteArray chunk(4096, 'x');
    while (filler.write(chunk) == chunk.size() && filler.flush()) {
    }
    // The last partial page as well, byte by byte.
    while (filler.write("x", 1) == 1 && filler.flush()) {
    }
    return true;
}
