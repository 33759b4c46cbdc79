#ifndef GLCURLFTP_H
#define GLCURLFTP_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// A small FTP client with the command queue of Qt 4's QFtp, built on libcurl.
// Commands are queued on the owner's thread and run one after another by a worker thread;
// their start and finish come back to the owner's thread as queued signals.
// libcurl connects and logs in in one step: the connect command does both, with the
// account of the login command queued right after it, and the login command reports the
// login's outcome.
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

    explicit GLCurlFtp(QObject *parent = nullptr);
    ~GLCurlFtp() override;

    int connectToHost(const QString &host, quint16 port = 21);
    int login(const QString &user, const QString &password);
    int mkdir(const QString &dir);
    int put(const QByteArray &data, const QString &file, TransferType type = Binary);
    int close();
    // Drops every queued command and stops the running one as soon as libcurl lets it.
    void abort();

    Command currentCommand() const { return current; }
    QString errorString() const { return lastError; }

signals:
    void commandStarted(int id);
    void commandFinished(int id, bool error);
    void done(bool error);
    void dataTransferProgress(qint64 done, qint64 total);

private:
    struct Job
    {
        int id = 0;
        Command command = None;
        QString host;
        quint16 port = 21;
        QString user;
        QString password;
        QString path;
        QByteArray data;
        TransferType type = Binary;
    };

    int enqueue(Job job);
    void run();
    bool execute(Job &job, QString &error);
    void reportStarted(int id, Command command);
    void reportFinished(int id, Command command, bool error, const QString &text, bool idle);

    Command current = None;
    QString lastError;
    int nextId = 0;

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> queue;
    bool stopping = false;
    std::atomic<bool> aborted{false};
    std::thread worker;

    // Worker-thread state.
    void *curl = nullptr;
    QString host;
    quint16 port = 21;
    QString user;
    QString password;
    int loginResult = 0;
    const QByteArray *sending = nullptr;
    qint64 sent = 0;
    qint64 lastReported = -1;

    std::size_t readData(char *buffer, std::size_t size);
    int progress(qint64 uploaded);
};

#endif // GLCURLFTP_H
