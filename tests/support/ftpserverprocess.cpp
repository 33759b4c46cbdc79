#include "ftpserverprocess.h"

#include "announcedport.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>

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

bool FtpServerProcess::start(const QStringList &behaviour)
{
    serverPort = 0;
    if (!root.isValid() || !logDir.isValid())
        return false;
    // Port 0: the server binds a free port itself and prints it.
    const QStringList arguments = QStringList{QStringLiteral(KESTO_FEEDBACK_SERVER_SCRIPT),
                                              QStringLiteral("--port"),
                                              QStringLiteral("0"),
                                              QStringLiteral("--directory"),
                                              root.path(),
                                              QStringLiteral("--user"),
                                              User,
                                              QStringLiteral("--password"),
                                              Password,
                                              QStringLiteral("--events"),
                                              logDir.filePath(QStringLiteral("events.log"))} +
                                  behaviour;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!process.waitForStarted(5000))
        return false;
    serverPort = readAnnouncedPort(process, 15000);
    if (serverPort == 0)
        return false;
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, serverPort);
    const bool answered = probe.waitForConnected(5000);
    probe.abort();
    return answered;
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
