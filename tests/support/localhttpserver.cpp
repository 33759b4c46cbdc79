#include "localhttpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

LocalHttpServer::LocalHttpServer(const QString &root) : m_root(root) {}

LocalHttpServer::~LocalHttpServer()
{
    stop();
}

bool LocalHttpServer::start()
{
    m_port = freePort();
    if (m_port == 0)
        return false;
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments(
        {QStringLiteral(KESTO_UPDATE_SERVER_SCRIPT), QString::number(m_port), m_root});
    // Clients that drop a request make the server print broken pipes: not worth showing.
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start();
    if (!m_process.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (m_process.state() != QProcess::Running)
            return false;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    return false;
}

void LocalHttpServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString LocalHttpServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

bool LocalHttpServer::put(const QString &path, const QByteArray &contents) const
{
    const QString full = QDir(m_root).filePath(path);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

bool LocalHttpServer::remove(const QString &path) const
{
    return QFile::remove(QDir(m_root).filePath(path));
}

quint16 LocalHttpServer::freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}
