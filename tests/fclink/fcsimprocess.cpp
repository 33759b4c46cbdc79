#include "fcsimprocess.h"

#include "parameterfile.h"
#include "parameterslices.h"

#include <QFile>
#include <QRegularExpression>

#include <csignal>

FcsimProcess::FcsimProcess(const QString &directory) : m_directory(directory)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

FcsimProcess::~FcsimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool FcsimProcess::start(const QStringList &extraArguments)
{
    QFile::remove(m_directory + QStringLiteral("/log.txt"));
    QStringList arguments{QStringLiteral("--pty"), linkPath(), QStringLiteral("--dump"),
                          dumpPath(), QStringLiteral("--log"),
                          m_directory + QStringLiteral("/log.txt")};
    m_process.start(QStringLiteral(FCSIM_PATH), arguments + extraArguments);
    if (!m_process.waitForStarted(5000))
        return false;
    // The simulator prints its device once the link path exists.
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(5000))
            return false;
    }
    return m_process.readLine().startsWith("/dev/");
}

void FcsimProcess::signal(int number)
{
    ::kill(static_cast<pid_t>(m_process.processId()), number);
}

void FcsimProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

std::vector<quint8> FcsimProcess::block() const
{
    std::vector<quint8> block(fclink::kParameterBlockSize, 0);
    QString error;
    if (!fclink::loadParameterFileStrict(dumpPath(), block.data(), &error))
        block.clear();
    return block;
}

QList<FcsimProcess::Request> FcsimProcess::requests() const
{
    QList<Request> requests;
    QFile log(m_directory + QStringLiteral("/log.txt"));
    if (!log.open(QIODevice::ReadOnly))
        return requests;
    static const QRegularExpression line(QStringLiteral("cmd=(\\d+) head=(\\d+)"));
    while (!log.atEnd()) {
        const QRegularExpressionMatch match = line.match(QString::fromLatin1(log.readLine()));
        if (match.hasMatch())
            requests.append({match.captured(1).toInt(), match.captured(2).toInt()});
    }
    return requests;
}
