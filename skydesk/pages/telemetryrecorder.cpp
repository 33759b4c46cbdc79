#include "telemetryrecorder.h"

#include "fclink/storage/telemetrycsv.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

namespace {
// Recordings started again and again within one second: enough numbered names for them.
constexpr int kNameAttempts = 100;
} // namespace

TelemetryRecorder::TelemetryRecorder(QObject *parent) : QObject(parent)
{
    m_flushTimer.setInterval(kFlushIntervalMs);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] {
        flushPending();
        if (isRecording())
            emit progressed(m_path, elapsedMs());
    });
}

TelemetryRecorder::~TelemetryRecorder()
{
    if (isRecording()) {
        // Nobody listens any more, but the rows still belong in the file.
        blockSignals(true);
        stop();
    }
}

QString TelemetryRecorder::fileNameFor(const QDateTime &startedAt)
{
    return QStringLiteral("telemetry_%1.csv")
        .arg(startedAt.toString(QStringLiteral("yyyyMMdd_hhmmss")));
}

QString TelemetryRecorder::documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

bool TelemetryRecorder::start(const QString &folder, QString *error)
{
    if (isRecording())
        stop();
    if (!openNewFile(folder, error))
        return false;
    m_pending = fclink::telemetryCsvHeader();
    m_rows = 0;
    m_wholeSize = 0;
    m_clock.start();
    flushPending();
    if (!isRecording()) {
        if (error)
            *error = tr("%1 could not be written").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    m_flushTimer.start();
    return true;
}

bool TelemetryRecorder::openNewFile(const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = tr("The folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString stem = fileNameFor(QDateTime::currentDateTime()).chopped(4);
    QString reason;
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
        const QString name = attempt == 1 ? stem + QStringLiteral(".csv")
                                          : QStringLiteral("%1_%2.csv").arg(stem).arg(attempt);
        m_path = QDir(folder).filePath(name);
        m_file.setFileName(m_path);
        // Unbuffered: each flush reaches the file as one write of whole rows.
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        reason = m_file.errorString();
        if (!QFileInfo::exists(m_path))
            break; // not a name clash: the folder refuses new files
    }
    if (error)
        *error =
            tr("No file can be created in %1: %2").arg(QDir::toNativeSeparators(folder), reason);
    return false;
}

void TelemetryRecorder::recordCycle()
{
    if (!isRecording())
        return;
    m_pending += fclink::telemetryCsvRow(m_clock.elapsed(), fclink::telemetryNow());
    ++m_rows;
}

void TelemetryRecorder::flushPending()
{
    if (!isRecording() || m_pending.isEmpty())
        return;
    QString reason;
    qint64 written = 0;
    if (!writeAll(m_pending, &written, &reason)) {
        // A half row would break every program that reads the file: back to the last whole one.
        const qint64 wholeRows = m_pending.lastIndexOf('\n', int(written) - 1) + 1;
        m_file.resize(m_wholeSize + wholeRows);
        finish(
            tr("%1: %2 keeps the rows written before").arg(reason, QFileInfo(m_path).fileName()));
        return;
    }
    m_wholeSize += m_pending.size();
    m_pending.clear();
}

bool TelemetryRecorder::writeAll(const QByteArray &bytes, qint64 *done, QString *reason)
{
    *done = 0;
    while (*done < bytes.size()) {
        errno = 0;
        const qint64 written = m_file.write(bytes.constData() + *done, bytes.size() - *done);
        if (written <= 0) {
            // A short write tells no cause; the write after it fails with the disk's own.
            const bool full = errno == ENOSPC || errno == EDQUOT;
            *reason = full ? tr("the disk is full") : m_file.errorString();
            return false;
        }
        *done += written;
    }
    return true;
}

void TelemetryRecorder::stop()
{
    if (!isRecording())
        return;
    flushPending();
    if (isRecording())
        finish(QString());
}

void TelemetryRecorder::finish(const QString &error)
{
    m_flushTimer.stop();
    m_file.close();
    m_pending.clear();
    emit stopped(m_path, error);
}
