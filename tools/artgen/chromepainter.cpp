#include "chromepainter.h"

#include "artpalette.h"
#include "imageeffects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int windowWidth = 850;
constexpr int windowHeight = 600;
constexpr int pageWidth = 850;
constexpr int pageHeight = 438;

// A line across the whole width that fades out at both ends.
void paintFadingLine(QPainter &painter, qreal y, qreal thickness, const QColor &color, int width)
{
    QColor clear = color;
    clear.setAlpha(0);
    QLinearGradient gradient(0, 0, width, 0);
    gradient.setColorAt(0.0, clear);
    gradient.setColorAt(0.2, color);
    gradient.setColorAt(0.8, color);
    gradient.setColorAt(1.0, clear);
    painter.fillRect(QRectF(0, y, width, thickness), gradient);
}

// Closed, gently wobbling rings around a centre, like the contour lines of a chart.
QPainterPath contourRing(const QPointF &centre, qreal radius, qreal phase)
{
    QPainterPath path;
    const int steps = 180;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = 2.0 * M_PI * i / steps;
        const qreal wobble = 1.0 + 0.07 * qSin(3.0 * a + phase) + 0.04 * qSin(5.0 * a - 2 * phase) +
                             0.03 * qCos(2.0 * a + 0.5 * phase);
        const QPointF p(centre.x() + radius * 1.35 * wobble * qCos(a),
                        centre.y() + radius * wobble * qSin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

} // namespace

QImage ChromePainter::windowFrame()
{
    QImage image(windowWidth, windowHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const int titleBottom = titleBarHeight;
    const int barBottom = titleBottom + connectionBarHeight;
    const int statusTop = windowHeight - statusBarHeight;

    // Title bar.
    QLinearGradient title(0, 0, 0, titleBottom);
    title.setColorAt(0.0, QColor(0x22, 0x37, 0x55));
    title.setColorAt(1.0, QColor(0x16, 0x26, 0x3e));
    painter.fillRect(QRect(0, 0, windowWidth, titleBottom), title);
    painter.fillRect(QRect(0, 1, windowWidth, 1), QColor(255, 255, 255, 30));
    painter.fillRect(QRect(0, titleBottom - 1, windowWidth, 1), ArtPalette::navyDeep);

    // Connection bar: deep navy with a teal haze behind the page icons on the left.
    const QRect bar(0, titleBottom, windowWidth, connectionBarHeight);
    QLinearGradient barGradient(0, bar.top(), 0, bar.bottom());
    barGradient.setColorAt(0.0, QColor(0x14, 0x25, 0x3e));
    barGradient.setColorAt(1.0, QColor(0x0a, 0x14, 0x24));
    painter.fillRect(bar, barGradient);

    QRadialGradient haze(QPointF(150, bar.center().y() + 10), 300);
    haze.setColorAt(0.0, QColor(0, 204, 204, 34));
    haze.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.fillRect(bar, haze);

    // A faint heading-tape scale along the lower edge of the bar, fading out at both ends.
    for (int x = 5; x < windowWidth; x += 10) {
        const bool major = (x - 5) % 50 == 0;
        const qreal fade = qSin(M_PI * x / windowWidth);
        const int alpha = qRound((major ? 46 : 26) * fade);
        painter.fillRect(QRectF(x, barBottom - (major ? 9 : 6), 1, major ? 6 : 3),
                         QColor(0x8e, 0xc8, 0xe6, alpha));
    }

    painter.fillRect(QRect(0, titleBottom, windowWidth, 1), QColor(255, 255, 255, 16));
    painter.fillRect(QRect(0, barBottom - 2, windowWidth, 1), QColor(0, 0, 0, 120));
    paintFadingLine(painter, barBottom - 1, 1, QColor(0, 204, 204, 150), windowWidth);

    // Page area (covered by the page background at run time).
    painter.fillRect(QRect(0, barBottom, windowWidth, statusTop - barBottom), ArtPalette::ash);

    // Status bar.
    const QRect status(0, statusTop, windowWidth, statusBarHeight);
    QLinearGradient statusGradient(0, status.top(), 0, status.bottom());
    statusGradient.setColorAt(0.0, QColor(0x15, 0x26, 0x3f));
    statusGradient.setColorAt(1.0, QColor(0x0a, 0x13, 0x22));
    painter.fillRect(status, statusGradient);
    paintFadingLine(painter, statusTop, 1, QColor(0, 204, 204, 110), windowWidth);
    painter.fillRect(QRect(0, statusTop + 1, windowWidth, 1), QColor(255, 255, 255, 14));

    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ChromePainter::pageBackground()
{
    QImage image(pageWidth, pageHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect all(0, 0, pageWidth, pageHeight);

    QLinearGradient ground(0, 0, 0, pageHeight);
    ground.setColorAt(0.0, QColor(0xe8, 0xec, 0xf0));
    ground.setColorAt(1.0, QColor(0xd2, 0xd8, 0xdf));
    painter.fillRect(all, ground);

    QRadialGradient light(QPointF(pageWidth * 0.4, 40), 520);
    light.setColorAt(0.0, QColor(255, 255, 255, 70));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(all, light);

    // Chart contours in the lower right corner, barely there.
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(pageWidth - 70, pageHeight - 30);
    for (int i = 1; i <= 16; ++i) {
        const int alpha = qMax(4, 16 - i);
        painter.setPen(QPen(QColor(0x3a, 0x4d, 0x66, alpha), 1.0));
        painter.drawPath(contourRing(centre, 16.0 * i, 0.35 * i));
    }

    // The connection bar above casts a short shadow onto the page.
    QLinearGradient shadow(0, 0, 0, 7);
    shadow.setColorAt(0.0, QColor(0x0a, 0x13, 0x22, 80));
    shadow.setColorAt(1.0, QColor(0x0a, 0x13, 0x22, 0));
    painter.fillRect(QRect(0, 0, pageWidth, 7), shadow);

    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ChromePainter::selectionGlow()
{
    QImage image = ImageEffects::transparentCanvas(QSize(74, 66));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF box(1.5, 1.5, 71, 63);
    QPainterPath shape;
    shape.addRoundedRect(box, 9, 9);

    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0.0, QColor(0, 204, 204, 78));
    fill.setColorAt(0.6, QColor(0, 204, 204, 34));
    fill.setColorAt(1.0, QColor(0, 204, 204, 58));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape);

    QRadialGradient glow(QPointF(37, 70), 48);
    glow.setColorAt(0.0, QColor(0x5f, 0xff, 0xff, 80));
    glow.setColorAt(1.0, QColor(0x5f, 0xff, 0xff, 0));
    painter.setClipPath(shape);
    painter.fillRect(box, glow);
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x40, 0xe6, 0xe6, 190), 1.0));
    painter.drawPath(shape);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.drawLine(QPointF(10, 2.5), QPointF(64, 2.5));
    painter.end();
    return image;
}
