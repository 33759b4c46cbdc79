#ifndef TESTS_FCSIMPROCESS_H
#define TESTS_FCSIMPROCESS_H

#include "fclink/model/blockimage.h"

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The simulated flight controller for one test: it serves a pseudo-terminal reached through a
// symlink in the test's folder, dumps its parameter block after every change and logs every
// request it receives.
class FcsimProcess
{
public:
    struct Request
    {
        int command;
        int head;
        qint64 ms;   // when the simulator read it, since its start
        bool silent; // read while the simulator was not replying
    };

    explicit FcsimProcess(const QString &folder);
    // The same with another fcsim program (an installed one).
    FcsimProcess(const QString &folder, const QString &program);
    ~FcsimProcess();
    FcsimProcess(const FcsimProcess &) = delete;
    FcsimProcess &operator=(const FcsimProcess &) = delete;

    // Starts fcsim with --pty, --dump and --log plus extra; true once it is ready to answer.
    bool start(const QStringList &extra = {});
    void sendSignal(int number);
    void stop();
    // Ends the simulator at once and removes its link, as an unplugged device vanishes.
    void kill();

    QString linkPath() const { return m_folder + QStringLiteral("/fc"); }
    QString dumpPath() const { return m_folder + QStringLiteral("/dump.conf"); }
    QString logPath() const { return m_folder + QStringLiteral("/requests.log"); }
    QString statePath() const { return m_folder + QStringLiteral("/state.conf"); }

    // The block the simulator holds, from its last dump; none if the dump cannot be read.
    std::optional<fclink::BlockImage> dumpedBlock() const;
    // The same where the dump is known to be there (all zeros if it cannot be read).
    fclink::BlockImage block() const;
    // The number of requests the simulator has received so far.
    int requestCount() const;
    // Whether any request carried this command byte.
    bool receivedCommand(int command) const;
    // Every request received so far, in order.
    QList<Request> requests() const;

private:
    QStringList logLines() const;

    QString m_folder;
    QProcess m_process;
};

#endif // TESTS_FCSIMPROCESS_H
