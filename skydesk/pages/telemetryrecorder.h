#ifndef SKYDESK_TELEMETRYRECORDER_H
#define SKYDESK_TELEMETRYRECORDER_H

#include "fclink/model/telemetrysnapshot.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

class QDateTime;

// Records telemetry into a CSV file (header row, then one row per telemetry cycle). Rows are
// collected in memory and written to the file once a second, whole rows only, so a crash loses at
// most the last second and the file can be read at any moment. A write that fails part-way
// (a full disk) is cut back to the last whole row and the recording ends with the cause.
class TelemetryRecorder : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFlushIntervalMs = 1000;

    explicit TelemetryRecorder(QObject *parent = nullptr);
    ~TelemetryRecorder() override;

    // telemetry_<yyyyMMdd_hhmmss>.csv for a recording started at that time.
    static QString fileNameFor(const QDateTime &startedAt);
    // The user's documents folder, where recordings go.
    static QString documentsFolder();

    // Creates a new file in the folder (made if missing) and writes the header. False with a
    // message when no file can be created there. A file of that name is never overwritten: a
    // second recording within the same second gets a number appended.
    bool start(const QString &folder, QString *error);
    // Writes what is pending and closes the file.
    void stop();

    bool isRecording() const { return m_file.isOpen(); }
    QString filePath() const { return m_path; }
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }
    int rowCount() const { return m_rows; }

public slots:
    // One telemetry cycle as the store holds it now; ignored while not recording.
    void recordCycle();

signals:
    // Once a second while recording.
    void progressed(const QString &filePath, qint64 elapsedMs);
    // The recording ended; error is empty when every row reached the file.
    void stopped(const QString &filePath, const QString &error);

private:
    bool openNewFile(const QString &folder, QString *error);
    void flushPending();
    bool writeAll(const QByteArray &bytes, qint64 *done, QString *reason);
    void finish(const QString &error);

    QFile m_file;
    QString m_path;
    QByteArray m_pending;
    QElapsedTimer m_clock;
    QTimer m_flushTimer;
    int m_rows = 0;
    qint64 m_wholeSize = 0; // the file's size up to its last whole row
};

#endif // SKYDESK_TELEMETRYRECORDER_H
