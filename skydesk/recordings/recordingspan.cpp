#include "recordingspan.h"

#include <algorithm>

namespace recordingspan {

Rows rowsBetween(const QVector<qint64> &timeMs, double startMs, double endMs)
{
    const auto first = std::lower_bound(timeMs.cbegin(), timeMs.cend(), startMs,
                                        [](qint64 time, double ms) { return time < ms; });
    const auto end = std::upper_bound(first, timeMs.cend(), endMs,
                                      [](double ms, qint64 time) { return ms < time; });
    return {int(first - timeMs.cbegin()), int(end - timeMs.cbegin())};
}

int nearestRow(const QVector<qint64> &timeMs, double ms)
{
    if (timeMs.isEmpty())
        return -1;
    const auto after = std::lower_bound(timeMs.cbegin(), timeMs.cend(), ms,
                                        [](qint64 time, double at) { return time < at; });
    if (after == timeMs.cbegin())
        return 0;
    if (after == timeMs.cend())
        return timeMs.size() - 1;
    const int row = int(after - timeMs.cbegin());
    return ms - timeMs.at(row - 1) <= timeMs.at(row) - ms ? row - 1 : row;
}

QVector<int> columnRows(const QVector<qint64> &timeMs, double startMs, double endMs, int columns)
{
    columns = std::max(columns, 1);
    QVector<int> bounds(columns + 1);
    const double perColumn = (endMs - startMs) / columns;
    auto from = timeMs.cbegin();
    for (int column = 0; column < columns; ++column) {
        // Each column begins at or after the one before: search only from there.
        from = std::lower_bound(from, timeMs.cend(), startMs + column * perColumn,
                                [](qint64 time, double ms) { return time < ms; });
        bounds[column] = int(from - timeMs.cbegin());
    }
    bounds[columns] = rowsBetween(timeMs, startMs, endMs).end;
    return bounds;
}

} // namespace recordingspan
