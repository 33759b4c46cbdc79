#include "fcsimprocess.h"

#include "fclink/link/parameterslices.h"
#include "fclink/storage/parameterfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <csignal>
#include <sys/types.h>

namespace {
constexpr int kStartTimeoutMs = 5000;
constexpr int kStopTimeoutMs = 3000;
} // namespace

FcsimProcess::FcsimProcess(const QString &folder) : FcsimProcess(folder, QStringLiteral(FCSIM_PATH))
{
}

FcsimProcess::FcsimProcess(const QString &folder, const QString &program) : m_folder(folder)
{
    m_process.setProgram(program);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
}

FcsimProcess::~FcsimProcess()
{
    stop();
}

bool FcsimProcess::start(const QStringList &extra)
{
    m_process.setArguments(QStringList{QStringLiteral("--pty"), linkPath(),
                                       QStringLiteral("--dump"), dumpPath(),
                                       QStringLiteral("--log"), logPath()} +
                           extra);
    m_process.start();
    if (!m_process.waitForStarted(kStartTimeoutMs))
        return false;
    // The first line on stdout is the pseudo-terminal's device: the simulator is ready then.
    QElapsedTimer clock;
    clock.start();
    while (!m_process.canReadLine() && clock.elapsed() < kStartTimeoutMs) {
        if (m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(100);
    }
    return m_process.canReadLine() && QFileInfo::exists(linkPath());
}

void FcsimProcess::sendSignal(int number)
{
    if (m_process.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(m_process.processId()), number);
}

void FcsimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    sendSignal(SIGCONT); // in case a test left it stopped
    m_process.terminate();
    if (!m_process.waitForFinished(kStopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopTimeoutMs);
    }
}

void FcsimProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(kStopTimeoutMs);
    // An unplugged device's node goes away with it. The killed simulator cannot remove its link,
    // and a link left behind would name whichever pseudo-terminal gets its number next.
    QFile::remove(linkPath());
}

std::optional<fclink::BlockImage> FcsimProcess::dumpedBlock() const
{
    fclink::BlockImage block;
    QString error;
    if (!fclink::loadParameterFileStrict(dumpPath(), &block, &error))
        return std::nullopt;
    return block;
}

fclink::BlockImage FcsimProcess::block() const
{
    return dumpedBlock().value_or(fclink::BlockImage());
}

QStringList FcsimProcess::logLines() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int FcsimProcess::requestCount() const
{
    return logLines().size();
}

bool FcsimProcess::receivedCommand(int command) const
{
    const QString marker = QStringLiteral(" cmd=%1 ").arg(command);
    for (const QString &line : logLines()) {
        if (line.contains(marker))
            return true;
    }
    return false;
}

QList<FcsimProcess::Request> FcsimProcess::requests() const
{
    static const QRegularExpression request(
        QStringLiteral("^(\\d+) cmd=(\\d+) head=(\\d+)( silent)?"));
    QList<Request> requests;
    for (const QString &line : logLines()) {
        const QRegularExpressionMatch match = request.match(line);
        if (match.hasMatch())
            requests.append({match.captured(2).toInt(), match.captured(3).toInt(),
                             match.captured(1).toLongLong(), !match.captured(4).isEmpty()});
    }
    return requests;
}
