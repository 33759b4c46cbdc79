#include "imageeffects.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace {

// One horizontal box-blur pass over every row: each channel becomes the mean of the
// 2 * radius + 1 pixels around it (edges repeat the border pixel).
void blurRows(QImage &image, int radius)
{
    const int width = image.width();
    const int window = 2 * radius + 1;
    std::vector<QRgb> row(static_cast<size_t>(width));
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::copy(line, line + width, row.begin());
        int sum[4] = {0, 0, 0, 0};
        auto at = [&](int x) { return row[static_cast<size_t>(std::clamp(x, 0, width - 1))]; };
        for (int x = -radius; x <= radius; ++x) {
            const QRgb p = at(x);
            sum[0] += qAlpha(p);
            sum[1] += qRed(p);
            sum[2] += qGreen(p);
            sum[3] += qBlue(p);
        }
        for (int x = 0; x < width; ++x) {
            line[x] = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
            const QRgb out = at(x - radius);
            const QRgb in = at(x + radius + 1);
            sum[0] += qAlpha(in) - qAlpha(out);
            sum[1] += qRed(in) - qRed(out);
            sum[2] += qGreen(in) - qGreen(out);
            sum[3] += qBlue(in) - qBlue(out);
        }
    }
}

QImage transposed(const QImage &image)
{
    QImage result(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            reinterpret_cast<QRgb *>(result.scanLine(x))[y] = line[x];
    }
    return result;
}

} // namespace

QImage ImageEffects::transparentCanvas(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void ImageEffects::blur(QImage &image, int radius)
{
    if (radius < 1 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass)
        blurRows(image, radius);
    image = transposed(image);
    for (int pass = 0; pass < 3; ++pass)
        blurRows(image, radius);
    image = transposed(image);
}

void ImageEffects::paintShadow(QPainter &painter, const QPainterPath &path, const QColor &color,
                               const QPointF &offset, int radius)
{
    // Work in device pixels so that a transformed painter still gets a sharp-edged layer.
    const QTransform transform = painter.transform();
    const QRect bounds = transform.map(path).boundingRect().toAlignedRect();
    const int margin = 3 * radius + 2;
    const QRect layerRect = bounds.adjusted(-margin, -margin, margin, margin);

    QImage layer = transparentCanvas(layerRect.size());
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-layerRect.topLeft());
        p.setTransform(transform, true);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPath(path);
    }
    blur(layer, radius);

    painter.save();
    painter.resetTransform();
    painter.drawImage(layerRect.topLeft() + offset, layer);
    painter.restore();
}
