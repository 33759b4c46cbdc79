#ifndef TST_FCTOOL_SIMULATORPROCESS_H
#define TST_FCTOOL_SIMULATORPROCESS_H

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

// The simulated flight controller for one test: it serves a pseudo-terminal reached through a
// symlink in the test's folder, dumps its parameter block after every change and logs every
// request it receives.
class SimulatorProcess
{
public:
    explicit SimulatorProcess(const QString &folder);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    // Starts fcsim with --pty, --dump and --log plus extra; true once it is ready to answer.
    bool start(const QStringList &extra = {});
    void sendSignal(int number);
    void stop();

    QString linkPath() const { return m_folder + QStringLiteral("/fc"); }
    QString dumpPath() const { return m_folder + QStringLiteral("/dump.conf"); }
    QString logPath() const { return m_folder + QStringLiteral("/requests.log"); }
    QString statePath() const { return m_folder + QStringLiteral("/state.conf"); }

    // The block the simulator holds, from its last dump; empty if the dump cannot be read.
    QVector<quint8> block() const;
    // The number of requests the simulator has received so far.
    int requestCount() const;
    // Whether any request carried this command byte.
    bool receivedCommand(int command) const;

private:
    QStringList logLines() const;

    QString m_folder;
    QProcess m_process;
};

#endif // TST_FCTOOL_SIMULATORPROCESS_H
