#include "gifwriter.h"

#include "colourtable.h"
#include "lzwencoder.h"

#include <algorithm>

namespace {

constexpr int transparentIndex = 0;
constexpr int opaqueAlpha = 64;

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// A frame as straight ARGB with alpha either 0 (transparent) or 255 (laid on matte).
QImage flattened(const QImage &frame, const QColor &matte)
{
    QImage image = frame.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = matte.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a < opaqueAlpha) {
                line[x] = 0;
                continue;
            }
            auto mix = [a](int over, int under) {
                return (over * a + under * (255 - a) + 127) / 255;
            };
            line[x] = qRgb(mix(qRed(line[x]), qRed(ground)), mix(qGreen(line[x]), qGreen(ground)),
                           mix(qBlue(line[x]), qBlue(ground)));
        }
    }
    return image;
}

QHash<QRgb, int> histogram(const QVector<QImage> &frames)
{
    QHash<QRgb, int> counts;
    for (const QImage &frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                if (qAlpha(line[x]) != 0)
                    ++counts[line[x]];
            }
        }
    }
    return counts;
}

// Bits per entry of the stored colour table: the table holds 2^bits entries, bits from 1 to 8.
int tableBits(int entries)
{
    int bits = 1;
    while ((1 << bits) < entries)
        ++bits;
    return bits;
}

QByteArray indexedPixels(const QImage &frame, const ColourTable &table)
{
    QByteArray pixels;
    pixels.reserve(frame.width() * frame.height());
    for (int y = 0; y < frame.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            const bool clear = qAlpha(line[x]) == 0;
            pixels.append(char(clear ? transparentIndex : table.indexOf(line[x]) + 1));
        }
    }
    return pixels;
}

void appendHeader(QByteArray &out, const QSize &size, const QVector<QRgb> &palette)
{
    const int bits = tableBits(palette.size());
    out.append("GIF89a", 6);
    appendWord(out, size.width());
    appendWord(out, size.height());
    // Global colour table present, 8 bits per primary, unsorted, 2^bits entries.
    out.append(char(0x80 | (7 << 4) | (bits - 1)));
    out.append(char(transparentIndex)); // background colour
    out.append('\0');                   // no pixel aspect ratio
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : 0;
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
}

// The application extension that makes viewers loop the animation; 0 repetitions = forever.
void appendLoopForever(QByteArray &out)
{
    out.append("\x21\xff\x0b", 3);
    out.append("NETSCAPE2.0", 11);
    out.append("\x03\x01", 2);
    appendWord(out, 0);
    out.append('\0');
}

void appendFrame(QByteArray &out, const QByteArray &pixels, const QSize &size, int delay,
                 int minCodeSize)
{
    // Graphic control: restore to the background after the frame, transparent index set.
    out.append("\x21\xf9\x04", 3);
    out.append(char((2 << 2) | 0x01));
    appendWord(out, delay);
    out.append(char(transparentIndex));
    out.append('\0');

    // Image descriptor: the whole screen, no local colour table, not interlaced.
    out.append('\x2c');
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, size.width());
    appendWord(out, size.height());
    out.append('\0');
    out.append(LzwEncoder::encode(pixels, minCodeSize));
}

} // namespace

QByteArray GifWriter::encode(const QVector<QImage> &frames, int delayMs, const QColor &matte)
{
    if (frames.isEmpty())
        return {};
    const QSize size = frames.first().size();
    if (size.isEmpty() || size.width() > 0xffff || size.height() > 0xffff)
        return {};
    QVector<QImage> flat;
    for (const QImage &frame : frames) {
        if (frame.size() != size)
            return {};
        flat.append(flattened(frame, matte));
    }

    const ColourTable table(histogram(flat), 255);
    QVector<QRgb> palette{matte.rgb()};
    palette += table.colours();
    const int minCodeSize = std::max(2, tableBits(palette.size()));
    const int delay = std::max(2, (delayMs + 5) / 10);

    QByteArray out;
    appendHeader(out, size, palette);
    appendLoopForever(out);
    for (const QImage &frame : flat)
        appendFrame(out, indexedPixels(frame, table), size, delay, minCodeSize);
    out.append('\x3b');
    return out;
}
