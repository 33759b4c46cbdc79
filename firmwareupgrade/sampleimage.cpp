#include "sampleimage.h"

namespace fwupgrade {

QByteArray sampleFirmwareImage(int size, quint32 seed)
{
    QByteArray image(size, '\0');
    quint32 state = seed;
    for (char &byte : image) {
        state = state * 1664525U + 1013904223U;
        byte = static_cast<char>(state >> 24);
    }
    return image;
}

} // namespace fwupgrade
