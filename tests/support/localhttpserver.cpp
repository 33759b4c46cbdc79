#include "localhttpserver.h"

#include "announcedport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(const QString &root) : m_root(root) {}

LocalHttpServer::~LocalHttpServer()
{
    stop();
}

bool LocalHttpServer::start()
{
    m_port = 0;
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    // Port 0: the server binds a free port itself and prints it.
    m_process.setArguments(
        {QStringLiteral(KESTO_UPDATE_SERVER_SCRIPT), QStringLiteral("0"), m_root});
    // Clients that drop a request make the server print broken pipes: not worth showing.
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start();
    if (!m_process.waitForStarted(5000))
        return false;
    m_port = readAnnouncedPort(m_process, 10000);
    if (m_port == 0)
        return false;
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, m_port);
    return probe.waitForConnected(5000);
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
