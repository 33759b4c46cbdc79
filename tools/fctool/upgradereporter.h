#ifndef FCTOOL_UPGRADEREPORTER_H
#define FCTOOL_UPGRADEREPORTER_H

#include <QObject>
#include <QString>

// Receives the reports of one upgrade run (UpgradeEvents posted by the upgrade library),
// prints each one as a line on standard output and keeps what the run's outcome needs.
class UpgradeReporter : public QObject
{
    Q_OBJECT

public:
    // port: the port as the user named it, for the port reports.
    explicit UpgradeReporter(const QString &port, QObject *parent = nullptr);

    bool hasEnded() const { return m_ended; }
    bool completed() const { return m_completed; }
    bool portFailed() const { return m_portFailed; }
    // The run has begun to erase: from then on the controller has no firmware until it completes.
    bool erased() const { return m_erased; }
    // The text of the first error report of the run, empty without one.
    QString firstError() const { return m_firstError; }

signals:
    // The run has reported its end (code 1).
    void runEnded();
    // Any report of the run: it is still making progress.
    void reported();

protected:
    bool event(QEvent *event) override;

private:
    void report(quint32 code, qint32 progress);

    QString m_port;
    bool m_ended = false;
    bool m_completed = false;
    bool m_portFailed = false;
    bool m_erased = false;
    QString m_firstError;
};

#endif // FCTOOL_UPGRADEREPORTER_H
