#ifndef FCTOOL_UPGRADEREPORTER_H
#define FCTOOL_UPGRADEREPORTER_H

#include <QObject>
#include <QString>

class UpgradeEvent;

// Receives the reports of one upgrade run or bootloader probe (UpgradeEvents posted by the
// upgrade library), prints each one as a line on standard output unless told to keep quiet,
// and keeps what the run's outcome needs.
class UpgradeReporter : public QObject
{
    Q_OBJECT

public:
    // What a probe found, with what the bootloader said about itself.
    struct Finding
    {
        quint32 code = 0; // the probe's report (waiting, no bootloader, ...); 0: none
        int deviceId = 0; // from the bootloader; 0 when none answered
        int bootloaderVersion = 0;
        int firmwareVersion = -1; // the intact firmware it holds; -1 when none
    };

    // port: the port as the user named it, for the port reports.
    explicit UpgradeReporter(const QString &port, bool printReports = true,
                             QObject *parent = nullptr);

    // Runs the event loop until the run reports its end or reports nothing for idleTimeoutMs.
    void waitForEnd(int idleTimeoutMs);

    bool hasEnded() const { return m_ended; }
    bool completed() const { return m_completed; }
    bool portFailed() const { return m_portFailed; }
    // The run has begun to erase: from then on the controller has no firmware until it completes.
    bool erased() const { return m_erased; }
    // The text of the first error report of the run, empty without one.
    QString firstError() const { return m_firstError; }
    const Finding &finding() const { return m_finding; }

signals:
    // The run has reported its end (code 1).
    void runEnded();
    // Any report of the run: it is still making progress.
    void reported();

protected:
    bool event(QEvent *event) override;

private:
    void report(quint32 code, qint32 progress);
    void noteFinding(const UpgradeEvent &report);

    QString m_port;
    bool m_print = true;
    bool m_ended = false;
    bool m_completed = false;
    bool m_portFailed = false;
    bool m_erased = false;
    QString m_firstError;
    Finding m_finding;
};

#endif // FCTOOL_UPGRADEREPORTER_H
