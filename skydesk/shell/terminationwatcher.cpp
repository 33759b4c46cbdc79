#include "terminationwatcher.h"

#include "skydesk/common/logcategories.h"

#ifdef Q_OS_UNIX
#include "product/signalpipe.h"

#include <QSocketNotifier>

#include <csignal>
#else
// Only the unique_ptr's destructor needs the type.
class SignalPipe
{
};
#endif

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
#ifdef Q_OS_UNIX
    m_pipe = std::make_unique<SignalPipe>();
    QString error;
    if (!m_pipe->install({SIGTERM, SIGINT, SIGHUP}, &error)) {
        qCWarning(lcShell).noquote() << error;
        m_pipe.reset();
        return;
    }
    auto *notifier = new QSocketNotifier(m_pipe->readFd(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        const std::vector<int> received = m_pipe->takeSignals();
        if (!received.empty()) {
            qCInfo(lcShell) << "ending on signal" << received.back();
            m_requested = true;
            emit terminationRequested();
        }
    });
#endif
}

TerminationWatcher::~TerminationWatcher() = default;
