#include "recordingreader.h"

#include <QFileInfo>
#include <QThread>

#include <new>

#include <utility>

RecordingReader::RecordingReader(QObject *parent) : QObject(parent) {}

RecordingReader::~RecordingReader()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
    delete m_thread;
}

bool RecordingReader::start(const QString &path)
{
    if (m_thread)
        return false;
    m_stop = false;
    m_ok = false;
    m_recording = {};
    m_error.clear();
    m_thread = QThread::create([this, path] {
        try {
            m_ok = fclink::readTelemetryRecording(path, &m_recording, &m_error, &m_stop);
        } catch (const std::bad_alloc &) {
            // A large file on a machine short of memory: said, not a crash.
            m_recording = {};
            m_error = tr("%1 cannot be read: there is not enough memory for it")
                          .arg(QFileInfo(path).fileName());
        }
    });
    connect(m_thread, &QThread::finished, this, &RecordingReader::threadFinished);
    m_thread->start();
    return true;
}

void RecordingReader::threadFinished()
{
    m_thread->wait(); // finished() comes just before the thread has quite ended
    delete m_thread;
    m_thread = nullptr;
    emit finished(m_ok);
}

fclink::TelemetryRecording RecordingReader::takeRecording()
{
    return std::exchange(m_recording, {});
}
