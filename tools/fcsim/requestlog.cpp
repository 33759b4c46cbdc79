#include "requestlog.h"

bool RequestLog::open(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *error = QStringLiteral("cannot open log file %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void RequestLog::record(qint64 ms, quint8 command, quint8 head, bool silent)
{
    if (!m_file.isOpen())
        return;
    QByteArray line = QByteArray::number(ms) + " cmd=" + QByteArray::number(command) +
                      " head=" + QByteArray::number(head);
    if (silent)
        line += " silent";
    line += '\n';
    m_file.write(line);
    m_file.flush();
}
