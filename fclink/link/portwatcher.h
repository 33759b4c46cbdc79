#ifndef FCLINK_PORTWATCHER_H
#define FCLINK_PORTWATCHER_H

#include "fclink/fclink_global.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace fclink {

// Notices serial ports coming and going without polling where the system can tell: it watches
// the folders that hold device nodes (/dev, and the folders of the extra ports) and reports a
// while after the last change, so that one plug-in reports once. Where no folder can be watched
// (Windows) it falls back to asking every poll interval.
class FCLINK_EXPORT PortWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSettleMs = 300;
    static constexpr int kFallbackPollMs = 1500;

    explicit PortWatcher(QObject *parent = nullptr);

    // Watches these folders besides the system's own device folders; folders that do not exist
    // are left out.
    void setExtraFolders(const QStringList &folders);
    bool isPolling() const { return m_fallbackPoll.isActive(); }

signals:
    void portsMayHaveChanged();

private:
    void rewatch();

    QFileSystemWatcher m_watcher;
    QStringList m_extraFolders;
    QTimer m_settle;
    QTimer m_fallbackPoll;
};

} // namespace fclink

#endif // FCLINK_PORTWATCHER_H
