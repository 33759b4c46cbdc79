#include "repeatedmessage.h"

namespace fclink {

QString RepeatedMessage::summary(const QString &message, int repeats)
{
    return QStringLiteral("%1 (repeated %2 more times)").arg(message).arg(repeats);
}

QStringList RepeatedMessage::take(const QString &message, qint64 nowMs)
{
    if (!m_message.isNull() && message == m_message) {
        ++m_repeats;
        if (nowMs - m_summaryAtMs < kSummaryIntervalMs)
            return {};
        const QString line = summary(m_message, m_repeats);
        m_repeats = 0;
        m_summaryAtMs = nowMs;
        return {line};
    }
    QStringList lines = finish();
    m_message = message;
    m_summaryAtMs = nowMs;
    lines << message;
    return lines;
}

QStringList RepeatedMessage::finish()
{
    QStringList lines;
    if (m_repeats > 0)
        lines << summary(m_message, m_repeats);
    m_message = QString();
    m_repeats = 0;
    return lines;
}

} // namespace fclink
