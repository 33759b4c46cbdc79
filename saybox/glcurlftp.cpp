#include "glcurlftp.h"

#include "logcategories.h"

#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace {

void initCurlOnce()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised)
}

// Path relative to the login directory, each segment percent-encoded.
QByteArray encodedPath(const QString &path)
{
    QByteArray result;
    const QStringList segments = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < segments.size(); ++i) {
        if (i > 0) {
            result += '/';
        }
        result += QUrl::toPercentEncoding(segments.at(i));
    }
    return result;
}

// The workers still running, destroyed clients' included.
struct WorkerCount
{
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0;
};

// Never destroyed: a detached worker may count itself out while the program ends.
WorkerCount &workerCount()
{
    static auto *count = new WorkerCount;
    return *count;
}

void countWorker(int change)
{
    WorkerCount &count = workerCount();
    {
        std::lock_guard<std::mutex> lock(count.mutex);
        count.running += change;
    }
    count.changed.notify_all();
}

int abortAtOnce(void *, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return 1;
}

// A sent byte counts as progress only when it is on its way: with the system's own send buffer
// (several MiB, grown for a fast link) a slow line would seem to stand still for long once the
// whole file is buffered. 64 KiB still fill a line of 5 Mbit/s at 100 ms round trip.
constexpr int UploadSendBufferBytes = 64 * 1024;

int limitSendBuffer(void *, curl_socket_t socket, curlsocktype)
{
    const int size = UploadSendBufferBytes;
    setsockopt(socket, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char *>(&size), sizeof size);
    return CURL_SOCKOPT_OK;
}

} // namespace

struct GLCurlFtp::Job
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

// Everything the worker thread uses. The worker holds it, so it outlives a destroyed client.
struct GLCurlFtp::Worker
{
    explicit Worker(GLCurlFtp *client) : owner(client) {}

    void run();
    bool execute(Job &job, QString &error);
    bool quit(QString &error);
    void dropConnection();
    QByteArray serverUrl() const;
    CURL *prepareHandle(const QByteArray &url);
    void reportStarted(int id, Command command);
    void reportFinished(int id, Command command, bool error, const QString &text, bool idle);
    template <typename Report> void post(Report report);
    std::size_t readData(char *buffer, std::size_t size);
    int progress(qint64 uploaded);

    // Shared with the client's thread, under the mutex.
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> queue;
    bool stopping = false;
    GLCurlFtp *owner; // null once the client is gone
    Timeouts timeouts;
    std::atomic<bool> aborted{false};

    // Worker-thread state.
    CURL *curl = nullptr;
    Timeouts active; // those of the running command
    QString host;
    quint16 port = 21;
    QString user;
    QString password;
    QByteArray userBytes;
    QByteArray passwordBytes;
    int loginResult = 0;
    const QByteArray *sending = nullptr;
    qint64 sent = 0;
    qint64 lastReported = -1;
};

GLCurlFtp::GLCurlFtp(QObject *parent) : QObject(parent), worker(std::make_shared<Worker>(this))
{
    initCurlOnce();
    countWorker(+1);
    std::thread([held = worker]() mutable {
        held->run();
        held.reset();
        countWorker(-1);
    }).detach();
}

GLCurlFtp::~GLCurlFtp()
{
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        worker->owner = nullptr;
        worker->aborted = true;
        worker->stopping = true;
        worker->queue.clear();
    }
    worker->wake.notify_all();
}

bool GLCurlFtp::waitForWorkers(int msec)
{
    WorkerCount &count = workerCount();
    std::unique_lock<std::mutex> lock(count.mutex);
    return count.changed.wait_for(lock, std::chrono::milliseconds(msec),
                                  [&count] { return count.running == 0; });
}

void GLCurlFtp::setTimeouts(const Timeouts &timeouts)
{
    std::lock_guard<std::mutex> lock(worker->mutex);
    worker->timeouts = timeouts;
}

int GLCurlFtp::connectToHost(const QString &hostName, quint16 hostPort)
{
    Job job;
    job.command = ConnectToHost;
    job.host = hostName;
    job.port = hostPort;
    return enqueue(std::move(job));
}

int GLCurlFtp::login(const QString &user, const QString &password)
{
    Job job;
    job.command = Login;
    job.user = user;
    job.password = password;
    return enqueue(std::move(job));
}

