#ifndef GLCURLFTP_H
#define GLCURLFTP_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// A small FTP client with the command queue of Qt 4's QFtp, built on libcurl.
// Commands are queued on the owner's thread and run one after another by a worker thread;
// their start and finish come back to the owner's thread as queued signals.
// libcurl connects and logs in in one step: the connect command does both, with the
// account of the login command queued right after it, and the login command reports the
// login's outcome.
//
// Uploads go in pieces (the first with STOR, the others with APPE), each sized to take a few
// seconds at the speed the piece before had: the server's answer to each piece shows that the
// upload moves, also on a slow line where the whole file fits the buffers on the way at once.
// Each upload ends by asking the server for the stored size (SIZE).
//
// Nothing on the owner's thread ever waits for the worker. Every command has time-outs, and
// abort() or destroying the client stops the running command at once and drops the
// connection. A destroyed client's worker finishes that on its own; waitForWorkers() lets the
// program's end wait for it.
class GLCurlFtp : public QObject
{
    Q_OBJECT
public:
    enum Command
    {
        None,
        ConnectToHost,
        Login,
        Close,
        Get,
        Put,
        Mkdir,
        Remove,
        Rmdir
    };
    Q_ENUM(Command)
    enum TransferType
    {
        Binary,
        Ascii
    };
    // Why the last command failed.
    enum Error
    {
        NoError,
        ConnectionRefused,   // no server listens there, or the name is unknown
        NotConnected,        // the connection broke or timed out
        LoginRefused,        // 530
        QuotaExceeded,       // 452 or 552: no room for the file
        Refused,             // any other refusal of the server
        StoredIncomplete,    // the server answered the upload, but stored another size
        LocalFileUnreadable, // the local file is gone, no regular file, or cannot be read
        LocalFileChanged,    // the local file's size is not the one given
        Aborted
    };
    Q_ENUM(Error)
    // In seconds: to connect, for each answer of the server, with no byte moving during a
    // transfer, and for the answer to QUIT.
    struct Timeouts
    {
        int connect = 30;
        int response = 30;
        int stall = 30;
        int quit = 5;
    };

    // The first piece of an upload, and how long a piece should take.
    static constexpr qint64 FirstPieceBytes = 6144;
    static constexpr double PieceSeconds = 5.0;

    explicit GLCurlFtp(QObject *parent = nullptr);
    ~GLCurlFtp() override;

    // Applies to the commands that start after the call.
    void setTimeouts(const Timeouts &timeouts);

    int connectToHost(const QString &host, quint16 port = 21);
    int login(const QString &user, const QString &password);
    int mkdir(const QString &dir);
    int rmdir(const QString &dir);
    int remove(const QString &file);
    int put(const QByteArray &data, const QString &file, TransferType type = Binary);
    // Sends size bytes of the local file, read by the worker as they go: the upload fails
    // (LocalFileChanged) when the file's size is not size when it is opened or once it is sent.
    int putFile(const QString &localPath, qint64 size, const QString &file);
    int close();
    // Drops every queued command and stops the running one at once.
    void abort();

    Command currentCommand() const { return current; }
    QString errorString() const { return lastError; }
    Error error() const { return lastErrorKind; }

    // The kind of failure from libcurl's result and the server's last reply code.
    static Error errorFor(int curlCode, int replyCode);
    // The next piece after one of piece bytes that took the given time, with left bytes to go:
    // PieceSeconds' worth at that speed, at least FirstPieceBytes, at most four times the piece.
    static qint64 nextPieceSize(qint64 piece, double seconds, qint64 left);

    // Waits up to msec for the workers of all clients, destroyed ones included, to end;
    // true when none is left.
    static bool waitForWorkers(int msec);

signals:
    void commandStarted(int id);
    void commandFinished(int id, bool error);
    void done(bool error);
    // Bytes of the running upload handed to the connection.
    void dataTransferProgress(qint64 done, qint64 total);
    // Bytes of the running upload the server has confirmed, piece by piece.
    void dataStored(qint64 stored, qint64 total);

private:
    struct Job;
    struct Worker;

    int enqueue(Job job);

    Command current = None;
    QString lastError;
    Error lastErrorKind = NoError;
    int nextId = 0;
    std::shared_ptr<Worker> worker;
};

#endif // GLCURLFTP_H
