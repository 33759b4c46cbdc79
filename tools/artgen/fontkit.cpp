#include "fontkit.h"

#include <QFontDatabase>
#include <QRawFont>

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

QFont FontKit::withFamily(const QString &family, int pixelSize, int weight, qreal letterSpacing)
{
    return makeFont(family, pixelSize, weight, letterSpacing);
}

QStringList FontKit::chineseCandidates()
{
    QStringList families = {
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
        QStringLiteral("Droid Sans Fallback"),
    };
    const QStringList listed = QFontDatabase().families(QFontDatabase::SimplifiedChinese);
    for (const QString &family : listed) {
        if (!families.contains(family))
            families << family;
    }
    return families;
}

QString FontKit::chineseFamily(const QString &text)
{
    for (const QString &family : chineseCandidates()) {
        if (missingCharacters(makeFont(family, 12, QFont::Normal, 0.0), text).isEmpty())
            return family;
    }
    return QString();
}

QString FontKit::missingCharacters(const QFont &font, const QString &text)
{
    // A raw font is the one font file the family resolves to, without the fallback chain that
    // QPainter would otherwise use; an absent family resolves to some other, Latin-only face.
    const QRawFont raw = QRawFont::fromFont(font);
    QVector<uint> missing;
    for (uint ucs4 : text.toUcs4()) {
        if (QChar::isSpace(ucs4) || missing.contains(ucs4))
            continue;
        if (!raw.isValid() || !raw.supportsCharacter(ucs4))
            missing << ucs4;
    }
    return QString::fromUcs4(missing.constData(), missing.size());
}