int GLCurlFtp::mkdir(const QString &dir)
{
    Job job;
    job.command = Mkdir;
    job.path = dir;
    return enqueue(std::move(job));
}

int GLCurlFtp::put(const QByteArray &data, const QString &file, TransferType type)
{
    Job job;
    job.command = Put;
    job.path = file;
    job.data = data;
    job.type = type;
    return enqueue(std::move(job));
}

int GLCurlFtp::close()
{
    Job job;
    job.command = Close;
    return enqueue(std::move(job));
}

void GLCurlFtp::abort()
{
    std::lock_guard<std::mutex> lock(worker->mutex);
    worker->aborted = true;
    worker->queue.clear();
}

int GLCurlFtp::enqueue(Job job)
{
    job.id = ++nextId;
    const int id = job.id;
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        if (worker->aborted) {
            return id;
        }
        worker->queue.push_back(std::move(job));
    }
    worker->wake.notify_all();
    return id;
}

void GLCurlFtp::Worker::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return stopping || !queue.empty(); });
            if (stopping) {
                break;
            }
            // libcurl connects and logs in in one step, so a connect takes its account from the
            // login queued right behind it; give the caller a moment to queue that login.
            if (queue.front().command == ConnectToHost && queue.size() < 2) {
                wake.wait_for(lock, std::chrono::milliseconds(500),
                              [this] { return stopping || queue.size() >= 2; });
                if (stopping) {
                    break;
                }
                if (queue.empty()) {
                    continue;
                }
            }
            job = std::move(queue.front());
            queue.pop_front();
            active = timeouts;
        }
        reportStarted(job.id, job.command);
        qCDebug(lcFtp) << "command" << job.id << "kind" << job.command;
        QString error;
        const bool ok = execute(job, error);
        if (!ok)
            qCWarning(lcFtp).noquote() << "command" << job.id << "failed:" << error;
        bool idle = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!ok) {
                queue.clear(); // like QFtp: a failed command drops the ones queued after it
            }
            idle = queue.empty();
        }
        reportFinished(job.id, job.command, !ok, error, idle);
    }
    dropConnection();
}

QByteArray GLCurlFtp::Worker::serverUrl() const
{
    QByteArray url = "ftp://";
    url += host.contains(QLatin1Char(':')) ? '[' + host.toUtf8() + ']' : host.toUtf8();
    return url + ':' + QByteArray::number(port) + '/';
}

CURL *GLCurlFtp::Worker::prepareHandle(const QByteArray &url)
{
    if (!curl) {
        curl = curl_easy_init();
    }
    curl_easy_reset(curl); // keeps the open connection for the next command
    userBytes = user.isEmpty() ? QByteArray("anonymous") : user.toUtf8();
    passwordBytes = password.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, userBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, passwordBytes.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(active.connect));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(active.response));
    // Less than a byte a second for the whole stall time: the transfer has stopped.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(active.stall));
    // The progress callback is also how an abort reaches a running command.
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_xferinfo_callback onProgress = [](void *self, curl_off_t, curl_off_t, curl_off_t,
                                           curl_off_t uploaded) {
        return static_cast<Worker *>(self)->progress(static_cast<qint64>(uploaded));
    };
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
    return curl;
}

