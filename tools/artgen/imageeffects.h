#ifndef ARTGEN_IMAGEEFFECTS_H
#define ARTGEN_IMAGEEFFECTS_H

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;
class QPainterPath;

// Small raster helpers the painters share: a blur for soft shadows and glows, and a fresh
// transparent canvas.
class ImageEffects
{
public:
    // A premultiplied ARGB image of the given size, fully transparent.
    static QImage transparentCanvas(const QSize &size);

    // Box blur, three passes (close to a Gaussian), in place on a premultiplied ARGB image.
    static void blur(QImage &image, int radius);

    // Paints the path filled with color, blurred by radius and moved by offset, under whatever
    // the painter draws next: a drop shadow or, with a zero offset, a glow.
    static void paintShadow(QPainter &painter, const QPainterPath &path, const QColor &color,
                            const QPointF &offset, int radius);
};

#endif // ARTGEN_IMAGEEFFECTS_H
