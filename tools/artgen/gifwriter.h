#ifndef ARTGEN_GIFWRITER_H
#define ARTGEN_GIFWRITER_H

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

// Encodes frames of equal size as one animated GIF (GIF89a) that loops forever; Qt reads GIF but
// cannot write it. All frames share one global colour table of up to 255 colours plus a
// transparent entry. GIF has no partial transparency: a pixel less than a quarter opaque becomes
// transparent, and every other pixel is laid on matte, so that soft edges blend into a ground of
// that colour. Each frame replaces the one before it completely (the area is cleared first).
class GifWriter
{
public:
    // delayMs is rounded to GIF's hundredths of a second (at least 2, as browsers and Qt treat
    // shorter delays as a default). Returns an empty array when the frames are empty, differ in
    // size or are larger than GIF allows.
    static QByteArray encode(const QVector<QImage> &frames, int delayMs, const QColor &matte);
};

#endif // ARTGEN_GIFWRITER_H
