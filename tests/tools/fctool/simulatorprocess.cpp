#include "simulatorprocess.h"

#include <parameterfile.h>
#include <parameterslices.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/types.h>

namespace {
constexpr int kStartTimeoutMs = 5000;
constexpr int kStopTimeoutMs = 3000;
} // namespace

SimulatorProcess::SimulatorProcess(const QString &folder) : m_folder(folder)
{
    m_process.setProgram(QStringLiteral(FCSIM_PATH));
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
}

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

bool SimulatorProcess::start(const QStringList &extra)
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

void SimulatorProcess::sendSignal(int number)
{
    if (m_process.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(m_process.processId()), number);
}

void SimulatorProcess::stop()
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

QVector<quint8> SimulatorProcess::block() const
{
    QVector<quint8> bytes(fclink::kParameterBlockSize);
    QString error;
    if (!fclink::loadParameterFileStrict(dumpPath(), bytes.data(), &error))
        return {};
    return bytes;
}

QStringList SimulatorProcess::logLines() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int SimulatorProcess::requestCount() const
{
    return logLines().size();
}

bool SimulatorProcess::receivedCommand(int command) const
{
    const QString marker = QStringLiteral(" cmd=%1 ").arg(command);
    for (const QString &line : logLines()) {
        if (line.contains(marker))
            return true;
    }
    return false;
}
