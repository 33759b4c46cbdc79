#include "toolrun.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcessEnvironment>

#include <csignal>
#include <sys/types.h>

namespace {
constexpr int kStartTimeoutMs = 5000;
}

ToolRun::ToolRun(const QStringList &arguments, const QStringList &environment)
{
    m_process.setProgram(QStringLiteral(FCTOOL_PATH));
    m_process.setArguments(arguments);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("FCLINK_EXTRA_PORTS"));
    for (const QString &entry : environment) {
        const int equals = entry.indexOf(QLatin1Char('='));
        env.insert(entry.left(equals), entry.mid(equals + 1));
    }
    m_process.setProcessEnvironment(env);
}

ToolRun::~ToolRun()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kStartTimeoutMs);
    }
}

bool ToolRun::runToEnd(int timeoutMs)
{
    return start() && finish(timeoutMs);
}

bool ToolRun::start()
{
    m_startedAt = QDateTime::currentMSecsSinceEpoch();
    m_process.start();
    return m_process.waitForStarted(kStartTimeoutMs);
}

void ToolRun::sendOutputTo(const QString &path)
{
    m_process.setStandardOutputFile(path);
}

bool ToolRun::waitForLines(int count, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        collectOutput();
        if (outLines().size() >= count && m_out.endsWith(QLatin1Char('\n')))
            return true;
        if (m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(100);
    }
    return false;
}

void ToolRun::sendSignal(int number)
{
    if (m_process.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(m_process.processId()), number);
}

bool ToolRun::finish(int timeoutMs)
{
    const bool ended = m_process.waitForFinished(timeoutMs);
    if (!ended) {
        m_process.kill();
        m_process.waitForFinished(kStartTimeoutMs);
    }
    m_elapsedMs = QDateTime::currentMSecsSinceEpoch() - m_startedAt;
    collectOutput();
    const bool normalExit = ended && m_process.exitStatus() == QProcess::NormalExit;
    m_exitCode = normalExit ? m_process.exitCode() : -1;
    return normalExit;
}

void ToolRun::collectOutput()
{
    m_out += QString::fromLocal8Bit(m_process.readAllStandardOutput());
    m_err += QString::fromLocal8Bit(m_process.readAllStandardError());
}

QStringList ToolRun::outLines() const
{
    return m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString ToolRun::describe() const
{
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3").arg(m_exitCode).arg(m_out, m_err);
}
