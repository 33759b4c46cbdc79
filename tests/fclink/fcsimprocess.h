#ifndef TESTS_FCSIMPROCESS_H
#define TESTS_FCSIMPROCESS_H

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Runs the simulated flight controller on a pseudo-terminal for a test: its link path, the block
// it holds (from --dump) and the requests it has seen (from --log).
class FcsimProcess
{
public:
    struct Request
    {
        int command;
        int head;
    };

    explicit FcsimProcess(const QString &directory);
    ~FcsimProcess();

    bool start(const QStringList &extraArguments = {});
    void signal(int number);
    void kill();

    QString linkPath() const { return m_directory + QStringLiteral("/fc"); }
    QString dumpPath() const { return m_directory + QStringLiteral("/dump.conf"); }
    QString statePath() const { return m_directory + QStringLiteral("/state.conf"); }

    std::vector<quint8> block() const;
    QList<Request> requests() const;

private:
    QString m_directory;
    QProcess m_process;
};

#endif // TESTS_FCSIMPROCESS_H
