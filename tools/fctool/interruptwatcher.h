#ifndef FCTOOL_INTERRUPTWATCHER_H
#define FCTOOL_INTERRUPTWATCHER_H

#include <QObject>
#include <QTimer>

// Turns SIGINT and SIGTERM into a Qt signal, so a run that lasts until the user stops it still
// disconnects cleanly. The signal handler only sets a flag; a short timer on the event loop
// notices it.
class InterruptWatcher : public QObject
{
    Q_OBJECT

public:
    explicit InterruptWatcher(QObject *parent = nullptr);
    ~InterruptWatcher() override;

    bool wasInterrupted() const;

signals:
    void interrupted();

private:
    void poll();

    QTimer m_poll;
    bool m_reported = false;
};

#endif // FCTOOL_INTERRUPTWATCHER_H
