#include "colourtable.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

struct Entry
{
    QRgb colour;
    int count;
};
using Box = QVector<Entry>;

int channel(QRgb colour, int which)
{
    switch (which) {
    case 0:
        return qRed(colour);
    case 1:
        return qGreen(colour);
    default:
        return qBlue(colour);
    }
}

// The channel with the widest range in box, and that range.
std::pair<int, int> widestChannel(const Box &box)
{
    int best = 0;
    int bestRange = -1;
    for (int which = 0; which < 3; ++which) {
        const auto [low, high] =
            std::minmax_element(box.cbegin(), box.cend(), [which](const Entry &a, const Entry &b) {
                return channel(a.colour, which) < channel(b.colour, which);
            });
        const int range = channel(high->colour, which) - channel(low->colour, which);
        if (range > bestRange) {
            best = which;
            bestRange = range;
        }
    }
    return {best, bestRange};
}

// Sorts box along its widest channel and cuts it where half of its pixels lie on either side.
std::pair<Box, Box> splitAtMedian(Box box)
{
    const int which = widestChannel(box).first;
    std::sort(box.begin(), box.end(), [which](const Entry &a, const Entry &b) {
        return channel(a.colour, which) < channel(b.colour, which);
    });
    qint64 total = 0;
    for (const Entry &entry : box)
        total += entry.count;
    qint64 running = 0;
    int cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        running += box[cut - 1].count;
        if (2 * running >= total)
            break;
    }
    return {box.mid(0, cut), box.mid(cut)};
}

QRgb meanColour(const Box &box)
{
    qint64 sums[3] = {0, 0, 0};
    qint64 total = 0;
    for (const Entry &entry : box) {
        for (int which = 0; which < 3; ++which)
            sums[which] += qint64(channel(entry.colour, which)) * entry.count;
        total += entry.count;
    }
    total = std::max<qint64>(total, 1);
    return qRgb(int((sums[0] + total / 2) / total), int((sums[1] + total / 2) / total),
                int((sums[2] + total / 2) / total));
}

QVector<Box> medianCut(const QHash<QRgb, int> &histogram, int maxColours)
{
    Box all;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        all.append({qRgb(qRed(it.key()), qGreen(it.key()), qBlue(it.key())), it.value()});
    QVector<Box> boxes{all};
    while (boxes.size() < maxColours) {
        // Split the box whose colours spread widest; stop when none holds two colours.
        int widest = -1;
        int widestRange = 0;
        for (int i = 0; i < boxes.size(); ++i) {
            const int range = boxes[i].size() > 1 ? widestChannel(boxes[i]).second : 0;
            if (range > widestRange) {
                widest = i;
                widestRange = range;
            }
        }
        if (widest < 0)
            break;
        auto halves = splitAtMedian(boxes.takeAt(widest));
        boxes.append(std::move(halves.first));
        boxes.append(std::move(halves.second));
    }
    return boxes;
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    // Weighted for the eye's greater sensitivity to green and lesser to blue.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

ColourTable::ColourTable(const QHash<QRgb, int> &histogram, int maxColours)
{
    if (histogram.size() <= maxColours) {
        for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
            m_colours.append(qRgb(qRed(it.key()), qGreen(it.key()), qBlue(it.key())));
        std::sort(m_colours.begin(), m_colours.end());
        m_colours.erase(std::unique(m_colours.begin(), m_colours.end()), m_colours.end());
        return;
    }
    for (const Box &box : medianCut(histogram, maxColours))
        m_colours.append(meanColour(box));
}

int ColourTable::indexOf(QRgb colour) const
{
    const QRgb opaque = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    const auto known = m_nearest.constFind(opaque);
    if (known != m_nearest.cend())
        return known.value();
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < m_colours.size(); ++i) {
        const int d = distance(opaque, m_colours[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    m_nearest.insert(opaque, best);
    return best;
}
