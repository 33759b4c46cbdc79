#include "glftpobject.h"

#include "glcurlftp.h"
#include "glftpcleanup.h"
#include "logcategories.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimer>

namespace {

constexpr int IdleTickLimit = 40;
const QString AdviceName = QStringLiteral("user_advice.txt");

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
    QVector<qint64> sizes;
    for (const QString &path : list)
        sizes << QFileInfo(path).size();
    setUploadList(list, sizes);
}

void GLFtpObject::setUploadList(const QStringList &list, const QVector<qint64> &sizes)
{
    uploadList = list;
    uploadSizes = sizes;
    uploadSizes.resize(list.size());
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
    failure = Failure();
    dirMade = false;
    remoteFiles.clear();
    idleTimer->start();

    remoteDir = newRemoteDir();
    totalBytes = adviceText.toUtf8().size();
    for (const qint64 size : qAsConst(uploadSizes))
        totalBytes += size;
    sentBefore = 0;

    dropSession();
    ftp = new GLCurlFtp(this);
    connect(ftp, &GLCurlFtp::done, this, &GLFtpObject::ftpDone);
    connect(ftp, &GLCurlFtp::commandStarted, this, &GLFtpObject::ftpCommandStarted);
    connect(ftp, &GLCurlFtp::commandFinished, this, &GLFtpObject::ftpCommandFinished);
    connect(ftp, &GLCurlFtp::dataTransferProgress, this, [this](qint64 done, qint64 total) {
        idleTicks = 0; // bytes moved: the submission is making progress
        emit dataTransferProgress(done, total);
        fileProgress(done);
    });
    // The server has confirmed a piece: it takes the bytes, however slowly.
    connect(ftp, &GLCurlFtp::dataStored, this, [this] { idleTicks = 0; });
    emit submissionProgress(0, totalBytes);

    const QUrl url = serverUrl();
    ftp->connectToHost(url.host(), static_cast<quint16>(url.port(21)));
    ftp->login(url.userName(QUrl::FullyDecoded), url.password(QUrl::FullyDecoded));
    ftp->mkdir(remoteDir);
    putAdvice();
}

// Binary, so that the server stores the text's bytes as they are: in ASCII mode the line ends
// may be converted on the way, and "\r\n" arrive as "\r\r\n" on many servers.
void GLFtpObject::putAdvice()
{
    const QString remote = remoteDir + QLatin1Char('/') + AdviceName;
    remoteFiles << remote;
    sendingName.clear(); // the message, no attached file
    ftp->put(adviceText.toUtf8(), QLatin1Char('/') + remote, GLCurlFtp::Binary);
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

void GLFtpObject::fileProgress(qint64 done)
{
    if (running)
        emit submissionProgress(qMin(sentBefore + done, totalBytes), totalBytes);
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

// The session ends before the failure is told: nothing of this submission reaches the server
// after its failure screen.
void GLFtpObject::fail(ErrorCode code, GLCurlFtp::Error cause)
{
    if (!running) {
        return;
    }
    running = false;
    idleTimer->stop();
    failure.code = code;
    failure.cause = cause;
    if (code == PutFailed || code == FileUnreadable || code == FileChanged)
        failure.fileName = sendingName;
    dropSession();
    qCWarning(lcFtp) << "submission failed with code" << code << "cause" << cause;
    emit uploadError(code);
    deleteLeftovers();
}

void GLFtpObject::deleteLeftovers()
{
    if (!dirMade) {
        emit cleanupFinished(0);
        return;
    }
    auto *cleanup = new GLFtpCleanup(serverUrl(), remoteDir, remoteFiles, this);
    connect(cleanup, &GLFtpCleanup::finished, this, &GLFtpObject::cleanupFinished);
    cleanup->start();
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
    const GLCurlFtp::Error cause = ftp->error();
    switch (ftp->currentCommand()) {
    case GLCurlFtp::ConnectToHost:
        if (error) {
            fail(ConnectFailed, cause);
        }
        break;
    case GLCurlFtp::Login:
        if (error) {
            fail(LoginFailed, cause);
        }
        break;
    case GLCurlFtp::Mkdir:
        if (error) {
            fail(MkdirFailed, cause);
        } else {
            dirMade = true;
        }
        break;
    case GLCurlFtp::Put:
        if (!error) {
            sendNextFile();
        } else if (cause == GLCurlFtp::LocalFileUnreadable) {
            fail(FileUnreadable, cause);
        } else if (cause == GLCurlFtp::LocalFileChanged) {
            fail(FileChanged, cause);
        } else {
            fail(PutFailed, cause);
        }
        break;
    case GLCurlFtp::Close:
        // Everything is stored by now: not hearing back from QUIT changes nothing.
        succeed();
        break;
    case GLCurlFtp::Get:
    case GLCurlFtp::Remove:
    case GLCurlFtp::Rmdir:
    case GLCurlFtp::None:
        break;
    }
}

void GLFtpObject::sendNextFile()
{
    if (!running) {
        return;
    }
    sentBefore += fileIndex == 0 ? adviceText.toUtf8().size() : uploadSizes.at(fileIndex - 1);
    emit submissionProgress(sentBefore, totalBytes);
    if (fileIndex >= uploadList.size()) {
        everyFileStored = true;
        ftp->close();
        return;
    }
    const QString path = uploadList.at(fileIndex);
    const qint64 size = uploadSizes.at(fileIndex);
    ++fileIndex;
    const QString remote = remoteDir + QLatin1Char('/') + remoteFileName(fileIndex, path);
    remoteFiles << remote;
    sendingName = QFileInfo(path).fileName();
    ftp->putFile(path, size, QLatin1Char('/') + remote);
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
    case GLCurlFtp::Remove:
    case GLCurlFtp::Rmdir:
    case GLCurlFtp::None:
        return;
    }
    emit noticeStateDisplay(text);
    idleTicks = 0;
}

// 41 ticks without progress (no byte moved, no piece confirmed, no command started or
// finished) end the submission; once every file is stored, it ends in success.
void GLFtpObject::timeoutControl()
{
    ++idleTicks;
    if (idleTicks <= IdleTickLimit) {
        return;
    }
    if (everyFileStored) {
        succeed();
    } else {
        fail(IdleTimeout, GLCurlFtp::NotConnected);
    }
}
