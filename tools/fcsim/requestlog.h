#ifndef FCSIM_REQUESTLOG_H
#define FCSIM_REQUESTLOG_H

#include <QFile>
#include <QString>

// Appends one line per request received, "<ms since start> cmd=<n> head=<n>", with " silent"
// added while the simulator is not replying. Each line is flushed at once so that a reader
// sees it while the simulator runs.
class RequestLog
{
public:
    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_file.isOpen(); }
    void record(qint64 ms, quint8 command, quint8 head, bool silent);

private:
    QFile m_file;
};

#endif // FCSIM_REQUESTLOG_H
