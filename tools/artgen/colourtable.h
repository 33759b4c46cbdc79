#ifndef ARTGEN_COLOURTABLE_H
#define ARTGEN_COLOURTABLE_H

#include <QHash>
#include <QRgb>
#include <QVector>

// A palette of at most maxColours opaque colours for a set of pixels, given as a histogram
// (colour -> number of pixels). When the pixels hold no more colours than that, the palette is
// exactly those colours; otherwise median cut picks them: the box of colours with the widest
// spread is split at the median of its widest channel until there are enough boxes, and each
// box gives its pixel-weighted mean.
class ColourTable
{
public:
    ColourTable(const QHash<QRgb, int> &histogram, int maxColours);

    const QVector<QRgb> &colours() const { return m_colours; }

    // The position in colours() of the entry nearest to colour (alpha is ignored).
    int indexOf(QRgb colour) const;

private:
    QVector<QRgb> m_colours;
    mutable QHash<QRgb, int> m_nearest;
};

#endif // ARTGEN_COLOURTABLE_H
