#include "hidpipixmap.h"

#include <QGuiApplication>

QPixmap HiDpiPixmap::load(const QString &path, qreal ratio)
{
    if (ratio <= 0)
        ratio = qApp->devicePixelRatio();
    if (ratio > 1.0) {
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        const QString doubled = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        // Qt reads a "@2x" file as a picture for a pixel ratio of two.
        const QPixmap sharp(doubled);
        if (!sharp.isNull())
            return sharp;
    }
    return QPixmap(path);
}

QSize HiDpiPixmap::logicalSize(const QPixmap &pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}
