#include "glcurlftp.h"

#include "gllocalfile.h"
#include "logcategories.h"

#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <algorithm>
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

// What libcurl would write to standard output: the size lines of a SIZE query.
size_t discardData(char *, size_t size, size_t count, void *)
{
    return size * count;
}

QString curlError(const char *buffer, CURLcode result)
{
    return QString::fromUtf8(buffer[0] ? buffer : curl_easy_strerror(result));
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
    QString localPath; // an upload read from this file rather than from data
    qint64 size = 0;
    TransferType type = Binary;
};

// Everything the worker thread uses. The worker holds it, so it outlives a destroyed client.
struct GLCurlFtp::Worker
{
    explicit Worker(GLCurlFtp *client) : owner(client), multi(curl_multi_init()) {}
    ~Worker() { curl_multi_cleanup(multi); }

    // Where an upload's bytes come from, and how far the current piece has got.
    struct Upload
    {
        const QByteArray *memory = nullptr;
        GLLocalFile *file = nullptr;
        qint64 size = 0;
        qint64 pieceStart = 0;
        qint64 pieceSize = 0;
        qint64 pieceRead = 0;
        Error localError = NoError;
    };

    void run();
    bool execute(Job &job, QString &error);
    bool store(Job &job, QString &error);
    bool storePiece(const Job &job, const QByteArray &url, QString &error);
    bool checkStoredSize(const QByteArray &url, qint64 expected, QString &error);
    bool quit(QString &error);
    void dropConnection();
    CURLcode perform(CURL *handle);
    void fail(CURL *handle, CURLcode result, const char *errorBuffer, QString &error);
    QByteArray serverUrl() const;
    CURL *prepareHandle(const QByteArray &url);
    void reportStarted(int id, Command command);
    void reportFinished(int id, Command command, bool error, const QString &text, Error kind,
                        bool idle);
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
    // Made and freed by the worker's owner; curl_multi_wakeup() may be called from any thread.
    CURLM *const multi;

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
    Error loginError = NoError;
    Error failure = NoError; // of the running command
    Upload upload;
    bool uploading = false;
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
    curl_multi_wakeup(worker->multi);
}

bool GLCurlFtp::waitForWorkers(int msec)
{
    WorkerCount &count = workerCount();
    std::unique_lock<std::mutex> lock(count.mutex);
    return count.changed.wait_for(lock, std::chrono::milliseconds(msec),
                                  [&count] { return count.running == 0; });
}

GLCurlFtp::Error GLCurlFtp::errorFor(int curlCode, int replyCode)
{
    if (curlCode == CURLE_OK)
        return NoError;
    if (curlCode == CURLE_LOGIN_DENIED || replyCode == 530)
        return LoginRefused;
    if (replyCode == 452 || replyCode == 552)
        return QuotaExceeded;
    switch (curlCode) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return ConnectionRefused;
    case CURLE_ABORTED_BY_CALLBACK:
        return Aborted;
    default:
        break;
    }
    // 421 is the server closing the session; other replies of 400 and up refuse the command.
    if (replyCode >= 400 && replyCode != 421)
        return Refused;
    return NotConnected;
}

qint64 GLCurlFtp::nextPieceSize(qint64 piece, double seconds, qint64 left)
{
    const double speed = double(piece) / std::max(seconds, 0.001);
    const qint64 worth = speed * PieceSeconds >= double(4 * piece)
                             ? 4 * piece
                             : static_cast<qint64>(speed * PieceSeconds);
    return std::min(left, std::max(FirstPieceBytes, worth));
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

int GLCurlFtp::rmdir(const QString &dir)
{
    Job job;
    job.command = Rmdir;
    job.path = dir;
    return enqueue(std::move(job));
}

int GLCurlFtp::remove(const QString &file)
{
    Job job;
    job.command = Remove;
    job.path = file;
    return enqueue(std::move(job));
}

int GLCurlFtp::put(const QByteArray &data, const QString &file, TransferType type)
{
    Job job;
    job.command = Put;
    job.path = file;
    job.data = data;
    job.size = data.size();
    job.type = type;
    return enqueue(std::move(job));
}

int GLCurlFtp::putFile(const QString &localPath, qint64 size, const QString &file)
{
    Job job;
    job.command = Put;
    job.path = file;
    job.localPath = localPath;
    job.size = size;
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
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        worker->aborted = true;
        worker->queue.clear();
    }
    curl_multi_wakeup(worker->multi);
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
        failure = NoError;
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
        reportFinished(job.id, job.command, !ok, error, ok ? NoError : failure, idle);
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
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discardData);
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

