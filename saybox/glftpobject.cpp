#include "glftpobject.h"

#include "glcurlftp.h"

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
    // The local name never adds path components on the server.
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
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
    idleTimer->start();

    remoteDir = newRemoteDir();
    if (uploadFile.isOpen()) {
        uploadFile.close();
    }

    if (ftp) {
        ftp->abort();
        disconnect(ftp, nullptr, this, nullptr);
        ftp->deleteLater();
    }
    ftp = new GLCurlFtp(this);
    connect(ftp, &GLCurlFtp::done, this, &GLFtpObject::ftpDone);
    connect(ftp, &GLCurlFtp::commandStarted, this, &GLFtpObject::ftpCommandStarted);
    connect(ftp, &GLCurlFtp::commandFinished, this, &GLFtpObject::ftpCommandFinished);
    connect(ftp, &GLCurlFtp::dataTransferProgress, this, &GLFtpObject::dataTransferProgress);

    const QUrl url = serverUrl();
    ftp->connectToHost(url.host(), static_cast<quint16>(url.port(21)));
    ftp->login(url.userName(QUrl::FullyDecoded), url.password(QUrl::FullyDecoded));
    ftp->mkdir(remoteDir);
    ftp->put(adviceText.toUtf8(), QLatin1Char('/') + remoteDir + QStringLiteral("/user_advice.txt"),
             GLCurlFtp::Ascii);
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
    switch (ftp->currentCommand()) {
    case GLCurlFtp::ConnectToHost:
        idleTicks = 0;
        if (error) {
            emit uploadError(1);
        }
        break;
    case GLCurlFtp::Login:
        idleTicks = 0;
        if (error) {
            emit uploadError(2);
        }
        break;
    case GLCurlFtp::Mkdir:
        idleTicks = 0;
        if (error) {
            emit uploadError(4);
        }
        break;
    case GLCurlFtp::Put:
        idleTicks = 0;
        if (error) {
            emit uploadError(3);
            break;
        }
        if (uploadFile.isOpen()) {
            uploadFile.close();
        }
        if (uploadList.isEmpty()) {
            ftp->close();
        } else {
            ++fileIndex;
            const QString path = uploadList.takeFirst();
            uploadFile.setFileName(path);
            if (uploadFile.open(QIODevice::ReadOnly)) {
                // A file that cannot be opened queues nothing: the idle timer ends the chain.
                ftp->put(uploadFile.readAll(),
                         QLatin1Char('/') + remoteDir + QLatin1Char('/') +
                             remoteFileName(fileIndex, path),
                         GLCurlFtp::Binary);
            }
        }
        break;
    case GLCurlFtp::Get:
        idleTicks = 0;
        break;
    case GLCurlFtp::Close:
        idleTicks = 0;
        emit uploadFinished();
        idleTimer->stop();
        break;
    case GLCurlFtp::None:
        break;
    }
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

void GLFtpObject::timeoutControl()
{
    ++idleTicks;
    if (idleTicks > IdleTickLimit) {
        emit uploadError(100);
        idleTimer->stop();
    }
}
