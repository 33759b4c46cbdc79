#ifndef SKYDESK_TERMINATIONWATCHER_H
#define SKYDESK_TERMINATIONWATCHER_H

#include <QObject>

#include <memory>

class SignalPipe;

// Turns the signals that ask a program to end (SIGTERM when the session ends or from kill,
// SIGINT from Ctrl+C in a terminal, SIGHUP when the terminal goes) into a signal of the event
// loop, so that the window closes as it does from its close button: what the pilot typed is
// sent and the port is saved, rather than the process dying on the spot. Without signals of that
// kind (Windows) it never emits. One watcher at a time.
class TerminationWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

    // Whether a signal has asked for the end (also before anything was connected).
    bool wasRequested() const { return m_requested; }

signals:
    void terminationRequested();

private:
    std::unique_ptr<SignalPipe> m_pipe;
    bool m_requested = false;
};

#endif // SKYDESK_TERMINATIONWATCHER_H
