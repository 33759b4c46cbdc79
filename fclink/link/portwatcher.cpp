#include "portwatcher.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace fclink {

namespace {

QStringList systemDeviceFolders()
{
#ifdef Q_OS_UNIX
    return {QStringLiteral("/dev"), QStringLiteral("/dev/serial/by-id")};
#else
    return {};
#endif
}

} // namespace

PortWatcher::PortWatcher(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &PortWatcher::portsMayHaveChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // A folder that appeared or vanished (/dev/serial/by-id) changes what can be watched.
        rewatch();
        m_settle.start();
    });
    m_fallbackPoll.setInterval(kFallbackPollMs);
    connect(&m_fallbackPoll, &QTimer::timeout, this, &PortWatcher::portsMayHaveChanged);
    rewatch();
}

void PortWatcher::setExtraFolders(const QStringList &folders)
{
    if (folders == m_extraFolders)
        return;
    m_extraFolders = folders;
    rewatch();
}

void PortWatcher::rewatch()
{
    QStringList wanted;
    for (const QString &folder : systemDeviceFolders() + m_extraFolders) {
        const QString path = QDir::cleanPath(folder);
        if (!wanted.contains(path) && QFileInfo(path).isDir())
            wanted.append(path);
    }
    const QStringList watched = m_watcher.directories();
    for (const QString &path : watched) {
        if (!wanted.contains(path))
            m_watcher.removePath(path);
    }
    for (const QString &path : qAsConst(wanted)) {
        if (!watched.contains(path))
            m_watcher.addPath(path);
    }
    // Without the system's own device folders (Windows) only asking finds new ports.
    const QStringList nowWatched = m_watcher.directories();
    const bool systemWatched =
        std::any_of(nowWatched.cbegin(), nowWatched.cend(),
                    [](const QString &path) { return systemDeviceFolders().contains(path); });
    if (systemWatched)
        m_fallbackPoll.stop();
    else if (!m_fallbackPoll.isActive())
        m_fallbackPoll.start();
}

} // namespace fclink
