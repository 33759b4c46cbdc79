#ifndef GLFTPOBJECT_H
#define GLFTPOBJECT_H

#include "glcurlftp.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVector>

class QTimer;

// Sends one feedback submission to the feedback FTP server: a new directory holding
// "user_advice.txt" and every attached file under a numbered name. Files are sent as they were
// counted when the list was given, streamed from disk by the FTP client's worker. A failed
// submission ends its session before it is told, and what it stored is deleted again (in a
// session of its own) where the server allows it.
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
        FileUnreadable = 5, // an attached file could not be read
        FileChanged = 6,    // an attached file's size is no longer the one counted
        IdleTimeout = 100
    };
    // What the last uploadError() was about.
    struct Failure
    {
        qint8 code = 0;
        GLCurlFtp::Error cause = GLCurlFtp::NoError;
        // The local file's name when the failure concerns an attached file, else "".
        QString fileName;
    };

    explicit GLFtpObject(QObject *parent = nullptr);

    void setAdviceText(const QString &text);
    // The files to send, each with its size as counted now.
    void setUploadList(const QStringList &list);
    // The files to send with the sizes they were counted with: a file found with another size
    // when its turn comes, or while it is sent, fails the submission (FileChanged).
    void setUploadList(const QStringList &list, const QVector<qint64> &sizes);
    void beginUpload();
    // Ends the running submission without a result, and stops what is being sent.
    void stopUpload();

    // True from beginUpload until the submission's one result, while files are still to store.
    bool isSending() const { return running && !everyFileStored; }
    Failure lastFailure() const { return failure; }
    // Bytes of the whole submission (message and files).
    qint64 submissionBytes() const { return totalBytes; }

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
    // The submission's bytes sent so far, of all of them; from beginUpload on.
    void submissionProgress(qint64 sent, qint64 total);
    // The deleting after a failure has ended; removed counts the files and the folder deleted.
    void cleanupFinished(int removed);

private slots:
    void ftpDone(bool error);
    void ftpCommandFinished(int id, bool error);
    void ftpCommandStarted(int id);
    void timeoutControl();

private:
    QString newRemoteDir();
    void dropSession();
    void putAdvice();
    void sendNextFile();
    void fileProgress(qint64 done);
    void succeed();
    void fail(ErrorCode code, GLCurlFtp::Error cause = GLCurlFtp::NoError);
    void deleteLeftovers();

    QString adviceText;
    GLCurlFtp *ftp = nullptr;
    QString remoteDir;
    QStringList uploadList;
    QVector<qint64> uploadSizes;
    QTimer *idleTimer = nullptr;
    int idleTicks = 0;
    qint8 fileIndex = 0;
    // The current submission has not had its result yet.
    bool running = false;
    // Every file of the current submission is on the server; only closing is left.
    bool everyFileStored = false;
    Failure failure;
    QSet<QString> usedRemoteDirs;
    // What the current submission may have left on the server: its folder, once MKD made it
    // (a folder MKD did not make is never touched), and the remote paths of the uploads queued.
    bool dirMade = false;
    QStringList remoteFiles;
    // The local name of the file being sent ("" for the message).
    QString sendingName;
    qint64 totalBytes = 0;
    qint64 sentBefore = 0; // of the files already stored
};

#endif // GLFTPOBJECT_H
