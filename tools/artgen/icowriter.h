#ifndef ARTGEN_ICOWRITER_H
#define ARTGEN_ICOWRITER_H

#include <QByteArray>
#include <QImage>
#include <QVector>

// Encodes several square images as one Windows icon file (.ico): a directory followed by one
// 32-bit BGRA bitmap with its AND mask per image. Qt's own "ico" writer stores a single image;
// an icon with several sizes lets QIcon pick the one drawn for each size without scaling.
class IcoWriter
{
public:
    // Sizes from 1 to 256 pixels; returns an empty array when an image does not fit.
    static QByteArray encode(const QVector<QImage> &images);
};

#endif // ARTGEN_ICOWRITER_H
