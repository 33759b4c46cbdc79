#include "fontkit.h"

namespace {

QFont makeFont(const QString &family, int pixelSize, int weight, qreal letterSpacing)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0.0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

} // namespace

QFont FontKit::font(int pixelSize, int weight, qreal letterSpacing)
{
    return makeFont(QStringLiteral("DejaVu Sans"), pixelSize, weight, letterSpacing);
}

QFont FontKit::condensed(int pixelSize, int weight, qreal letterSpacing)
{
    return makeFont(QStringLiteral("DejaVu Sans Condensed"), pixelSize, weight, letterSpacing);
}
