#include "ftpserverprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <csignal>
#include <sys/types.h>

const QString FtpServerProcess::User = QStringLiteral("saybox");
const QString FtpServerProcess::Password = QStringLiteral("pa55word");

FtpServerProcess::FtpServerProcess()
{
    QDir(root.path()).mkpath(QStringLiteral("Saybox/KestoWanderer"));
}

FtpServerProcess::~FtpServerProcess()
{
    if (process.state() != QProcess::NotRunning) {
        resume();
        process.kill();
        process.waitForFinished(5000);
    }
    qunsetenv("SAYBOX_FTP_URL");
}

quint16 FtpServerProcess::freePort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

bool FtpServerProcess::start(const QStringList &behaviour)
{
    serverPort = freePort();
    if (!root.isValid() || !logDir.isValid() || serverPort == 0)
        return false;
    const QString port = QString::number(serverPort);
    const QStringList arguments = QStringList{QStringLiteral(KESTO_FEEDBACK_SERVER_SCRIPT),
                                              QStringLiteral("--port"),
                                              port,
                                              QStringLiteral("--directory"),
                                              root.path(),
                                              QStringLiteral("--user"),
                                              User,
                                              QStringLiteral("--password"),
                                              Password,
                                              QStringLiteral("--events"),
                                              logDir.filePath(QStringLiteral("events.log"))} +
                                  behaviour;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!process.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000 && process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, serverPort);
        if (probe.waitForConnected(500)) {
            probe.abort();
            return true;
        }
        QTest::qWait(100);
    }
    return false;
}

QString FtpServerProcess::url(const QString &password) const
{
    return QStringLiteral("ftp://%1:%2@127.0.0.1:%3")
        .arg(User, password, QString::number(serverPort));
}

void FtpServerProcess::exportUrl(const QString &password) const
{
    qputenv("SAYBOX_FTP_URL", url(password).toUtf8());
}

bool FtpServerProcess::pause()
{
    return ::kill(static_cast<pid_t>(process.processId()), SIGSTOP) == 0;
}

bool FtpServerProcess::resume()
{
    return ::kill(static_cast<pid_t>(process.processId()), SIGCONT) == 0;
}

QStringList FtpServerProcess::submissionDirs() const
{
    return QDir(root.filePath(QStringLiteral("Saybox/KestoWanderer")))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString FtpServerProcess::submissionPath(const QString &dir) const
{
    return root.filePath(QStringLiteral("Saybox/KestoWanderer/") + dir);
}

QByteArray FtpServerProcess::submittedFile(const QString &name) const
{
    const QStringList dirs = submissionDirs();
    QFile file(dirs.size() == 1 ? submissionPath(dirs.first()) + QLatin1Char('/') + name
                                : QString());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList FtpServerProcess::submittedFiles() const
{
    QStringList files;
    for (const QString &dir : submissionDirs()) {
        for (const QString &name : QDir(submissionPath(dir)).entryList(QDir::Files, QDir::Name))
            files << dir + QLatin1Char('/') + name;
    }
    return files;
}

QStringList FtpServerProcess::events() const
{
    QFile log(logDir.filePath(QStringLiteral("events.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int FtpServerProcess::openSessions() const
{
    const QStringList all = events();
    return all.count(QStringLiteral("connect")) - all.count(QStringLiteral("disconnect"));
}
