#include "channelsummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

ChannelSummary::ChannelSummary(const QVector<float> &values, double period)
    : m_values(values), m_period(period)
{
    const int whole = m_values.size() / kBlockRows;
    m_blocks.reserve(whole);
    for (int block = 0; block < whole; ++block) {
        Sums sums;
        for (int row = block * kBlockRows; row < (block + 1) * kBlockRows; ++row)
            addRow(&sums, row);
        m_blocks.append({sums.extremes.lowRow, sums.extremes.highRow, sums.sum, sums.cosine});
    }
}

void ChannelSummary::addRow(Sums *sums, int row) const
{
    const float value = m_values.at(row);
    if (m_period > 0.0) {
        const double angle = value * (2.0 * M_PI / m_period);
        sums->sum += std::sin(angle);
        sums->cosine += std::cos(angle);
    } else {
        sums->sum += value;
    }
    ++sums->count;
    Extremes &extremes = sums->extremes;
    if (extremes.lowRow < 0 || value < m_values.at(extremes.lowRow))
        extremes.lowRow = row;
    if (extremes.highRow < 0 || value > m_values.at(extremes.highRow))
        extremes.highRow = row;
}

void ChannelSummary::addBlock(Sums *sums, const Block &block) const
{
    sums->sum += block.sum;
    sums->cosine += block.cosine;
    sums->count += kBlockRows;
    Extremes &extremes = sums->extremes;
    if (extremes.lowRow < 0 || m_values.at(block.lowRow) < m_values.at(extremes.lowRow))
        extremes.lowRow = block.lowRow;
    if (extremes.highRow < 0 || m_values.at(block.highRow) > m_values.at(extremes.highRow))
        extremes.highRow = block.highRow;
}

template <typename Row, typename Whole>
void ChannelSummary::visit(int from, int to, Row row, Whole block) const
{
    from = std::max(from, 0);
    to = std::min(to, int(m_values.size()));
    int at = from;
    const int firstWhole = (from + kBlockRows - 1) / kBlockRows * kBlockRows;
    for (; at < std::min(to, firstWhole); ++at)
        row(at);
    for (; at + kBlockRows <= to && at / kBlockRows < m_blocks.size(); at += kBlockRows)
        block(m_blocks.at(at / kBlockRows));
    for (; at < to; ++at)
        row(at);
}

ChannelSummary::Sums ChannelSummary::sumsOf(int from, int to) const
{
    Sums sums;
    visit(
        from, to, [&](int row) { addRow(&sums, row); },
        [&](const Block &block) { addBlock(&sums, block); });
    return sums;
}

ChannelSummary::Extremes ChannelSummary::extremes(int from, int to) const
{
    Extremes found;
    const float *values = m_values.constData();
    const auto consider = [&](int low, int high) {
        if (found.lowRow < 0 || values[low] < values[found.lowRow])
            found.lowRow = low;
        if (found.highRow < 0 || values[high] > values[found.highRow])
            found.highRow = high;
    };
    visit(
        from, to, [&](int row) { consider(row, row); },
        [&](const Block &block) { consider(block.lowRow, block.highRow); });
    return found;
}

QVector<QPointF> ChannelSummary::line(const QVector<qint64> &timeMs,
                                      const QVector<int> &columnRows) const
{
    QVector<QPointF> points;
    if (columnRows.size() < 2)
        return points;
    const auto point = [&](int row) { return QPointF(timeMs.at(row) / 1000.0, m_values.at(row)); };
    const int columns = columnRows.size() - 1;
    const int first = columnRows.first();
    const int end = columnRows.last();
    points.reserve(std::min(end - first, 2 * columns) + 2);
    if (first > 0)
        points.append(point(first - 1));
    if (end - first <= 2 * columns) {
        for (int row = first; row < end; ++row)
            points.append(point(row));
    } else {
        for (int column = 0; column < columns; ++column) {
            const Extremes found = extremes(columnRows.at(column), columnRows.at(column + 1));
            if (found.lowRow < 0)
                continue;
            points.append(point(std::min(found.lowRow, found.highRow)));
            if (found.lowRow != found.highRow)
                points.append(point(std::max(found.lowRow, found.highRow)));
        }
    }
    if (end < timeMs.size())
        points.append(point(end));
    return points;
}

double ChannelSummary::meanOf(const Sums &sums, double lowest) const
{
    if (m_period <= 0.0)
        return sums.sum / sums.count;
    // Directions spread evenly round the circle have no mean.
    if (std::hypot(sums.sum, sums.cosine) < 1e-9 * sums.count)
        return std::numeric_limits<double>::quiet_NaN();
    double mean = std::atan2(sums.sum, sums.cosine) * (m_period / (2.0 * M_PI));
    if (lowest >= 0.0 && mean < 0.0) // values given as 0..period rather than centred on 0
        mean += m_period;
    return mean;
}

recordingspan::Statistics ChannelSummary::statistics(recordingspan::Rows rows) const
{
    recordingspan::Statistics figures;
    const Sums sums = sumsOf(rows.first, rows.end);
    if (sums.count == 0) {
        figures.minimum = figures.maximum = figures.mean = std::numeric_limits<double>::quiet_NaN();
        return figures;
    }
    figures.count = sums.count;
    figures.minimum = m_values.at(sums.extremes.lowRow);
    figures.maximum = m_values.at(sums.extremes.highRow);
    figures.mean = meanOf(sums, figures.minimum);
    return figures;
}
