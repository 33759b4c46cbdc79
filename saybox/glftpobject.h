#ifndef GLFTPOBJECT_H
#define GLFTPOBJECT_H

#include <QFile>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

class GLCurlFtp;
class QTimer;

// Sends one feedback submission to the feedback FTP server: a new directory holding
// "user_advice.txt" and every attached file under a numbered name.
class GLFtpObject : public QObject
{
    Q_OBJECT
public:
    // The codes of uploadError().
    enum ErrorCode : qint8
    {
        ConnectFailed = 1,
        LoginFailed = 2,
        PutFailed = 3,
        MkdirFailed = 4,
        FileUnreadable = 5, // an attached file could not be read; see unreadableFile()
        IdleTimeout = 100
    };

    explicit GLFtpObject(QObject *parent = nullptr);

    void setAdviceText(const QString &text);
    void setUploadList(const QStringList &list);
    void beginUpload();
    // Ends the running submission without a result, and stops what is being sent.
    void stopUpload();

    // True from beginUpload until the submission's one result, while files are still to store.
    bool isSending() const { return running && !everyFileStored; }
    // The name of the attached file that FileUnreadable is about.
    QString unreadableFile() const { return unreadableName; }

    // Period of the idle timer (500 ms unless changed; 41 idle ticks end a submission).
    void setIdleInterval(int msec);
    // Directory of the current submission, relative to the FTP root.
    QString currentRemoteDir() const { return remoteDir; }
    // Remote name of attached file number index: index followed by the extension of the
    // local file name (from its last "." on), or by the whole name when it has no dot;
    // "/", a backslash and control characters become "_".
    static QString remoteFileName(int index, const QString &localPath);
    // The feedback server and account: SAYBOX_FTP_URL, else the compiled-in default.
    static QUrl serverUrl();

signals:
    void noticeStateDisplay(QString strText);
    void dataTransferProgress(qint64, qint64);
    void uploadError(qint8);
    void uploadFinished();

private slots:
    void ftpDone(bool error);
    void ftpCommandFinished(int id, bool error);
    void ftpCommandStarted(int id);
    void timeoutControl();

private:
    QString newRemoteDir();
    void dropSession();
    void sendNextFile();
    void succeed();
    void fail(ErrorCode code);

    QString adviceText;
    GLCurlFtp *ftp = nullptr;
    QString remoteDir;
    QStringList uploadList;
    QFile uploadFile;
    QTimer *idleTimer = nullptr;
    int idleTicks = 0;
    qint8 fileIndex = 0;
    // The current submission has not had its result yet.
    bool running = false;
    // Every file of the current submission is on the server; only closing is left.
    bool everyFileStored = false;
    QString unreadableName;
    QSet<QString> usedRemoteDirs;
};

#endif // GLFTPOBJECT_H
