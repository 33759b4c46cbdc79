#ifndef ARTGEN_FONTKIT_H
#define ARTGEN_FONTKIT_H

#include <QFont>
#include <QString>
#include <QStringList>

// The typeface of the pictures' lettering: a clean sans serif that every Debian desktop has
// (DejaVu Sans), falling back to whatever sans serif the system offers. Chinese lettering needs a
// family with CJK glyphs of its own: chineseFamily() finds one, and missingCharacters() tells
// whether a font can draw a text without falling back to empty boxes.
class FontKit
{
public:
    // pixelSize in pixels; weight as QFont::Weight; letterSpacing in pixels added per letter.
    static QFont font(int pixelSize, int weight = QFont::Normal, qreal letterSpacing = 0.0);
    static QFont condensed(int pixelSize, int weight = QFont::Normal, qreal letterSpacing = 0.0);
    static QFont withFamily(const QString &family, int pixelSize, int weight = QFont::Normal,
                            qreal letterSpacing = 0.0);

    // The first family whose own glyphs cover every character of text: WenQuanYi Micro Hei
    // (Debian's fonts-wqy-microhei), then other common CJK families, then every family the font
    // database lists for Simplified Chinese. Empty when no installed family covers the text.
    static QString chineseFamily(const QString &text);
    // The families chineseFamily() tries, in order.
    static QStringList chineseCandidates();

    // The characters of text (each once, blanks left out) that the font's own glyphs lack; the
    // system's fallback fonts do not count. Empty when the font draws the whole text.
    static QString missingCharacters(const QFont &font, const QString &text);
};

#endif // ARTGEN_FONTKIT_H
