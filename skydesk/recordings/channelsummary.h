#ifndef SKYDESK_CHANNELSUMMARY_H
#define SKYDESK_CHANNELSUMMARY_H

#include "recordingspan.h"

#include <QPointF>
#include <QVector>

// One column of a recording summed up in blocks of kBlockRows rows: each block's lowest and
// highest value with their rows and the sum of its values (for values that come round again, of
// their directions), so that a span's figures and a plot's lowest and highest value per pixel
// column take a few blocks and the rows at either end instead of every row. It shares the
// column's values, which it needs for those ends.
class ChannelSummary
{
public:
    static constexpr int kBlockRows = 32;

    struct Extremes
    {
        int lowRow = -1; // the first row with the lowest value
        int highRow = -1;
    };

    ChannelSummary() = default;
    // period > 0: values that come round again after it (a heading), averaged as directions.
    ChannelSummary(const QVector<float> &values, double period);

    const QVector<float> &values() const { return m_values; }
    recordingspan::Statistics statistics(recordingspan::Rows rows) const;
    // Rows from..to-1; both -1 when there are none.
    Extremes extremes(int from, int to) const;

    // The line across the pixel columns recordingspan::columnRows() gives, as points (x: time in
    // seconds, y: value): every row while there are no more than two rows per column; otherwise,
    // for each column, its lowest and highest value in the order they came, so that nothing is
    // drawn per row and no peak is lost. With the rows just outside either end, so that the line
    // reaches the edges.
    QVector<QPointF> line(const QVector<qint64> &timeMs, const QVector<int> &columnRows) const;

private:
    struct Block
    {
        int lowRow;
        int highRow;
        double sum;    // of the values, or with a period of their sines
        double cosine; // with a period: the sum of their cosines
    };

    struct Sums
    {
        double sum = 0.0;
        double cosine = 0.0;
        int count = 0;
        Extremes extremes;
    };

    // Calls row(r) for the rows from..to-1 outside whole blocks and block(b) for the blocks
    // inside, in order.
    template <typename Row, typename Whole>
    void visit(int from, int to, Row row, Whole block) const;
    void addRow(Sums *sums, int row) const;
    void addBlock(Sums *sums, const Block &block) const;
    Sums sumsOf(int from, int to) const;
    double meanOf(const Sums &sums, double lowest) const;

    QVector<float> m_values;
    double m_period = 0.0;
    QVector<Block> m_blocks;
};

#endif // SKYDESK_CHANNELSUMMARY_H
