#ifndef ARTGEN_FONTKIT_H
#define ARTGEN_FONTKIT_H

#include <QFont>
#include <QString>

// The typeface of the pictures' lettering: a clean sans serif that every Debian desktop has
// (DejaVu Sans), falling back to whatever sans serif the system offers.
class FontKit
{
public:
    // pixelSize in pixels; weight as QFont::Weight; letterSpacing in pixels added per letter.
    static QFont font(int pixelSize, int weight = QFont::Normal, qreal letterSpacing = 0.0);
    static QFont condensed(int pixelSize, int weight = QFont::Normal, qreal letterSpacing = 0.0);
};

#endif // ARTGEN_FONTKIT_H
