#include "glftpobject.h"

#include "glcurlftp.h"
#include "logcategories.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimer>

namespace {

constexpr int IdleTickLimit = 40;

} // namespace

GLFtpObject::GLFtpObject(QObject *parent) : QObject(parent), idleTimer(new QTimer(this))
{
    idleTimer->setInterval(500);
    connect(idleTimer, &QTimer::timeout, this, &GLFtpObject::timeoutControl);
}

void GLFtpObject::setAdviceText(const QString &text)
{
    adviceText = text;
}

void GLFtpObject::setUploadList(const QStringList &list)
{
    uploadList = list;
}

void GLFtpObject::setIdleInterval(int msec)
{
    idleTimer->setInterval(msec);
}

QString GLFtpObject::remoteFileName(int index, const QString &localPath)
{
    QString name = QFileInfo(localPath).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        name = name.mid(dot);
    }
    // The local name never adds path components on the server, nor ends a command line.
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return QString::number(index) + name;
}

QString GLFtpObject::newRemoteDir()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
    // The system-seeded generator differs from run to run; the set keeps two submissions of
    // the same second apart, which a random number alone would not always do.
    QString dir;
    do {
        const quint32 random = QRandomGenerator::global()->bounded(1000u) + 1000u;
        dir = QStringLiteral("Saybox/KestoWanderer/") + stamp + QLatin1Char('_') +
              QString::number(random);
    } while (usedRemoteDirs.contains(dir));
    usedRemoteDirs.insert(dir);
    return dir;
}

QUrl GLFtpObject::serverUrl()
{
    const QByteArray fromEnvironment = qgetenv("SAYBOX_FTP_URL");
    return QUrl(fromEnvironment.isEmpty() ? QStringLiteral(SAYBOX_FTP_URL_DEFAULT)
                                          : QString::fromUtf8(fromEnvironment));
}

void GLFtpObject::beginUpload()
{
    fileIndex = 0;
    running = true;
    everyFileStored = false;
    unreadableName.clear();
    idleTimer->start();

    remoteDir = newRemoteDir();
    if (uploadFile.isOpen()) {
        uploadFile.close();
    }

    dropSession();
    ftp = new GLCurlFtp(this);
    connect(ftp, &GLCurlFtp::done, this, &GLFtpObject::ftpDone);
    connect(ftp, &GLCurlFtp::commandStarted, this, &GLFtpObject::ftpCommandStarted);
    connect(ftp, &GLCurlFtp::commandFinished, this, &GLFtpObject::ftpCommandFinished);
    connect(ftp, &GLCurlFtp::dataTransferProgress, this, [this](qint64 done, qint64 total) {
        idleTicks = 0; // bytes moved: the submission is making progress
        emit dataTransferProgress(done, total);
    });

    const QUrl url = serverUrl();
    ftp->connectToHost(url.host(), static_cast<quint16>(url.port(21)));
    ftp->login(url.userName(QUrl::FullyDecoded), url.password(QUrl::FullyDecoded));
    ftp->mkdir(remoteDir);
    // Binary, so that the server stores the text's bytes as they are: in ASCII mode the line
    // ends may be converted on the way, and "\r\n" arrive as "\r\r\n" on many servers.
    ftp->put(adviceText.toUtf8(), QLatin1Char('/') + remoteDir + QStringLiteral("/user_advice.txt"),
             GLCurlFtp::Binary);
}

void GLFtpObject::stopUpload()
{
    running = false;
    idleTimer->stop();
    dropSession();
}

// Lets go of the current session's client without waiting: it stops what it is doing and its
// worker ends by itself.
void GLFtpObject::dropSession()
{
    if (!ftp) {
        return;
    }
    ftp->abort();
    disconnect(ftp, nullptr, this, nullptr);
    ftp->deleteLater();
    ftp = nullptr;
}

void GLFtpObject::succeed()
{
    if (!running) {
        return;
    }
    running = false;
    idleTimer->stop();
    qCInfo(lcFtp) << "submission stored";
    emit uploadFinished();
}

void GLFtpObject::fail(ErrorCode code)
{
    if (!running) {
        return;
    }
    running = false;
    idleTimer->stop();
    qCWarning(lcFtp) << "submission failed with code" << code;
    emit uploadError(code);
}

void GLFtpObject::ftpDone(bool error)
{
    Q_UNUSED(error)
}

void GLFtpObject::ftpCommandFinished(int id, bool error)
{
    Q_UNUSED(id)
    if (error) {
        emit noticeStateDisplay(QStringLiteral("error:") + ftp->errorString());
    }
    idleTicks = 0;
    switch (ftp->currentCommand()) {
    case GLCurlFtp::ConnectToHost:
        if (error) {
            fail(ConnectFailed);
        }
        break;
    case GLCurlFtp::Login:
        if (error) {
            fail(LoginFailed);
        }
        break;
    case GLCurlFtp::Mkdir:
        if (error) {
            fail(MkdirFailed);
        }
        break;
    case GLCurlFtp::Put:
        if (error) {
            fail(PutFailed);
        } else {
            sendNextFile();
        }
        break;
    case GLCurlFtp::Close:
        // Everything is stored by now: not hearing back from QUIT changes nothing.
        succeed();
        break;
    case GLCurlFtp::Get:
    case GLCurlFtp::None:
        break;
    }
}

void GLFtpObject::sendNextFile()
{
    if (uploadFile.isOpen()) {
        uploadFile.close();
    }
    if (!running) {
        return;
    }
    if (uploadList.isEmpty()) {
        everyFileStored = true;
        ftp->close();
        return;
    }
    ++fileIndex;
    const QString path = uploadList.takeFirst();
    uploadFile.setFileName(path);
    if (!uploadFile.open(QIODevice::ReadOnly)) {
        // Gone or unreadable since it was attached: nothing can complete this submission.
        unreadableName = QFileInfo(path).fileName();
        fail(FileUnreadable);
        ftp->close();
        return;
    }
    ftp->put(uploadFile.readAll(),
             QLatin1Char('/') + remoteDir + QLatin1Char('/') + remoteFileName(fileIndex, path),
             GLCurlFtp::Binary);
}

void GLFtpObject::ftpCommandStarted(int id)
{
    Q_UNUSED(id)
    QString text;
    switch (ftp->currentCommand()) {
    case GLCurlFtp::ConnectToHost:
        text = QStringLiteral("Connecting server...");
        break;
    case GLCurlFtp::Login:
        text = QStringLiteral("Logining...");
        break;
    case GLCurlFtp::Close:
        text = QStringLiteral("Closeing connection...");
        break;
    case GLCurlFtp::Get:
        text = QStringLiteral("Download file...");
        break;
    case GLCurlFtp::Put:
        text = QStringLiteral("Upload file...");
        break;
    case GLCurlFtp::Mkdir:
        text = QStringLiteral("Make dir...");
        break;
    case GLCurlFtp::None:
        return;
    }
    emit noticeStateDisplay(text);
    idleTicks = 0;
}

// 41 ticks without progress (no byte moved, no command started or finished) end the
// submission; once every file is stored, it ends in success.
void GLFtpObject::timeoutControl()
{
    ++idleTicks;
    if (idleTicks <= IdleTickLimit) {
        return;
    }
    if (everyFileStored) {
        succeed();
    } else {
        fail(IdleTimeout);
    }
}
