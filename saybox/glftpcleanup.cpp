#include "glftpcleanup.h"

#include "glcurlftp.h"
#include "logcategories.h"

GLFtpCleanup::GLFtpCleanup(const QUrl &server, const QString &dir, const QStringList &files,
                           QObject *parent)
    : QObject(parent), server(server), files(files), dir(dir), ftp(new GLCurlFtp(this))
{
    // The server may be the reason the submission failed: never wait on it for long.
    ftp->setTimeouts({5, 5, 5, 2});
    connect(ftp, &GLCurlFtp::commandFinished, this, &GLFtpCleanup::commandFinished);
}

void GLFtpCleanup::start()
{
    ftp->connectToHost(server.host(), static_cast<quint16>(server.port(21)));
    ftp->login(server.userName(QUrl::FullyDecoded), server.password(QUrl::FullyDecoded));
}

// Each step is queued only when the one before has finished: a file that cannot be deleted
// must not drop the steps after it, as a failed command drops the commands queued behind it.
void GLFtpCleanup::commandFinished(int id, bool error)
{
    Q_UNUSED(id)
    switch (ftp->currentCommand()) {
    case GLCurlFtp::ConnectToHost:
        if (error)
            finish();
        break;
    case GLCurlFtp::Login:
        if (error)
            finish();
        else
            nextStep();
        break;
    case GLCurlFtp::Remove:
    case GLCurlFtp::Rmdir:
        if (!error)
            ++removed;
        nextStep();
        break;
    case GLCurlFtp::Close:
        finish();
        break;
    default:
        break;
    }
}

void GLFtpCleanup::nextStep()
{
    const int current = step++;
    if (current < files.size())
        ftp->remove(files.at(current));
    else if (current == files.size())
        ftp->rmdir(dir);
    else
        ftp->close();
}

void GLFtpCleanup::finish()
{
    if (finishing)
        return;
    finishing = true;
    qCInfo(lcFtp).noquote() << "deleted" << removed << "of" << files.size() + 1
                            << "items left on the server in" << dir;
    emit finished(removed);
    deleteLater();
}
