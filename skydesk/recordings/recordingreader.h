#ifndef SKYDESK_RECORDINGREADER_H
#define SKYDESK_RECORDINGREADER_H

#include "fclink/storage/telemetryrecording.h"

#include <QObject>
#include <QString>

#include <atomic>

class QThread;

// Reads a recording file on a thread of its own, so that a large one never freezes a window;
// finished() comes on the thread that started it. Destroyed while reading, it tells the thread to
// stop and waits the moment that takes.
class RecordingReader : public QObject
{
    Q_OBJECT

public:
    explicit RecordingReader(QObject *parent = nullptr);
    ~RecordingReader() override;

    // Starts reading; false while a read is still running.
    bool start(const QString &path);
    bool isReading() const { return m_thread != nullptr; }

    // What the last read gave: the recording (taken once) or why there is none.
    fclink::TelemetryRecording takeRecording();
    QString error() const { return m_error; }

signals:
    void finished(bool ok);

private:
    void threadFinished();

    QThread *m_thread = nullptr;
    std::atomic<bool> m_stop{false};
    // Written by the thread while it runs, read here once it has finished.
    bool m_ok = false;
    fclink::TelemetryRecording m_recording;
    QString m_error;
};

#endif // SKYDESK_RECORDINGREADER_H
