#include "panelkit.h"

#include "artpalette.h"
#include "fontkit.h"
#include "imageeffects.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

void PanelKit::paintPanel(QPainter &painter, const QRectF &rect, qreal radius)
{
    QPainterPath plate;
    plate.addRoundedRect(rect, radius, radius);
    ImageEffects::paintShadow(painter, plate, QColor(0x0a, 0x13, 0x22, 110), QPointF(0, 1.2), 1);

    QLinearGradient fill(0, rect.top(), 0, rect.bottom());
    fill.setColorAt(0.0, ArtPalette::navyLight);
    fill.setColorAt(0.45, ArtPalette::navy);
    fill.setColorAt(1.0, ArtPalette::navyDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(plate);

    // A faint teal haze in the upper left, as on the connection bar.
    painter.save();
    painter.setClipPath(plate);
    QRadialGradient haze(rect.topLeft() + QPointF(rect.width() * 0.3, 0), rect.width() * 0.7);
    haze.setColorAt(0.0, QColor(0, 204, 204, 26));
    haze.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.fillRect(rect, haze);
    painter.restore();

    // Lit upper edge inside, dark outline outside.
    const QRectF inner = rect.adjusted(1.0, 1.0, -1.0, -1.0);
    QLinearGradient rim(0, inner.top(), 0, inner.bottom());
    rim.setColorAt(0.0, QColor(255, 255, 255, 46));
    rim.setColorAt(0.25, QColor(255, 255, 255, 8));
    rim.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.drawRoundedRect(inner, radius - 1.0, radius - 1.0);
    painter.setPen(QPen(QColor(0x05, 0x0b, 0x15, 220), 1.0));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
}

void PanelKit::paintBadge(QPainter &painter, const QPointF &centre, const QString &figure)
{
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    QRadialGradient fill(centre - QPointF(2, 2), 9);
    fill.setColorAt(0.0, ArtPalette::tealLight);
    fill.setColorAt(1.0, ArtPalette::teal);
    painter.setBrush(fill);
    painter.drawEllipse(centre, 7.0, 7.0);
    painter.setPen(ArtPalette::navyDeep);
    painter.setFont(FontKit::font(10, QFont::Bold));
    painter.drawText(QRectF(centre.x() - 7, centre.y() - 7, 14, 14.5), Qt::AlignCenter, figure);
    painter.restore();
}

QFont PanelKit::fitted(QFont font, const QString &text, qreal width, int minPixelSize)
{
    while (font.pixelSize() > minPixelSize && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
