#include "windowfit.h"

#include <QPainter>

namespace WindowFit {

QSize fittedSize(const QSize &designed, const QSize &minimum, const QRect &available)
{
    if (!available.isValid())
        return designed.expandedTo(minimum);
    return designed.boundedTo(available.size()).expandedTo(minimum);
}

QPoint placedInside(const QRect &frame, const QRect &available)
{
    if (!available.isValid())
        return frame.topLeft();
    const int x = qMax(available.left(), qMin(frame.left(), available.right() - frame.width() + 1));
    const int y = qMax(available.top(), qMin(frame.top(), available.bottom() - frame.height() + 1));
    return QPoint(x, y);
}

QPixmap stretchedBands(const QPixmap &picture, const QSize &size, int topBand, int bottomBand)
{
    const qreal ratio = picture.devicePixelRatio();
    const QSize pictureSize = (QSizeF(picture.size()) / ratio).toSize();
    if (picture.isNull() || size == pictureSize)
        return picture;
    QPixmap result(size * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int middleSource = pictureSize.height() - topBand - bottomBand;
    const int middleTarget = qMax(0, size.height() - topBand - bottomBand);
    const int width = size.width();
    // Source rectangles count the picture's own pixels.
    auto source = [ratio](int y, int w, int h) {
        return QRectF(0, y * ratio, w * ratio, h * ratio);
    };
    painter.drawPixmap(QRectF(0, 0, width, topBand), picture,
                       source(0, pictureSize.width(), topBand));
    painter.drawPixmap(QRectF(0, topBand, width, middleTarget), picture,
                       source(topBand, pictureSize.width(), middleSource));
    painter.drawPixmap(QRectF(0, topBand + middleTarget, width, bottomBand), picture,
                       source(pictureSize.height() - bottomBand, pictureSize.width(), bottomBand));
    return result;
}

} // namespace WindowFit