// Runs the handle's transfer on the worker's own multi handle, so that abort() can wake the
// wait for the server (curl_multi_wakeup) instead of it lasting until libcurl next looks.
CURLcode GLCurlFtp::Worker::perform(CURL *handle)
{
    curl_multi_add_handle(multi, handle);
    int running = 1;
    while (running > 0) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (running > 0)
            curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi, handle);
    return result;
}

void GLCurlFtp::Worker::fail(CURL *handle, CURLcode result, const char *errorBuffer, QString &error)
{
    long reply = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply);
    if (failure == NoError)
        failure = aborted ? Aborted : errorFor(result, static_cast<int>(reply));
    if (error.isEmpty())
        error = curlError(errorBuffer, result);
}

bool GLCurlFtp::Worker::execute(Job &job, QString &error)
{
    if (aborted) {
        error = QStringLiteral("Aborted");
        failure = Aborted;
        return false;
    }
    if (job.command == Login) {
        if (loginResult != CURLE_OK) {
            error = QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(loginResult)));
            failure = loginError;
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
    if (job.command == Put) {
        return store(job, error);
    }
    CURL *handle = prepareHandle(serverUrl());
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    curl_slist *quote = nullptr;
    if (job.command == Mkdir || job.command == Remove || job.command == Rmdir) {
        const QByteArray verb = job.command == Mkdir    ? "MKD "
                                : job.command == Remove ? "DELE "
                                                        : "RMD ";
        quote = curl_slist_append(nullptr, (verb + job.path.toUtf8()).constData());
        curl_easy_setopt(handle, CURLOPT_QUOTE, quote);
    }

    const CURLcode result = perform(handle);
    curl_slist_free_all(quote);

    bool ok = result == CURLE_OK;
    if (job.command == ConnectToHost) {
        loginResult = result;
        loginError = result == CURLE_LOGIN_DENIED ? LoginRefused : NoError;
        ok = ok || result == CURLE_LOGIN_DENIED; // connected; the login command reports it
    }
    if (!ok) {
        fail(handle, result, errorBuffer, error);
    }
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    return ok;
}

// An upload in pieces, then the check of what the server stored. A local file is read as the
// pieces go, never whole.
bool GLCurlFtp::Worker::store(Job &job, QString &error)
{
    std::unique_ptr<GLLocalFile> file;
    upload = Upload();
    upload.size = job.size;
    if (job.localPath.isEmpty()) {
        upload.memory = &job.data;
    } else {
        file = std::make_unique<GLLocalFile>(job.localPath);
        if (!file->isOpen()) {
            failure = LocalFileUnreadable;
            error = QStringLiteral("The local file cannot be read");
            return false;
        }
        if (file->size() != job.size) {
            failure = LocalFileChanged;
            error = QStringLiteral("The local file has %1 bytes, not %2")
                        .arg(file->size())
                        .arg(job.size);
            return false;
        }
        upload.file = file.get();
    }

    const QByteArray url = serverUrl() + encodedPath(job.path);
    uploading = true;
    lastReported = -1;
    upload.pieceSize = std::min(job.size, FirstPieceBytes);
    bool ok = true;
    for (;;) {
        const auto began = std::chrono::steady_clock::now();
        ok = storePiece(job, url, error);
        if (!ok)
            break;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
        upload.pieceStart += upload.pieceSize;
        const qint64 stored = upload.pieceStart;
        const qint64 total = upload.size;
        post([stored, total](GLCurlFtp &client) { emit client.dataStored(stored, total); });
        if (upload.pieceStart >= upload.size)
            break;
        upload.pieceSize =
            nextPieceSize(upload.pieceSize, took.count(), upload.size - upload.pieceStart);
    }
    uploading = false;
    if (ok && file && file->currentSize() != job.size) {
        failure = LocalFileChanged;
        error = QStringLiteral("The local file changed while it was sent (%1 bytes now, %2 sent)")
                    .arg(file->currentSize())
                    .arg(job.size);
        ok = false;
    }
    upload = Upload();
    // In ASCII mode the server may store other line ends, and so another size.
    return ok && (job.type == Ascii || checkStoredSize(url, job.size, error));
}

