#include "icowriter.h"

#include <QDataStream>

namespace {

constexpr int directoryEntrySize = 16;
constexpr int headerSize = 6;
constexpr int bitmapInfoSize = 40;

// Bytes of one row of the 1-bit AND mask, padded to 32 bits.
int maskStride(int width)
{
    return ((width + 31) / 32) * 4;
}

QByteArray bitmapData(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);

    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows together.
    out << quint32(bitmapInfoSize) << qint32(width) << qint32(2 * height) << quint16(1)
        << quint16(32) << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);

    // Colour rows, bottom-up, BGRA with straight alpha.
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
        }
    }

    // AND mask, bottom-up: a set bit marks a fully transparent pixel.
    const int stride = maskStride(width);
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
    return data;
}

} // namespace

QByteArray IcoWriter::encode(const QVector<QImage> &images)
{
    if (images.isEmpty())
        return {};
    QVector<QByteArray> bitmaps;
    for (const QImage &image : images) {
        if (image.width() < 1 || image.width() > 256 || image.height() < 1 || image.height() > 256)
            return {};
        bitmaps.append(bitmapData(image));
    }

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());

    quint32 offset = headerSize + directoryEntrySize * images.size();
    for (int i = 0; i < images.size(); ++i) {
        // A stored 0 means 256.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(bitmaps[i].size()) << offset;
        offset += bitmaps[i].size();
    }
    for (const QByteArray &bitmap : bitmaps)
        out.writeRawData(bitmap.constData(), bitmap.size());
    return file;
}
