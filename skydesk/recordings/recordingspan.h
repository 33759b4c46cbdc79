#ifndef SKYDESK_RECORDINGSPAN_H
#define SKYDESK_RECORDINGSPAN_H

#include <QVector>

// Which rows of a recording (its time column in whole milliseconds, never going back) lie
// between two times, which is nearest to a time, and where each pixel column of a plot begins
// among them; and the figures of a span (ChannelSummary works them out).
namespace recordingspan {

struct Rows
{
    int first = 0;
    int end = 0; // one past the last
    int count() const { return end - first; }
};

// The rows whose time lies from startMs to endMs, both included.
Rows rowsBetween(const QVector<qint64> &timeMs, double startMs, double endMs);
// The row whose time is nearest to ms (the earlier of two as near); -1 without rows.
int nearestRow(const QVector<qint64> &timeMs, double ms);

// Where each of columns pixel columns showing startMs..endMs begins among the rows, and where the
// last one ends: columns + 1 row indices. Worked out once and used for every channel.
QVector<int> columnRows(const QVector<qint64> &timeMs, double startMs, double endMs, int columns);

struct Statistics
{
    int count = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    // Of values that come round again (period > 0: a heading), the direction they average to,
    // in the range the values use; NaN when they cancel out or there are no rows.
    double mean = 0.0;
};

} // namespace recordingspan

#endif // SKYDESK_RECORDINGSPAN_H
