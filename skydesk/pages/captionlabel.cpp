#include "captionlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr qreal kBadgeDiameter = 14.0;
constexpr qreal kBadgeGap = 5.0;
constexpr int kSmallestPixelSize = 9;
// Room for the shadow below the lettering.
constexpr int kShadowRoom = 1;

bool isChinese(const QString &text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return text.contains(han);
}

void paintBadge(QPainter &painter, const QPointF &centre, int step)
{
    const qreal radius = kBadgeDiameter / 2.0;
    QRadialGradient fill(centre - QPointF(2, 2), 9);
    fill.setColorAt(0.0, QColor(0x7f, 0xe9, 0xe9));
    fill.setColorAt(1.0, QColor(0x00, 0xcc, 0xcc));
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);

    QFont figures = painter.font();
    figures.setPixelSize(10);
    figures.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(figures);
    painter.setPen(QColor(0x07, 0x0d, 0x18));
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, kBadgeDiameter, 14.5),
                     Qt::AlignCenter, QString::number(step));
}

} // namespace

CaptionLabel::CaptionLabel(const QString &text, QWidget *picture) : QWidget(picture), m_text(text)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CaptionLabel::setLettering(int pixelSize, qreal letterSpacing)
{
    m_pixelSize = isChinese(m_text) ? pixelSize + 2 : pixelSize;
    m_letterSpacing = letterSpacing;
}

QFont CaptionLabel::letteringFont(int pixelSize) const
{
    QFont lettering = font();
    lettering.setPixelSize(pixelSize);
    lettering.setBold(true);
    if (m_letterSpacing != 0)
        lettering.setLetterSpacing(QFont::AbsoluteSpacing, m_letterSpacing);
    return lettering;
}

qreal CaptionLabel::contentWidth(const QFont &lettering) const
{
    const qreal badge = m_step > 0 ? kBadgeDiameter + kBadgeGap : 0;
    return badge + QFontMetricsF(lettering).horizontalAdvance(m_text);
}

void CaptionLabel::place(const QPointF &anchor, Qt::Alignment alignment, qreal maxWidth,
                         const QRectF &bounds)
{
    while (m_pixelSize > kSmallestPixelSize && contentWidth(letteringFont(m_pixelSize)) > maxWidth)
        --m_pixelSize;
    const QFont lettering = letteringFont(m_pixelSize);
    const QFontMetricsF metrics(lettering);
    const qreal width = std::ceil(contentWidth(lettering));
    const qreal height =
        std::ceil(qMax(metrics.height(), m_step > 0 ? kBadgeDiameter + 1 : 0.0)) + kShadowRoom;

    qreal left = anchor.x() - width / 2.0;
    if (alignment & Qt::AlignLeft)
        left = anchor.x();
    else if (alignment & Qt::AlignRight)
        left = anchor.x() - width;
    left = qBound(bounds.left(), left, bounds.right() - width);
    setGeometry(qRound(left), qRound(anchor.y() - (height - kShadowRoom) / 2.0), int(width),
                int(height));
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont lettering = letteringFont(m_pixelSize);
    painter.setFont(lettering);
    const qreal middle = (height() - kShadowRoom) / 2.0;

    qreal x = 0;
    if (m_step > 0) {
        paintBadge(painter, QPointF(kBadgeDiameter / 2.0, middle), m_step);
        painter.setFont(lettering);
        x = kBadgeDiameter + kBadgeGap;
    }
    const QFontMetricsF metrics(lettering);
    const QPointF baseline(x, middle + (metrics.ascent() - metrics.descent()) / 2.0);
    if (m_shadow) {
        painter.setPen(QColor(0, 0, 0, 170));
        painter.drawText(baseline + QPointF(0, 1), m_text);
    }
    painter.setPen(m_colour);
    painter.drawText(baseline, m_text);
}
