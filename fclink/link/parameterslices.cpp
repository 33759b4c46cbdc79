#include "parameterslices.h"

#include <cstring>

namespace fclink {

namespace {
const SliceLayout kSlices[kSliceCount] = {
    {{{0, 16}, {0, 0}}, 1},   {{{16, 16}, {0, 0}}, 1},  {{{32, 16}, {0, 0}}, 1},
    {{{48, 16}, {0, 0}}, 1},  {{{64, 16}, {0, 0}}, 1},  {{{80, 2}, {100, 14}}, 2},
    {{{114, 16}, {0, 0}}, 1}, {{{130, 16}, {0, 0}}, 1}, {{{146, 16}, {0, 0}}, 1},
    {{{162, 16}, {0, 0}}, 1}, {{{178, 16}, {0, 0}}, 1}, {{{194, 16}, {0, 0}}, 1},
    {{{82, 16}, {0, 0}}, 1},  {{{98, 2}, {0, 0}}, 1},
};
} // namespace

int SliceLayout::length() const
{
    int total = 0;
    for (int i = 0; i < runCount; ++i)
        total += runs[i].length;
    return total;
}

const SliceLayout &sliceLayout(int slice)
{
    Q_ASSERT(slice >= 1 && slice <= kSliceCount);
    return kSlices[slice - 1];
}

void copyBlockToSlice(int slice, const quint8 *block, quint8 *payload)
{
    std::memset(payload, 0, kSlicePayloadSize);
    const SliceLayout &layout = sliceLayout(slice);
    int at = 0;
    for (int i = 0; i < layout.runCount; ++i) {
        std::memcpy(payload + at, block + layout.runs[i].blockOffset, layout.runs[i].length);
        at += layout.runs[i].length;
    }
}

void copySliceToBlock(int slice, const quint8 *payload, quint8 *block)
{
    const SliceLayout &layout = sliceLayout(slice);
    int at = 0;
    for (int i = 0; i < layout.runCount; ++i) {
        std::memcpy(block + layout.runs[i].blockOffset, payload + at, layout.runs[i].length);
        at += layout.runs[i].length;
    }
}

} // namespace fclink
