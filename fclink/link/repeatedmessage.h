#ifndef FCLINK_REPEATEDMESSAGE_H
#define FCLINK_REPEATEDMESSAGE_H

#include "fclink/fclink_global.h"

#include <QString>
#include <QStringList>

namespace fclink {

// Folds a run of identical log messages into two lines: the first is logged at once, the
// repeats are counted and logged as one line with their count when the run ends (another
// message, the end of the run, or a second without a summary while the run goes on). A device
// that fails thousands of times a millisecond then leaves a readable log.
class FCLINK_EXPORT RepeatedMessage
{
public:
    static constexpr qint64 kSummaryIntervalMs = 1000;

    // The lines to log now for message, seen at nowMs (any steady clock in milliseconds).
    QStringList take(const QString &message, qint64 nowMs);
    // The run ends: its summary, if it had repeats not yet told.
    QStringList finish();

    static QString summary(const QString &message, int repeats);

private:
    QString m_message;
    int m_repeats = 0;
    qint64 m_summaryAtMs = 0;
};

} // namespace fclink

#endif // FCLINK_REPEATEDMESSAGE_H