bool GLCurlFtp::Worker::storePiece(const Job &job, const QByteArray &url, QString &error)
{
    upload.pieceRead = 0;
    CURL *handle = prepareHandle(url);
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_APPEND, upload.pieceStart > 0 ? 1L : 0L);
    curl_read_callback onRead = [](char *buffer, size_t size, size_t count, void *self) {
        return static_cast<Worker *>(self)->readData(buffer, size * count);
    };
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, onRead);
    curl_easy_setopt(handle, CURLOPT_READDATA, this);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(upload.pieceSize));
    curl_easy_setopt(handle, CURLOPT_TRANSFERTEXT, job.type == Ascii ? 1L : 0L);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, limitSendBuffer);
    const CURLcode result = perform(handle);
    if (result != CURLE_OK) {
        failure = upload.localError;
        if (failure == LocalFileChanged)
            error = QStringLiteral("The local file became shorter while it was sent");
        fail(handle, result, errorBuffer, error);
    }
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    return result == CURLE_OK;
}

// SIZE through libcurl's own file information: a server that cut the file and still answered
// 226 has not stored it. A server that does not tell sizes is taken at its word.
bool GLCurlFtp::Worker::checkStoredSize(const QByteArray &url, qint64 expected, QString &error)
{
    CURL *handle = prepareHandle(url);
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    const CURLcode result = perform(handle);
    curl_off_t stored = -1;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &stored);
    bool ok = true;
    if (result == CURLE_REMOTE_FILE_NOT_FOUND) {
        failure = StoredIncomplete;
        error = QStringLiteral("The server has no stored file");
        ok = false;
    } else if (result != CURLE_OK) {
        fail(handle, result, errorBuffer, error);
        ok = false;
    } else if (stored < 0) {
        qCInfo(lcFtp) << "the server does not tell the stored size";
    } else if (stored != expected) {
        failure = StoredIncomplete;
        error = QStringLiteral("The server stored %1 of %2 bytes").arg(stored).arg(expected);
        ok = false;
    }
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
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
    const CURLcode result = perform(handle);
    curl_slist_free_all(quote);
    if (result != CURLE_OK) {
        fail(handle, result, errorBuffer, error);
        curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
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
    perform(curl);
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
                                       Error kind, bool idle)
{
    post([id, command, error, text, kind, idle](GLCurlFtp &client) {
        client.current = command;
        client.lastError = text;
        client.lastErrorKind = kind;
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
    const qint64 wanted =
        std::min<qint64>(upload.pieceSize - upload.pieceRead, static_cast<qint64>(size));
    if (wanted <= 0) {
        return 0;
    }
    const qint64 offset = upload.pieceStart + upload.pieceRead;
    qint64 got = 0;
    if (upload.memory) {
        got = wanted;
        std::memcpy(buffer, upload.memory->constData() + offset, static_cast<std::size_t>(got));
    } else {
        got = upload.file->read(offset, buffer, wanted);
        if (got <= 0) {
            // Ended before the size it was counted with, or no longer readable.
            upload.localError = got == 0 ? LocalFileChanged : LocalFileUnreadable;
            return CURL_READFUNC_ABORT;
        }
    }
    upload.pieceRead += got;
    return static_cast<std::size_t>(got);
}

int GLCurlFtp::Worker::progress(qint64 uploaded)
{
    if (aborted) {
        return 1;
    }
    const qint64 done = upload.pieceStart + uploaded;
    if (uploading && done != lastReported) {
        lastReported = done;
        const qint64 total = upload.size;
        post([done, total](GLCurlFtp &client) { emit client.dataTransferProgress(done, total); });
    }
    return 0;
}