bool GLCurlFtp::Worker::execute(Job &job, QString &error)
{
    if (aborted) {
        error = QStringLiteral("Aborted");
        return false;
    }
    if (job.command == Login) {
        if (loginResult != CURLE_OK) {
            error = QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(loginResult)));
        }
        return loginResult == CURLE_OK;
    }
    if (job.command == ConnectToHost) {
        host = job.host;
        port = job.port;
        user.clear();
        password.clear();
        std::lock_guard<std::mutex> lock(mutex);
        if (!queue.empty() && queue.front().command == Login) {
            user = queue.front().user;
            password = queue.front().password;
        }
    }

    if (job.command == Close) {
        return quit(error);
    }
    QByteArray url = serverUrl();
    if (job.command == Put) {
        url += encodedPath(job.path);
    }
    CURL *handle = prepareHandle(url);
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_slist *quote = nullptr;
    if (job.command == ConnectToHost) {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    } else if (job.command == Mkdir) {
        quote = curl_slist_append(nullptr, ("MKD " + job.path.toUtf8()).constData());
        curl_easy_setopt(handle, CURLOPT_QUOTE, quote);
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    } else if (job.command == Put) {
        sending = &job.data;
        sent = 0;
        lastReported = -1;
        curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
        curl_read_callback onRead = [](char *buffer, size_t size, size_t count, void *self) {
            return static_cast<Worker *>(self)->readData(buffer, size * count);
        };
        curl_easy_setopt(handle, CURLOPT_READFUNCTION, onRead);
        curl_easy_setopt(handle, CURLOPT_READDATA, this);
        curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE,
                         static_cast<curl_off_t>(job.data.size()));
        curl_easy_setopt(handle, CURLOPT_TRANSFERTEXT, job.type == Ascii ? 1L : 0L);
        curl_easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, limitSendBuffer);
    }

    const CURLcode result = curl_easy_perform(handle);
    sending = nullptr;
    curl_slist_free_all(quote);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);

    bool ok = result == CURLE_OK;
    if (job.command == ConnectToHost) {
        loginResult = result;
        ok = ok || result == CURLE_LOGIN_DENIED; // connected; the login command reports it
    }
    if (!ok) {
        error = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(result));
    }
    return ok;
}

// QUIT as a command of its own, so that its answer is waited for with a time-out and an abort
// stops the wait. It goes after the command's own steps (libcurl first changes back to the login
// directory), and the handle goes afterwards.
bool GLCurlFtp::Worker::quit(QString &error)
{
    if (!curl) {
        return true;
    }
    CURL *handle = prepareHandle(serverUrl());
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(active.quit));
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_slist *quote = curl_slist_append(nullptr, "QUIT");
    curl_easy_setopt(handle, CURLOPT_POSTQUOTE, quote);
    curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    const CURLcode result = curl_easy_perform(handle);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    curl_slist_free_all(quote);
    if (result != CURLE_OK) {
        error = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(result));
        dropConnection(); // still open, and the server does not answer
        return false;
    }
    // The server has closed the connection: cleaning up finds nothing to wait for.
    curl_easy_cleanup(handle);
    curl = nullptr;
    return true;
}

// Closes a connection left open without waiting for the server: a transfer that libcurl sees
// aborted closes its connection at once, where cleaning up the handle would send QUIT and wait
// for the answer.
void GLCurlFtp::Worker::dropConnection()
{
    if (!curl) {
        return;
    }
    curl_easy_reset(curl);
    const QByteArray url = serverUrl();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, userBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, passwordBytes.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 1L);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, abortAtOnce);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    curl = nullptr;
}

template <typename Report> void GLCurlFtp::Worker::post(Report report)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!owner || aborted) {
        return;
    }
    GLCurlFtp *client = owner;
    // A report still queued when the client is destroyed is dropped with it.
    QMetaObject::invokeMethod(
        client, [client, report] { report(*client); }, Qt::QueuedConnection);
}

void GLCurlFtp::Worker::reportStarted(int id, Command command)
{
    post([id, command](GLCurlFtp &client) {
        client.current = command;
        emit client.commandStarted(id);
    });
}

void GLCurlFtp::Worker::reportFinished(int id, Command command, bool error, const QString &text,
                                       bool idle)
{
    post([id, command, error, text, idle](GLCurlFtp &client) {
        client.current = command;
        client.lastError = text;
        emit client.commandFinished(id, error);
        if (idle) {
            emit client.done(error);
        }
    });
}

std::size_t GLCurlFtp::Worker::readData(char *buffer, std::size_t size)
{
    if (aborted) {
        return CURL_READFUNC_ABORT;
    }
    const qint64 left = sending->size() - sent;
    const qint64 chunk = qMin(left, static_cast<qint64>(size));
    std::memcpy(buffer, sending->constData() + sent, static_cast<std::size_t>(chunk));
    sent += chunk;
    return static_cast<std::size_t>(chunk);
}

int GLCurlFtp::Worker::progress(qint64 uploaded)
{
    if (aborted) {
        return 1;
    }
    if (sending && uploaded != lastReported) {
        lastReported = uploaded;
        const qint64 total = sending->size();
        post([uploaded, total](GLCurlFtp &client) {
            emit client.dataTransferProgress(uploaded, total);
        });
    }
    return 0;
}
