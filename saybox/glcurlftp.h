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
// Nothing on the owner's thread ever waits for the worker. Every command has time-outs, and
// abort() or destroying the client stops the running command within about a second (libcurl
// asks the progress callback at least that often) and drops the connection. A destroyed
// client's worker finishes that on its own; waitForWorkers() lets the program's end wait for it.
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
        Mkdir
    };
    Q_ENUM(Command)
    enum TransferType
    {
        Binary,
        Ascii
    };
    // In seconds: to connect, for each answer of the server, with no byte moving during a
    // transfer, and for the answer to QUIT.
    struct Timeouts
    {
        int connect = 30;
        int response = 30;
        int stall = 30;
        int quit = 5;
    };

    explicit GLCurlFtp(QObject *parent = nullptr);
    ~GLCurlFtp() override;

    // Applies to the commands that start after the call.
    void setTimeouts(const Timeouts &timeouts);

    int connectToHost(const QString &host, quint16 port = 21);
    int login(const QString &user, const QString &password);
    int mkdir(const QString &dir);
    int put(const QByteArray &data, const QString &file, TransferType type = Binary);
    int close();
    // Drops every queued command and stops the running one as soon as libcurl lets it.
    void abort();

    Command currentCommand() const { return current; }
    QString errorString() const { return lastError; }

    // Waits up to msec for the workers of all clients, destroyed ones included, to end;
    // true when none is left.
    static bool waitForWorkers(int msec);

signals:
    void commandStarted(int id);
    void commandFinished(int id, bool error);
    void done(bool error);
    void dataTransferProgress(qint64 done, qint64 total);

private:
    struct Job;
    struct Worker;

    int enqueue(Job job);

    Command current = None;
    QString lastError;
    int nextId = 0;
    std::shared_ptr<Worker> worker;
};

#endif // GLCURLFTP_H
