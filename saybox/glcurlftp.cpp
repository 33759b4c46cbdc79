#include "glcurlftp.h"

#include <QStringList>
#include <QUrl>
#include <chrono>

#include <curl/curl.h>

#include <cstring>
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

} // namespace

GLCurlFtp::GLCurlFtp(QObject *parent) : QObject(parent)
{
    initCurlOnce();
    worker = std::thread(&GLCurlFtp::run, this);
}

GLCurlFtp::~GLCurlFtp()
{
    abort();
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    worker.join();
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
    std::lock_guard<std::mutex> lock(mutex);
    aborted = true;
    queue.clear();
}

int GLCurlFtp::enqueue(Job job)
{
    job.id = ++nextId;
    const int id = job.id;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (aborted) {
            return id;
        }
        queue.push_back(std::move(job));
    }
    wake.notify_all();
    return id;
}

void GLCurlFtp::run()
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
        }
        reportStarted(job.id, job.command);
        QString error;
        const bool ok = execute(job, error);
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
    if (curl) {
        curl_easy_cleanup(static_cast<CURL *>(curl));
        curl = nullptr;
    }
}

bool GLCurlFtp::execute(Job &job, QString &error)
{
    if (aborted) {
        error = QStringLiteral("Aborted");
        return false;
    }
    if (job.command == Close) {
        if (curl) {
            curl_easy_cleanup(static_cast<CURL *>(curl)); // sends QUIT
            curl = nullptr;
        }
        return true;
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
    if (!curl) {
        curl = curl_easy_init();
    }
    CURL *handle = static_cast<CURL *>(curl);
    curl_easy_reset(handle); // keeps the open connection for the next command

    QByteArray url = "ftp://";
    url += host.contains(QLatin1Char(':')) ? '[' + host.toUtf8() + ']' : host.toUtf8();
    url += ':' + QByteArray::number(port) + '/';
    if (job.command == Put) {
        url += encodedPath(job.path);
    }
    const QByteArray userBytes = user.isEmpty() ? QByteArray("anonymous") : user.toUtf8();
    const QByteArray passwordBytes = password.toUtf8();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_slist *quote = nullptr;

    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_USERNAME, userBytes.constData());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, passwordBytes.constData());
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_xferinfo_callback onProgress = [](void *self, curl_off_t, curl_off_t, curl_off_t,
                                           curl_off_t uploaded) {
        return static_cast<GLCurlFtp *>(self)->progress(static_cast<qint64>(uploaded));
    };
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
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
            return static_cast<GLCurlFtp *>(self)->readData(buffer, size * count);
        };
        curl_easy_setopt(handle, CURLOPT_READFUNCTION, onRead);
        curl_easy_setopt(handle, CURLOPT_READDATA, this);
        curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE,
                         static_cast<curl_off_t>(job.data.size()));
        curl_easy_setopt(handle, CURLOPT_TRANSFERTEXT, job.type == Ascii ? 1L : 0L);
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

void GLCurlFtp::reportStarted(int id, Command command)
{
    if (aborted) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, id, command] {
            current = command;
            emit commandStarted(id);
        },
        Qt::QueuedConnection);
}

void GLCurlFtp::reportFinished(int id, Command command, bool error, const QString &text, bool idle)
{
    if (aborted) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, id, command, error, text, idle] {
            current = command;
            lastError = text;
            emit commandFinished(id, error);
            if (idle) {
                emit done(error);
            }
        },
        Qt::QueuedConnection);
}

std::size_t GLCurlFtp::readData(char *buffer, std::size_t size)
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

int GLCurlFtp::progress(qint64 uploaded)
{
    if (aborted) {
        return 1;
    }
    if (sending && uploaded != lastReported) {
        lastReported = uploaded;
        const qint64 total = sending->size();
        QMetaObject::invokeMethod(
            this, [this, uploaded, total] { emit dataTransferProgress(uploaded, total); },
            Qt::QueuedConnection);
    }
    return 0;
}
