#ifndef FCLINK_PARAMETERSLICES_H
#define FCLINK_PARAMETERSLICES_H

#include "fclink/fclink_global.h"
#include "fclink/model/uavparam.h"

namespace fclink {

constexpr int kSliceCount = 14;
constexpr int kSlicePayloadSize = 16;

// The parameter block travels in 14 slices of up to 16 bytes. Most slices are one contiguous
// run of the block; slice 6 is two runs (80..81, then 100..113) and slices 13 and 14 carry the
// bytes 82..99 that slice 6 skips. A slice is described as at most two runs.
struct SliceRun
{
    int blockOffset;
    int length;
};

struct FCLINK_EXPORT SliceLayout
{
    SliceRun runs[2];
    int runCount;

    int length() const;
};

// Layout of slice 1..14; the slice number must be in range.
FCLINK_EXPORT const SliceLayout &sliceLayout(int slice);

// Copies the slice's block bytes into payload[0..15]; unused payload bytes become 0.
FCLINK_EXPORT void copyBlockToSlice(int slice, const quint8 *block, quint8 *payload);

// Copies payload bytes into the slice's block bytes and leaves every other block byte alone.
FCLINK_EXPORT void copySliceToBlock(int slice, const quint8 *payload, quint8 *block);

} // namespace fclink

#endif // FCLINK_PARAMETERSLICES_H
